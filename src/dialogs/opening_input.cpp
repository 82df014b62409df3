#include "dialogs/opening_input.h"

#include "view/units.h"

namespace velmora {

int TypedLength(std::string_view text, int metricFlag) {
    const int v = ReadNumberOrZero(text);
    if (metricFlag == 1) return v;
    // Beyond this the product would not fit; every range checked is far below it.
    if (v > 1000000 || v < -1000000) return v > 0 ? 24000000 : -24000000;
    return v * 24;
}

std::string ShownLength(int world, int metricFlag) {
    return std::to_string(metricFlag == 1 ? world : world / 24);
}

std::string OpeningRangeText(int lo, int hi, int metricFlag, bool mmDot) {
    if (metricFlag == 1) return std::to_string(lo) + " - " + std::to_string(hi) + (mmDot ? " mm." : " mm");
    const int first = (lo + 23) / 24, last = hi / 24;
    return std::to_string(first) + " - " + std::to_string(last) + " inches";
}

std::string IncorrectInput(const std::string& item, int lo, int hi, int metricFlag) {
    return item + " input is incorrect\n" + OpeningRangeText(lo, hi, metricFlag);
}

} // namespace velmora
