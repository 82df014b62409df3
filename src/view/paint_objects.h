// Which objects of the list a view shows, in which order and with which highlight: the floor plans with
// their display-mode variants and the overlays of other floors, the site plan, and the layout views.
// Painting reads the list and the settings it is given; it changes neither, and reads no file.
#pragma once

#include "model/object_list.h"
#include "platform/canvas.h"
#include "view/object_bounds.h"
#include "view/paint_context.h"

#include <array>
#include <optional>

namespace velmora {

// The floors chosen for overlays, as CFG/OVERLAY.CFG holds them (O0 .. O6).
struct OverlayFlags {
    bool Basement = false;           // O0
    bool Ground = false;             // O1
    bool First = false;              // O2
    bool Second = false;             // O3
    bool Third = false;              // O4
    bool BasementWithGround = false; // O5: the basement drawn over the ground floor
    bool Spare = false;              // O6, kept but never used by painting

    // From the seven values of the file, in file order; any value but 0 is on.
    static OverlayFlags FromValues(const std::array<int, 7>& v);
};

// A paint of a floor plan or the site plan goes in two passes so that every fill lies beneath all line work.
enum class PaintPass { All, Fills, LineWork };

// The filled shapes of the first pass: polygons other than masks, ellipses, circles, rounded rectangles.
bool IsFillPassKind(int kind);

// The floor the overlay display modes treat as the working floor: in modes 2, 12, 22 (and 3 for the outline
// overlay) the highest floor chosen, else the view being painted.
int OverlayWorkingView(int wallDisplayMode, const OverlayFlags& flags, int currentView);

// Paints the objects of the list chosen for the view pc.View (the display mode pc.WallDisplayMode decides
// the variant and the overlays), restricted to one pass. The canvas already carries the view mapping. With
// a clip box (logical units) only the objects whose ink may reach the box are painted, in the same order
// and with the same highlights; the canvas must itself be clipped to the box's area, since the objects
// painted still draw whole.
void PaintObjects(Canvas& dc, const TFlist& list, const PaintContext& pc, const OverlayFlags& overlay,
                  PaintPass pass = PaintPass::All, const std::optional<LogicalBounds>& clip = std::nullopt);

// The whole picture of a view: floor plans and the site plan (views 101 to 199) fills first, then line
// work; layout views (6 to 49) in list order; any other view nothing (the window's background only).
void PaintView(Canvas& dc, const TFlist& list, const PaintContext& pc, const OverlayFlags& overlay,
               const std::optional<LogicalBounds>& clip = std::nullopt);

// The box of the design rooms a layout view shows (view 45 shows those of view 40): left = smallest X1, top =
// largest Y1, right = largest X2, bottom = smallest Y2, in world units. Nothing with fewer than two rooms.
std::optional<Rect> DesignRoomBox(const TFlist& list, int view);

} // namespace velmora
