#include "building/internal_wall_geometry.h"

#include "building/bearing_vector.h"
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace velmora {

namespace {

constexpr double Pi = 3.14159265358979323846;

using Vec = BearingVector;

int Truncated(double v) {
    return static_cast<int>(std::trunc(v));
}

// Truncation of a value computed through sines and cosines: a result a rounding error short of a whole
// number counts as that number, so 100 does not come out as 99.
int TruncatedNearWhole(double v) {
    const double r = std::round(v);
    return std::abs(v - r) < 1e-6 ? static_cast<int>(r) : Truncated(v);
}

} // namespace

Point SecondLineShift(int bearing, int t) {
    const int b = NormalisedBearing(bearing);
    switch (b) {
    case 0:
        return {t, 0};
    case 900:
        return {0, -t};
    case 1800:
        return {-t, 0};
    case 2700:
        return {0, t};
    default:
        break;
    }
    const int reduced = b < 900 ? b : b < 1800 ? 1800 - b : b < 2700 ? b - 1800 : 3600 - b;
    const double a = reduced * 0.001745;
    const int gx = Truncated(Truncated(10.0 * t * std::cos(a)) / 10.0);
    const int gy = Truncated(Truncated(10.0 * t * std::sin(a)) / 10.0);
    if (b < 900) return {gx, -gy};
    if (b < 1800) return {-gx, -gy};
    if (b < 2700) return {-gx, gy};
    return {gx, gy};
}

std::optional<Point> CornerPoint(Point c, int bearingA, int widthA, int bearingB, int widthB) {
    const Vec na = RightNormalOf(bearingA), nb = RightNormalOf(bearingB);
    const double det = na.X * nb.Y - na.Y * nb.X;
    if (std::abs(det) < 1e-9) return std::nullopt;
    const double qx = (widthA * nb.Y - widthB * na.Y) / det;
    const double qy = (na.X * widthB - nb.X * widthA) / det;
    return Point{c.X + TruncatedNearWhole(qx), c.Y + TruncatedNearWhole(qy)};
}

std::optional<Point> JunctionPoint(Point p, int bearing, int t, int otherBearing) {
    const Vec u = BearingDirection(otherBearing), n = RightNormalOf(bearing);
    const double along = u.X * n.X + u.Y * n.Y; // the sine of the angle between the two walls
    // Below a tenth of a degree the walls count as parallel: the meeting point would lie kilometres away.
    if (std::abs(along) < std::sin(0.1 * Pi / 1800.0) - 1e-12) return std::nullopt;
    const double s = t / along;
    return Point{p.X + TruncatedNearWhole(s * u.X), p.Y + TruncatedNearWhole(s * u.Y)};
}

bool OnLine(Point p, const FaceLine& line, int tolerance) {
    const std::int64_t dx = std::int64_t{line.B.X} - line.A.X, dy = std::int64_t{line.B.Y} - line.A.Y;
    const std::int64_t px = std::int64_t{p.X} - line.A.X, py = std::int64_t{p.Y} - line.A.Y;
    if (dx == 0 && dy == 0) return false;
    if (dy == 0)
        return std::llabs(py) < tolerance && std::min<std::int64_t>(0, dx) <= px &&
               px <= std::max<std::int64_t>(0, dx);
    if (dx == 0)
        return std::llabs(px) < tolerance && std::min<std::int64_t>(0, dy) <= py &&
               py <= std::max<std::int64_t>(0, dy);
    const double len = std::sqrt(double(dx) * dx + double(dy) * dy);
    const double across = std::abs(double(px) * dy - double(py) * dx) / len;
    const double along = (double(px) * dx + double(py) * dy) / len;
    return across < tolerance && along >= 0 && along <= len;
}

Point OntoAxisLine(Point p, const FaceLine& line) {
    if (line.A.Y == line.B.Y) return {p.X, line.A.Y};
    if (line.A.X == line.B.X) return {line.A.X, p.Y};
    return p;
}

} // namespace velmora
