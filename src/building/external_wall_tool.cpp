#include "building/external_wall_tool.h"

#include "app/drawing_store.h"
#include "app/floor_area.h"
#include "app/keep_changes.h"
#include "app/view_centring.h"
#include "building/external_wall_plan.h"
#include "building/finish_walls.h"
#include "building/wall_geometry.h"
#include "building/wall_types.h"
#include "model/drawing_objects.h"

#include <algorithm>
#include <vector>

namespace velmora {

TExtwallobjtool::TExtwallobjtool(AppState& state, Ui& ui) : TLineobjtool(state, ui, ModeExtWall) {
    Mode = ModeExtWall;
}

WallRequest TExtwallobjtool::Request() const {
    WallRequest r;
    r.Start = {X1, Y1};
    r.End = {X2, Y2};
    r.Bearing = Angle;
    r.InnerSide = InnerSide();
    r.View = S.CurrentView;
    r.UnitsPerLogical = S.UnitsPerLogical;
    r.Settings = ReadExtWallSettings(S.HomePath, S.MetricFlag);
    return r;
}

bool TExtwallobjtool::CanCommit() const {
    return PlanExternalWall(S.DrawingObjects, Request()).has_value();
}

int TExtwallobjtool::MakeWall() {
    const auto plan = PlanExternalWall(S.DrawingObjects, Request());
    if (!plan) return -1;
    LinkNo = ++S.NextElementNo; // the wall's element number
    const int made = ApplyWallPlan(S.DrawingObjects, *plan, LinkNo);
    const TExtwallobj& w = plan->Wall;
    X1 = w.X1, Y1 = w.Y1, X2 = w.X2, Y2 = w.Y2;
    Angle = w.Angle;
    ElementNo = w.Aux; // the wall's length
    return made;
}

void TExtwallobjtool::Commit(Canvas& dc, Size) {
    MadeIndex = MakeWall();
    if (MadeIndex < 0) return;
    BoxX1 = std::min(X1, X2), BoxY1 = std::min(Y1, Y2), BoxX2 = std::max(X1, X2), BoxY2 = std::max(Y1, Y2);
    WriteDrawing(S, U, ModeWorking);
    if (S.SaveState == 0) S.SaveState = 1;
    PaintWallAndNeighbours(dc, MadeIndex);
    Marked = 1;
}

// The neighbours' corners changed with the wall: they are painted again with it.
void TExtwallobjtool::PaintWallAndNeighbours(Canvas& dc, int made) {
    const TFlist& list = S.DrawingObjects;
    const TObj* wall = list.At(made);
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj* o = list.At(i);
        if (o->View != S.CurrentView || o->Kind != 100) continue;
        const bool touches =
            (o->X2 == wall->X1 && o->Y2 == wall->Y1) || (o->X1 == wall->X2 && o->Y1 == wall->Y2);
        if (i == made || touches) PaintAtOnce(dc, *o);
    }
}

void TExtwallobjtool::Operation(int code) {
    switch (code) {
    case 2:
        // The length offered is the one typed last (the window keeps it in SuggestedLength).
        break;
    case 3:
        CopyFloor(S.CurrentView - 1);
        break;
    case 4:
        CopyFloor(S.CurrentView - 4);
        break;
    case 5:
        FinishFloor();
        break;
    case 7:
        MakeWallsFromMarks(S, U, *this);
        break;
    default:
        break;
    }
}

// The walls of a lower floor, each made again in the current view with the current wall type and its own
// direction, so the copies join into the same outline with the new thicknesses.
void TExtwallobjtool::CopyFloor(int fromView) {
    struct Outer {
        Point A, B;
        int Bearing;
    };
    std::vector<Outer> walls;
    const TFlist& list = S.DrawingObjects;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj* o = list.At(i);
        if (o->View != fromView || o->Kind != 100 || o->Class() != ObjClass::Extwall) continue;
        // The bearing is the outer line's own, whatever an older record kept.
        walls.push_back({{o->X1, o->Y1}, {o->X2, o->Y2}, BearingOf({o->X1, o->Y1}, {o->X2, o->Y2})});
    }
    Mode = ModeExtWall;
    for (const Outer& w : walls) {
        SetInnerSide(w.A.X < w.B.X ? 1 : w.B.X < w.A.X ? 3 : w.B.Y < w.A.Y ? 2 : 4);
        X1 = w.A.X, Y1 = w.A.Y, X2 = w.B.X, Y2 = w.B.Y;
        Angle = w.Bearing;
        MakeWall();
    }
    if (!walls.empty()) WriteDrawing(S, U, ModeWorking);
}

// A completed floor: the ground floor (or a floor whose base was changed) is centred on the sheet, then the
// floor area is measured.
void TExtwallobjtool::FinishFloor() {
    if ((FloorScope >= 1 && FloorScope <= 3) || S.CurrentView == ViewGround) {
        if (RecentreView(S, CentreFloor)) WriteDrawing(S, U, ModeWorking);
    }
    ComputeFloorArea(S);
}

} // namespace velmora
