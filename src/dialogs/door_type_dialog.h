// TTExdoordlg: the kind of door (or a plain wall opening), the width of each door and how many there are.
// Opens on DOOR.CFG; a width or count out of range keeps the dialog open with the message naming the item.
#pragma once

#include "dialogs/dialog.h"

#include <array>

namespace velmora {

struct DoorTypeChoice {
    int Type = 11; // the opening type, the one- or two-door variant already decided
    int Width = 0; // one door, world units
    int Count = 1; // after the adjustments of the type
};

struct TTExdoordlg {
    static constexpr const char* Caption = "doors or opening";
    static constexpr const char* Width = "width of each door or wall opening -inches or mm.";
    static constexpr const char* Count = "total number of doors";
    static constexpr const char* Opening = "a wall opening";
    static constexpr const char* Hanging = "hanging door(s) - 1 or 2 doors";
    static constexpr const char* Sliding = "sliding door(s) can slide inside a wall - 1 or 2 doors";
    static constexpr const char* SideFrame = "external sliding door(s) with side frame - 1 or 2 doors";
    static constexpr const char* Entry = "entry frame with hanging doors - 1 or 2 doors";
    static constexpr const char* Garage = "garage door - 1 for roller door  or 2 hanging doors";
    static constexpr const char* Folding = "folding doors -  - 2, 4, 6, 8 or 10 doors";
    static constexpr const char* Wardrobe = "wardrobe or  passing sliders - 2, 4, 6, 8 or 10 doors";
    static constexpr int MinWidth = 288, MaxWidth = 9000;

    static DialogDescription Make(int type, int width, int count, int metricFlag);
    static DoorTypeChoice Read(const DialogDescription& d, int metricFlag);
};

} // namespace velmora
