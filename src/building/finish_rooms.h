// Design rooms finished into walls and labels (the internal-wall tool's Adjust at Step 1500): every side of
// a room that no wall line covers yet gets an internal wall of the floor's partition thickness, its second
// line on the room's edge, running clockwise round the room; each room gets its name, sizes and dimension
// lines, and becomes a finished room (kind 29500) of the floor. Everything made for a room carries the
// room's number in Aux, which is how ALTER finds it again.
#pragma once

#include "app/app_state.h"
#include "platform/canvas.h"
#include "platform/ui.h"

namespace velmora {

struct FinishResult {
    int Rooms = 0; // rooms finished
    int Walls = 0; // internal walls made
    Rect Box{};    // the rooms' box widened by twice the partition in logical units
};

// The side states of a room edge, from the wall line that lies on it.
enum class SideState { Covered, Open, OpenBoth, OpenFirstEnd, OpenSecondEnd };

// Finishes the design rooms (29000, 29001) of roomsView into CurrentView: walls in PenColour, then the
// labels; the working copy is saved.
FinishResult FinishRooms(AppState& state, Ui& ui, int roomsView, Colorref penColour);

} // namespace velmora
