// Small helpers shared by the test programs: a temporary folder that removes itself, whole-file reads and
// writes, and the path of a fixture.
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

} // namespace velmora::test
