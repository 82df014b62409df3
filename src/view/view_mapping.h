// The screen mapping of the drawing window as pure functions: logical units to client pixels (y upward,
// origin at the client's bottom-left corner), the scroll positions tied to the view origin, and the cursor
// read-out measured from the reference point. The window applies these to its canvas; tests call them
// directly.
#pragma once

#include "platform/canvas.h"

#include <optional>
#include <string>

namespace velmora {

// The part of the logical plane shown in the client area: the view globals ViewOrgX/Y, ViewExtX/Y.
struct ViewFrame {
    int OrgX = 0, OrgY = 0;
    int ExtX = 624, ExtY = 346;
    bool operator==(const ViewFrame&) const = default;
};

// The window/viewport mapping for a client of width x height pixels: window origin and extent from the
// frame, viewport origin (0, height) and extent (width, -height). An extent of 0 (an empty client, a
// collapsed frame) is set to 1 instead, so that no conversion ever divides by zero; a negative frame
// extent is kept (it mirrors, as the device would).
Mapping ViewMappingFor(const ViewFrame& frame, int clientWidth, int clientHeight);

// Sets that mapping on a canvas before drawing or converting.
void ApplyViewMapping(Canvas& dc, const ViewFrame& frame, int clientWidth, int clientHeight);

// Conversions through a mapping, exact integer arithmetic with 128-bit intermediates:
//   pixel   = round((logical - WindowOrg) * ViewportExt / WindowExt) + ViewportOrg
//   logical = round((pixel - ViewportOrg) * WindowExt / ViewportExt) + WindowOrg
// rounded to the nearest integer with halves going up (toward +infinity), which is what the transform of
// the device context does (floor(x + 0.5)); results saturate to the int range. A mapping with a zero
// extent maps everything onto the origin of the other side instead of dividing by zero.
Point LogicalToPixel(const Mapping& m, int lx, int ly);
Point PixelToLogical(const Mapping& m, int px, int py);

// The zoom factor the scroll and read-out rules divide by: a zoom that is zero, negative or not finite is
// no valid state, and reads as 1.0, the factor the program starts with before any drawing sets one.
float UsableZoom(float zoomFactor);

// Scroll ranges in pixels: trunc(SheetWidth / ZoomFactor), trunc(SheetHeight / ZoomFactor).
struct ScrollRanges {
    int Horizontal = 0;
    int Vertical = 0; // VScrollRange
    bool operator==(const ScrollRanges&) const = default;
};
ScrollRanges ScrollRangesFor(int sheetWidth, int sheetHeight, float zoomFactor);

struct ScrollPositions {
    int Horizontal = 0;
    int Vertical = 0;
    bool operator==(const ScrollPositions&) const = default;
};

// Painting derives the origin from the positions: ViewOrgX = trunc(h x zoom), ViewOrgY = trunc((VScrollRange
// - v - clientHeight) x zoom), so the top of the vertical bar shows the top of the sheet. The products are
// taken in double, where a float zoom times an int is exact.
Point OriginFromScroll(const ScrollPositions& pos, int vScrollRange, int clientHeight, float zoomFactor);

// A command that sets the origin derives the positions: h = trunc(ViewOrgX / zoom), v =
// RoundHalfUp((VScrollRange x zoom - ViewOrgY - ViewExtY) / zoom).
ScrollPositions ScrollFromOrigin(const ViewFrame& frame, int vScrollRange, float zoomFactor);

// The view extents for a client at a zoom: trunc(width x zoom), trunc(height x zoom).
ViewFrame ExtentsForClient(int clientWidth, int clientHeight, float zoomFactor);

// Centring on the sheet: origin = (sheet - extent) / 2 per axis (truncated), then put on a whole pixel,
// trunc(trunc(origin / zoom) x zoom). The frame's extents are kept.
ViewFrame CentredOnSheet(const ViewFrame& frame, int sheetWidth, int sheetHeight, float zoomFactor);

// The sheet height that gives the sheet the window's proportions: SheetWidth x ExtY / ExtX (integers),
// rounded down to a multiple of 25 (metric) or 24 (imperial). Nothing for a frame without width or height
// (an empty client), or when that height is under one step or beyond the int range: the caller keeps the
// height it has.
std::optional<int> SheetHeightForView(int sheetWidth, const ViewFrame& frame, int metricFlag);

// The positions of a centred view: RoundHalfUp(origin / zoom) on both axes.
ScrollPositions CentredScrollPositions(const ViewFrame& frame, float zoomFactor);

// Length and bearing of the cursor from the read-out's reference point (offsets in world units).
struct Measure {
    int Length = 0;     // world units
    double Bearing = 0; // degrees clockwise from straight up
};
// Within 24 world units on both axes: 0 and 0. Both offsets non-zero: the length truncated to whole
// logical units, trunc(sqrt((dx/u)^2 + (dy/u)^2)) x u, and the bearing from atan(|dx|/|dy|) by quadrant.
// On an axis: the offset itself and 0, 90, 180 or 270.
Measure MeasureFromRef(int dx, int dy, int unitsPerLogical);

// The half-pixel capture of the read-out: a cursor coordinate c within half a pixel of the reference r
// (r - b < c < r + b + 1, b = trunc(zoom x DefaultZoom x 0.5)) moves the reference onto the cursor.
int CaptureReference(int reference, int cursor, float zoomFactor, int metricFlag);

// What the read-out needs to know: the cursor and the reference in world units, the read-out mode and
// the units and zoom of the drawing.
struct ReadoutInput {
    int CursorX = 0, CursorY = 0;
    int RefX = 0, RefY = 0;
    int ReadoutMode = 1;
    int MetricFlag = 1;
    float ZoomFactor = 5.0f;
};

struct Readout {
    std::string Text;
    int RefX = 0, RefY = 0; // the reference after the half-pixel capture
};

// The text of the cursor read-out and the captured reference, or nothing while ReadoutMode is below 2.
std::optional<Readout> ShowReadoutText(const ReadoutInput& in);

// The text alone for given offsets and measure, metric or imperial (the imperial texts show eighths of an
// inch only when zoomed in beyond normal size).
std::string ReadoutText(int dx, int dy, const Measure& measure, int readoutMode, int metricFlag,
                        float zoomFactor);

} // namespace velmora
