// The plain drawing objects that show an opening on the plan: the mask that blanks the wall lines across
// it, jambs on internal walls, the glass line of windows, door leaves with their swing arcs, sliding and
// folding panels, and a window's size label. All are built in the wall's frame (OpeningFrame) and carry
// the wall's element number and the opening's number, so other commands can treat them as one unit.
#pragma once

#include "building/opening_choice.h"
#include "building/opening_wall_hit.h"
#include "model/drawing_objects.h"

#include <memory>
#include <vector>

namespace velmora {

struct OpeningStyle {
    int View = 120;
    Colorref Pen = 0;
    Colorref Background = 0xFFFFFF;
    int LineThickness = 1; // door leaves and panels
    int SwingAngle = 90;   // degrees
    int UnitsPerLogical = 5, DefaultZoom = 5;
    int MetricFlag = 1;
};

using OpeningObjects = std::vector<std::unique_ptr<TObj>>;

OpeningObjects BuildOpening(const OpeningChoice& c, const OpeningStyle& style, const OpeningWallHit& hit,
                            int openingNumber);

// The size label of a window: "%d w x %d h" in millimetres, or feet, inches and eighths.
std::string WindowSizeText(int width, int height, int metricFlag);

// The opening number of an opening made on a view with the given element number.
int OpeningNumberFor(int view, int elementNo);

} // namespace velmora
