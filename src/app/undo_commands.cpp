#include "app/undo_commands.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/undo_store.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"
#include "view/drawing_window.h"
#include "view/units.h"
#include "view/view_mapping.h"

namespace velmora {

namespace {

constexpr int UndoRedoCommandArea = 350;

constexpr const char* NoMoreUndo = "no more actions can be undone";
constexpr const char* NoMoreRedo = "no more actions to redraw ";
constexpr const char* OtherViewQuestion = "last action was not on this view - do you still want to undo it ?";
constexpr const char* OnlyWall = "This is the only wall - select FILE / NEW and start again";
constexpr const char* StartFloorAgain = "select VIEW / THIS FLOOR  and start again";
constexpr const char* RemarkCorners =
    "Select the 'mark external walls in LAYOUT' icon and re mark the wall corners";

constexpr int PlanTitleKind = 37;
constexpr int OnlyWallCount = FloorRecordCount + 1;

// What the look at the last objects before an undo decided for the cursor afterwards.
struct Continuation {
    bool Wanted = false;
    bool DrawnBack = false;   // the free end is the first point, not the second
    bool TitleFound = false;  // an outline was closed: the walls under the title decide DrawnBack
    bool StopEndOnly = false; // the last object is a stop end: undo it and nothing more
};

bool IsStopEnd(int kind) {
    return kind == 154 || kind == 155;
}

// A wall drawn back runs from the free end to its neighbour: its second point meets the neighbour's first.
bool DrawnBack(const TObj& last, const TObj& before) {
    return last.X2 == before.X1 || last.Y2 == before.Y1;
}

bool BeginCommand(AppState& s, const TMDIChild* window) {
    if (s.DrawingReady != 2 || !window) return false;
    s.LastCommand = UndoRedoCommandArea;
    if (s.SaveState == 0) s.SaveState = 1;
    return true;
}

int ExternalWallsOn(const TFlist& list, int view) {
    int count = 0;
    for (const auto& obj : list)
        if (obj->Kind == ModeExtWall && obj->View == view) ++count;
    return count;
}

// The last object and its predecessor decide how the wall tool goes on after the undo.
Continuation LookAtLastObjects(AppState& s, Ui& ui) {
    Continuation c;
    const TFlist& list = s.DrawingObjects;
    const int n = list.ObjectCount();
    if (n == 0) return c;
    const TObj& last = *list.At(n - 1);
    const TObj* before = n >= 2 ? list.At(n - 2) : nullptr;
    if (last.Kind == PlanTitleKind) {
        c.TitleFound = true;
    } else if (IsStopEnd(last.Kind)) {
        c.StopEndOnly = true;
    } else if (IsWallKind(last.Kind) && n == OnlyWallCount) {
        ui.Message("", OnlyWall);
    } else if (last.Kind == ModeExtWall && before && before->Kind == ModeExtWall) {
        c.DrawnBack = DrawnBack(last, *before);
    } else if (last.Kind == ModeInWall && before && before->Kind == ModeInWall) {
        if (last.X1 == before->X2 || last.Y1 == before->Y2) {
            c.Wanted = true;
        } else if (DrawnBack(last, *before)) {
            c.Wanted = true;
            c.DrawnBack = true;
        } else {
            ReturnToPickTool(s, ui);
        }
    } else if (IsWallKind(last.Kind)) {
        ReturnToPickTool(s, ui);
    }
    return c;
}

// The view decides whether the tool goes on; false when the undo must not be made here at all.
bool ApplyViewRule(AppState& s, Ui& ui, Continuation& c) {
    if (s.CurrentView == ViewLayoutMarking) {
        ui.Message("", RemarkCorners);
        return false;
    }
    if (s.CurrentView == ViewGround) {
        c.Wanted = true;
    } else if (s.CurrentView > ViewGround && s.CurrentView <= ViewNone) {
        if (ExternalWallsOn(s.DrawingObjects, s.CurrentView) > 1) {
            c.Wanted = true;
        } else {
            ui.Message("", StartFloorAgain);
        }
    }
    return true;
}

// The ring refuses an undo or redo it cannot make without touching the list, so unlike an emptied list there
// is nothing to read back: reading the working copy here would even take the guided sequence's own drawing
// from WDS/ while one runs.
// A refused snapshot (its file changed outside the program, or unreadable) is said as it is; otherwise there
// was simply nothing left on that side.
void NothingToRestore(Ui& ui, const char* nothingLeft, const std::string& problem) {
    ui.Message("", problem.empty() ? std::string(nothingLeft) : UndoUnavailable + problem);
    ui.Invalidate();
}

void PutCursorOn(AppState& s, Ui& ui, const TMDIChild& window, int wx, int wy) {
    const Size client = ui.ClientSize();
    const Mapping m = ViewMappingFor(window.Frame(), client.Width, client.Height);
    ui.SetCursorPos(
        LogicalToPixel(m, WorldToLogical(wx, s.UnitsPerLogical), WorldToLogical(wy, s.UnitsPerLogical)));
}

// When may an internal wall bring back its tool: undo only from the idle pick tool, redo whenever the
// internal wall tool is not the one installed.
enum class InwallToolRule { FromPickTool, WhenNotActive };

// Puts the cursor on the free end of the new last object (a line or a wall) and readies the tool to go on
// from there. The wall tools themselves may not be built yet: InstallTool then gives the pick tool, which
// takes the start point harmlessly.
void ContinueFrom(AppState& s, Ui& ui, const TMDIChild& window, const TObj& obj, bool fromFirstPoint,
                  InwallToolRule rule) {
    const bool line = ClassOfKind(obj.Kind) == ObjClass::Line;
    if (!line && !IsWallKind(obj.Kind)) return;
    const int x = fromFirstPoint ? obj.X1 : obj.X2;
    const int y = fromFirstPoint ? obj.Y1 : obj.Y2;
    PutCursorOn(s, ui, window, x, y);
    const int mode = s.CurrentTool ? s.CurrentTool->Mode : 0;
    if (obj.Kind == ModeInWall) {
        const bool install = rule == InwallToolRule::FromPickTool ? mode == ModePick : mode != ModeInWall;
        if (install) {
            InstallTool(s, ui, ModeInWall);
            s.CurrentTool->PenColour = obj.Colour;
            s.CurrentTool->PenWidth = obj.PenWidth;
            s.CurrentTool->LineStyle = obj.PenStyle;
        }
    } else if (obj.Kind == ModeExtWall && mode != ModeExtWall) {
        InstallTool(s, ui, ModeExtWall);
    }
    if (!s.CurrentTool) return;
    s.CurrentTool->X1 = x;
    s.CurrentTool->Y1 = y;
    if (fromFirstPoint) {
        s.CurrentTool->X2 = x;
        s.CurrentTool->Y2 = y;
    }
}

const TObj* LastObject(const TFlist& list) {
    return list.ObjectCount() > 0 ? list.At(list.ObjectCount() - 1) : nullptr;
}

} // namespace

void CmUndoExecute(AppState& s, Ui& ui, TMDIChild* window) {
    if (!BeginCommand(s, window)) return;
    const int view = s.ViewHistory[0];
    if (view == 0) {
        ui.Message("", NoMoreUndo);
        return;
    }
    if (view != s.CurrentView && !ui.AskYesNo("", OtherViewQuestion)) return;

    Continuation c = LookAtLastObjects(s, ui);
    std::string problem;
    if (c.StopEndOnly) {
        if (!UndoStore(s, UndoStoreUndo, view, &problem)) return NothingToRestore(ui, NoMoreUndo, problem);
        WriteDrawing(s, ui, ModeWorking);
        ui.Invalidate();
        return;
    }
    if (!ApplyViewRule(s, ui, c)) return;
    if (!UndoStore(s, UndoStoreUndo, view, &problem)) return NothingToRestore(ui, NoMoreUndo, problem);
    WriteDrawing(s, ui, ModeWorking);

    const TFlist& list = s.DrawingObjects;
    const int n = list.ObjectCount();
    if (c.TitleFound && n >= 2 && list.At(n - 1)->Kind == ModeExtWall && list.At(n - 2)->Kind == ModeExtWall)
        c.DrawnBack = DrawnBack(*list.At(n - 1), *list.At(n - 2));
    if (c.Wanted)
        if (const TObj* last = LastObject(list))
            ContinueFrom(s, ui, *window, *last, c.DrawnBack, InwallToolRule::FromPickTool);
    ui.Invalidate();
}

void CmRedoExecute(AppState& s, Ui& ui, TMDIChild* window) {
    if (!BeginCommand(s, window)) return;
    const int view = s.CurrentView;
    std::string problem;
    if (!UndoStore(s, UndoStoreRedo, view, &problem)) return NothingToRestore(ui, NoMoreRedo, problem);
    // The list already holds exactly what is written: it is not read back from the file.
    WriteDrawing(s, ui, ModeWorking);
    if (const TObj* last = LastObject(s.DrawingObjects); last && IsWallKind(last->Kind))
        ContinueFrom(s, ui, *window, *last, false, InwallToolRule::WhenNotActive);
    ui.Invalidate();
}

} // namespace velmora
