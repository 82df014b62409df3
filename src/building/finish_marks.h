// The corner marks of the layout (kind-11 lines on view 45, marked clockwise along the inside faces of the
// external walls) turned into the external walls of the ground floor: first trued against the sizes of the
// layout rooms along them, then each moved outward by the wall's thickness, its ends meeting its moved
// neighbours, and made as an external wall whose innermost inner line lies on the mark.
#pragma once

#include "model/object_list.h"
#include "platform/canvas.h"

#include <vector>

namespace velmora {

struct CornerMark {
    Point Start, End;
    int Bearing = 0;
    int Length = 0;
};

struct RoomBox {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width = 0, Length = 0;
};

// The marks of the view in list order, and the design rooms (kind 29000) of the layout view.
std::vector<CornerMark> CornerMarksOf(const TFlist& list, int view);
std::vector<RoomBox> LayoutRoomsOf(const TFlist& list, int view);

// Trues level and upright marks against the rooms along them (tolerance m, partition p): a mark within m of
// the rooms' widths (or heights) plus the partitions between them takes that length, and so does an earlier
// mark running back over the same span. A corrected mark's end is carried to the next mark's start at once
// (so the marks after it are trued from the corrected corner), and the whole chain is joined up again at
// the end. True when a mark changed.
bool TrueMarks(std::vector<CornerMark>& marks, const std::vector<RoomBox>& rooms, int m, int p);

// The marks moved outward (to the left of travel) by t, each end onto the crossing with its moved
// neighbour: exactly for quarter turns, along the corner's bisector otherwise. An end where the chain
// doubles back stays where it was marked.
std::vector<CornerMark> OuterLines(const std::vector<CornerMark>& marks, int t);

// Where the inner lines lie from a line running the way of the bearing when it is clockwise round the
// house: 1 below (east), 2 left (south), 3 above (west), 4 right (north). Angled bearings by the quadrant.
int InnerSideOf(int bearing);

} // namespace velmora
