// Polygons by kind sub-range: masks, outlines, filled fixtures, and the fixtures with marked edges.
#include "view/render_fixtures.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::MetricContext;

// A triangle (100,200) (300,200) (300,100) in logical units.
TPolyobj Triangle(int kind) {
    return TPolyobj(kind, 120, 0, 0, {{500, 1000}, {1500, 1000}, {1500, 500}}, Rgb(0, 150, 0), Rgb(0, 0, 90));
}

const std::vector<Point> TrianglePoints = {{100, 200}, {300, 200}, {300, 100}};

TEST(PolygonPaintTest, KindDecidesThePicture) {
    const PaintContext pc = MetricContext();
    struct Case {
        int Kind;
        int Polygons;
        int Segments;
        Colorref Fill; // brush of the filled polygon
    };
    const std::vector<Case> cases = {
        {2000, 1, 0, pc.BackgroundColour}, // mask
        {3110, 0, 3, 0},
        {3131, 0, 3, 0},
        {3149, 0, 3, 0},
        {3500, 0, 3, 0},
        {3599, 0, 3, 0}, // outlines
        {6000, 1, 0, Rgb(0, 150, 0)},
        {6105, 1, 0, Rgb(0, 150, 0)},
        {6720, 1, 0, Rgb(0, 150, 0)},
        {6749, 1, 0, Rgb(0, 150, 0)},
        {6500, 1, 3, Rgb(0, 150, 0)},
        {6600, 1, 3, Rgb(0, 150, 0)},
        {1000, 0, 0, 0},
        {3130, 0, 0, 0},
        {6750, 0, 0, 0},
        {24999, 0, 0, 0}, // no picture
    };
    for (const Case& c : cases) {
        RecordingCanvas dc;
        Triangle(c.Kind).Paint(dc, pc, 0);
        EXPECT_EQ(dc.Count(CanvasOp::Polygon), c.Polygons) << c.Kind;
        EXPECT_EQ(dc.Segments().size(), static_cast<std::size_t>(c.Segments)) << c.Kind;
        if (c.Polygons == 1) {
            const CanvasCall* poly = dc.CallsOf(CanvasOp::Polygon)[0];
            EXPECT_EQ(poly->Points, TrianglePoints) << c.Kind;
            EXPECT_EQ(poly->State.CurrentBrush, (Brush{false, c.Fill})) << c.Kind;
        }
        if (c.Polygons == 0 && c.Segments == 3) {
            EXPECT_TRUE(dc.HasSegment({300, 100}, {100, 200})) << c.Kind; // closed
        }
    }
}

TEST(PolygonPaintTest, MarkedEdgesVanishIntoTheFill) {
    TPolyobj poly = Triangle(6500);
    poly.MarkedEdges = {1, 100, 100, 100};
    const PaintContext pc = MetricContext();
    RecordingCanvas dc;
    poly.Paint(dc, pc, 0);
    const CanvasCall* fill = dc.CallsOf(CanvasOp::Polygon).at(0);
    const Pen fillPen{PenStyle::Solid, 2, Rgb(0, 150, 0)};
    const Pen own{PenStyle::Solid, 1, Rgb(0, 0, 90)};
    EXPECT_EQ(fill->State.CurrentPen, fillPen);
    auto segs = dc.Segments();
    ASSERT_EQ(segs.size(), 3u);
    EXPECT_EQ(segs[0].With, own);
    EXPECT_EQ(segs[1].With, fillPen);
    EXPECT_EQ(segs[1].From, (Point{300, 200}));
    EXPECT_EQ(segs[2].With, own);

    // Highlighted: the fill and the marked edges take the background, the other edges the highlight pen.
    RecordingCanvas h;
    poly.Paint(h, pc, 1);
    const Pen background{PenStyle::Solid, 2, pc.BackgroundColour};
    EXPECT_EQ(h.CallsOf(CanvasOp::Polygon).at(0)->State.CurrentBrush, (Brush{false, pc.BackgroundColour}));
    EXPECT_EQ(h.Segments()[1].With, background);
    EXPECT_EQ(h.Segments()[0].With, (Pen{PenStyle::Dash, 1, pc.HighlightColour}));
    EXPECT_EQ(poly.FillColour, Rgb(0, 150, 0));
}

TEST(PolygonPaintTest, MarksAreMatchedInAscendingOrder) {
    TPolyobj poly(6600, 120, 0, 0, {{0, 0}, {500, 0}, {500, 500}, {0, 500}}, Rgb(1, 1, 1), Rgb(2, 2, 2));
    poly.MarkedEdges = {0, 2, 3, 100};
    RecordingCanvas dc;
    poly.Paint(dc, MetricContext(), 0);
    std::vector<int> widths;
    for (const Segment& s : dc.Segments())
        widths.push_back(s.With.Width);
    EXPECT_EQ(widths, (std::vector<int>{2, 1, 2, 2}));
}

TEST(PolygonPaintTest, EmptyOrDamagedVertexCountsAreSafe) {
    TPolyobj empty = Triangle(6720);
    empty.VertexCount = 0;
    RecordingCanvas dc;
    empty.Paint(dc, MetricContext(), 0);
    EXPECT_EQ(dc.Count(CanvasOp::Polygon), 0);

    TPolyobj damaged = Triangle(6720);
    damaged.VertexCount = 1000; // as a damaged file could hold
    RecordingCanvas d;
    damaged.Paint(d, MetricContext(), 0);
    EXPECT_EQ(d.CallsOf(CanvasOp::Polygon).at(0)->Points.size(),
              static_cast<std::size_t>(TPolyobj::MaxVertices));
    damaged.VertexCount = -4;
    RecordingCanvas n;
    damaged.Paint(n, MetricContext(), 0);
    EXPECT_EQ(n.Count(CanvasOp::Polygon), 0);
}

} // namespace
} // namespace velmora
