// Whole-file reads and atomic writes: a file on disk is either the old one or the complete new one.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Reads stop at a limit, so a file that never ends (a link to /dev/zero) or a huge one cannot eat the memory.
// Far above any real drawing: a million objects take some 100 MB.
inline constexpr std::size_t DrawingReadLimit = std::size_t{1} << 30;
// The one-line settings files hold a few numbers and names.
inline constexpr std::size_t SettingsReadLimit = std::size_t{64} << 10;

// Why a read gave nothing: the file is not there, or it is there and is refused.
struct ReadFailure {
    bool Missing = false;
    std::string Reason; // "no such file", "is a FIFO, not a regular file", "is larger than 1024 MiB", ...
};

// The bytes of a regular file (a symbolic link to one is fine), or nothing when it is missing, is something
// else (a FIFO, device, directory or socket: refused at once, never waited on), holds more than limit bytes
// or cannot be read; failure, when given, says which.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         std::size_t limit = DrawingReadLimit,
                                         ReadFailure* failure = nullptr);

// Writes a temporary file (path + ".tmp" and six letters or digits) beside the target, flushes it to the disk
// and renames it over the target. A target that is a symbolic link is written through: the file it leads to
// is replaced, in its own folder, and the link stays. On failure the target is untouched, the temporary file
// is removed and error says why. Unflushed leaves the flush to the system: for scratch files whose readers
// check what they read (the undo snapshots carry a size and checksum), so a power cut costs a snapshot, never
// a drawing.
enum class WriteFlush { ToDisk, Unflushed };
bool WriteFileAtomic(const std::filesystem::path& path, std::string_view data, std::string& error,
                     WriteFlush flush = WriteFlush::ToDisk);

// Whether a file name is one WriteFileAtomic gives its temporary files: a name, ".tmp" and six letters or
// digits. Only a write cut short (a crash, a power cut) leaves one behind.
bool IsAtomicWriteTemporaryName(std::string_view name);

} // namespace velmora
