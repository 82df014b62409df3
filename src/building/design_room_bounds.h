// The box round the design rooms of a layout: what the layout size read-out shows, where the marking of the
// external walls starts measuring from and what the layout grid is drawn over. Written to CFG/BOUNDS.CFG and
// CFG/RECT.CFG for the callers that read it from there; the result carries the same values, so no caller need
// read the files back.
#pragma once

#include "app/app_state.h"

#include <cstdint>
#include <string>

namespace velmora {

struct DesignRoomBoundsResult {
    // Design rooms (kinds 29000 and 29001) of the view, the marking view 45 counting as the layout 40.
    int Count = 0;
    // True only when this call took the box and wrote both files. With fewer than two rooms nothing is
    // written, and BOUNDS.CFG and RECT.CFG still hold an earlier layout's box: a caller must not read them.
    bool BoxWritten = false;
    // The box (left = smallest X1, top = largest Y1, right = largest X2, bottom = smallest Y2) and its
    // size; the area is 64-bit, as width times height of a sheet-sized group does not fit 32 bits.
    std::int64_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    std::int64_t Width = 0, Height = 0, Area = 0;
    std::string Error; // a settings file could not be written; empty otherwise
};

// Counts the design rooms of state.CurrentView and, with two or more on a view below 50, writes their box.
// A new room still parked at the lower-left corner of the visible area as the last object of the list is
// left out of the box (it has not been placed yet). On a view of 50 and above BOUNDS.CFG gets the "no box"
// values 200000 0 0 200000 and RECT.CFG is left alone.
DesignRoomBoundsResult DesignRoomBounds(const AppState& state);

// Whether a room lies at the parking place where a new room is put (its lower-left corner two logical
// units inside the lower-left corner of the visible area).
bool IsAtNewRoomPlace(const AppState& state, const TObj& room);

} // namespace velmora
