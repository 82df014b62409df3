// Small pieces shared by the drawing code of the object classes: world units to logical units, the stored
// pen style codes, and the pen an object is painted with.
//
// Pen widths are logical units, as the canvas takes them. At normal zoom one pixel is ZoomFactor (5 or 4)
// logical units, so an object's PenWidth of 1 asks for a pen thinner than a pixel: every canvas draws such
// a pen one pixel wide (the same holds for width 0). Only the wall pictures and printing, which multiply
// by DefaultZoom, ask for pens that are whole pixels wide on purpose.
#pragma once

#include "model/drawing_objects.h"
#include "platform/canvas.h"
#include "view/paint_context.h"

#include <cstdint>

namespace velmora::render {

// World units to logical units: integer division, truncating toward zero.
inline int Lg(std::int32_t world, const PaintContext& pc) {
    return world / (pc.UnitsPerLogical > 0 ? pc.UnitsPerLogical : 1);
}
inline Point LgPoint(std::int32_t x, std::int32_t y, const PaintContext& pc) {
    return {Lg(x, pc), Lg(y, pc)};
}

// The stored style code (0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none); anything else draws
// solid, so a damaged record still shows.
PenStyle StyleOfCode(std::int32_t code);

// The pen the common paint entry selects for an object: its own style and colour, or dashed in the highlight
// colour when highlighted (keepStyle: only the colour changes); kind 3110 always dotted; widths multiplied
// by DefaultZoom when printing, except dotted pens.
Pen PaintPen(const TObj& obj, const PaintContext& pc, int highlight, bool keepStyle);

// The highlight a paint actually uses: output to a device that is not the screen never highlights.
inline int EffectiveHighlight(const PaintContext& pc, int highlight) {
    return pc.Printing ? 0 : highlight;
}

// A polygon's drawing with the pen its painter selected (the marked-edge kinds draw some edges with it
// again after their own pens).
void DrawPolygon(const TPolyobj& poly, Canvas& dc, const PaintContext& pc, int highlight,
                 const Pen& selected);

// Selects the text anchor of a text's alignment code. Alignment 1 at angles other than 0 and 2700, and
// codes outside 1 to 6, keep the anchor the canvas already has, so a text's anchor may come from the text
// painted before it: a painter that skips a text must still select its anchor.
void SetTextAnchor(Canvas& dc, int align, int angle);

inline void Stroke(Canvas& dc, Point a, Point b) {
    dc.MoveTo(a.X, a.Y);
    dc.LineTo(b.X, b.Y);
}

} // namespace velmora::render
