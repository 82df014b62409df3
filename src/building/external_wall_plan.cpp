#include "building/external_wall_plan.h"

#include "building/wall_geometry.h"
#include "tools/segment_geometry.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <utility>

namespace velmora {

namespace {

// The three inner lines of a wall as start and end points, k = 0 .. 2.
struct Face {
    std::int32_t *X1, *Y1, *X2, *Y2;
};

Face FaceOf(TExtwallobj& w, int k) {
    switch (k) {
    case 0:
        return {&w.Face1X1, &w.Face1Y1, &w.Face1X2, &w.Face1Y2};
    case 1:
        return {&w.Face2X1, &w.Face2Y1, &w.Face2X2, &w.Face2Y2};
    default:
        return {&w.Face3X1, &w.Face3Y1, &w.Face3X2, &w.Face3Y2};
    }
}

void SetStart(Face f, Point p) {
    *f.X1 = p.X, *f.Y1 = p.Y;
}
void SetEnd(Face f, Point p) {
    *f.X2 = p.X, *f.Y2 = p.Y;
}

WallType TypeOf(const TExtwallobj& w) {
    return {w.Leaf1, w.Cavity, w.Leaf2};
}

bool Near(Point a, std::int64_t x, std::int64_t y, int tolerance) {
    return std::llabs(a.X - x) < tolerance && std::llabs(a.Y - y) < tolerance;
}

const TExtwallobj* ExternalWallAt(const TFlist& list, int i, int view) {
    const TObj* o = list.At(i);
    if (o->View != view || o->Kind != 100 || o->Class() != ObjClass::Extwall) return nullptr;
    return static_cast<const TExtwallobj*>(o);
}

// The walls the new one joins: a wall ending where it starts and a wall starting where it ends (a wall
// that matches at both ends, the closing wall of a run, is joined once at each end). The wall is moved
// onto them exactly.
void Join(const TFlist& list, const WallRequest& r, WallPlan& plan, Point& a, Point& b, int& bearing) {
    const int j = 3 * r.UnitsPerLogical;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TExtwallobj* w = ExternalWallAt(list, i, r.View);
        if (!w) continue;
        if (plan.StartNeighbour < 0 && Near(a, w->X2, w->Y2, j))
            plan.StartNeighbour = i;
        else if (plan.EndNeighbour < 0 && Near(b, w->X1, w->Y1, j))
            plan.EndNeighbour = i;
    }
    const auto wallAt = [&](int i) { return static_cast<const TExtwallobj*>(list.At(i)); };
    if (plan.StartNeighbour >= 0) {
        const TExtwallobj* n = wallAt(plan.StartNeighbour);
        const std::int64_t dx = std::int64_t{n->X2} - a.X, dy = std::int64_t{n->Y2} - a.Y;
        a = {n->X2, n->Y2};
        b = {static_cast<int>(b.X + dx), static_cast<int>(b.Y + dy)};
    }
    if (plan.EndNeighbour >= 0) {
        const TExtwallobj* n = wallAt(plan.EndNeighbour);
        if (plan.StartNeighbour < 0) {
            const std::int64_t dx = std::int64_t{n->X1} - b.X, dy = std::int64_t{n->Y1} - b.Y;
            a = {static_cast<int>(a.X + dx), static_cast<int>(a.Y + dy)};
        }
        b = {n->X1, n->Y1};
    }
    // Joined at both ends, the wall runs from one neighbour to the other whatever was asked.
    if (plan.StartNeighbour >= 0 && plan.EndNeighbour >= 0 && !(a == b)) bearing = BearingOf(a, b);
}

// A wall on its own runs so that its inner lines lie on the side the user chose.
void TurnToInnerSide(int side, Point& a, Point& b, int& bearing) {
    const bool keep = (side == 1 && b.X >= a.X) || (side == 2 && a.Y >= b.Y) || (side == 3 && a.X >= b.X) ||
                      (side == 4 && b.Y >= a.Y) || side < 1 || side > 4;
    if (keep) return;
    std::swap(a, b);
    bearing = OppositeBearing(bearing);
}

// The distance of line k of a wall, or of the other wall's own line k when this one has no such line.
int OffsetFor(const WallType& own, const WallType& other, int k) {
    const int ownCount = FaceCount(own);
    return FaceOffsets(k < ownCount ? own : other)[static_cast<std::size_t>(k)];
}

void CutStartCorner(WallPlan& plan, Point c, const WallType& type) {
    TExtwallobj& n = plan.StartNeighbourWall;
    const WallType nt = TypeOf(n);
    const int mine = FaceCount(type), theirs = FaceCount(nt);
    for (int k = 0; k < 3; ++k) {
        if (k < mine) {
            if (const auto p = InnerCorner(c, n.Angle, OffsetFor(nt, type, k), plan.Wall.Angle,
                                           FaceOffsets(type)[static_cast<std::size_t>(k)]))
                SetStart(FaceOf(plan.Wall, k), *p);
        }
        if (k < theirs) {
            if (const auto p = InnerCorner(c, n.Angle, FaceOffsets(nt)[static_cast<std::size_t>(k)],
                                           plan.Wall.Angle, OffsetFor(type, nt, k)))
                SetEnd(FaceOf(n, k), *p);
        }
    }
}

void CutEndCorner(WallPlan& plan, Point c, const WallType& type) {
    TExtwallobj& n = plan.EndNeighbourWall;
    const WallType nt = TypeOf(n);
    const int mine = FaceCount(type), theirs = FaceCount(nt);
    for (int k = 0; k < 3; ++k) {
        if (k < mine) {
            if (const auto p = InnerCorner(c, plan.Wall.Angle, FaceOffsets(type)[static_cast<std::size_t>(k)],
                                           n.Angle, OffsetFor(nt, type, k)))
                SetEnd(FaceOf(plan.Wall, k), *p);
        }
        if (k < theirs) {
            if (const auto p = InnerCorner(c, plan.Wall.Angle, OffsetFor(type, nt, k), n.Angle,
                                           FaceOffsets(nt)[static_cast<std::size_t>(k)]))
                SetStart(FaceOf(n, k), *p);
        }
    }
}

void FillRecord(TExtwallobj& w, const WallRequest& r, Point a, Point b, int bearing) {
    const ExtWallSettings& s = r.Settings;
    w.View = r.View;
    w.Aux = StoredLength(MeasureSegment(a.X, a.Y, b.X, b.Y).Length);
    w.X1 = a.X, w.Y1 = a.Y, w.X2 = b.X, w.Y2 = b.Y;
    w.Z1 = s.LevelOf(r.View);
    w.Z2 = 0;
    w.PenWidth = 1, w.PenStyle = 0;
    w.Colour = s.Colour;
    w.WallFlag = 1;
    w.Leaf1 = s.Type.Leaf1, w.Cavity = s.Type.Cavity, w.Leaf2 = s.Type.Leaf2;
    w.WallParamA = s.Params[0], w.WallParamB = s.Params[1], w.WallParamC = s.Params[2],
    w.WallParamD = s.Params[3];
    w.Angle = bearing;
    w.CopyX2 = b.X, w.CopyZ1 = w.Z1, w.CopyY2 = b.Y;
    w.Spare1 = w.Spare2 = w.Spare3 = 0;
    w.WallCodes = {100, 18, 100, 20};
    const auto offsets = FaceOffsets(s.Type);
    for (int k = 0; k < FaceCount(s.Type); ++k) {
        const Point d = InsideShift(bearing, offsets[static_cast<std::size_t>(k)]);
        SetStart(FaceOf(w, k), {a.X + d.X, a.Y + d.Y});
        SetEnd(FaceOf(w, k), {b.X + d.X, b.Y + d.Y});
    }
}

bool Usable(const TExtwallobj& w) {
    return w.X1 >= 10 && w.Y1 >= 10 && w.X2 >= 10 && w.Y2 >= 10 && w.Face1X1 >= 10 && w.Face1Y1 >= 10 &&
           w.Face1X2 >= 10 && w.Face1Y2 >= 10;
}

} // namespace

std::optional<WallPlan> PlanExternalWall(const TFlist& list, const WallRequest& r) {
    Point a = r.Start, b = r.End;
    int bearing = r.Bearing;
    if (a == b) return std::nullopt;
    WallPlan plan;
    Join(list, r, plan, a, b, bearing);
    if (a == b) return std::nullopt;
    if (plan.StartNeighbour < 0 && plan.EndNeighbour < 0) TurnToInnerSide(r.InnerSide, a, b, bearing);
    FillRecord(plan.Wall, r, a, b, bearing);
    const auto wallAt = [&](int i) { return *static_cast<const TExtwallobj*>(list.At(i)); };
    if (plan.StartNeighbour >= 0) {
        plan.StartNeighbourWall = wallAt(plan.StartNeighbour);
        CutStartCorner(plan, a, r.Settings.Type);
    }
    if (plan.EndNeighbour >= 0) {
        plan.EndNeighbourWall = wallAt(plan.EndNeighbour);
        CutEndCorner(plan, b, r.Settings.Type);
    }
    if (!Usable(plan.Wall)) return std::nullopt;
    return plan;
}

int ApplyWallPlan(TFlist& list, const WallPlan& plan, int elementNo) {
    const auto put = [&](int i, const TExtwallobj& w) {
        if (i >= 0) *static_cast<TExtwallobj*>(list.At(i)) = w;
    };
    put(plan.StartNeighbour, plan.StartNeighbourWall);
    put(plan.EndNeighbour, plan.EndNeighbourWall);
    auto wall = std::make_unique<TExtwallobj>(plan.Wall);
    wall->Highlight = elementNo;
    list.Append(std::move(wall));
    return list.ObjectCount() - 1;
}

} // namespace velmora
