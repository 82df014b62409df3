#include "tools/segment_geometry.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace velmora {

SegmentMeasure MeasureSegment(int x1, int y1, int x2, int y2) {
    const std::int64_t dx = std::llabs(std::int64_t{x2} - x1);
    const std::int64_t dy = std::llabs(std::int64_t{y2} - y1);
    if (dx == 0 && dy == 0) return {0, 0};
    if (y1 == y2) return {x2 > x1 ? 900 : 2700, dx};
    if (x1 == x2) return {y2 < y1 ? 1800 : 0, dy};
    // The squares of two int differences can pass 2^63; the long double mantissa holds their sum exactly.
    const long double square = static_cast<long double>(dx) * dx + static_cast<long double>(dy) * dy;
    const auto length = static_cast<std::int64_t>(std::sqrt(square));
    const auto r =
        static_cast<std::int64_t>(std::atan(static_cast<double>(dx) / static_cast<double>(dy)) * 57295.78);
    const int q = static_cast<int>(r / 100 + (r % 100 > 49 ? 1 : 0));
    int angle;
    if (x1 < x2 && y1 < y2)
        angle = q;
    else if (x1 < x2)
        angle = 1800 - q;
    else if (y1 >= y2)
        angle = q + 1800;
    else
        angle = 3600 - q;
    return {angle, length};
}

int StoredLength(std::int64_t length) {
    if (length > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(length);
}

int OppositeBearing(int angle) {
    return (angle + 1800) % 3600;
}

} // namespace velmora
