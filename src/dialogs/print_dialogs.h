// The dialogs of the print commands: the floors to print with their scales and copies (TTFPlanprintdlg),
// one drawing or part of one (TTGrpprintdlg), the two halves of a split print (TTSplitdlg) and the print
// calibration (TTPrintcaldlg). Each refuses a scale of 0 or below, which would divide the page by zero.
#pragma once

#include "dialogs/dialog.h"
#include "output/print_options.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

// CFG/PRINT.CFG: "%d %d %d %d %d".
struct PrintStyleFile {
    int KeepTextAngles = 0; // 1: do not mirror text angles on paper
    int Landscape = 1;
    int LineWeight = LineMedium;
    int TextSize = TextMedium;
    int Spare = 0; // written back unchanged
};

// The groups both print dialogs share.
namespace print_labels {
inline constexpr const char* StyleGroup = "print style";
inline constexpr const char* Normal = "show walls as normal";
inline constexpr const char* CrossHatched = "show walls cross hatched";
inline constexpr const char* NoDimensions = "print NO external dimensions";
inline constexpr const char* NoScale = "print NO drawing scale";
inline constexpr const char* OrientationGroup = "orientation";
inline constexpr const char* Portrait = "portrait";
inline constexpr const char* Landscape = "landscape";
inline constexpr const char* LinesGroup = "show lines";
inline constexpr const char* Light = "light lines";
inline constexpr const char* Medium = "medium lines";
inline constexpr const char* Heavy = "heavy lines";
inline constexpr const char* TextGroup = "show text";
inline constexpr const char* Small = "small text";
inline constexpr const char* MediumText = "medium text";
inline constexpr const char* Large = "large text";
inline constexpr const char* ScaleRefused = "the scale must be a whole number from 1 to 100000";
inline constexpr const char* CopiesRefused = "the number of copies must be from 0 to 99";
} // namespace print_labels

inline constexpr int MaxPrintScale = 100000;
inline constexpr int MaxPrintCopies = 99;

struct TTFPlanprintdlg {
    static constexpr const char* Caption = "print plans";
    static constexpr const char* HelpPage = "print.htm";
    static constexpr const char* CopiesGroup = "select number of copies && scales";
    static constexpr const char* SolidWall = "show wall solid";
    static constexpr const char* VerticalText = "check only if vertical text prints incorrectly";
    // The floors in print order with their views; a floor's copies box is labelled with its name, its scale
    // box with the name and " scale : 1".
    static constexpr std::array<const char*, 6> Floors = {
        "ground floor", "first floor", "second floor", "third floor", "sub floor / basement", "site plan"};
    static constexpr std::array<int, 6> Views = {120, 121, 122, 123, 124, 190};
    static std::string ScaleLabel(const char* floor) { return std::string(floor) + " scale : 1"; }

    static DialogDescription Make(int metricFlag, int wallDisplayMode, const PrintStyleFile& style);

    struct FloorPrint {
        int View = 120;
        int Copies = 0;
        int Scale = 100;
    };
    struct Result {
        std::array<FloorPrint, 6> Floors{};
        PrintOptions Options; // the style shared by every floor (Scale and Copies unused)
        PrintStyleFile Style;
        int WallDisplayMode = 0;
    };
    static Result Read(const DialogDescription& d, const PrintStyleFile& before);
};

struct TTGrpprintdlg {
    static constexpr const char* Caption = "miscellaneous printing";
    static constexpr const char* HelpPage = "print.htm";
    static constexpr const char* Copies = "drawing";
    static constexpr const char* Scale = "scale to 1";
    static constexpr const char* SolidWall = "show walls solid";
    static constexpr const char* VerticalText = "check if vertical text prints incorrectly";

    static DialogDescription Make(int metricFlag, int wallDisplayMode, const PrintStyleFile& style);
    struct Result {
        PrintOptions Options;
        PrintStyleFile Style;
    };
    static Result Read(const DialogDescription& d, const PrintStyleFile& before);
};

struct TTSplitdlg {
    static constexpr const char* Caption = "print drawing on two parts";
    static constexpr const char* HelpPage = "file.htm";
    static constexpr const char* LeftRight = "print drawing left half then right half";
    static constexpr const char* TopBottom = "print top then bottom half of drawing";
    static DialogDescription Make();
    static bool TopThenBottom(const DialogDescription& d) { return d.IsOn(TopBottom); }
};

struct TTPrintcaldlg {
    static constexpr const char* Caption = "print calibration";
    static constexpr const char* HelpPage = "print.htm";
    static constexpr const char* ImperialGroup = "using feet && inches";
    static constexpr const char* MetricGroup = "using metric";
    static constexpr const char* Feet = "feet";
    static constexpr const char* Inches = "inches";
    static constexpr const char* Millimetres = "millimetres";
    static constexpr const char* OutOfRange = "the measured size must be from %d to %d";

    // Opens on the two stored values (world units of each system); the check refuses a measured size of
    // the given system outside what a factor can correct.
    static DialogDescription Make(int metricMeasured, int imperialMeasured, int metricFlag);
    // The measured size of the system in world units: millimetres, or (feet x 12 + inches) x 24.
    static std::optional<int> Measured(const DialogDescription& d, int metricFlag);
};

// The options PRINT.CFG holds: orientation, lines, text and the vertical-text flag.
void ApplyPrintStyle(const PrintStyleFile& style, PrintOptions& options);

// PRINT.CFG as the dialogs read and write it.
PrintStyleFile ReadPrintStyle(const std::filesystem::path& home);
bool WritePrintStyle(const std::filesystem::path& home, const PrintStyleFile& style, std::string& error);

} // namespace velmora
