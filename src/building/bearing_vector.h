// Unit vectors of wall bearings (tenths of a degree clockwise from +y). Quarter turns are exact, so axis
// walls never pick up a rounding error from sine and cosine.
#pragma once

#include <cmath>

namespace velmora {

struct BearingVector {
    double X = 0, Y = 0;
};

inline int NormalisedBearing(int bearing) {
    bearing %= 3600;
    return bearing < 0 ? bearing + 3600 : bearing;
}

inline BearingVector BearingDirection(int bearing) {
    const int b = NormalisedBearing(bearing);
    switch (b) {
    case 0:
        return {0, 1};
    case 900:
        return {1, 0};
    case 1800:
        return {0, -1};
    case 2700:
        return {-1, 0};
    default: {
        const double r = b * 3.14159265358979323846 / 1800.0;
        return {std::sin(r), std::cos(r)};
    }
    }
}

// The right-hand normal of travel: the inside of a clockwise outline.
inline BearingVector RightNormalOf(int bearing) {
    const BearingVector d = BearingDirection(bearing);
    return {d.Y, -d.X};
}

} // namespace velmora
