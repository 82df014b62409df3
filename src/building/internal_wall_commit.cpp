// The commit of an internal wall. The whole result is planned first on copies - the neighbours it joins
// end to end (whose width it takes), their corners, the T-junctions at its ends - and only a wall that can
// be made changes the drawing: the neighbours are replaced, the wall and its stop end appended, the view
// saved.
#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "building/internal_wall_faces.h"
#include "building/internal_wall_tool.h"
#include "dialogs/double_line_dialog.h"
#include "model/drawing_file.h"
#include "tools/segment_geometry.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace velmora {

namespace {

Point StartOf(const TInwallobj& w) {
    return {w.X1, w.Y1};
}
Point EndOf(const TInwallobj& w) {
    return {w.X2, w.Y2};
}

// A wall turned round with its band left where it was: its second line becomes its first, so the second
// line stays on the right of its new direction of travel.
void TurnRoundKeepingBand(TInwallobj& w) {
    const FaceLine first{{w.X1, w.Y1}, {w.X2, w.Y2}},
        second{{w.SecondX1, w.SecondY1}, {w.SecondX2, w.SecondY2}};
    w.X1 = second.B.X, w.Y1 = second.B.Y, w.X2 = second.A.X, w.Y2 = second.A.Y;
    w.SecondX1 = first.B.X, w.SecondY1 = first.B.Y, w.SecondX2 = first.A.X, w.SecondY2 = first.A.Y;
    w.Angle = OppositeBearing(w.Angle);
}

// Whether a side code wants the first wall of a run the way it was drawn.
bool RunsForSide(int side, Point p1, Point p2) {
    switch (side) {
    case SideBelow:
        return p2.X >= p1.X;
    case SideLeft:
        return p1.Y >= p2.Y;
    case SideAbove:
        return p1.X >= p2.X;
    case SideRight:
        return p2.Y >= p1.Y;
    default:
        return true;
    }
}

} // namespace

void TInwallobjtool::Commit(Canvas& dc, Size) {
    MadeIndex = -1;
    Plan plan;
    if (!MakePlan(plan)) return;
    Store(dc, plan);
}

bool TInwallobjtool::MakePlan(Plan& plan) const {
    Point p1{X1, Y1}, p2{X2, Y2};
    int bearing = Angle;
    // The start check turns a wall round by exchanging its ends; it leaves SuggestedLength 1 to say so.
    plan.Reversed = SuggestedLength == 1;
    FindNeighbours(plan, p1, p2);
    if (!plan.Start && !plan.End && !RunsForSide(SecondSide, p1, p2)) {
        std::swap(p1, p2);
        bearing = OppositeBearing(bearing);
        plan.Reversed = !plan.Reversed;
    }
    const int t = plan.Start ? plan.Start->Wall.Thickness
                  : plan.End ? plan.End->Wall.Thickness
                             : StoredWallWidth(S.HomePath, S.MetricFlag);
    if (plan.Start && plan.End) Bridge(plan, p1, p2, bearing);
    if (p1 == p2 || t <= 0) return false;

    TInwallobj& w = plan.Wall;
    w.Kind = KindInwall;
    w.View = S.CurrentView;
    w.X1 = p1.X, w.Y1 = p1.Y, w.X2 = p2.X, w.Y2 = p2.Y;
    w.Colour = PenColour;
    w.PenWidth = 1;
    w.PenStyle = 0;
    w.Thickness = t;
    w.InWallFlag = 1;
    w.Angle = bearing;
    w.InWallCodes = {100, 100, 100, 100};
    const Point shift = SecondLineShift(bearing, t);
    w.SecondX1 = p1.X + shift.X, w.SecondY1 = p1.Y + shift.Y;
    w.SecondX2 = p2.X + shift.X, w.SecondY2 = p2.Y + shift.Y;
    MakeCorners(plan, t);
    if (!(plan.Start && plan.End)) MakeJunctions(plan, t);
    if (plan.Start) plan.StartAttached = true;
    if (plan.End) plan.EndAttached = true;
    const int coords[] = {w.X1, w.Y1, w.X2, w.Y2, w.SecondX1, w.SecondY1, w.SecondX2, w.SecondY2};
    return std::all_of(std::begin(coords), std::end(coords), [](int c) { return c >= 10; });
}

// Internal walls whose end lies within three logical units of the new start or end. The first found at the
// start moves the whole new wall onto it; the first found at the end then moves only the end, so a wall
// bridging two walls is joined exactly once at each of its ends.
void TInwallobjtool::FindNeighbours(Plan& plan, Point& p1, Point& p2) const {
    const std::int64_t j = 3 * S.UnitsPerLogical;
    auto near = [j](Point a, Point b) {
        return std::llabs(std::int64_t{a.X} - b.X) < j && std::llabs(std::int64_t{a.Y} - b.Y) < j;
    };
    const TFlist& list = S.DrawingObjects;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const auto* o = dynamic_cast<const TInwallobj*>(list.At(i));
        if (!o || o->Kind != KindInwall || o->View != S.CurrentView) continue;
        for (const bool atStart : {true, false}) {
            const Point target = atStart ? StartOf(*o) : EndOf(*o);
            if (!plan.Start && near(p1, target)) {
                const Point d{target.X - p1.X, target.Y - p1.Y};
                p1 = target;
                if (!plan.End) p2 = {p2.X + d.X, p2.Y + d.Y};
                plan.Start = Neighbour{i, atStart, *o};
                break;
            }
        }
        if (plan.Start && plan.Start->Index == i) continue;
        for (const bool atStart : {true, false}) {
            const Point target = atStart ? StartOf(*o) : EndOf(*o);
            if (!plan.End && near(p2, target)) {
                const Point d{target.X - p2.X, target.Y - p2.Y};
                p2 = target;
                if (!plan.Start) p1 = {p1.X + d.X, p1.Y + d.Y};
                plan.End = Neighbour{i, atStart, *o};
                break;
            }
        }
    }
}

// A wall between two neighbours runs from one that arrives at its start to one that leaves from its end,
// so that the second lines of all three lie on one side. When both meet it the other way the new wall is
// turned round; when one does, that neighbour is turned round keeping its band, and the new wall's end
// follows the neighbour's first line across the band.
void TInwallobjtool::Bridge(Plan& plan, Point& p1, Point& p2, int& bearing) const {
    const bool startArrives = !plan.Start->AtItsStart, endLeaves = plan.End->AtItsStart;
    if (!startArrives && !endLeaves) {
        std::swap(p1, p2);
        std::swap(plan.Start, plan.End);
        plan.Reversed = !plan.Reversed;
    } else if (!startArrives) {
        TurnRoundKeepingBand(plan.Start->Wall);
        plan.Start->AtItsStart = false;
        p1 = EndOf(plan.Start->Wall);
    } else if (!endLeaves) {
        TurnRoundKeepingBand(plan.End->Wall);
        plan.End->AtItsStart = true;
        p2 = StartOf(plan.End->Wall);
    }
    if (p1 != p2) bearing = MeasureSegment(p1.X, p1.Y, p2.X, p2.Y).Angle;
}

// Where the new wall meets a neighbour end to end, both second lines end where they cross: square for two
// axis walls, mitred on the bisector when one is angled. Walls in line keep their plain offsets.
void TInwallobjtool::MakeCorners(Plan& plan, int t) const {
    TInwallobj& w = plan.Wall;
    auto corner = [&](Neighbour& n, Point c, bool newStart) {
        const auto q = CornerPoint(c, n.Wall.Angle, n.Wall.Thickness, w.Angle, t);
        if (!q) return;
        (newStart ? w.SecondX1 : w.SecondX2) = q->X;
        (newStart ? w.SecondY1 : w.SecondY2) = q->Y;
        (n.AtItsStart ? n.Wall.SecondX1 : n.Wall.SecondX2) = q->X;
        (n.AtItsStart ? n.Wall.SecondY1 : n.Wall.SecondY2) = q->Y;
    };
    if (plan.Start) corner(*plan.Start, StartOf(w), true);
    if (plan.End) corner(*plan.End, EndOf(w), false);
}

void TInwallobjtool::MakeJunctions(Plan& plan, int t) const {
    TInwallobj& w = plan.Wall;
    Point second;
    std::optional<int> atStart, atEnd;
    if (!plan.Start) {
        atStart = JunctionAt(StartOf(w), w.Angle, t, -1, second);
        if (atStart) w.SecondX1 = second.X, w.SecondY1 = second.Y;
    }
    if (!plan.End) {
        atEnd = JunctionAt(EndOf(w), w.Angle, t, -1, second);
        if (atEnd) w.SecondX2 = second.X, w.SecondY2 = second.Y;
    }
    plan.StartAttached = atStart.has_value();
    plan.EndAttached = atEnd.has_value();
    // The join bearings name the points where the user started and ended the wall.
    if (plan.Reversed) std::swap(atStart, atEnd);
    w.StartJoinBearing = atStart.value_or(-1);
    w.EndJoinBearing = atEnd.value_or(-1);
}

// The bearing of the last wall of the view whose attaching line p lies on (three logical units across,
// strictly, and within the line), with where the new wall's second line meets that line. A line the new
// wall runs along is no junction.
std::optional<int> TInwallobjtool::JunctionAt(Point p, int bearing, int t, int excluded,
                                              Point& second) const {
    const TFlist& list = S.DrawingObjects;
    const int tolerance = 3 * S.UnitsPerLogical;
    std::optional<int> found;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj& o = *list.At(i);
        if (i == excluded || !Decides(o)) continue;
        const int other = WallBearing(o);
        for (const FaceLine& line : AttachFaces(o, false)) {
            if (!OnLine(p, line, tolerance)) continue;
            const auto meets = JunctionPoint(p, bearing, t, other);
            if (!meets) continue;
            found = other;
            second = *meets;
        }
    }
    return found;
}

// A stop end runs across its wall's end from the first line to the second (either way round); it is matched
// on the neighbour as it was before the corner changed its lines.
void TInwallobjtool::RemoveJoinedStopEnds(Plan& plan) {
    struct Across {
        Point First, Second;
    };
    std::vector<Across> ends;
    const TFlist& list = S.DrawingObjects;
    for (const auto* n : {&plan.Start, &plan.End}) {
        if (!*n) continue;
        const auto* old = dynamic_cast<const TInwallobj*>(list.At((*n)->Index));
        if (!old) continue;
        ends.push_back((*n)->AtItsStart ? Across{StartOf(*old), {old->SecondX1, old->SecondY1}}
                                        : Across{EndOf(*old), {old->SecondX2, old->SecondY2}});
    }
    const auto isJoinedStopEnd = [&](const TObj& o) {
        if ((o.Kind != 154 && o.Kind != 155) || o.View != S.CurrentView) return false;
        const Point a{o.X1, o.Y1}, b{o.X2, o.Y2};
        return std::any_of(ends.begin(), ends.end(), [&](const Across& e) {
            return (a == e.First && b == e.Second) || (a == e.Second && b == e.First);
        });
    };
    for (auto* n : {&plan.Start, &plan.End}) {
        if (!*n) continue;
        int before = 0;
        for (int i = FloorRecordCount; i < (*n)->Index; ++i)
            before += isJoinedStopEnd(*list.At(i)) ? 1 : 0;
        (*n)->Index -= before;
    }
    S.DrawingObjects.RemoveFrom(FloorRecordCount, isJoinedStopEnd);
}

void TInwallobjtool::Store(Canvas& dc, Plan& plan) {
    TFlist& list = S.DrawingObjects;
    ++S.NextElementNo;
    TInwallobj& w = plan.Wall;
    w.Highlight = w.Aux = S.NextElementNo;
    LinkNo = S.NextElementNo;
    RemoveJoinedStopEnds(plan);
    for (auto* n : {&plan.Start, &plan.End}) {
        if (!*n) continue;
        if (auto* stored = dynamic_cast<TInwallobj*>(list.At((*n)->Index))) *stored = (*n)->Wall;
    }
    PaintAtOnce(dc, w);
    list.Append(std::make_unique<TInwallobj>(w));
    MadeIndex = list.ObjectCount() - 1;
    TurnedRound = plan.Reversed;
    UserEnd = plan.Reversed ? StartOf(w) : EndOf(w);
    const bool userStartAttached = plan.Reversed ? plan.EndAttached : plan.StartAttached;
    const bool userEndAttached = plan.Reversed ? plan.StartAttached : plan.EndAttached;
    // Only the run's first wall can begin in free space: every later one starts on the wall before it.
    if (WallsInRun == 0 && !userStartAttached) Operation(3);
    ++WallsInRun;
    LastEndAttached = userEndAttached;
    ClosingWall = plan.Start && plan.End ? 100 : 0;
    StartJoinBearing = w.StartJoinBearing;
    EndJoinBearing = w.EndJoinBearing;
    BoxX1 = std::min({w.X1, w.X2, w.SecondX1, w.SecondX2});
    BoxX2 = std::max({w.X1, w.X2, w.SecondX1, w.SecondX2});
    BoxY1 = std::min({w.Y1, w.Y2, w.SecondY1, w.SecondY2});
    BoxY2 = std::max({w.Y1, w.Y2, w.SecondY1, w.SecondY2});
    WriteDrawing(S, U, ModeWorking);
    if (S.SaveState == 0) S.SaveState = 1;
    Marked = 1;
}

} // namespace velmora
