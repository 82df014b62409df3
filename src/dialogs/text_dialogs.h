// The dialogs of the text command: TTTextdlg chooses the direction and the placement of the texts to
// come; Ttextcentredlg takes the words of one centred text.
#pragma once

#include "dialogs/dialog.h"

#include <string>

namespace velmora {

struct TTTextdlg {
    static constexpr const char* Caption = "text";
    static constexpr const char* Horizontal = "horizontal text";
    static constexpr const char* Vertical = "vertical text";
    static constexpr const char* Centred = "CENTRED TEXT";
    static constexpr const char* MultiLine = "MULTI LINE TEXT";
    // Preset from the last choices (LASTTEXT.CFG): centred 1 or 0 (multi line), horizontal 1 or 0.
    static DialogDescription Make(bool centred, bool horizontal);
    // After O K: the placement 1 (centred) or 2 (multi line) and the angle 0 or 2700.
    static int Placement(const DialogDescription& d);
    static int Angle(const DialogDescription& d);
};

struct Ttextcentredlg {
    static constexpr const char* Caption = "centred text";
    static constexpr const char* TextField = "text";
    static constexpr int MaxLetters = 70;
    static DialogDescription Make();
    static std::string Text(const DialogDescription& d);
};

} // namespace velmora
