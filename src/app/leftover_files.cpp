#include "app/leftover_files.h"

#include "model/file_io.h"

#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace fs = std::filesystem;

namespace {

bool IsLeftoverOfOurs(const fs::path& file) {
    if (!IsAtomicWriteTemporaryName(file.filename().string())) return false;
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0) return false;
    return S_ISREG(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 07777) == 0600;
}

} // namespace

int RemoveInterruptedSaves(const fs::path& home) {
    int removed = 0;
    for (const char* folder : {"DWGS", "WDS", "CFG", "ACT", "LIBS", "EXPORT"}) {
        std::error_code ec;
        for (fs::directory_iterator it(home / folder, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code gone;
            if (IsLeftoverOfOurs(it->path()) && fs::remove(it->path(), gone)) ++removed;
        }
    }
    return removed;
}

} // namespace velmora
