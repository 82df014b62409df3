// Whole-file reads and atomic writes: a file on disk is either the old one or the complete new one.
#pragma once

#include <cstddef>
#include <cstdint>
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

// Which file a name leads to, and when its bytes were last written: two looks give the same identity only
// when the name still leads to the same file and nothing wrote to it in between (a new name for the file, a
// link, leaves it as it was). Symbolic links are followed.
struct FileIdentity {
    std::uint64_t Device = 0, Inode = 0, Size = 0;
    std::int64_t ModifiedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& path);

// Gives the file that existing leads to a second name, link, in place of whatever link named before; both
// names then lead to the same bytes. Only for files that are never written in place (WriteFileAtomic replaces
// a file, it never changes one). False, with error saying why, when the system refuses (another file system,
// one without links); link is then gone.
bool LinkFileOver(const std::filesystem::path& existing, const std::filesystem::path& link,
                  std::string& error);

// Whether a file name is one WriteFileAtomic gives its temporary files: a name, ".tmp" and six letters or
// digits. Only a write cut short (a crash, a power cut) leaves one behind.
bool IsAtomicWriteTemporaryName(std::string_view name);

} // namespace velmora
