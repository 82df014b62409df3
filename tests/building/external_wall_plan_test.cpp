// The making of external walls without a window: inner lines of free walls, the corners where joined walls'
// inner lines meet, the closing wall joined at both ends, and the refusals that must leave every neighbour
// as it was.
#include "building/external_wall_plan.h"
#include "building/wall_geometry.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

constexpr WallType Cavity275{110, 55, 110};
constexpr WallType Solid230{230, 0, 0};

struct PlanFixture : ::testing::Test {
    TFlist List;
    PlanFixture() {
        for (int i = 0; i < FloorRecordCount; ++i) {
            auto info = MakeObjectOfKind(32000 + i);
            info->View = 120 + i;
            List.Append(std::move(info));
        }
    }
    // Makes a wall as the tool would and returns it as stored.
    std::optional<TExtwallobj> Make(Point a, Point b, WallType type, int innerSide = 1) {
        WallRequest r;
        r.Start = a, r.End = b;
        r.Bearing = BearingOf(a, b);
        r.InnerSide = innerSide;
        r.Settings.Type = type;
        const auto plan = PlanExternalWall(List, r);
        if (!plan) return std::nullopt;
        return *static_cast<const TExtwallobj*>(List.At(ApplyWallPlan(List, *plan, 7)));
    }
    const TExtwallobj& Wall(int i) const {
        return *static_cast<const TExtwallobj*>(List.At(FloorRecordCount + i));
    }
};

TEST_F(PlanFixture, AFreeCavityWallHasThreeInnerLinesBelowIt) {
    const auto w = Make({10000, 10000}, {14000, 10000}, Cavity275);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Angle, 900);
    EXPECT_EQ(w->Aux, 4000);
    EXPECT_EQ(w->Highlight, 7);
    const int ys[][2] = {{w->Face1Y1, w->Face1Y2}, {w->Face2Y1, w->Face2Y2}, {w->Face3Y1, w->Face3Y2}};
    const int want[] = {9890, 9835, 9725};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(ys[k][0], want[k]);
        EXPECT_EQ(ys[k][1], want[k]);
    }
    EXPECT_EQ(w->Face3X1, 10000);
    EXPECT_EQ(w->Face3X2, 14000);
    EXPECT_EQ(w->WallCodes, (std::array<std::int32_t, 4>{100, 18, 100, 20}));
}

// A wall on its own is turned to run clockwise for the side its inner lines were said to lie on.
TEST_F(PlanFixture, AFreeWallRunsTheWayItsInnerSideAsks) {
    struct Case {
        int Side;
        Point A, B;
        Point WantStart;
        int WantBearing;
    };
    const Case cases[] = {
        {1, {14000, 10000}, {10000, 10000}, {10000, 10000}, 900},
        {2, {10000, 10000}, {10000, 14000}, {10000, 14000}, 1800},
        {3, {10000, 10000}, {14000, 10000}, {14000, 10000}, 2700},
        {4, {10000, 14000}, {10000, 10000}, {10000, 10000}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Side);
        List.RemoveFrom(FloorRecordCount, [](const TObj&) { return true; });
        const auto w = Make(c.A, c.B, Solid230, c.Side);
        ASSERT_TRUE(w);
        EXPECT_EQ((Point{w->X1, w->Y1}), c.WantStart);
        EXPECT_EQ(w->Angle, c.WantBearing);
    }
}

// Four walls round a rectangle: every inner corner lies 230 from both outer lines, and the fourth wall is
// joined to the first as well as to the third.
TEST_F(PlanFixture, ARectangleOfSolidWallsMeetsSquareAtEveryCorner) {
    const Point c[] = {{10000, 10000}, {14000, 10000}, {14000, 7000}, {10000, 7000}};
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(Make(c[i], c[(i + 1) % 4], Solid230));
    const Point inner[] = {{10230, 9770}, {13770, 9770}, {13770, 7230}, {10230, 7230}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const TExtwallobj& w = Wall(i);
        EXPECT_EQ((Point{w.Face1X1, w.Face1Y1}), inner[i]);
        EXPECT_EQ((Point{w.Face1X2, w.Face1Y2}), inner[(i + 1) % 4]);
        EXPECT_EQ(w.Face2X1, 0) << "a solid wall has no second line";
    }
}

// Right then up: the corner is concave and the inner lines are extended past the outer corner.
TEST_F(PlanFixture, AConcaveCornerExtendsTheInnerLines) {
    ASSERT_TRUE(Make({10000, 10000}, {14000, 10000}, Cavity275));
    ASSERT_TRUE(Make({14000, 10000}, {14000, 13000}, Cavity275));
    const TExtwallobj &right = Wall(0), &up = Wall(1);
    EXPECT_EQ((Point{right.Face1X2, right.Face1Y2}), (Point{14110, 9890}));
    EXPECT_EQ((Point{up.Face1X1, up.Face1Y1}), (Point{14110, 9890}));
    EXPECT_EQ((Point{right.Face3X2, right.Face3Y2}), (Point{14275, 9725}));
    EXPECT_EQ((Point{up.Face3X1, up.Face3Y1}), (Point{14275, 9725}));
}

TEST_F(PlanFixture, AnAngledWallShiftsItsInnerLineByTruncatedComponents) {
    const auto w = Make({10000, 10000}, {13000, 13000}, {100, 0, 0});
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Angle, 450);
    EXPECT_EQ(w->Face1X1 - w->X1, 70);
    EXPECT_EQ(w->Face1Y1 - w->Y1, -70);
}

// An angled wall after a level one: both inner lines end on the same point of the corner's bisector.
TEST_F(PlanFixture, AMitredCornerMeetsOnTheBisector) {
    ASSERT_TRUE(Make({10000, 10000}, {14000, 10000}, {100, 0, 0}));
    ASSERT_TRUE(Make({14000, 10000}, {17000, 7000}, {100, 0, 0}));
    const TExtwallobj &a = Wall(0), &b = Wall(1);
    EXPECT_EQ(a.Face1X2, b.Face1X1);
    EXPECT_EQ(a.Face1Y2, b.Face1Y1);
    EXPECT_EQ(a.Face1Y2, 9900);
    // On the bisector of a 45 degree turn: 100 × tan(22.5°) = 41.4 short of the corner, truncated.
    EXPECT_EQ(a.Face1X2, 13959);
}

// A wall that doubles back on the one it continues has no corner to cut: both keep plain inner lines,
// instead of lines sent off by a division by zero.
TEST_F(PlanFixture, AWallThatDoublesBackKeepsPlainInnerLines) {
    ASSERT_TRUE(Make({10000, 10000}, {17000, 13000}, {100, 0, 0}));
    const TExtwallobj before = Wall(0);
    const auto back = Make({17000, 13000}, {10000, 10000}, {100, 0, 0});
    ASSERT_TRUE(back);
    EXPECT_EQ(Wall(0).Face1X2, before.Face1X2);
    EXPECT_EQ(Wall(0).Face1Y2, before.Face1Y2);
    const Point shift = InsideShift(back->Angle, 100);
    EXPECT_EQ(back->Face1X1, back->X1 + shift.X);
    EXPECT_EQ(back->Face1Y1, back->Y1 + shift.Y);
}

// The closing wall, its ends a little off the run's free ends, is moved onto both and joined at both.
TEST_F(PlanFixture, TheClosingWallJoinsBothNeighboursOnce) {
    ASSERT_TRUE(Make({10000, 10000}, {14000, 10000}, Solid230));
    ASSERT_TRUE(Make({14000, 10000}, {14000, 7000}, Solid230));
    ASSERT_TRUE(Make({14000, 7000}, {10000, 7000}, Solid230));
    WallRequest r;
    r.Start = {10005, 7004}, r.End = {10007, 9994};
    r.Bearing = 0;
    r.Settings.Type = Solid230;
    const auto plan = PlanExternalWall(List, r);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->StartNeighbour, FloorRecordCount + 2);
    EXPECT_EQ(plan->EndNeighbour, FloorRecordCount + 0);
    EXPECT_EQ((Point{plan->Wall.X1, plan->Wall.Y1}), (Point{10000, 7000}));
    EXPECT_EQ((Point{plan->Wall.X2, plan->Wall.Y2}), (Point{10000, 10000}));
    EXPECT_EQ(plan->Wall.Angle, 0);
    EXPECT_EQ(plan->Wall.Aux, 3000);
    EXPECT_EQ((Point{plan->EndNeighbourWall.Face1X1, plan->EndNeighbourWall.Face1Y1}), (Point{10230, 9770}));
}

// A wall that cannot be made (its inner line would lie by the sheet origin) leaves its neighbour's corner
// as it was: nothing is changed before the wall is known to be made.
TEST_F(PlanFixture, ARefusedWallChangesNoNeighbour) {
    ASSERT_TRUE(Make({5000, 5000}, {50, 5000}, {100, 0, 0}, 3));
    const TExtwallobj before = Wall(0);
    EXPECT_FALSE(Make({50, 5000}, {50, 2000}, {100, 0, 0}));
    EXPECT_EQ(List.ObjectCount(), FloorRecordCount + 1);
    EXPECT_EQ(Wall(0).Face1X2, before.Face1X2);
    EXPECT_EQ(Wall(0).Face1Y2, before.Face1Y2);
    EXPECT_FALSE(Make({6000, 6000}, {6000, 6000}, Solid230)) << "ends equal";
}

} // namespace
} // namespace velmora
