// What the window and door dialogs decided: the kind of opening, its sizes and the options that shape its
// picture. The tool places openings of one choice until another tool is picked.
#pragma once

#include <string>

namespace velmora {

// Opening types: windows are 1..9, the door kinds 10 and above.
enum OpeningType : int {
    OpeningWindow = 1,
    OpeningWallOpening = 10,
    OpeningHangingDoor = 11,
    OpeningDoubleDoor = 12,
    OpeningSlidingDoor = 13,
    OpeningSlidingPair = 14,
    OpeningSlidersWithFrame = 15,
    OpeningEntryFrame = 16,
    OpeningGarageDoor = 19,
    OpeningFoldingDoors = 21,
    OpeningWardrobe = 24,
};

inline bool IsWindowType(int type) {
    return type >= 1 && type < 10;
}

struct OpeningChoice {
    int Type = OpeningWindow;
    int OpeningWidth = 0; // the whole opening along the wall (world units)
    int DoorWidth = 0;    // one door
    int DoorCount = 1;
    int DoorPlan = 1;      // 1..8: hinge end and swing side of a hanging door, the side a slider runs to
    int DoorSide = 0;      // folding doors: 1 left opens, 2 right opens, 0 both ways from the middle
    int FramePosition = 3; // doors in an entry frame: 1 left, 2 right, 3 central
    int IntoWall = 0;      // sliding doors run inside the wall
    // Windows.
    int WindowHeight = 0;
    int ShowSizes = 0, ShowCill = 0, TextSize = 8;
    std::string Font = "DejaVu Sans";
    // The height value every mask vertex carries (the unit value of the settings).
    int UnitValue = 1;
};

} // namespace velmora
