// The zoom and scale of the drawing window: view set-up, Back to Normal, Shrink to Half, Fit Walls on
// Screen, Zoom Up, Scale Drawing on Screen and the dialogs they use, and the guards that keep every early
// exit and every empty window from dividing by zero or leaving the program unready.
#include "app/settings_files.h"
#include "dialogs/feet_dialog.h"
#include "dialogs/customise_dialogs.h"
#include "dialogs/scale_dialogs.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace velmora {
namespace {

using test::WindowFixture;

std::vector<int> CfgInts(WindowFixture& f, const std::string& name, std::size_t n) {
    return ReadSettingsInts(f.S.HomePath, name, n).value_or(std::vector<int>{});
}

// A dialog answer whose words are taken as they stand: the scale dialogs' own captions begin with "=".
ScriptAnswer DialogWords(const std::string& caption, const std::vector<AnswerWord>& words) {
    ScriptAnswer a = ScriptAnswer::ForDialog(caption, {});
    a.Words = words;
    return a;
}

TEST(ViewSetup, SheetTakesTheWindowsProportionsAndIsWrittenBack) {
    WindowFixture f;
    f.Cfg("DWGSIZEM.CFG", "5000 3000");
    f.Open();
    EXPECT_EQ(f.S.SheetWidth, 5000);
    EXPECT_EQ(f.S.SheetHeight, 2500);
    EXPECT_EQ(CfgInts(f, "DWGSIZEM.CFG", 2), (std::vector<int>{5000, 2500}));
    EXPECT_EQ(CfgInts(f, "ZOOM.CFG", 2), (std::vector<int>{4000, 2000}));
    EXPECT_EQ(f.S.ViewOrgX, 500);
    EXPECT_EQ(f.S.ViewOrgY, 250);
    EXPECT_EQ(f.Ui.Scroll(), (ScrollState{1000, 500, 100, 50}));
    EXPECT_EQ(f.Ui.Panel(1), " pixel = 25 mm.");
}

TEST(ViewSetup, ZoomStyleZeroOpensAtNormalSizeEvenOnTheSitePlan) {
    WindowFixture f;
    f.Cfg("SCALEVIEWM.CFG", "3.000000 8.000000");
    f.Cfg("ZOOMSTYLE.CFG", "0");
    f.Open(ViewSite);
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 5.0f);
    f.Cfg("ZOOMSTYLE.CFG", "1");
    f.Window->SetupView(1);
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 8.0f);
}

TEST(ZoomCommands, ShrinkToHalfStepsUntilTheSheetIsReached) {
    WindowFixture f;
    f.Cfg("DWGSIZEM.CFG", "20000 10000");
    f.Open();
    std::vector<float> zooms;
    for (int press = 0; press < 5; ++press) {
        f.Window->ZoomCommand(ZoomShrunk);
        zooms.push_back(f.S.ZoomFactor);
        EXPECT_EQ(f.S.DrawingReady, 2);
        EXPECT_EQ(f.Tool().Mode, ModePick);
    }
    EXPECT_EQ(zooms, (std::vector<float>{10, 15, 20, 25, 25}));
    EXPECT_EQ(f.S.ViewExtX, 20000);
    EXPECT_EQ(f.S.ZoomState, ZoomShrunk);
    EXPECT_EQ(f.Ui.Panel(1), " pixel = 125 mm.");
}

TEST(ZoomCommands, ShrinkToHalfFromZoomedInStartsAgainFromNormal) {
    WindowFixture f;
    f.Cfg("DWGSIZEM.CFG", "20000 10000");
    f.Open();
    f.S.ZoomFactor = 2.0f;
    f.Window->ZoomCommand(ZoomShrunk);
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 10.0f);
}

TEST(ZoomCommands, BackToNormalReturnsToTheSiteZoomOnTheSitePlan) {
    WindowFixture f;
    f.Cfg("SCALEVIEWM.CFG", "3.000000 8.000000");
    f.Open(ViewSite);
    f.S.ZoomFactor = 2.0f;
    f.Window->ZoomCommand(ZoomNormal);
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 8.0f);
    EXPECT_EQ(f.S.ZoomState, ZoomNormal);
    EXPECT_EQ(f.S.ViewExtX, 6400);

    WindowFixture g;
    g.Open(ViewGround);
    g.S.ZoomFactor = 2.0f;
    g.Window->ZoomCommand(ZoomNormal);
    EXPECT_FLOAT_EQ(g.S.ZoomFactor, 5.0f);
}

TEST(ZoomCommands, BackToNormalResetsTheReferenceToTheDatum) {
    WindowFixture f;
    f.AddExtwall(ViewGround, 1000, 2000, 6000, 2000);
    f.Open();
    f.Window->RefX = f.Window->RefY = 7;
    f.Window->ZoomCommand(ZoomNormal);
    EXPECT_EQ(f.Window->RefX, 1000);
    EXPECT_EQ(f.Window->RefY, 2000);
    EXPECT_EQ(f.Window->ReadoutMode, 4);
}

TEST(ZoomCommands, FitWallsFitsTheWallsAtAWholeZoomAndCentresTheSheet) {
    WindowFixture f;
    f.AddExtwall(ViewGround, 5000, 2500, 15000, 2500);
    f.AddExtwall(ViewGround, 15000, 2500, 15000, 7500);
    f.Open();
    f.Window->ZoomCommand(ZoomFitWalls);
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 3.0f); // 2000 logical over 800 pixels is 2.5, ceiled
    EXPECT_EQ(f.S.ViewExtX, 2400);
    EXPECT_EQ(f.S.ViewExtY, 1200);
    EXPECT_EQ(f.S.ViewOrgX, 1300);
    EXPECT_EQ(f.S.ViewOrgY, 650);
    EXPECT_EQ(f.S.ZoomState, ZoomFitWalls);
    EXPECT_EQ(f.S.DrawingReady, 2);
}

TEST(ZoomCommands, FitTheLayoutAroundItsDesignRooms) {
    WindowFixture f;
    for (int i = 0; i < 2; ++i) {
        auto room = MakeObjectOfKind(29000);
        room->View = ViewLayout;
        room->X1 = 1000 + 4000 * i, room->Y1 = 6000, room->X2 = 4000 + 4000 * i, room->Y2 = 2000;
        f.S.DrawingObjects.Append(std::move(room));
    }
    f.Open(ViewLayout);
    f.Window->ZoomCommand(ZoomFitWalls);
    // Logical box 200..1600 x 400..1200 with margins of 50: x 150..1700, y 300..1250; widened to 2:1.
    EXPECT_EQ(f.S.ViewExtX, 1900);
    EXPECT_EQ(f.S.ViewExtY, 950);
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 1900.0f / 800.0f);
    EXPECT_EQ(f.Window->ReadoutMode, 1);
    EXPECT_EQ(f.S.DrawingReady, 2);
}

// Every way a zoom command can find nothing to do still ends with the drawing ready, the zoom usable and
// a tool installed.
TEST(ZoomCommands, EveryEarlyExitLeavesTheProgramReady) {
    struct Case {
        const char* Name;
        int View;
        int Kind;
        Size Client;
        int Rooms;
    };
    const Case cases[] = {
        {"fit with no walls", ViewGround, ZoomFitWalls, {800, 400}, 0},
        {"fit everything on an empty floor", ViewGround, ZoomFitAll, {800, 400}, 0},
        {"fit on the site plan", ViewSite, ZoomFitWalls, {800, 400}, 0},
        {"fit a layout of one room", ViewLayout, ZoomFitWalls, {800, 400}, 1},
        {"normal in an empty window", ViewGround, ZoomNormal, {0, 0}, 0},
        {"shrink in an empty window", ViewGround, ZoomShrunk, {0, 0}, 0},
        {"fit in a window of no height", ViewGround, ZoomFitWalls, {800, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        WindowFixture f;
        for (int i = 0; i < c.Rooms; ++i) {
            auto room = MakeObjectOfKind(29000);
            room->View = c.View;
            room->X1 = 1000, room->Y1 = 3000, room->X2 = 3000, room->Y2 = 1000;
            f.S.DrawingObjects.Append(std::move(room));
        }
        f.Open(c.View);
        if (c.Kind == ZoomFitWalls && c.View == ViewGround && c.Client.Height == 0)
            f.AddExtwall(ViewGround, 5000, 2500, 15000, 2500);
        f.Ui.SetClientSize(c.Client);
        const float before = f.S.ZoomFactor;
        f.Window->ZoomCommand(c.Kind);
        EXPECT_EQ(f.S.DrawingReady, 2);
        ASSERT_TRUE(f.S.CurrentTool);
        EXPECT_TRUE(std::isfinite(f.S.ZoomFactor) && f.S.ZoomFactor > 0);
        if (c.Kind != ZoomNormal) {
            EXPECT_FLOAT_EQ(f.S.ZoomFactor, before);
        }
    }
}

TEST(ZoomCommands, FitWallsOnTheSitePlanIsRefusedWithItsMessage) {
    WindowFixture f;
    f.Open(ViewSite);
    f.Window->ZoomCommand(ZoomFitWalls);
    EXPECT_EQ(f.Ui.LastMessage(),
              "FIT WALLS ON SCREEN\nThis function is not intended to work on the Site plan\n"
              "Use the ZOOM / 'Scale Drawing on Screen' function");
    EXPECT_EQ(f.S.DrawingReady, 2);
}

TEST(ZoomCommands, ZoomCommandsNeedAReadyDrawing) {
    WindowFixture f;
    f.Open();
    f.S.DrawingReady = 1;
    f.S.ZoomFactor = 2.0f;
    f.Window->ZoomCommand(ZoomNormal);
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 2.0f);
    EXPECT_EQ(f.S.DrawingReady, 1);
}

TEST(ZoomCommands, AMoveToolResumesAsThePickTool) {
    WindowFixture f;
    f.Open();
    f.Tool().Mode = ModeMove;
    f.Window->ZoomCommand(ZoomNormal);
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.Tool().Window, f.Window.get());
}

// A site zoom of 0, as a blank site entry used to leave in the scale file, or one the mapping cannot show,
// must not become the zoom: the shipped site zoom takes its place, and the file gets it back.
TEST(ZoomGuards, AnUnusableSiteZoomFallsBackToTheDefault) {
    for (const char* stored : {"5.000000 0.000000", "5.000000 1e30", "5.000000 -4", "5 nonsense"}) {
        WindowFixture f;
        f.Cfg("SCALEVIEWM.CFG", stored);
        f.Open(ViewSite);
        EXPECT_FLOAT_EQ(f.S.ZoomFactor, 20.0f) << stored;
        EXPECT_EQ(f.Ui.Scroll().HRange, 250) << stored;
        EXPECT_NE(f.Ui.LastMessage().find("CFG/SCALEVIEWM.CFG"), std::string::npos) << f.Ui.LastMessage();
        EXPECT_EQ(f.ReadCfg("SCALEVIEWM.CFG"), "5.000000 20.000000") << stored;
        f.Window->ZoomCommand(ZoomNormal);
        EXPECT_FLOAT_EQ(f.S.ZoomFactor, 20.0f) << stored;
    }
}

TEST(ZoomGuards, AnEmptyClientKeepsTheSheetAndTheFrame) {
    WindowFixture f({0, 0});
    f.Cfg("DWGSIZEM.CFG", "5000 3000");
    f.Open();
    EXPECT_EQ(f.S.SheetHeight, 3000);
    f.Window->OnResize({0, 0});
    EXPECT_EQ(f.S.SheetHeight, 3000);
    EXPECT_GT(f.S.ViewExtX, 0);
}

TEST(ZoomGuards, AZeroZoomInTheStateIsNeverDividedBy) {
    WindowFixture f;
    f.Open();
    f.S.ZoomFactor = 0.0f;
    f.Window->CentreOnSheet(true);
    EXPECT_GT(f.S.ZoomFactor, 0.0f);
    f.S.ZoomFactor = 0.0f;
    f.Window->AlignToReference(); // nothing to align to at zoom 0
    f.Window->ZoomCommand(ZoomShrunk);
    EXPECT_TRUE(std::isfinite(f.S.ZoomFactor) && f.S.ZoomFactor > 0);
}

// Zoom Up on a window at normal size: pixel (px, py) is logical (500 + 5 px, 250 + 5 (400 - py)).
struct ZoomUpFixture : WindowFixture {
    explicit ZoomUpFixture(int metricFlag = 1) : WindowFixture({800, 400}, metricFlag) {
        Open();
        Window->RefX = Window->RefY = 0;
        Window->ZoomUpCommand();
    }
    void Drag(Point from, Point to) {
        Window->OnMouseDown(MouseButton::Left, from);
        Window->OnMouseMove(to, true);
        Window->OnMouseUp(MouseButton::Left, to);
    }
};

TEST(ZoomUp, StartsWithItsGuideAndWaitsForThePress) {
    ZoomUpFixture f;
    EXPECT_EQ(f.Tool().AuxStep, AuxZoomUpWaiting);
    EXPECT_EQ(f.Window->ReadoutMode, 3);
    EXPECT_EQ(f.S.ZoomState, ZoomUpStarted);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: press Left Button, hold down and drag cursor over area to enlarge");
    EXPECT_EQ(CfgInts(f, "ZSTAT.CFG", 5), (std::vector<int>{0, 4000, 2000, 500, 250}));
}

TEST(ZoomUp, ATallRectangleWidensAboutItsCentreAtAWholeZoom) {
    ZoomUpFixture f;
    f.Drag({100, 350}, {200, 50}); // logical (1000, 500) to (1500, 2000)
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 3.0f);
    EXPECT_EQ(f.S.ViewExtX, 2400);
    EXPECT_EQ(f.S.ViewExtY, 1200);
    // x centred: 1000 - (2400 - 500) / 2 = 50; both origins aligned to the reference (0, 0) give (100,
    // 550), scroll positions 33 and 250; the paint at once puts the origin on those whole pixels.
    EXPECT_EQ(f.Ui.Scroll(), (ScrollState{1666, 833, 33, 250}));
    EXPECT_EQ(f.S.ViewOrgX, 99);
    EXPECT_EQ(f.S.ViewOrgY, 549);
    EXPECT_EQ(f.Tool().AuxStep, ViewGround);
    EXPECT_EQ(f.Ui.Panel(1), " pixel = 15 mm.");
}

TEST(ZoomUp, AnAreaSmallerThanTheWindowEndsAtZoomOne) {
    ZoomUpFixture f;
    f.Drag({100, 300}, {200, 250}); // logical (1000, 750) to (1500, 1000)
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 1.0f);
    EXPECT_EQ(f.S.ViewExtX, 800);
    EXPECT_EQ(f.S.ViewExtY, 400);
    EXPECT_EQ(f.S.ViewOrgX, 1000); // the full width kept at its left edge
    EXPECT_EQ(f.S.ViewOrgY, 675);  // the height centred on the selection
}

TEST(ZoomUp, TheRubberBandIsXorDrawnTwiceAndErasedWithAHollowBrush) {
    ZoomUpFixture f;
    f.Picture.Clear();
    f.Drag({100, 350}, {200, 50});
    const auto rects = f.Picture.CallsOf(CanvasOp::Rectangle);
    ASSERT_EQ(rects.size(), 3u);
    for (const CanvasCall* r : rects) {
        EXPECT_EQ(r->State.Rop, RasterOp::Xor);
        EXPECT_EQ(r->State.CurrentPen.Style, PenStyle::Dot);
    }
    EXPECT_EQ(rects[1]->Points, (std::vector<Point>{{1000, 500}, {1500, 2000}}));
    EXPECT_FALSE(rects[1]->State.CurrentBrush.Hollow);
    EXPECT_EQ(rects[2]->Points, rects[1]->Points);
    EXPECT_TRUE(rects[2]->State.CurrentBrush.Hollow);
}

TEST(ZoomUp, AClickWithoutADragStaysArmedFromTheSameCorner) {
    ZoomUpFixture f;
    f.Window->OnMouseDown(MouseButton::Left, {100, 350});
    f.Window->OnMouseUp(MouseButton::Left, {100, 350});
    EXPECT_EQ(f.Tool().AuxStep, AuxZoomUpDragging);
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 5.0f);
    f.Window->OnMouseMove({200, 50}, true);
    f.Window->OnMouseUp(MouseButton::Left, {200, 50});
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 3.0f);
}

TEST(ZoomUp, ImperialDrawingsAreWarnedAboutPrecision) {
    ZoomUpFixture f(0);
    f.Drag({100, 350}, {200, 50});
    EXPECT_EQ(f.Ui.Panel(0), "CAUTION: Zoom Up may not give precise measurements using feet & inches");
}

TEST(ZoomUp, IsNotAvailableOnLayouts) {
    WindowFixture f;
    f.Open(ViewLayout);
    f.Window->ZoomUpCommand();
    EXPECT_EQ(f.Ui.LastMessage(), "ZOOM UP\nNot available on room layouts or group drawings");
    EXPECT_EQ(f.Tool().AuxStep, 0);
}

TEST(ScaleDrawing, OkSetsTheZoomAndTheSiteZoomAndSetsTheViewUpAgain) {
    WindowFixture f;
    f.Cfg("SCALEVIEWM.CFG", "5.000000 5.000000");
    f.Open();
    f.Ui.Queue(
        DialogWords(TTScaledlg::Caption,
                    {{"= 15 mm.", std::nullopt}, {TTScaledlg::SiteLabel, "40"}, {"O K", std::nullopt}}));
    f.Window->ScaleDrawingCommand();
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 3.0f);
    EXPECT_FLOAT_EQ(f.S.SiteZoom, 8.0f);
    EXPECT_EQ(f.ReadCfg("SCALEVIEWM.CFG"), "3.000000 8.000000");
    EXPECT_EQ(f.S.ViewExtX, 2400);
    EXPECT_EQ(f.Ui.Panel(1), " pixel = 15 mm.");
}

TEST(ScaleDrawing, CancelKeepsTheZoomAndInstallsThePickTool) {
    WindowFixture f;
    f.Open();
    InstallTool(f.S, f.Ui, 22);
    f.Ui.Queue(DialogWords(TTScaledlg::Caption, {{"= 15 mm.", std::nullopt}, {"Cancel", std::nullopt}}));
    f.Window->ScaleDrawingCommand();
    EXPECT_FLOAT_EQ(f.S.ZoomFactor, 5.0f);
    EXPECT_EQ(f.Tool().Mode, ModePick);
}

TEST(ScaleDialogs, MetricRowsShowTheLongestLengthAndStartOnTheCurrentZoom) {
    const DialogDescription d = TTScaledlg::Make(5.0f, 8.0f, 800);
    EXPECT_EQ(d.Caption, "drawing size on screen");
    EXPECT_EQ(d.Chosen(TTScaledlg::Group), "= 25 mm.");
    EXPECT_TRUE(d.Field("4000 mm."));  // zoom 1 x 5 x 800
    EXPECT_TRUE(d.Field("36000 mm.")); // zoom 9
    EXPECT_EQ(d.Value(TTScaledlg::SiteLabel), "40");
    EXPECT_TRUE(d.Field("NOTE this does NOT not affect printing scales"));
}

TEST(ScaleDialogs, ImperialRowsAndTheirZooms) {
    DialogDescription d = TTScaleImpdlg::Make(4.0f, 16.0f, 800);
    EXPECT_EQ(d.Caption, " drawing size on screen");
    EXPECT_EQ(d.Chosen(TTScaleImpdlg::Group), "= 1 inch");
    EXPECT_TRUE(d.Field("16 ft, 8 inches")); // zoom 1: 200 inches
    EXPECT_EQ(d.Value(TTScaleImpdlg::SiteLabel), "4");
    EXPECT_TRUE(d.Button("OK"));
    d.Choose("= 6 inches");
    d.SetValue(TTScaleImpdlg::SiteLabel, "3");
    const ScaleChoice c = TTScaleImpdlg::Result(d, 4.0f, 16.0f);
    EXPECT_FLOAT_EQ(c.ZoomFactor, 24.0f);
    EXPECT_FLOAT_EQ(c.SiteZoom, 12.0f);
}

TEST(ScaleDialogs, NoChoiceKeepsTheZoomAndABlankSiteEntryKeepsTheSiteZoom) {
    DialogDescription d = TTScaledlg::Make(2.5f, 8.0f, 800);
    EXPECT_EQ(d.Chosen(TTScaledlg::Group), "");
    for (const char* entry : {"", "abc", "0", "-5"}) {
        d.SetValue(TTScaledlg::SiteLabel, entry);
        const ScaleChoice c = TTScaledlg::Result(d, 2.5f, 8.0f);
        EXPECT_FLOAT_EQ(c.ZoomFactor, 2.5f);
        EXPECT_FLOAT_EQ(c.SiteZoom, 8.0f) << entry;
    }
}

TEST(FeetDialog, OpensOnTheValueAndRefusesAFractionAboveOne) {
    std::ostringstream out;
    ScriptedUi ui(out);
    const DialogDescription start = TTFeetdlg::Make(3537);
    EXPECT_EQ(start.Caption, "measurement");
    EXPECT_EQ(start.Value("feet"), "12");
    EXPECT_EQ(start.Value("inches"), "3");
    EXPECT_EQ(start.Value("numerator"), "3");
    EXPECT_EQ(start.Value("denominator"), "8");
    ui.Queue(ScriptAnswer::ForDialog("measurement", {"numerator=5", "denominator=4", "O K"}));
    ui.Queue(ScriptAnswer::ForDialog("measurement", {"numerator=3", "denominator=8", "O K"}));
    EXPECT_EQ(AskFeetDistance(ui, 3537), 3537);
    EXPECT_EQ(ui.LastMessage(), "the input range is 1 to 350 feet");
}

TEST(FeetDialog, ValuesAndCancel) {
    struct Case {
        std::vector<std::string> Words;
        std::optional<int> Value;
    };
    const Case cases[] = {
        {{"feet=12", "inches=3", "numerator=0", "denominator=0", "O K"}, 12 * 288 + 72},
        {{"feet=0", "inches=6", "O K"}, 144},
        {{"feet=350", "inches=11", "O K"}, 350 * 288 + 264},
        {{"feet=2", "Cancel"}, std::nullopt},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        ScriptedUi ui(out);
        ui.Queue(ScriptAnswer::ForDialog("measurement", c.Words));
        EXPECT_EQ(AskFeetDistance(ui, 0), c.Value);
    }
}

TEST(FeetDialog, HelpShowsItsPageAndLeavesTheEntryOpen) {
    std::ostringstream out;
    ScriptedUi ui(out);
    ui.Queue(ScriptAnswer::ForDialog("measurement", {"Help"}));
    ui.Queue(ScriptAnswer::ForDialog("measurement", {"feet=1", "O K"}));
    EXPECT_EQ(AskFeetDistance(ui, 288), 288);
    EXPECT_EQ(ui.HelpPage(), "other.htm");
}

TEST(ZoomStyle, OkWritesTheChoice) {
    WindowFixture f;
    f.Cfg("ZOOMSTYLE.CFG", "0");
    f.Ui.Queue(ScriptAnswer::ForDialog("zoom style", {"show new view at previous zoom state", "O K"}));
    ZoomStyleCommand(f.S, f.Ui);
    EXPECT_EQ(CfgInts(f, "ZOOMSTYLE.CFG", 1), std::vector<int>{1});
    EXPECT_EQ(f.S.LastCommand, 310);
}

TEST(MeasuringSystem, OpensOnTheCurrentSystemAndReadsTheChoice) {
    DialogDescription d = TTMeasdlg::Make(0);
    EXPECT_EQ(d.Caption, "select measuring system to use");
    EXPECT_TRUE(d.IsOn("feet && inches"));
    d.Choose("metric");
    EXPECT_EQ(TTMeasdlg::Result(d), 1);
}

} // namespace
} // namespace velmora
