// The frame an opening is built in: u along the wall (against its direction of travel), v across it towards
// the inside (the side the wall's inner lines lie on), both from the opening's anchor on the wall's first
// line. A wall's direction is taken from its line itself, so a wall along an axis turns by exact quarter
// turns and every other wall rounds each coordinate to the nearest world unit.
#pragma once

#include "platform/canvas.h"

#include <cstdint>

namespace velmora {

class OpeningFrame {
public:
    // The frame of the wall running from start to end (they differ), anchored at anchor.
    OpeningFrame(Point start, Point end, Point anchor);

    Point ToWorld(double u, double v) const;
    // A world point's coordinates in the frame.
    double UOf(Point p) const;
    double VOf(Point p) const;
    // The same frame moved along the wall by du.
    OpeningFrame MovedAlong(double du) const;
    // Whether the wall runs along an axis.
    bool Axis() const { return Dx == 0 || Dy == 0; }
    // The angle, in tenths of a degree counter-clockwise from +x, at which text reads along the wall from
    // left to right (0 on level walls, 900 on upright ones).
    int ReadingAngle() const;
    Point Anchor() const { return A; }

private:
    OpeningFrame(Point anchor, double dx, double dy) : A(anchor), Dx(dx), Dy(dy) {}
    Point A;
    double Dx = 1, Dy = 0; // unit direction of travel of the wall
};

} // namespace velmora
