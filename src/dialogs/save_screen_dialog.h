// The picture name dialog of "Save as BitMap..." and "Save as PNG file" (Tsavescreen).
#pragma once

#include "dialogs/dialog.h"

#include <string>

namespace velmora {

struct Tsavescreen {
    static constexpr const char* Caption = "Save Screen As";
    static constexpr const char* Name = "save screen as";
    static constexpr const char* Note = "( 30 letters max - no file extension )";
    static constexpr const char* HelpPage = "file.htm";
    static constexpr int MaxName = 30;
    static DialogDescription Make(const std::string& drawingName);
};

} // namespace velmora
