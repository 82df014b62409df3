// The dialogs of a new design room: the internal wall thickness of the floor's rooms (TTRoomptndlg in
// millimetres, TTRoomptnimp in inches and a fraction) and the room's name, size, colour and dimensions
// (TTRoomdlg in millimetres, TTRoomimpdlg in feet, inches and a fraction).
#pragma once

#include "dialogs/dialog.h"

#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

class Ui;

struct TTRoomptndlg {
    static constexpr const char* Caption = "internal wall size for room functions";
    static constexpr const char* Thickness = "internal walls thickness";
    static constexpr const char* Note = "will be used for all rooms on this floor";
    static DialogDescription Make(int thicknessMm);
    static int ThicknessOf(const DialogDescription& d);
};

struct TTRoomptnimp {
    static constexpr const char* Caption = "internal wall size for room functions";
    static constexpr const char* Inches = "internal walls thickness";
    static constexpr const char* Numerator = "numerator";
    static constexpr const char* Denominator = "denominator";
    static constexpr const char* Note = "will be used for all rooms on this floor";
    static DialogDescription Make(int thicknessWorld);
    static int ThicknessOf(const DialogDescription& d); // world units
};

// The colour and dimension choices both room dialogs share.
struct RoomChoices {
    static constexpr const char* ColourGroup = "show new room with :-";
    static constexpr const char* NoColour = "no colour";
    static constexpr const char* WetArea = "wet area colour";
    static constexpr const char* Bedroom = "bedroom colour";
    static constexpr const char* OtherRoom = "other room colour";
    static constexpr const char* DimensionGroup = "show dimensions (PLAN views)";
    static constexpr const char* NoDimensions = "no dimensions ";
    static constexpr const char* BothArrows = "both  with arrows";
    static constexpr const char* HorizontalOnly = "horizontal only";
    static constexpr const char* VerticalOnly = "vertical only";
};

struct TTRoomdlg {
    static constexpr const char* Caption = "room details";
    static constexpr const char* Name = "room name ";
    static constexpr const char* Width = "horizontal size of room";
    static constexpr const char* Length = "vertical size of room";
    static DialogDescription Make(int widthMm, int lengthMm, int dimensionStyle, int colourChoice);
};

struct TTRoomimpdlg {
    static constexpr const char* Caption = "room details";
    static constexpr const char* Name = "room name ";
    static constexpr const char* WidthFeet = "horizontal feet";
    static constexpr const char* WidthInches = "horizontal inches";
    static constexpr const char* WidthNumerator = "horizontal numerator";
    static constexpr const char* WidthDenominator = "horizontal denominator";
    static constexpr const char* LengthFeet = "vertical feet";
    static constexpr const char* LengthInches = "vertical inches";
    static constexpr const char* LengthNumerator = "vertical numerator";
    static constexpr const char* LengthDenominator = "vertical denominator";
    static DialogDescription Make(int widthWorld, int lengthWorld, int dimensionStyle, int colourChoice);
};

struct RoomDetails {
    std::string Name;
    int Width = 0, Length = 0; // world units
    int ColourChoice = 1;      // 1 no colour, 2 wet area, 3 bedroom, 4 other room
    int DimensionStyle = 2;    // 0 none, 2 both with arrows, 3 horizontal only, 4 vertical only
};

// The thickness dialog of the measuring system opened on the stored value; the thickness in world units,
// or nothing when cancelled.
std::optional<int> AskRoomPartition(Ui& ui, int metricFlag, int stored);
// The room dialog opened on the given sizes and the choices of NEWRM.CFG; writes NEWRM.CFG on O K. An
// empty name becomes "none". Nothing when cancelled.
std::optional<RoomDetails> AskRoomDetails(Ui& ui, const std::filesystem::path& home, int metricFlag,
                                          int width, int length);

} // namespace velmora
