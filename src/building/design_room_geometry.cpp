#include "building/design_room_geometry.h"

#include "building/internal_wall_faces.h"
#include "view/units.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

namespace velmora {

namespace {

constexpr std::int64_t NoCorrection = std::numeric_limits<std::int64_t>::max();

// One edge position an edge of the dropped room may snap to.
struct Candidate {
    std::int64_t Best = NoCorrection; // the correction of the nearest target so far (signed)
    void Offer(std::int64_t edge, std::int64_t target, int m) {
        const std::int64_t d = target - edge;
        if (std::llabs(d) >= m) return;
        if (Best == NoCorrection || std::llabs(d) < std::llabs(Best)) Best = d;
    }
};

// The correction of the axis: the smaller of the two edges' corrections, or none.
std::int64_t Smaller(const Candidate& a, const Candidate& b) {
    if (a.Best == NoCorrection) return b.Best;
    if (b.Best == NoCorrection) return a.Best;
    return std::llabs(b.Best) < std::llabs(a.Best) ? b.Best : a.Best;
}

bool OverlapsBy(std::int64_t lo1, std::int64_t hi1, std::int64_t lo2, std::int64_t hi2, std::int64_t by) {
    return std::min(hi1, hi2) - std::max(lo1, lo2) > by;
}

struct Edges {
    Candidate Left, Right, Top, Bottom;
};

// A neighbour counts along an axis when it faces the room across the other axis, or lies beside it no
// more than a wall and the merging distance away: rooms a wall apart line up their edges too.
void OfferRoom(Edges& e, const RoomRect& r, const RoomRect& o, int m, int t) {
    const std::int64_t reach = -(std::int64_t{m} + t);
    if (OverlapsBy(r.Bottom, r.Top, o.Bottom, o.Top, reach)) {
        e.Left.Offer(r.Left, o.Right + t, m);
        e.Left.Offer(r.Left, o.Left, m);
        e.Right.Offer(r.Right, o.Left - t, m);
        e.Right.Offer(r.Right, o.Right, m);
    }
    if (OverlapsBy(r.Left, r.Right, o.Left, o.Right, reach)) {
        e.Bottom.Offer(r.Bottom, o.Top + t, m);
        e.Bottom.Offer(r.Bottom, o.Bottom, m);
        e.Top.Offer(r.Top, o.Bottom - t, m);
        e.Top.Offer(r.Top, o.Top, m);
    }
}

void OfferLine(Edges& e, const RoomRect& r, const FaceLine& f, int m) {
    if (f.A.X == f.B.X) {
        const std::int64_t lo = std::min(f.A.Y, f.B.Y), hi = std::max(f.A.Y, f.B.Y);
        if (!OverlapsBy(r.Bottom, r.Top, lo, hi, 0)) return;
        e.Left.Offer(r.Left, f.A.X, m);
        e.Right.Offer(r.Right, f.A.X, m);
    } else if (f.A.Y == f.B.Y) {
        const std::int64_t lo = std::min(f.A.X, f.B.X), hi = std::max(f.A.X, f.B.X);
        if (!OverlapsBy(r.Left, r.Right, lo, hi, 0)) return;
        e.Top.Offer(r.Top, f.A.Y, m);
        e.Bottom.Offer(r.Bottom, f.A.Y, m);
    }
}

// The walls a room lines up with; internal walls that finishing has just made (Z1 1) are not yet the
// plan's own.
std::vector<FaceLine> SnapLines(const TObj& o) {
    if (o.Kind == 150 && o.Z1 == 1) return {};
    if (o.Kind != 100 && o.Kind != 150) return {};
    return AttachFaces(o, false);
}

// The nearest obstacle on each side of a point, for the free-area measurement.
struct Bound {
    std::optional<std::int64_t> At;
    bool Room = false;   // the obstacle is a room edge (a wall must stand between the rooms)
    bool Wall = false;   // an external wall's line bounds this side
    bool Angled = false; // the nearest obstacle is an angled external wall
};

// keepSmallest: the side beyond the point is the larger coordinate (right, up), where the nearest
// obstacle is the smallest one.
void Nearer(Bound& b, std::int64_t at, bool keepSmallest, bool room, bool wall, bool angled) {
    if (b.At && (keepSmallest ? at >= *b.At : at <= *b.At)) return;
    b.At = at;
    b.Room = room, b.Wall = b.Wall || wall, b.Angled = angled;
}

struct Sides {
    Bound Left, Right, Up, Down;
    bool AnyExternal = false, ExtLeft = false, ExtRight = false, ExtUp = false, ExtDown = false;
};

// Where a line crosses the horizontal through y (x) and the vertical through x (y), if it does.
void CrossLine(Sides& s, const FaceLine& f, std::int64_t x, std::int64_t y, bool room, bool external) {
    const std::int64_t ax = f.A.X, ay = f.A.Y, bx = f.B.X, by = f.B.Y;
    const bool angled = ax != bx && ay != by;
    if (ay != by && y > std::min(ay, by) && y < std::max(ay, by)) {
        const std::int64_t cx = ax + (bx - ax) * (y - ay) / (by - ay);
        if (cx < x) Nearer(s.Left, cx, false, room, external, angled && external), s.ExtLeft |= external;
        if (cx > x) Nearer(s.Right, cx, true, room, external, angled && external), s.ExtRight |= external;
    }
    if (ax != bx && x > std::min(ax, bx) && x < std::max(ax, bx)) {
        const std::int64_t cy = ay + (by - ay) * (x - ax) / (bx - ax);
        if (cy > y) Nearer(s.Up, cy, true, room, external, angled && external), s.ExtUp |= external;
        if (cy < y) Nearer(s.Down, cy, false, room, external, angled && external), s.ExtDown |= external;
    }
}

bool OnInternalWall(const TObj& o, std::int64_t x, std::int64_t y) {
    if (o.Kind != 150) return false;
    const auto faces = AttachFaces(o, false);
    if (faces.size() != 2) return false;
    const std::int64_t x1 = std::min({faces[0].A.X, faces[0].B.X, faces[1].A.X, faces[1].B.X});
    const std::int64_t x2 = std::max({faces[0].A.X, faces[0].B.X, faces[1].A.X, faces[1].B.X});
    const std::int64_t y1 = std::min({faces[0].A.Y, faces[0].B.Y, faces[1].A.Y, faces[1].B.Y});
    const std::int64_t y2 = std::max({faces[0].A.Y, faces[0].B.Y, faces[1].A.Y, faces[1].B.Y});
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

} // namespace

bool IsDesignRoom(const TObj& o) {
    return (o.Kind == 29000 || o.Kind == 29001) && o.Class() == ObjClass::Room;
}

RoomRect RectOf(const TObj& room) {
    return {room.X1, room.Y1, room.X2, room.Y2};
}

int MinRoomSide(int metricFlag) {
    return metricFlag == 1 ? 200 : 8 * 24;
}

int MaxRoomSide(int metricFlag) {
    return metricFlag == 1 ? 30000 : 98 * 12 * 24;
}

std::string RoomSizeText(std::int64_t size, int metricFlag) {
    return FormatLength(size, metricFlag);
}

int RoomElementNumber(int view, int nextElementNo) {
    int floor = 0;
    if (view >= 41 && view <= 44) floor = view - 40;
    if (view >= 121 && view <= 125) floor = view - 120;
    return 10000 + floor * 1000000 + nextElementNo + 1;
}

RoomRect AlignToRooms(const TFlist& list, int view, int moving, RoomRect r, int m, int t) {
    Edges e;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj& o = *list.At(i);
        if (o.View != view || i == moving) continue;
        if (IsDesignRoom(o)) {
            OfferRoom(e, r, RectOf(o), m, t);
            continue;
        }
        for (const FaceLine& f : SnapLines(o))
            OfferLine(e, r, f, m);
    }
    const std::int64_t dx = Smaller(e.Left, e.Right), dy = Smaller(e.Top, e.Bottom);
    if (dx != NoCorrection) r.Left += dx, r.Right += dx;
    if (dy != NoCorrection) r.Top += dy, r.Bottom += dy;
    return r;
}

RoomRect AlignToBoundary(const TFlist& list, int view, int moving, RoomRect r, int m) {
    std::optional<RoomRect> box;
    int rooms = 0;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj& o = *list.At(i);
        if (o.View != view || !IsDesignRoom(o)) continue;
        ++rooms;
        if (i == moving) continue;
        const RoomRect q = RectOf(o);
        if (!box) {
            box = q;
            continue;
        }
        box->Left = std::min(box->Left, q.Left), box->Right = std::max(box->Right, q.Right);
        box->Top = std::max(box->Top, q.Top), box->Bottom = std::min(box->Bottom, q.Bottom);
    }
    if (rooms < 2 || !box) return r;
    Candidate x, y;
    x.Offer(r.Left, box->Left, m);
    x.Offer(r.Right, box->Right, m);
    y.Offer(r.Top, box->Top, m);
    y.Offer(r.Bottom, box->Bottom, m);
    if (x.Best != NoCorrection) r.Left += x.Best, r.Right += x.Best;
    if (y.Best != NoCorrection) r.Top += y.Best, r.Bottom += y.Best;
    return r;
}

std::optional<int> RoomAt(const TFlist& list, int view, std::int64_t x, std::int64_t y, bool finished) {
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj& o = *list.At(i);
        if (o.View != view || o.Class() != ObjClass::Room) continue;
        if (finished ? o.Kind != 29500 : !IsDesignRoom(o)) continue;
        if (o.X1 < x && x < o.X2 && o.Y2 < y && y < o.Y1) return i;
    }
    return std::nullopt;
}

FreeArea MeasureFreeArea(const TFlist& list, int view, std::int64_t x, std::int64_t y, int t) {
    FreeArea out;
    Sides s;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj& o = *list.At(i);
        if (o.View != view) continue;
        if (IsDesignRoom(o)) {
            const RoomRect q = RectOf(o);
            if (q.Left < x && x < q.Right && q.Bottom < y && y < q.Top) {
                out.Outcome = FreeAreaOutcome::InsideSomething;
                return out;
            }
            const Point tl{o.X1, o.Y1}, tr{o.X2, o.Y1}, br{o.X2, o.Y2}, bl{o.X1, o.Y2};
            for (const FaceLine& f : {FaceLine{tl, tr}, FaceLine{tr, br}, FaceLine{br, bl}, FaceLine{bl, tl}})
                CrossLine(s, f, x, y, true, false);
            continue;
        }
        if (OnInternalWall(o, x, y)) {
            out.Outcome = FreeAreaOutcome::InsideSomething;
            return out;
        }
        if (o.Kind == 100) s.AnyExternal = true;
        for (const FaceLine& f : SnapLines(o))
            CrossLine(s, f, x, y, false, o.Kind == 100);
    }
    // Inside a house every side meets an external wall; a side that meets none lies outside.
    if (s.AnyExternal && !(s.ExtLeft && s.ExtRight && s.ExtUp && s.ExtDown)) {
        out.Outcome = FreeAreaOutcome::OutsideWalls;
        return out;
    }
    if (s.Left.Angled || s.Right.Angled || s.Up.Angled || s.Down.Angled) {
        out.Outcome = FreeAreaOutcome::AngledWall;
        return out;
    }
    if (!s.Left.At || !s.Right.At || !s.Up.At || !s.Down.At) return out; // Unbounded
    out.Width = *s.Right.At - *s.Left.At - (s.Left.Room ? t : 0) - (s.Right.Room ? t : 0);
    out.Height = *s.Up.At - *s.Down.At - (s.Up.Room ? t : 0) - (s.Down.Room ? t : 0);
    if (out.Width <= 0 || out.Height <= 0) return out;
    out.Outcome = FreeAreaOutcome::Measured;
    return out;
}

} // namespace velmora
