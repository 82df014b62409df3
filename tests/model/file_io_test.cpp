// Whole-file reads and atomic writes, the two ends every drawing and settings file passes through.
#include "model/file_io.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

int FilesIn(const fs::path& dir) {
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir))
        ++files;
    return files;
}

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

TEST(FileIo, ReadWholeFileRefusesAtOnceWhatIsNoRegularFile) {
    const test::Watchdog watchdog(10);
    test::TempDir dir;
    ASSERT_EQ(::mkfifo((dir.Path / "fifo.BMS").c_str(), 0644), 0);
    fs::create_directory(dir.Path / "folder.BMS");
    fs::create_symlink("/dev/zero", dir.Path / "zero.BMS");
    fs::create_symlink("fifo.BMS", dir.Path / "link to fifo.BMS");
    test::WriteFile(dir.Path / "real.BMS", "drawing");
    fs::create_symlink("real.BMS", dir.Path / "link to real.BMS");
    const struct {
        const char* Name;
        const char* Reason; // "" when it reads
        bool Missing;
    } cases[] = {
        {"fifo.BMS", "is a FIFO, not a regular file", false},
        {"link to fifo.BMS", "is a FIFO, not a regular file", false},
        {"folder.BMS", "is a directory, not a regular file", false},
        {"zero.BMS", "is a device, not a regular file", false},
        {"missing.BMS", "no such file", true},
        {"real.BMS", "", false},
        {"link to real.BMS", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ReadFailure failure;
        const auto read = ReadWholeFile(dir.Path / c.Name, DrawingReadLimit, &failure);
        EXPECT_EQ(read.value_or(""), *c.Reason ? "" : "drawing");
        EXPECT_EQ(failure.Reason, c.Reason);
        EXPECT_EQ(failure.Missing, c.Missing);
    }
}

TEST(FileIo, ReadWholeFileStopsAtItsLimit) {
    test::TempDir dir;
    const fs::path file = dir.Path / "f.CFG";
    test::WriteFile(file, std::string(4096, 'x'));
    EXPECT_EQ(ReadWholeFile(file, 4096).value_or("").size(), 4096u);
    ReadFailure failure;
    EXPECT_FALSE(ReadWholeFile(file, 4095, &failure));
    EXPECT_EQ(failure.Reason, "is larger than 4095 bytes");
    EXPECT_FALSE(failure.Missing);
    // A regular file whose size says nothing about what it holds: read to its end, and no further.
    ASSERT_TRUE(fs::exists("/proc/self/status"));
    EXPECT_TRUE(ReadWholeFile("/proc/self/status", SettingsReadLimit).has_value());
    EXPECT_FALSE(ReadWholeFile("/proc/self/status", 16, &failure));
    EXPECT_EQ(failure.Reason, "is larger than 16 bytes");
}

TEST(FileIo, AtomicWriteReplacesTheFileAndLeavesNoTemporaryBehind) {
    test::TempDir dir;
    const auto path = dir.Path / "A.BMS";
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(path, "old", error)) << error;
    ASSERT_TRUE(WriteFileAtomic(path, "new contents", error)) << error;
    EXPECT_EQ(test::ReadFile(path), "new contents");
    EXPECT_EQ(FilesIn(dir.Path), 1);
    // Private while it is a temporary file, an ordinary file once it has its name.
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, static_cast<fs::perms>(0644));
}

// A drawing kept elsewhere and linked into the drawings folder stays linked: the file the link leads to is
// replaced, in its own folder, and the link is left as it was.
TEST(FileIo, AtomicWriteGoesThroughSymbolicLinks) {
    test::TempDir dir;
    const fs::path drawings = dir.Path / "DWGS", elsewhere = dir.Path / "shared";
    fs::create_directories(drawings);
    fs::create_directories(elsewhere / "deeper");
    const fs::path target = elsewhere / "deeper" / "House.BMS";
    test::WriteFile(target, "old");
    const struct {
        const char* Why;
        fs::path LinkTo; // what DWGS/House.BMS points at
    } cases[] = {
        {"absolute link", target},
        {"relative link", fs::path("..") / "shared" / "deeper" / "House.BMS"},
        {"link to a link", elsewhere / "alias.BMS"},
    };
    fs::create_symlink(fs::path("deeper") / "House.BMS", elsewhere / "alias.BMS");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        const fs::path link = drawings / "House.BMS";
        fs::remove(link);
        fs::create_symlink(c.LinkTo, link);
        std::string error;
        ASSERT_TRUE(WriteFileAtomic(link, c.Why, error)) << error;
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(fs::read_symlink(link), c.LinkTo);
        EXPECT_EQ(test::ReadFile(target), c.Why);
        EXPECT_EQ(FilesIn(drawings), 1) << "no temporary file beside the link";
        EXPECT_EQ(FilesIn(elsewhere / "deeper"), 1) << "none beside the target";
    }

    // A link to nothing yet makes the file it names; a loop of links is refused with a reason.
    fs::create_symlink(elsewhere / "deeper" / "New.BMS", drawings / "New.BMS");
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(drawings / "New.BMS", "new", error)) << error;
    EXPECT_EQ(test::ReadFile(elsewhere / "deeper" / "New.BMS"), "new");
    fs::create_symlink("Loop2.BMS", drawings / "Loop1.BMS");
    fs::create_symlink("Loop1.BMS", drawings / "Loop2.BMS");
    EXPECT_FALSE(WriteFileAtomic(drawings / "Loop1.BMS", "x", error));
    EXPECT_NE(error.find("too many levels of symbolic links"), std::string::npos) << error;
}

TEST(FileIo, TemporaryNamesAreExactlyThoseOfTheAtomicWrite) {
    const struct {
        const char* Name;
        bool Temporary;
    } cases[] = {
        {"House.BMS.tmpA1b2C3", true},   {"LASTFILES.CFG.tmpzzzzzz", true},
        {"Action3.tmp.tmp000000", true}, {".tmpA1b2C3", false},
        {"House.BMS.tmpA1b2C", false},   {"House.BMS.tmpA1b2C34", false},
        {"House.BMS.tmpA1-2C3", false},  {"House.BMS", false},
        {"Action3.tmp", false},          {"House.BMS.TMPA1b2C3", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAtomicWriteTemporaryName(c.Name), c.Temporary) << c.Name;
}

TEST(FileIo, AtomicWriteIntoAMissingFolderFailsWithAReason) {
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(WriteFileAtomic(dir.Path / "no-such-folder" / "A.BMS", "x", error));
    EXPECT_NE(error.find("no-such-folder"), std::string::npos) << error;
}

} // namespace
} // namespace velmora
