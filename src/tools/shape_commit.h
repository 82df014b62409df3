// What the commits of the closed shapes (arc, ellipse, circle, rounded rectangle) share: the box must lie
// on the sheet and have a width and a height, and a made shape is painted at once, appended and saved.
#pragma once

#include "app/app_state.h"
#include "platform/canvas.h"
#include "platform/ui.h"

#include <memory>

namespace velmora {

class TMDIChild;
class TObj;

// Both corners within 10 ... the sheet's size in world units, and the box has a width and a height.
bool ShapeBoxAllowed(const AppState& s, int x1, int y1, int x2, int y2);

// Paints the shape into the window's picture, appends it and writes the working copy; answers the shape's
// index in the list.
int StoreShape(AppState& s, Ui& ui, const TMDIChild* window, Canvas& dc, std::unique_ptr<TObj> shape);

} // namespace velmora
