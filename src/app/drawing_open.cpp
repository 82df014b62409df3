#include "app/drawing_open.h"

#include "app/drawing_store.h"
#include "app/program.h"
#include "app/settings_files.h"
#include "app/undo_store.h"
#include "model/file_io.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"
#include "view/drawing_window.h"

namespace velmora {

namespace {

constexpr const char* NoDrawingMessage = "no drawing of that name";

bool IsFloorRecord(const TObj& obj) {
    return obj.Kind >= 32000 && obj.Kind <= 32005;
}

// A drawing has a plan when something besides the floor records lies on the ground floor; a drawing of the
// floor records alone (fewer than six objects from the recent list) opens as a plan too.
bool HasPlan(const TFlist& list) {
    if (list.ObjectCount() < 6) return true;
    for (const auto& obj : list)
        if (!IsFloorRecord(*obj) && obj->View == ViewGround) return true;
    return false;
}

// The state a drawing is opened into: no tool at work, the ground floor, the zoom of a fresh window.
void ResetForOpening(AppState& s, Ui& ui) {
    s.DrawingReady = 1;
    s.LastCommand = 200;
    s.DrawingObjects.Clear();
    InstallTool(s, ui, ModePick);
    s.ZoomState = 2;
    s.WallDisplayMode = 0;
    s.CurrentView = ViewGround;
    s.DefaultZoom = 1;
    s.ViewExtX = 624;
    s.ViewExtY = 346;
    s.ViewOrgX = 0;
    s.ViewOrgY = 0;
    ui.SetPanel(2, " select");
}

void WriteOrReport(Ui& ui, bool written, const std::string& error) {
    if (!written) ui.Message("", error, MessageKind::Error);
}

// After the window is up: the checkpoint that "do not keep changes" returns to, no overlays, the save state
// of the session and the extent of the normal view.
void FinishOpening(AppState& s, Ui& ui) {
    const FileResult checkpoint = SaveDrawing(s, ModeCheckpoint);
    if (!checkpoint.Ok()) ui.Message("", checkpoint.Message, MessageKind::Error);
    std::string error;
    WriteOrReport(ui, WriteSettingsLine(s.HomePath, "OVERLAY.CFG", error, "0 0 0 0 0 0 0"), error);
    const auto save = ReadSettingsInts(s.HomePath, "SAVE.CFG", 1);
    s.SaveState = save && (*save)[0] == 2 ? 2 : 0;
    WriteOrReport(ui, WriteSettingsLine(s.HomePath, "ZOOM.CFG", error, "%d %d", s.ViewExtX, s.ViewExtY),
                  error);
}

} // namespace

std::vector<std::string> ReadRecentList(const std::filesystem::path& home) {
    std::vector<std::string> names(4);
    if (const auto stored = ReadSettings(home, "LASTFILES.CFG"))
        for (std::size_t i = 0; i < names.size() && i < stored->Strings.size(); ++i)
            names[i] = stored->Strings[i];
    return names;
}

bool IsUsableDrawingName(const std::string& name) {
    if (name.empty() || name.size() > 24 || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c < 32 || c == 127 || c == '/' || c == '\\') return false;
    return true;
}

OpenOutcome OpenDrawingByName(Program& program, const std::string& name) {
    AppState& s = program.State();
    Ui& ui = program.GetUi();
    program.CloseDrawingWindow();
    ResetForOpening(s, ui);
    if (!IsUsableDrawingName(name)) {
        ui.Message("", NoDrawingMessage);
        return OpenOutcome::NoDrawing;
    }
    s.DrawingName = name;
    const std::optional<std::string> text = ReadWholeFile(DrawingFilePath(s, ModeWorking, true));
    if (!text) {
        ui.Message("", NoDrawingMessage);
        return OpenOutcome::NoDrawing;
    }
    TakeUnitsOfDrawing(s, *text);
    const FileResult loaded = LoadDrawing(s, ModeWorking);
    if (loaded.Status == FileStatus::Damaged) {
        ui.Message("", loaded.Message, MessageKind::Error);
        return OpenOutcome::Damaged;
    }
    if (!loaded.Ok() || s.DrawingObjects.ObjectCount() == 0) {
        ui.Message("", NoDrawingMessage);
        return OpenOutcome::NoDrawing;
    }

    const bool plan = HasPlan(s.DrawingObjects);
    s.CurrentView = plan ? ViewGround : ViewLayout;
    s.SetUnitsFromMetricFlag();
    s.WindowTitle = s.DrawingName + (plan ? ".PLN" : ".LYT");
    program.OpenDrawingWindow();
    ui.SetPanel(0, "GUIDE: press F1 for HELP");
    s.DrawingReady = 2;
    if (TMDIChild* window = program.Window()) window->SetupView(1);
    ClaimUndoRing(s);
    FinishOpening(s, ui);
    return OpenOutcome::Opened;
}

} // namespace velmora
