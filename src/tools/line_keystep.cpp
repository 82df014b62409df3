// The keyboard protocol of the line tool family: Enter marks a start and then an end, an arrow key draws a
// segment of the typed length from the start, and each segment joins the chain end to start. A segment is
// tested before anything changes: a refused one leaves the cursor, the chain's start and the drawing as
// they were.
#include "app/undo_store.h"
#include "tools/line_tool.h"
#include "tools/segment_geometry.h"
#include "view/units.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace velmora {

namespace {

bool IsWallOrMarking(int mode) {
    return mode == ModeConstruction || mode == ModeExtWall || mode == ModeInWall;
}

int Saturate(std::int64_t v) {
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The guided design-room sequence draws its first outline to fixed lengths, whatever the cursor says.
struct WizardEnd {
    int Step;
    int ImperialDx, ImperialDy, MetricDx, MetricDy;
};
constexpr WizardEnd WizardEnds[] = {
    {114, 10944, 0, 11400, 0}, {115, 0, -4464, 0, -5000}, {116, -8064, 0, -8400, 0},
    {117, 0, -2256, 0, -2000}, {118, -2880, 0, -3000, 0},
};

} // namespace

void TLinetool::KeyStep(Canvas& dc, Size, const KeyEvent& key, Point& cursor, int amount) {
    if (Step == 50) Step = 51;
    if (Step == 42) return; // the multiline's last line belongs to the multiline tool
    PenWidth = S.CurrentPenWidth;
    PenColour = S.CurrentColour;
    if (Mode == ModeConstruction || Mode == ModeExtWall) {
        S.CurrentPenWidth = 1;
        PenWidth = 1;
        if (Marked == 0) {
            S.EnterPhase = 1;
            Marked = 1;
        } else if (Marked == 1) {
            S.EnterPhase = 2;
        }
    }
    const int u = S.UnitsPerLogical;
    // Where the chain goes on: the end the user drew to, known once a segment is committed. Nothing moves
    // when no segment was (a start marked, or a segment refused).
    Point c{X1, Y1};
    bool committed = false;
    if (key.Code == Key::Enter) {
        const Point at = ForcedEnd.value_or(WorldAt(dc, cursor.X, cursor.Y));
        ForcedEnd.reset();
        KeyEnter(dc, at, amount, c, committed);
    } else if (key.Code == Key::Left || key.Code == Key::Right || key.Code == Key::Up ||
               key.Code == Key::Down) {
        if (amount <= 0) return;
        KeyArrow(dc, key.Code, amount, c, committed);
    } else {
        return;
    }
    if (committed) AfterSegment(dc, c, cursor);
    if (S.EnterPhase == 1 && (Mode == ModePlainLine || IsWallOrMarking(Mode))) {
        HitIndex = WorldToLogical(X1, u);
        GuideY = WorldToLogical(Y1, u);
        S.EnterPhase = 2;
    }
    if (Step == StepMultiline) {
        Step = 41;
        Dragging = 1;
        X2 = X1, Y2 = Y1;
    } else if (Step == 41) {
        Step = 42;
        Dragging = 0;
        Marked = 0;
    }
}

// After a committed segment the cursor goes onto the end the user drew to, and the chain goes on from it.
void TLinetool::AfterSegment(Canvas& dc, Point c, Point& cursor) {
    const int u = S.UnitsPerLogical;
    ChainEnd = c;
    if (S.EnterPhase != 2) return;
    const Point target = Mode == ModeExtWall ? Point{S.LastWallEndX, S.LastWallEndY} : c;
    MoveCursorTo(dc, target.X, target.Y);
    cursor = U.CursorPos();
    if (IsWallOrMarking(Mode)) {
        if (Mode == ModeInWall)
            FeedbackState = 1;
        else
            Scrolled = 1;
        X1 = X2 = c.X;
        Y1 = Y2 = c.Y;
        HitIndex = WorldToLogical(c.X, u);
        GuideY = WorldToLogical(c.Y, u);
    } else if (Mode == ModePlainLine && Step == 0) {
        X1 = c.X, Y1 = c.Y;
    } else if (Step == 51) {
        X1 = c.X, Y1 = c.Y;
        S.EnterPhase = 1;
    } else {
        S.EnterPhase = 1;
    }
}

void TLinetool::KeyEnter(Canvas& dc, const Point& at, int amount, Point& c, bool& committed) {
    // A tool that has seen no key and no drag yet (EnterPhase still 0) marks a start, as after a drag.
    if (S.EnterPhase != 2 || (Mode == ModeInWall && GuideY == 30000)) {
        S.EnterPhase = 1;
        if (Mode == ModeInWall) GuideY = 0;
        X1 = at.X;
        Y1 = at.Y;
        if (Mode == ModeInWall) {
            FeedbackState = 0;
            AuxStep = 0;
            Operation(1);
            BoxX1 = AuxStep;
        }
        return;
    }
    const Point start{X1, Y1};
    X2 = at.X;
    Y2 = at.Y;
    if (S.WizardMode == 1 && (S.WizardSequence == 3 || S.WizardSequence == 4)) ForceWizardEnd();
    MeasureEnter(amount);
    const StartOn on = StartCheck();
    // A start moved onto a line's end is measured again, so bearing and length describe the stored segment.
    if (on == StartOn::SecondEnd) MeasureEnter(amount);
    c = {X2, Y2};
    if (on == StartOn::FirstEnd) {
        Reverse();
        Angle = OppositeBearing(Angle);
    }
    if (Mode == ModeInWall) Scrolled = SuggestedLength;
    committed = CommitSegment(dc, start);
    Angle = 0;
}

void TLinetool::ForceWizardEnd() {
    for (const WizardEnd& w : WizardEnds) {
        if (w.Step != S.WizardStep) continue;
        const bool metric = S.MetricFlag == 1;
        X2 = Saturate(std::int64_t{X1} + (metric ? w.MetricDx : w.ImperialDx));
        Y2 = Saturate(std::int64_t{Y1} + (metric ? w.MetricDy : w.ImperialDy));
    }
}

// The bearing and the length of an Enter segment. Walls and construction marks snap a nearly upright or
// level end onto the axis first (unless the amount is 1); every segment keeps its real bearing, so that
// the hit test reads a sloped line as sloped.
void TLinetool::MeasureEnter(int amount) {
    if (IsWallOrMarking(Mode) && amount != 1) {
        const int snap = 10 * S.UnitsPerLogical;
        const std::int64_t dx = std::llabs(std::int64_t{X2} - X1);
        const std::int64_t dy = std::llabs(std::int64_t{Y2} - Y1);
        if (dx != 0 && dx <= snap)
            X2 = X1;
        else if (dy != 0 && dy <= snap)
            Y2 = Y1;
    }
    const SegmentMeasure m = MeasureSegment(X1, Y1, X2, Y2);
    Angle = m.Angle;
    ElementNo = StoredLength(m.Length);
    if (IsWallOrMarking(Mode)) {
        S.LastWallEndX = X2;
        S.LastWallEndY = Y2;
    }
}

void TLinetool::KeyArrow(Canvas& dc, Key key, int amount, Point& c, bool& committed) {
    const int u = S.UnitsPerLogical;
    // The start snaps onto the end of the chain's last segment when it lies within one logical unit of
    // it (the cursor is only ever a whole number of logical units).
    if (ChainEnd) {
        if (std::llabs(std::int64_t{X1} - ChainEnd->X) < u) X1 = ChainEnd->X;
        if (std::llabs(std::int64_t{Y1} - ChainEnd->Y) < u) Y1 = ChainEnd->Y;
    }
    const Point start{X1, Y1};
    ArrowEnd(key, amount);
    // A start moved onto a line's end keeps the arrow's axis: the end moves with it.
    const StartOn on = StartCheck();
    if (on == StartOn::SecondEnd) ArrowEnd(key, amount);
    c = {X2, Y2};
    if (on == StartOn::FirstEnd) {
        Reverse();
        Angle = OppositeBearing(Angle);
    }
    if (Mode == ModeInWall) Scrolled = SuggestedLength;
    committed = CommitSegment(dc, start);
    if (committed) S.EnterPhase = 2;
    // The plain line keeps the arrow's direction code only for this segment: a later Enter segment is
    // never turned round by the direction of an earlier arrow.
    if (Mode == ModePlainLine) HitKind = 0;
}

void TLinetool::ArrowEnd(Key key, int amount) {
    const std::int64_t a = amount;
    switch (key) {
    case Key::Left:
        X2 = Saturate(X1 - a), Y2 = Y1, Angle = 2700;
        break;
    case Key::Up:
        X2 = X1, Y2 = Saturate(Y1 + a), Angle = 0;
        break;
    case Key::Right:
        X2 = Saturate(X1 + a), Y2 = Y1, Angle = 900;
        break;
    default:
        X2 = X1, Y2 = Saturate(Y1 - a), Angle = 1800;
        break;
    }
    ElementNo = amount;
    const int u = S.UnitsPerLogical;
    HitIndex = WorldToLogical(X2, u);
    GuideY = WorldToLogical(Y2, u);
    if (Mode == ModeExtWall) {
        S.LastWallEndX = X2;
        S.LastWallEndY = Y2;
    }
}

void TLinetool::Reverse() {
    std::swap(X1, X2);
    std::swap(Y1, Y2);
    SuggestedLength = 1;
}

// Decide, then change: the snapshot is taken only for a segment the commit will store, so a refused key
// leaves no empty undo step; a refusal puts the points back where the key found them.
bool TLinetool::CommitSegment(Canvas& dc, Point startBefore) {
    if (!CanCommit()) {
        X1 = X2 = startBefore.X;
        Y1 = Y2 = startBefore.Y;
        MadeIndex = -1;
        return false;
    }
    RecordUndo(S, U);
    MadeIndex = -1;
    Commit(dc, U.ClientSize());
    if (MadeIndex < 0) {
        X1 = X2 = startBefore.X;
        Y1 = Y2 = startBefore.Y;
        return false;
    }
    return true;
}

StartOn TLinetool::StartCheck() {
    const int t = S.MetricFlag == 1 ? 25 : 24;
    const TFlist& list = S.DrawingObjects;
    const std::int64_t sx = X1, sy = Y1;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj* o = list.At(i);
        if (o->View != S.CurrentView) continue;
        int direction;
        if (o->Kind == 100)
            direction = static_cast<const TExtwallobj*>(o)->Angle;
        else if (o->Kind == 150)
            direction = static_cast<const TInwallobj*>(o)->Angle;
        else if (o->Kind == 1 || o->Kind == 11)
            direction = static_cast<const TLineobj*>(o)->LineAttrA;
        else
            continue;
        const std::int64_t loX = std::min(o->X1, o->X2), hiX = std::max(o->X1, o->X2);
        const std::int64_t loY = std::min(o->Y1, o->Y2), hiY = std::max(o->Y1, o->Y2);
        const bool strictY = loY - t < sy && sy < hiY + t, looseX = loX - t <= sx && sx <= hiX + t;
        const bool strictX = loX - t < sx && sx < hiX + t, looseY = loY - t <= sy && sy <= hiY + t;
        bool on;
        if (direction == 900 || direction == 2700)
            on = strictY && looseX;
        else if (direction == 0 || direction == 1800 || direction == 3600)
            on = strictX && looseY;
        else
            on = looseX && looseY;
        if (!on) continue;
        auto near = [&](std::int64_t x, std::int64_t y) {
            return std::llabs(sx - x) < t && std::llabs(sy - y) < t;
        };
        if (near(o->X2, o->Y2)) {
            X1 = o->X2;
            Y1 = o->Y2;
            return StartOn::SecondEnd;
        }
        if (near(o->X1, o->Y1)) return StartOn::FirstEnd;
        break;
    }
    TurnToSide();
    return StartOn::Elsewhere;
}

// A segment that meets no line at its start is turned to run the way HitKind asks (walls: the side of
// their inner lines; expand and shrink base: the chosen direction).
void TLinetool::TurnToSide() {
    if (HitKind < 1 || HitKind > 4) return;
    static constexpr int Required[] = {900, 1800, 2700, 0};
    switch (HitKind) {
    case 1:
        if (Angle == 2700) Angle = 900;
        break;
    case 2:
        if (Angle == 0 || Angle == 3600) Angle = 1800;
        break;
    case 3:
        if (Angle == 900) Angle = 2700;
        break;
    default:
        if (Angle == 1800) Angle = 0;
        break;
    }
    const bool keep = (HitKind == 1 && X2 >= X1) || (HitKind == 2 && Y1 >= Y2) ||
                      (HitKind == 3 && X1 >= X2) || (HitKind == 4 && Y2 >= Y1);
    if (keep) return;
    Reverse();
    if (Angle != Required[HitKind - 1]) Angle = OppositeBearing(Angle);
}

} // namespace velmora
