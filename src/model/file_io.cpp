#include "model/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    // Sized from the file up front: a large drawing then lands in one buffer by one copy, instead of being
    // copied again at every doubling (and every new page touched twice). One byte to spare sees the end
    // without a second round; a file that grows meanwhile still reads whole.
    struct stat st {};
    const bool sized = ::fstat(fd, &st) == 0 && st.st_size > 0;
    std::string data(sized ? static_cast<std::size_t>(st.st_size) + 1 : std::size_t{1} << 16, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == data.size()) data.resize(data.size() * 2);
        const ssize_t n = ::read(fd, data.data() + used, data.size() - used);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
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

} // namespace

bool WriteFileAtomic(const std::filesystem::path& path, std::string_view data, std::string& error) {
    std::string tmp = path.string() + ".tmpXXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) {
        error = "cannot create a file beside " + path.string() + ": " + std::strerror(errno);
        return false;
    }
    bool ok = WriteAll(fd, data) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    ok = (::close(fd) == 0) && ok;
    if (ok) ::chmod(tmp.c_str(), 0644); // mkstemp makes it private; drawings are ordinary files
    if (!ok || ::rename(tmp.c_str(), path.c_str()) != 0) {
        error = "cannot write " + path.string() + ": " + std::strerror(ok ? errno : savedErrno);
        ::unlink(tmp.c_str());
        return false;
    }
    return true;
}

} // namespace velmora
