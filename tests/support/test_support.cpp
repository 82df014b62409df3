#include "support/test_support.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace velmora::test {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    Path = std::filesystem::temp_directory_path() / ("velmora-test-" + std::to_string(::getpid()) + "-" +
                                                     std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(Path);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(Path, ec);
}

std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::filesystem::path& p, std::string_view data) {
    std::ofstream out(p, std::ios::binary);
    out << data;
}

std::filesystem::path Fixture(const std::string& name) {
    return std::filesystem::path(VELMORA_FIXTURES) / name;
}

Watchdog::Watchdog(unsigned seconds) {
    ::alarm(seconds);
}
Watchdog::~Watchdog() {
    ::alarm(0);
}

} // namespace velmora::test
