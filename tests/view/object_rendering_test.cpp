// The common paint entries and the simple classes: pens, highlight, printing, shapes, arrows, dimensions.
#include "view/render_fixtures.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::MetricContext;

TLineobj PlainLine() {
    return TLineobj(1, 120, 0, 0, 1003, 2009, -1003, 4000, Rgb(10, 20, 30), 1, 0);
}

TEST(PaintTest, LineReachesTheCanvasInLogicalUnitsTruncatedTowardZero) {
    RecordingCanvas dc;
    PlainLine().Paint(dc, MetricContext(), 0);
    ASSERT_EQ(dc.Segments().size(), 1u);
    const Segment s = dc.Segments()[0];
    EXPECT_EQ(s.From, (Point{200, 401}));
    EXPECT_EQ(s.To, (Point{-200, 800}));
    EXPECT_EQ(s.With, (Pen{PenStyle::Solid, 1, Rgb(10, 20, 30)}));
}

TEST(PaintTest, HighlightedLineIsDashedInHighlightColourOnScreenButKeepsItsStyleInPaintScaled) {
    TLineobj line = PlainLine();
    line.PenStyle = 2; // dotted
    const PaintContext pc = MetricContext();

    RecordingCanvas screen;
    line.Paint(screen, pc, 1);
    EXPECT_EQ(screen.Segments()[0].With, (Pen{PenStyle::Dash, 1, pc.HighlightColour}));

    RecordingCanvas picture;
    picture.SetMapping(Mapping{100, 200, 624, 346, 0, 0, 1, 1});
    line.PaintScaled(picture, pc, Rect{10, 20, 650, 420}, 1);
    EXPECT_EQ(picture.Segments()[0].With, (Pen{PenStyle::Dot, 1, pc.HighlightColour}));
    // The view's window stays; the viewport becomes the target with y upward.
    EXPECT_EQ(picture.GetMapping(), (Mapping{100, 200, 624, 346, 10, 420, 640, -400}));
    EXPECT_TRUE(picture.Current().BackgroundOpaque);
    EXPECT_EQ(picture.Current().BackgroundColour, pc.BackgroundColour);
}

TEST(PaintTest, PrintingNeverHighlightsAndWidensPensExceptDotted) {
    PaintContext pc = MetricContext();
    pc.Printing = true;
    pc.DefaultZoom = 6; // the pen factor of the print's line weight
    TLineobj line = PlainLine();
    line.PenWidth = 2;
    RecordingCanvas dc;
    line.Paint(dc, pc, 1);
    EXPECT_EQ(dc.Segments()[0].With, (Pen{PenStyle::Solid, 12, line.Colour}));

    line.PenStyle = 2;
    RecordingCanvas dotted;
    line.PaintScaled(dotted, pc, Rect{0, 0, 100, 100}, 0);
    EXPECT_EQ(dotted.Segments()[0].With, (Pen{PenStyle::Dot, 2, line.Colour}));
}

TEST(PaintTest, KindThreeThousandOneHundredTenIsAlwaysDotted) {
    auto poly = test::Tagged(3110, 120, 4, Rgb(1, 2, 3));
    RecordingCanvas normal, highlighted;
    poly->Paint(normal, MetricContext(), 0);
    poly->Paint(highlighted, MetricContext(), 1);
    for (const RecordingCanvas* dc : {&normal, &highlighted})
        for (const Segment& s : dc->Segments())
            EXPECT_EQ(s.With.Style, PenStyle::Dot);
    EXPECT_EQ(highlighted.Segments()[0].With.Colour, MetricContext().HighlightColour);
}

// The stored Highlight holds the element number; no paint may overwrite it.
TEST(PaintTest, PaintingLeavesTheStoredHighlightOfEveryClassUnchanged) {
    for (int kind : {1, 3, 4, 5, 6, 8, 100, 150, 250, 251, 29000, 6500, 6720, 2000}) {
        auto obj = test::Tagged(kind, 120, 3);
        obj->Highlight = 42;
        obj->FillColour = Rgb(9, 9, 9);
        for (int mode : {0, 10, 20}) {
            PaintContext pc = MetricContext();
            pc.WallDisplayMode = mode;
            RecordingCanvas dc;
            obj->Paint(dc, pc, 1);
            obj->PaintScaled(dc, pc, Rect{0, 0, 100, 100}, 1);
            obj->Paint(dc, pc, 0);
        }
        EXPECT_EQ(obj->Highlight, 42) << "kind " << kind;
        EXPECT_EQ(obj->FillColour, Rgb(9, 9, 9)) << "kind " << kind;
    }
}

TEST(PaintTest, HighlightedFilledShapesShowTheBackgroundInsideTheirOutline) {
    const PaintContext pc = MetricContext();
    for (int kind : {5, 6, 8}) {
        auto shape = test::Tagged(kind, 120, 2);
        shape->FillColour = Rgb(0, 200, 0);
        RecordingCanvas plain, highlighted;
        shape->Paint(plain, pc, 0);
        shape->Paint(highlighted, pc, 1);
        const CanvasCall* p = test::CallsAtTag(plain, 2).at(0);
        const CanvasCall* h = test::CallsAtTag(highlighted, 2).at(0);
        EXPECT_EQ(p->State.CurrentBrush, (Brush{false, Rgb(0, 200, 0)})) << kind;
        EXPECT_EQ(h->State.CurrentBrush, (Brush{false, pc.BackgroundColour})) << kind;
        EXPECT_EQ(h->State.CurrentPen, (Pen{PenStyle::Dash, 1, pc.HighlightColour})) << kind;
    }
}

TEST(PaintTest, ShapesUseTheirBoxAndCorner) {
    const PaintContext pc = MetricContext();
    TCircleobj circle(120, 1000, 2000, 1500, 1500, Rgb(1, 1, 1), 0);
    TRndrectobj box(120, 1000, 2000, 3000, 1000, 100, Rgb(1, 1, 1), 0);
    TArcobj arc(120, 0, 1000, 1000, 0, 1000, 500, 500, 1000, 0);
    RecordingCanvas dc;
    circle.Paint(dc, pc, 0);
    box.Paint(dc, pc, 0);
    arc.Paint(dc, pc, 0);
    EXPECT_EQ(dc.CallsOf(CanvasOp::Ellipse).at(0)->Points, (std::vector<Point>{{200, 400}, {300, 300}}));
    EXPECT_EQ(dc.CallsOf(CanvasOp::RoundRect).at(0)->Points,
              (std::vector<Point>{{200, 400}, {600, 200}, {40, 40}}));
    EXPECT_EQ(dc.CallsOf(CanvasOp::Arc).at(0)->Points,
              (std::vector<Point>{{0, 200}, {200, 0}, {200, 100}, {100, 200}}));
}

TEST(PaintTest, ArrowHasThreeStrokesFromItsTipAndAnIndependentFourth) {
    TArrowobj arrow;
    arrow.X1 = 1000, arrow.Y1 = 1000, arrow.X2 = 3000, arrow.Y2 = 1000;
    arrow.HeadAX = 1100, arrow.HeadAY = 1025, arrow.HeadBX = 1100, arrow.HeadBY = 975;
    arrow.TailAX = 5000, arrow.TailAY = 900, arrow.TailBX = 5000, arrow.TailBY = 1100;
    RecordingCanvas dc;
    arrow.Paint(dc, MetricContext(), 0);
    ASSERT_EQ(dc.Segments().size(), 4u);
    EXPECT_TRUE(dc.HasSegment({200, 200}, {600, 200}));
    EXPECT_TRUE(dc.HasSegment({200, 200}, {220, 205}));
    EXPECT_TRUE(dc.HasSegment({200, 200}, {220, 195}));
    EXPECT_TRUE(dc.HasSegment({1000, 180}, {1000, 220}));
}

struct DimensionCase {
    int Orientation;
    std::vector<std::pair<Point, Point>> Strokes; // beyond the two lines; empty = nothing at all
};

TEST(PaintTest, DimensionTicksFollowTheOrientation) {
    // First line from (100, 200), second from (100, 100), logical units.
    const std::vector<DimensionCase> cases = {
        {900,
         {{{100, 200}, {120, 205}},
          {{100, 200}, {120, 195}},
          {{100, 180}, {100, 220}},
          {{100, 100}, {80, 105}},
          {{100, 100}, {80, 95}},
          {{100, 80}, {100, 120}}}},
        {2700,
         {{{100, 200}, {80, 205}},
          {{100, 200}, {80, 195}},
          {{100, 180}, {100, 220}},
          {{100, 100}, {120, 105}},
          {{100, 100}, {120, 95}},
          {{100, 80}, {100, 120}}}},
        {1800,
         {{{100, 200}, {105, 180}},
          {{100, 200}, {95, 180}},
          {{80, 200}, {120, 200}},
          {{100, 100}, {105, 120}},
          {{100, 100}, {95, 120}},
          {{80, 100}, {120, 100}}}},
        {0,
         {{{100, 200}, {105, 220}},
          {{100, 200}, {95, 220}},
          {{80, 200}, {120, 200}},
          {{100, 100}, {105, 80}},
          {{100, 100}, {95, 80}},
          {{80, 100}, {120, 100}}}},
        {3600,
         {{{100, 200}, {105, 220}},
          {{100, 200}, {95, 220}},
          {{80, 200}, {120, 200}},
          {{100, 100}, {105, 80}},
          {{100, 100}, {95, 80}},
          {{80, 100}, {120, 100}}}},
        {450, {}},
    };
    for (const auto& c : cases) {
        TDimensobj dim(261, 120, 500, 1000, 2500, 1000, 500, 500, 2500, 500, c.Orientation, 0);
        RecordingCanvas dc;
        dim.Paint(dc, MetricContext(), 0);
        if (c.Strokes.empty()) {
            EXPECT_TRUE(dc.Segments().empty()) << c.Orientation;
            continue;
        }
        EXPECT_EQ(dc.Segments().size(), 8u) << c.Orientation;
        EXPECT_TRUE(dc.HasSegment({100, 200}, {500, 200})) << c.Orientation;
        EXPECT_TRUE(dc.HasSegment({100, 100}, {500, 100})) << c.Orientation;
        for (const auto& [a, b] : c.Strokes)
            EXPECT_TRUE(dc.HasSegment(a, b)) << c.Orientation << " " << b.X << "," << b.Y;
    }
    TDimensobj noTicks(261, 120, 500, 1000, 2500, 1000, 500, 500, 2500, 500, 900, 0);
    noTicks.TickStyle = 0;
    RecordingCanvas dc;
    noTicks.Paint(dc, MetricContext(), 0);
    EXPECT_TRUE(dc.Segments().empty());
}

TEST(PaintTest, RecordsThatHaveNoPictureDrawNothing) {
    for (int kind : {31501, 31601, 32000}) {
        auto obj = test::Tagged(kind, 120, 1);
        RecordingCanvas dc;
        obj->Paint(dc, MetricContext(), 0);
        EXPECT_EQ(dc.Segments().size() + test::CallsAtTag(dc, 1).size(), 0u) << kind;
    }
}

} // namespace
} // namespace velmora
