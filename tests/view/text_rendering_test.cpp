// Texts and design rooms: font height and weight, direction, the six anchors, and the room lettering.
#include "view/render_fixtures.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::MetricContext;

TTextobj MakeText(int height = 10, int angle = 0, int align = 1, int weight = 400) {
    return TTextobj(4, 120, 0, 0, 2003, 1000, "Lounge", "Times New Roman", height, angle, align, weight,
                    Rgb(0, 0, 128));
}

const CanvasCall& OnlyTextOut(const RecordingCanvas& dc) {
    auto calls = dc.CallsOf(CanvasOp::TextOut);
    EXPECT_EQ(calls.size(), 1u);
    return *calls.at(0);
}

TEST(TextPaintTest, MetricTextOfHeightTenIsFiftyLogicalUnits) {
    RecordingCanvas dc;
    MakeText().Paint(dc, MetricContext(), 0);
    const CanvasCall& out = OnlyTextOut(dc);
    EXPECT_EQ(out.State.CurrentFont.Height, 50); // 250 mm, 10 pixels at normal zoom
    EXPECT_EQ(out.State.CurrentFont.FaceName, "Times New Roman");
    EXPECT_EQ(out.Points[0], (Point{400, 200}));
    EXPECT_EQ(out.Text, "Lounge");
    EXPECT_TRUE(out.State.BackgroundOpaque);
    EXPECT_EQ(out.State.BackgroundColour, MetricContext().BackgroundColour);
    EXPECT_EQ(out.State.TextColour, Rgb(0, 0, 128));
}

TEST(TextPaintTest, HeightFollowsTheTextScaleAndTriplesOnTheSitePlan) {
    struct Case {
        int View, TextScale, DefaultZoom, Expect;
    };
    for (const Case& c : {Case{120, 0, 5, 50}, Case{120, 0, 4, 40}, Case{120, 8, 5, 80}, Case{190, 0, 5, 150},
                          Case{190, 8, 5, 240}}) {
        PaintContext pc = MetricContext();
        pc.View = c.View;
        pc.TextScale = c.TextScale;
        pc.DefaultZoom = c.DefaultZoom;
        RecordingCanvas dc;
        MakeText().Paint(dc, pc, 0);
        EXPECT_EQ(OnlyTextOut(dc).State.CurrentFont.Height, c.Expect) << c.View << " " << c.TextScale;
    }
}

TEST(TextPaintTest, AnchorByAlignmentCode) {
    struct Case {
        int Align, Angle;
        bool Sets;
        TextHAlign H;
        TextVAlign V;
    };
    const std::vector<Case> cases = {
        {1, 0, true, TextHAlign::Centre, TextVAlign::Baseline},
        {1, 2700, true, TextHAlign::Left, TextVAlign::Baseline},
        {1, 900, false, {}, {}}, // keeps the anchor already in force
        {2, 900, true, TextHAlign::Left, TextVAlign::Baseline},
        {3, 0, true, TextHAlign::Left, TextVAlign::Baseline},
        {4, 0, true, TextHAlign::Centre, TextVAlign::Top},
        {5, 0, true, TextHAlign::Left, TextVAlign::Top},
        {6, 0, true, TextHAlign::Centre, TextVAlign::Baseline},
    };
    for (const Case& c : cases) {
        RecordingCanvas dc;
        dc.SetTextAlign(TextHAlign::Right, TextVAlign::Bottom);
        MakeText(10, c.Angle, c.Align).Paint(dc, MetricContext(), 0);
        const CanvasState& s = OnlyTextOut(dc).State;
        const TextHAlign h = c.Sets ? c.H : TextHAlign::Right;
        const TextVAlign v = c.Sets ? c.V : TextVAlign::Bottom;
        EXPECT_EQ(s.HAlign, h) << c.Align << "/" << c.Angle;
        EXPECT_EQ(s.VAlign, v) << c.Align << "/" << c.Angle;
        EXPECT_EQ(s.CurrentFont.Escapement, c.Angle);
    }
}

TEST(TextPaintTest, WeightOnScreenAndOnPaper) {
    struct Case {
        int Weight;
        bool Printing;
        int DefaultZoom, Expect;
    };
    for (const Case& c : {Case{300, false, 5, 400}, Case{499, false, 5, 400}, Case{500, false, 5, 700},
                          Case{700, true, 5, 500}, Case{700, true, 3, 400}, Case{400, true, 6, 250}}) {
        PaintContext pc = MetricContext();
        pc.Printing = c.Printing;
        pc.DefaultZoom = c.DefaultZoom;
        pc.TextScale = 5;
        RecordingCanvas dc;
        MakeText(10, 0, 1, c.Weight).Paint(dc, pc, 0);
        EXPECT_EQ(OnlyTextOut(dc).State.CurrentFont.Weight, c.Expect) << c.Weight << " " << c.Printing;
    }
}

TEST(TextPaintTest, PrintingWithMirroredAnglesReflectsTheDirection) {
    PaintContext pc = MetricContext();
    pc.Printing = true;
    pc.PrintFlipAngles = true;
    for (auto [angle, printed] : std::vector<std::pair<int, int>>{
             {0, 0}, {900, 2700}, {2700, 900}, {1800, 1800}, {450, 3150}, {1200, 2400}}) {
        RecordingCanvas dc;
        MakeText(10, angle, 2).Paint(dc, pc, 0);
        EXPECT_EQ(OnlyTextOut(dc).State.CurrentFont.Escapement, printed) << angle;
    }
    pc.PrintFlipAngles = false;
    RecordingCanvas dc;
    MakeText(10, 900, 2).Paint(dc, pc, 0);
    EXPECT_EQ(OnlyTextOut(dc).State.CurrentFont.Escapement, 900);
}

TEST(TextPaintTest, ItalicComesFromThePaintContext) {
    PaintContext pc = MetricContext();
    pc.ItalicFlag = true;
    RecordingCanvas dc;
    MakeText().Paint(dc, pc, 0);
    EXPECT_TRUE(OnlyTextOut(dc).State.CurrentFont.Italic);
}

// A room of 3000 by 2000 mm at (1000, 6000), lettering size 20: font height 100, characters 50 wide on the
// recording canvas, so the seven letters of "Kitchen" need 350 logical units (1750 mm).
TRoomobj MakeRoom(int width) {
    TRoomobj room;
    room.View = 40;
    room.X1 = 1000, room.Y1 = 6000, room.X2 = 1000 + width, room.Y2 = 4000;
    room.RoomWidth = width, room.RoomLength = 2000;
    room.TextSize = 20;
    room.RoomFill = Rgb(200, 220, 255);
    room.SetRoomName("Kitchen");
    room.SetWidthText("3000");
    room.SetLengthText("2000");
    return room;
}

TEST(RoomPaintTest, WideRoomLettersItsTextsOneUnderAnother) {
    PaintContext pc = MetricContext();
    pc.View = 40;
    pc.CurrentColour = Rgb(5, 6, 7);
    pc.DefaultFontName = "Arial";
    RecordingCanvas dc;
    MakeRoom(3000).Paint(dc, pc, 0);
    auto rect = dc.CallsOf(CanvasOp::Rectangle).at(0);
    EXPECT_EQ(rect->Points, (std::vector<Point>{{200, 1200}, {805, 795}}));
    EXPECT_EQ(rect->State.CurrentBrush, (Brush{false, Rgb(200, 220, 255)}));
    auto texts = dc.CallsOf(CanvasOp::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    // Centre (1000 + 1500, 6000 - 1000) = (500, 1000) logical; lines 100 apart.
    EXPECT_EQ(texts[0]->Points[0], (Point{500, 1000}));
    EXPECT_EQ(texts[1]->Points[0], (Point{500, 900}));
    EXPECT_EQ(texts[2]->Points[0], (Point{500, 800}));
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"Kitchen", "3000", "2000"}));
    for (const CanvasCall* t : texts) {
        EXPECT_EQ(t->State.CurrentFont, (Font{"Arial", 100, 0, 700, false}));
        EXPECT_EQ(t->State.TextColour, Rgb(5, 6, 7));
        EXPECT_EQ(t->State.HAlign, TextHAlign::Centre);
        EXPECT_EQ(t->State.VAlign, TextVAlign::Bottom);
        EXPECT_TRUE(t->State.BackgroundOpaque);
    }
    EXPECT_FALSE(dc.Current().BackgroundOpaque);
}

// 1500 mm is 300 logical units, narrower than the 350 the name needs.
TEST(RoomPaintTest, RoomNarrowerThanItsNameLettersVerticallySideBySide) {
    PaintContext pc = MetricContext();
    pc.View = 40;
    RecordingCanvas dc;
    MakeRoom(1500).Paint(dc, pc, 0);
    auto texts = dc.CallsOf(CanvasOp::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    // Centre (1000 + 750, 5000) = (350, 1000); the sizes two thirds of a line (100 div 3 x 2) either side.
    EXPECT_EQ(texts[0]->Points[0], (Point{350, 1000}));
    EXPECT_EQ(texts[1]->Points[0], (Point{416, 1000}));
    EXPECT_EQ(texts[2]->Points[0], (Point{284, 1000}));
    for (const CanvasCall* t : texts)
        EXPECT_EQ(t->State.CurrentFont.Escapement, 2700);
}

// The room's width and its name's width are both taken in logical units: "Bedroom 2" at lettering size 20
// is 9 x 50 = 450 logical units, 2250 mm, so a 600 mm room (120 logical units) letters it vertically.
TEST(RoomPaintTest, TheNameFitsWhenTheRoomIsAtLeastAsWideInTheSameUnits) {
    const struct {
        int Width;
        bool Vertical;
    } cases[] = {{600, true}, {2245, true}, {2250, false}, {3000, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Width);
        TRoomobj room = MakeRoom(c.Width);
        room.SetRoomName("Bedroom 2");
        RecordingCanvas dc;
        PaintContext pc = MetricContext();
        pc.View = 40;
        room.Paint(dc, pc, 0);
        const auto texts = dc.CallsOf(CanvasOp::TextOut);
        ASSERT_EQ(texts.size(), 3u);
        EXPECT_EQ(texts[0]->State.CurrentFont.Escapement, c.Vertical ? 2700 : 0);
    }
}

TEST(RoomPaintTest, MarkingViewsShowRoomsOverTheBackground) {
    PaintContext pc = MetricContext();
    for (auto [view, fill] : std::vector<std::pair<int, Colorref>>{
             {40, Rgb(200, 220, 255)}, {45, pc.BackgroundColour}, {49, pc.BackgroundColour}}) {
        pc.View = view;
        RecordingCanvas dc;
        MakeRoom(3000).Paint(dc, pc, 0);
        EXPECT_EQ(dc.CallsOf(CanvasOp::Rectangle).at(0)->State.CurrentBrush.Colour, fill) << view;
    }
}

} // namespace
} // namespace velmora
