#include "building/layout_marking.h"

#include "building/internal_wall_fixture.h"
#include "tools/line_tool.h"
#include "tools/tool_install.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmora::test {
namespace {

// A layout of two rooms with a plan already made from it: a wall on the ground floor, its area kept in the
// floor record, and the window on the layout view.
struct MarkingFixture : InwallFixture {
    MarkingFixture() {
        Cfg("LASTEXTWL.CFG", "275");
        for (int i = 0; i < 2; ++i) {
            auto room = std::make_unique<TRoomobj>();
            room->View = ViewLayout;
            room->Aux = room->Highlight = 10001 + i;
            room->X1 = 10000 + i * 3100, room->Y1 = 14000, room->X2 = 13000 + i * 3100, room->Y2 = 10000;
            room->RoomWidth = 3000, room->RoomLength = 4000;
            S.DrawingObjects.Append(std::move(room));
        }
        AddHouse(9000, 9000, 17000, 15000, 100);
        S.DrawingObjects.FloorRecord(ViewGround)->FloorArea = 48;
        Open(ViewLayout);
        UnitFrame(0, 0);
    }
    void Run() { CmExtwallExecute(S, Ui, Window.get()); }
    int Count() const { return S.DrawingObjects.ObjectCount(); }
};

TEST(MarkExternalWalls, NoToTheEraseQuestionOrACancelledWallTypeChangesNothing) {
    MarkingFixture f;
    const int count = f.Count();
    f.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::No));
    f.Run();
    EXPECT_EQ(f.Count(), count);
    EXPECT_EQ(f.S.DrawingObjects.FloorRecord(ViewGround)->FloorArea, 48);
    EXPECT_EQ(f.S.CurrentView, ViewLayout);

    f.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::Yes));
    f.Ui.Queue(ScriptAnswer::ForDialog("external wall type", {"Cancel"}));
    f.Run();
    EXPECT_EQ(f.Count(), count);
    EXPECT_EQ(f.S.DrawingObjects.FloorRecord(ViewGround)->FloorArea, 48);
    EXPECT_EQ(f.S.CurrentTool->Mode, ModePick);
    EXPECT_EQ(f.S.CurrentView, ViewLayout);
}

TEST(MarkExternalWalls, YesErasesThePlansAndStartsTheMarkingOnViewFortyFive) {
    MarkingFixture f;
    // The first room's top-left corner, as the window loaded it.
    const Point corner{f.S.DrawingObjects.At(FloorRecordCount)->X1,
                       f.S.DrawingObjects.At(FloorRecordCount)->Y1};
    f.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::Yes));
    f.Ui.Queue(ScriptAnswer::ForDialog("external wall type", {"walling 4\" or 100 mm", "OK"}));
    f.Run();
    EXPECT_EQ(f.Count(), FloorRecordCount + 2) << "only the floor records and the layout rooms stay";
    EXPECT_EQ(f.S.DrawingObjects.FloorRecord(ViewGround)->FloorArea, 0);
    EXPECT_EQ(f.S.CurrentView, ViewLayoutMarking);
    EXPECT_EQ(f.S.CurrentTool->Mode, ModeConstruction);
    EXPECT_EQ(f.S.LayoutGridOn, 0);
    EXPECT_EQ(f.Window->ReadoutMode, 4);
    EXPECT_EQ((Point{f.Window->RefX, f.Window->RefY}), corner) << "the group's top-left corner";
    EXPECT_EQ(f.Ui.Panel(0), "press Enter on each corner - CLOCKWISE, use ARROW KEYS to finetune position");
}

// With one layout room the bounds file still holds an earlier layout's box: the read-out measures from the
// room's own top-left corner instead.
TEST(MarkExternalWalls, OneRoomMeasuresFromItsCornerNotFromAnEarlierLayoutsBox) {
    MarkingFixture f;
    f.S.DrawingObjects.RemoveAt(FloorRecordCount + 1);
    f.Cfg("BOUNDS.CFG", "1000 2000 3000 4000\n");
    f.Cfg("RECT.CFG", "2000 2000 4000000\n");
    const TObj& room = *f.S.DrawingObjects.At(FloorRecordCount);
    const int u = f.S.UnitsPerLogical;
    const Point corner{room.X1 / u * u, room.Y1 / u * u};
    f.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::Yes));
    f.Ui.Queue(ScriptAnswer::ForDialog("external wall type", {"walling 4\" or 100 mm", "OK"}));
    f.Run();
    ASSERT_EQ(f.S.CurrentView, ViewLayoutMarking);
    EXPECT_EQ(f.Window->ReadoutMode, 4);
    EXPECT_EQ((Point{f.Window->RefX, f.Window->RefY}), corner);
}

TEST(MarkExternalWalls, OutsideTheLayoutViewsItIsRefused) {
    MarkingFixture f;
    f.S.CurrentView = ViewGround;
    const int count = f.Count();
    f.Run();
    EXPECT_EQ(f.Ui.LastMessage(),
              "You must be in a LAYOUT VIEW to use this function, to mark the external wall corners");
    EXPECT_EQ(f.Count(), count);
}

} // namespace
} // namespace velmora::test

namespace velmora::test {
namespace {

// The closed marks of a 6000 x 4000 rectangle made into walls of 100 mm: every wall lies 100 outside its
// mark, the first one included (it meets no wall yet), with its inner line on the mark, facing the house.
TEST(WallsFromMarks, EveryWallHasItsInnerLineOnTheMarkFacingIn) {
    InwallFixture f;
    f.Cfg("EXTWALLM.CFG", "100 0 0 0 2700 5400 8100 -2700 0 0 0 0 0 0");
    const Point c[] = {{10000, 14000}, {16000, 14000}, {16000, 10000}, {10000, 10000}};
    const int bearings[] = {900, 1800, 2700, 0};
    for (int i = 0; i < 4; ++i) {
        const Point a = c[i], b = c[(i + 1) % 4];
        auto mark = std::make_unique<TLineobj>(11, ViewLayoutMarking, 0, 0, a.X, a.Y, b.X, b.Y, 0);
        mark->LineAttrA = bearings[i];
        f.S.DrawingObjects.Append(std::move(mark));
    }
    f.Open(ViewLayoutMarking);
    // The corners as the window loaded them.
    Point m[4];
    for (int i = 0; i < 4; ++i)
        m[i] = {f.S.DrawingObjects.At(FloorRecordCount + i)->X1,
                f.S.DrawingObjects.At(FloorRecordCount + i)->Y1};
    InstallTool(f.S, f.Ui, ModeExtWall);
    f.S.CurrentTool->Operation(7);
    EXPECT_EQ(f.S.CurrentView, ViewGround);
    std::vector<const TExtwallobj*> walls;
    for (const auto& o : f.S.DrawingObjects) {
        EXPECT_NE(o->Kind, 11) << "the marks went";
        if (o->Kind == 100) walls.push_back(static_cast<const TExtwallobj*>(o.get()));
    }
    ASSERT_EQ(walls.size(), 4u);
    const Point out[] = {{-100, 100}, {100, 100}, {100, -100}, {-100, -100}};
    Point outer[4];
    for (int i = 0; i < 4; ++i)
        outer[i] = {m[i].X + out[i].X, m[i].Y + out[i].Y};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ((Point{walls[i]->X1, walls[i]->Y1}), outer[i]);
        EXPECT_EQ((Point{walls[i]->X2, walls[i]->Y2}), outer[(i + 1) % 4]);
        EXPECT_EQ((Point{walls[i]->Face1X1, walls[i]->Face1Y1}), m[i]);
        EXPECT_EQ((Point{walls[i]->Face1X2, walls[i]->Face1Y2}), m[(i + 1) % 4]);
    }
}

} // namespace
} // namespace velmora::test
