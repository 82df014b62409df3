// The display mode dialog (TTDisplandlg): how walls are drawn on the plan views and whether the external
// dimensions are shown.
#pragma once

#include "dialogs/dialog.h"

namespace velmora {

struct TTDisplandlg {
    static constexpr const char* Caption = "plan view - display mode";
    static constexpr const char* WallsGroup = "show walls as :-";
    static constexpr const char* Normal = "normal";
    static constexpr const char* CrossHatched = "cross hatched";
    static constexpr const char* Solid = "solid";
    static constexpr const char* ShowDimensions = "show external dimensions";
    // Opens on the style of the mode's tens digit; the box is ticked for the variants that show dimensions.
    static DialogDescription Make(int wallDisplayMode);
    // The WallDisplayMode the accepted dialog chooses: 0, 10 or 20, plus 1 without dimensions.
    static int Result(const DialogDescription& d);
};

} // namespace velmora
