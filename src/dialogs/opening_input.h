// What the window and door dialogs share: lengths typed in millimetres or in whole inches, and the range
// messages, which always state the range the check really applies.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// A typed length in world units: millimetres as typed, whole inches times 24.
int TypedLength(std::string_view text, int metricFlag);
// A length in world units as the dialogs show it: millimetres, or whole inches.
std::string ShownLength(int world, int metricFlag);
// "lo - hi mm." or, in whole inches, the inches that fall inside lo..hi world units: "5 - 375 inches".
std::string OpeningRangeText(int lo, int hi, int metricFlag, bool mmDot = true);
// item + " input is incorrect\n" + the range.
std::string IncorrectInput(const std::string& item, int lo, int hi, int metricFlag);

} // namespace velmora
