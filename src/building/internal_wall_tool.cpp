// The internal-wall tool's interaction: the start-on-wall test of the first Enter, the first-arrow check,
// the rubber band of angled walls and the stop end that Escape leaves at a free end of the run.
#include "building/internal_wall_tool.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/undo_store.h"
#include "building/finish_rooms.h"
#include "building/internal_wall_faces.h"
#include "dialogs/double_line_dialog.h"
#include "view/units.h"

#include <cstdlib>

namespace velmora {

namespace {

// A start lies on a wall line when it is this close across it, within its extent widened as much.
constexpr int OnWallTolerance = 30;

bool IsAxisSegment(const FaceLine& s) {
    return s.A.X == s.B.X || s.A.Y == s.B.Y;
}

bool NearAxisSegment(Point p, const FaceLine& s, int tol) {
    const int loX = std::min(s.A.X, s.B.X), hiX = std::max(s.A.X, s.B.X);
    const int loY = std::min(s.A.Y, s.B.Y), hiY = std::max(s.A.Y, s.B.Y);
    const bool inX = p.X > loX - tol && p.X<hiX + tol, inY = p.Y> loY - tol && p.Y < hiY + tol;
    if (s.A.Y == s.B.Y) return std::abs(p.Y - s.A.Y) < tol && inX;
    return std::abs(p.X - s.A.X) < tol && inY;
}

} // namespace

TInwallobjtool::TInwallobjtool(AppState& state, Ui& ui) : TLineobjtool(state, ui, ModeInWall) {}

bool TInwallobjtool::Decides(const TObj& o) const {
    return o.View == S.CurrentView && (o.Kind == 100 || o.Kind == KindInwall);
}

// The rubber band follows the mouse from the marked start while the tool drags (after the first Enter and
// in angled mode), drawn twice to erase.
void TInwallobjtool::MouseMove(Canvas& dc, Size, int px, int py) {
    if (Dragging != 1 || Marked != 1 || X1 < 1 || Y1 < 1) return;
    const Point p = WorldAt(dc, px, py);
    if (Band && *Band == p) return;
    SelectRubberBand(dc);
    const int u = S.UnitsPerLogical;
    auto draw = [&](Point to) {
        dc.MoveTo(WorldToLogical(X1, u), WorldToLogical(Y1, u));
        dc.LineTo(WorldToLogical(to.X, u), WorldToLogical(to.Y, u));
    };
    if (Band && (Band->X != X1 || Band->Y != Y1)) draw(*Band);
    Band = p;
    if (p.X != X1 || p.Y != Y1) draw(p);
    dc.SetRasterOp(RasterOp::Copy);
}

// The line tool's key step, with the start check's verdict kept apart: SuggestedLength is the length the
// next question offers, and only a turned-round wall sets it to 1 inside the step.
void TInwallobjtool::KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) {
    const int offered = SuggestedLength;
    SuggestedLength = 0;
    UserEnd.reset();
    TLinetool::KeyStep(dc, client, key, cursor, amount);
    SuggestedLength = offered;
    Band.reset();
    // The run goes on from the point the user drew to, wherever the stored wall starts and ends.
    if (UserEnd && MadeIndex >= 0) {
        X1 = X2 = UserEnd->X;
        Y1 = Y2 = UserEnd->Y;
        ChainEnd = UserEnd;
        MoveCursorTo(dc, UserEnd->X, UserEnd->Y);
        cursor = U.CursorPos();
    }
}

void TInwallobjtool::Adjust(int, int, int y) {
    if (Step != StepFinishRooms) return;
    PenColour = S.CurrentColour;
    const FinishResult r = FinishRooms(S, U, y == 2 ? ViewLayout : S.CurrentView, PenColour);
    BoxX1 = r.Box.Left, BoxY1 = r.Box.Top, BoxX2 = r.Box.Right, BoxY2 = r.Box.Bottom;
}

void TInwallobjtool::Operation(int code) {
    switch (code) {
    case 1:
        StartOnWallTest();
        return;
    case 2:
        CheckFirstArrow();
        return;
    case 3:
        StopEndAtStart();
        return;
    case 5:
        StopEndAtEnd();
        return;
    default:
        return;
    }
}

// A start close to an axis wall line is put onto it, so that the wall made from it meets that line: a
// start is then either on a wall (and the wall gets a T-junction there) or free (and gets a stop end),
// never left a few millimetres off a face with neither.
void TInwallobjtool::StartOnWallTest() {
    WallsInRun = 0;
    LastEndAttached = false;
    FreeStart = 1;
    const TFlist& list = S.DrawingObjects;
    const Point start{X1, Y1};
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj& o = *list.At(i);
        if (!Decides(o)) continue;
        for (const FaceLine& s : AttachFaces(o, true)) {
            if (!IsAxisSegment(s) || !NearAxisSegment(start, s, OnWallTolerance)) continue;
            const Point on = OntoAxisLine(start, s);
            X1 = X2 = on.X;
            Y1 = Y2 = on.Y;
            FreeStart = 0;
            return;
        }
    }
}

// The first arrow of a run must run along the first line, never towards the second line.
void TInwallobjtool::CheckFirstArrow() {
    // A run that already has a wall (the first drawn with Enter) goes on from it whichever way it turns.
    if (FirstArrowChecked != 0 || WallsInRun > 0) return;
    const int arrow = Scrolled; // 1 up, 2 right, 3 down, 4 left
    const bool across = SecondSide == SideBelow || SecondSide == SideAbove;
    const bool alongX = arrow == 2 || arrow == 4;
    if (across != alongX) {
        OperationResult = NothingHit;
        return;
    }
    FirstArrowChecked = 2;
}

void TInwallobjtool::StopEndAtStart() {
    TFlist& list = S.DrawingObjects;
    if (MadeIndex < 0 || MadeIndex >= list.ObjectCount()) return;
    const auto* wall = dynamic_cast<const TInwallobj*>(list.At(MadeIndex));
    if (!wall) return;
    // The point where the user started the wall: its record's end when it was stored turned round.
    const bool reversed = TurnedRound;
    const Point from = reversed ? Point{wall->SecondX2, wall->SecondY2} : Point{wall->X1, wall->Y1};
    const Point to = reversed ? Point{wall->X2, wall->Y2} : Point{wall->SecondX1, wall->SecondY1};
    list.Append(StopEnd(KindStopEndStart, *wall, from, to));
}

// Escape closes the end of the run's last wall, unless that end meets another wall: a stop end there
// would be drawn across the junction.
void TInwallobjtool::StopEndAtEnd() {
    if (X1 < 1 || Y1 < 1 || WallsInRun == 0 || LastEndAttached) return;
    TFlist& list = S.DrawingObjects;
    const Point at{X1, Y1};
    for (int i = list.ObjectCount() - 1; i >= FloorRecordCount; --i) {
        const auto* w = dynamic_cast<const TInwallobj*>(list.At(i));
        if (!w || w->Kind != KindInwall || w->View != S.CurrentView) continue;
        const bool atStart = at == Point{w->X1, w->Y1};
        if (!atStart && at != Point{w->X2, w->Y2}) continue;
        const Point to = atStart ? Point{w->SecondX1, w->SecondY1} : Point{w->SecondX2, w->SecondY2};
        RecordUndo(S, U);
        auto stop = StopEnd(KindStopEndEnd, *w, at, to);
        list.Append(std::move(stop));
        WriteDrawing(S, U, ModeWorking);
        return;
    }
}

std::unique_ptr<TInwallobj> TInwallobjtool::StopEnd(int kind, const TInwallobj& wall, Point from,
                                                    Point to) const {
    auto s = std::make_unique<TInwallobj>();
    s->Kind = kind;
    s->View = wall.View;
    s->Highlight = s->Aux = wall.Highlight;
    s->X1 = from.X, s->Y1 = from.Y, s->X2 = to.X, s->Y2 = to.Y;
    s->Colour = wall.Colour;
    s->PenWidth = 1;
    s->PenStyle = 0;
    s->Thickness = wall.Thickness;
    s->InWallFlag = 1;
    s->StartJoinBearing = wall.StartJoinBearing;
    s->EndJoinBearing = wall.EndJoinBearing;
    s->Angle = ((wall.Angle - 900) % 3600 + 3600) % 3600;
    s->InWallCodes = {100, 100, 100, 100};
    return s;
}

} // namespace velmora
