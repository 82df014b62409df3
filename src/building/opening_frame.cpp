#include "building/opening_frame.h"

#include <cmath>
#include <numbers>

namespace velmora {

namespace {

int Nearest(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

OpeningFrame::OpeningFrame(Point start, Point end, Point anchor) : A(anchor) {
    const double dx = double(end.X) - start.X, dy = double(end.Y) - start.Y;
    // Level and upright walls get exact unit directions, so their openings need no rounding at all.
    if (dy == 0) {
        Dx = dx > 0 ? 1 : -1, Dy = 0;
    } else if (dx == 0) {
        Dx = 0, Dy = dy > 0 ? 1 : -1;
    } else {
        const double len = std::hypot(dx, dy);
        Dx = dx / len, Dy = dy / len;
    }
}

// u runs against the direction of travel, v along the right-hand normal (dy, -dx): a proper rotation, so
// arcs that run counter-clockwise in the frame run counter-clockwise on the plan.
Point OpeningFrame::ToWorld(double u, double v) const {
    return {A.X + Nearest(-u * Dx + v * Dy), A.Y + Nearest(-u * Dy - v * Dx)};
}

double OpeningFrame::UOf(Point p) const {
    const double x = double(p.X) - A.X, y = double(p.Y) - A.Y;
    return -(x * Dx + y * Dy);
}

double OpeningFrame::VOf(Point p) const {
    const double x = double(p.X) - A.X, y = double(p.Y) - A.Y;
    return x * Dy - y * Dx;
}

OpeningFrame OpeningFrame::MovedAlong(double du) const {
    return OpeningFrame(ToWorld(du, 0), Dx, Dy);
}

int OpeningFrame::ReadingAngle() const {
    // The direction of +u, turned half round when it would read upside down.
    double deg = std::atan2(-Dy, -Dx) * 180.0 / std::numbers::pi;
    if (deg > 90.0 + 1e-9) deg -= 180.0;
    if (deg <= -90.0 + 1e-9) deg += 180.0;
    int tenths = Nearest(deg * 10.0);
    if (tenths < 0) tenths += 3600;
    return tenths;
}

} // namespace velmora
