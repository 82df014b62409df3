// The scale rule of a print: how world units become device pixels at N : 1, and how pens and letters grow
// with the scale so that a plan reads the same on paper at any scale.
#pragma once

#include "output/print_options.h"
#include "platform/canvas.h"

#include <optional>

namespace velmora {

// Inches per world unit: a millimetre in a metric drawing, 1/24 inch in an imperial one.
inline constexpr double InchesPerMillimetre = 0.039371008763986554;
inline constexpr double InchesPerImperialUnit = 1.0 / 24.0;

// k = 100 / S (metric) or 96 / S (imperial): 1 at the usual plan scale.
double ScaleRatio(int metricFlag, int scale);
// The pen factor trunc(w * k), w = 1, 3, 5 for light, medium, heavy lines.
int PenFactor(int lineWeight, double k);
// The text factor trunc(t / k), t = 4, 6, 8 for small, medium, large text; at least 1, because 0 would
// mean "no factor of its own" to the text painter and give letters of the pen factor's size.
int TextFactor(int textSize, double k);

struct DeviceInfo {
    int DpiX = 600, DpiY = 600;
    int PageWidth = 0, PageHeight = 0; // device pixels
};

struct PageMapping {
    Mapping Map;         // logical units of the area onto device pixels, y upward
    int DeviceWidth = 0; // the area's size on the page, device pixels
    int DeviceHeight = 0;
    double PixelsPerLogicalX = 0; // the exact ratio the truncated extents stand for
};

// Maps the area (world units) onto the page at S : 1 stretched by the calibration factor, placed as asked.
// Each direction uses its own resolution, so a printer with oblong pixels still prints true lengths.
// Nothing for a scale of 0 or below, an area without width or height, or a page it cannot be placed on.
std::optional<PageMapping> MapAreaOnPage(const WorldArea& area, int unitsPerLogical, int metricFlag,
                                         int scale, double calibration, const DeviceInfo& device,
                                         PagePlacement placement);

} // namespace velmora
