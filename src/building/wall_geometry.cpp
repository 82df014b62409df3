#include "building/wall_geometry.h"

#include "building/bearing_vector.h"
#include "tools/segment_geometry.h"

#include <cmath>
#include <cstdint>

namespace velmora {

namespace {

using Vec = BearingVector;

double Cross(Vec a, Vec b) {
    return a.X * b.Y - a.Y * b.X;
}

int Truncated(double v) {
    return static_cast<int>(std::trunc(v));
}

} // namespace

bool IsAxisBearing(int bearing) {
    return bearing % 900 == 0;
}

std::array<int, 3> FaceOffsets(const WallType& t) {
    return {t.Leaf1, t.Leaf1 + t.Cavity, t.Leaf1 + t.Cavity + t.Leaf2};
}

int FaceCount(const WallType& t) {
    return t.Cavity > 0 ? 3 : 1;
}

Point InsideShift(int bearing, int d) {
    const Vec n = RightNormalOf(bearing);
    if (IsAxisBearing(bearing)) return {static_cast<int>(n.X) * d, static_cast<int>(n.Y) * d};
    // The angle reduced to the first quadrant keeps both components the same size whichever way the wall
    // runs; the signs come from the normal.
    const double ax = std::abs(n.X) * d, ay = std::abs(n.Y) * d;
    return {Truncated(n.X < 0 ? -ax : ax), Truncated(n.Y < 0 ? -ay : ay)};
}

std::optional<Point> InnerCorner(Point c, int arriving, int dIn, int leaving, int dOut) {
    if (IsAxisBearing(arriving) && IsAxisBearing(leaving)) {
        if ((arriving - leaving) % 1800 == 0) return std::nullopt;
        const Point a = InsideShift(arriving, dIn), b = InsideShift(leaving, dOut);
        return Point{c.X + a.X + b.X, c.Y + a.Y + b.Y};
    }
    const Vec uIn = BearingDirection(arriving), uOut = BearingDirection(leaving);
    const double turn = Cross(uIn, uOut);
    // In line or doubling back: the offset lines never cross, or cross at infinity.
    if (std::abs(turn) < 1e-6) return std::nullopt;
    const Vec nIn = RightNormalOf(arriving), nOut = RightNormalOf(leaving);
    const Vec w{dOut * nOut.X - dIn * nIn.X, dOut * nOut.Y - dIn * nIn.Y};
    const double s = Cross(w, uOut) / turn;
    const double ox = dIn * nIn.X + s * uIn.X, oy = dIn * nIn.Y + s * uIn.Y;
    constexpr double Far = 1e6;
    if (std::abs(ox) > Far || std::abs(oy) > Far) return std::nullopt;
    return Point{c.X + Truncated(ox), c.Y + Truncated(oy)};
}

int BearingOf(Point a, Point b) {
    return MeasureSegment(a.X, a.Y, b.X, b.Y).Angle;
}

} // namespace velmora
