#include "building/opening_commands.h"

#include "app/keep_changes.h"
#include "building/opening_settings.h"
#include "building/opening_tool.h"
#include "dialogs/door_defaults_dialog.h"
#include "dialogs/door_detail_dialogs.h"
#include "dialogs/door_type_dialog.h"
#include "dialogs/window_dialog.h"
#include "tools/tool_install.h"

#include <algorithm>

namespace velmora {

namespace {

bool OnFloorPlan(int view) {
    return view >= 120 && view <= 129;
}

// The opening tool, installed with the command's mode; null when the drawing has no floor plan to show.
TWindowobjtool* StartOpeningTool(AppState& s, Ui& ui, const std::function<void()>& toFloorPlan,
                                 const char* panel) {
    if (s.DrawingReady != 2) return nullptr;
    if (!OnFloorPlan(s.CurrentView) && toFloorPlan) toFloorPlan();
    if (!OnFloorPlan(s.CurrentView)) return nullptr;
    ui.SetPanel(2, panel);
    InstallTool(s, ui, ModeOpening);
    auto* tool = dynamic_cast<TWindowobjtool*>(s.CurrentTool.get());
    if (tool) tool->PenColour = s.CurrentColour;
    return tool;
}

// The second dialogs of a door kind; false when one was cancelled or refused.
bool AskDoorDetails(AppState& s, Ui& ui, DoorSettings& cfg, TWindowobjtool& tool, const DoorTypeChoice& c) {
    const int m = s.MetricFlag;
    const int type = c.Type;
    if (type == 11 || (type == 16 && c.Count == 1)) {
        ui.SetPanel(0, "GUIDE: For angled walls, just choose the closest door position");
        DialogDescription d = TTDoorplandlg::Make(tool.Choice.DoorPlan);
        if (!RunAccepted(ui, d)) return false;
        tool.Choice.DoorPlan = TTDoorplandlg::Plan(d);
    }
    if (type == 13) {
        DialogDescription d = TTSdoordlg::Make(tool.Choice.DoorPlan);
        if (!RunAccepted(ui, d)) return false;
        tool.Choice.DoorPlan = TTSdoordlg::Plan(d);
        tool.Choice.IntoWall = d.IsOn(TTSdoordlg::IntoWall) ? 1 : 0;
    }
    if (type == 14 || type == 24) {
        DialogDescription d = TTRobedlg::Make(std::clamp(cfg.At(3), 200, 9000), m);
        if (!RunAccepted(ui, d)) return false;
        const int opening = TTRobedlg::OpeningWidthOf(d, m);
        tool.Choice.IntoWall = d.IsOn(TTRobedlg::IntoWall) ? 1 : 0;
        if (opening > c.Width * c.Count) {
            ui.Message(
                "", "You cannot have an opening bigger than the sum of the door widths - reselect door icon");
            return false;
        }
        cfg.At(3) = opening;
    }
    if (type == 15 || type == 16) {
        DialogDescription d =
            TTEntrydlg::Make(std::max(cfg.At(3), c.Width * c.Count), cfg.At(9), type, c.Width, c.Count, m);
        if (!RunAccepted(ui, d)) return false;
        int frame = TTEntrydlg::FrameWidthOf(d, m);
        cfg.At(9) = TTEntrydlg::Position(d);
        const int doors = c.Width * c.Count;
        if (type == 15) frame = std::max(frame, c.Width * (c.Count == 1 ? 2 : 4));
        if (type == 16 && frame <= doors) frame = doors + (m == 1 ? 1000 : 864);
        cfg.At(3) = frame;
    }
    if (type == 21) {
        DialogDescription d = TTFoldingdlg::Make(cfg.At(7));
        if (!RunAccepted(ui, d)) return false;
        cfg.At(7) = TTFoldingdlg::Side(d);
        cfg.At(3) = c.Width * c.Count;
    }
    return true;
}

} // namespace

const char* DoorGuide(int type, int count) {
    switch (type) {
    case 10:
    case 11:
    case 19:
        return "GUIDE: press ENTER when cursor is between wall lines";
    case 12:
    case 21:
        return "GUIDE: press ENTER when cursor is nearer the outside (facing) wall line";
    case 13:
    case 14:
        return "GUIDE: press ENTER when cursor nearer side doors slide along - for INWALL doors mark between "
               "lines";
    case 24:
        return "GUIDE: press ENTER key when cursor is nearer wall side for folding doors";
    case 16:
        if (count == 2)
            return "GUIDE: press ENTER with cursor on or between wall lines ( Entry doors open inwards on "
                   "external "
                   "walls )";
        [[fallthrough]];
    default:
        return "GUIDE: press ENTER with cursor on or between wall lines";
    }
}

void CmWindowExecute(AppState& s, Ui& ui, const std::function<void()>& toFloorPlan) {
    TWindowobjtool* tool = StartOpeningTool(s, ui, toFloorPlan, " Window");
    if (!tool) return;
    const WindowSettings stored = ReadWindowSettings(s.HomePath);
    DialogDescription d = TTWindlg::Make(stored, s.MetricFlag);
    if (!RunAccepted(ui, d)) {
        ReturnToPickTool(s, ui);
        return;
    }
    std::string error;
    ReportWrite(ui, WriteWindowSettings(s.HomePath, TTWindlg::Read(d, stored, s.MetricFlag), error), error);
    ui.SetPanel(0, "GUIDE: press ENTER with cursor between lines of the wall");
    tool->Mode = ModeOpening;
    tool->Dragging = 1;
    tool->Adjust(0, AdjustWindow, 0);
    ui.SetPanel(0, "GUIDE: Move to the window wall position and press enter");
}

void CmDoorsExecute(AppState& s, Ui& ui, const std::function<void()>& toFloorPlan) {
    TWindowobjtool* tool = StartOpeningTool(s, ui, toFloorPlan, " Doors");
    if (!tool) return;
    const std::optional<DoorSettings> last = ReadStoredDoorSettings(s.HomePath);
    DoorSettings cfg = last.value_or(DoorSettings{});
    const int width = StartingDoorWidth(last, ReadDoorSizes(s.HomePath), s.MetricFlag);
    DialogDescription d = TTExdoordlg::Make(cfg.At(1), width, cfg.At(6), s.MetricFlag);
    if (!RunAccepted(ui, d)) {
        ReturnToPickTool(s, ui);
        return;
    }
    const DoorTypeChoice c = TTExdoordlg::Read(d, s.MetricFlag);
    cfg.At(1) = c.Type, cfg.At(5) = c.Width, cfg.At(6) = c.Count;
    cfg.At(3) = c.Width * c.Count;
    cfg.At(4) = s.MetricFlag == 1 ? 1 : 24;
    if (!AskDoorDetails(s, ui, cfg, *tool, c)) {
        ReturnToPickTool(s, ui);
        return;
    }
    std::string error;
    ReportWrite(ui, WriteDoorSettings(s.HomePath, cfg, error), error);
    ui.SetPanel(0, DoorGuide(c.Type, c.Count));
    tool->Mode = ModeOpening;
    tool->Dragging = 1;
    tool->Adjust(c.Width, AdjustDoor, 0);
}

void CmDefdoorsExecute(AppState& s, Ui& ui) {
    DialogDescription d = TTDefdoorsdlg::Make(ReadDoorSizes(s.HomePath), ReadSwingSettings(s.HomePath));
    if (!RunAccepted(ui, d)) return;
    std::string error;
    if (!ReportWrite(ui, WriteDoorSizes(s.HomePath, TTDefdoorsdlg::Sizes(d), error), error)) return;
    ReportWrite(ui, WriteSwingSettings(s.HomePath, TTDefdoorsdlg::Swing(d), error), error);
}

} // namespace velmora
