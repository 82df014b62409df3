// The making of one external wall, decided before anything changes: where the wall lies once it is joined to
// the walls it touches, which way it runs, its inner lines cut or extended to meet the neighbours' at
// proper corners, and the neighbours' lines at those corners. Applying the plan is the only step that
// changes the drawing, so a wall that cannot be made leaves every neighbour as it was.
#pragma once

#include "building/wall_types.h"
#include "model/drawing_objects.h"
#include "model/object_list.h"

#include <optional>

namespace velmora {

struct WallRequest {
    Point Start, End;
    int Bearing = 0;
    int InnerSide = 1; // where the inner lines lie when the wall touches no other: 1 below .. 4 right
    int View = 120;
    int UnitsPerLogical = 5;
    ExtWallSettings Settings;
};

struct WallPlan {
    TExtwallobj Wall;                                 // every field but the element number (Highlight)
    int StartNeighbour = -1, EndNeighbour = -1;       // list indices of the walls joined at each end, or -1
    TExtwallobj StartNeighbourWall, EndNeighbourWall; // those walls with their lines cut to the corners
};

// The plan for the wall, or nothing when no wall can be made: its ends are equal, or a point of its outer
// line or first inner line lies below 10 (near the sheet origin points count as unset).
std::optional<WallPlan> PlanExternalWall(const TFlist& list, const WallRequest& r);

// Makes the planned wall with its element number: the neighbours take their new corners, the wall is
// appended. Returns its list index.
int ApplyWallPlan(TFlist& list, const WallPlan& plan, int elementNo);

} // namespace velmora
