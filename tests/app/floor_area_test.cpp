// Floor areas: the area enclosed by a floor's external walls, whatever their number, kept in the floor's own
// record and listed by the Floor Areas command.
#include "app/floor_area.h"
#include "view_session.h"

namespace velmora {
namespace {

using test::Rectangle;
using test::Wall;

TFlist ListOf(std::vector<std::unique_ptr<TObj>> objects) {
    TFlist list;
    for (int i = 0; i < 6; ++i)
        list.Append(std::make_unique<TInfoobj>(32000 + i, 120 + i, 0));
    for (auto& obj : objects)
        list.Append(std::move(obj));
    return list;
}

TFlist Fixture(const char* name) {
    TFlist list;
    DrawingHeader header;
    EXPECT_EQ(ReadDrawingFile(test::Fixture(name), CoordShift::ForSheet(5000, 2500, 5), list, header).Status,
              FileStatus::Ok);
    return list;
}

// A house whose top is a run of short walls stepping down to the right: eight top edges before the one
// bottom wall, 2 m wide columns of 8, 7, ... 1 m.
std::vector<std::unique_ptr<TObj>> Staircase() {
    std::vector<std::unique_ptr<TObj>> walls;
    for (int i = 0; i < 8; ++i) {
        const int x = 2000 * i, y = 8000 - 1000 * i;
        walls.push_back(Wall(ViewGround, x, y, x + 2000, y));
        walls.push_back(Wall(ViewGround, x + 2000, y, x + 2000, y - 1000));
    }
    walls.push_back(Wall(ViewGround, 16000, 0, 0, 0));
    walls.push_back(Wall(ViewGround, 0, 0, 0, 8000));
    return walls;
}

TEST(FloorArea, EnclosedAreaOfOutlinesDrawnClockwise) {
    struct Case {
        const char* Why;
        std::vector<std::unique_ptr<TObj>> Walls;
        int MetricFlag;
        long Area;
    };
    std::vector<Case> cases;
    cases.push_back({"10 m x 8 m", Rectangle(ViewGround, 3000, 2000, 10000, 8000), 1, 80});
    cases.push_back({"eight top edges and more", Staircase(), 1, 72});
    {
        // A gable-topped outline: the top wall rises 1000 mm over its 4000 mm run.
        std::vector<std::unique_ptr<TObj>> w;
        w.push_back(Wall(ViewGround, 0, 5000, 4000, 6000));
        w.push_back(Wall(ViewGround, 4000, 6000, 4000, 0));
        w.push_back(Wall(ViewGround, 4000, 0, 0, 0));
        w.push_back(Wall(ViewGround, 0, 0, 0, 5000));
        cases.push_back({"sloped top wall adds the trapezoid under it", std::move(w), 1, 22});
    }
    // 30 ft x 20 ft in 1/24 inch units.
    cases.push_back({"imperial", Rectangle(ViewGround, 2400, 2400, 30 * 288, 20 * 288), 0, 600});
    cases.push_back({"another floor's walls do not count", Rectangle(ViewFirst, 0, 0, 10000, 8000), 1, 0});
    for (Case& c : cases) {
        SCOPED_TRACE(c.Why);
        const TFlist list = ListOf(std::move(c.Walls));
        EXPECT_EQ(FloorAreaOf(list, ViewGround, c.MetricFlag == 1 ? 5 : 6, c.MetricFlag), c.Area);
    }
}

// The L-shaped house of the fixture: seven 2 m walls along its top, then the wing; 14 m x 5 m plus 4 m x 4 m.
TEST(FloorArea, LShapedHouseOfTwelveWalls) {
    const TFlist house = Fixture("l_house.BMS");
    std::vector<const TExtwallobj*> walls;
    for (const auto& obj : house)
        if (obj->Kind == 100) walls.push_back(static_cast<const TExtwallobj*>(obj.get()));
    ASSERT_EQ(walls.size(), 12u);
    // A proper outline: every wall starts where the one before it ends, and so do its inner lines.
    for (std::size_t i = 0; i < walls.size(); ++i) {
        const TExtwallobj& a = *walls[i];
        const TExtwallobj& b = *walls[(i + 1) % walls.size()];
        EXPECT_EQ(a.X2, b.X1) << i;
        EXPECT_EQ(a.Y2, b.Y1) << i;
        EXPECT_EQ(a.Face3X2, b.Face3X1) << i;
        EXPECT_EQ(a.Face3Y2, b.Face3Y1) << i;
    }
    EXPECT_EQ(FloorAreaOf(house, ViewGround, 5, 1), 86);
}

class FloorAreaCommandTest : public test::ViewSession {};

TEST_F(FloorAreaCommandTest, ReportKeepsTheAreaInTheFloorsOwnRecord) {
    CopyFixture("l_house.BMS", "L House");
    Open("L House");
    ComputeFloorArea(State);
    EXPECT_EQ(State.AreaResult, 86.0);
    ReportFloorArea(State, Ui, 2);
    EXPECT_EQ(Ui.LastMessage(), "Area and Dimensions should be checked manually\n\n"
                                "Total Building Area this floor: 86 sq. metres\n\n"
                                "Areas are available in Plan Views / Floor Areas");
    EXPECT_EQ(State.DrawingObjects.FloorRecord(ViewGround)->FloorArea, 86);
    EXPECT_EQ(Ui.Panel(0), "GUIDE: Pick drawingtool");
    EXPECT_TRUE(ListIsTheFile());

    ReportFloorArea(State, Ui, 1);
    EXPECT_EQ(Ui.LastMessage().rfind(
                  "If the plan view is incorrect, select PLAN VIEWS / LAYOUT to re mark the walls\n", 0),
              0u);
    EXPECT_EQ(Ui.Panel(0),
              "GUIDE: If the plan view is incorrect, select PLAN VIEWS / LAYOUT to re mark the walls");
}

// A drawing that does not begin with its floor records must not have another object overwritten by the
// area: the area is shown, and nothing is stored.
TEST_F(FloorAreaCommandTest, AnObjectInTheRecordsPlaceIsNeverOverwritten) {
    CopyFixture("l_house.BMS", "L House");
    Open("L House");
    State.DrawingObjects.RemoveAt(0); // the ground floor's record gone: index 0 is now the first floor's
    ASSERT_TRUE(SaveDrawing(State, ModeWorking).Ok());
    const std::string before = Working();
    State.AreaResult = 86;
    ReportFloorArea(State, Ui, 2);
    EXPECT_EQ(static_cast<const TInfoobj*>(State.DrawingObjects.At(0))->FloorArea, 0);
    EXPECT_EQ(Working(), before);
    EXPECT_NE(Ui.LastMessage().find("86 sq. metres"), std::string::npos);
}

TEST_F(FloorAreaCommandTest, FloorAreasListsEveryFloorAndTheTotal) {
    CopyFixture("l_house.BMS", "L House");
    Open("L House");
    const int areas[] = {86, 70, 0, 0, 12};
    for (int i = 0; i < 5; ++i)
        State.DrawingObjects.FloorRecord(120 + i)->FloorArea = areas[i];
    Answer("floor area", {"O K"});
    Run("CmSpecsExecute");
    ASSERT_EQ(Ui.Dialogs.size(), 1u);
    const DialogDescription& shown = Ui.Dialogs.back();
    EXPECT_EQ(shown.Value("ground floor area"), "86 sq. metres");
    EXPECT_EQ(shown.Value("first floor area"), "70 sq. metres");
    EXPECT_EQ(shown.Value("second floor area"), "0 sq. metres");
    EXPECT_EQ(shown.Value("sub floor / basement"), "12 sq. metres");
    EXPECT_EQ(shown.Value("TOTAL floor area"), "168 sq. metres");

    State.MetricFlag = 0;
    Answer("floor area", {"O K"});
    Run("CmSpecsExecute");
    EXPECT_EQ(Ui.Dialogs.back().Value("TOTAL floor area"), "168 sq. ft");

    State.CurrentView = ViewSite;
    Run("CmSpecsExecute");
    EXPECT_EQ(Ui.LastMessage(), "You must be in a PLAN or ELEVATION VIEW to use this function");
}

} // namespace
} // namespace velmora
