// The BMP file of a DIB: the 14-byte file header, then the DIB's header, palette and rows as they are.
#pragma once

#include "output/dib.h"

#include <filesystem>
#include <string>

namespace velmora {

std::vector<std::uint8_t> EncodeBmp(const Dib& dib);
// Writes the file atomically: on failure the old file (if any) is untouched and error says why.
bool WriteBmpFile(const std::filesystem::path& path, const Dib& dib, std::string& error);

} // namespace velmora
