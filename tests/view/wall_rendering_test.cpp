// Walls in the display modes: face lines, the hatched picture with its pair spacing, the solid picture.
#include "view/render_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora {
namespace {

using test::HorizontalExtwall;
using test::HorizontalInwall;
using test::MetricContext;

enum class Picture { Lines, Hatched, Solid, Nothing };

// Every wall kind in every kind of display mode. The walls are 600 by 20 logical units: two faces, and in
// the hatched picture 5 pairs of strokes.
TEST(WallPaintTest, EveryWallKindInEveryDisplayMode) {
    struct Case {
        int Kind;
        int Mode;
        Picture Expect;
    };
    std::vector<Case> cases;
    auto pictureFor = [](int kind, int mode) {
        if (kind != 100 && kind != 150) return Picture::Lines; // stop ends and second-class walls
        if (mode < 10) return Picture::Lines;
        if (mode < 20) return Picture::Hatched;
        if (mode < 30) return Picture::Solid;
        return Picture::Nothing;
    };
    for (int kind : {100, 110, 150, 151, 152, 153, 154, 155})
        for (int mode : {0, 1, 4, 9, 10, 13, 19, 20, 24, 29, 30, 35})
            cases.push_back({kind, mode, pictureFor(kind, mode)});

    for (const Case& c : cases) {
        std::unique_ptr<TObj> wall;
        if (c.Kind < 150)
            wall = HorizontalExtwall(c.Kind);
        else
            wall = HorizontalInwall(c.Kind);
        PaintContext pc = MetricContext();
        pc.WallDisplayMode = c.Mode;
        RecordingCanvas dc;
        wall->Paint(dc, pc, 0);
        const auto segs = dc.Segments();
        const std::string where = "kind " + std::to_string(c.Kind) + " mode " + std::to_string(c.Mode);
        switch (c.Expect) {
        case Picture::Lines:
            ASSERT_EQ(segs.size(), 2u) << where;
            EXPECT_EQ(segs[0].With, (Pen{PenStyle::Solid, 1, wall->Colour})) << where;
            EXPECT_EQ(dc.Count(CanvasOp::Polygon), 0) << where;
            break;
        case Picture::Hatched:
            EXPECT_EQ(segs.size(), 12u) << where;
            EXPECT_EQ(segs[0].With, (Pen{PenStyle::Solid, 5, wall->Colour})) << where; // faces
            EXPECT_EQ(segs[2].With, (Pen{PenStyle::Solid, 2, wall->Colour})) << where; // hatch
            EXPECT_EQ(dc.Count(CanvasOp::Polygon), 0) << where;
            break;
        case Picture::Solid: {
            ASSERT_EQ(segs.size(), 2u) << where;
            auto polys = dc.CallsOf(CanvasOp::Polygon);
            ASSERT_EQ(polys.size(), 1u) << where;
            EXPECT_EQ(polys[0]->State.CurrentBrush, (Brush{false, Rgb(0, 0, 0)})) << where;
            EXPECT_EQ(polys[0]->Points.size(), 4u) << where;
            break;
        }
        case Picture::Nothing:
            EXPECT_TRUE(segs.empty()) << where;
            EXPECT_EQ(dc.Count(CanvasOp::Polygon), 0) << where;
            break;
        }
    }
}

// 3000 by 100 mm is 600 by 20 logical units: (600 - 40) div 140 + 1 = 5 pairs, 125 apart, each stroke
// slanting 20 toward the far end, starting 20 in from the left.
TEST(WallPaintTest, HorizontalInternalWallHatchPairs) {
    PaintContext pc = MetricContext();
    pc.WallDisplayMode = 10;
    RecordingCanvas dc;
    HorizontalInwall()->Paint(dc, pc, 0);
    std::vector<Segment> hatch = dc.SegmentsWhere([](const Segment& s) { return s.With.Width == 2; });
    ASSERT_EQ(hatch.size(), 10u);
    std::vector<int> starts;
    for (const Segment& s : hatch) {
        EXPECT_EQ(s.From.Y, 400);
        EXPECT_EQ(s.To.Y, 380);
        EXPECT_EQ(s.To.X - s.From.X, 20);
        starts.push_back(s.From.X);
    }
    EXPECT_EQ(starts, (std::vector<int>{220, 235, 345, 360, 470, 485, 595, 610, 720, 735}));
    EXPECT_LT(hatch.back().To.X, 800); // short of the far end
}

TEST(WallPaintTest, InternalWallsHatchFromTheLeftExternalWallsFromTheirStart) {
    PaintContext pc = MetricContext();
    pc.WallDisplayMode = 11;
    auto firstHatch = [&](const TObj& wall) {
        RecordingCanvas dc;
        wall.Paint(dc, pc, 0);
        return dc.SegmentsWhere([](const Segment& s) { return s.With.Width == 2; }).at(0);
    };
    auto reversedInwall = HorizontalInwall();
    std::swap(reversedInwall->X1, reversedInwall->X2);
    std::swap(reversedInwall->SecondX1, reversedInwall->SecondX2);
    const Segment in = firstHatch(*reversedInwall);
    EXPECT_EQ(in.From, (Point{220, 400}));
    EXPECT_EQ(in.To, (Point{240, 380}));

    const Segment ext = firstHatch(*HorizontalExtwall(100, true)); // drawn from x 800 toward 200
    EXPECT_EQ(ext.From, (Point{780, 1000}));
    EXPECT_EQ(ext.To, (Point{760, 980}));
}

TEST(WallPaintTest, VerticalWallHatchRunsDownFromTheTop) {
    auto wall = HorizontalInwall();
    wall->X1 = 1000, wall->Y1 = 2000, wall->X2 = 1000, wall->Y2 = 5000;
    wall->SecondX1 = 1100, wall->SecondY1 = 2000, wall->SecondX2 = 1100, wall->SecondY2 = 5000;
    PaintContext pc = MetricContext();
    pc.WallDisplayMode = 10;
    RecordingCanvas dc;
    wall->Paint(dc, pc, 0);
    auto hatch = dc.SegmentsWhere([](const Segment& s) { return s.With.Width == 2; });
    ASSERT_EQ(hatch.size(), 10u);
    EXPECT_EQ(hatch[0].From, (Point{200, 980}));
    EXPECT_EQ(hatch[0].To, (Point{220, 960}));
    EXPECT_EQ(hatch[2].From, (Point{200, 855}));
}

TEST(WallPaintTest, AngledWallHatchIsUprightStrokesAcrossTheLeafEvery125) {
    TInwallobj wall;
    wall.X1 = 0, wall.Y1 = 0, wall.X2 = 3000, wall.Y2 = 3000; // 45 degrees, 600 logical along x
    // 100 mm across a 45 degree wall is 141 mm measured vertically: 28 logical units.
    wall.SecondX1 = 0, wall.SecondY1 = -140, wall.SecondX2 = 3000, wall.SecondY2 = 2860;
    wall.Thickness = 100;
    wall.Angle = 450;
    PaintContext pc = MetricContext();
    pc.WallDisplayMode = 10;
    RecordingCanvas dc;
    wall.Paint(dc, pc, 0);
    auto hatch = dc.SegmentsWhere([](const Segment& s) { return s.With.Width == 2; });
    ASSERT_EQ(hatch.size(), 4u);
    for (std::size_t i = 0; i < hatch.size(); ++i) {
        const int x = 125 * static_cast<int>(i + 1);
        EXPECT_EQ(hatch[i].From, (Point{x, x}));
        EXPECT_EQ(hatch[i].To, (Point{x, x - 28}));
    }
}

TEST(WallPaintTest, CavityWallsShowFourLinesAndAWideCavityHatchesBothLeaves) {
    auto wall = HorizontalExtwall();
    wall->Cavity = 50;
    wall->Leaf2 = 100;
    wall->Face2X1 = 1000, wall->Face2Y1 = 4850, wall->Face2X2 = 4000, wall->Face2Y2 = 4850;
    wall->Face3X1 = 1000, wall->Face3Y1 = 4750, wall->Face3X2 = 4000, wall->Face3Y2 = 4750;
    const std::vector<std::pair<int, std::size_t>> modeSegments = {{0, 4}, {10, 4 + 10 + 10}, {20, 2}};
    for (auto [mode, count] : modeSegments) {
        PaintContext pc = MetricContext();
        pc.WallDisplayMode = mode;
        RecordingCanvas dc;
        wall->Paint(dc, pc, 0);
        EXPECT_EQ(dc.Segments().size(), count) << mode;
    }
    // The solid picture fills to the innermost line.
    PaintContext pc = MetricContext();
    pc.WallDisplayMode = 20;
    RecordingCanvas dc;
    wall->Paint(dc, pc, 0);
    EXPECT_EQ(dc.CallsOf(CanvasOp::Polygon).at(0)->Points,
              (std::vector<Point>{{200, 1000}, {800, 1000}, {800, 950}, {200, 950}}));

    // A cavity of 2 or less is a thin gap: the inner leaf is not hatched.
    wall->Cavity = 2;
    pc.WallDisplayMode = 10;
    RecordingCanvas thin;
    wall->Paint(thin, pc, 0);
    EXPECT_EQ(thin.Segments().size(), 4u + 10u);
}

TEST(WallPaintTest, HighlightedWallsInTheWallPictures) {
    const PaintContext base = MetricContext();
    PaintContext hatched = base, solid = base;
    hatched.WallDisplayMode = 10;
    solid.WallDisplayMode = 20;
    auto in = HorizontalInwall();
    in->PenStyle = 2;

    RecordingCanvas h;
    in->Paint(h, hatched, 1);
    // The hatched picture keeps the wall's own style; only the colour marks the highlight.
    EXPECT_EQ(h.Segments()[0].With, (Pen{PenStyle::Dot, 5, base.HighlightColour}));
    EXPECT_EQ(h.Segments()[2].With, (Pen{PenStyle::Solid, 2, base.HighlightColour}));

    RecordingCanvas ext;
    HorizontalExtwall()->Paint(ext, hatched, 1);
    EXPECT_EQ(ext.Segments()[0].With.Style, PenStyle::Solid);

    RecordingCanvas s;
    in->Paint(s, solid, 1);
    EXPECT_EQ(s.Segments()[0].With, (Pen{PenStyle::Dash, 1, base.HighlightColour}));
}

} // namespace
} // namespace velmora
