#include "app/wizard_steps.h"

#include <array>

namespace velmora {

namespace {

// One step: its heading and what it tells the user, in feet and inches and in millimetres where the two
// differ (Metric empty: the same words for both).
struct StepText {
    int Step;
    const char* Imperial;
    const char* Metric;
};

constexpr std::array WallSteps{
    StepText{0,
             " WIZARD - using Draw External Walls option \n\n"
             "Open 'File' on the menu bar and select 'New Drawing'",
             ""},
    StepText{1,
             " WIZARD - New Drawing\n\n"
             "Name the drawing wizard, select 'draw external walls' and 'feet and inches', then press O K",
             " WIZARD - New Drawing\n\n"
             "Name the drawing wizard, select 'draw external walls' and 'metric', then press O K"},
    StepText{2,
             " WIZARD - Floor Details\n"
             "Type the floor height 96 (inches), then the floor thickness 4 (inches)",
             " WIZARD - Floor Details\n"
             "Type the floor height 2400 (mm), then the floor thickness 100 (mm)"},
    StepText{3,
             " WIZARD - External Wall Type\n\n"
             "Select the wall 'walling 8\" or 200 mm', then press O K",
             ""},
    StepText{4,
             " WIZARD - Position of Secondary External Wall Lines to Main External Wall Line\n\n"
             "Select 'below the main wall line', then press O K",
             ""},
    StepText{5,
             " WIZARD - Starting Point of First Wall \n\n"
             "The cursor is in the top left corner: press the Enter key to start the first wall there",
             ""},
    StepText{6,
             " WIZARD - Moving Around the Base\n\n"
             "Press the RIGHT arrow key and type 30 ft 6 in",
             " WIZARD - Moving Around the Base\n\n"
             "Press the RIGHT arrow key and type 9000"},
    StepText{7, " WIZARD\n Press the DOWN Arrow key\n and type 17 ft",
             " WIZARD\n Press the DOWN Arrow key\n and type 7000"},
    StepText{8, " WIZARD\n Press the LEFT Arrow key\n the length 20 ft 6 in is given for you",
             " WIZARD\n Press the LEFT Arrow key\n the length 6000 is given for you"},
    StepText{9, " WIZARD\n Press the DOWN Arrow key\n and type 6 ft",
             " WIZARD\n Press the DOWN Arrow key\n and type 2000"},
    StepText{10, " WIZARD\n Press the LEFT Arrow key\n the length 10 ft is given for you",
             " WIZARD\n Press the LEFT Arrow key\n the length 3000 is given for you"},
    StepText{11,
             " WIZARD - Connecting Back to the Original Starting Point\n\n"
             "Press the ADD ('+') key, or 'f', to draw the last wall back to the start",
             ""},
    StepText{12,
             " WIZARD\n  Base Finished and Centred\n\n"
             "The walls are dimensioned and the floor area is shown: press O K to clear the floor area box",
             ""},
    StepText{13,
             " WIZARD - Adding Design Rooms\n\n"
             "Select 'ADD New Design Room' from 'Design Rooms' on the menu bar",
             ""},
    StepText{14,
             " WIZARD - Wall Thickness for Design Rooms on this floor\n\n"
             "Type 4 as the thickness of the room walls, then press O K",
             " WIZARD - Wall Thickness for Design Rooms on this floor\n\n"
             "Type 100 as the thickness of the room walls, then press O K"},
    StepText{15,
             " WIZARD - New 10 ft x 12 ft Design Room\n\n"
             "Name the room Bed 1, make it 10 ft x 12 ft and choose the bedroom colour",
             " WIZARD - New 3600 x 3600 Design Room\n\n"
             "Name the room Bed 1, make it 3600 x 3600 and choose the bedroom colour"},
    StepText{16,
             "WIZARD\n"
             "Drag the room into the top left corner of the house, then add another design room",
             ""},
    StepText{17,
             " WIZARD - New 8 ft x 8 ft 8 in Design Room\n\n"
             "Name the room Bathroom, make it 8 ft x 8 ft 8 in and choose the 'wet area' colour",
             " WIZARD - New 3000 x 2600 Design Room\n\n"
             "Name the room Bathroom, make it 3000 x 2600 and choose the 'wet area' colour"},
    StepText{18,
             " WIZARD - To Finish the Design Rooms\n\n"
             "Drag the room into the top right corner, then select 'FINISH Design Rooms'",
             ""},
    StepText{19,
             " WIZARD - To Alter a Finished Room\n"
             "Select 'ALTER Finished Room', pick a room, then select 'FINISH Design Rooms' again",
             ""},
    StepText{20,
             " WIZARD\n\n"
             "That concludes this wizard - another Wizard can be found from 'Help' on the menu bar\n\n\n"
             "HINT: windows, doors and internal walls are added from the tool bar icons",
             ""},
};

constexpr std::array RoomSteps{
    StepText{100,
             "WIZARD  using the layout design rooms option\n\n"
             "Open 'File' on the menu bar and select 'New Drawing'; use only the functions the wizard names",
             ""},
    StepText{101,
             " WIZARD - New Drawing\n\n"
             "Name the drawing wizard, select 'layout rooms first' and 'feet and inches', then press O K",
             " WIZARD - New Drawing\n\n"
             "Name the drawing wizard, select 'layout rooms first' and 'metric', then press O K"},
    StepText{102,
             " WIZARD  Wall Thickness for Design Rooms on this floor\n\n"
             "Type 4 as the room wall thickness; the caption now ends in .LYT, the layout view",
             " WIZARD  Wall Thickness for Design Rooms on this floor\n\n"
             "Type 100 as the room wall thickness; the caption now ends in .LYT, the layout view"},
    StepText{103,
             " WIZARD  New 10' x 12' Design Room\n\n"
             "Name the room Bed 1, 10 ft x 12 ft, bedroom colour, dimensions both with arrows",
             " WIZARD  New 3000' x 3600' Design Room\n\n"
             "Name the room Bed 1, 3000 x 3600, bedroom colour, dimensions both with arrows"},
    StepText{104, " WIZARD\n\nDrag the room near the top left inside corner, then add a new design room", ""},
    StepText{105,
             " WIZARD  New 8 ft x 8 ft 6 inch Design Room\n\n"
             "Name the room Bathroom, 8 ft x 8 ft 6 in, wet area colour, vertical dimensions; the boundary "
             "grid appears",
             " WIZARD  New 2400' x 2550' Design Room\n\n"
             "Name the room Bathroom, 2400 x 2550, wet area colour, vertical dimensions; the boundary grid "
             "appears"},
    StepText{
        106,
        "WIZARD\n\n Drag it against the right side of Bed 1 (it aligns itself), then add a new design room",
        ""},
    StepText{107,
             " WIZARD - New 10' x 11' Design Room\n\n"
             "Name the room Bed 2, 10 ft x 11 ft, bedroom colour, horizontal dimensions",
             " WIZARD  New 3000' x 3300' Design Room\n\n"
             "Name the room Bed 2, 3000 x 3300, bedroom colour, horizontal dimensions"},
    StepText{108, " WIZARD\n\nDrag it against the right side of Bathroom, then add a new design room", ""},
    StepText{109,
             " WIZARD  New 9' x 9 ' Design Room\n\n"
             "Name the room Kitchen, 9 ft x 9 ft, wet area colour, no dimensions",
             " WIZARD  New 2700' x 2700' Design Room\n\n"
             "Name the room Kitchen, 2700 x 2700, wet area colour, no dimensions"},
    StepText{110,
             " WIZARD\n"
             "Drag it against the right side of Bed 2, check the alignment, then select 'Mark External Walls "
             "on LAYOUT' and answer Yes to the question",
             ""},
    StepText{
        111,
        " WIZARD  Floor Details\n\nType the floor height 96 (inches), then the floor thickness 4 (inches)",
        " WIZARD  Floor Details\n\nType the floor height 2400 (mm), then the floor thickness 100 (mm)"},
    StepText{112, " WIZARD  External Wall Type\n\nSelect the brick veneer wall, then press O K", ""},
    StepText{113,
             " WIZARD You should have something like this...\n\n"
             "Put the cursor exactly on the top left corner of Bed 1 and press Enter",
             ""},
    StepText{114, " WIZARD\n\nMove right with the arrow keys to the corner 38 ft along and press Enter",
             " WIZARD\n\nMove right with the arrow keys to the corner 11400 along and press Enter"},
    StepText{115, " WIZARD\n\nMove down to the corner 15 ft 6 below and press Enter",
             " WIZARD\n\nMove down to the corner 5000 below and press Enter"},
    StepText{116, " WIZARD\nMove left to the corner 28 ft along and press Enter",
             " WIZARD\nMove left to the corner 8400 along and press Enter"},
    StepText{117, " WIZARD\n\nMove down to the corner 7 ft 10 below and press Enter",
             " WIZARD\n\nMove down to the corner 2000 below and press Enter"},
    StepText{118, " WIZARD\n\nMove left to the corner 10 ft along and press Enter",
             " WIZARD\n\nMove left to the corner 3000 along and press Enter"},
    StepText{119,
             " WIZARD\nConnecting Back To The Starting Point\n (top / left corner of Bed 1)\n"
             "Press the ADD ('+') key, or 'f'",
             ""},
    StepText{120,
             " WIZARD\n  Layout Base Finished and Centred now as a Plan View\n\n"
             "Press Enter to clear the floor area box; the caption now ends in .PLN",
             ""},
    StepText{121,
             "\nWIZARD\n That concludes this wizard\n\n"
             "HINT: windows, doors and internal walls are added from the tool bar icons",
             ""},
};

template <std::size_t N> std::string Find(const std::array<StepText, N>& steps, int step, bool metric) {
    for (const StepText& s : steps) {
        if (s.Step != step) continue;
        return metric && *s.Metric ? s.Metric : s.Imperial;
    }
    return {};
}

} // namespace

bool IsRoomsSequence(int sequence) {
    return sequence == WizardRoomsMetric || sequence == WizardRoomsImperial;
}

bool IsMetricSequence(int sequence) {
    return sequence == WizardWallsMetric || sequence == WizardRoomsMetric;
}

int FirstWizardStep(int sequence) {
    return IsRoomsSequence(sequence) ? WizardRoomsFirstStep : WizardWallsFirstStep;
}

std::string WizardStepText(int sequence, int step) {
    if (sequence < WizardWallsMetric || sequence > WizardRoomsImperial) return {};
    const bool metric = IsMetricSequence(sequence);
    return IsRoomsSequence(sequence) ? Find(RoomSteps, step, metric) : Find(WallSteps, step, metric);
}

} // namespace velmora
