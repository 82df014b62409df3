// The builder the opening parts share: the objects made so far and the frame-relative helpers that append
// lines, leaves and arcs, each already turned onto the wall.
#pragma once

#include "building/opening_parts.h"

namespace velmora {

struct OpeningParts {
    const OpeningChoice& Choice;
    const OpeningStyle& Style;
    const OpeningWallHit& Hit;
    int Number = 0;
    int Lo = 0, Hi = 0; // the opening's ends along the wall (u)
    OpeningObjects Out;

    // A line of the kind from (u1, v1) to (u2, v2).
    void Line(int kind, double u1, double v1, double u2, double v2, int penWidth);
    // A hanging leaf of width e hinged at u on the first line (outward) or on the inner face (inward),
    // closing towards +u when closesTowardsPlus, with its swing arc on walls along an axis.
    void Leaf(int hingeU, int e, bool closesTowardsPlus, bool inward);
};

} // namespace velmora
