// Whole-file reads and atomic writes, the two ends every drawing and settings file passes through.
#include "model/file_io.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(FileIo, ReadWholeFileReturnsEveryByte) {
    test::TempDir dir;
    std::string binary(256, '\0');
    for (int i = 0; i < 256; ++i)
        binary[i] = static_cast<char>(i);
    std::string big;
    for (int i = 0; big.size() < 3'000'000; ++i)
        big += std::to_string(i) + " \r\n";
    const struct {
        const char* Name;
        std::string Data;
    } cases[] = {{"empty", ""}, {"one byte", "x"}, {"every byte value", binary}, {"three megabytes", big}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto path = dir.Path / "f.txt";
        test::WriteFile(path, c.Data);
        const auto read = ReadWholeFile(path);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->size(), c.Data.size());
        EXPECT_TRUE(*read == c.Data);
    }
}

TEST(FileIo, ReadWholeFileGivesNothingForAMissingFileOrAFolder) {
    test::TempDir dir;
    EXPECT_FALSE(ReadWholeFile(dir.Path / "missing.BMS").has_value());
    EXPECT_FALSE(ReadWholeFile(dir.Path).has_value());
}

TEST(FileIo, AtomicWriteReplacesTheFileAndLeavesNoTemporaryBehind) {
    test::TempDir dir;
    const auto path = dir.Path / "A.BMS";
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(path, "old", error)) << error;
    ASSERT_TRUE(WriteFileAtomic(path, "new contents", error)) << error;
    EXPECT_EQ(test::ReadFile(path), "new contents");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(FileIo, AtomicWriteIntoAMissingFolderFailsWithAReason) {
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(WriteFileAtomic(dir.Path / "no-such-folder" / "A.BMS", "x", error));
    EXPECT_NE(error.find("no-such-folder"), std::string::npos) << error;
}

} // namespace
} // namespace velmora
