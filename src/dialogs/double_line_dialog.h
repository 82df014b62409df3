// The width and side of an internal wall or a pair of double lines: TTDblelinedlg (millimetres) and
// TTDblelineimpdlg (whole inches and a fraction). Both open on the width of PTNM.CFG / PTNI.CFG and refuse a
// width out of range with the dialog left open.
#pragma once

#include "dialogs/dialog.h"

#include <filesystem>
#include <optional>

namespace velmora {

class Ui;

// Where the second line lies, relative to the first line the user draws.
enum SecondLineSide : int { SideBelow = 1, SideLeft = 2, SideAbove = 3, SideRight = 4 };

struct TTDblelinedlg {
    static constexpr const char* Caption = "internal wall or double lines";
    static constexpr const char* Width = "width";
    static constexpr const char* Below = "below first line";
    static constexpr const char* Left = "left of first line";
    static constexpr const char* Above = "above first line";
    static constexpr const char* Right = "right of first line";
    static DialogDescription Make(int widthMm);
    static int WidthOf(const DialogDescription& d);
};

struct TTDblelineimpdlg {
    static constexpr const char* Caption = "internal wall or double line spacing";
    static constexpr const char* Inches = "inches";
    static constexpr const char* Numerator = "numerator";
    static constexpr const char* Denominator = "denominator";
    static constexpr const char* Below = "below first line";
    static constexpr const char* Left = "left of first line";
    static constexpr const char* Above = "above first line";
    static constexpr const char* Right = "to right of first line";
    static DialogDescription Make(int widthWorld);
    // The width in world units: inches x 24 plus the fraction, which counts only as halves, quarters and
    // eighths below one.
    static int WidthOf(const DialogDescription& d);
};

struct DoubleLineChoice {
    int Width = 0; // world units
    int Side = SideLeft;
};

// Shows the dialog of the measuring system, pre-filled from its width file, and writes the width back on
// O K. Nothing when cancelled.
std::optional<DoubleLineChoice> AskDoubleLine(Ui& ui, const std::filesystem::path& home, int metricFlag);

// The width of new internal walls from PTNM.CFG / PTNI.CFG: 100 mm or 4 inches when the file is missing or
// out of the dialog's range.
int StoredWallWidth(const std::filesystem::path& home, int metricFlag);

} // namespace velmora
