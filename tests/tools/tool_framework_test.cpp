// The tool framework: installing tools by kind, returning to the pick tool, the centre-of-a-line and
// centre-of-a-rectangle picks of the base tool as the drawing window routes clicks to them, and the rubber
// band and guide line conventions of the line tool family.
#include "tools/arc_tool.h"
#include "tools/circle_tool.h"
#include "tools/ellipse_tool.h"
#include "tools/line_tool.h"
#include "tools/text_tool.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::WindowFixture;

// A 1000 x 1000 window at one logical unit per pixel with the origin at logical (-100, -100): world (x, y)
// is pixel (x / 5 + 100, 900 - y / 5).
struct CentreFixture : WindowFixture {
    CentreFixture() : WindowFixture({1000, 1000}) {
        Open();
        UnitFrame(-100, -100);
    }
    void Click(Point p) {
        Window->OnMouseDown(MouseButton::Left, p);
        Window->OnMouseUp(MouseButton::Left, p);
    }
};

TEST(InstallTool, CreatesTheToolOfTheKindWithItsMode) {
    struct Case {
        int Kind;
        int Mode;
    };
    const Case cases[] = {{1, 1}, {22, 22}, {99, 99}, {85, 1}, {7777, 1}, {0, 1}, {20, 21}, {21, 21}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Kind);
        WindowFixture f;
        InstallTool(f.S, f.Ui, c.Kind);
        ASSERT_NE(dynamic_cast<TLineobjtool*>(f.S.CurrentTool.get()), nullptr);
        EXPECT_EQ(f.Tool().Mode, c.Mode);
        EXPECT_EQ(f.Tool().Step, 0);
    }
}

TEST(InstallTool, ThePickToolSaysSoAndOtherToolsLeaveThePanelsToTheirCommands) {
    WindowFixture f;
    f.Ui.SetPanel(0, "before");
    f.Ui.SetPanel(2, "before");
    InstallTool(f.S, f.Ui, 1);
    EXPECT_EQ(f.Ui.Panel(0), "before");
    EXPECT_EQ(f.Ui.Panel(2), "before");
    InstallTool(f.S, f.Ui, 20);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: pick tool");
    EXPECT_EQ(f.Ui.Panel(2), "pick tool");
}

// Kinds whose tools come with later commands give the pick tool, and the status bar names the tool that
// really receives the events.
TEST(InstallTool, KindsWithoutTheirToolYetInstallThePickTool) {
    for (int kind : {14, 78, 15, 200}) {
        SCOPED_TRACE(kind);
        WindowFixture f;
        EXPECT_FALSE(ToolKindAvailable(kind));
        InstallTool(f.S, f.Ui, kind);
        EXPECT_EQ(f.Tool().Mode, ModePick);
        EXPECT_EQ(f.Ui.Panel(2), "pick tool");
    }
    EXPECT_TRUE(ToolKindAvailable(1));
    EXPECT_TRUE(ToolKindAvailable(21));
    EXPECT_TRUE(ToolKindAvailable(100));
    EXPECT_TRUE(ToolKindAvailable(150));
    // The design-room tool keeps the kind it was installed with as its Mode (29001: the room commands).
    for (int kind : {29000, 29001}) {
        WindowFixture f;
        EXPECT_TRUE(ToolKindAvailable(kind));
        InstallTool(f.S, f.Ui, kind);
        EXPECT_EQ(f.Tool().Mode, kind);
    }
}

// The drafting kinds install their own tools, in the mode of the kind.
TEST(InstallTool, DraftingKindsInstallTheirTools) {
    struct Case {
        int Kind, Mode;
        bool (*IsIt)(const TDrawingtool&);
    };
    const Case cases[] = {
        {3, 3, [](const TDrawingtool& t) { return dynamic_cast<const TArcobjtool*>(&t) != nullptr; }},
        {4, 4, [](const TDrawingtool& t) { return dynamic_cast<const TTextobjtool*>(&t) != nullptr; }},
        {24, 24, [](const TDrawingtool& t) { return dynamic_cast<const TTextobjtool*>(&t) != nullptr; }},
        {5, 5, [](const TDrawingtool& t) { return dynamic_cast<const TEllipseobjtool*>(&t) != nullptr; }},
        {6, 6, [](const TDrawingtool& t) { return dynamic_cast<const TCircleobjtool*>(&t) != nullptr; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Kind);
        WindowFixture f;
        EXPECT_TRUE(ToolKindAvailable(c.Kind));
        InstallTool(f.S, f.Ui, c.Kind);
        EXPECT_EQ(f.Tool().Mode, c.Mode);
        EXPECT_TRUE(c.IsIt(f.Tool()));
    }
}

TEST(InstallTool, DiscardsTheOldToolsPointsWithoutDrawing) {
    WindowFixture f;
    f.Open();
    InstallTool(f.S, f.Ui, 1);
    f.Tool().Dragging = 1;
    f.Tool().X1 = f.Tool().Y1 = f.Tool().X2 = f.Tool().Y2 = 3000;
    f.Picture.Clear();
    InstallTool(f.S, f.Ui, 1);
    EXPECT_TRUE(f.Picture.Calls.empty());
    EXPECT_EQ(f.Tool().X1, 0);
    EXPECT_EQ(f.Tool().Dragging, 0);
}

TEST(ReturnToPickTool, InstallsTheIdleToolWithItsTexts) {
    WindowFixture f;
    InstallTool(f.S, f.Ui, 1);
    ReturnToPickTool(f.S, f.Ui);
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.S.LastCommand, 500);
    EXPECT_EQ(f.Ui.Panel(2), " pick tool");
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: Select a function or drawing tool");
}

TEST(CentreOfLine, PutsTheCursorHalfWayAndResumesTheStep) {
    CentreFixture f;
    f.Tool().Step = 7;
    f.Window->CentreOfLineCommand();
    EXPECT_EQ(f.Tool().Step, StepCentreLineFirst);
    EXPECT_EQ(f.Tool().AuxStep, 7);
    EXPECT_EQ(f.S.LastCommand, 350);
    EXPECT_EQ(f.Ui.Panel(0), "CENTRE - mark both endpoints with LEFT Button - cursor will move to centre");
    f.Click({300, 900}); // world (1000, 0)
    EXPECT_EQ(f.Tool().Step, StepCentreLineSecond);
    f.Click({501, 800}); // world (2005, 500)
    EXPECT_EQ(f.Tool().X1, 1502);
    EXPECT_EQ(f.Tool().Y1, 250);
    EXPECT_EQ(f.Ui.CursorPos(), (Point{400, 850}));
    EXPECT_EQ(f.Tool().Step, 7);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: Cursor centred");
}

TEST(CentreOfLine, IsRefusedWhileAMultilineIsDrawn) {
    CentreFixture f;
    f.Tool().Step = StepMultiline;
    f.Window->CentreOfLineCommand();
    EXPECT_EQ(f.Ui.LastMessage(), "Centre is not available to this function");
    EXPECT_EQ(f.Tool().Step, StepMultiline);
}

TEST(CentreOfLine, IgnoresPressesAtTheTopAndLeftEdges) {
    CentreFixture f;
    f.Window->CentreOfLineCommand();
    f.Click({2, 500});
    f.Click({500, 2});
    EXPECT_EQ(f.Tool().Step, StepCentreLineFirst);
    f.Click({3, 500});
    EXPECT_EQ(f.Tool().Step, StepCentreLineSecond);
}

TEST(CentreOfLine, RubberBandModesDrawTheBandAgainFromTheCentre) {
    CentreFixture f;
    f.Tool().Mode = 41;
    f.Tool().PenColour = Rgb(1, 2, 3);
    f.Window->CentreOfLineCommand();
    f.Click({300, 900});
    EXPECT_EQ(f.Tool().Dragging, 1);
    f.Picture.Clear();
    f.Window->OnMouseDown(MouseButton::Left, {501, 800});
    EXPECT_EQ(f.Tool().Dragging, 1);
    EXPECT_EQ(f.Tool().Step, 0);
    const auto bands = f.Picture.SegmentsWhere([](const Segment& s) { return s.Rop == RasterOp::Xor; });
    ASSERT_EQ(bands.size(), 2u); // the old band erased, the new one drawn from the centre
    EXPECT_EQ(bands[1].From, (Point{300, 50}));
    EXPECT_EQ(bands[1].With, (Pen{PenStyle::Dot, 1, Rgb(1, 2, 3)}));
}

TEST(CentreOfRect, UsesTheCornersThatLieApartOnEachAxis) {
    CentreFixture f;
    f.Tool().Step = 7;
    f.Window->CentreOfRectCommand();
    EXPECT_EQ(f.Tool().Step, StepCentreRectFirst);
    EXPECT_EQ(f.Ui.Panel(0),
              "CENTRE CENTRE - click any three corners in a CLOCKWISE direction with LEFT Button");
    f.Click({100, 900}); // (0, 0)
    f.Click({100, 300}); // (0, 3000)
    f.Click({900, 300}); // (4000, 3000)
    EXPECT_EQ(f.Tool().X1, 2000);
    EXPECT_EQ(f.Tool().Y1, 1500);
    EXPECT_EQ(f.Ui.CursorPos(), (Point{500, 600}));
    EXPECT_EQ(f.Tool().Step, 7);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: Cursor centred");
}

// Three corners within 100 mm of each other on both axes give no centre: the cursor stays where the third
// press put it instead of jumping to the sheet's corner.
TEST(CentreOfRect, CornersTooCloseTogetherLeaveTheCursorAtTheThirdPress) {
    CentreFixture f;
    f.Window->CentreOfRectCommand();
    f.Click({300, 700}); // (1000, 1000)
    f.Click({300, 690}); // (1000, 1050)
    f.Click({310, 690}); // (1050, 1050)
    EXPECT_EQ(f.Tool().X1, 1050);
    EXPECT_EQ(f.Tool().Y1, 1050);
    EXPECT_EQ(f.Ui.CursorPos(), (Point{310, 690}));
}

TEST(CentreOfRect, TheTextToolWaitsAtTheCentreWithItsOwnGuide) {
    CentreFixture f;
    f.Tool().Mode = 4;
    f.Tool().HitIndex = 1;
    f.Window->CentreOfRectCommand();
    f.Click({100, 900});
    f.Click({100, 300});
    f.Click({900, 300});
    EXPECT_EQ(f.Tool().Step, StepCentreRectDone);
    EXPECT_EQ(f.Ui.Panel(0),
              "GUIDE: click LEFT button on TEXT centre point - type in the input box that appears ");
}

TEST(CentreCommands, NeedAReadyDrawing) {
    CentreFixture f;
    f.S.DrawingReady = 1;
    f.Window->CentreOfLineCommand();
    f.Window->CentreOfRectCommand();
    EXPECT_EQ(f.Tool().Step, 0);
}

TEST(Dispatch, RightClickWithTheLineToolBeforeAPointReturnsToThePickTool) {
    CentreFixture f;
    InstallTool(f.S, f.Ui, 1);
    f.Tool().Step = 1;
    f.Window->OnMouseDown(MouseButton::Right, {500, 500});
    EXPECT_EQ(f.Tool().Mode, 1);
    f.Tool().Step = 0;
    f.Window->OnMouseDown(MouseButton::Right, {500, 500});
    EXPECT_EQ(f.Tool().Mode, ModePick);
    f.Click({500, 500});
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: Pick Tool");
}

// A drag with the line tool: every rubber band drawn is drawn again to erase it, so the picture is as it
// was once the button is released.
TEST(RubberBand, EveryBandIsDrawnTwice) {
    CentreFixture f;
    InstallTool(f.S, f.Ui, 1);
    f.Picture.Clear();
    f.Window->OnMouseDown(MouseButton::Left, {300, 700});
    EXPECT_EQ(f.Tool().Dragging, 1);
    f.Window->OnMouseMove({400, 700}, true);
    f.Window->OnMouseMove({400, 600}, true);
    f.Window->OnMouseMove({400, 600}, true); // not moved: nothing drawn
    f.Window->OnMouseUp(MouseButton::Left, {400, 600});
    EXPECT_EQ(f.Tool().Dragging, 0);
    const auto bands = f.Picture.SegmentsWhere([](const Segment& s) { return s.Rop == RasterOp::Xor; });
    ASSERT_EQ(bands.size(), 4u); // drawn, erased and drawn anew, erased at the release
    for (const Segment& s : bands) {
        const auto same = std::count_if(bands.begin(), bands.end(),
                                        [&](const Segment& o) { return o.From == s.From && o.To == s.To; });
        EXPECT_EQ(same % 2, 0);
        EXPECT_EQ(s.With.Style, PenStyle::Dot);
    }
    EXPECT_EQ(f.Picture.Current().Rop, RasterOp::Copy);
}

TEST(GuideLines, LeaveAGapRoundTheCursorAndUseNotXor) {
    WindowFixture f;
    TLinetool tool(f.S, f.Ui);
    tool.HitIndex = 500;
    tool.GuideY = 400;
    tool.GuideLines(f.Picture, 3);
    const auto lines = f.Picture.Segments();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].From, (Point{500, 0}));
    EXPECT_EQ(lines[0].To, (Point{500, 300}));
    EXPECT_EQ(lines[1].From, (Point{500, 500}));
    EXPECT_EQ(lines[3].To, (Point{30000, 400}));
    for (const Segment& s : lines)
        EXPECT_EQ(s.Rop, RasterOp::NotXor);
    f.Picture.Clear();
    tool.GuideLines(f.Picture, 4);
    EXPECT_TRUE(f.Picture.Segments().empty());
}

} // namespace
} // namespace velmora
