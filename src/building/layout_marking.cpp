#include "building/layout_marking.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/undo_store.h"
#include "app/wizard_sequence.h"
#include "building/design_room_bounds.h"
#include "building/external_wall_setup.h"
#include "building/external_wall_tool.h"
#include "model/drawing_objects.h"
#include "tools/line_commands.h"
#include "view/drawing_window.h"

#include <optional>

namespace velmora {

namespace {

bool IsLayoutRoom(const TObj& o) {
    return o.Kind == 29000 && o.View == ViewLayout;
}

// Everything but the layout rooms would go, the floor records included: with them in the drawing the
// question is always asked.
int ObjectsToErase(const TFlist& list) {
    int n = 0;
    for (const auto& o : list)
        if (!IsLayoutRoom(*o)) ++n;
    return n;
}

void ErasePlans(AppState& s) {
    s.DrawingObjects.RemoveFrom(FloorRecordCount, [](const TObj& o) { return !IsLayoutRoom(o); });
    for (int view = ViewGround; view <= ViewNone; ++view)
        if (TInfoobj* record = s.DrawingObjects.FloorRecord(view)) record->FloorArea = 0;
}

// The top-left corner of the rooms: the only room's when there is one.
std::optional<Point> GroupCorner(const TFlist& list) {
    std::optional<Point> corner;
    for (const auto& o : list) {
        if (!IsLayoutRoom(*o)) continue;
        corner = corner ? Point{std::min(corner->X, o->X1), std::max(corner->Y, o->Y1)} : Point{o->X1, o->Y1};
    }
    return corner;
}

} // namespace

void CmExtwallExecute(AppState& s, Ui& ui, TMDIChild* window) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = 260;
    if (s.CurrentView != ViewLayout && s.CurrentView != ViewLayoutMarking) {
        ui.Message("",
                   "You must be in a LAYOUT VIEW to use this function, to mark the external wall corners");
        return;
    }
    if (ObjectsToErase(s.DrawingObjects) > 0 &&
        !ui.AskYesNo("", "If you have any plan drawings already with this name, they will be erased\n"
                         "press the YES button if you want to continue and mark the external walls"))
        return;
    // The layout sequence asks the floor details here, as the wall sequences do at New.
    if (AdvanceWizard(s, ui, 110)) {
        if (!AskWizardFloorDetails(s, ui)) return;
        AdvanceWizard(s, ui, 111);
    }
    // The wall type is asked on a tool of the marking mode, which has no inner-side question; a Cancel
    // leaves the pick tool and the drawing untouched (and ends a guided sequence).
    TExtwallobjtool setup(s, ui);
    setup.Mode = ModeConstruction;
    setup.PenColour = s.CurrentColour;
    if (!StartExternalWalls(s, ui, setup)) {
        if (WizardRunning(s) && s.WizardStep == 112) EndWizard(s, ui);
        return;
    }
    AdvanceWizard(s, ui, 112);
    RecordUndo(s, ui);
    ErasePlans(s);
    WriteDrawing(s, ui, ModeWorking);
    if (s.CurrentView == ViewLayoutMarking) {
        s.CurrentView = ViewLayout;
        ui.Invalidate();
    }
    StartConstructionLines(s, ui);
    const int u = s.UnitsPerLogical;
    // With one room the bounds files keep an older layout's box: that room's own corner is taken then.
    const DesignRoomBoundsResult bounds = DesignRoomBounds(s);
    std::optional<Point> corner = GroupCorner(s.DrawingObjects);
    if (bounds.BoxWritten) corner = Point{static_cast<int>(bounds.Left), static_cast<int>(bounds.Top)};
    if (corner && window) {
        window->RefX = corner->X / u * u;
        window->RefY = corner->Y / u * u;
        window->ReadoutMode = 4;
    }
    s.LayoutGridOn = 0;
    s.CurrentView = ViewLayoutMarking;
    ui.Invalidate();
}

} // namespace velmora
