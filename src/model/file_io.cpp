#include "model/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace fs = std::filesystem;

namespace {

// Closes the descriptor on every way out of a read.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : Fd(fd) {}
    ~FileDescriptor() {
        if (Fd >= 0) ::close(Fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return Fd; }

private:
    int Fd;
};

const char* KindOfNonRegular(mode_t mode) {
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a file";
}

std::string SizeText(std::size_t bytes) {
    constexpr std::size_t KiB = 1024, MiB = KiB * KiB;
    if (bytes >= MiB && bytes % MiB == 0) return std::to_string(bytes / MiB) + " MiB";
    if (bytes >= KiB && bytes % KiB == 0) return std::to_string(bytes / KiB) + " KiB";
    return std::to_string(bytes) + " bytes";
}

std::nullopt_t Fail(ReadFailure* failure, bool missing, std::string reason) {
    if (failure) *failure = {missing, std::move(reason)};
    return std::nullopt;
}

std::nullopt_t TooLarge(ReadFailure* failure, std::size_t limit) {
    return Fail(failure, false, "is larger than " + SizeText(limit));
}

} // namespace

std::optional<std::string> ReadWholeFile(const fs::path& path, std::size_t limit, ReadFailure* failure) {
    // Without O_NONBLOCK opening a FIFO waits for a writer, for ever; the type is checked on what was opened,
    // so nothing can be swapped in between a check and the open.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.Get() < 0) {
        const int e = errno;
        if (e == ENOENT || e == ENOTDIR) return Fail(failure, true, "no such file");
        return Fail(failure, false, std::string("cannot be read: ") + std::strerror(e));
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0)
        return Fail(failure, false, std::string("cannot be read: ") + std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return Fail(failure, false,
                    std::string("is ") + KindOfNonRegular(st.st_mode) + ", not a regular file");
    if (st.st_size > 0 && static_cast<std::uintmax_t>(st.st_size) > limit) return TooLarge(failure, limit);
    // Sized from the file up front: a large drawing then lands in one buffer by one copy, instead of being
    // copied again at every doubling. One byte to spare sees the end without a second round; a file that
    // grows meanwhile still reads whole, up to the limit. (O_NONBLOCK changes nothing for a regular file.)
    const std::size_t first =
        st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : std::size_t{1} << 16;
    std::string data(std::min(first, limit + 1), '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == data.size()) {
            if (used > limit) return TooLarge(failure, limit);
            data.resize(std::min(data.size() * 2, limit + 1));
        }
        const ssize_t n = ::read(fd.Get(), data.data() + used, data.size() - used);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Fail(failure, false, std::string("cannot be read: ") + std::strerror(errno));
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    if (used > limit) return TooLarge(failure, limit);
    data.resize(used);
    return data;
}

namespace {

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a path names once the symbolic links of its last part are followed. Renaming over the link itself
// would replace the link with a plain file and leave the file it led to behind, unchanged.
std::optional<fs::path> FollowLinks(const fs::path& path, std::string& error) {
    constexpr int MaxLinks = 40; // as the system itself allows
    fs::path p = path;
    for (int i = 0; i < MaxLinks; ++i) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) {
            error = "cannot follow the link " + p.string() + ": " + ec.message();
            return std::nullopt;
        }
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    error = "cannot write " + path.string() + ": too many levels of symbolic links";
    return std::nullopt;
}

bool IsMkstempLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

constexpr std::string_view TemporarySuffix = ".tmp";
constexpr std::size_t TemporaryLetters = 6;

} // namespace

bool WriteFileAtomic(const fs::path& path, std::string_view data, std::string& error, WriteFlush flush) {
    const std::optional<fs::path> target = FollowLinks(path, error);
    if (!target) return false;
    std::string tmp = target->string() + std::string(TemporarySuffix) + std::string(TemporaryLetters, 'X');
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) {
        error = "cannot create a file beside " + target->string() + ": " + std::strerror(errno);
        return false;
    }
    bool ok = WriteAll(fd, data) && (flush == WriteFlush::Unflushed || ::fsync(fd) == 0);
    const int savedErrno = errno;
    ok = (::close(fd) == 0) && ok;
    if (!ok || ::rename(tmp.c_str(), target->c_str()) != 0) {
        error = "cannot write " + target->string() + ": " + std::strerror(ok ? errno : savedErrno);
        ::unlink(tmp.c_str());
        return false;
    }
    // mkstemp makes the file private; drawings are ordinary files. Opened up only once it has its name, so
    // a temporary file is private for as long as it exists, which is how the start-up sweep knows one.
    ::chmod(target->c_str(), 0644);
    return true;
}

std::optional<FileIdentity> IdentityOf(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    const auto ns = [](const timespec& t) { return std::int64_t{t.tv_sec} * 1000000000 + t.tv_nsec; };
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                        static_cast<std::uint64_t>(st.st_size), ns(st.st_mtim)};
}

bool LinkFileOver(const fs::path& existing, const fs::path& link, std::string& error) {
    if (::unlink(link.c_str()) != 0 && errno != ENOENT) {
        error = "cannot replace " + link.string() + ": " + std::strerror(errno);
        return false;
    }
    // Following a symbolic link names the drawing's own bytes, not the link.
    if (::linkat(AT_FDCWD, existing.c_str(), AT_FDCWD, link.c_str(), AT_SYMLINK_FOLLOW) != 0) {
        error = "cannot link " + link.string() + " to " + existing.string() + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool IsAtomicWriteTemporaryName(std::string_view name) {
    constexpr std::size_t tail = TemporarySuffix.size() + TemporaryLetters;
    if (name.size() <= tail) return false;
    const std::string_view end = name.substr(name.size() - tail);
    if (end.substr(0, TemporarySuffix.size()) != TemporarySuffix) return false;
    for (char c : end.substr(TemporarySuffix.size()))
        if (!IsMkstempLetter(c)) return false;
    return true;
}

} // namespace velmora
