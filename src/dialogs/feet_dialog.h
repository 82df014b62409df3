// The feet-and-inches distance entry of imperial drawings (TTFeetdlg): feet, inches and a fraction of an
// inch, refused while out of range with the dialog left open.
#pragma once

#include "dialogs/dialog.h"

#include <optional>

namespace velmora {

class Ui;

struct TTFeetdlg {
    static constexpr const char* Caption = "measurement";
    static constexpr const char* Feet = "feet";
    static constexpr const char* Inches = "inches";
    static constexpr const char* Numerator = "numerator";
    static constexpr const char* Denominator = "denominator";
    // Opens on a value in world units (1/24 inch): 1' 0 0/0 for a value of 0 or less.
    static DialogDescription Make(int initialWorld);
    // The value after O K, in world units.
    static int Value(const DialogDescription& d);
};

// Shows the entry and returns the distance in world units, or nothing when cancelled.
std::optional<int> AskFeetDistance(Ui& ui, int initialWorld);

} // namespace velmora
