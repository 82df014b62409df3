// A repaint of a small area paints only the objects whose ink may reach it, and paints those exactly as a
// full repaint would.
#include "platform/recording_canvas.h"
#include "view/object_bounds.h"
#include "view/paint_objects.h"
#include "view/render_fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace velmora {
namespace {

using test::MetricContext;

// The box being repainted: logical 1000..1200 on both axes (world 5000..6000 at 5 mm a unit).
constexpr LogicalBounds Box{1000, 1000, 1200, 1200};

// World units of a logical coordinate.
constexpr int W(int logical) {
    return logical * 5;
}

std::unique_ptr<TObj> Line(int x1, int y1, int x2, int y2) {
    return std::make_unique<TLineobj>(1, 120, 0, 0, W(x1), W(y1), W(x2), W(y2), Rgb(0, 0, 0));
}

// A text of ten letters, 10 units high (a 50 unit cell at the screen's text scale).
std::unique_ptr<TObj> Text(int x, int y, int align, int angle) {
    return std::make_unique<TTextobj>(4, 120, 0, 0, W(x), W(y), "ABCDEFGHIJ", "Arial", 10, angle, align, 400,
                                      0);
}

std::unique_ptr<TObj> Poly(int kind, std::vector<Point> logicalCorners) {
    for (Point& p : logicalCorners)
        p = {W(p.X), W(p.Y)};
    return std::make_unique<TPolyobj>(kind, 120, 0, 0, logicalCorners, Rgb(200, 200, 200), 0);
}

// How many drawing primitives painting the one object into the box makes.
int PrimitivesInBox(std::unique_ptr<TObj> obj) {
    TFlist list;
    list.Append(std::move(obj));
    RecordingCanvas dc;
    PaintView(dc, list, MetricContext(), {}, Box);
    int n = 0;
    for (const auto& call : dc.Calls)
        n += call.Op == CanvasOp::LineTo || call.Op == CanvasOp::Polygon || call.Op == CanvasOp::Ellipse ||
             call.Op == CanvasOp::Arc || call.Op == CanvasOp::TextOut;
    return n;
}

TEST(PaintCulling, OnlyObjectsThatMayReachTheBoxArePainted) {
    const struct {
        const char* What;
        std::function<std::unique_ptr<TObj>()> Make;
        bool Painted;
    } cases[] = {
        // A one-unit pen reaches 5 units (one pixel at the normal zoom) beyond its centre line.
        {"line ending 6 units left of the box", [] { return Line(800, 1100, 994, 1100); }, false},
        {"line whose pen reaches the box edge", [] { return Line(800, 1100, 996, 1100); }, true},
        {"line just above the box", [] { return Line(900, 1206, 1300, 1206); }, false},
        {"line crossing the box, both ends outside", [] { return Line(900, 1100, 1300, 1100); }, true},
        {"circle enclosing the box",
         [] { return std::make_unique<TCircleobj>(120, W(800), W(1400), W(1400), W(800), 0, 0); }, true},
        {"circle beside the box",
         [] { return std::make_unique<TCircleobj>(120, W(1300), W(1400), W(1500), W(1200), 0, 0); }, false},
        {"fixture round the box",
         [] {
             return Poly(6000, {{900, 900}, {1300, 900}, {1100, 1300}});
         },
         true},
        {"fixture below the box",
         [] {
             return Poly(6000, {{900, 800}, {1300, 800}, {1100, 990}});
         },
         false},
        // Texts: ten letters of a 50 unit cell may run 500 units from a left anchor, 250 either way from a
        // centred one.
        {"left-anchored text whose letters run into the box", [] { return Text(700, 1100, 5, 0); }, true},
        {"centred text ending before the box", [] { return Text(700, 1100, 6, 0); }, false},
        {"upright text below the box running up into it", [] { return Text(1100, 700, 5, 900); }, true},
        {"level text below the box", [] { return Text(1100, 700, 5, 0); }, false},
        {"text turned by 45 degrees reaching in", [] { return Text(800, 800, 2, 450); }, true},
        {"text whose anchor is inherited, within its length of the box",
         [] { return Text(700, 1100, 1, 900); }, true},
        {"text whose anchor is inherited, far away", [] { return Text(100, 1100, 1, 900); }, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrimitivesInBox(c.Make()) > 0, c.Painted) << c.What;
}

TEST(PaintCulling, WithoutABoxEverythingIsPainted) {
    TFlist list;
    list.Append(Line(0, 0, 10, 10));
    list.Append(Text(-5000, -5000, 5, 0));
    RecordingCanvas dc;
    PaintView(dc, list, MetricContext(), {});
    EXPECT_EQ(dc.Count(CanvasOp::LineTo), 1);
    EXPECT_EQ(dc.Count(CanvasOp::TextOut), 1);
}

// Alignment 1 at an angle other than 0 and 2700 keeps the anchor of the text painted before it: when that
// text lies outside the box, the one inside must still be drawn from the anchor the full paint gives it.
TEST(PaintCulling, ATextSkippedStillHandsItsAnchorToTheNext) {
    TFlist list;
    list.Append(Text(-3000, -3000, 5, 0)); // left/top, far outside the box
    list.Append(Text(1100, 1100, 1, 900)); // inherits it, inside
    const auto anchorOfLast = [&](std::optional<LogicalBounds> clip) {
        RecordingCanvas dc;
        dc.SetTextAlign(TextHAlign::Centre, TextVAlign::Bottom); // what a fresh canvas would not have
        PaintView(dc, list, MetricContext(), {}, clip);
        const auto texts = dc.CallsOf(CanvasOp::TextOut);
        return std::make_pair(texts.size(),
                              std::make_pair(texts.back()->State.HAlign, texts.back()->State.VAlign));
    };
    const auto full = anchorOfLast(std::nullopt);
    const auto boxed = anchorOfLast(Box);
    EXPECT_EQ(full.first, 2u);
    EXPECT_EQ(boxed.first, 1u);
    EXPECT_EQ(boxed.second, full.second);
    EXPECT_EQ(boxed.second, std::make_pair(TextHAlign::Left, TextVAlign::Top));
}

TEST(PaintCulling, ThePixelAreaBecomesALogicalBoxThroughTheWindowMapping) {
    // 5 logical units a pixel, origin (1000, 2000) at the bottom-left of a 200 x 100 pixel client.
    Mapping m;
    m.WindowOrgX = 1000, m.WindowOrgY = 2000, m.WindowExtX = 1000, m.WindowExtY = 500;
    m.ViewportOrgX = 0, m.ViewportOrgY = 100, m.ViewportExtX = 200, m.ViewportExtY = -100;
    const struct {
        Rect Pixels;
        int Margin;
        LogicalBounds Expected;
    } cases[] = {
        {{0, 0, 200, 100}, 0, {1000, 2000, 2000, 2500}},
        {{10, 20, 50, 60}, 0, {1050, 2200, 1250, 2400}}, // y down in pixels, up in logical units
        {{10, 20, 50, 60}, 2, {1040, 2190, 1260, 2410}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClipBoundsForPixels(m, c.Pixels, c.Margin), c.Expected)
            << c.Pixels.Left << "," << c.Pixels.Top << " margin " << c.Margin;

    // A collapsed viewport tells no object from another: nothing may be skipped.
    Mapping collapsed = m;
    collapsed.ViewportExtX = 0;
    const LogicalBounds all = ClipBoundsForPixels(collapsed, {0, 0, 1, 1}, 0);
    EXPECT_TRUE(all.Meets({-2000000000, -2000000000, -2000000000, -2000000000}));
}

} // namespace
} // namespace velmora
