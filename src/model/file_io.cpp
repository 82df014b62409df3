#include "model/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::string data;
    char buf[1 << 16];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return std::nullopt;
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
