// The direction and length of a segment between two world points, as the keyboard segments and the hit
// tests use them: bearings in tenths of a degree clockwise from straight up, lengths in 64 bits so that no
// segment the sheet can hold overflows.
#pragma once

#include <cstdint>

namespace velmora {

struct SegmentMeasure {
    int Angle = 0; // 0 up, 900 right, 1800 down, 2700 left; angled segments in between
    std::int64_t Length =
        0; // axis segments: the magnitude of the difference; others sqrt(dx² + dy²), truncated
};

// Axis segments get exact quarter turns; an angled one its bearing rounded to whole tenths (r =
// atan(dx / dy) in thousandths of a degree, truncated, then rounded to tenths).
SegmentMeasure MeasureSegment(int x1, int y1, int x2, int y2);

// A length as the int the objects store, saturated at the int range.
int StoredLength(std::int64_t length);

// The bearing turned half round, kept in 0 .. 3599.
int OppositeBearing(int angle);

} // namespace velmora
