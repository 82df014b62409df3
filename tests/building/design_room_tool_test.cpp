#include "building/design_room_fixture.h"
#include "building/design_room_geometry.h"

#include "building/design_room_bounds.h"
#include "model/drawing_file.h"

namespace velmora::test {
namespace {

// Two 3000 x 3000 rooms, t = 100, m = 50: the second dropped with its left edge d to the right of the
// first room's right edge + 100 and its top edge e below the first's.
TEST(AlignToRooms, SnapsWithinTheMergingDistanceOnly) {
    struct Case {
        int D, E;
        RoomRect Want;
    } cases[] = {
        {40, 0, {3100, 3000, 6100, 0}},   // 40 off: 100 apart
        {-40, 0, {3100, 3000, 6100, 0}},  // 40 too close: pushed out to 100 apart
        {60, 0, {3160, 3000, 6160, 0}},   // 60 off: stays
        {0, 30, {3100, 3000, 6100, 0}},   // 30 below the neighbour's top: tops in line
        {0, 49, {3100, 3000, 6100, 0}},   // just within
        {0, 50, {3100, 2950, 6100, -50}}, // the merging distance itself does not snap
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.D << " " << c.E);
        RoomFixture f;
        f.Room(0, 3000, 3000, 3000);
        const int moving = f.Room(3100 + c.D, 3000 - c.E, 3000, 3000);
        EXPECT_EQ(AlignToRooms(f.S.DrawingObjects, ViewLayout, moving, f.Rect(moving), 50, 100), c.Want);
    }
}

TEST(AlignToRooms, WallFacesAreTargetsButWallsJustFinishedAreNot) {
    RoomFixture f(1, ViewGround);
    // A solid external wall down x = 0 whose inner line lies at x = 300.
    auto wall = std::make_unique<TExtwallobj>();
    wall->View = ViewGround, wall->Angle = 1800, wall->X1 = wall->X2 = 0, wall->Y1 = 9000, wall->Y2 = 0;
    wall->Face1X1 = wall->Face1X2 = 300, wall->Face1Y1 = 8700, wall->Face1Y2 = 300;
    f.S.DrawingObjects.Append(std::move(wall));
    // An internal wall across y = 6000 (second line at 5900) that finishing has just made.
    auto in = std::make_unique<TInwallobj>();
    in->View = ViewGround, in->Z1 = 1, in->X1 = 0, in->X2 = 9000, in->Y1 = in->Y2 = 6000;
    in->SecondX1 = 0, in->SecondX2 = 9000, in->SecondY1 = in->SecondY2 = 5900;
    f.S.DrawingObjects.Append(std::move(in));
    const int room = f.Room(330, 5880, 3000, 3000);
    EXPECT_EQ(AlignToRooms(f.S.DrawingObjects, ViewGround, room, f.Rect(room), 50, 100),
              (RoomRect{300, 5880, 3300, 2880}));
    static_cast<TInwallobj&>(*f.S.DrawingObjects.At(room - 1)).Z1 = 0;
    EXPECT_EQ(AlignToRooms(f.S.DrawingObjects, ViewGround, room, f.Rect(room), 50, 100),
              (RoomRect{300, 5900, 3300, 2900}));
}

// No table of rooms limits a layout: the 25th room of a row is a target like the first.
TEST(AlignToRooms, ManyRoomsAllCount) {
    RoomFixture f;
    for (int i = 0; i < 25; ++i)
        f.Room(i * 1100, 3000, 1000, 3000);
    const int moving = f.Room(25 * 1100 + 30, 2980, 1000, 3000);
    EXPECT_EQ(AlignToRooms(f.S.DrawingObjects, ViewLayout, moving, f.Rect(moving), 50, 100),
              (RoomRect{25 * 1100, 3000, 25 * 1100 + 1000, 0}));
    const auto bounds = DesignRoomBounds(f.S);
    EXPECT_EQ(bounds.Count, 26);
    EXPECT_EQ(bounds.Right, 25 * 1100 + 30 + 1000);
}

TEST(AlignToBoundary, LinesUpWithTheOuterEdgesOfTheOthers) {
    RoomFixture f;
    f.Room(0, 6000, 3000, 4000);
    const int moving = f.Room(3100, 5970, 2000, 2000); // top 30 below the group's top
    EXPECT_EQ(AlignToBoundary(f.S.DrawingObjects, ViewLayout, moving, f.Rect(moving), 50),
              (RoomRect{3100, 6000, 5100, 4000}));
    // A lone room has no group to line up with.
    RoomFixture lone;
    const int only = lone.Room(3100, 5970, 2000, 2000);
    EXPECT_EQ(AlignToBoundary(lone.S.DrawingObjects, ViewLayout, only, lone.Rect(only), 50), lone.Rect(only));
}

// Room numbers carry a floor base; with bases only 1000 apart the ground floor's 1001st room would take
// the first floor's first number.
TEST(RoomElementNumber, FloorsNeverShareNumbers) {
    EXPECT_EQ(RoomElementNumber(ViewGround, 0), 10001);
    EXPECT_EQ(RoomElementNumber(ViewLayout, 0), RoomElementNumber(ViewGround, 0));
    for (int n : {999, 1000, 5000, 99999})
        for (int floor = 121; floor <= 125; ++floor)
            for (int m : {0, 1, 999, 1000})
                EXPECT_NE(RoomElementNumber(ViewGround, n), RoomElementNumber(floor, m)) << n << " " << floor;
}

TEST(DesignRoomTool, LeftDragDropsAlignedAndSaves) {
    RoomFixture f;
    f.Room(2000, 8000, 3000, 3000);
    const int second = f.Room(200, 2000, 3000, 3000);
    InstallTool(f.S, f.Ui, 29000);
    // Picked away from its centre, dropped 40 right of its place beside the first room and 30 below.
    f.Drag(MouseButton::Left, {700, 1500}, {700 + 4940, 1500 + 5970});
    EXPECT_EQ(f.Rect(second), (RoomRect{5100, 8000, 8100, 5000}));
    EXPECT_EQ(f.Tool().Step, 0);
    EXPECT_EQ(f.S.SaveState, 1);
    // The drawing file holds the new place; the read-out measures the group.
    TFlist saved;
    DrawingHeader header;
    ASSERT_TRUE(ReadDrawingFile(f.DrawingPath(), f.S.Shift(), saved, header).Ok());
    EXPECT_EQ(saved.At(second)->X1, 5100);
    EXPECT_EQ(f.Ui.Panel(0),
              "width 6.100 m ,length 3.000 , Area (Rectangle) 18.30 sq.m, click 'Mark External "
              "Walls on LAYOUT' icon when finished");
    EXPECT_EQ(f.Window->RefX, 2000);
    EXPECT_EQ(f.Window->RefY, 8000);
}

TEST(DesignRoomTool, RightDragAlignsToTheBoundary) {
    RoomFixture f;
    f.Room(2000, 8000, 3000, 4000);
    const int second = f.Room(200, 2000, 2000, 2000);
    InstallTool(f.S, f.Ui, 29000);
    f.Drag(MouseButton::Right, {1200, 1000}, {1200 + 4900, 1000 + 5970});
    // Right edge 7100 is no boundary; the top, 30 below the group's, is.
    EXPECT_EQ(f.Rect(second), (RoomRect{5100, 8000, 7100, 6000}));
}

TEST(DesignRoomTool, AClickOutsideEveryRoomSaysSoAndChangesNothing) {
    RoomFixture f;
    const int room = f.Room(2000, 8000, 3000, 3000);
    InstallTool(f.S, f.Ui, 29000);
    f.Drag(MouseButton::Left, {500, 500}, {1500, 1500});
    EXPECT_EQ(f.Ui.LastMessage(), "no room selected - re select and retry");
    EXPECT_EQ(f.Rect(room), (RoomRect{2000, 8000, 5000, 5000}));
}

// Enlarge and shrink move the side the arrow points at; the texts follow the sizes.
TEST(DesignRoomTool, EnlargeAndShrinkMoveOneSide) {
    struct Case {
        void (*Command)(AppState&, Ui&);
        velmora::Key Arrow;
        int Amount;
        RoomRect Want;
    } cases[] = {
        {CmExpandroomExecute, velmora::Key::Right, 500, {2000, 8000, 5500, 5000}},
        {CmExpandroomExecute, velmora::Key::Up, 500, {2000, 8500, 5000, 5000}},
        {CmExpandroomExecute, velmora::Key::Left, 500, {1500, 8000, 5000, 5000}},
        {CmShrinkdroomExecute, velmora::Key::Up, 500, {2000, 7500, 5000, 5000}},
        {CmShrinkdroomExecute, velmora::Key::Down, 500, {2000, 8000, 5000, 5500}},
        {CmShrinkdroomExecute, velmora::Key::Right, 2800, {2000, 8000, 2200, 5000}}, // exactly 200 left
    };
    for (const Case& c : cases) {
        RoomFixture f;
        const int room = f.Room(2000, 8000, 3000, 3000);
        c.Command(f.S, f.Ui);
        f.Click(3000, 6000);
        f.Arrow(c.Arrow, c.Amount);
        EXPECT_EQ(f.Rect(room), c.Want);
        EXPECT_EQ(f.At(room).RoomWidth, c.Want.Width());
        EXPECT_EQ(f.At(room).RoomLength, c.Want.Height());
        EXPECT_EQ(f.At(room).WidthText(), std::to_string(c.Want.Width()));
        EXPECT_EQ(f.At(room).LengthText(), std::to_string(c.Want.Height()));
        EXPECT_EQ(f.Tool().Step, 0);
    }
}

// A room with a side below 200 could never be picked again.
TEST(DesignRoomTool, AShrinkBelowTheSmallestRoomIsRefused) {
    RoomFixture f;
    const int room = f.Room(2000, 8000, 3000, 3000);
    CmShrinkdroomExecute(f.S, f.Ui);
    f.Click(3000, 6000);
    f.Arrow(velmora::Key::Left, 2801);
    EXPECT_EQ(f.Rect(room), (RoomRect{2000, 8000, 5000, 5000}));
    EXPECT_EQ(f.Ui.LastMessage(), "SHRINK DESIGN ROOM\nno side of a room can be less than 200 mm");
}

TEST(DesignRoomTool, RotateTurnsAboutTheCentre) {
    RoomFixture f;
    const int room = f.Room(2000, 8000, 3000, 4000);
    CmRotatedroomExecute(f.S, f.Ui);
    f.Click(3000, 6000);
    // Centre (3500, 6000): 4000 wide and 3000 long now.
    EXPECT_EQ(f.Rect(room), (RoomRect{1500, 7500, 5500, 4500}));
    EXPECT_EQ(f.At(room).WidthText(), "4000");
    EXPECT_EQ(f.At(room).LengthText(), "3000");
    EXPECT_EQ(f.Tool().Step, 0);
}

TEST(DesignRoomTool, DeleteRemovesThePickedRoomOnly) {
    RoomFixture f;
    f.Room(2000, 8000, 3000, 3000, "keep");
    f.Room(6000, 8000, 3000, 3000, "gone");
    CmDeletedroomExecute(f.S, f.Ui);
    f.Click(7000, 6000);
    ASSERT_EQ(f.S.DrawingObjects.ObjectCount(), 7);
    EXPECT_EQ(f.At(6).RoomName(), "keep");
    TFlist saved;
    DrawingHeader header;
    ASSERT_TRUE(ReadDrawingFile(f.DrawingPath(), f.S.Shift(), saved, header).Ok());
    EXPECT_EQ(saved.ObjectCount(), 7);
}

// The press that picks the room for a move keeps the move step for the arrow that follows.
TEST(DesignRoomTool, MoveByATypedDistanceAndByFineSteps) {
    RoomFixture f;
    const int room = f.Room(2000, 8000, 3000, 3000);
    CmDroommoveExecute(f.S, f.Ui);
    f.Click(3000, 6000);
    f.Arrow(velmora::Key::Right, 1000);
    EXPECT_EQ(f.Rect(room), (RoomRect{3000, 8000, 6000, 5000}));
    CmDroommoveExecute(f.S, f.Ui);
    f.Press(MouseButton::Right, 4000, 6000);
    f.Key(velmora::Key::Up);
    f.Key(velmora::Key::Up);
    EXPECT_EQ(f.Rect(room), (RoomRect{3000, 8050, 6000, 5050}));
    EXPECT_TRUE(f.Ui.PendingAnswers().empty());
}

TEST(DesignRoomCommands, RefusedOnTheWrongViewOrWithoutRooms) {
    struct Case {
        int View;
        bool Rooms;
        std::string Message;
    } cases[] = {
        {ViewLayoutMarking, true,
         "ENLARGE DESIGN ROOM\nNot available while marking walls - select VIEW/LAYOUT"},
        {ViewSite, true, "ENLARGE DESIGN ROOM\nYou must be in a PLAN VIEW to use this function"},
        {ViewLayout, false,
         "There are no design rooms on this floor\nuse the 'ALTER Finished ROOM' icon then "
         "click the finished room to alter first"},
    };
    for (const Case& c : cases) {
        RoomFixture f(1, c.View);
        if (c.Rooms) f.Room(2000, 8000, 3000, 3000);
        if (c.Message.rfind("SHRINK", 0) == 0)
            CmShrinkdroomExecute(f.S, f.Ui);
        else
            CmExpandroomExecute(f.S, f.Ui);
        EXPECT_EQ(f.Ui.LastMessage(), c.Message);
        EXPECT_NE(f.Tool().Mode, 29001);
    }
}

TEST(DesignRoomCommands, NewRoomAtTheParkingPlace) {
    RoomFixture f;
    f.S.ViewOrgX = 100, f.S.ViewOrgY = 40;
    f.S.NextElementNo = 7;
    f.Cfg("RMCLR.CFG", "111 222 333");
    f.Ui.Queue(ScriptAnswer::ForDialog("internal wall size for room functions",
                                       {"internal walls thickness=120", "OK"}));
    f.Ui.Queue(ScriptAnswer::ForDialog("room details", {"room name =", "horizontal size of room=2400",
                                                        "vertical size of room=2550", "wet area colour",
                                                        "vertical only", "OK"}));
    CmDroomExecute(f.S, f.Ui);
    ASSERT_EQ(f.S.DrawingObjects.ObjectCount(), 7);
    const TRoomobj& r = f.At(6);
    EXPECT_EQ(r.X1, (10 + 100) * 5);
    EXPECT_EQ(r.Y2, (10 + 40) * 5);
    EXPECT_EQ(r.X2, r.X1 + 2400);
    EXPECT_EQ(r.Y1, r.Y2 + 2550);
    EXPECT_EQ(r.RoomName(), "none");
    EXPECT_EQ(r.Aux, 10008);
    EXPECT_EQ(r.Highlight, 10008);
    EXPECT_EQ(f.S.NextElementNo, 8);
    EXPECT_EQ(r.RoomFill, 111u);
    EXPECT_EQ(r.DimensionStyle, 4);
    EXPECT_EQ(f.ReadCfg("NEWRM.CFG"), "4 2");
    EXPECT_EQ(f.ReadCfg("RMPTNM.CFG"), "120 100 100 100 100 100");
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: place cursor in room, move with Left Button down");
}

TEST(DesignRoomDialogs, PartitionAndSizeRefusals) {
    struct Case {
        const char* Field;
        const char* Value;
        bool Accepted;
    } partition[] = {{"", "", false},  {"", "20", false}, {"", "49", false},
                     {"", "50", true}, {"", "900", true}, {"", "901", false}};
    for (const Case& c : partition) {
        DialogDescription d = TTRoomptndlg::Make(100);
        d.SetValue(TTRoomptndlg::Thickness, c.Value);
        const auto refusal = d.Check(d, "O K");
        EXPECT_EQ(!refusal, c.Accepted) << c.Value;
        if (refusal) {
            EXPECT_EQ(*refusal, "the input range is between 50 - 900 ");
        }
    }
    DialogDescription d = TTRoomdlg::Make(3000, 3000, 2, 1);
    d.SetValue(TTRoomdlg::Length, "199");
    EXPECT_EQ(d.Check(d, "O K").value_or(""), "vertical size input is incorrect\n200 - 30000 mm.");
    d.SetValue(TTRoomdlg::Width, "30001");
    EXPECT_EQ(d.Check(d, "O K").value_or(""), "horizontal size input is incorrect\n200 - 30000 mm.");
    d.SetValue(TTRoomdlg::Width, "30000");
    d.SetValue(TTRoomdlg::Length, "200");
    EXPECT_FALSE(d.Check(d, "O K"));
}

// The free area round a click: refused inside a room, outside the walls, or where a side has no bound.
TEST(MeasureFreeArea, MeasuresOrRefusesAsTheClickLies) {
    RoomFixture f(1, ViewGround);
    // A 10000 x 8000 house of solid walls 300 thick, inner faces x 300..9700, y 300..7700.
    auto add = [&](Point a, Point b, Point fa, Point fb) {
        auto w = std::make_unique<TExtwallobj>();
        w->View = ViewGround, w->X1 = a.X, w->Y1 = a.Y, w->X2 = b.X, w->Y2 = b.Y;
        w->Face1X1 = fa.X, w->Face1Y1 = fa.Y, w->Face1X2 = fb.X, w->Face1Y2 = fb.Y;
        f.S.DrawingObjects.Append(std::move(w));
    };
    add({0, 8000}, {10000, 8000}, {300, 7700}, {9700, 7700});
    add({10000, 8000}, {10000, 0}, {9700, 7700}, {9700, 300});
    add({10000, 0}, {0, 0}, {9700, 300}, {300, 300});
    add({0, 0}, {0, 8000}, {300, 300}, {300, 7700});
    f.Room(300, 7700, 3000, 4000);
    struct Case {
        Point P;
        FreeAreaOutcome Outcome;
        std::int64_t W, H;
    } cases[] = {
        {{6000, 5000}, FreeAreaOutcome::Measured, 9700 - 3300 - 100, 7400},
        {{1000, 5000}, FreeAreaOutcome::InsideSomething, 0, 0},
        {{12000, 5000}, FreeAreaOutcome::OutsideWalls, 0, 0},
    };
    for (const Case& c : cases) {
        const FreeArea a = MeasureFreeArea(f.S.DrawingObjects, ViewGround, c.P.X, c.P.Y, 100);
        EXPECT_EQ(a.Outcome, c.Outcome) << c.P.X;
        EXPECT_EQ(a.Width, c.W);
        EXPECT_EQ(a.Height, c.H);
    }
    // On a layout with nothing above or below the click there is no size to give.
    RoomFixture layout;
    layout.Room(300, 7700, 3000, 4000);
    layout.Room(6000, 7700, 3000, 4000);
    EXPECT_EQ(MeasureFreeArea(layout.S.DrawingObjects, ViewLayout, 4500, 5000, 100).Outcome,
              FreeAreaOutcome::Unbounded);
}

TEST(DesignRoomTool, MaxRoomSizeRefusalSaysWhy) {
    RoomFixture f;
    f.Room(300, 7700, 3000, 4000);
    f.Room(6000, 7700, 3000, 4000);
    CmMaxdroomExecute(f.S, f.Ui);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: Click LEFT BUTTON in the area you want the sizes of");
    f.Click(4500, 5000);
    EXPECT_EQ(f.Ui.LastMessage(),
              "there is no wall or room on every side of the click - click between rooms or walls");
    EXPECT_EQ(f.Tool().Step, 0);
    EXPECT_FALSE(std::filesystem::exists(f.Home.Path / "CFG" / "MAX.CFG"));
}

} // namespace
} // namespace velmora::test

namespace velmora::test {
namespace {

TEST(DesignRoomCommands, LayoutGridTogglesOnLayoutViewsOnly) {
    RoomFixture plan(1, ViewGround);
    CmLytgridExecute(plan.S, plan.Ui);
    EXPECT_EQ(plan.Ui.LastMessage(), "LAYOUT GRID\nYou must be in a LAYOUT VIEW to use this function");
    EXPECT_EQ(plan.S.LayoutGridOn, 0);
    RoomFixture layout;
    CmLytgridExecute(layout.S, layout.Ui);
    EXPECT_EQ(layout.S.LayoutGridOn, 1);
    CmLytgridExecute(layout.S, layout.Ui);
    EXPECT_EQ(layout.S.LayoutGridOn, 0);
}

} // namespace
} // namespace velmora::test

namespace velmora::test {
namespace {

// A house of solid walls 300 thick, inner faces x 300..9700 and y 300..7700, on the ground floor.
void AddHouse(RoomFixture& f) {
    auto add = [&](Point a, Point b, Point fa, Point fb) {
        auto w = std::make_unique<TExtwallobj>();
        w->View = ViewGround, w->X1 = a.X, w->Y1 = a.Y, w->X2 = b.X, w->Y2 = b.Y;
        w->Face1X1 = fa.X, w->Face1Y1 = fa.Y, w->Face1X2 = fb.X, w->Face1Y2 = fb.Y;
        f.S.DrawingObjects.Append(std::move(w));
    };
    add({0, 8000}, {10000, 8000}, {300, 7700}, {9700, 7700});
    add({10000, 8000}, {10000, 0}, {9700, 7700}, {9700, 300});
    add({10000, 0}, {0, 0}, {9700, 300}, {300, 300});
    add({0, 0}, {0, 8000}, {300, 300}, {300, 7700});
}

// The free area beside a room is measured, stored, and offered as the size of the next room.
TEST(DesignRoomTool, MaxRoomSizeOffersARoomOfTheFreeArea) {
    RoomFixture f(1, ViewGround);
    AddHouse(f);
    f.Room(300, 7700, 3000, 4000, "Bed");
    CmMaxdroomExecute(f.S, f.Ui);
    f.Ui.Queue(ScriptAnswer::ForDialog("room details", {"room name =Lounge", "OK"}));
    f.Click(6000, 5000);
    EXPECT_EQ(f.ReadCfg("MAX.CFG"), "6300 7400");
    ASSERT_EQ(f.S.DrawingObjects.ObjectCount(), 6 + 4 + 2);
    const TRoomobj& made = f.At(11);
    EXPECT_EQ(made.RoomName(), "Lounge");
    EXPECT_EQ(made.RoomWidth, 6300);
    EXPECT_EQ(made.RoomLength, 7400);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: place cursor in room, move with Left Button down (align to Room), Right "
                             "Button (align Boundary)");
    EXPECT_TRUE(f.Ui.PendingAnswers().empty());
}

TEST(DesignRoomTool, MaxRoomSizeOutsideTheHouseIsRefused) {
    RoomFixture f(1, ViewGround);
    AddHouse(f);
    f.Room(300, 7700, 3000, 4000, "Bed");
    CmMaxdroomExecute(f.S, f.Ui);
    f.Click(12000, 5000);
    EXPECT_EQ(f.Ui.LastMessage(), "the click was probably outside the external walls");
    EXPECT_EQ(f.S.DrawingObjects.ObjectCount(), 6 + 4 + 1);
}

} // namespace
} // namespace velmora::test

namespace velmora::test {
namespace {

TEST(DesignRoomDialogs, ImperialSizesAndThickness) {
    DialogDescription p = TTRoomptnimp::Make(96);
    EXPECT_EQ(p.Value(TTRoomptnimp::Inches), "4");
    p.SetValue(TTRoomptnimp::Numerator, "1");
    p.SetValue(TTRoomptnimp::Denominator, "2");
    EXPECT_FALSE(p.Check(p, "O K"));
    EXPECT_EQ(TTRoomptnimp::ThicknessOf(p), 4 * 24 + 12);
    p.SetValue(TTRoomptnimp::Inches, "");
    EXPECT_EQ(p.Check(p, "O K").value_or(""), "the input range is between 2 - 36 inches ");

    DialogDescription d = TTRoomimpdlg::Make(24 * 120, 24 * 144, 2, 3);
    EXPECT_EQ(d.Value(TTRoomimpdlg::WidthFeet), "10");
    EXPECT_EQ(d.Value(TTRoomimpdlg::LengthFeet), "12");
    EXPECT_FALSE(d.Check(d, "O K"));
    d.SetValue(TTRoomimpdlg::WidthFeet, "0");
    d.SetValue(TTRoomimpdlg::WidthInches, "7");
    EXPECT_EQ(d.Check(d, "O K").value_or(""), "horizontal size input is incorrect\n8 inches - 98 ft.");
    d.SetValue(TTRoomimpdlg::WidthInches, "12"); // inches run 0 to 11
    EXPECT_TRUE(d.Check(d, "O K"));
}

} // namespace
} // namespace velmora::test
