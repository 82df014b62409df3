// The lines of a wall that internal walls attach to: an external wall's innermost line (the first inner
// line of a solid wall, the third of a cavity wall) and, for the start test, its outer line; both lines of an
// internal wall.
#pragma once

#include "building/internal_wall_geometry.h"
#include "model/drawing_objects.h"

#include <vector>

namespace velmora {

// The lines of a wall record (kinds 100 and 150); none for any other object.
std::vector<FaceLine> AttachFaces(const TObj& o, bool withOuterLine);

// The bearing a wall record runs at (its Angle), or -1 for objects that are no wall.
int WallBearing(const TObj& o);

} // namespace velmora
