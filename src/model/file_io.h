// Whole-file reads and atomic writes: a file on disk is either the old one or the complete new one.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes a temporary file beside the target, flushes it to the disk and renames it over the target. On
// failure the target is untouched, the temporary file is removed and error says why.
bool WriteFileAtomic(const std::filesystem::path& path, std::string_view data, std::string& error);

} // namespace velmora
