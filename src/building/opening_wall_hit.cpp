#include "building/opening_wall_hit.h"

#include "building/wall_geometry.h"
#include "model/drawing_objects.h"

#include <cmath>

namespace velmora {

namespace {

constexpr double Slack = 1e-6; // the tests are inclusive; this only absorbs rounding on angled walls

struct WallLines {
    Point Start, End;
    int Thickness = 0;
};

std::optional<WallLines> LinesOf(const TObj& o, int view, int& kind) {
    if (o.View != view) return std::nullopt;
    if (o.Kind == 100 && o.Class() == ObjClass::Extwall) {
        const auto& w = static_cast<const TExtwallobj&>(o);
        kind = WallKindExternal;
        return WallLines{{w.X1, w.Y1}, {w.X2, w.Y2}, w.Cavity > 0 ? w.Leaf1 + w.Cavity + w.Leaf2 : w.Leaf1};
    }
    if (o.Kind == 150 && o.Class() == ObjClass::Inwall) {
        const auto& w = static_cast<const TInwallobj&>(o);
        kind = WallKindInternal;
        return WallLines{{w.X1, w.Y1}, {w.X2, w.Y2}, w.Thickness};
    }
    return std::nullopt;
}

} // namespace

int PlanOnWall(int plan, int bearing) {
    auto swap = [&plan](int a, int b) {
        if (plan == a) return b;
        if (plan == b) return a;
        return plan;
    };
    if (bearing >= 901 && bearing <= 1800) {
        plan = swap(1, 4), plan = swap(2, 3), plan = swap(5, 8), plan = swap(6, 7);
        return plan;
    }
    if (bearing >= 1801 && bearing <= 2699) {
        plan = swap(1, 4), plan = swap(2, 3);
        return plan;
    }
    if (bearing >= 1 && bearing <= 900) {
        plan = swap(5, 8), plan = swap(6, 7);
        return plan;
    }
    return plan;
}

bool HingeAtStartOfFrame(int plan) {
    return plan == 1 || plan == 3 || plan == 5 || plan == 6;
}

OpeningSpan SpanOf(const OpeningChoice& c, int bearing) {
    const int w = c.OpeningWidth;
    if (c.Type == OpeningHangingDoor) {
        // The user marks the hinge: the opening runs from it to the closing side.
        if (HingeAtStartOfFrame(PlanOnWall(c.DoorPlan, bearing))) return {0, w};
        return {-w, 0};
    }
    return {-(w / 2), w - w / 2};
}

std::optional<OpeningWallHit> FindOpeningWall(const TFlist& list, int view, Point p, const OpeningChoice& c) {
    for (int i = 0; i < list.ObjectCount(); ++i) {
        int kind = 0;
        const auto lines = LinesOf(*list.At(i), view, kind);
        if (!lines || lines->Start == lines->End || lines->Thickness <= 0) continue;
        // The wall's frame anchored at its start: u runs from 0 at the start to -length at the end.
        const OpeningFrame wall(lines->Start, lines->End, lines->Start);
        const double v = wall.VOf(p);
        if (v < -Slack || v > lines->Thickness + Slack) continue;
        const double u = std::round(wall.UOf(p));
        const double length = -wall.UOf(lines->End);
        const int bearing = BearingOf(lines->Start, lines->End);
        const OpeningSpan span = SpanOf(c, bearing);
        if (u + span.To > Slack || u + span.From < -length - Slack) continue;
        OpeningWallHit hit;
        hit.Index = i;
        hit.WallKind = kind;
        hit.FaceHit = v * 2 <= lines->Thickness ? FaceFirst : FaceInner;
        hit.Bearing = bearing;
        hit.Thickness = lines->Thickness;
        hit.Element = list.At(i)->Highlight;
        hit.Level = list.At(i)->Z1;
        hit.Start = lines->Start, hit.End = lines->End;
        // The opening is built from the point on the first line, whichever face the user was nearer.
        const OpeningFrame foot(lines->Start, lines->End, wall.ToWorld(u, 0));
        hit.Frame = foot.MovedAlong(span.From + c.OpeningWidth / 2);
        return hit;
    }
    return std::nullopt;
}

} // namespace velmora
