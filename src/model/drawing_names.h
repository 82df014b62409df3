// Drawing names. A name becomes a file name below DWGS/ (and WDS/), so a name that creates a file is held to
// what the user is told: 1 to 24 letters, digits and blanks, no blanks at either end. Nothing else ever
// reaches a file path through a name typed in a dialog.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::size_t MaxDrawingNameLength = 24;

// The name as typed with the blanks at both ends removed.
std::string TidyDrawingName(std::string_view typed);

// 1 to 24 ASCII letters, digits and blanks, beginning and ending with a letter or digit.
bool IsValidDrawingName(std::string_view name);

} // namespace velmora
