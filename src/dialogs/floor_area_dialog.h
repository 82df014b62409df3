// The floor area dialog (TTAreadlg): the stored area of every floor and their total, for reading only.
#pragma once

#include "dialogs/dialog.h"

#include <array>
#include <string>

namespace velmora {

struct TTAreadlg {
    static constexpr const char* Caption = "floor area";
    static constexpr const char* Ground = "ground floor area";
    static constexpr const char* First = "first floor area";
    static constexpr const char* Second = "second floor area";
    static constexpr const char* Third = "third floor area";
    static constexpr const char* Basement = "sub floor / basement";
    static constexpr const char* Total = "TOTAL floor area";

    // "%ld sq. metres" (metric) or "%ld sq. ft" (imperial).
    static std::string AreaText(long area, int metricFlag);
    // areas: ground, first, second, third, basement; the total is their sum.
    static DialogDescription Make(const std::array<long, 5>& areas, int metricFlag);
};

} // namespace velmora
