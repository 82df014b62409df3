// Drawing of external and internal walls: their face lines, the solid picture, and the hatched picture with
// pairs of slanted strokes across each leaf.
#include "model/drawing_objects.h"
#include "view/paint_context.h"
#include "view/render_support.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace velmora {

using render::LgPoint;
using render::Stroke;

namespace {

struct FaceLine {
    Point A; // start, logical units
    Point B; // end
};

FaceLine Face(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const PaintContext& pc) {
    return {LgPoint(x1, y1, pc), LgPoint(x2, y2, pc)};
}

void DrawFace(Canvas& dc, const FaceLine& f) {
    Stroke(dc, f.A, f.B);
}

// Hatch geometry: a stroke, its partner 15 further on, and the next pair 125 after the first stroke of the
// previous one; a leaf of length L takes (L - 2t) div 140 + 1 pairs, so the hatch stops short of the far end.
constexpr int PairGap = 15;
constexpr int PairStep = 125;
constexpr int PairRoom = PairStep + PairGap;

enum class Run { Horizontal, Vertical, Angled };

Run RunOf(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    if (y1 == y2) return Run::Horizontal;
    if (x1 == x2) return Run::Vertical;
    return Run::Angled;
}

int PairCount(int length, int t) {
    return length - 2 * t < 0 ? 0 : (length - 2 * t) / PairRoom + 1;
}

// y of the line through f at x (f not vertical).
int YAt(const FaceLine& f, int x) {
    const std::int64_t dx = f.B.X - f.A.X;
    return static_cast<int>(f.A.Y + static_cast<std::int64_t>(x - f.A.X) * (f.B.Y - f.A.Y) / dx);
}

// Hatches one leaf lying between face a and face b, t logical units thick. fromSmallerX starts a horizontal
// run at its left end instead of at a's start point.
void HatchLeaf(Canvas& dc, Run run, const FaceLine& a, const FaceLine& b, int t, bool fromSmallerX) {
    switch (run) {
    case Run::Horizontal: {
        const int x0 = fromSmallerX ? std::min(a.A.X, a.B.X) : a.A.X;
        const int dir = fromSmallerX || a.B.X >= a.A.X ? 1 : -1;
        const int pairs = PairCount(std::abs(a.B.X - a.A.X), t);
        for (int k = 0; k < pairs; ++k)
            for (int gap : {0, PairGap}) {
                const int x = x0 + dir * (t + PairStep * k + gap);
                Stroke(dc, {x, a.A.Y}, {x + dir * t, b.A.Y});
            }
        break;
    }
    case Run::Vertical: {
        const int top = std::max(a.A.Y, a.B.Y);
        const int pairs = PairCount(std::abs(a.B.Y - a.A.Y), t);
        for (int k = 0; k < pairs; ++k)
            for (int gap : {0, PairGap}) {
                const int y = top - (t + PairStep * k + gap);
                Stroke(dc, {a.A.X, y}, {b.A.X, y - t});
            }
        break;
    }
    case Run::Angled: {
        // Upright strokes every 125 along x, each spanning the leaf measured vertically (t / sin of the
        // wall's angle), which is the distance between the two faces at that x.
        if (a.A.X == a.B.X || b.A.X == b.B.X) return;
        const int lo = std::min(a.A.X, a.B.X), hi = std::max(a.A.X, a.B.X);
        for (int x = lo + PairStep; x < hi; x += PairStep)
            Stroke(dc, {x, YAt(a, x)}, {x, YAt(b, x)});
        break;
    }
    }
}

void SolidWall(Canvas& dc, const FaceLine& a, const FaceLine& inner) {
    DrawFace(dc, a);
    DrawFace(dc, inner);
    dc.SetBrush(Brush{false, Rgb(0, 0, 0)});
    dc.Polygon({a.A, a.B, inner.B, inner.A});
}

Colorref HatchColour(const TObj& wall, const PaintContext& pc, int highlight) {
    return highlight >= 1 ? pc.HighlightColour : wall.Colour;
}

Pen HatchPen(const TObj& wall, const PaintContext& pc, int highlight) {
    return Pen{PenStyle::Solid, (pc.DefaultZoom / 2) * wall.PenWidth, HatchColour(wall, pc, highlight)};
}

} // namespace

// External walls.

void TExtwallobj::DrawShape(Canvas& dc, const PaintContext& pc, int) const {
    DrawFace(dc, Face(X1, Y1, X2, Y2, pc));
    DrawFace(dc, Face(Face1X1, Face1Y1, Face1X2, Face1Y2, pc));
    if (Cavity > 0) {
        DrawFace(dc, Face(Face2X1, Face2Y1, Face2X2, Face2Y2, pc));
        DrawFace(dc, Face(Face3X1, Face3Y1, Face3X2, Face3Y2, pc));
    }
}

void TExtwallobj::DrawSolidMode(Canvas& dc, const PaintContext& pc) const {
    const FaceLine inner = Cavity <= 0 ? Face(Face1X1, Face1Y1, Face1X2, Face1Y2, pc)
                                       : Face(Face3X1, Face3Y1, Face3X2, Face3Y2, pc);
    SolidWall(dc, Face(X1, Y1, X2, Y2, pc), inner);
}

void TExtwallobj::DrawHatchedMode(Canvas& dc, const PaintContext& pc, int highlight) const {
    dc.SetPen(Pen{PenStyle::Solid, PenWidth * pc.DefaultZoom, HatchColour(*this, pc, highlight)});
    DrawShape(dc, pc, highlight);
    dc.SetPen(HatchPen(*this, pc, highlight));
    const Run run = RunOf(X1, Y1, X2, Y2);
    HatchLeaf(dc, run, Face(X1, Y1, X2, Y2, pc), Face(Face1X1, Face1Y1, Face1X2, Face1Y2, pc),
              render::Lg(Leaf1, pc), false);
    if (Cavity > 2)
        HatchLeaf(dc, run, Face(Face2X1, Face2Y1, Face2X2, Face2Y2, pc),
                  Face(Face3X1, Face3Y1, Face3X2, Face3Y2, pc), render::Lg(Leaf2, pc), false);
}

// Internal walls.

void TInwallobj::DrawShape(Canvas& dc, const PaintContext& pc, int) const {
    DrawFace(dc, Face(X1, Y1, X2, Y2, pc));
    DrawFace(dc, Face(SecondX1, SecondY1, SecondX2, SecondY2, pc));
}

void TInwallobj::DrawSolidMode(Canvas& dc, const PaintContext& pc) const {
    SolidWall(dc, Face(X1, Y1, X2, Y2, pc), Face(SecondX1, SecondY1, SecondX2, SecondY2, pc));
}

void TInwallobj::DrawHatchedMode(Canvas& dc, const PaintContext& pc, int highlight) const {
    dc.SetPen(
        Pen{render::StyleOfCode(PenStyle), PenWidth * pc.DefaultZoom, HatchColour(*this, pc, highlight)});
    DrawShape(dc, pc, highlight);
    dc.SetPen(HatchPen(*this, pc, highlight));
    HatchLeaf(dc, RunOf(X1, Y1, X2, Y2), Face(X1, Y1, X2, Y2, pc),
              Face(SecondX1, SecondY1, SecondX2, SecondY2, pc), render::Lg(Thickness, pc), true);
}

} // namespace velmora
