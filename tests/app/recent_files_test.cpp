// The recent-file list: AddRecent and PromoteRecent as tables of before and after, and LASTFILES.CFG with
// names that hold blanks.
#include "app/recent_files.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

TEST(RecentFiles, AddRecentMovesTheListAsTheRulesSay) {
    struct Case {
        const char* Why;
        RecentList Before;
        const char* Left;
        const char* Open;
        int Mode;
        RecentList After;
    };
    const Case cases[] = {
        // Leaving a drawing for another: the one opened is dropped wherever it stood, the one left on top.
        {"opened was entry 1", {"C", "B", "D", "E"}, "A", "C", RecentLeaving, {"A", "B", "D", "E"}},
        {"opened was entry 2", {"B", "C", "D", "E"}, "A", "C", RecentLeaving, {"A", "B", "D", "E"}},
        {"opened was entry 3", {"B", "D", "C", "E"}, "A", "C", RecentLeaving, {"A", "B", "D", "E"}},
        {"opened was entry 4", {"B", "D", "E", "C"}, "A", "C", RecentLeaving, {"A", "B", "D", "E"}},
        {"opened was not listed", {"B", "D", "E", "F"}, "A", "C", RecentLeaving, {"A", "B", "D", "E"}},
        {"into an empty list", {"", "", "", ""}, "A", "C", RecentLeaving, {"A", "", "", ""}},
        {"repeated first entry dropped first",
         {"B", "B", "D", "E"},
         "A",
         "C",
         RecentLeaving,
         {"A", "B", "D", "E"}},
        {"exit: the open drawing goes on top",
         {"B", "D", "E", "F"},
         "A",
         "A",
         RecentLeaving,
         {"A", "B", "D", "E"}},
        {"example drawings never enter",
         {"B", "B", "D", "E"},
         "wizextm",
         "C",
         RecentLeaving,
         {"B", "B", "D", "E"}},
        {"no example drawing at all",
         {"B", "D", "E", "F"},
         "wizdrmft",
         "B",
         RecentNoneOpen,
         {"B", "D", "E", "F"}},
        // No drawing was open: empty places fill from below, then the opened one leaves; entry 4 stays.
        {"none open, opened was entry 1",
         {"C", "B", "D", "E"},
         "",
         "C",
         RecentNoneOpen,
         {"B", "D", "E", "E"}},
        {"none open, opened was entry 2",
         {"B", "C", "D", "E"},
         "",
         "C",
         RecentNoneOpen,
         {"B", "D", "E", "E"}},
        {"none open, opened was entry 3",
         {"B", "D", "C", "E"},
         "",
         "C",
         RecentNoneOpen,
         {"B", "D", "E", "E"}},
        {"none open, opened was entry 4",
         {"B", "D", "E", "C"},
         "",
         "C",
         RecentNoneOpen,
         {"B", "D", "E", "C"}},
        {"none open, the only entry", {"C", "", "", ""}, "", "C", RecentNoneOpen, {"", "", "", ""}},
        {"none open, gaps filled", {"", "B", "", "D"}, "", "C", RecentNoneOpen, {"B", "D", "D", "D"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        RecentList list = c.Before;
        AddRecent(list, c.Left, c.Open, c.Mode);
        EXPECT_EQ(list, c.After);
    }
}

TEST(RecentFiles, PromoteRecentMovesTheEntryToTheTop) {
    const struct {
        int N;
        RecentList After;
        const char* Name;
    } cases[] = {
        {1, {"A", "B", "C", "D"}, "A"},
        {2, {"B", "A", "C", "D"}, "B"},
        {3, {"C", "A", "B", "D"}, "C"},
        {4, {"D", "A", "B", "C"}, "D"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.N);
        RecentList list{"A", "B", "C", "D"};
        EXPECT_EQ(PromoteRecent(list, c.N), c.Name);
        EXPECT_EQ(list, c.After);
    }
}

TEST(RecentFiles, FileHoldsLengthsThenNamesAndReadsBackNamesWithBlanks) {
    test::TempDir home;
    std::filesystem::create_directories(home.Path / "CFG");
    const RecentList list{"Sample House", "B", "", "Smith  Road 2"};
    std::string error;
    ASSERT_TRUE(WriteRecentFiles(home.Path, list, error)) << error;
    EXPECT_EQ(test::ReadFile(home.Path / "CFG" / "LASTFILES.CFG"), "12 1 0 13 Sample HouseBSmith  Road 2");
    EXPECT_EQ(ReadRecentFiles(home.Path), list);

    std::filesystem::remove(home.Path / "CFG" / "LASTFILES.CFG");
    EXPECT_EQ(ReadRecentFiles(home.Path), RecentList{});
}

// Each menu item opens its own entry, so an empty entry keeps its place instead of letting the next one
// slide under the wrong item.
TEST(RecentFiles, MenuShowsTheFirstThreeEntriesInPlace) {
    std::ostringstream out;
    ScriptedUi ui(out);
    ShowRecentFiles(ui, {"", "B", "C", "D"});
    EXPECT_EQ(ui.RecentFiles(), (std::vector<std::string>{"", "B", "C"}));
    ShowRecentFiles(ui, {"A", "", "", "D"});
    EXPECT_EQ(ui.RecentFiles(), (std::vector<std::string>{"A"}));
}

} // namespace
} // namespace velmora
