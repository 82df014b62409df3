// Automatic and manual dimensions: the arrows and texts outside each external wall, the overall dimensions
// of outlines of more than four walls, the rule of angled walls' texts, and the manual dimension marked
// with Enter, which is saved before its measurement is asked.
#include "app/drawing_store.h"
#include "tools/auto_dimension.h"
#include "tools/dimension_arrows.h"
#include "tools/line_commands.h"
#include "tools/line_tool.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace velmora {
namespace {

using test::WindowFixture;

struct DimensionFixture : WindowFixture {
    explicit DimensionFixture(int metricFlag = 1) : WindowFixture({1000, 1000}, metricFlag) {
        std::filesystem::create_directories(Home.Path / "ACT");
        S.SheetWidth = S.SheetHeight = 10000;
        Cfg("MOFFSET.CFG", "400 600 1000 0 10 8 10 ");
        Cfg("IOFFSET.CFG", "384 576 960 0 10 8 10 ");
        Cfg("ARROW.CFG", "200 1 ");
    }
    // Walls of a clockwise outline through the points, each with its length in Aux.
    void Outline(const std::vector<Point>& corners) {
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Point a = corners[i], b = corners[(i + 1) % corners.size()];
            AddExtwall(ViewGround, a.X, a.Y, b.X, b.Y);
            auto* w = static_cast<TExtwallobj*>(S.DrawingObjects.At(S.DrawingObjects.ObjectCount() - 1));
            w->Aux = std::abs(b.X - a.X) + std::abs(b.Y - a.Y);
            w->Angle = b.X > a.X ? 900 : b.X < a.X ? 2700 : b.Y < a.Y ? 1800 : 0;
        }
    }
    void Dimension() { Tool().AutoDimension(Picture, Ui.ClientSize(), 0, 0, 0, 111); }
    std::vector<const TObj*> OfKind(int kind) const {
        std::vector<const TObj*> found;
        for (const auto& o : S.DrawingObjects)
            if (o->Kind == kind) found.push_back(o.get());
        return found;
    }
    const TTextobj* TextAt(int x, int y) const {
        for (const TObj* o : OfKind(34))
            if (o->X1 == x && o->Y1 == y) return static_cast<const TTextobj*>(o);
        return nullptr;
    }
};

TEST(AutoDimension, ARectangleGetsArrowsAndTextsOutsideEachWall) {
    DimensionFixture f;
    f.Outline({{10000, 20000}, {18000, 20000}, {18000, 14000}, {10000, 14000}});
    f.Open();
    f.Dimension();
    const auto arrows = f.OfKind(250);
    ASSERT_EQ(arrows.size(), 8u);
    EXPECT_EQ((Point{arrows[0]->X1, arrows[0]->Y1}), (Point{10000, 20600}));
    EXPECT_EQ((Point{arrows[0]->X2, arrows[0]->Y2}), (Point{10200, 20600})); // the shaft runs into the span
    EXPECT_EQ((Point{arrows[1]->X1, arrows[1]->Y1}), (Point{18000, 20600}));
    const TTextobj* top = f.TextAt(14000, 20600);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->Text(), "8000");
    EXPECT_EQ(top->Align, 6);
    EXPECT_EQ(top->X2, 900);
    EXPECT_EQ(top->Height, 10);
    const TTextobj* bottom = f.TextAt(14000, 13400);
    ASSERT_NE(bottom, nullptr);
    EXPECT_EQ(bottom->Align, 4);
    ASSERT_NE(f.TextAt(18600, 17000), nullptr); // the right wall, running down
    ASSERT_NE(f.TextAt(9400, 17000), nullptr);  // the left wall, running up
    EXPECT_EQ(f.OfKind(34).size(), 4u);         // four walls: no overall dimensions
    EXPECT_EQ(f.Tool().Mode, 31);
    // Derived data: a second run replaces the first.
    f.Dimension();
    EXPECT_EQ(f.OfKind(250).size(), 8u);
    EXPECT_EQ(f.OfKind(34).size(), 4u);
}

// An L-shaped outline of six walls: an overall dimension for each side made of two walls or more.
TEST(AutoDimension, AnOutlineOfMoreThanFourWallsGetsItsOverallDimensions) {
    DimensionFixture f;
    f.Outline(
        {{10000, 20000}, {16000, 20000}, {16000, 17000}, {20000, 17000}, {20000, 12000}, {10000, 12000}});
    f.Open();
    f.Dimension();
    EXPECT_EQ(f.OfKind(34).size(), 6u + 2u); // the right side (two walls running down) and the top
    const TTextobj* right = f.TextAt(21000, 16000);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->Text(), "8000");
    const TTextobj* top = f.TextAt(15000, 21000);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->Text(), "10000");
}

// The L-shaped house of the fixture: twelve external walls, seven of them along the top. Every wall gets its
// arrows and text, and the top, bottom and left sides their overall dimensions (the right side is one
// wall); the saved drawing holds exactly these.
TEST(AutoDimension, TheClosedOutlineOfAFixtureIsDimensionedAndSaved) {
    DimensionFixture f;
    std::filesystem::copy_file(test::Fixture("l_house.BMS"), f.DrawingPath());
    ASSERT_TRUE(LoadDrawing(f.S, ModeWorking).Ok());
    f.Open();
    f.Dimension();
    // The outline's box, in the same world units as the saved drawing read back.
    Extent box;
    for (const TObj* w : f.OfKind(100)) {
        box.MinX = box.Empty ? w->X1 : std::min({box.MinX, w->X1, w->X2});
        box.MaxX = box.Empty ? w->X1 : std::max({box.MaxX, w->X1, w->X2});
        box.MinY = box.Empty ? w->Y1 : std::min({box.MinY, w->Y1, w->Y2});
        box.MaxY = box.Empty ? w->Y1 : std::max({box.MaxY, w->Y1, w->Y2});
        box.Empty = false;
    }
    AppState back;
    back.HomePath = f.S.HomePath;
    back.DrawingName = f.S.DrawingName;
    back.SheetWidth = f.S.SheetWidth, back.SheetHeight = f.S.SheetHeight;
    back.SetUnitsFromMetricFlag();
    ASSERT_TRUE(LoadDrawing(back, ModeWorking).Ok());
    int arrows = 0, texts = 0;
    std::map<std::pair<int, int>, std::string> at;
    for (const auto& o : back.DrawingObjects) {
        if (o->Kind == 250) ++arrows;
        if (o->Kind != 34) continue;
        ++texts;
        at[{o->X1, o->Y1}] = static_cast<const TTextobj&>(*o).Text();
    }
    EXPECT_EQ(arrows, 2 * 12 + 2 * 3);
    EXPECT_EQ(texts, 12 + 3);
    const int midX = (box.MinX + box.MaxX) / 2, midY = (box.MinY + box.MaxY) / 2;
    EXPECT_EQ((at[{midX, box.MaxY + 1000}]), "14000");      // top, over the seven walls
    EXPECT_EQ((at[{midX, box.MinY - 1000}]), "14000");      // bottom, two walls
    EXPECT_EQ((at[{box.MinX - 1000, midY}]), "9000");       // left, two walls
    EXPECT_EQ((at[{midX + 2000, box.MaxY + 600}]), "2000"); // one of the top walls, 600 outside it
    // Derived data: a second run replaces the first, record for record.
    const std::string first = test::ReadFile(f.DrawingPath());
    f.Dimension();
    const std::string second = test::ReadFile(f.DrawingPath());
    EXPECT_EQ(std::count(second.begin(), second.end(), '\n'), std::count(first.begin(), first.end(), '\n'));
}

TEST(AutoDimension, ImperialLengthsReadInFeetInchesAndEighths) {
    DimensionFixture f(0);
    f.Outline({{10000, 20000}, {13030, 20000}, {13030, 17000}, {10000, 17000}});
    f.Open();
    // The imperial sheet takes the square window's shape, and the outline moves with the sheet.
    const TObj* first = f.OfKind(100).front();
    const int dx = first->X1 - 10000, dy = first->Y1 - 20000;
    f.Dimension();
    const TTextobj* top = f.TextAt(11515 + dx, 20576 + dy);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->Text(), "10' 6 1/4''");
}

TEST(AutoDimension, ClearingRemovesOnlyTheDerivedObjectsOfTheView) {
    DimensionFixture f;
    f.Outline({{10000, 20000}, {18000, 20000}, {18000, 14000}, {10000, 14000}});
    auto other = std::make_unique<TArrowobj>();
    other->View = ViewFirst;
    f.S.DrawingObjects.Append(std::move(other));
    f.Open();
    f.Dimension();
    ClearAutoDimensions(f.S);
    EXPECT_EQ(f.OfKind(250).size(), 1u); // the first floor's arrow stays
    EXPECT_TRUE(f.OfKind(34).empty());
    EXPECT_EQ(f.OfKind(100).size(), 4u);
}

// The texts of angled walls read along the wall; quarter turns, which a nearly level or upright wall
// rounds to, continue the rule from both sides.
TEST(AutoDimension, AngledWallTextsHaveARuleForEveryBearing) {
    struct Case {
        int Bearing, Angle, Align;
    };
    const Case cases[] = {
        {450, 3150, 6}, {1200, 300, 6},  {1500, 2400, 6}, {2000, 2900, 4}, {3300, 2400, 4}, {0, 2700, 6},
        {900, 0, 6},    {1800, 2700, 6}, {2700, 0, 4},    {899, 3599, 6},  {901, 1, 6},     {2699, 3599, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Bearing);
        const SlantTextRule r = SlantText(c.Bearing);
        EXPECT_EQ(r.Angle, c.Angle);
        EXPECT_EQ(r.Align, c.Align);
    }
}

TEST(Arrows, AxisArrowsHaveTheirShaftWingsAndTick) {
    const TArrowobj a = AxisArrow(1000, 2000, ArrowTip::Up, 5);
    EXPECT_EQ((Point{a.X2, a.Y2}), (Point{1000, 1800}));
    EXPECT_EQ((Point{a.HeadAX, a.HeadAY}), (Point{975, 1900}));
    EXPECT_EQ((Point{a.HeadBX, a.HeadBY}), (Point{1025, 1900}));
    EXPECT_EQ((Point{a.TailAX, a.TailAY}), (Point{900, 2000}));
    // An angled wall's arrow is the same figure turned: at 900 it matches the level arrow offset upward.
    const TArrowobj s = SlantArrow(1000, 2000, 900, true, 600, 5);
    EXPECT_EQ((Point{s.X1, s.Y1}), (Point{1000, 2600}));
    EXPECT_EQ((Point{s.X2, s.Y2}), (Point{1200, 2600}));
}

struct ManualFixture : DimensionFixture {
    explicit ManualFixture(int metricFlag = 1) : DimensionFixture(metricFlag) {
        Open();
        UnitFrame(-100, -100);
        CmNewdimensionExecute(S, Ui);
    }
    static Point Pixel(int x, int y) { return {x / 5 + 100, 900 - y / 5}; }
    void EnterAt(int x, int y) {
        Ui.SetCursorPos(Pixel(x, y));
        Window->OnKeyDown(KeyEvent{Key::Enter});
    }
    int SavedOfKind(int kind) {
        AppState back;
        back.HomePath = S.HomePath;
        back.DrawingName = S.DrawingName;
        back.SheetWidth = S.SheetWidth, back.SheetHeight = S.SheetHeight;
        back.SetUnitsFromMetricFlag();
        EXPECT_TRUE(LoadDrawing(back, ModeWorking).Ok());
        int n = 0;
        for (const auto& o : back.DrawingObjects)
            if (o->Kind == kind) ++n;
        return n;
    }
};

TEST(ManualDimension, TwoPointsMakeTheDimensionAndItsMeasuredText) {
    ManualFixture f;
    EXPECT_EQ(f.Ui.Panel(2), "New Dimension");
    f.EnterAt(5000, 5000);
    EXPECT_EQ(f.Tool().Step, 21);
    f.Ui.Queue(ScriptAnswer::ForInput("4000"));
    f.EnterAt(5030, 9000);
    const auto dims = f.OfKind(261);
    ASSERT_EQ(dims.size(), 1u);
    const auto& d = static_cast<const TDimensobj&>(*dims[0]);
    EXPECT_EQ((Point{d.X1, d.Y1}), (Point{5000, 5000})); // vertical at the first point's x
    EXPECT_EQ((Point{d.X2, d.Y2}), (Point{5000, 5200}));
    EXPECT_EQ((Point{d.X3, d.Y3}), (Point{5000, 9000}));
    EXPECT_EQ((Point{d.X4, d.Y4}), (Point{5000, 8800}));
    EXPECT_EQ(d.Orientation, 0);
    EXPECT_EQ(d.Highlight, 10001);
    const auto texts = f.OfKind(35);
    ASSERT_EQ(texts.size(), 1u);
    const auto& t = static_cast<const TTextobj&>(*texts[0]);
    EXPECT_EQ(t.Text(), "4000");
    EXPECT_EQ((Point{t.X1, t.Y1}), (Point{5000, 7000}));
    EXPECT_EQ(t.Height, 8);
    EXPECT_EQ(f.SavedOfKind(35), 1);
    EXPECT_EQ(f.Tool().Mode, ModePick);
}

// The dimension is saved before its measurement is asked: a repaint behind the question shows it and a
// cancelled question keeps it, whole, without its text.
TEST(ManualDimension, ACancelledMeasurementKeepsTheSavedDimension) {
    ManualFixture f;
    f.EnterAt(2000, 3000);
    f.Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Input));
    f.EnterAt(6000, 3010);
    EXPECT_EQ(f.SavedOfKind(261), 1);
    EXPECT_EQ(f.SavedOfKind(35), 0);
    EXPECT_EQ(f.Tool().Mode, ModePick);
    f.Ui.Invalidate();
    f.Ui.Idle(); // a repaint reads the list: the dimension is still there
    EXPECT_EQ(f.OfKind(261).size(), 1u);
    const auto& d = static_cast<const TDimensobj&>(*f.OfKind(261)[0]);
    EXPECT_EQ(d.Orientation, 900);
    EXPECT_EQ((Point{d.X3, d.Y3}), (Point{6000, 3000}));
}

TEST(ManualDimension, TwoPointsOnTopOfEachOtherMakeNothing) {
    ManualFixture f;
    f.EnterAt(2000, 3000);
    f.EnterAt(2000, 3000);
    EXPECT_TRUE(f.OfKind(261).empty());
    EXPECT_EQ(f.Tool().Step, 21); // the second point may be marked again
}

TEST(ManualDimension, AFirstPointNearAWallLineMovesOntoIt) {
    ManualFixture f;
    f.AddExtwall(ViewGround, 3000, 1000, 3000, 8000);
    const Point p = static_cast<TLineobjtool&>(f.Tool()).SnapToWallLine(2980, 4000);
    EXPECT_EQ(p, (Point{3000, 4000}));
    EXPECT_EQ(static_cast<TLineobjtool&>(f.Tool()).SnapToWallLine(2960, 4000), (Point{2960, 4000}));
}

TEST(ManualDimension, IsNotForTheLayoutView) {
    DimensionFixture f;
    f.Open(ViewLayout);
    CmNewdimensionExecute(f.S, f.Ui);
    EXPECT_EQ(f.Tool().Mode, ModePick);
}

} // namespace
} // namespace velmora
