// The arrows of the automatic dimensions: a shaft from the tip into the measured span, two wings and a
// tick across the tip, as one arrow object (kind 250).
#pragma once

#include "model/drawing_objects.h"

namespace velmora {

enum class ArrowTip { Left, Right, Up, Down };

// An arrow along an axis with its tip at (x, y); u is UnitsPerLogical.
TArrowobj AxisArrow(int x, int y, ArrowTip tip, int u);

// An arrow at one end of an angled wall of bearing `bearing`: atStart chooses the wall's first end (the
// shaft then runs along the wall's direction of travel), offset moves the tip out to the left of travel.
TArrowobj SlantArrow(int endX, int endY, int bearing, bool atStart, int offset, int u);

// The unit vector of a bearing (x right, y up), from the bearing reduced to its quadrant.
struct Direction {
    double X = 0, Y = 1;
};
Direction BearingDirection(int bearing);

} // namespace velmora
