// The start-up sweep of saves cut short: the program's own temporary files go, and nothing else does.
#include "app/leftover_files.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

TEST(LeftoverFiles, OnlyTheProgramsOwnTemporaryFilesInItsFoldersAreRemoved) {
    test::TempDir home;
    for (const char* folder : {"DWGS", "CFG", "ACT", "DWGS/mine"})
        fs::create_directories(home.Path / folder);
    test::WriteFile(home.Path / "DWGS" / "House.BMS", "the drawing");
    const struct {
        const char* Path;
        unsigned Mode;
        bool Removed;
    } cases[] = {
        {"DWGS/House.BMS.tmpA1b2C3", 0600, true},    // a save of the drawing cut short
        {"DWGS/Gone.BMS.tmpzzzzzz", 0600, true},     // the first save of a drawing that never was
        {"CFG/LASTFILES.CFG.tmp0a0a0a", 0600, true}, // a settings file
        {"ACT/Action0.tmp.tmpQwErTy", 0600, true},   // an undo snapshot
        {"DWGS/Copy.BMS.tmpA1b2C3", 0644, false},    // opened up: a finished file, the user's copy
        {"DWGS/House.BMS.tmpA1b2C", 0600, false},    // not the pattern
        {"DWGS/notes.tmp", 0600, false},
        {"DWGS/mine/House.BMS.tmpA1b2C3", 0600, false}, // a folder of the user's
        {"House.BMS.tmpA1b2C3", 0600, false},           // beside the folders, not in them
    };
    for (const auto& c : cases) {
        test::WriteFile(home.Path / c.Path, "partial");
        fs::permissions(home.Path / c.Path, static_cast<fs::perms>(c.Mode));
    }
    // A link named like a leftover is not a file of ours, and what it leads to is never touched.
    fs::create_symlink(home.Path / "DWGS" / "House.BMS", home.Path / "DWGS" / "Link.BMS.tmpabcdef");

    EXPECT_EQ(RemoveInterruptedSaves(home.Path), 4);
    for (const auto& c : cases)
        EXPECT_EQ(fs::exists(home.Path / c.Path), !c.Removed) << c.Path;
    EXPECT_TRUE(fs::is_symlink(home.Path / "DWGS" / "Link.BMS.tmpabcdef"));
    EXPECT_EQ(test::ReadFile(home.Path / "DWGS" / "House.BMS"), "the drawing");

    // A home without the folders is nothing to sweep.
    test::TempDir empty;
    EXPECT_EQ(RemoveInterruptedSaves(empty.Path / "nowhere"), 0);
}

} // namespace
} // namespace velmora
