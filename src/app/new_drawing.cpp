#include "app/new_drawing.h"

#include "app/customise_commands.h"
#include "app/drawing_open.h"
#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/overlays.h"
#include "app/program.h"
#include "app/recent_files.h"
#include "app/settings_files.h"
#include "app/undo_store.h"
#include "app/wizard_sequence.h"
#include "building/design_room_commands.h"
#include "building/external_wall_setup.h"
#include "building/external_wall_tool.h"
#include "dialogs/new_drawing_dialog.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"
#include "view/drawing_window.h"

#include <filesystem>

namespace velmora {

namespace {

constexpr int ModeDesignRoom = 29000;

struct NewDrawingChoice {
    std::string Name;
    int Method = TTNewDlg::MethodExternalWalls;
};

int ReadSetting(const AppState& s, const char* file, int fallback) {
    const auto v = ReadSettingsInts(s.HomePath, file, 1);
    return v ? (*v)[0] : fallback;
}

// The guided sequences name their drawing themselves, whatever the dialog said: sequences 1 and 2 start
// with external walls, 3 and 4 with design rooms; 1 and 3 are metric.
NewDrawingChoice GuidedChoice(AppState& s) {
    const bool walls = s.WizardSequence <= 2;
    s.MetricFlag = s.WizardSequence == 1 || s.WizardSequence == 3 ? 1 : 0;
    return {walls ? "wizard" : "wizard2",
            walls ? TTNewDlg::MethodExternalWalls : TTNewDlg::MethodLayoutRooms};
}

// The dialog; its method and measuring system become the defaults of the next New whatever the name.
std::optional<NewDrawingChoice> AskNewDrawing(AppState& s, Ui& ui) {
    ui.SetPanel(0, "GUIDE: Name your new drawing and select drawing method and measurement type");
    DialogDescription d = TTNewDlg::Make(ReadSetting(s, "START.CFG", 1), ReadSetting(s, "METRIC.CFG", 1));
    if (!RunAccepted(ui, d)) return std::nullopt;
    const int method = TTNewDlg::MethodChosen(d);
    s.MetricFlag = TTNewDlg::MetricChosen(d);
    std::string error;
    ReportWrite(ui, WriteSettingsLine(s.HomePath, "START.CFG", error, "%d", method), error);
    ReportWrite(ui, WriteSettingsLine(s.HomePath, "METRIC.CFG", error, "%d", s.MetricFlag), error);
    const std::optional<std::string> name = TTNewDlg::NameChosen(d);
    if (!name) {
        ui.Message(TTNewDlg::NameErrorTitle, TTNewDlg::NameError);
        return std::nullopt;
    }
    return NewDrawingChoice{*name, method};
}

// A drawing of that name is only replaced when the user says so.
bool MayReplace(const AppState& s, Ui& ui, const std::string& name) {
    std::error_code ec;
    if (!std::filesystem::exists(s.HomePath / "DWGS" / (name + ".BMS"), ec)) return true;
    return ui.AskYesNo("new drawing",
                       "a drawing named " + name + " already exists - do you wish to replace it?");
}

void ResetDrawingState(AppState& s) {
    s.CurrentView = ViewGround;
    s.WallDisplayMode = 0;
    s.DrawingReady = 0;
    s.NextElementNo = 1;
    s.DesignRoomCount = 0;
    s.MarkCount = 0;
    s.ResetViewFrame();
    if (s.SaveState == 1) s.SaveState = 0;
}

// The units and the sheet of the measuring system chosen: the file's coordinates are relative to it.
void TakeUnits(AppState& s, Ui& ui) {
    s.SetUnitsFromMetricFlag();
    s.ZoomFactor = static_cast<float>(s.DefaultZoom);
    SettleSettingProblem(s.HomePath, MetricTwinName("DWGSIZE", s.MetricFlag), ReadSheetSize(s), ui);
}

// Writes the drawing as its six floor records, and the same as the checkpoint, so that going back to the
// checkpoint returns to the new drawing rather than to nothing. The checkpoint goes first: when it cannot be
// written the drawing is refused before DWGS/<name>.BMS exists.
bool WriteFloorRecords(AppState& s, Ui& ui) {
    s.DrawingObjects.Clear();
    for (int i = 0; i < FloorRecordCount; ++i)
        s.DrawingObjects.Append(std::make_unique<TInfoobj>(32000 + i, ViewGround + i, s.CurrentColour));
    std::string error;
    ReportWrite(ui, WriteOverlayFile(s.HomePath, OverlayFlags{}, error), error);
    return WriteDrawing(s, ui, ModeCheckpoint) && WriteDrawing(s, ui, ModeWorking);
}

// A New refused once its drawing file was made: the file it made goes again. It opened nothing in place of
// the drawing left, so the recent list stays as it stood.
void RefuseNewDrawing(AppState& s, Ui& ui, bool madeTheFile) {
    if (madeTheFile) {
        std::error_code ec;
        std::filesystem::remove(DrawingFilePath(s, ModeWorking), ec);
    }
    s.DrawingObjects.Clear();
    s.DrawingReady = 1;
    ui.SetPanel(0, NoDrawingGuide);
}

// The tool of the method, once the window is open. A tool that is not built yet leaves the new drawing with
// the pick tool and the pick tool's guide line.
void StartLayoutRooms(AppState& s, Ui& ui) {
    s.CurrentView = ViewLayout;
    s.LastCommand = 260;
    s.DrawingReady = 2;
    if (!ToolKindAvailable(ModeDesignRoom)) {
        ReturnToPickTool(s, ui);
        return;
    }
    ui.SetPanel(0, "GUIDE: Assemble your design rooms - add using the Design Room Icon");
    ui.SetPanel(2, " design rooms");
}

// The wall method: the wall-type set-up on the tool New installed. False when the user cancelled it (the
// pick tool is then installed).
bool StartWallMethod(AppState& s, Ui& ui) {
    s.CurrentView = ViewGround;
    s.LastCommand = 251;
    s.DrawingReady = 2;
    auto* tool = dynamic_cast<TExtwallobjtool*>(s.CurrentTool.get());
    if (!tool) {
        ReturnToPickTool(s, ui);
        return true;
    }
    tool->Marked = 0;
    tool->PenColour = s.CurrentColour;
    tool->SetInnerSide(1);
    tool->Step = 0;
    if (!StartExternalWalls(s, ui, *tool)) return false;
    // The set-up put the floor levels into the floor records: going back to the checkpoint returns to the
    // drawing as set up.
    WriteDrawing(s, ui, ModeCheckpoint);
    ui.SetPanel(2, "external walls");
    ui.SetPanel(0, "GUIDE: Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys "
                   "for input");
    return true;
}

void InstallMethodTool(AppState& s, Ui& ui, int method) {
    InstallTool(s, ui, method == TTNewDlg::MethodLayoutRooms ? ModeDesignRoom : ModeExtWall);
    if (s.CurrentTool) s.CurrentTool->PenColour = s.CurrentColour;
}

// Everything that is asked before the drawing left is given up for good.
// In a guided sequence the dialog is shown as the step asks, and a Cancel anywhere here ends the sequence.
std::optional<NewDrawingChoice> ChooseNewDrawing(AppState& s, Ui& ui) {
    std::optional<NewDrawingChoice> choice = AskNewDrawing(s, ui);
    if (choice && WizardRunning(s)) choice = GuidedChoice(s);
    if (!choice || !MayReplace(s, ui, choice->Name)) {
        if (WizardRunning(s)) EndWizard(s, ui);
        return std::nullopt;
    }
    return choice;
}

// The sequence's steps between the dialog and the tool: the floor details of the wall sequences.
bool ContinueGuidedNew(AppState& s, Ui& ui, bool rooms) {
    if (rooms) {
        AdvanceWizard(s, ui, 101);
        return true;
    }
    if (!AdvanceWizard(s, ui, 1)) return true;
    if (!AskWizardFloorDetails(s, ui)) return false;
    AdvanceWizard(s, ui, 2);
    return true;
}

} // namespace

void CmFilenewExecute(Program& program) {
    AppState& s = program.State();
    Ui& ui = program.GetUi();
    if (!LeaveGuidedSequence(s, ui, true)) return;
    if (s.WizardSequence <= 0) SaveCurrentBeforeLeaving(s, ui);
    // New is what the first step of a sequence asks for.
    AdvanceWizard(s, ui, {0, 100});
    const LeftDrawing left = RememberOpenDrawing(s);

    program.CloseDrawingWindow();
    s.LastCommand = 200;
    s.DrawingObjects.Clear();
    s.DrawingReady = 1; // the list is empty now: nothing may be written until the new drawing exists
    ui.SetReadout("cursor distance");
    ui.SetPanel(0, "GUIDE: type up to 24 letters but NO file extension");
    ui.SetPanel(2, "new file");

    // A New that ends before its drawing exists leaves the recent list as it stood: only a drawing opened in
    // place of the one left moves that one into the list.
    const std::optional<NewDrawingChoice> choice = ChooseNewDrawing(s, ui);
    if (!choice) {
        ui.SetPanel(0, NoDrawingGuide);
        return;
    }
    s.DrawingName = choice->Name;
    InstallMethodTool(s, ui, choice->Method);
    ResetDrawingState(s);
    ReadTextDefaults(s);
    TakeUnits(s, ui);
    std::error_code ec;
    const bool madeTheFile = !std::filesystem::exists(DrawingFilePath(s, ModeWorking), ec);
    if (!WriteFloorRecords(s, ui)) return RefuseNewDrawing(s, ui, false);
    UndoStore(s, UndoReset, 0);

    const bool rooms = choice->Method == TTNewDlg::MethodLayoutRooms;
    if (!OpenDrawingWindow(program, 1, rooms ? ".LYT" : ".PLN")) return RefuseNewDrawing(s, ui, madeTheFile);
    if (!ContinueGuidedNew(s, ui, rooms)) {
        ReturnToPickTool(s, ui);
    } else if (rooms) {
        StartLayoutRooms(s, ui);
    } else if (!StartWallMethod(s, ui) && WizardRunning(s)) {
        // A cancelled wall set-up leaves the new drawing open, empty, with the pick tool: the drawing
        // exists and is the recent one, as after any New. It ends a guided sequence.
        EndWizard(s, ui);
    }
    std::string error;
    ReportWrite(ui, WriteSettingsLine(s.HomePath, "ZOOM.CFG", error, "%d %d", s.ViewExtX, s.ViewExtY), error);
    RecordLeftDrawing(s, ui, left, true, HeldRecentFiles(s));
    if (s.SaveState == 0) s.SaveState = 1;
    // The layout sequence goes straight on to its first room: the room wall thickness, then Bed 1.
    if (rooms && s.WizardStep == 102 && s.CurrentTool) CmDroomExecute(s, ui);
}

} // namespace velmora
