// The commands of the Draw menu that start the closed-shape tools: arc, ellipse, circle, rounded rectangle
// and polygon. Each needs a ready drawing, takes an undo snapshot before its tool exists and, for the
// filled shapes, first lets the user choose the fill colour (kept in CFG/FILLCLR.CFG).
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

void CmArcExecute(AppState& state, Ui& ui);
void CmEllipseExecute(AppState& state, Ui& ui);
void CmCircleExecute(AppState& state, Ui& ui);
void CmRndRectExecute(AppState& state, Ui& ui);
void CmPolygonExecute(AppState& state, Ui& ui);

// The colour chooser on the fill colour of FILLCLR.CFG, the choice written back on O K; answers the fill
// colour the file then holds (the previous one when the chooser was cancelled).
Colorref ChooseFillColour(AppState& state, Ui& ui);

} // namespace velmora
