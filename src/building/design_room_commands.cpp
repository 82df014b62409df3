#include "building/design_room_commands.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/settings_files.h"
#include "app/undo_store.h"
#include "app/wizard_sequence.h"
#include "building/design_room_tool.h"
#include "tools/tool_install.h"

#include <cstdio>
#include <vector>

namespace velmora {

namespace {

constexpr int DesignRoomsArea = 260;
constexpr const char* PlanViewOnly = "You must be in a PLAN VIEW to use this function";
constexpr const char* NotWhileMarking = "Not available while marking walls - select VIEW/LAYOUT";

bool RoomViewAllowed(int view) {
    return (view < 50 && view != ViewLayoutMarking) || (view >= 120 && view <= 124);
}

// The view check of the room commands; the refusal's first line names the command.
bool CheckRoomView(AppState& s, Ui& ui, const char* heading) {
    s.LastCommand = DesignRoomsArea;
    if (RoomViewAllowed(s.CurrentView)) return true;
    ui.Message("",
               std::string(heading) + (s.CurrentView == ViewLayoutMarking ? NotWhileMarking : PlanViewOnly));
    return false;
}

bool ViewHoldsDesignRooms(const AppState& s) {
    for (const auto& o : s.DrawingObjects)
        if (o->View == s.CurrentView && IsDesignRoom(*o)) return true;
    return false;
}

bool ViewHoldsAnyRoom(const AppState& s) {
    for (const auto& o : s.DrawingObjects)
        if (o->View == s.CurrentView && o->Class() == ObjClass::Room) return true;
    return false;
}

TDRoomobjtool* InstallRoomTool(AppState& s, Ui& ui, int mode, int step) {
    InstallTool(s, ui, mode);
    auto* tool = dynamic_cast<TDRoomobjtool*>(s.CurrentTool.get());
    if (!tool) return nullptr;
    tool->Mode = mode;
    tool->Step = step;
    tool->PenColour = s.CurrentColour;
    return tool;
}

struct RoomEdit {
    const char* Heading;
    int Step;
    const char* Tool;
    const char* Guide;
};

void StartRoomEdit(AppState& s, Ui& ui, const RoomEdit& e) {
    if (s.DrawingReady != 2 || !CheckRoomView(s, ui, e.Heading)) return;
    if (!ViewHoldsDesignRooms(s)) {
        ui.Message("",
                   "There are no design rooms on this floor\nuse the 'ALTER Finished ROOM' icon then click "
                   "the finished room to alter first");
        return;
    }
    if (!InstallRoomTool(s, ui, 29001, e.Step)) return;
    ui.SetPanel(2, e.Tool);
    ui.SetPanel(0, e.Guide);
}

void WritePartition(AppState& s, Ui& ui, int thickness) {
    const bool metric = s.MetricFlag == 1;
    const char* file = metric ? "RMPTNM.CFG" : "RMPTNI.CFG";
    std::vector<std::int32_t> v(6, metric ? 100 : 96);
    if (const auto stored = ReadSettingsInts(s.HomePath, file, 6)) v = *stored;
    const int view = s.CurrentView;
    const int slot = view >= 120 ? view - 120 : view - 40;
    if (slot < 0 || slot > 5) return;
    v[static_cast<std::size_t>(slot)] = thickness;
    std::string error;
    ReportWrite(
        ui,
        WriteSettingsLine(s.HomePath, file, error, "%d %d %d %d %d %d", v[0], v[1], v[2], v[3], v[4], v[5]),
        error);
}

// A Cancel in the room dialogs leaves the pick tool; like any Cancel it ends a guided sequence.
bool CancelNewRoom(AppState& s, Ui& ui) {
    ReturnToPickTool(s, ui);
    if (WizardRunning(s)) EndWizard(s, ui);
    return false;
}

} // namespace

bool RunNewRoomSequence(AppState& s, Ui& ui, int width, int length) {
    auto* tool = dynamic_cast<TDRoomobjtool*>(s.CurrentTool.get());
    if (!tool) return false;
    ui.SetPanel(0, "GUIDE: press HELP button if unsure");
    if (!ViewHoldsAnyRoom(s)) {
        const auto t = AskRoomPartition(ui, s.MetricFlag, TDRoomobjtool::StoredPartition(s, s.CurrentView));
        if (!t) return CancelNewRoom(s, ui);
        WritePartition(s, ui, *t);
        AdvanceWizard(s, ui, {14, 102});
    }
    const auto details = AskRoomDetails(ui, s.HomePath, s.MetricFlag, width, length);
    if (!details) return CancelNewRoom(s, ui);
    // The room dialog is a step of its own for each room the guided sequences lay out.
    AdvanceWizard(s, ui, {15, 17, 103, 105, 107, 109});
    RecordUndo(s, ui);
    s.DrawingReady = 2;
    tool->Details = *details;
    tool->Adjust(0, details->Width, details->Length);
    ui.SetPanel(0, s.MetricFlag == 1
                       ? "GUIDE: place cursor in room, move with Left Button down"
                       : "GUIDE: place cursor in room, move with Left Button down (align to Room), "
                         "RB (align Boundary)");
    s.SaveState = 1;
    ui.Invalidate();
    return true;
}

void CmDroomExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = DesignRoomsArea;
    const int v = s.CurrentView;
    if (v == ViewLayoutMarking) {
        ui.Message("", NotWhileMarking);
        return;
    }
    if (!((v >= 40 && v <= 49) || (v >= 120 && v <= 124))) {
        ui.Message("", PlanViewOnly);
        return;
    }
    if (!InstallRoomTool(s, ui, 29000, 0)) return;
    // The guided sequences ask for each room by New Design Room.
    AdvanceWizard(s, ui, {13, 16, 104, 106, 108});
    ui.SetPanel(2, "New Room");
    const int size = s.MetricFlag == 1 ? 3000 : 10 * 12 * 24;
    RunNewRoomSequence(s, ui, size, size);
}

void CmExpandroomExecute(AppState& s, Ui& ui) {
    StartRoomEdit(
        s, ui,
        {"ENLARGE DESIGN ROOM\n", RoomStepEnlarge, " Enlarge Room",
         "GUIDE: Select Room with Left Button then press arrow key in direction of wall to change"});
}

void CmShrinkdroomExecute(AppState& s, Ui& ui) {
    StartRoomEdit(s, ui,
                  {"SHRINK DESIGN ROOM\n", RoomStepShrink, " Shrink Room",
                   "GUIDE: Select DESIGN Room with Left Button then press arrow key in direction of wall to "
                   "change"});
}

void CmDroommoveExecute(AppState& s, Ui& ui) {
    StartRoomEdit(s, ui,
                  {"MOVE DESIGN ROOM\n", RoomStepMove, " Move Room",
                   "GUIDE: Click on DESIGN Room to move with Left(to input distance) or Right(finetune) "
                   "Button, then press arrow key direction to move"});
}

void CmRotatedroomExecute(AppState& s, Ui& ui) {
    StartRoomEdit(s, ui,
                  {"ROTATE DESIGN ROOM\n", RoomStepRotate, " Rotate Room",
                   "GUIDE: Select the DESIGN Room to ROTATE with Left Button"});
}

void CmDeletedroomExecute(AppState& s, Ui& ui) {
    StartRoomEdit(s, ui,
                  {"DELETE DESIGN ROOM\n", RoomStepDelete, " DELETE Room",
                   "GUIDE: Select DESIGN Room to DELETE with Left Button"});
}

void CmMaxdroomExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2 || !CheckRoomView(s, ui, "MAXIMUM AVAILABLE ROOM\n")) return;
    if (!InstallRoomTool(s, ui, 29000, RoomStepMaxSize)) return;
    ui.SetPanel(2, "Max Room Size");
    ui.SetPanel(0, "GUIDE: Click LEFT BUTTON in the area you want the sizes of");
}

void CmLytgridExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = DesignRoomsArea;
    if (s.CurrentView < 40 || s.CurrentView > 48) {
        ui.Message("", "LAYOUT GRID\nYou must be in a LAYOUT VIEW to use this function");
        return;
    }
    s.LayoutGridOn = s.LayoutGridOn == 1 ? 0 : 1;
    // The corner marks are placed from the cursor: it goes back to the first corner's place.
    if (s.CurrentTool && s.CurrentTool->Mode == 11 && s.CurrentView == ViewLayoutMarking)
        ui.SetCursorPos(s.MetricFlag == 1 ? Point{25, 25} : Point{24, 24});
    ui.Invalidate();
}

std::string LayoutSizeText(const DesignRoomBoundsResult& b, int metricFlag) {
    char text[256];
    if (metricFlag == 1) {
        const double w = static_cast<double>(b.Width) * 0.001, l = static_cast<double>(b.Height) * 0.001;
        std::snprintf(text, sizeof text,
                      "width %.3f m ,length %.3f , Area (Rectangle) %.2f sq.m, click 'Mark External Walls on "
                      "LAYOUT' icon when finished",
                      w, l, w * l);
        return text;
    }
    const long long wi = b.Width / 24, li = b.Height / 24;
    const double area = static_cast<double>((wi * li) / 144);
    std::snprintf(
        text, sizeof text,
        "width %lld ft %lld inches,length %lld ft %lld inches, Area (Rectangle)%.2f sq.ft, click 'Mark "
        "External Walls on LAYOUT' icon when finished",
        wi / 12, wi % 12, li / 12, li % 12, area);
    return text;
}

} // namespace velmora
