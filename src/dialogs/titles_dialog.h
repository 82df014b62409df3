// The drawing titles dialog (TTTitledlg): the six plan titles, each 1 to 24 characters.
#pragma once

#include "dialogs/dialog.h"

#include <array>
#include <string>

namespace velmora {

struct TTTitledlg {
    static constexpr const char* Caption = "drawing titles";
    static constexpr const char* Group = "show title of :-";
    // In the order of TITLE2D.CFG: ground, first, second, third, basement, site.
    static constexpr std::array<const char*, 6> Labels = {"ground floor  as",         "first floor  as",
                                                          "second floor  as",         "third floor  as",
                                                          "sub floor / basement  as", "site plan as"};
    static constexpr const char* Note = "24 letters/spaces maximum";
    static constexpr const char* Refusal =
        "you can have a maximum of 24 letters and spaces - minimum of one letter";
    static constexpr std::size_t MaxTitle = 24;

    static DialogDescription Make(const std::array<std::string, 6>& titles);
    // The titles of the accepted dialog, without leading or trailing blanks and control characters.
    static std::array<std::string, 6> Titles(const DialogDescription& d);
};

// A title as it is stored: control characters dropped, leading and trailing blanks cut (a stored title
// must not begin with a blank, or the file could not be read back).
std::string CleanTitle(const std::string& typed);

} // namespace velmora
