// The overlays dialog (TTOverdlg): which floors are drawn under the working floor, and whether the working
// floor shows its dimensions.
#pragma once

#include "dialogs/dialog.h"
#include "view/paint_objects.h"

namespace velmora {

struct TTOverdlg {
    static constexpr const char* Caption = "overlays";
    static constexpr const char* FloorsGroup = "show these floors";
    static constexpr const char* Ground = "ground floor";
    static constexpr const char* First = "first floor";
    static constexpr const char* Second = "second floor";
    static constexpr const char* Third = "third floor";
    static constexpr const char* Basement = "basement (sub floor )";
    static constexpr const char* Or = "OR";
    static constexpr const char* BasementWith = "basement with";
    static constexpr const char* GroundOverlay = "ground floor overlay";
    static constexpr const char* Note = "Note: working floor is top floor checked";
    static constexpr const char* DimensionsGroup = "working floor dimensions";
    static constexpr const char* ShowDimensions = "show dimensions on working floor";

    // The boxes as OVERLAY.CFG holds them; the dimensions box ticked as the display mode says.
    static DialogDescription Make(const OverlayFlags& flags, bool showDimensions);
    // The floors ticked in the accepted dialog (the spare flag kept from `before`).
    static OverlayFlags Floors(const DialogDescription& d, const OverlayFlags& before);
    static bool Dimensions(const DialogDescription& d);
};

} // namespace velmora
