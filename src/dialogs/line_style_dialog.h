// The line style dialog (TTLinedlg): the pen width and the line style of the lines drawn next.
#pragma once

#include "dialogs/dialog.h"

namespace velmora {

struct TTLinedlg {
    static constexpr const char* Caption = "line styles";
    static constexpr const char* Thin = "thin line";
    static constexpr const char* Thick = "thick line";
    static constexpr const char* Solid = "solid";
    static constexpr const char* Dashed = "dashed ";
    static constexpr const char* Dotted = "dotted";
    static constexpr const char* DotDash = "dot dash";
    // Opens on a thin solid line, as every time.
    static DialogDescription Make();
    // After O K: the pen width (1 thin, 2 thick) and the style (0 solid, 1 dashed, 2 dotted, 3 dot dash).
    static int PenWidth(const DialogDescription& d);
    static int Style(const DialogDescription& d);
};

} // namespace velmora
