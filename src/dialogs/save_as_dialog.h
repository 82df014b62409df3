// The save-as dialog (TTsaveasdlg): the new name a copy of the open drawing is written under.
#pragma once

#include "dialogs/dialog.h"

#include <optional>
#include <string>

namespace velmora {

struct TTsaveasdlg {
    static constexpr const char* Caption = "save drawing to a new name";
    static constexpr const char* Name = "name";
    static constexpr const char* HelpPage = "file.htm";
    static constexpr const char* NameErrorTitle = "Drawing Name Error";
    static constexpr const char* NameError = "You must have between 1 to 24 letters or spaces";

    static DialogDescription Make();
    // The name typed, blanks at the ends removed, or nothing when it is no drawing name.
    static std::optional<std::string> NameChosen(const DialogDescription& d);
};

} // namespace velmora
