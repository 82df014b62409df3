// The arc, ellipse, circle and rounded-rectangle tools through the drawing window: the boxes, start and end
// rays they store, the questions the keyboard asks, drags, and the shapes that are refused.
#include "tools/arc_tool.h"
#include "tools/circle_tool.h"
#include "tools/shape_commands.h"
#include "tools/shape_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

using test::ShapeFixture;

struct Box {
    int X1, Y1, X2, Y2;
    bool operator==(const Box&) const = default;
};

Box BoxOf(const TObj& o) {
    return {o.X1, o.Y1, o.X2, o.Y2};
}

void PrintTo(const Box& b, std::ostream* os) {
    *os << "(" << b.X1 << ", " << b.Y1 << ")-(" << b.X2 << ", " << b.Y2 << ")";
}

// Two Enters and a height: the box, and the rays that bow the arc above or below a level chord, left or
// right of a plumb one. The second endpoint is snapped level or plumb when it lies within 75 world units.
TEST(ArcTool, TwoEndpointsAndAHeight) {
    struct Case {
        const char* Name;
        Point A, B;
        int Height;
        Box Expected;
        Point Start, End;
    };
    const Case cases[] = {
        {"level, above",
         {1000, 1000},
         {3000, 1000},
         500,
         {1000, 500, 3000, 1500},
         {3000, 1000},
         {1000, 1000}},
        {"level, below",
         {1000, 1000},
         {3000, 1000},
         -500,
         {3000, 1500, 1000, 500},
         {1000, 1000},
         {3000, 1000}},
        {"level, right to left",
         {3000, 1000},
         {1000, 1000},
         500,
         {1000, 500, 3000, 1500},
         {3000, 1000},
         {1000, 1000}},
        {"level within 75",
         {1000, 1000},
         {3000, 1070},
         500,
         {1000, 500, 3000, 1500},
         {3000, 1000},
         {1000, 1000}},
        {"plumb, left",
         {2000, 1000},
         {2000, 4000},
         600,
         {1400, 1000, 2600, 4000},
         {2000, 4000},
         {2000, 1000}},
        {"plumb, right",
         {2000, 4000},
         {2000, 1000},
         -600,
         {2600, 4000, 1400, 1000},
         {2000, 1000},
         {2000, 4000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ShapeFixture f;
        CmArcExecute(f.S, f.Ui);
        EXPECT_EQ(f.Ui.Panel(2), "1,Arc");
        f.At(c.A.X, c.A.Y);
        f.Key(Key::Enter);
        f.At(c.B.X, c.B.Y);
        f.Ui.Queue(ScriptAnswer::ForInput(std::to_string(c.Height)));
        f.Key(Key::Enter);
        const auto arcs = f.Saved<TArcobj>();
        ASSERT_EQ(arcs.size(), 1u);
        EXPECT_EQ(BoxOf(arcs[0]), c.Expected);
        EXPECT_EQ((Point{arcs[0].StartX, arcs[0].StartY}), c.Start);
        EXPECT_EQ((Point{arcs[0].EndX, arcs[0].EndY}), c.End);
        EXPECT_EQ(arcs[0].Kind, 3);
        // The tool is ready for the next arc.
        EXPECT_EQ(dynamic_cast<TArctool&>(f.Tool()).ArcState, 0);
        EXPECT_EQ(f.Tool().Marked, 0);
    }
}

TEST(ArcTool, AnEndpointNeitherLevelNorPlumbDrawsNothing) {
    ShapeFixture f;
    CmArcExecute(f.S, f.Ui);
    f.At(1000, 1000);
    f.Key(Key::Enter);
    f.At(3000, 1080);
    f.Key(Key::Enter);
    EXPECT_EQ(f.Ui.LastMessage(),
              "Endpoint not horizontal or vertical - no arc drawn\nre select tool and retry");
    EXPECT_EQ(f.Count(), FloorRecordCount);
}

TEST(CircleTool, CentreByEnterAndATypedRadius) {
    ShapeFixture f;
    f.Ui.Queue(ScriptAnswer::ForColour(65280));
    CmCircleExecute(f.S, f.Ui);
    EXPECT_EQ(f.Ui.Panel(0),
              "GUIDE: First select fill colour then press ENTER on centrepoint, input radius OR "
              "press Left Button on centre and DRAG");
    f.At(5000, 5000);
    f.Ui.Queue(ScriptAnswer::ForInput("100"));
    f.Key(Key::Enter);
    // Each Enter asks its own radius.
    f.At(8000, 5000);
    f.Ui.Queue(ScriptAnswer::ForInput("250"));
    f.Key(Key::Enter);
    const auto circles = f.Saved<TCircleobj>();
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(BoxOf(circles[0]), (Box{4900, 4900, 5100, 5100}));
    EXPECT_EQ(BoxOf(circles[1]), (Box{7750, 4750, 8250, 5250}));
    EXPECT_EQ(circles[0].FillColour, 65280u);
    EXPECT_EQ(circles[0].Kind, 6);
}

// Only the horizontal offset of the drag counts; dragged to the left the radius is negative and the box
// inverted, which is the same circle.
TEST(CircleTool, DraggedFromTheCentre) {
    struct Case {
        const char* Name;
        Point To;
        Box Expected;
    };
    for (const Case& c : {Case{"right", {6000, 9000}, {4000, 4000, 6000, 6000}},
                          Case{"left", {4500, 5000}, {5500, 5500, 4500, 4500}}}) {
        SCOPED_TRACE(c.Name);
        ShapeFixture f;
        f.Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Colour));
        CmCircleExecute(f.S, f.Ui);
        f.Window->OnMouseDown(MouseButton::Left, f.Pixel(5000, 5000));
        f.Window->OnMouseMove(f.Pixel(5500, 5200), true);
        f.Window->OnMouseMove(f.Pixel(c.To.X, c.To.Y), true);
        f.Window->OnMouseUp(MouseButton::Left, f.Pixel(c.To.X, c.To.Y));
        const auto circles = f.Saved<TCircleobj>();
        ASSERT_EQ(circles.size(), 1u);
        EXPECT_EQ(BoxOf(circles[0]), c.Expected);
        EXPECT_EQ(circles[0].FillColour, 12632256u);
    }
}

TEST(EllipseTool, DraggedBox) {
    ShapeFixture f;
    f.Ui.Queue(ScriptAnswer::ForColour(16711680));
    CmEllipseExecute(f.S, f.Ui);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: press Left Button on one endpoint and DRAG");
    EXPECT_EQ(f.Ui.Panel(2), "1,Ellipse");
    f.Window->OnMouseDown(MouseButton::Left, f.Pixel(2000, 3000));
    f.Window->OnMouseMove(f.Pixel(4000, 2000), true);
    f.Window->OnMouseMove(f.Pixel(6000, 1000), true);
    f.Window->OnMouseUp(MouseButton::Left, f.Pixel(6000, 1000));
    const auto ellipses = f.Saved<TEllipseobj>();
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].Kind, 5);
    EXPECT_EQ(BoxOf(ellipses[0]), (Box{2000, 3000, 6000, 1000}));
    EXPECT_EQ(ellipses[0].FillColour, 16711680u);
}

// Enter on the corner asks the corner radius; the first arrow gives one side, the second the other and
// makes the rectangle.
TEST(RoundRectTool, CornerAndTwoSides) {
    ShapeFixture f;
    f.Ui.Queue(ScriptAnswer::ForColour(255));
    CmRndRectExecute(f.S, f.Ui);
    EXPECT_EQ(f.Ui.Panel(2), "1,RoundRect");
    f.At(1000, 1000);
    f.Ui.Queue(ScriptAnswer::ForInput("80"));
    f.Key(Key::Enter);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: Now use arrow direction keys for input");
    f.Arrow(Key::Right, 3000);
    EXPECT_EQ(f.Count(), FloorRecordCount);
    EXPECT_EQ(f.Ui.CursorPos(), f.Pixel(4000, 1000)); // the corner known so far
    f.Arrow(Key::Up, 2000);
    const auto rects = f.Saved<TRndrectobj>();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(BoxOf(rects[0]), (Box{1000, 1000, 4000, 3000}));
    EXPECT_EQ(rects[0].CornerSize, 80);
    EXPECT_EQ(rects[0].FillColour, 255u);
    EXPECT_EQ(f.Tool().Marked, 0);
}

// A shape off the sheet, or with no width or no height, is not made.
TEST(ShapeCommit, BoxesOffTheSheetOrFlatMakeNothing) {
    struct Case {
        const char* Name;
        std::function<Box(int w, int h)> B; // from the sheet's width and height in world units
    };
    const Case cases[] = {
        {"a point",
         [](int, int) {
             return Box{5000, 5000, 5000, 5000};
         }},
        {"flat",
         [](int, int) {
             return Box{5000, 5000, 9000, 5000};
         }},
        {"below 10",
         [](int, int) {
             return Box{5, 5000, 900, 6000};
         }},
        {"past the sheet",
         [](int w, int) {
             return Box{5000, 5000, w + 5, 6000};
         }},
        {"above the sheet",
         [](int, int h) {
             return Box{5000, 5000, 6000, h + 5};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ShapeFixture f;
        const Box b = c.B(f.S.SheetWidth * f.U(), f.S.SheetHeight * f.U());
        TCircleobjtool t(f.S, f.Ui);
        t.Window = f.Window.get();
        t.X1 = b.X1, t.Y1 = b.Y1, t.X2 = b.X2, t.Y2 = b.Y2;
        t.Commit(f.Picture, f.Ui.ClientSize());
        EXPECT_EQ(t.MadeIndex, -1);
        EXPECT_EQ(f.Count(), FloorRecordCount);
    }
    // On the sheet's last unit it is made.
    ShapeFixture f;
    TCircleobjtool t(f.S, f.Ui);
    t.X1 = 10, t.Y1 = 10, t.X2 = f.S.SheetWidth * f.U(), t.Y2 = f.S.SheetHeight * f.U();
    t.Commit(f.Picture, f.Ui.ClientSize());
    EXPECT_EQ(t.MadeIndex, FloorRecordCount);
}

} // namespace
} // namespace velmora
