// The plane geometry of internal walls: where a second line lies, where the second lines of two joined
// walls cross, where a wall's second line meets a line it runs into, and whether a point lies on a line.
// Axis bearings are exact quarter turns, computed without trigonometry; angled results are truncated
// toward zero component by component, relative to the point they are measured from.
#pragma once

#include "building/wall_geometry.h"
#include "platform/canvas.h"

#include <optional>

namespace velmora {

struct FaceLine {
    Point A, B;
};

// The shift from a wall's first line to its second line: t along the right-hand normal of the bearing.
// Axis bearings exactly (900: y - t, 1800: x - t, 2700: y + t, 0: x + t); angled bearings through the angle
// reduced to its quadrant, each component truncated.
Point SecondLineShift(int bearing, int t);

// Where the second lines of two walls that meet at corner c cross: each second line lies at its own width
// to the right of its wall's direction through c. Nothing for walls in line or doubling back (parallel
// second lines never cross), so the caller keeps the plain offsets.
std::optional<Point> CornerPoint(Point c, int bearingA, int widthA, int bearingB, int widthB);

// Where the second line of a wall (bearing, width t) that ends at p on another wall's line (bearing
// otherBearing) meets that line. Nothing when the wall runs along the line: a wall parallel to the line it
// touches meets it nowhere, however it is offset.
std::optional<Point> JunctionPoint(Point p, int bearing, int t, int otherBearing);

// Whether p lies strictly less than tolerance across from the line and within its extent.
bool OnLine(Point p, const FaceLine& line, int tolerance);

// The foot of p on an axis line (the coordinate across replaced by the line's); p itself for an angled one.
Point OntoAxisLine(Point p, const FaceLine& line);

} // namespace velmora
