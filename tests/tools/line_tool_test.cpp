// The line tool: keyboard segments (Enter and arrows) through the drawing window as a user presses the keys,
// the bearing and length rules, the start check, refused commits, undo snapshots, drags and the hit test of
// the edit picks. Every segment is checked in the drawing file the commit saved.
#include "app/drawing_store.h"
#include "tools/line_commands.h"
#include "tools/line_tool.h"
#include "tools/segment_geometry.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

namespace velmora {
namespace {

using test::WindowFixture;

// A 1000 x 1000 window at one logical unit per pixel with the origin at logical (-100, -100): world (x, y)
// is pixel (x / 5 + 100, 900 - y / 5).
struct LineFixture : WindowFixture {
    LineFixture() : WindowFixture({1000, 1000}) {
        std::filesystem::create_directories(Home.Path / "ACT");
        Open();
        UnitFrame(-100, -100);
        CmLineExecute(S, Ui);
    }
    static Point Pixel(int x, int y) { return {x / 5 + 100, 900 - y / 5}; }
    void At(int x, int y) { Ui.SetCursorPos(Pixel(x, y)); }
    void Key(velmora::Key k) { Window->OnKeyDown(KeyEvent{k}); }
    void Arrow(velmora::Key k, int length) {
        Ui.Queue(ScriptAnswer::ForInput(std::to_string(length)));
        Key(k);
    }
    TLinetool& Line() { return dynamic_cast<TLinetool&>(*S.CurrentTool); }
    // The lines as the drawing file holds them, read back into a fresh state.
    std::vector<TLineobj> SavedLines() {
        AppState back;
        back.HomePath = S.HomePath;
        back.DrawingName = S.DrawingName;
        back.SheetWidth = S.SheetWidth, back.SheetHeight = S.SheetHeight;
        back.SetUnitsFromMetricFlag();
        EXPECT_TRUE(LoadDrawing(back, ModeWorking).Ok());
        std::vector<TLineobj> lines;
        for (int i = FloorRecordCount; i < back.DrawingObjects.ObjectCount(); ++i)
            if (auto* l = dynamic_cast<TLineobj*>(back.DrawingObjects.At(i))) lines.push_back(*l);
        return lines;
    }
};

// How many undo snapshots the ring holds.
int Snapshots(const WindowFixture& f) {
    int n = 0;
    for (int v : f.S.ViewHistory)
        if (v != 0) ++n;
    return n;
}

struct Seg {
    int X1, Y1, X2, Y2, Angle, Length;
};

void ExpectLine(const TLineobj& l, const Seg& s) {
    EXPECT_EQ(l.Kind, 1);
    EXPECT_EQ((Point{l.X1, l.Y1}), (Point{s.X1, s.Y1}));
    EXPECT_EQ((Point{l.X2, l.Y2}), (Point{s.X2, s.Y2}));
    EXPECT_EQ(l.LineAttrA, s.Angle);
    EXPECT_EQ(l.Aux, s.Length);
}

TEST(LineKeyboard, EnterAndArrowsDrawAChainThatTheCursorFollows) {
    LineFixture f;
    f.At(1000, 1000);
    f.Key(Key::Enter);
    EXPECT_EQ(f.Tool().Marked, 1);
    f.Arrow(Key::Right, 3000);
    EXPECT_EQ(f.Ui.CursorPos(), LineFixture::Pixel(4000, 1000));
    f.Arrow(Key::Up, 2000);
    f.Arrow(Key::Left, 1000);
    EXPECT_EQ(f.Ui.CursorPos(), LineFixture::Pixel(3000, 3000));
    EXPECT_EQ(f.Ui.Panel(0),
              "press arrow key for direction of next line, OR press LeftButton & DRAG, use Right "
              "Button to detool");
    const auto lines = f.SavedLines();
    ASSERT_EQ(lines.size(), 3u);
    ExpectLine(lines[0], {1000, 1000, 4000, 1000, 900, 3000});
    ExpectLine(lines[1], {4000, 1000, 4000, 3000, 0, 2000});
    ExpectLine(lines[2], {4000, 3000, 3000, 3000, 2700, 1000});
    // Enter then marks an end from the chain's end: a sloped line keeps its real bearing.
    f.At(4000, 4000);
    f.Key(Key::Enter);
    const auto more = f.SavedLines();
    ASSERT_EQ(more.size(), 4u);
    ExpectLine(more[3], {3000, 3000, 4000, 4000, 450, 1414});
}

// The lengths a user may type: the box's range is 1 to 149999, and nothing outside it is dropped silently.
TEST(LineKeyboard, LengthsOutOfRangeAreRefusedWithAMessageAndDrawNothing) {
    struct Case {
        const char* Typed;
        const char* Message; // nullptr: drawn
    };
    const Case cases[] = {
        {"149999", nullptr},
        {"30000", nullptr}, // a real length, never "the run has ended"
        {"150000", "the length must be between 1 and 149999"},
        {"-200", "the length must be between 1 and 149999"},
        {"0", "input must be a valid number"},
        {"ten", "input must be a valid number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        LineFixture f;
        f.S.SheetWidth = f.S.SheetHeight = 100000; // room for the longest segment
        f.At(1000, 1000);
        f.Key(Key::Enter);
        const Point cursor = f.Ui.CursorPos();
        f.Ui.Queue(ScriptAnswer::ForInput(c.Typed));
        f.Key(Key::Up);
        const auto lines = f.SavedLines();
        if (c.Message) {
            EXPECT_EQ(f.Ui.LastMessage(), c.Message);
            EXPECT_TRUE(lines.empty());
            EXPECT_EQ(f.Ui.CursorPos(), cursor);
        } else {
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0].Aux, std::stoi(c.Typed));
            EXPECT_EQ(f.Tool().Mode, ModePlainLine); // the chain goes on
        }
    }
}

TEST(LineKeyboard, ACancelledLengthOffersARetryAndNoReturnsToThePickTool) {
    LineFixture f;
    f.At(1000, 1000);
    f.Key(Key::Enter);
    f.Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Input));
    f.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::Yes));
    f.Ui.Queue(ScriptAnswer::ForInput("500"));
    f.Key(Key::Right);
    EXPECT_EQ(f.SavedLines().size(), 1u);
    f.Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Input));
    f.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::No));
    f.Key(Key::Right);
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE; Pick Tool");
    EXPECT_EQ(f.SavedLines().size(), 1u);
}

// The end must stay on the sheet: a segment that would leave it is refused before anything is drawn.
TEST(LineKeyboard, ASegmentOffTheSheetIsRefused) {
    LineFixture f;
    f.At(1000, 1000);
    f.Key(Key::Enter);
    f.Arrow(Key::Down, 2000);
    EXPECT_EQ(f.Ui.LastMessage(),
              "that length would take the line off the drawing sheet - try a shorter length");
    EXPECT_TRUE(f.SavedLines().empty());
}

// Unmarked, an arrow only moves the cursor one pixel.
TEST(LineKeyboard, ArrowsBeforeAStartNudgeTheCursorByOnePixel) {
    LineFixture f;
    f.Ui.SetCursorPos({500, 500});
    f.Key(Key::Left);
    EXPECT_EQ(f.Ui.CursorPos(), (Point{499, 500}));
    f.Key(Key::Down);
    EXPECT_EQ(f.Ui.CursorPos(), (Point{499, 501}));
    EXPECT_TRUE(f.SavedLines().empty());
}

// A refused commit (the end on the start) moves neither the cursor nor the chain's start and says nothing.
TEST(LineKeyboard, AnEndOnTheStartIsRefusedAndChangesNothing) {
    LineFixture f;
    f.At(1000, 1000);
    f.Key(Key::Enter);
    f.Arrow(Key::Right, 1000);
    f.Ui.SetPanel(0, "before");
    f.At(2000, 1000);
    f.Key(Key::Enter);
    EXPECT_EQ(f.Ui.Panel(0), "before");
    EXPECT_EQ(f.Ui.CursorPos(), LineFixture::Pixel(2000, 1000));
    EXPECT_EQ((Point{f.Tool().X1, f.Tool().Y1}), (Point{2000, 1000}));
    EXPECT_EQ(f.SavedLines().size(), 1u);
    f.Arrow(Key::Up, 500); // the chain still goes on from its end
    const auto lines = f.SavedLines();
    ASSERT_EQ(lines.size(), 2u);
    ExpectLine(lines[1], {2000, 1000, 2000, 1500, 0, 500});
}

// Each keyboard segment, Enter or arrow, takes its undo snapshot; a refused one takes none.
TEST(LineKeyboard, EverySegmentTakesOneUndoSnapshot) {
    LineFixture f;
    const int before = Snapshots(f);
    f.At(1000, 1000);
    f.Key(Key::Enter);
    f.At(3000, 2000);
    f.Key(Key::Enter); // an Enter segment
    f.Arrow(Key::Up, 500);
    f.Key(Key::Enter); // the end on the start: refused
    EXPECT_EQ(Snapshots(f) - before, 2);
}

// The start check: an arrow segment starting on the first end of a line is stored end to start, so that
// it ends where that line starts; the cursor still goes to the end the user drew to.
TEST(LineKeyboard, ASegmentStartingOnALinesFirstEndIsStoredReversed) {
    LineFixture f;
    auto l = std::make_unique<TLineobj>(1, ViewGround, 0, 0, 5000, 5000, 5000, 8000, 0);
    l->LineAttrA = 0;
    f.S.DrawingObjects.Append(std::move(l));
    f.At(5010, 5000);
    f.Key(Key::Enter);
    f.Tool().X1 = 5000; // exactly on the line's first end
    f.Arrow(Key::Right, 3000);
    const auto lines = f.SavedLines();
    ASSERT_EQ(lines.size(), 2u);
    ExpectLine(lines[1], {8000, 5000, 5000, 5000, 2700, 3000});
    EXPECT_EQ(f.Tool().SuggestedLength, 1);
    EXPECT_EQ(f.Ui.CursorPos(), LineFixture::Pixel(8000, 5000));
}

TEST(LineKeyboard, AStartOnALinesSecondEndSnapsOntoIt) {
    LineFixture f;
    f.S.DrawingObjects.Append(std::make_unique<TLineobj>(1, ViewGround, 0, 0, 1000, 1000, 3000, 1000, 0));
    dynamic_cast<TLineobj*>(f.S.DrawingObjects.At(6))->LineAttrA = 900;
    f.At(3010, 1000);
    f.Key(Key::Enter);
    f.Arrow(Key::Up, 1000);
    const auto lines = f.SavedLines();
    ASSERT_EQ(lines.size(), 2u);
    ExpectLine(lines[1], {3000, 1000, 3000, 2000, 0, 1000});
}

// The bearing and length of an Enter segment; walls and construction lines snap nearly upright or level
// ends onto the axis, plain lines keep the point marked.
TEST(LineKeyboard, EnterSegmentsMeasureAsWallsAndLinesDo) {
    struct Case {
        int Mode;
        Point From, To;
        Seg Want;
    };
    const Case cases[] = {
        {ModeConstruction, {1000, 1000}, {1040, 3000}, {1000, 1000, 1000, 3000, 0, 2000}},
        {ModePlainLine, {1000, 1000}, {1040, 3000}, {1000, 1000, 1040, 3000, 11, 2000}},
        {ModePlainLine, {1000, 1000}, {2000, 2000}, {1000, 1000, 2000, 2000, 450, 1414}},
        {ModePlainLine, {1000, 3000}, {2000, 1000}, {1000, 3000, 2000, 1000, 1534, 2236}},
        {ModePlainLine, {3000, 1000}, {1000, 1000}, {3000, 1000, 1000, 1000, 2700, 2000}},
        {ModePlainLine, {1000, 3000}, {1000, 1000}, {1000, 3000, 1000, 1000, 1800, 2000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Mode * 100000 + c.To.X);
        LineFixture f;
        f.Tool().Mode = c.Mode;
        f.At(c.From.X, c.From.Y);
        f.Key(Key::Enter);
        f.At(c.To.X, c.To.Y);
        f.Key(Key::Enter);
        ASSERT_EQ(f.S.DrawingObjects.ObjectCount(), 7);
        const auto& l = static_cast<const TLineobj&>(*f.S.DrawingObjects.At(6));
        EXPECT_EQ(l.Kind, c.Mode);
        EXPECT_EQ((Point{l.X1, l.Y1}), (Point{c.Want.X1, c.Want.Y1}));
        EXPECT_EQ((Point{l.X2, l.Y2}), (Point{c.Want.X2, c.Want.Y2}));
        EXPECT_EQ(l.LineAttrA, c.Want.Angle);
        EXPECT_EQ(l.Aux, c.Want.Length);
    }
}

// Lengths are measured in 64 bits: past 46 m on both axes sqrt(dx² + dy²) no longer fits 32 bits squared,
// and segments drawn left or down still have a positive length.
TEST(SegmentGeometry, LengthsNeverOverflowAndAreMagnitudes) {
    EXPECT_EQ(MeasureSegment(0, 0, 32768, 32768).Length, 46340);
    EXPECT_EQ(MeasureSegment(0, 0, 32768, 32768).Angle, 450);
    EXPECT_EQ(MeasureSegment(INT_MIN, INT_MIN, INT_MAX, INT_MAX).Length, 6074000998LL);
    EXPECT_EQ(StoredLength(MeasureSegment(INT_MIN, 0, INT_MAX, 0).Length), INT_MAX);
    EXPECT_EQ(MeasureSegment(5000, 0, 2000, 0).Length, 3000);
    EXPECT_EQ(MeasureSegment(0, 5000, 0, 2000).Length, 3000);
}

// A start at a y of 30001 is a real point, not "nothing hit": the segment is drawn and nobody complains.
TEST(LineKeyboard, AStartAtTheOldMarkerValuesIsAnOrdinaryPoint) {
    LineFixture f;
    f.S.SheetHeight = 20000;
    f.UnitFrame(-100, 5900);       // pixel y 900 is world y 30000
    f.Ui.SetCursorPos({300, 900}); // world (1000, 30000)
    f.Key(Key::Enter);
    f.Tool().Y1 = 30001;
    f.Arrow(Key::Right, 2000);
    const auto lines = f.SavedLines();
    ASSERT_EQ(lines.size(), 1u);
    ExpectLine(lines[0], {1000, 30001, 3000, 30001, 900, 2000});
    EXPECT_EQ(f.Ui.MessageCount(), 0);
}

TEST(LineDrag, ADragStoresItsLineWithItsBearingAfterOneUndoSnapshot) {
    LineFixture f;
    f.Window->OnMouseDown(MouseButton::Left, LineFixture::Pixel(1000, 1000));
    f.Window->OnMouseMove(LineFixture::Pixel(2000, 1500), true);
    f.Window->OnMouseMove(LineFixture::Pixel(3000, 2000), true);
    const int before = Snapshots(f);
    f.Window->OnMouseUp(MouseButton::Left, LineFixture::Pixel(3000, 2000));
    const auto lines = f.SavedLines();
    ASSERT_EQ(lines.size(), 1u);
    ExpectLine(lines[0], {1000, 1000, 3000, 2000, 634, 0});
    EXPECT_EQ(Snapshots(f), before + 1);
    // A click without a drag stores nothing and takes no snapshot.
    f.Window->OnMouseDown(MouseButton::Left, LineFixture::Pixel(4000, 1000));
    f.Window->OnMouseUp(MouseButton::Left, LineFixture::Pixel(4000, 1000));
    EXPECT_EQ(f.SavedLines().size(), 1u);
    EXPECT_EQ(Snapshots(f), before + 1);
}

// The rubber band: each move erases the old band and draws the new one in XOR; nothing is stored until the
// release.
TEST(LineDrag, TheRubberBandIsDrawnTwiceToErase) {
    LineFixture f;
    f.Window->OnMouseDown(MouseButton::Left, {300, 700});
    f.Picture.Clear();
    f.Window->OnMouseMove({400, 700}, true);
    f.Window->OnMouseMove({500, 700}, true);
    const auto bands = f.Picture.SegmentsWhere([](const Segment& s) { return s.Rop == RasterOp::Xor; });
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0].To, bands[1].To); // the first band erased
    EXPECT_EQ(f.S.DrawingObjects.ObjectCount(), 6);
}

// Construction lines show guide lines through the cursor (NOT-XOR, drawn again to erase), and none within
// 10 pixels of the window's edge.
TEST(ConstructionLines, GuideLinesFollowTheCursorAwayFromTheEdge) {
    LineFixture f;
    StartConstructionLines(f.S, f.Ui);
    f.Picture.Clear();
    f.Window->OnMouseMove({300, 300}, false);
    auto guides = f.Picture.SegmentsWhere([](const Segment& s) { return s.Rop == RasterOp::NotXor; });
    EXPECT_EQ(guides.size(), 4u);
    f.Picture.Clear();
    f.Window->OnMouseMove({5, 300}, false);
    guides = f.Picture.SegmentsWhere([](const Segment& s) { return s.Rop == RasterOp::NotXor; });
    EXPECT_EQ(guides.size(), 4u); // the old ones erased, no new ones
    EXPECT_EQ(f.Tool().Scrolled, 0);
}

// F closes a run of construction lines onto its start exactly; the closed run ends the tool.
TEST(ConstructionLines, FClosesTheRunOntoItsStart) {
    LineFixture f;
    StartConstructionLines(f.S, f.Ui);
    f.At(1000, 1000);
    f.Key(Key::Enter);
    f.At(1000, 3000);
    f.Key(Key::Enter);
    EXPECT_EQ(f.Ui.Panel(0),
              "Press + (ADD) or F key when all corners marked. Distance from START POINT h 0: v 2000");
    f.At(4000, 3000);
    f.Key(Key::Enter);
    f.At(4000, 1000);
    f.Key(Key::Enter);
    f.Window->OnKeyDown(KeyEvent{Key::Character, 'F'});
    const auto lines = f.SavedLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3].Kind, 11);
    EXPECT_EQ((Point{lines[3].X1, lines[3].Y1}), (Point{4000, 1000}));
    EXPECT_EQ((Point{lines[3].X2, lines[3].Y2}), (Point{1000, 1000}));
    EXPECT_EQ(lines[3].LineAttrA, 2700);
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.Ui.Panel(2), " no selection");
}

TEST(HitTest, FindsTheFirstLineNearThePressAndItsNearerEnd) {
    struct Case {
        Point Press;
        bool Found;
        Point End;
    };
    const Case cases[] = {
        {{2050, 1050}, true, {3000, 1000}}, // level line, right half
        {{1200, 960}, true, {1000, 1000}},  // level line, left half
        {{5040, 1500}, true, {5000, 1000}}, // upright line (1000 up from 5000,1000), lower half
        {{2000, 1200}, false, {}},          // beyond the tolerance of 100
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Press.X);
        LineFixture f;
        auto level = std::make_unique<TLineobj>(1, ViewGround, 0, 0, 1000, 1000, 3000, 1000, 0);
        level->LineAttrA = 900;
        auto upright = std::make_unique<TLineobj>(1, ViewGround, 0, 0, 5000, 1000, 5000, 3000, 0);
        f.S.DrawingObjects.Append(std::move(level));
        f.S.DrawingObjects.Append(std::move(upright));
        f.Line().X1 = 777;
        f.Line().Step = 200;
        f.Line().HitTest(c.Press.X, c.Press.Y);
        EXPECT_EQ(f.Line().HitFound, c.Found);
        if (c.Found) {
            EXPECT_EQ((Point{f.Line().X1, f.Line().Y1}), c.End);
        } else {
            EXPECT_EQ(f.Line().HitKind, NothingHit);
            EXPECT_EQ(f.Line().X1, 777); // no marker written into a coordinate
        }
    }
}

TEST(LineStyle, TheDialogSetsThePenOfTheNextLine) {
    LineFixture f;
    ReturnToPickTool(f.S, f.Ui);
    f.Ui.Queue(ScriptAnswer::ForDialog("line styles", {"thick line", "dotted", "OK"}));
    CmLinestyleExecute(f.S, f.Ui);
    EXPECT_EQ(f.Ui.Panel(2), "2,Pick tool");
    CmLineExecute(f.S, f.Ui);
    EXPECT_EQ(f.Ui.Panel(2), "2,LINE dot");
    f.At(1000, 1000);
    f.Key(Key::Enter);
    f.Arrow(Key::Right, 1000);
    const auto lines = f.SavedLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].PenWidth, 2);
    EXPECT_EQ(lines[0].PenStyle, 2);
    f.Ui.Queue(ScriptAnswer::ForDialog("line styles", {"Cancel"}));
    CmLinestyleExecute(f.S, f.Ui);
    EXPECT_EQ(f.Tool().Mode, ModePick);
}

} // namespace
} // namespace velmora
