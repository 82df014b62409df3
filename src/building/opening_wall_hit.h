// Finding the wall an opening goes into: the first external or internal wall of the view whose lines the
// point lies between and along which the whole opening fits. Walls running in any direction are tested the
// same way, in the wall's own frame, so a wall drawn leftwards or downwards accepts openings like any other.
#pragma once

#include "building/opening_choice.h"
#include "building/opening_frame.h"
#include "model/object_list.h"

#include <optional>

namespace velmora {

enum : int { WallKindExternal = 1, WallKindInternal = 2 };
enum : int { FaceFirst = 1, FaceInner = 3 };

struct OpeningWallHit {
    int Index = -1;
    int WallKind = WallKindExternal;
    int FaceHit = FaceFirst; // which half of the wall the point lay in: the first line's or the inner one's
    int Bearing = 0;
    int Thickness = 0;
    int Element = 0;  // the wall's element number
    int Level = 0;    // the wall's Z1
    Point Start, End; // the wall's first line
    // The frame anchored at the opening's centre on the first line.
    OpeningFrame Frame{{0, 0}, {1, 0}, {0, 0}};
};

// The opening's extent along the wall measured from the point the user marked, in the wall's frame (u):
// a single hanging door starts at its hinge, every other opening is centred on the point.
struct OpeningSpan {
    int From = 0, To = 0;
};
OpeningSpan SpanOf(const OpeningChoice& c, int bearing);

// The plan of a hanging or sliding door as drawn on a wall of this bearing: the plans are mirrored on
// walls that turn the picture over, so the chosen picture keeps its look on the plan.
int PlanOnWall(int plan, int bearing);
// Plans whose hinge (or sliding side) is at the -u end of the opening.
bool HingeAtStartOfFrame(int plan);

std::optional<OpeningWallHit> FindOpeningWall(const TFlist& list, int view, Point p, const OpeningChoice& c);

} // namespace velmora
