// The text of a line label (TTLinetextdlg): the label, at most 20 letters, and its side of the line.
#pragma once

#include "dialogs/dialog.h"

namespace velmora {

struct TTLinetextdlg {
    static constexpr const char* Caption = "text on a line";
    static constexpr const char* Text = "text for the line";
    static constexpr const char* AboveOrLeft = "text at left or above the line";
    static constexpr const char* BelowOrRight = "text at right or below line";
    static constexpr int MaxText = 20;
    static DialogDescription Make();
    // 1 above or left of the line, 2 below or right of it.
    static int Side(const DialogDescription& d);
};

} // namespace velmora
