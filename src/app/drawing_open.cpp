#include "app/drawing_open.h"

#include "app/customise_commands.h"
#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/overlays.h"
#include "app/program.h"
#include "app/recent_files.h"
#include "app/settings_files.h"
#include "app/undo_store.h"
#include "app/view_commands.h"
#include "model/file_io.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"
#include "view/drawing_window.h"

namespace velmora {

namespace {

constexpr const char* NoDrawingMessage = "no drawing of that name";
constexpr int KindStopsAfterEmptying = 100;

bool IsFloorRecord(const TObj& obj) {
    return obj.Kind >= 32000 && obj.Kind <= 32005;
}

// A drawing has a plan when something besides the floor records lies on the ground floor; a drawing of
// little more than the floor records opens as a plan too.
bool HasPlan(const TFlist& list, OpenSource source) {
    const int few = source == OpenSource::Recent ? 6 : 5;
    if (list.ObjectCount() < few) return true;
    for (const auto& obj : list)
        if (!IsFloorRecord(*obj) && obj->View == ViewGround) return true;
    return false;
}

void TakeZoomStyle(AppState& s, int kind) {
    const auto style = ReadSettingsInts(s.HomePath, "ZOOMSTYLE.CFG", 1);
    if (kind == 2 || (style && (*style)[0] > 1)) {
        s.ZoomState = ZoomNormal;
    } else if (style && (*style)[0] == 1 && s.ZoomState == ZoomUpStarted) {
        s.ZoomState = ZoomNormal;
    }
}

// After the window is up: the checkpoint that "do not keep changes" returns to, the save state of the
// session and the extent of the normal view. While the list is still what the file said (fileText, the
// file as it was read), the checkpoint is the file's own text: the same drawing, without formatting the
// whole list once more.
void FinishOpening(AppState& s, Ui& ui, const std::string* fileText) {
    if (fileText) {
        std::string error;
        ReportWrite(ui, WriteFileAtomic(DrawingFilePath(s, ModeCheckpoint), *fileText, error), error);
    } else {
        WriteDrawing(s, ui, ModeCheckpoint);
    }
    ui.SetPanel(0, "GUIDE: press F1 for HELP");
    const auto save = ReadSettingsInts(s.HomePath, "SAVE.CFG", 1);
    s.SaveState = save && (*save)[0] == 2 ? 2 : 0;
    std::string error;
    ReportWrite(ui, WriteSettingsLine(s.HomePath, "ZOOM.CFG", error, "%d %d", s.ViewExtX, s.ViewExtY), error);
}

std::string DamagedMessage(const std::string& name, const ParseError& fault) {
    return "the drawing " + name + " is damaged and cannot be opened (line " + std::to_string(fault.Line) +
           ": " + fault.Message + ") - the file is left as it is";
}

// A FIFO, a device or a directory under a drawing's name, or a file far too large to be one, is refused at
// once: it is never waited on or read without end.
OpenOutcome Refused(Ui& ui, const std::string& name, const std::filesystem::path& file,
                    const std::string& reason) {
    ui.Message("",
               "the drawing " + name + " cannot be opened (" + file.filename().string() + " " + reason +
                   ") - the file is left as it is",
               MessageKind::Error);
    return OpenOutcome::Damaged;
}

OpenOutcome NoDrawing(Ui& ui) {
    ui.Message("", NoDrawingMessage);
    return OpenOutcome::NoDrawing;
}

} // namespace

std::vector<std::string> ReadRecentList(const std::filesystem::path& home) {
    const RecentList list = ReadRecentFiles(home);
    return {list.begin(), list.end()};
}

bool IsUsableDrawingName(const std::string& name) {
    if (name.empty() || name.size() > 24 || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c < 32 || c == 127 || c == '/' || c == '\\') return false;
    return true;
}

bool OpenDrawingWindow(Program& program, int kind, const std::string& suffix, TFlist* drawing) {
    AppState& s = program.State();
    Ui& ui = program.GetUi();
    program.CloseDrawingWindow();
    TakeZoomStyle(s, kind);
    s.DrawingObjects.Clear();
    if (kind >= KindStopsAfterEmptying) return false;
    if (kind == 0 || kind == 2) InstallTool(s, ui, ModePick);
    s.WindowTitle = s.DrawingName + suffix;
    // The list is filled below, once: the window's own read of the working file would only be thrown away.
    program.OpenDrawingWindow(false);
    if (!ui.HasDrawingWindow() || !program.Window()) {
        ui.Message("", "Error: cannot create that file", MessageKind::Error);
        return false;
    }
    s.DrawingObjects.Clear();
    // A guided sequence's drawings are read like any other: its sample is what the first step shows, and
    // the drawing New makes for it must keep its floor records.
    if (drawing) {
        s.DrawingObjects.Swap(*drawing);
    } else if (const FileResult r = LoadDrawing(s, ModeWorking); !r.Ok()) {
        ui.Message("", r.Message, MessageKind::Error);
    }
    ui.SetPanel(0, "GUIDE: press F1 for HELP");
    s.DrawingReady = 2;
    program.Window()->SetupView(1);
    return true;
}

void PrepareForOpening(Program& program) {
    AppState& s = program.State();
    Ui& ui = program.GetUi();
    program.CloseDrawingWindow();
    s.DrawingReady = 1;
    s.LastCommand = 200;
    s.DrawingObjects.Clear();
    InstallTool(s, ui, ModePick);
    s.WallDisplayMode = 0;
    s.CurrentView = ViewGround;
    s.LayoutGridOn = 0;
    s.ResetViewFrame();
    ReadTextDefaults(s);
    ui.SetPanel(2, " select");
}

OpenOutcome OpenPreparedDrawing(Program& program, const std::string& name, OpenSource source) {
    AppState& s = program.State();
    Ui& ui = program.GetUi();
    if (!IsUsableDrawingName(name)) return NoDrawing(ui);
    s.DrawingName = name;
    s.DrawingReady = 1;
    // The file is read and parsed once; the list it gives is the one the window opens on. Nothing of the
    // state changes before the file has been read whole, so a refused file leaves everything as it was.
    const std::filesystem::path file = DrawingFilePath(s, ModeWorking, true);
    ReadFailure failure;
    const std::optional<std::string> text = ReadWholeFile(file, DrawingReadLimit, &failure);
    if (!text && failure.Missing) return NoDrawing(ui);
    if (!text) return Refused(ui, name, file, failure.Reason);
    const DrawingPlacement placement = PlacementOf(s, *text);
    TFlist drawing;
    DrawingHeader header = s.Header();
    if (const auto fault = ParseDrawing(*text, placement.Shift(), drawing, header)) {
        ui.Message("", DamagedMessage(name, *fault), MessageKind::Error);
        return OpenOutcome::Damaged;
    }
    if (drawing.ObjectCount() == 0) return NoDrawing(ui);
    TakePlacement(s, placement);
    SettleSettingProblem(s.HomePath, MetricTwinName("DWGSIZE", s.MetricFlag), placement.SheetRead, ui);
    s.TakeHeader(header);
    std::string error;
    ReportWrite(ui, WriteOverlayFile(s.HomePath, OverlayFlags{}, error), error);

    const bool plan = HasPlan(drawing, source);
    s.CurrentView = plan ? ViewGround : ViewLayout;
    s.SetUnitsFromMetricFlag();
    s.ZoomFactor = static_cast<float>(s.DefaultZoom);
    if (!OpenDrawingWindow(program, 0, plan ? ".PLN" : ".LYT", &drawing)) return OpenOutcome::NoWindow;
    s.DrawingReady = 0;
    ClaimUndoRing(s);
    const bool carried = plan && CarryDesignRoomsToPlan(s.DrawingObjects) > 0;
    if (carried) WriteDrawing(s, ui, ModeWorking);
    s.CurrentView = plan ? ViewGround : ViewLayout;
    s.LayoutGridOn = plan ? 0 : 1;
    s.DrawingReady = 2;
    const bool listIsFile = !carried;
    FinishOpening(s, ui, listIsFile ? &*text : nullptr);
    return OpenOutcome::Opened;
}

OpenOutcome OpenDrawingByName(Program& program, const std::string& name) {
    PrepareForOpening(program);
    return OpenPreparedDrawing(program, name, OpenSource::Recent);
}

} // namespace velmora
