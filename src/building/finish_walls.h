// The external walls of the ground floor made from the corner marks of the layout (the external-wall tool's
// Operation 7): the marks are trued against the layout rooms, moved outward by the wall type's thickness and
// made as walls, each running clockwise with its inner lines facing the house; the marks then go.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

class TExtwallobjtool;

// The partition thickness of a view from RMPTNM.CFG / RMPTNI.CFG (the layout views take the ground
// floor's); 100 mm or 4 inches when the file cannot be read.
int PartitionThickness(const AppState& state, int view);

// Leaves CurrentView on the ground floor; returns the number of walls made.
int MakeWallsFromMarks(AppState& state, Ui& ui, TExtwallobjtool& tool);

} // namespace velmora
