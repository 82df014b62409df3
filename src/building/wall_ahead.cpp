#include "building/wall_ahead.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace velmora {

namespace {

// The segment and the ray in the ray's own frame: u along the ray, v across it, the start at the origin.
struct Along {
    std::int64_t U1, V1, U2, V2;
};

Along InRayFrame(const TObj& w, Point from, int direction) {
    const std::int64_t x1 = std::int64_t{w.X1} - from.X, y1 = std::int64_t{w.Y1} - from.Y;
    const std::int64_t x2 = std::int64_t{w.X2} - from.X, y2 = std::int64_t{w.Y2} - from.Y;
    switch (direction) {
    case 1:
        return {y1, x1, y2, x2};
    case 2:
        return {x1, y1, x2, y2};
    case 3:
        return {-y1, x1, -y2, x2};
    default:
        return {-x1, y1, -x2, y2};
    }
}

// Where along the ray (u) the segment is met, or nothing when it does not cross the ray's line.
std::optional<std::int64_t> MeetingPoint(const Along& s, std::int64_t margin) {
    if (s.V1 == 0 && s.V2 == 0) { // along the ray: its nearer end, when the whole wall is ahead
        const std::int64_t lo = std::min(s.U1, s.U2);
        if (lo <= margin) return std::nullopt;
        return lo;
    }
    if ((s.V1 > 0 && s.V2 > 0) || (s.V1 < 0 && s.V2 < 0)) return std::nullopt;
    // u at v = 0 by similar triangles, to the nearest unit; V1 != V2 here.
    const std::int64_t num = s.U1 * (s.V2 - s.V1) - s.V1 * (s.U2 - s.U1);
    return std::llround(static_cast<double>(num) / static_cast<double>(s.V2 - s.V1));
}

} // namespace

std::optional<int> DistanceToWallAhead(const TFlist& list, int view, Point from, int direction, int margin) {
    std::optional<std::int64_t> nearest;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj& w = *list.At(i);
        if (w.Kind != 100 || w.View != view) continue;
        const std::optional<std::int64_t> u = MeetingPoint(InRayFrame(w, from, direction), margin);
        if (u && *u > margin && (!nearest || *u < *nearest)) nearest = u;
    }
    if (!nearest || *nearest > INT32_MAX) return std::nullopt;
    return static_cast<int>(*nearest);
}

} // namespace velmora
