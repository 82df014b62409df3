#include "building/finish_commands.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/undo_store.h"
#include "app/wizard_sequence.h"
#include "model/drawing_objects.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"
#include "view/drawing_window.h"

#include <algorithm>

namespace velmora {

namespace {

bool IsFloorPlan(int view) {
    return view >= ViewGround && view <= ViewNone;
}

int CountOf(const TFlist& list, int view, std::initializer_list<int> kinds) {
    int n = 0;
    for (const auto& o : list)
        if (o->View == view && std::find(kinds.begin(), kinds.end(), o->Kind) != kinds.end()) ++n;
    return n;
}

// What finishing made for a room: its internal walls, its name and size texts, its dimension lines.
bool MadeForRoom(const TObj& o, int number, int view) {
    if (o.View != view || o.Aux != number) return false;
    return o.Kind == 150 || o.Kind == 35 || o.Kind == 36 || o.Kind == 261;
}

// A wall line that lies on a room's edge over more than a point.
bool LineOnEdge(Point a, Point b, const TObj& r) {
    const int left = r.X1, top = r.Y1, right = r.X2, bottom = r.Y2;
    if (a.X == b.X && (a.X == left || a.X == right))
        return std::min(std::max(a.Y, b.Y), top) - std::max(std::min(a.Y, b.Y), bottom) > 0;
    if (a.Y == b.Y && (a.Y == top || a.Y == bottom))
        return std::min(std::max(a.X, b.X), right) - std::max(std::min(a.X, b.X), left) > 0;
    return false;
}

// The other finished room of the view that the wall stands against, or nullptr.
const TObj* NeighbourOf(const TFlist& list, const TInwallobj& w, const TObj& room) {
    for (const auto& o : list) {
        if (o.get() == &room || o->Kind != 29500 || o->View != room.View) continue;
        if (LineOnEdge({w.X1, w.Y1}, {w.X2, w.Y2}, *o) ||
            LineOnEdge({w.SecondX1, w.SecondY1}, {w.SecondX2, w.SecondY2}, *o))
            return o.get();
    }
    return nullptr;
}

} // namespace

void CmLockdroomsExecute(AppState& s, Ui& ui, TMDIChild* window) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = 260;
    if (!IsFloorPlan(s.CurrentView)) {
        ui.Message("", "You must be in a FLOOR PLAN VIEW to use this function");
        return;
    }
    if (CountOf(s.DrawingObjects, s.CurrentView, {29000, 29001}) == 0) {
        ui.Message("", "There are no design rooms to lock in and finish drawing");
        return;
    }
    RecordUndo(s, ui);
    InstallTool(s, ui, ModeInWall);
    TDrawingtool& tool = *s.CurrentTool;
    tool.Step = StepFinishRooms;
    tool.Adjust(0, 0, 1);
    ui.SetPanel(0, "GUIDE:    ");
    ui.SetPanel(2, "Pick tool");
    // In the external-wall sequences the first FINISH leads on to altering a room; the one after the alter
    // concludes the sequence.
    AdvanceWizard(s, ui, {18, 20});
    if (window)
        window->InvalidateChange(ChangeBoxOnly);
    else
        ui.Invalidate();
}

void CmChangedroomsExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = 260;
    if (!IsFloorPlan(s.CurrentView)) {
        ui.Message("", "You must be in a PLAN VIEW to use this function");
        return;
    }
    if (CountOf(s.DrawingObjects, s.CurrentView, {29000, 29001}) > 0) {
        ui.Message("", "There are already design rooms on this floor - use DesignRooms/FINISH first");
        return;
    }
    if (CountOf(s.DrawingObjects, s.CurrentView, {29500}) == 0) {
        ui.Message("", "There are no finished rooms");
        return;
    }
    RecordUndo(s, ui);
    InstallTool(s, ui, 29001);
    s.CurrentTool->Mode = 29001;
    s.CurrentTool->Step = 29001;
    ui.SetPanel(2, " Adjust Room");
    ui.SetPanel(0,
                "GUIDE: Identify by clicking Left Btn in room to alter, move with Left Btn or use functions "
                "from Design Rooms on menu bar");
    AdvanceWizard(s, ui, 19);
}

int TakeBackFinishedRoom(AppState& s, Ui& ui, int index) {
    TFlist& list = s.DrawingObjects;
    if (index < FloorRecordCount || index >= list.ObjectCount()) return -1;
    TObj* room = list.At(index);
    if (room->Kind != 29500 || room->Class() != ObjClass::Room) return -1;
    room->Kind = 29001;
    const int number = room->Aux, view = room->View;
    // A partition made by this room that a neighbour's side stands against stays for the neighbour.
    for (const auto& o : list) {
        if (o->Kind != 150 || !MadeForRoom(*o, number, view)) continue;
        if (const TObj* n = NeighbourOf(list, static_cast<const TInwallobj&>(*o), *room))
            o->Highlight = o->Aux = n->Aux;
    }
    list.RemoveFrom(FloorRecordCount, [&](const TObj& o) { return MadeForRoom(o, number, view); });
    WriteDrawing(s, ui, ModeWorking);
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i)
        if (list.At(i) == room) return i;
    return -1;
}

} // namespace velmora
