#include "building/layout_marking.h"

#include "building/internal_wall_fixture.h"
#include "tools/line_tool.h"

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
