#include "building/finish_marks.h"

#include "building/bearing_vector.h"
#include "building/wall_geometry.h"
#include "model/drawing_objects.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace velmora {

namespace {

bool IsLevel(int bearing) {
    return bearing == 900 || bearing == 2700;
}

bool IsUpright(int bearing) {
    return bearing == 0 || bearing == 1800 || bearing == 3600;
}

// The rooms along a mark: their widths (level mark) or heights (upright mark) and the partitions between.
struct Along {
    int Count = 0;
    std::int64_t Total = 0;
};

Along RoomsAlong(const CornerMark& k, const std::vector<RoomBox>& rooms, int m, int p) {
    Along a;
    const bool level = IsLevel(k.Bearing);
    const std::int64_t lo = level ? std::min(k.Start.X, k.End.X) : std::min(k.Start.Y, k.End.Y);
    const std::int64_t hi = level ? std::max(k.Start.X, k.End.X) : std::max(k.Start.Y, k.End.Y);
    const std::int64_t at = level ? k.Start.Y : k.Start.X;
    for (const RoomBox& r : rooms) {
        const std::int64_t nearA = level ? r.Top : r.Left, nearB = level ? r.Bottom : r.Right;
        if (std::llabs(nearA - at) >= m && std::llabs(nearB - at) >= m) continue;
        const bool inside =
            level ? (r.Left > lo - m && r.Right < hi + m) : (r.Top < hi + m && r.Bottom > lo - m);
        if (!inside) continue;
        ++a.Count;
        a.Total += level ? r.Width : r.Length;
    }
    if (a.Count > 0) a.Total += std::int64_t{a.Count - 1} * p;
    return a;
}

// The end moved so that the mark, from its start, is total long in its own direction.
void SetLength(CornerMark& k, int total) {
    switch (k.Bearing) {
    case 900:
        k.End.X = k.Start.X + total;
        break;
    case 2700:
        k.End.X = k.Start.X - total;
        break;
    case 1800:
        k.End.Y = k.Start.Y - total;
        break;
    default:
        k.End.Y = k.Start.Y + total;
        break;
    }
    k.Length = total;
}

// An earlier mark that runs back over the span of k: its end at k's start and its start at k's end.
bool RunsBackOver(const CornerMark& e, const CornerMark& k) {
    if (e.Bearing % 3600 != (k.Bearing + 1800) % 3600) return false;
    const bool level = IsLevel(k.Bearing);
    auto axis = [level](Point p) { return level ? p.X : p.Y; };
    return std::llabs(std::int64_t{axis(e.End)} - axis(k.Start)) <= 2 &&
           std::llabs(std::int64_t{axis(e.Start)} - axis(k.End)) <= 2;
}

// The next mark starts where mark i ends and keeps its axis.
void JoinNext(std::vector<CornerMark>& marks, std::size_t i) {
    const CornerMark& k = marks[i];
    CornerMark& next = marks[(i + 1) % marks.size()];
    next.Start = k.End;
    if (IsUpright(next.Bearing)) next.End.X = k.End.X;
    if (IsLevel(next.Bearing)) next.End.Y = k.End.Y;
}

void Rejoin(std::vector<CornerMark>& marks) {
    for (std::size_t i = 0; i < marks.size(); ++i)
        JoinNext(marks, i);
}

// The outward normal (left of travel) of a quarter-turn bearing, whose components are exact.
Point AxisNormal(int bearing) {
    const BearingVector inward = RightNormalOf(bearing);
    return {-static_cast<int>(inward.X), -static_cast<int>(inward.Y)};
}

// A corner where both marks are quarter turns: the crossing of the two moved lines, the moved line alone
// where they run on in line, and the corner itself where the chain doubles back.
Point AxisCorner(Point c, int arriving, int leaving, int t) {
    const Point a = AxisNormal(arriving), b = AxisNormal(leaving);
    if (a.X == -b.X && a.Y == -b.Y) return c;
    if (a == b) return {c.X + a.X * t, c.Y + a.Y * t};
    return {c.X + (a.X + b.X) * t, c.Y + (a.Y + b.Y) * t};
}

// A component's size to whole units: hundredths truncated, then the hundreds raised by one when what
// is left of them is above 4.
int RoundedComponent(double c) {
    const std::int64_t v = static_cast<std::int64_t>(std::fabs(c) * 100.0);
    std::int64_t q = v / 100;
    if (v % 100 > 4) ++q;
    return static_cast<int>(q);
}

// A corner with an angled mark: the point t to the left of both marks, reached along the bisector of the
// corner. r is half the angle between the leaving mark and the reversed arriving one; at r = 0 the chain
// doubles back and the corner has no such point, so it stays.
Point AngledCorner(Point c, int arriving, int leaving, int t) {
    const int a = leaving % 3600 == 0 ? 3600 : leaving;
    const int b = arriving % 3600;
    const int reversed = b >= 1800 ? b - 1800 : b + 1800;
    const int r = (((a - reversed) % 3600 + 3600) % 3600) / 2;
    if (r == 0) return c;
    const double k = 3.14159265358979 / 1800.0;
    // The left normals of both marks; their sum points along the bisector to the outer side.
    const double nx = -std::cos(arriving * k) - std::cos(leaving * k);
    const double ny = std::sin(arriving * k) + std::sin(leaving * k);
    const double len = std::hypot(nx, ny);
    if (len < 1e-9) return c;
    const double d = t / std::cos(std::abs(r - 900) * 0.001745);
    const int dx = RoundedComponent(d * nx / len), dy = RoundedComponent(d * ny / len);
    return {c.X + (nx < 0 ? -dx : dx), c.Y + (ny < 0 ? -dy : dy)};
}

} // namespace

std::vector<CornerMark> CornerMarksOf(const TFlist& list, int view) {
    std::vector<CornerMark> marks;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj* o = list.At(i);
        if (o->View != view || o->Kind != 11 || o->Class() != ObjClass::Line) continue;
        const auto* l = static_cast<const TLineobj*>(o);
        marks.push_back({{l->X1, l->Y1}, {l->X2, l->Y2}, l->LineAttrA % 3600, l->Aux});
    }
    return marks;
}

std::vector<RoomBox> LayoutRoomsOf(const TFlist& list, int view) {
    std::vector<RoomBox> rooms;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj* o = list.At(i);
        if (o->View != view || o->Kind != 29000 || o->Class() != ObjClass::Room) continue;
        const auto* r = static_cast<const TRoomobj*>(o);
        rooms.push_back({r->X1, r->Y1, r->X2, r->Y2, r->RoomWidth, r->RoomLength});
    }
    return rooms;
}

bool TrueMarks(std::vector<CornerMark>& marks, const std::vector<RoomBox>& rooms, int m, int p) {
    bool changed = false;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        // Once a mark was corrected, each mark starts where the one before it now ends before it is trued:
        // measured from its old start, a mark running back over the same span would miss the corrected
        // corner by the correction.
        if (changed && i > 0) JoinNext(marks, i - 1);
        CornerMark& k = marks[i];
        if (!IsLevel(k.Bearing) && !IsUpright(k.Bearing)) continue;
        const Along a = RoomsAlong(k, rooms, m, p);
        const std::int64_t length = IsLevel(k.Bearing) ? std::llabs(std::int64_t{k.End.X} - k.Start.X)
                                                       : std::llabs(std::int64_t{k.End.Y} - k.Start.Y);
        if (a.Count == 0 || std::llabs(a.Total - length) >= m) continue;
        const int total = static_cast<int>(a.Total);
        for (std::size_t e = 0; e < i; ++e) {
            if (!RunsBackOver(marks[e], k)) continue;
            SetLength(marks[e], total);
        }
        SetLength(k, total);
        if (length != a.Total) changed = true;
    }
    if (changed) Rejoin(marks);
    return changed;
}

std::vector<CornerMark> OuterLines(const std::vector<CornerMark>& marks, int t) {
    const std::size_t n = marks.size();
    std::vector<CornerMark> out = marks;
    for (std::size_t i = 0; i < n; ++i) {
        const CornerMark& k = marks[i];
        const int prev = marks[(i + n - 1) % n].Bearing, next = marks[(i + 1) % n].Bearing;
        CornerMark& o = out[i];
        if (IsAxisBearing(k.Bearing) && IsAxisBearing(prev) && IsAxisBearing(next)) {
            o.Start = AxisCorner(k.Start, prev, k.Bearing, t);
            o.End = AxisCorner(k.End, k.Bearing, next, t);
        } else {
            o.Start = AngledCorner(k.Start, prev, k.Bearing, t);
            o.End = AngledCorner(k.End, k.Bearing, next, t);
            if (std::abs(o.End.X - o.Start.X) < 13)
                o.End.X = o.Start.X;
            else if (std::abs(o.End.Y - o.Start.Y) < 13)
                o.End.Y = o.Start.Y;
        }
        const double dx = double(o.End.X) - o.Start.X, dy = double(o.End.Y) - o.Start.Y;
        o.Length = static_cast<int>(std::sqrt(dx * dx + dy * dy));
        o.Bearing = BearingOf(o.Start, o.End);
    }
    return out;
}

int InnerSideOf(int bearing) {
    const int b = ((bearing % 3600) + 3600) % 3600;
    if (b == 0) return 4;
    if (b == 1800) return 2;
    return b < 1800 ? 1 : 3;
}

} // namespace velmora
