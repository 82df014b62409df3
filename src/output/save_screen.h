// "Save as BitMap..." and "Save as PNG file": the drawing window's picture, exactly as a full repaint
// leaves it, written to EXPORT/<name>.BMP or EXPORT/<name>.PNG.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

enum class PictureType { Bmp = 1, Png = 2 };

void CmBmpExecute(AppState& state, Ui& ui);
void CmPngExecute(AppState& state, Ui& ui);

// A picture's name follows the drawing names' rule, up to 30 characters: letters, digits and blanks, so a
// name can never reach outside EXPORT/. The message that refuses the name typed, or nothing.
std::optional<std::string> PictureNameRefusal(std::string_view tidyName);

inline constexpr const char* EmptyPictureName = "no file name was given";
inline constexpr const char* PictureNameTooLong = "file name too long";
inline constexpr const char* PictureNameLetters = "a file name may only have letters, digits and spaces";

} // namespace velmora
