#include "output/print_commands.h"

#include "app/drawing_store.h"
#include "app/settings_files.h"
#include "dialogs/customise_dialogs.h"
#include "dialogs/print_dialogs.h"
#include "output/part_print_tool.h"
#include "output/print_calibration.h"
#include "output/print_drawing.h"
#include "output/print_engine.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"
#include "view/drawing_window.h"

#include <filesystem>

namespace velmora {

namespace {

constexpr const char* OrientationGuide = "LANDSCAPE prints along paper length, PORTRAIT across width";
constexpr const char* CopiesGuide = "GUIDE: you MUST input number of copies to print";
constexpr int LastCommandPrint = 360;

// The open drawing written with its backup, so the print reads what the user sees. False (and the user
// told) when the file could not be written: printing an older file would mislead.
bool WriteForPrint(AppState& s, Ui& ui) {
    for (int mode : {ModeWorking, ModeBackup}) {
        const FileResult r = SaveDrawing(s, mode);
        if (!r.Ok()) {
            ui.Message("", "The drawing could not be written, so it was not printed:\n" + r.Message,
                       MessageKind::Error);
            return false;
        }
    }
    return true;
}

std::optional<PrintDrawing> ReadForPrint(const AppState& s, Ui& ui, const std::filesystem::path& file) {
    std::string error;
    auto drawing = ReadPrintDrawing(s.HomePath, file, error);
    if (!drawing) ui.Message("", "The drawing cannot be printed:\n" + error, MessageKind::Error);
    return drawing;
}

void WriteArea(const AppState& s, const char* name, const WorldArea& a) {
    std::string error; // an exchange file for other programs only; the print does not read it back
    WriteSettingsLine(s.HomePath, name, error, "%ld %ld %ld %ld", static_cast<long>(a.MinX),
                      static_cast<long>(a.MaxX), static_cast<long>(a.MaxY), static_cast<long>(a.MinY));
}

void KeepPrintStyle(const AppState& s, Ui& ui, const PrintStyleFile& style) {
    std::string error;
    if (!WritePrintStyle(s.HomePath, style, error)) ui.Message("", error, MessageKind::Error);
}

// A print command's pages on one job: the print dialog first, then each page, then the job delivered.
class PrintRun {
public:
    PrintRun(const AppState& s, Ui& ui, const PrintDrawing& d)
        : S(s), U(ui), D(d), Settings(ReadPageSettings(s.HomePath, d.MetricFlag, s.CurrentColour)) {}

    bool Start(bool landscape) {
        Job = U.StartPrintJob(PrintJobRequest{D.Name, landscape});
        return Job != nullptr;
    }

    // One page of the view; the scale line unless a part print; extras painted over it.
    bool Page(int view, const WorldArea& area, const PrintOptions& o, bool scaleLine, bool split,
              const std::vector<const TObj*>& extras = {}) {
        PrintPage page{
            &D, view, area, o, Settings.Calibration, extras, S.CurrentColour, Settings.ScaleLine.DefaultFont};
        std::unique_ptr<TObj> line =
            scaleLine ? MakeScaleLine(D, view, o, Settings.ScaleLine, split) : nullptr;
        if (line) page.Extras.push_back(line.get());
        std::string error;
        if (!PrintPageOnJob(*Job, page, error)) {
            U.Message("", "The print failed: " + error, MessageKind::Error);
            Failed = true;
            return false;
        }
        ++Pages;
        return true;
    }

    void Finish() {
        if (!Job || Failed || Pages == 0) return;
        std::string error;
        if (!Job->Finish(error))
            U.Message("", "The print could not be written: " + error, MessageKind::Error);
    }

private:
    const AppState& S;
    Ui& U;
    const PrintDrawing& D;
    PageSettings Settings;
    std::unique_ptr<PrintJob> Job;
    int Pages = 0;
    bool Failed = false;
};

std::optional<std::filesystem::path> ChooseDrawingToPrint(AppState& s, Ui& ui) {
    if (ui.HasDrawingWindow() && s.DrawingReady == 2) {
        if (s.DrawingObjects.ObjectCount() > 0 && !WriteForPrint(s, ui)) return std::nullopt;
        return DrawingFilePath(s, ModeWorking);
    }
    ui.SetPanel(0, "GUIDE: Select Drawing NAME");
    const auto chosen =
        ui.ChooseFile("Open", (s.HomePath / "DWGS").string(), "Plan files (*.BMS)|*.BMS", false);
    if (!chosen) return std::nullopt;
    return std::filesystem::path(*chosen);
}

void WritePrintQueue(const AppState& s, Ui& ui, const TTFPlanprintdlg::Result& r) {
    std::string text;
    for (const auto& f : r.Floors)
        if (f.Copies > 0)
            text += std::to_string(f.Copies) + " " + std::to_string(f.Scale) + " " +
                    std::to_string(f.View + 1000) + "\n";
    std::string error; // written afresh: an old queue must never print again
    if (!WriteSettingsText(s.HomePath, "PRNTLST.CFG", text, error)) ui.Message("", error, MessageKind::Error);
}

// The floors of the queue, each at its scale and copies, on one job.
void PrintFloors(const AppState& s, Ui& ui, const PrintDrawing& drawing, const TTFPlanprintdlg::Result& r) {
    // Floors without objects print no page; the printer is asked for only when a page will come.
    std::vector<std::pair<TTFPlanprintdlg::FloorPrint, WorldArea>> pages;
    for (const auto& f : r.Floors)
        if (f.Copies > 0)
            if (const auto extents = PrintExtents(drawing.Objects, f.View)) pages.emplace_back(f, *extents);
    if (pages.empty()) {
        ui.Message("", "There is nothing to print on the floors chosen");
        return;
    }
    PrintRun run(s, ui, drawing);
    if (!run.Start(r.Options.Landscape)) return;
    for (const auto& [f, extents] : pages) {
        WriteArea(s, "EXTENTS.CFG", extents);
        PrintOptions o = r.Options;
        o.Scale = f.Scale;
        o.Copies = f.Copies;
        if (!run.Page(f.View, extents, o, true, false)) return;
    }
    run.Finish();
}

} // namespace

void CmPrintExecute(AppState& s, Ui& ui) {
    s.LastCommand = LastCommandPrint;
    const auto file = ChooseDrawingToPrint(s, ui);
    if (!file) return;
    const auto drawing = ReadForPrint(s, ui, *file);
    if (!drawing) return;
    ui.SetPanel(0, OrientationGuide);
    ui.SetPanel(0, CopiesGuide);
    const PrintStyleFile before = ReadPrintStyle(s.HomePath);
    DialogDescription d = TTFPlanprintdlg::Make(drawing->MetricFlag, s.WallDisplayMode, before);
    if (RunAccepted(ui, d)) {
        const TTFPlanprintdlg::Result r = TTFPlanprintdlg::Read(d, before);
        KeepPrintStyle(s, ui, r.Style);
        s.WallDisplayMode = r.WallDisplayMode; // the style chosen for paper stays on screen too
        WritePrintQueue(s, ui, r);
        PrintFloors(s, ui, *drawing, r);
    }
    ui.SetPanel(0, "GUIDE: press F1 key for context help");
    if (ui.HasDrawingWindow()) ui.Invalidate();
}

void CmPrintpartExecute(AppState& s, Ui& ui, TMDIChild* window) {
    if (s.DrawingReady < 2 || !window) {
        ui.Message(
            "",
            "PRINT PART OF PLAN DRAWING\nThis function only works when a drawing file is open ( in use )");
        return;
    }
    if (s.CurrentView < ViewGround || s.CurrentView > 125) {
        ui.Message("",
                   "PRINT PART OF PLAN\nThis function only works when a plan file is open ( ground, first, "
                   "second or third floor )");
        return;
    }
    if (!WriteForPrint(s, ui)) return;
    window->ReadoutMode = 3;
    s.CurrentTool = std::make_unique<TPartprinttool>(s, ui);
    ui.SetPanel(0, "GUIDE: Just hold the Left Button down and drag over EXACT area you want to print");
}

void PrintPartOfDrawing(AppState& s, Ui& ui, const WorldArea& area) {
    InstallTool(s, ui, ModePick);
    ui.SetPanel(0, OrientationGuide);
    ui.Invalidate(); // the dragged box goes
    WriteArea(s, "PTPRINT.CFG", area);
    const auto drawing = ReadForPrint(s, ui, DrawingFilePath(s, ModeWorking));
    if (!drawing) return;
    const int view = s.CurrentView;
    const auto extents = PrintExtents(drawing->Objects, view);
    if (!extents) return;
    const WorldArea outer = PartPrintExtents(*extents, area, drawing->UnitsPerLogical);
    WriteArea(s, "EXTENTS.CFG", outer);
    const auto masks = MakePartPrintMasks(outer, area, view, drawing->UnitsPerLogical);
    const PrintStyleFile before = ReadPrintStyle(s.HomePath);
    DialogDescription d = TTGrpprintdlg::Make(drawing->MetricFlag, s.WallDisplayMode, before);
    if (!RunAccepted(ui, d)) return;
    const TTGrpprintdlg::Result r = TTGrpprintdlg::Read(d, before);
    KeepPrintStyle(s, ui, r.Style);
    std::vector<const TObj*> extras;
    for (const auto& m : masks)
        extras.push_back(m.get());
    PrintRun run(s, ui, *drawing);
    if (!run.Start(r.Options.Landscape)) return;
    run.Page(view, area, r.Options, false, false, extras);
    run.Finish();
}

void CmPrintssplitExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady < 2) {
        ui.Message("",
                   "PRINT ACROSS 2 PAGES\nThis function only works when a drawing file is open ( in use )");
        return;
    }
    if (!WriteForPrint(s, ui)) return;
    const auto drawing = ReadForPrint(s, ui, DrawingFilePath(s, ModeWorking));
    if (!drawing) return;
    const int view = s.CurrentView;
    // The extents of the floor printed, computed now: a file left by an earlier fit may be of another view.
    const auto extents = PrintExtents(drawing->Objects, view);
    ui.SetPanel(0, OrientationGuide);
    DialogDescription split = TTSplitdlg::Make();
    if (!RunAccepted(ui, split)) {
        ui.Invalidate();
        return;
    }
    ui.SetPanel(0, CopiesGuide);
    const PrintStyleFile before = ReadPrintStyle(s.HomePath);
    DialogDescription d = TTGrpprintdlg::Make(drawing->MetricFlag, s.WallDisplayMode, before);
    if (!RunAccepted(ui, d)) return;
    const TTGrpprintdlg::Result r = TTGrpprintdlg::Read(d, before);
    KeepPrintStyle(s, ui, r.Style);
    if (!extents) {
        ui.Message("", "There is nothing to print on this view");
        return;
    }
    const bool topBottom = TTSplitdlg::TopThenBottom(split);
    const std::vector<WorldArea> halves = SplitHalves(*extents, topBottom);
    const PagePlacement placements[2] = {topBottom ? PagePlacement::AgainstBottom
                                                   : PagePlacement::AgainstRight,
                                         topBottom ? PagePlacement::AgainstTop : PagePlacement::AgainstLeft};
    PrintRun run(s, ui, *drawing);
    if (!run.Start(r.Options.Landscape)) return;
    for (int i = 0; i < 2; ++i) {
        WriteArea(s, "SPLITEXTENTS.CFG", halves[static_cast<std::size_t>(i)]);
        PrintOptions o = r.Options;
        o.Placement = placements[i];
        if (!run.Page(view, halves[static_cast<std::size_t>(i)], o, true, true)) return;
    }
    run.Finish();
}

void CmPrintcalExecute(AppState& s, Ui& ui) {
    s.LastCommand = LastCommandPrint;
    int metric = s.MetricFlag;
    if (s.DrawingReady != 2) {
        DialogDescription m = TTMeasdlg::Make(s.MetricFlag);
        if (!RunAccepted(ui, m)) return;
        metric = TTMeasdlg::Result(m);
    }
    ui.SetPanel(0, metric == 1
                       ? "GUIDE: Enter your scaled size for 15000 m.m. printed at 100:1 scale/landscape"
                       : "GUIDE: Enter your scaled size for 52 feet printed at 96:1 scale/landscape");
    DialogDescription d = TTPrintcaldlg::Make(ReadCalibration(s.HomePath, 1).Measured,
                                              ReadCalibration(s.HomePath, 0).Measured, metric);
    if (!RunAccepted(ui, d)) return;
    const auto measured = TTPrintcaldlg::Measured(d, metric);
    std::string error;
    if (!measured || !WriteCalibration(s.HomePath, metric, *measured, error))
        ui.Message("", "The calibration was not kept: " + error, MessageKind::Error);
}

void CmPrintersetupExecute(AppState& s, Ui& ui) {
    s.LastCommand = LastCommandPrint;
    ui.PrinterSetup();
}

} // namespace velmora
