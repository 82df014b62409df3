// The dialogs that set up a run of external walls: the wall type (TTExtwalldlg), the custom wall sizes in
// millimetres (TTTCustwalldlg) or in inches and fractions (TTCustwallimpdlg), and the side of the inner
// lines (Tsecdlg). Each refuses bad input with its own message while it stays open.
#pragma once

#include "building/wall_types.h"
#include "dialogs/dialog.h"

#include <optional>

namespace velmora {

struct TTExtwalldlg {
    static constexpr const char* Caption = "external wall type";
    static constexpr const char* Group = "main external wall detail";
    // Opens with the row whose metric or imperial code is lastCode chosen (the cavity wall otherwise).
    static DialogDescription Make(int lastCode);
    // The row chosen after O K.
    static const WallTypeRow& Chosen(const DialogDescription& d);
};

struct TTTCustwalldlg {
    static constexpr const char* Caption = "|GUIDE: Custom wall details";
    static constexpr const char* Total = "TOTAL thickness of external wall";
    static constexpr const char* CavityField = "cavity width -  if any";
    static constexpr const char* Inner = "inner wall thickness if a cavity wall";
    // Opens on total, cavity and inner in millimetres.
    static DialogDescription Make(int total, int cavity, int inner);
    // The three values typed: total, cavity, inner.
    static std::array<int, 3> Values(const DialogDescription& d);
};

struct TTCustwallimpdlg {
    static constexpr const char* Caption = "custom wall detail";
    // Each group is whole inches and a fraction: "<group> inches", "<group> numerator",
    // "<group> denominator".
    static constexpr const char* TotalGroup = "total thickness";
    static constexpr const char* CavityGroup = "cavity";
    static constexpr const char* InnerGroup = "inner wall";
    // Opens on total, cavity and inner in world units.
    static DialogDescription Make(int total, int cavity, int inner);
    // The three values in world units: total, cavity, inner.
    static std::array<int, 3> Values(const DialogDescription& d);
};

struct Tsecdlg {
    static constexpr const char* Caption = "secondary wall lines";
    static constexpr const char* Group = "place other line or lines";
    static DialogDescription Make();
    // 1 below, 2 left, 3 above, 4 right.
    static int Side(const DialogDescription& d);
};

} // namespace velmora
