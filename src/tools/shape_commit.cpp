#include "tools/shape_commit.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "model/drawing_objects.h"
#include "view/drawing_window.h"

#include <cstdint>

namespace velmora {

bool ShapeBoxAllowed(const AppState& s, int x1, int y1, int x2, int y2) {
    const std::int64_t u = s.UnitsPerLogical;
    const std::int64_t w = s.SheetWidth * u, h = s.SheetHeight * u;
    auto inX = [w](std::int64_t x) { return x >= 10 && x <= w; };
    auto inY = [h](std::int64_t y) { return y >= 10 && y <= h; };
    if (!inX(x1) || !inX(x2) || !inY(y1) || !inY(y2)) return false;
    // A shape with no width or no height encloses nothing and shows as a stray line, or not at all.
    return x1 != x2 && y1 != y2;
}

int StoreShape(AppState& s, Ui& ui, const TMDIChild* window, Canvas& dc, std::unique_ptr<TObj> shape) {
    if (window) window->PaintNow(dc, *shape);
    s.DrawingObjects.Append(std::move(shape));
    WriteDrawing(s, ui, ModeWorking);
    if (s.SaveState == 0) s.SaveState = 1;
    return s.DrawingObjects.ObjectCount() - 1;
}

} // namespace velmora
