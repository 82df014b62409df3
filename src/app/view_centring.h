// Centring a view's drawing on the sheet: the extent of the view's walls and outlines is moved, in whole
// 25 mm steps (or whole inches), so that its centre lies on the centre of the sheet. The ground floor
// command and the re-centring of the site plan before a view is left use it.
#pragma once

#include "app/app_state.h"

namespace velmora {

// The extent a re-centring measures: 190 the site plan (lines, shapes, walls, polygon vertices and text
// anchors), any other type the walls and polygon vertices only.
enum : int { CentreFloor = 1, CentreSite = 190 };

// Moves every point of every object of the view by (dx, dy), floor records and design rooms excepted.
void ShiftView(TFlist& list, int view, int dx, int dy);

// The shift that centres the current view's extent on the sheet, cut toward zero to the grain of the
// measuring system; (0, 0) when the view has nothing to measure.
Point CentringShift(const AppState& state, int type);

// Centres the current view on the sheet in memory; true when anything moved. The caller writes the drawing.
bool RecentreView(AppState& state, int type);

} // namespace velmora
