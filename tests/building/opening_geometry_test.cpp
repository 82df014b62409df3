// Where openings go and what they are made of, without a window: the wall search in the wall's own frame
// and the objects turned onto walls of every direction.
#include "building/opening_parts.h"
#include "building/opening_wall_hit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

// A solid external wall of thickness t from a to b; its inner line lies on the right of travel.
std::unique_ptr<TExtwallobj> Wall(Point a, Point b, int t, int element = 7) {
    auto w = std::make_unique<TExtwallobj>();
    w->View = 120;
    w->Highlight = element;
    w->X1 = a.X, w->Y1 = a.Y, w->X2 = b.X, w->Y2 = b.Y;
    w->Leaf1 = t;
    return w;
}

OpeningChoice Window(int width) {
    OpeningChoice c;
    c.Type = OpeningWindow;
    c.OpeningWidth = width;
    c.WindowHeight = 1200;
    return c;
}

const TPolyobj& MaskOf(const OpeningObjects& objs) {
    return static_cast<const TPolyobj&>(*objs.front());
}

std::pair<int, int> XRange(const TPolyobj& m) {
    const auto [lo, hi] = std::minmax({m.Xs[0], m.Xs[1], m.Xs[2], m.Xs[3]});
    return {lo, hi};
}
std::pair<int, int> YRange(const TPolyobj& m) {
    const auto [lo, hi] = std::minmax({m.Ys[0], m.Ys[1], m.Ys[2], m.Ys[3]});
    return {lo, hi};
}

TEST(OpeningWallHitTest, WallsOfEveryDirectionTakeACentredWindowInsideTheirSpan) {
    struct Case {
        Point A, B, P;
        bool Accepted;
    } cases[] = {
        {{0, 3000}, {3000, 3000}, {1000, 2900}, true}, // running right: 900 at 1000 fits
        {{0, 3000}, {3000, 3000}, {400, 2900}, false}, // ... at 400 it would overlap the end
        {{3000, 0}, {0, 0}, {1000, 100}, true},        // running left
        {{3000, 0}, {0, 0}, {2700, 100}, false},
        {{0, 3000}, {0, 0}, {-100, 1000}, true}, // running down: inside lies to the left
        {{0, 3000}, {0, 0}, {100, 1000}, false}, // the wrong side of the first line
        {{0, 0}, {0, 3000}, {100, 2550}, true},  // running up, at the very limit
        {{0, 0}, {0, 3000}, {100, 2551}, false},
    };
    for (const Case& c : cases) {
        TFlist list;
        list.Append(Wall(c.A, c.B, 230));
        const auto hit = FindOpeningWall(list, 120, c.P, Window(900));
        EXPECT_EQ(hit.has_value(), c.Accepted) << c.P.X << "," << c.P.Y << " on " << c.A.X << "," << c.A.Y;
    }
}

TEST(OpeningWallHitTest, AnInnerFaceHitIsBuiltFromTheFirstLine) {
    TFlist list;
    list.Append(Wall({0, 3000}, {3000, 3000}, 230));
    const auto hit = FindOpeningWall(list, 120, {1500, 2790}, Window(900));
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->FaceHit, FaceInner);
    EXPECT_EQ(hit->Frame.Anchor(), (Point{1500, 3000}));
    const OpeningObjects objs = BuildOpening(Window(900), OpeningStyle{}, *hit, 100001);
    EXPECT_EQ(YRange(MaskOf(objs)), (std::pair{2770, 3000}));
}

TEST(OpeningWallHitTest, AnAngledWallTakesOnlyPointsBetweenItsLines) {
    TFlist list;
    list.Append(Wall({0, 4000}, {4000, 0}, 100)); // bearing 1350, inside down and left
    // On the wall's line half way, and 50 inside it: accepted. Inside the wall's box but far from its
    // lines, or outside the first line: refused.
    EXPECT_TRUE(FindOpeningWall(list, 120, {2000, 2000}, Window(900)));
    EXPECT_TRUE(FindOpeningWall(list, 120, {1965, 1965}, Window(900)));
    EXPECT_FALSE(FindOpeningWall(list, 120, {1000, 1000}, Window(900)));
    EXPECT_FALSE(FindOpeningWall(list, 120, {2050, 2050}, Window(900)));
    // Near the end, where the window would run past it.
    EXPECT_FALSE(FindOpeningWall(list, 120, {3800, 200}, Window(900)));
}

TEST(OpeningPartsTest, AxisWallsTurnByExactQuarterTurns) {
    // A 900 window at x 12500 on a wall running right: the mask ends exactly 450 either side, and a
    // hanging door's square leaf keeps its 820 on every direction of wall.
    TFlist list;
    list.Append(Wall({10000, 10000}, {15000, 10000}, 275));
    const auto hit = FindOpeningWall(list, 120, {12500, 9900}, Window(900));
    ASSERT_TRUE(hit);
    EXPECT_EQ(XRange(MaskOf(BuildOpening(Window(900), OpeningStyle{}, *hit, 1))), (std::pair{12050, 12950}));

    const Point ends[][2] = {
        {{0, 5000}, {5000, 5000}}, {{5000, 5000}, {5000, 0}}, {{5000, 0}, {0, 0}}, {{0, 0}, {0, 5000}}};
    for (const auto& e : ends) {
        TFlist walls;
        walls.Append(Wall(e[0], e[1], 230));
        OpeningChoice door;
        door.Type = OpeningHangingDoor;
        door.OpeningWidth = door.DoorWidth = 820;
        door.DoorPlan = e[0].Y == e[1].Y ? 5 : 1;
        const Point mid{(e[0].X + e[1].X) / 2, (e[0].Y + e[1].Y) / 2};
        const auto h = FindOpeningWall(walls, 120, mid, door);
        ASSERT_TRUE(h) << e[0].X << "," << e[0].Y;
        const OpeningObjects objs = BuildOpening(door, OpeningStyle{}, *h, 1);
        const auto* leaf = dynamic_cast<const TLineobj*>(objs.at(1).get());
        ASSERT_TRUE(leaf);
        EXPECT_EQ(std::abs(leaf->X2 - leaf->X1) + std::abs(leaf->Y2 - leaf->Y1), 820);
        // The hinge is level with the marked point (on the face the leaf opens from) and the leaf stands
        // square to the wall.
        if (e[0].Y == e[1].Y)
            EXPECT_EQ(leaf->X1, mid.X);
        else
            EXPECT_EQ(leaf->Y1, mid.Y);
        EXPECT_TRUE(leaf->X1 == leaf->X2 ? e[0].Y == e[1].Y : e[0].X == e[1].X);
        EXPECT_EQ(objs.at(2)->Kind, 3); // the swing arc
    }
}

TEST(OpeningPartsTest, EveryObjectCarriesTheWallsElementAndTheOpeningNumber) {
    TFlist list;
    list.Append(Wall({0, 3000}, {3000, 3000}, 230, 42));
    OpeningChoice c = Window(900);
    c.ShowSizes = 1;
    const auto hit = FindOpeningWall(list, 121, {1500, 2900}, c);
    EXPECT_FALSE(hit); // the wall is on the ground floor, not the first
    list.At(0)->View = 121;
    const auto first = FindOpeningWall(list, 121, {1500, 2900}, c);
    ASSERT_TRUE(first);
    OpeningStyle style;
    style.View = 121;
    const int number = OpeningNumberFor(121, 5);
    EXPECT_EQ(number, 110005);
    const OpeningObjects objs = BuildOpening(c, style, *first, number);
    ASSERT_EQ(objs.size(), 3u); // mask, glass, label
    for (const auto& o : objs) {
        EXPECT_EQ(o->Highlight, 42);
        EXPECT_EQ(o->Aux, 110005);
        EXPECT_EQ(o->View, 121);
    }
    EXPECT_EQ(static_cast<const TTextobj&>(*objs[2]).Text(), "900 w x 1200 h");
}

TEST(OpeningPartsTest, FoldingDoorsOfAnOddCountGetOneMorePanel) {
    TFlist list;
    list.Append(Wall({0, 5000}, {6000, 5000}, 230));
    OpeningChoice c;
    c.Type = OpeningFoldingDoors;
    c.DoorWidth = 600, c.DoorCount = 5, c.OpeningWidth = 3000, c.DoorSide = 1;
    const auto hit = FindOpeningWall(list, 120, {3000, 4900}, c);
    ASSERT_TRUE(hit);
    const OpeningObjects objs = BuildOpening(c, OpeningStyle{}, *hit, 1);
    EXPECT_EQ(objs.size(), 1u + 6u); // the mask and six panels of 500
    const auto& panel = static_cast<const TLineobj&>(*objs[1]);
    EXPECT_EQ(std::abs(panel.Y2 - panel.Y1), 250); // half a panel deep
}

TEST(WindowSizeTextTest, MetricAndFeetAndInches) {
    EXPECT_EQ(WindowSizeText(900, 1200, 1), "900 w x 1200 h");
    EXPECT_EQ(WindowSizeText(864, 1152, 0), "3' 0'' x 4' 0''");
    EXPECT_EQ(WindowSizeText(876, 1152, 0), "3' 0 1/2'' x 4' 0''");
}

} // namespace
} // namespace velmora
