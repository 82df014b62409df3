// The print commands on the two-floor house: what reaches the printer (pages, mappings, pens, texts) and
// what stays as it was (the view, the zoom, the drawing and its file).
#include "app/view_session.h"
#include "dialogs/print_dialogs.h"
#include "output/print_scale.h"
#include "output/recording_print_job.h"
#include "tools/drawing_tool.h"
#include "view/drawing_window.h"
#include "view/units.h"
#include "view/view_mapping.h"

#include <cmath>
#include <set>

namespace velmora {
namespace {

constexpr const char* House = "Two Floor House";

class PrintCommands : public test::ViewSession {
protected:
    void SetUp() override {
        // An ivory window: paper must still come out white behind masks and text boxes.
        test::WriteFile(Home.Path / "CFG" / "CLR.CFG", std::to_string(Rgb(255, 250, 225)) + " 0 255\r\n");
        Ui.SetWindowCanvas(&WindowPicture); // the part print's box is dragged on it
        CopyFixture("two_floor_house.BMS", House);
        Open(House);
        Ui.SetPdfPrinter([this](const std::string& file, const PrintJobRequest& request) {
            return std::make_unique<test::RecordingPrintJob>(Printed, file, request);
        });
    }
    void Printer(const std::string& file = "out.pdf") { Ui.Queue(ScriptAnswer::ForPdfPrinter(file)); }
    const RecordingCanvas& Page(std::size_t job, std::size_t page) const {
        return *Printed.Jobs.at(job).Pages.at(page);
    }
    static Mapping MappingOf(const RecordingCanvas& page) {
        return page.CallsOf(CanvasOp::SetMapping).back()->State.Map;
    }
    // The widths of every pen a segment or outline was drawn with.
    static std::set<int> PenWidths(const RecordingCanvas& page) {
        std::set<int> widths;
        for (const auto op : {CanvasOp::LineTo, CanvasOp::Polyline, CanvasOp::Polygon})
            for (const CanvasCall* c : page.CallsOf(op))
                if (c->State.CurrentPen.Style != PenStyle::Null) widths.insert(c->State.CurrentPen.Width);
        return widths;
    }
    static int FontHeightOf(const RecordingCanvas& page, const std::string& text) {
        for (const CanvasCall* c : page.CallsOf(CanvasOp::TextOut))
            if (c->Text == text) return c->State.CurrentFont.Height;
        return -1;
    }
    // The device pixels of a world length at scale : 1 on the 600 dpi test printer.
    static double Pixels(int mm, int scale, double calibration = 1.0) {
        return mm / static_cast<double>(scale) * 600 * InchesPerMillimetre * calibration;
    }

    test::PrintRecord Printed;
    RecordingCanvas WindowPicture;
};

TEST_F(PrintCommands, PrintsEachChosenFloorAtItsOwnScale) {
    const int view = State.CurrentView;
    const float zoom = State.ZoomFactor;
    const int orgX = State.ViewOrgX, orgY = State.ViewOrgY;
    Answer(TTFPlanprintdlg::Caption, {"ground floor=1", "first floor=2", "first floor scale : 1=50", "O K"});
    Printer();
    Run("CmPrintExecute");
    ASSERT_EQ(Printed.Jobs.size(), 1u);
    const auto& job = Printed.Jobs[0];
    EXPECT_TRUE(job.Finished);
    EXPECT_EQ(job.Request.DocumentName, House);
    EXPECT_TRUE(job.Request.Landscape); // PRINT.CFG of the home folder
    ASSERT_EQ(job.Pages.size(), 3u);    // the ground floor once, the first floor twice

    // 10000 mm of wall across: 2000 logical units on the window side of the mapping.
    for (const auto& [page, scale] : {std::pair{0, 100}, {1, 50}, {2, 50}}) {
        SCOPED_TRACE(page);
        const Mapping m = MappingOf(Page(0, page));
        const double perLogical = static_cast<double>(m.ViewportExtX) / m.WindowExtX;
        EXPECT_NEAR(2000 * perLogical, Pixels(10000, scale), Pixels(10000, scale) * 0.001);
        EXPECT_NEAR(-m.ViewportExtY / static_cast<double>(m.WindowExtY), perLogical, perLogical * 0.01);
    }
    // Medium lines: pens PenWidth x 3 at 100 : 1, x 6 at 50 : 1; medium text: Height x 6, x 3.
    EXPECT_EQ(PenWidths(Page(0, 0)), (std::set<int>{3}));
    EXPECT_EQ(PenWidths(Page(0, 1)), (std::set<int>{6}));
    EXPECT_EQ(FontHeightOf(Page(0, 0), "Living"), 60);
    EXPECT_EQ(FontHeightOf(Page(0, 1), "FIRST FLOOR"), 30);
    // The scale line: under the ground floor's walls; under the first floor's title.
    EXPECT_EQ(FontHeightOf(Page(0, 0), std::string(House) + " scale 100 : 1"), 72); // the title's height 12
    EXPECT_NE(FontHeightOf(Page(0, 1), std::string(House) + " scale 50 : 1"), -1);
    EXPECT_EQ(Setting("PRNTLST.CFG"), "1 100 1120\r\n2 50 1121\r\n");

    // Nothing of the print is left behind: view, zoom, the drawing and its file.
    EXPECT_EQ(State.CurrentView, view);
    EXPECT_EQ(State.ZoomFactor, zoom);
    EXPECT_EQ(State.ViewOrgX, orgX);
    EXPECT_EQ(State.ViewOrgY, orgY);
    EXPECT_TRUE(ListIsTheFile());
    EXPECT_EQ(Ui.Panel(0), "GUIDE: press F1 key for context help");
}

TEST_F(PrintCommands, MasksAndTextBoxesPrintPaperWhite) {
    Answer(TTFPlanprintdlg::Caption, {"O K"});
    Printer();
    Run("CmPrintExecute");
    ASSERT_EQ(Printed.Jobs.at(0).Pages.size(), 1u);
    const auto& page = Page(0, 0);
    int masks = 0;
    for (const CanvasCall* c : page.CallsOf(CanvasOp::Polygon))
        if (c->State.CurrentBrush.Colour == Rgb(255, 255, 255)) ++masks;
    EXPECT_EQ(masks, 2); // the two openings of the ground floor
    for (const CanvasCall* c : page.CallsOf(CanvasOp::TextOut))
        EXPECT_EQ(c->State.BackgroundColour, Rgb(255, 255, 255)) << c->Text;
}

TEST_F(PrintCommands, EachPrintWritesItsOwnQueue) {
    Answer(TTFPlanprintdlg::Caption, {"first floor=1", "O K"});
    Printer();
    Run("CmPrintExecute");
    EXPECT_EQ(Setting("PRNTLST.CFG"), "1 100 1120\r\n1 100 1121\r\n");
    Answer(TTFPlanprintdlg::Caption, {"ground floor=0", "site plan=1", "O K"});
    Run("CmPrintExecute"); // the site plan is empty: no page, no job asked for
    EXPECT_EQ(Setting("PRNTLST.CFG"), "1 500 1190\r\n");
    EXPECT_EQ(Printed.Jobs.size(), 1u);
    EXPECT_EQ(Ui.LastMessage(), "There is nothing to print on the floors chosen");
}

TEST_F(PrintCommands, AScaleOfZeroIsRefusedWhileTheDialogStaysOpen) {
    Answer(TTFPlanprintdlg::Caption, {"ground floor scale : 1=0", "O K"});
    Answer(TTFPlanprintdlg::Caption, {"Cancel"});
    Run("CmPrintExecute");
    EXPECT_EQ(Ui.LastMessage(), print_labels::ScaleRefused);
    EXPECT_TRUE(Printed.Jobs.empty());
}

TEST_F(PrintCommands, CancelledPrintDialogPrintsNothing) {
    Answer(TTFPlanprintdlg::Caption, {"O K"});
    Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Printer));
    Run("CmPrintExecute");
    EXPECT_TRUE(Printed.Jobs.empty());
    EXPECT_TRUE(ListIsTheFile());
}

TEST_F(PrintCommands, CalibrationScalesTheNextPrint) {
    Answer(TTPrintcaldlg::Caption, {"millimetres=14850", "O K"});
    Run("CmPrintcalExecute");
    EXPECT_EQ(Setting("PRNTCALM.CFG"), "14850 1.010000");
    Answer(TTFPlanprintdlg::Caption, {"O K"});
    Printer();
    Run("CmPrintExecute");
    const Mapping m = MappingOf(Page(0, 0));
    EXPECT_NEAR(2000.0 * m.ViewportExtX / m.WindowExtX, Pixels(10000, 100, 1.01), 1.0);
}

TEST_F(PrintCommands, CalibrationRefusesASizeNoFactorCanCorrect) {
    Answer(TTPrintcaldlg::Caption, {"millimetres=30000", "O K"});
    Answer(TTPrintcaldlg::Caption, {"Cancel"});
    Run("CmPrintcalExecute");
    EXPECT_EQ(Ui.LastMessage(), "the measured size must be from 7500 to 22500 mm");
    EXPECT_EQ(Setting("PRNTCALM.CFG"), "15000 1.000000");
}

TEST_F(PrintCommands, SplitPrintPutsTheHalvesAgainstTheEdgeWhereThePagesMeet) {
    for (const bool topBottom : {false, true}) {
        SCOPED_TRACE(topBottom);
        Answer(TTSplitdlg::Caption, {topBottom ? TTSplitdlg::TopBottom : TTSplitdlg::LeftRight, "O K"});
        Answer(TTGrpprintdlg::Caption, {"O K"});
        Printer();
        Run("CmPrintssplitExecute");
        const auto& job = Printed.Jobs.back();
        ASSERT_EQ(job.Pages.size(), 2u);
        const Mapping first = MappingOf(*job.Pages[0]), second = MappingOf(*job.Pages[1]);
        if (!topBottom) {
            EXPECT_EQ(first.ViewportOrgX + first.ViewportExtX, Printed.PageWidth); // left half: right edge
            EXPECT_EQ(second.ViewportOrgX, 0);
            EXPECT_NEAR(first.WindowOrgX + first.WindowExtX, second.WindowOrgX, 1); // they meet, no overlap
        } else {
            EXPECT_EQ(first.ViewportOrgY, Printed.PageHeight); // top half: on the lower edge
            EXPECT_EQ(second.ViewportOrgY + second.ViewportExtY, 0);
            EXPECT_NEAR(second.WindowOrgY + second.WindowExtY, first.WindowOrgY, 1);
        }
    }
    EXPECT_EQ(State.CurrentView, ViewGround);
    EXPECT_TRUE(ListIsTheFile());
}

TEST_F(PrintCommands, PartPrintShowsTheDraggedAreaAndLeavesTheDrawingAlone) {
    Run("CmPrintpartExecute");
    EXPECT_EQ(Ui.Panel(0),
              "GUIDE: Just hold the Left Button down and drag over EXACT area you want to print");
    TMDIChild* w = Prog.Window();
    const Size c = Ui.ClientSize();
    const Mapping screen = ViewMappingFor(w->Frame(), c.Width, c.Height);
    const int u = State.UnitsPerLogical;
    const Point ox = {State.SheetWidth * u / 2, State.SheetHeight * u / 2}; // the file's centre in memory
    auto pixel = [&](int x, int y) {
        return LogicalToPixel(screen, WorldToLogical(ox.X + x, u), WorldToLogical(ox.Y + y, u));
    };
    const Point from = pixel(-5200, 4200), to = pixel(200, -1000);
    Answer(TTGrpprintdlg::Caption, {"scale to 1=50", "O K"});
    Printer();
    Prog.MouseDown(MouseButton::Left, from);
    Prog.MouseMove(pixel(-1000, 0), true);
    Prog.MouseMove(to, true);
    Prog.MouseUp(MouseButton::Left, to);
    ASSERT_EQ(Printed.Jobs.size(), 1u) << Transcript.str();
    const auto& page = Page(0, 0);
    const Mapping m = MappingOf(page);
    // The page shows the area dragged, 5400 x 5200 mm, at 50 : 1.
    EXPECT_NEAR(m.WindowExtX, 5400 / u, 2);
    EXPECT_NEAR(m.WindowExtY, 5200 / u, 2);
    // Four masks in paper white after everything else, with no pen of their own.
    const auto polygons = page.CallsOf(CanvasOp::Polygon);
    ASSERT_GE(polygons.size(), 4u);
    for (std::size_t i = polygons.size() - 4; i < polygons.size(); ++i) {
        EXPECT_EQ(polygons[i]->State.CurrentBrush.Colour, Rgb(255, 255, 255));
        EXPECT_EQ(polygons[i]->State.CurrentPen.Style, PenStyle::Null);
    }
    const auto texts = page.Texts();
    EXPECT_TRUE(std::none_of(texts.begin(), texts.end(), [](const std::string& t) {
        return t.find(" scale ") != std::string::npos;
    })); // a part print has no scale line
    EXPECT_TRUE(ListIsTheFile());
    EXPECT_EQ(InView(ViewGround, 2000).size(), 2u); // only the drawing's own masks
    EXPECT_EQ(State.CurrentTool->Mode, 21);
}

TEST_F(PrintCommands, PartPrintOnlyOnFloorPlans) {
    State.CurrentView = ViewSite;
    Run("CmPrintpartExecute");
    EXPECT_EQ(Ui.LastMessage(),
              "PRINT PART OF PLAN\nThis function only works when a plan file is open ( ground, "
              "first, second or third floor )");
}

} // namespace
} // namespace velmora
