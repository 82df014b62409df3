// The external-wall tool in a drawing window without a screen: walls by arrow key with one undo snapshot
// each, completion decided by the closed outline, and the set-up's cancel.
#include "building/external_wall_setup.h"
#include "building/external_wall_tool.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmora {
namespace {

using test::WindowFixture;

// World (x, y) is pixel (x / 5 + 100, 900 - y / 5) in a 1000 x 1000 window.
struct WallFixture : WindowFixture {
    WallFixture() : WindowFixture({1000, 1000}) {
        std::filesystem::create_directories(Home.Path / "ACT");
        Cfg("EXTWALLM.CFG", "100 0 0 0 2700 5400 8100 -2700 0 0 0 0 0 0");
    }
    void Begin() {
        Open();
        UnitFrame(-100, -100);
        InstallTool(S, Ui, ModeExtWall);
        Walls().SetInnerSide(1);
    }
    TExtwallobjtool& Walls() { return dynamic_cast<TExtwallobjtool&>(*S.CurrentTool); }
    void EnterAt(int x, int y) {
        Ui.SetCursorPos({x / 5 + 100, 900 - y / 5});
        Window->OnKeyDown(KeyEvent{Key::Enter});
    }
    void Arrow(Key k, int length) {
        Ui.Queue(ScriptAnswer::ForInput(std::to_string(length)));
        Window->OnKeyDown(KeyEvent{k});
    }
    int WallCount() const {
        int n = 0;
        for (int i = FloorRecordCount; i < S.DrawingObjects.ObjectCount(); ++i)
            if (S.DrawingObjects.At(i)->Kind == 100) ++n;
        return n;
    }
    int Snapshots() const {
        int n = 0;
        for (int v : S.ViewHistory)
            if (v != 0) ++n;
        return n;
    }
};

TEST(ExternalWallTool, EachWallIsOneUndoStepAndARefusedOneNone) {
    WallFixture f;
    f.Begin();
    f.EnterAt(2000, 3000);
    f.Arrow(Key::Right, 3000);
    f.Arrow(Key::Down, 2000);
    EXPECT_EQ(f.WallCount(), 2);
    EXPECT_EQ(f.Snapshots(), 2);
    f.Arrow(Key::Left, 4950);
    EXPECT_EQ(f.Snapshots(), 3);
    // Down from (50, 1000): the inner line would lie left of x 10, where points count as unset.
    f.Arrow(Key::Down, 500);
    EXPECT_EQ(f.WallCount(), 3);
    EXPECT_EQ(f.Snapshots(), 3) << "no snapshot for a wall that was not made";
    EXPECT_EQ(f.S.CurrentTool->Mode, ModeExtWall);
}

// A floor that already holds a closed outline: a new run's walls leave an open chain, so the floor is not
// complete until the new run is closed too.
TEST(ExternalWallTool, AFloorIsCompleteOnlyWhenEveryRunIsClosed) {
    WallFixture f;
    const int l = 1000, b = 6000, r = 3000, t = 8000;
    f.AddExtwall(ViewGround, l, t, r, t);
    f.AddExtwall(ViewGround, r, t, r, b);
    f.AddExtwall(ViewGround, r, b, l, b);
    f.AddExtwall(ViewGround, l, b, l, t);
    f.Begin();
    f.EnterAt(5000, 4000);
    f.Arrow(Key::Right, 2000);
    f.Arrow(Key::Down, 2000);
    f.Arrow(Key::Left, 2000);
    EXPECT_EQ(f.S.CurrentTool->Mode, ModeExtWall) << "three walls of an open run do not complete the floor";
    f.Window->OnKeyDown(KeyEvent{Key::Character, 'F'});
    EXPECT_EQ(f.WallCount(), 8);
    EXPECT_EQ(f.S.CurrentTool->Mode, ModePick);
    EXPECT_EQ(f.Ui.Panel(2), " select");
}

// The length offered for the next wall reaches the nearest wall ahead, so a run closes onto its first wall
// with the default; with no wall ahead the length typed last is offered.
TEST(ExternalWallTool, TheLengthOfferedReachesTheWallAhead) {
    WallFixture f;
    f.Begin();
    f.EnterAt(2000, 3000);
    f.Arrow(Key::Right, 3000);
    f.Arrow(Key::Down, 2000);
    f.Arrow(Key::Left, 3000);
    const auto offered = [&f] {
        const std::string t = f.Transcript.str();
        const std::size_t open = t.rfind("[input \"EXTERNAL WALL\"]");
        const std::size_t from = t.find(" [", open + 1) + 2;
        return t.substr(from, t.find(']', from) - from);
    };
    EXPECT_EQ(offered(), "2000") << "nothing ahead to the left: the last length typed";
    f.Ui.Queue(ScriptAnswer::ForInput("2000"));
    f.Window->OnKeyDown(KeyEvent{Key::Up});
    EXPECT_EQ(offered(), "2000") << "up to the first wall, not the 3000 typed last";
    EXPECT_EQ(f.WallCount(), 4);
}

TEST(ExternalWallTool, ACancelledSetUpLeavesThePickTool) {
    struct Case {
        const char* Why;
        std::vector<ScriptAnswer> Answers;
    };
    const Case cases[] = {
        {"wall type", {ScriptAnswer::ForDialog("external wall type", {"Cancel"})}},
        {"custom sizes",
         {ScriptAnswer::ForDialog("external wall type", {"custom wall - your sizes", "OK"}),
          ScriptAnswer::ForDialog("|GUIDE: Custom wall details", {"Cancel"})}},
        {"inner side",
         {ScriptAnswer::ForDialog("external wall type", {"OK"}),
          ScriptAnswer::ForDialog("secondary wall lines", {"Cancel"})}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        WallFixture f;
        f.Begin();
        const std::string settings = f.ReadCfg("EXTWALLM.CFG");
        for (const ScriptAnswer& a : c.Answers)
            f.Ui.Queue(a);
        EXPECT_FALSE(StartExternalWalls(f.S, f.Ui, f.Walls()));
        EXPECT_EQ(f.S.CurrentTool->Mode, ModePick);
        EXPECT_EQ(f.ReadCfg("EXTWALLM.CFG"), settings) << "nothing chosen, nothing written";
        EXPECT_EQ(f.Ui.Failure(), "");
    }
}

// The custom sizes become the type of the next wall, and a type that leaves no outer leaf is refused while
// the dialog stays open.
TEST(ExternalWallTool, CustomSizesAreCheckedThenUsed) {
    WallFixture f;
    f.Begin();
    f.Ui.Queue(ScriptAnswer::ForDialog("external wall type", {"custom wall - your sizes", "OK"}));
    f.Ui.Queue(ScriptAnswer::ForDialog("|GUIDE: Custom wall details",
                                       {"TOTAL thickness of external wall=100", "cavity width -  if any=50",
                                        "inner wall thickness if a cavity wall=80", "OK"}));
    f.Ui.Queue(ScriptAnswer::ForDialog("|GUIDE: Custom wall details",
                                       {"TOTAL thickness of external wall=300", "OK"}));
    f.Ui.Queue(ScriptAnswer::ForDialog("secondary wall lines", {"OK"}));
    ASSERT_TRUE(StartExternalWalls(f.S, f.Ui, f.Walls()));
    EXPECT_NE(f.Transcript.str().find("total thickness input is incorrect"), std::string::npos);
    EXPECT_EQ(f.ReadCfg("CUST.CFG"), "300 50 80");
    f.EnterAt(2000, 3000);
    f.Arrow(Key::Right, 3000);
    const auto& w = static_cast<const TExtwallobj&>(*f.S.DrawingObjects.At(FloorRecordCount));
    EXPECT_EQ((std::array<int, 3>{w.Leaf1, w.Cavity, w.Leaf2}), (std::array<int, 3>{170, 50, 80}));
    EXPECT_EQ(w.Face3Y1, 3000 - 300);
}

} // namespace
} // namespace velmora
