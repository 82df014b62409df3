// The geometry every wall tool shares: which way the inside of the house lies from a wall of a given bearing,
// the inner lines of a wall of a given type, and the point where the inner lines of two joined walls meet.
// Bearings are tenths of a degree clockwise from straight up; the inside lies to the right of travel.
#pragma once

#include "building/wall_types.h"
#include "platform/canvas.h"

#include <array>
#include <optional>

namespace velmora {

// Whether the bearing is a quarter turn (3600 counts as 0).
bool IsAxisBearing(int bearing);

// The distances of a wall's inner lines from its outer line: t1, t1 + t2, t1 + t2 + t3.
std::array<int, 3> FaceOffsets(const WallType& t);
// 3 for a wall with a cavity, 1 for a solid one (its second and third lines are unused zeros).
int FaceCount(const WallType& t);

// The outer line shifted by d towards the inside. Quarter turns move exactly; other bearings by the
// components of d along the inward normal, each truncated toward zero.
Point InsideShift(int bearing, int d);

// Where the inner line at distance dIn of the wall arriving at outer corner c (bearing arriving) meets the
// inner line at distance dOut of the wall leaving it (bearing leaving): the corner moved by the offset,
// each component truncated toward zero. Walls at right angles meet exactly. Nothing when the walls run in
// line or double back (there is no corner to cut) or the lines meet absurdly far from the corner.
std::optional<Point> InnerCorner(Point c, int arriving, int dIn, int leaving, int dOut);

// The bearing of the line from a to b: exact quarter turns for level and upright lines, else rounded to
// whole tenths of a degree.
int BearingOf(Point a, Point b);

} // namespace velmora
