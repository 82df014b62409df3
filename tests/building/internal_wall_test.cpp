// The internal-wall tool driven through the drawing window as a user presses the keys, against a house of
// external walls built as objects (outer corners (1000, 1000) and (4500, 4500), solid 230 mm, so the inner
// faces lie at x 1230 and 4270, y 1230 and 4270). Every result is read back from the saved drawing file.
#include "building/internal_wall_fixture.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::InwallFixture;
using test::LinesOf;
using test::WallLines;

constexpr int None = -1;

struct HouseFixture : InwallFixture {
    HouseFixture() {
        Start();
        // Added after the window opened, so the opening's centring does not move the house.
        AddHouse(1000, 1000, 4500, 4500, 230);
        SaveDrawing(S, ModeWorking);
    }
};

std::vector<WallLines> Lines(const std::vector<TInwallobj>& walls) {
    std::vector<WallLines> out;
    for (const auto& w : walls)
        out.push_back(LinesOf(w));
    return out;
}

WallLines StopEnd(int kind, Point a, Point b, int angle, int t = 100, int startJoin = None,
                  int endJoin = None) {
    return {kind, a, b, {0, 0}, {0, 0}, angle, startJoin, endJoin, t};
}

// A wall from the top wall's inner face down to the bottom wall's inner face is a T-junction at both ends:
// the join bearings name the walls it meets, and neither end gets a stop end, Escape included. A start a
// little off the face (inside the 30 mm of the start test) is put onto it and gets the same wall; one
// further off is a free start with a stop end.
TEST(InternalWall, FromOneExternalWallToAnotherJoinsBothFaces) {
    struct Case {
        int StartY;
        std::vector<WallLines> Want;
    } cases[] = {
        {4270, {{150, {2500, 4270}, {2500, 1230}, {2400, 4270}, {2400, 1230}, 1800, 900, 2700, 100}}},
        {4250, {{150, {2500, 4270}, {2500, 1230}, {2400, 4270}, {2400, 1230}, 1800, 900, 2700, 100}}},
        {4230,
         {{150, {2500, 4230}, {2500, 1230}, {2400, 4230}, {2400, 1230}, 1800, None, 2700, 100},
          StopEnd(154, {2500, 4230}, {2400, 4230}, 900, 100, None, 2700)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.StartY);
        HouseFixture f;
        f.Command(100);
        ASSERT_TRUE(f.Inwall());
        EXPECT_EQ(f.Ui.Panel(2), "Internal Wall");
        f.At(2500, c.StartY);
        f.Key(Key::Enter);
        f.Arrow(Key::Down, f.Inwall()->Y1 - 1230);
        f.Key(Key::Escape);
        EXPECT_EQ(Lines(f.Saved()), c.Want);
        EXPECT_EQ(f.Ui.Panel(0), "GUIDE: Select function or tool");
    }
}

// The element number goes into Highlight and Aux, and the file keeps it.
TEST(InternalWall, StoresItsElementNumber) {
    HouseFixture f;
    f.S.NextElementNo = 41;
    f.Command(100);
    f.Run({2500, 4270}, {{Key::Down, 3040}});
    const auto saved = f.Saved();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].Highlight, 42);
    EXPECT_EQ(saved[0].Aux, 42);
    EXPECT_EQ(saved[0].InWallFlag, 1);
    EXPECT_EQ(saved[0].InWallCodes, (std::array<std::int32_t, 4>{100, 100, 100, 100}));
}

// A T-junction from the second line of an internal wall to the left external wall: the join bearings are
// those of the internal wall (1800) and of the external wall (0).
TEST(InternalWall, TJunctionFromAnInternalWall) {
    HouseFixture f;
    f.Command(100);
    f.Run({2500, 4270}, {{Key::Down, 3040}});
    f.Key(Key::Escape);
    f.Command(100, "above first line");
    f.Run({2400, 3000}, {{Key::Left, 1170}});
    f.Key(Key::Escape);
    const auto saved = f.Saved();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(LinesOf(saved[1]),
              (WallLines{150, {2400, 3000}, {1230, 3000}, {2400, 3100}, {1230, 3100}, 2700, 1800, 0, 100}));
}

// A run begun in free space: a stop end across its first wall's start only, a square corner where the walls
// meet (the first wall's second line is cut there), the second wall keeping the first wall's width though
// the width file changed, and Escape closing the free end.
TEST(InternalWall, FreeRunWithCornerAndStopEnds) {
    HouseFixture f;
    f.Command(100);
    f.Run({2000, 3000}, {{Key::Down, 1000}});
    f.Cfg("PTNM.CFG", "200");
    f.Arrow(Key::Right, 1000);
    f.Key(Key::Escape);
    EXPECT_EQ(Lines(f.Saved()),
              (std::vector<WallLines>{
                  {150, {2000, 3000}, {2000, 2000}, {1900, 3000}, {1900, 1900}, 1800, None, None, 100},
                  StopEnd(154, {2000, 3000}, {1900, 3000}, 900),
                  {150, {2000, 2000}, {3000, 2000}, {1900, 1900}, {3000, 1900}, 900, None, None, 100},
                  StopEnd(155, {3000, 2000}, {3000, 1900}, 0),
              }));
}

// A later wall that joins the end Escape closed takes its stop end away (the end is a corner now); the stop
// end at the run's free start stays, and so does the one of an end the new wall does not reach.
TEST(InternalWall, AWallJoiningAnEndClosedByEscapeTakesItsStopEndAway) {
    const auto kinds = [](const std::vector<TInwallobj>& walls) {
        std::vector<int> k;
        for (const auto& w : walls)
            k.push_back(w.Kind);
        return k;
    };
    HouseFixture f;
    f.Command(100);
    f.Run({2000, 3000}, {{Key::Down, 1000}});
    f.Key(Key::Escape);
    f.Command(100);
    f.Run({3000, 3000}, {{Key::Down, 500}});
    f.Key(Key::Escape);
    ASSERT_EQ(kinds(f.Saved()), (std::vector<int>{150, 154, 155, 150, 154, 155}));

    f.Command(100, "below first line");
    f.Run({2000, 2000}, {{Key::Right, 500}});
    const std::vector<TInwallobj> saved = f.Saved();
    EXPECT_EQ(kinds(saved), (std::vector<int>{150, 154, 150, 154, 155, 150}));
    EXPECT_EQ(LinesOf(saved[4]), StopEnd(155, {3000, 2500}, {2900, 2500}, 900)) << "the end not reached";
}

// Four walls round a loop: the last one bridges the third wall's end and the first wall's start, is joined
// once at each end with corners on both neighbours, and no stop end is left across the closed corner: not
// by Escape, and the one the free start got goes when the loop closes onto it.
TEST(InternalWall, ClosingWallJoinsBothNeighbours) {
    HouseFixture f;
    f.Command(100);
    f.Run({1500, 3500}, {{Key::Down, 1000}, {Key::Right, 1000}, {Key::Up, 1000}, {Key::Left, 1000}});
    EXPECT_EQ(f.Inwall()->ClosingWall, 100);
    f.Key(Key::Escape);
    EXPECT_EQ(Lines(f.Saved()),
              (std::vector<WallLines>{
                  {150, {1500, 3500}, {1500, 2500}, {1400, 3600}, {1400, 2400}, 1800, None, None, 100},
                  {150, {1500, 2500}, {2500, 2500}, {1400, 2400}, {2600, 2400}, 900, None, None, 100},
                  {150, {2500, 2500}, {2500, 3500}, {2600, 2400}, {2600, 3600}, 0, None, None, 100},
                  {150, {2500, 3500}, {1500, 3500}, {2600, 3600}, {1400, 3600}, 2700, None, None, 100},
              }));
}

// A wall that cannot be made (its second line would leave the sheet) changes nothing: the wall it would
// have joined keeps its corner, no record is added and the cursor stays.
TEST(InternalWall, RefusedWallLeavesItsNeighbourAlone) {
    HouseFixture f;
    f.Command(100, "below first line");
    f.Run({1060, 3000}, {{Key::Left, 1000}});
    const auto before = f.Saved();
    ASSERT_EQ(before.size(), 2u); // the wall (turned round to run right) and its stop end
    EXPECT_EQ(LinesOf(before[0]).A, (Point{60, 3000}));
    const Point cursor = f.Ui.CursorPos();
    f.Arrow(Key::Up, 1000);
    EXPECT_EQ(Lines(f.Saved()), Lines(before));
    EXPECT_EQ(f.S.DrawingObjects.ObjectCount(), FloorRecordCount + 4 + 2);
    EXPECT_EQ(LinesOf(*dynamic_cast<TInwallobj*>(f.S.DrawingObjects.At(FloorRecordCount + 4))),
              LinesOf(before[0]));
    EXPECT_EQ(f.Ui.CursorPos(), cursor);
}

// The first arrow must run along the first line: across it gives the message and the pick tool.
TEST(InternalWall, FirstArrowTowardsTheSecondLineIsRefused) {
    struct Case {
        const char* Side;
        Key Arrow;
        bool Refused;
        const char* Message;
    } cases[] = {
        {"below first line", Key::Up, true,
         "Wrong Arrow key for second line position - re select internal wall icon and try again"},
        {"left of first line", Key::Right, true,
         "Wrong Arrow key for second line position - re select Internal Wall icon and try again"},
        {"above first line", Key::Left, false, ""},
        {"right of first line", Key::Down, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Side);
        HouseFixture f;
        f.Command(100, c.Side);
        f.At(2500, 2500);
        f.Key(Key::Enter);
        if (c.Refused) {
            f.Key(c.Arrow); // refused before the length is asked
            EXPECT_EQ(f.Ui.LastMessage(), c.Message);
            EXPECT_FALSE(f.Inwall());
            EXPECT_TRUE(f.Saved().empty());
        } else {
            f.Arrow(c.Arrow, 500);
            EXPECT_EQ(f.Saved().size(), 2u);
        }
    }
}

// The width dialog keeps itself open on a width out of range and writes the width it accepts.
TEST(InternalWall, WidthDialogRangeAndFile) {
    HouseFixture f;
    f.Ui.Queue(ScriptAnswer::ForDialog("internal wall or double lines", {"width=20", "OK"}));
    f.Ui.Queue(ScriptAnswer::ForDialog("internal wall or double lines", {"width=901", "OK"}));
    f.Ui.Queue(ScriptAnswer::ForDialog("internal wall or double lines", {"width=75", "OK"}));
    CmIntwallExecute(f.S, f.Ui, {});
    EXPECT_EQ(f.Ui.LastMessage(), "the input range is between 25 - 900 mm. ");
    EXPECT_EQ(f.ReadCfg("PTNM.CFG"), "75");
    EXPECT_TRUE(f.Inwall());
    f.Ui.Queue(ScriptAnswer::ForDialog("internal wall or double lines", {"Cancel"}));
    CmIntwallExecute(f.S, f.Ui, {});
    EXPECT_FALSE(f.Inwall());
}

// An angled wall by A and Enter at the cursor.
void AngledTo(InwallFixture& f, int x, int y) {
    f.Window->OnKeyDown(KeyEvent{Key::Character, 'a'});
    f.At(x, y);
    f.Key(Key::Enter);
}

// An angled wall from the top face: its second line meets the face t / sin 45 from the start and lies at
// (-70, -70) at its free end, where Escape closes it. A wall run up into the angled wall meets it with a
// T-junction whose second line ends on the angled line.
TEST(InternalWall, AngledWallAndAJunctionOnIt) {
    HouseFixture f;
    f.Command(100);
    f.At(2000, 4270);
    f.Key(Key::Enter);
    AngledTo(f, 3000, 3270);
    f.Key(Key::Escape);
    f.Command(100, "right of first line");
    f.Run({2600, 2500}, {{Key::Up, 1170}});
    f.Key(Key::Escape);
    EXPECT_EQ(Lines(f.Saved()),
              (std::vector<WallLines>{
                  {150, {2000, 4270}, {3000, 3270}, {1859, 4270}, {2930, 3200}, 1350, 900, None, 100},
                  StopEnd(155, {3000, 3270}, {2930, 3200}, 450, 100, 900, None),
                  {150, {2600, 2500}, {2600, 3670}, {2700, 2500}, {2700, 3570}, 0, None, 1350, 100},
                  StopEnd(154, {2600, 2500}, {2700, 2500}, 2700, 100, None, 1350),
              }));
}

// A square wall followed by an angled one: the corner is mitred, both second lines ending on the bisector.
TEST(InternalWall, MitredCornerWithAnAngledWall) {
    HouseFixture f;
    f.Command(100);
    f.Run({2000, 4270}, {{Key::Down, 1000}});
    AngledTo(f, 3000, 2270);
    const auto saved = f.Saved();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(LinesOf(saved[0]).SecondB, (Point{1900, 3229}));
    EXPECT_EQ(
        LinesOf(saved[1]),
        (WallLines{150, {2000, 3270}, {3000, 2270}, {1900, 3229}, {2930, 2200}, 1350, None, None, 100}));
}

// A wall bridging two walls, one of which it meets at the wrong end (both walls run down; the bridge runs
// from the first one's end to the second one's end): that neighbour is turned round keeping its band, so
// its second line becomes its first, the bridge ends on its new first line, and the corners join all three
// with their second lines on the outside of the U.
TEST(InternalWall, BridgeTurnsAWrongEndedNeighbourRoundKeepingItsBand) {
    HouseFixture f;
    for (int x : {1500, 2500}) {
        f.Command(100);
        f.Run({x, 3500}, {{Key::Down, 1000}});
        f.Key(Key::Escape);
    }
    f.Command(100, "below first line");
    f.Run({1500, 2500}, {{Key::Right, 1000}});
    std::vector<WallLines> walls;
    for (const auto& w : f.Saved())
        if (w.Kind == 150) walls.push_back(LinesOf(w));
    EXPECT_EQ(walls, (std::vector<WallLines>{
                         {150, {1500, 3500}, {1500, 2500}, {1400, 3500}, {1400, 2400}, 1800, None, None, 100},
                         {150, {2400, 2500}, {2400, 3500}, {2500, 2400}, {2500, 3500}, 0, None, None, 100},
                         {150, {1500, 2500}, {2400, 2500}, {1400, 2400}, {2500, 2400}, 900, None, None, 100},
                     }));
    EXPECT_EQ(f.Inwall()->ClosingWall, 100);
}

// Only the run's first arrow is held to the side: once a wall is made, the run turns any way.
TEST(InternalWall, LaterArrowsTurnAnyWay) {
    HouseFixture f;
    f.Command(100, "left of first line");
    f.At(2000, 3000);
    f.Key(Key::Enter);
    f.At(2000, 2000);
    f.Key(Key::Enter); // the first wall by Enter, down
    f.Arrow(Key::Right, 500);
    EXPECT_TRUE(f.Inwall());
    EXPECT_EQ(f.Inwall()->WallsInRun, 2);
}

} // namespace
} // namespace velmora
