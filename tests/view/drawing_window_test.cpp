// The drawing window: creation, painting from the list in memory, the read-out and its datum, the datum
// command, partial invalidation, the layout grid, scrolling and autoscroll.
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora {
namespace {

using test::WindowFixture;

std::string Snapshot(const AppState& s) {
    std::string text, error;
    FormatDrawing(s.DrawingObjects, s.Header(), s.Shift(), text, error);
    return text;
}

std::size_t DrawingCalls(const RecordingCanvas& c) {
    return c.Count(CanvasOp::LineTo) + c.Count(CanvasOp::Polygon) + c.Count(CanvasOp::Polyline) +
           c.Count(CanvasOp::TextOut) + c.Count(CanvasOp::Rectangle) + c.Count(CanvasOp::Ellipse);
}

void AddLine(AppState& s, int view, int x1, int y1, int x2, int y2, Colorref c = Rgb(0, 0, 0)) {
    s.DrawingObjects.Append(std::make_unique<TLineobj>(1, view, 0, 0, x1, y1, x2, y2, c));
}

void AddPolygon(AppState& s, int view, Colorref fill) {
    auto poly = std::make_unique<TPolyobj>();
    poly->Kind = 6000; // a filled fixture outline
    poly->View = view;
    poly->FillColour = fill;
    poly->SetVertices({{1000, 1000}, {4000, 1000}, {4000, 4000}, {1000, 4000}});
    s.DrawingObjects.Append(std::move(poly));
}

void AddRoom(AppState& s, int view, int x1, int y1, int x2, int y2) {
    auto room = MakeObjectOfKind(29000);
    room->View = view;
    room->X1 = x1, room->Y1 = y1, room->X2 = x2, room->Y2 = y2;
    s.DrawingObjects.Append(std::move(room));
}

TEST(WindowCreation, TakesTheScreenColoursAndResetsTheReadout) {
    WindowFixture f;
    f.Cfg("CLR.CFG", "255 65280 16711680\n");
    TMDIChild& w = f.Open();
    EXPECT_EQ(f.S.BackgroundColour, 255);
    EXPECT_EQ(f.S.CurrentColour, 65280);
    EXPECT_EQ(f.S.HighlightColour, 16711680);
    EXPECT_EQ(f.Ui.Background(), 255);
    EXPECT_EQ(w.ReadoutMode, 1);
    EXPECT_EQ(w.TextEntryOpen, 0);
}

TEST(WindowCreation, LoadsTheWorkingFileOrSaysItIsMissing) {
    WindowFixture f;
    AddLine(f.S, ViewGround, 1000, 1000, 2000, 1000);
    f.Open();
    EXPECT_EQ(f.S.DrawingObjects.ObjectCount(), 7);
    EXPECT_EQ(f.Ui.MessageCount(), 0);

    WindowFixture g;
    g.S.DrawingReady = 2;
    g.Window = std::make_unique<TMDIChild>(g.S, g.Ui);
    EXPECT_EQ(g.Ui.LastMessage(), "Error: no file of that name");
}

TEST(WindowCreation, ClosingTheWindowLeavesTheToolNoWindow) {
    WindowFixture f;
    f.Open();
    f.Window->OnMouseMove({10, 10}, false);
    EXPECT_EQ(f.Tool().Window, f.Window.get());
    f.Window.reset();
    EXPECT_EQ(f.Tool().Window, nullptr);
}

TEST(Painting, FillsLieBeneathLineWorkDrawnBeforeThem) {
    WindowFixture f;
    AddLine(f.S, ViewGround, 500, 2500, 5000, 2500);
    AddPolygon(f.S, ViewGround, Rgb(0, 200, 0));
    f.Open();
    f.Picture.Clear();
    f.Ui.UpdateNow();
    const std::size_t fill = f.Picture.FirstIndexOf(CanvasOp::Polygon);
    const std::size_t line = f.Picture.LastIndexOf(CanvasOp::LineTo);
    ASSERT_NE(fill, RecordingCanvas::npos);
    ASSERT_NE(line, RecordingCanvas::npos);
    EXPECT_LT(fill, line);
}

// Painting reads the list; it must not store the highlight it paints with, move the view to the overlay's
// working floor, or write the drawing.
TEST(Painting, ChangesNoObjectNoViewAndNoFile) {
    WindowFixture f;
    f.AddExtwall(ViewGround, 1000, 1000, 5000, 1000);
    f.S.DrawingObjects.At(6)->Highlight = 77; // an element number
    AddPolygon(f.S, ViewGround, Rgb(0, 200, 0));
    AddLine(f.S, ViewFirst, 1000, 3000, 4000, 3000);
    f.Cfg("OVERLAY.CFG", "0 1 1 0 0 0 0");
    f.Open(ViewGround);
    f.S.WallDisplayMode = 2; // overlay: the working floor is the first floor, the ground floor highlighted
    std::filesystem::remove(f.DrawingPath());
    const std::string before = Snapshot(f.S);
    f.Ui.Invalidate();
    f.Ui.UpdateNow();
    EXPECT_GT(DrawingCalls(f.Picture), 0u);
    EXPECT_EQ(Snapshot(f.S), before);
    EXPECT_EQ(f.S.DrawingObjects.At(6)->Highlight, 77);
    EXPECT_EQ(f.S.CurrentView, ViewGround);
    EXPECT_FALSE(std::filesystem::exists(f.DrawingPath()));
}

TEST(Painting, NothingIsPaintedWithoutAClientAReadyDrawingOrOnPrintingPasses) {
    struct Case {
        const char* Name;
        Size Client;
        int Ready;
        int View;
    };
    const Case cases[] = {
        {"no client height", {800, 0}, 2, ViewGround},
        {"no client width", {0, 400}, 2, ViewGround},
        {"drawing not ready", {800, 400}, 1, ViewGround},
        {"printing pass", {800, 400}, 2, 1120},
        {"views 50 to 100 show only the background", {800, 400}, 2, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        WindowFixture f;
        AddLine(f.S, ViewGround, 500, 2500, 5000, 2500);
        AddLine(f.S, 60, 500, 2500, 5000, 2500);
        f.Open();
        f.Ui.SetClientSize(c.Client);
        f.S.DrawingReady = c.Ready;
        f.S.CurrentView = c.View;
        f.Picture.Clear();
        f.Window->OnPaint(f.Picture, std::nullopt);
        EXPECT_EQ(DrawingCalls(f.Picture), 0u);
    }
}

TEST(Painting, TheOriginFollowsTheScrollBars) {
    WindowFixture f;
    f.Open();
    f.Ui.SetScroll({1000, 500, 40, 10});
    f.Window->OnPaint(f.Picture, std::nullopt);
    EXPECT_EQ(f.S.ViewOrgX, 200);
    EXPECT_EQ(f.S.ViewOrgY, (500 - 10 - 400) * 5);
}

TEST(Readout, MeasuresFromTheDatumFoundByThePaint) {
    WindowFixture f({1000, 1000});
    f.S.SheetHeight = 5000; // the square client's proportions: the sheet, and the walls on it, stay put
    f.AddExtwall(ViewGround, 1000, 1000, 5000, 1000);
    f.AddExtwall(ViewGround, 5000, 1000, 5000, 4000);
    f.Open();
    f.Ui.UpdateNow();
    EXPECT_EQ(f.Window->ReadoutMode, 4);
    EXPECT_EQ(f.Window->RefX, 1000);
    EXPECT_EQ(f.Window->RefY, 1000);
    f.UnitFrame(-100, -100);
    f.Window->ShowReadout(500, 500); // logical (400, 400): world (2000, 2000)
    EXPECT_EQ(f.Ui.Readout(), " hor 1000: ver 1000: leng 1410 mm: degs 45.0: ");
}

TEST(Readout, ACursorWithinHalfAPixelMovesTheReference) {
    WindowFixture f({1000, 1000});
    f.Open();
    f.UnitFrame(-100, -100);
    f.Window->ReadoutMode = 4;
    f.Window->RefX = 1001, f.Window->RefY = 2001;
    f.Window->ShowReadout(300, 500); // world (1000, 2000), within b = 2 of the reference
    EXPECT_EQ(f.Window->RefX, 1000);
    EXPECT_EQ(f.Window->RefY, 2000);
    EXPECT_EQ(f.Ui.Readout(), " hor 0: ver 0: leng 0 mm: degs 0.0: ");
}

TEST(Readout, NothingIsShownBeforeAReferenceExists) {
    WindowFixture f;
    f.Open();
    f.Window->ReadoutMode = 1;
    f.Window->ShowReadout(10, 10);
    EXPECT_EQ(f.Ui.Readout(), "");
}

TEST(Datum, IsTheBottomLeftWallCornerOrTheFloorBelowOrZero) {
    WindowFixture f;
    f.AddExtwall(ViewGround, 2003, 1000, 6000, 1000);
    f.AddExtwall(ViewGround, 1002, 3000, 1002, 8000);
    f.Open(ViewGround);
    EXPECT_EQ(f.Window->ComputeDatum(), (Point{2000, 1000})); // list order, not the plain minimum
    f.S.CurrentView = ViewFirst;
    EXPECT_EQ(f.Window->ComputeDatum(), (Point{2000, 1000})); // no walls of its own: the floor below
    f.S.CurrentView = ViewLayout;
    EXPECT_EQ(f.Window->ComputeDatum(), std::nullopt);

    WindowFixture empty;
    empty.Open(ViewGround);
    EXPECT_EQ(empty.Window->ComputeDatum(), (Point{0, 0}));
}

TEST(Datum, CommandArmsATemporaryDatumAndTheNextOneReturnsToTheDatum) {
    WindowFixture f;
    f.AddExtwall(ViewGround, 1000, 1000, 5000, 1000);
    f.Open();
    f.Window->ReadoutMode = 4;
    f.Tool().Marked = 1;
    f.Window->DatumCommand();
    EXPECT_EQ(f.Window->ReadoutMode, 6);
    EXPECT_EQ(f.Tool().Marked, 0);
    EXPECT_EQ(f.S.LastCommand, 350);
    EXPECT_EQ(f.Ui.Panel(0),
              "Guide: TEMPORARY DATUM - press Enter key when cursor is on your new reference point");

    f.Window->ReadoutMode = 5; // a temporary datum was fixed
    f.Window->RefX = f.Window->RefY = 123;
    f.Window->DatumCommand();
    EXPECT_EQ(f.Window->ReadoutMode, 4);
    EXPECT_EQ(f.Window->RefX, 1000);
    EXPECT_EQ(f.Window->RefY, 1000);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: Select tool or function");
}

TEST(InvalidateChange, CoversTheToolsLastChangeWithItsMargin) {
    struct Case {
        const char* Name;
        int Kind;
        int GridOn;
        Rect Expected;
    };
    // Points (1000, 1000)-(2000, 1500) are logical (200, 200)-(400, 300); the Box (1500, 1200)-(1800, 1400)
    // is logical (300, 240)-(360, 280). Pixel y = 400 - logical y.
    const Case cases[] = {
        {"points and box, 50 around", ChangeAroundTool, 0, {150, 50, 450, 250}},
        {"box only, 10 around", ChangeBoxOnly, 0, {290, 110, 370, 170}},
        {"after a wall edit, 10 around", ChangeAfterWallEdit, 0, {190, 90, 410, 210}},
        {"the grid makes it the whole window", ChangeAroundTool, 1, {0, 0, 800, 400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        WindowFixture f;
        f.Open();
        f.Ui.UpdateNow();
        f.UnitFrame(0, 0);
        f.S.LayoutGridOn = c.GridOn;
        TDrawingtool& t = f.Tool();
        t.X1 = 1000, t.Y1 = 1000, t.X2 = 2000, t.Y2 = 1500;
        t.BoxX1 = 1500, t.BoxY1 = 1200, t.BoxX2 = 1800, t.BoxY2 = 1400;
        f.Window->InvalidateChange(c.Kind);
        EXPECT_EQ(f.Ui.InvalidArea(), c.Expected);
    }
}

TEST(InvalidateChange, AfterARoomEditAddsTheMergingDistanceAndClipsToTheClient) {
    WindowFixture f;
    f.Cfg("MERGEM.CFG", "500\n");
    f.Open();
    f.Ui.UpdateNow();
    f.UnitFrame(0, 0);
    TDrawingtool& t = f.Tool();
    t.X2 = 2000, t.Y2 = 1500;
    t.BoxX1 = 100, t.BoxY1 = 100, t.BoxX2 = 1800, t.BoxY2 = 1400;
    f.Window->InvalidateChange(ChangeAfterRoomEdit);
    // logical (20, 20)-(400, 300) with 10 + 100 around: clipped on the left and at the bottom.
    EXPECT_EQ(f.Ui.InvalidArea(), (Rect{0, 0, 510, 400}));
}

TEST(LayoutGrid, CoversTheRoomGroupOverTheRooms) {
    WindowFixture f;
    f.Cfg("LYTGRIDM.CFG", "1000 255\n");
    AddRoom(f.S, ViewLayout, 1000, 6000, 4000, 2000);
    AddRoom(f.S, ViewLayout, 5000, 6000, 8000, 2000);
    f.Open(ViewLayout);
    f.S.LayoutGridOn = 1;
    f.Picture.Clear();
    f.Window->OnPaint(f.Picture, std::nullopt);
    const auto isGrid = [](const Segment& s) {
        return s.With.Colour == 255 && s.With.Style == PenStyle::Dot;
    };
    const auto grid = f.Picture.SegmentsWhere(isGrid);
    EXPECT_EQ(grid.size(), 4u + 8u + 5u); // border, verticals 1000..8000, horizontals 6000..2000
    const auto all = f.Picture.Segments();
    const auto firstGrid = std::find_if(all.begin(), all.end(), isGrid);
    EXPECT_TRUE(std::all_of(firstGrid, all.end(), isGrid)); // nothing of the rooms over the grid
    EXPECT_EQ(f.Window->RefX, 1000); // the read-out measures from the group's top-left corner
    EXPECT_EQ(f.Window->RefY, 6000);
    EXPECT_EQ(f.Window->ReadoutMode, 4);
}

TEST(LayoutGrid, ASpacingOfZeroDrawsNoGrid) {
    WindowFixture f;
    f.Cfg("LYTGRIDM.CFG", "0 255\n");
    AddRoom(f.S, ViewLayout, 1000, 6000, 4000, 2000);
    AddRoom(f.S, ViewLayout, 5000, 6000, 8000, 2000);
    f.Open(ViewLayout);
    f.S.LayoutGridOn = 1;
    f.Picture.Clear();
    f.Window->OnPaint(f.Picture, std::nullopt);
    EXPECT_TRUE(f.Picture.SegmentsWhere([](const Segment& s) { return s.With.Colour == 255; }).empty());
}

TEST(Scrolling, LinePageAndThumbMoveWithinTheRange) {
    struct Case {
        bool Vertical;
        ScrollRequest Request;
        int Thumb;
        int MetricFlag;
        int Expected;
    };
    // Normal size: metric ranges 1000 x 500 at positions 100, 50; imperial 1250 x 624 at 225, 112.
    const Case cases[] = {
        {false, ScrollRequest::LineDown, 0, 1, 105},       {false, ScrollRequest::LineUp, 0, 0, 221},
        {true, ScrollRequest::PageDown, 0, 1, 300},        {true, ScrollRequest::PageUp, 0, 1, 0},
        {false, ScrollRequest::PageDown, 0, 0, 225 + 192}, {false, ScrollRequest::ThumbTrack, 2000, 1, 1000},
        {true, ScrollRequest::ThumbPosition, 7, 1, 7},     {true, ScrollRequest::Other, 7, 1, 50},
    };
    for (const Case& c : cases) {
        WindowFixture f({800, 400}, c.MetricFlag);
        f.Open();
        f.Window->OnScroll(c.Vertical, c.Request, c.Thumb);
        const ScrollState s = f.Ui.Scroll();
        EXPECT_EQ(c.Vertical ? s.VPos : s.HPos, c.Expected);
    }
}

TEST(Scrolling, TheOriginFollowsTheNewPosition) {
    WindowFixture f;
    f.Open();
    f.Window->OnScroll(false, ScrollRequest::LineDown, 0);
    EXPECT_EQ(f.S.ViewOrgX, 525);
    EXPECT_TRUE(f.Ui.InvalidArea().has_value());
}

TEST(Autoscroll, ScrollsWhileTheButtonIsHeldAtAnEdgeUntilTheSheetEnds) {
    WindowFixture f;
    f.S.AutoscrollFlag = 1;
    f.Open();
    f.Window->OnMouseDown(MouseButton::Left, {2, 200});
    EXPECT_EQ(f.Ui.PendingTimers(), 1u);
    EXPECT_EQ(f.Ui.Scroll().HPos, 100); // nothing moves until the event loop runs the pass
    f.Ui.RunPendingTimers();
    EXPECT_EQ(f.Ui.Scroll().HPos, 0);
    EXPECT_EQ(f.Ui.PendingTimers(), 0u);
}

TEST(Autoscroll, StopsAtTheReleaseAwayFromTheEdgeAndWhenOff) {
    struct Case {
        const char* Name;
        int Flag;
        bool Release;
        Point MoveTo;
    };
    const Case cases[] = {
        {"released", 1, true, {797, 200}},
        {"moved away from the edge", 1, false, {400, 200}},
        {"autoscroll off", 0, false, {797, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        WindowFixture f;
        f.S.AutoscrollFlag = c.Flag;
        f.Open();
        f.Window->OnMouseDown(MouseButton::Left, {797, 200});
        f.Window->OnMouseMove(c.MoveTo, true);
        if (c.Release) f.Window->OnMouseUp(MouseButton::Left, c.MoveTo);
        f.Ui.RunPendingTimers();
        EXPECT_EQ(f.Ui.Scroll().HPos, 100);
    }
}

TEST(Autoscroll, APassAfterTheWindowClosedDoesNothing) {
    WindowFixture f;
    f.S.AutoscrollFlag = 1;
    f.Open();
    f.Window->OnMouseDown(MouseButton::Left, {2, 200});
    f.Window.reset();
    f.Ui.RunPendingTimers();
    EXPECT_EQ(f.Ui.Scroll().HPos, 100);
}

} // namespace
} // namespace velmora
