// Drawing of polygons. The kind's sub-range decides the picture: masks that blank the wall lines across an
// opening, outlines (site boundaries, dotted outlines), filled fixtures, and filled fixtures whose marked
// edges vanish into the fill so that pieces of one fixture join without a seam.
#include "model/drawing_objects.h"
#include "view/paint_context.h"
#include "view/render_support.h"

#include <algorithm>
#include <vector>

namespace velmora {

using render::LgPoint;

namespace {

std::vector<Point> Outline(const TPolyobj& poly, const PaintContext& pc) {
    // A count read from a damaged file must never index past the arrays.
    const int n = std::clamp(poly.VertexCount, 0, TPolyobj::MaxVertices);
    std::vector<Point> pts;
    pts.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        pts.push_back(
            LgPoint(poly.Xs[static_cast<std::size_t>(i)], poly.Ys[static_cast<std::size_t>(i)], pc));
    return pts;
}

bool IsOutlineKind(int kind) {
    return kind == 3110 || (kind >= 3131 && kind <= 3149) || (kind >= 3500 && kind <= 3599);
}

void EdgesWithPen(Canvas& dc, const std::vector<Point>& pts) {
    for (std::size_t i = 0; i < pts.size(); ++i)
        render::Stroke(dc, pts[i], pts[(i + 1) % pts.size()]);
}

void MarkedEdgePolygon(const TPolyobj& poly, Canvas& dc, const std::vector<Point>& pts, Colorref fill,
                       const Pen& selected) {
    const Pen fillPen{PenStyle::Solid, 2, fill};
    dc.SetPen(fillPen);
    dc.SetBrush(Brush{false, fill});
    dc.Polygon(pts);
    // The marks are listed in ascending order: walk them alongside the edges.
    std::size_t mark = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const bool marked = mark < poly.MarkedEdges.size() && poly.MarkedEdges[mark] == static_cast<int>(i);
        if (marked) ++mark;
        dc.SetPen(marked ? fillPen : selected);
        render::Stroke(dc, pts[i], pts[(i + 1) % pts.size()]);
    }
    dc.SetPen(selected);
}

} // namespace

namespace render {

void DrawPolygon(const TPolyobj& poly, Canvas& dc, const PaintContext& pc, int highlight,
                 const Pen& selected) {
    const std::vector<Point> pts = Outline(poly, pc);
    if (pts.empty()) return;
    const int kind = poly.Kind;
    // Highlighted fills show the background, so the dashed outline reads as the selection.
    const Colorref fill = highlight > 0 ? pc.BackgroundColour : poly.FillColour;
    if (IsOutlineKind(kind)) {
        EdgesWithPen(dc, pts);
    } else if (kind == 2000) {
        dc.SetBrush(Brush{false, pc.BackgroundColour});
        dc.Polygon(pts);
    } else if (kind == 6500 || kind == 6600) {
        MarkedEdgePolygon(poly, dc, pts, fill, selected);
    } else if (kind >= 6000 && kind <= 6749) {
        dc.SetBrush(Brush{false, fill});
        dc.Polygon(pts);
    }
    // Any other kind has no picture.
}

} // namespace render

void TPolyobj::DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const {
    // Called directly, the pen in force is the one the screen paint would have selected.
    render::DrawPolygon(*this, dc, pc, highlight, render::PaintPen(*this, pc, highlight, false));
}

} // namespace velmora
