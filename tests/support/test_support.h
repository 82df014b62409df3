// Small helpers shared by the test programs: a temporary folder that removes itself, whole-file reads and
// writes, the path of a fixture and a watchdog against hangs.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora::test {

struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::filesystem::path Path;
};

std::string ReadFile(const std::filesystem::path& p);
void WriteFile(const std::filesystem::path& p, std::string_view data);
std::filesystem::path Fixture(const std::string& name);

// Ends the test program with SIGALRM when it is still alive after the given seconds: a read or a child
// process that waits for ever fails the run instead of hanging it.
class Watchdog {
public:
    explicit Watchdog(unsigned seconds);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
};

} // namespace velmora::test
