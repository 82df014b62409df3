// The floor change choice (TFloorChange) of the base size commands: which floors a change of the base
// reaches.
#pragma once

#include "dialogs/dialog.h"

namespace velmora {

struct TFloorChange {
    static constexpr const char* Caption = "Change Floors";
    static constexpr const char* Group = ""; // one set of choices: no titled box
    static constexpr const char* AllFloors = "alter ALL floors by the same amount";
    static constexpr const char* GroundOnly = "alter GROUND floor only - re centre all floors";
    static constexpr const char* ThisFloorOnly = "alter THIS floor only - do NOT re centre";
    static constexpr const char* Note = "other floors - not for use on ground floor";
    static DialogDescription Make();
    // 1 all floors, 2 the ground floor only, 3 this floor only.
    static int Result(const DialogDescription& d);
};

} // namespace velmora
