#include "app/view_commands.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/overlays.h"
#include "app/plan_titles.h"
#include "app/program.h"
#include "app/settings_files.h"
#include "app/undo_store.h"
#include "app/view_centring.h"
#include "app/view_window.h"
#include "building/external_wall_setup.h"
#include "building/external_wall_tool.h"
#include "model/drawing_objects.h"
#include "tools/auto_dimension.h"
#include "tools/dimension_settings.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"

namespace velmora {

namespace {

constexpr int ViewCommandArea = 210;
constexpr int EditCommandArea = 230;
constexpr int DesignRoomArea = 260;

// Where a refused switch leaves the user: on the view the window still shows, with the drawing ready.
void Refuse(AppState& s, Ui& ui, int viewOnScreen, const char* why) {
    ui.Message("", why);
    s.CurrentView = viewOnScreen;
    s.DrawingReady = 2;
}

// False when the user stays on the view (Cancel on the question): the display mode and the drawing are as
// they were, and the switch ends.
bool SettleBeforeSwitch(AppState& s, Ui& ui) {
    if (s.SaveState > 0 && !AskToKeepChanges(s, ui)) return false;
    s.WallDisplayMode = MapBackFromOverlays(s.WallDisplayMode);
    return true;
}

// Changes kind and view of the rooms of one kind and view from index 6 on; the number changed.
int MoveRooms(TFlist& list, int kind, int view, int newKind, int newView) {
    int moved = 0;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        TObj* obj = list.At(i);
        if (obj->Kind != kind || obj->View != view || obj->Class() != ObjClass::Room) continue;
        obj->Kind = newKind;
        obj->View = newView;
        ++moved;
    }
    return moved;
}

// The design rooms of a view from the object at first on.
int CountRooms(const TFlist& list, int view, int first = 0) {
    int n = 0;
    for (int i = first; i < list.ObjectCount(); ++i) {
        const TObj* obj = list.At(i);
        if ((obj->Kind == 29000 || obj->Kind == 29001) && obj->View == view) ++n;
    }
    return n;
}

// Leaving the layout for the plan, the carrying of the design rooms is undoable on its own.
void CarryDesignRoomsUndoably(AppState& s, Ui& ui) {
    if (CountRooms(s.DrawingObjects, ViewLayout, FloorRecordCount) == 0) return;
    RecordUndo(s, ui);
    CarryDesignRoomsToPlan(s.DrawingObjects);
    WriteDrawing(s, ui, ModeWorking);
}

int FloorBelow(int floorView) {
    return floorView == ViewBasement ? ViewGround : floorView - 1;
}

const char* MissingFloorBelowMessage(int floorView) {
    switch (floorView) {
    case ViewFirst:
        return "You should draw the ground floor using File / New, then the first floor";
    case ViewSecond:
        return "You should draw the first floor before the second floor";
    case ViewThird:
        return "You should draw the second floor before the third floor";
    default:
        return "You should draw the ground floor before the sub floor ( basement )";
    }
}

const char* SameWallsQuestion(int floorView) {
    switch (floorView) {
    case ViewSecond:
        return "Will the outside wall dimensions be the same as the first floor?";
    case ViewThird:
        return "Will the outside wall dimensions be the same as the second floor?";
    default:
        return "Will the outside wall dimensions be the same as the ground floor?";
    }
}

// "Yes": the wall type of the new floor is asked, then the walls of the floor below are made again on it
// with that type, dimensioned and titled. A cancelled wall type goes back to the ground floor.
void CreateFloorFromBelow(Program& p, int floorView) {
    AppState& s = p.State();
    Ui& ui = p.GetUi();
    RecordUndo(s, ui);
    s.WallDisplayMode = 0;
    InstallTool(s, ui, ModeExtWall);
    auto* tool = dynamic_cast<TExtwallobjtool*>(s.CurrentTool.get());
    s.CurrentView = floorView;
    if (tool) {
        tool->Step = 101;
        tool->PenColour = s.CurrentColour;
    }
    if (!tool || !StartExternalWalls(s, ui, *tool)) {
        s.CurrentView = ViewGround;
        OpenViewWindow(p, WindowPick, CaptionSuffix(ViewGround));
        s.DrawingReady = 2;
        return;
    }
    tool->Operation(floorView == ViewBasement ? 4 : 3);
    ClearAutoDimensions(s);
    AppendWallDimensions(s, ReadDimensionOffsets(s.HomePath, s.MetricFlag));
    if (!WriteDrawing(s, ui, ModeWorking)) {
        s.CurrentView = ViewGround;
        OpenViewWindow(p, WindowPick, CaptionSuffix(ViewGround));
        return;
    }
    PlaceFloorTitle(s, ui);
    OpenViewWindow(p, WindowKeepTool, CaptionSuffix(floorView));
    ReturnToPickTool(s, ui);
}

// "No": the floor below is shown dotted under the new floor, for its external walls to be drawn over it.
void ShowFloorBelow(Program& p, int floorView) {
    AppState& s = p.State();
    OverlayFlags f;
    switch (floorView) {
    case ViewFirst:
        f.Ground = f.First = true;
        break;
    case ViewSecond:
        f.First = f.Second = true;
        break;
    case ViewThird:
        f.Second = f.Third = true;
        break;
    default:
        f.BasementWithGround = true;
        break;
    }
    std::string error;
    if (!WriteOverlayFile(s.HomePath, f, error)) p.GetUi().Message("", error, MessageKind::Error);
    s.WallDisplayMode = 4;
    OpenViewWindow(p, WindowKeepTool, CaptionSuffix(floorView));
}

void DrawFloorOverBelow(Program& p, int floorView) {
    AppState& s = p.State();
    Ui& ui = p.GetUi();
    RecordUndo(s, ui);
    InstallTool(s, ui, ModeExtWall);
    ui.SetPanel(0, floorView == ViewBasement
                       ? "GUIDE: Draw external wall over ground floor view dotted overlay"
                       : "GUIDE: Draw external wall over lower floor view dotted overlay");
    ShowFloorBelow(p, floorView);
    auto* tool = dynamic_cast<TExtwallobjtool*>(s.CurrentTool.get());
    if (tool) tool->PenColour = s.CurrentColour;
    if (!tool || !StartExternalWalls(s, ui, *tool)) {
        s.CurrentView = ViewGround;
        OpenViewWindow(p, WindowPick, CaptionSuffix(ViewGround));
        s.DrawingReady = 2;
    }
}

// The site plan from the ground floor's walls, with its title. The guide text stands while the plan is made;
// the window that opens on it then shows its own.
void MakeSitePlan(Program& p, const char* guide) {
    AppState& s = p.State();
    Ui& ui = p.GetUi();
    ui.SetPanel(0, guide);
    s.DrawingObjects.CopyGroundWallsToSite();
    if (WriteDrawing(s, ui, ModeWorking)) PlaceFloorTitle(s, ui);
    OpenViewWindow(p, WindowAfterSite, CaptionSuffix(ViewSite));
}

void RemoveView(TFlist& list, int view, int first) {
    for (int i = list.ObjectCount() - 1; i >= first; --i)
        if (list.At(i)->View == view) list.RemoveAt(i);
}

const char* FloorName(int view) {
    switch (view) {
    case ViewFirst:
        return "first floor";
    case ViewSecond:
        return "second floor";
    default:
        return "third floor";
    }
}

bool HasBasementObjects(const TFlist& list) {
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i)
        if (list.At(i)->View == ViewBasement) return true;
    return false;
}

} // namespace

int CarryDesignRoomsToPlan(TFlist& list) {
    return MoveRooms(list, 29000, ViewLayout, 29500, ViewGround) +
           MoveRooms(list, 29001, ViewLayout, 29500, ViewGround);
}

void CmPlanExecute(Program& p) {
    AppState& s = p.State();
    Ui& ui = p.GetUi();
    if (s.DrawingReady != 2) return;
    s.LastCommand = ViewCommandArea;
    const int from = s.CurrentView;
    if (!LeaveView(p)) return;
    s.CurrentView = ViewGround;
    if (!s.DrawingObjects.HasContent(ViewGround)) {
        Refuse(s, ui, from,
               "There is no plan drawing - finish your layout by marking the external walls first");
        return;
    }
    if (!SettleBeforeSwitch(s, ui)) {
        s.CurrentView = from;
        return;
    }
    if (RecentreView(s, CentreFloor)) WriteDrawing(s, ui, ModeWorking);
    s.DrawingReady = 0;
    ui.SetPanel(0, "GUIDE: ground floor view");
    CarryDesignRoomsUndoably(s, ui);
    OpenViewWindow(p, from == ViewSite ? WindowAfterSite : WindowPick, CaptionSuffix(ViewGround));
}

void CmUpperFloorExecute(Program& p, int floorView) {
    AppState& s = p.State();
    Ui& ui = p.GetUi();
    if (s.DrawingReady != 2) return;
    s.LastCommand = ViewCommandArea;
    const int from = s.CurrentView;
    if (!LeaveView(p)) return;
    if (!SettleBeforeSwitch(s, ui)) return;
    ui.SetPanel(2, "");
    if (!s.DrawingObjects.HasContent(FloorBelow(floorView))) {
        Refuse(s, ui, from, MissingFloorBelowMessage(floorView));
        return;
    }
    s.CurrentView = floorView;
    s.DrawingReady = 0;
    if (s.DrawingObjects.HasContent(floorView)) {
        if (s.SaveState == 1) s.SaveState = 0;
        OpenViewWindow(p, from == ViewSite ? WindowAfterSite : WindowPick, CaptionSuffix(floorView));
        return;
    }
    const bool same = ui.AskYesNo("", SameWallsQuestion(floorView));
    if (s.SaveState == 0) s.SaveState = 1;
    if (same) {
        CreateFloorFromBelow(p, floorView);
    } else {
        DrawFloorOverBelow(p, floorView);
    }
}

void CmSiteExecute(Program& p) {
    AppState& s = p.State();
    Ui& ui = p.GetUi();
    if (s.DrawingReady != 2) return;
    s.LastCommand = ViewCommandArea;
    if (!LeaveView(p)) return;
    if (s.SaveState > 0 && !AskToKeepChanges(s, ui)) return;
    s.CurrentView = ViewSite;
    s.DrawingReady = 0;
    ui.SetPanel(0, "GUIDE: ground floor view");
    InstallTool(s, ui, ModePick);
    s.WallDisplayMode = 0;
    if (!s.DrawingObjects.HasContent(ViewSite)) {
        RecordUndo(s, ui);
        MakeSitePlan(p, "GUIDE: use EDIT/MOVE ROTATE if you need to alter position of house ");
        return;
    }
    const bool view = ui.AskYesNo("", "Select YES to view your site plan\n"
                                      "     OR     \n"
                                      "Select NO to draw a NEW site plan (existing one will be erased)");
    // Either way a snapshot: the erasing of the old site plan must be undoable on its own.
    RecordUndo(s, ui);
    constexpr const char* guide =
        "GUIDE: use EDIT/MOVE ROTATE if you need to alter the position of the building";
    if (view) {
        OpenViewWindow(p, WindowAfterSite, CaptionSuffix(ViewSite));
        ui.SetPanel(0, guide);
    } else {
        RemoveView(s.DrawingObjects, ViewSite, FloorRecordCount);
        MakeSitePlan(p, guide);
    }
}

void CmLayout1Execute(Program& p) {
    AppState& s = p.State();
    Ui& ui = p.GetUi();
    if (s.DrawingReady != 2) return;
    s.LastCommand = DesignRoomArea;
    if (!LeaveView(p)) return;
    if (s.SaveState > 0 && !AskToKeepChanges(s, ui)) return;
    int finished = 0;
    for (const auto& obj : s.DrawingObjects)
        if (obj->Kind == 29500 && obj->View == ViewGround) ++finished;
    if (finished == 0 && CountRooms(s.DrawingObjects, ViewLayout) == 0) {
        ui.Message(
            "", "There was no layout view for this drawing, use FILE/NEW and select 'layout design rooms'");
        return;
    }
    if (finished > 0) {
        RecordUndo(s, ui);
        MoveRooms(s.DrawingObjects, 29500, ViewGround, 29000, ViewLayout);
        if (!WriteDrawing(s, ui, ModeWorking)) return;
    }
    s.CurrentView = ViewLayout;
    OpenViewWindow(p, WindowKeepTool, CaptionSuffix(ViewLayout));
    InstallTool(s, ui, 29000);
    if (s.CurrentTool) s.CurrentTool->PenColour = s.CurrentColour;
    s.LayoutGridOn = 1;
}

void CmDelfloorExecute(Program& p) {
    AppState& s = p.State();
    Ui& ui = p.GetUi();
    if (s.DrawingReady != 2) return;
    s.LastCommand = EditCommandArea;
    if (!LeaveView(p)) return;
    int target = 0;
    if (HasBasementObjects(s.DrawingObjects) &&
        ui.AskYesNo("", "Do you want to delete the BASEMENT floor? press Yes if this is the floor to delete"))
        target = ViewBasement;
    if (target == 0) {
        target = s.DrawingObjects.TopFloor();
        if (target == ViewGround) {
            ui.Message("", "Delete top floor\nYou cannot delete the ground floor");
            return;
        }
        const std::string question =
            std::string("delete ") + FloorName(target) +
            "\nThis will delete the floor completely - press Yes if you want to continue";
        if (!ui.AskYesNo("", question)) return;
    }
    RecordUndo(s, ui);
    RemoveView(s.DrawingObjects, target, FloorRecordCount);
    if (TInfoobj* record = s.DrawingObjects.FloorRecord(target)) record->FloorArea = 0;
    if (!WriteDrawing(s, ui, ModeWorking)) return;
    CmPlanExecute(p);
}

const std::vector<std::pair<std::string_view, ProgramCommand>>& ViewSwitchCommands() {
    static const std::vector<std::pair<std::string_view, ProgramCommand>> commands = {
        {"CmPlanExecute", &CmPlanExecute},
        {"CmPlan1Execute", [](Program& p) { CmUpperFloorExecute(p, ViewFirst); }},
        {"CmPlan2Execute", [](Program& p) { CmUpperFloorExecute(p, ViewSecond); }},
        {"CmPlan3Execute", [](Program& p) { CmUpperFloorExecute(p, ViewThird); }},
        {"CmSubfloorExecute", [](Program& p) { CmUpperFloorExecute(p, ViewBasement); }},
        {"CmSiteExecute", &CmSiteExecute},
        {"CmLayout1Execute", &CmLayout1Execute},
        {"CmDmodeplanExecute", &CmDmodeplanExecute},
        {"CmOverlaysExecute", &CmOverlaysExecute},
        {"CmDelfloorExecute", &CmDelfloorExecute},
    };
    return commands;
}

} // namespace velmora
