#include "view/object_bounds.h"

#include "model/object_list.h"
#include "view/render_support.h"
#include "view/view_mapping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

namespace velmora {

namespace {

using render::Lg;

// Grows a box point by point. Points in world units are gathered as they are and divided once at the end:
// the division truncates toward zero, which keeps their order, so the box of the divided points is the
// divided box of the points.
class BoxBuilder {
public:
    explicit BoxBuilder(const PaintContext& pc) : Pc(pc) {}

    BoxBuilder& World(std::int32_t x, std::int32_t y) {
        Add(WorldBox, WorldEmpty, x, y);
        return *this;
    }
    BoxBuilder& Logical(std::int64_t x, std::int64_t y) {
        Add(LogicalBox, LogicalEmpty, x, y);
        return *this;
    }
    // An object with no points has no ink: a box that meets nothing.
    LogicalBounds Done(std::int64_t margin) const {
        LogicalBounds box = LogicalBox;
        bool empty = LogicalEmpty;
        if (!WorldEmpty) {
            const auto lg = [this](std::int64_t w) {
                return std::int64_t{Lg(static_cast<std::int32_t>(w), Pc)};
            };
            Add(box, empty, lg(WorldBox.MinX), lg(WorldBox.MinY));
            Add(box, empty, lg(WorldBox.MaxX), lg(WorldBox.MaxY));
        }
        if (empty) return {1, 1, 0, 0};
        return box.Grown(margin);
    }

private:
    static void Add(LogicalBounds& box, bool& empty, std::int64_t x, std::int64_t y) {
        if (empty) {
            box = {x, y, x, y};
            empty = false;
            return;
        }
        box.MinX = std::min(box.MinX, x), box.MaxX = std::max(box.MaxX, x);
        box.MinY = std::min(box.MinY, y), box.MaxY = std::max(box.MaxY, y);
    }

    const PaintContext& Pc;
    LogicalBounds WorldBox, LogicalBox;
    bool WorldEmpty = true, LogicalEmpty = true;
};

// How far a stroke's ink reaches beyond its centre line, in logical units: the widest pen any picture of the
// object selects (the wall pictures and printing multiply the width by DefaultZoom). Counted whole, not
// halved, which also covers round caps and joins.
std::int64_t PenReach(const TObj& obj, const PaintContext& pc) {
    return std::int64_t{std::abs(obj.PenWidth)} * std::max(1, std::abs(pc.DefaultZoom));
}

// The ends of dimension lines carry arrow wings and cross ticks 20 logical units long.
constexpr std::int64_t DimensionEndReach = 20;
// The hatch of a leaf may start a stroke pair up to this far past a short face.
constexpr std::int64_t HatchOvershoot = 15;
// A font asked for with height 0 is drawn this many pixels high whatever the zoom.
constexpr double DefaultCellPixels = 16;

// The horizontal and vertical reach of a text's anchor, or nothing when the anchor is the one the canvas
// kept from the text painted before (alignment 1 at other angles than 0 and 2700, unknown codes).
struct AnchorSpan {
    double Left, Right; // multiples of the line's width, along the line
};
std::optional<AnchorSpan> SpanOfAlignment(int align, int angle) {
    switch (align) {
    case 1:
        if (angle == 0) return AnchorSpan{-0.5, 0.5};
        if (angle == 2700) return AnchorSpan{0, 1};
        return std::nullopt;
    case 2:
    case 3:
    case 5:
        return AnchorSpan{0, 1};
    case 4:
    case 6:
        return AnchorSpan{-0.5, 0.5};
    default:
        return std::nullopt;
    }
}

LogicalBounds TextBounds(const TTextobj& t, const PaintContext& pc) {
    const int scale = pc.TextScale != 0 ? pc.TextScale : pc.DefaultZoom;
    std::int64_t height = std::int64_t{t.Height} * scale;
    if (pc.View == ViewSite) height *= 3;
    if (height < 0) height = -2 * height; // an em size: the cell is somewhat taller
    if (height == 0)
        height = static_cast<std::int64_t>(std::ceil(DefaultCellPixels * UsableZoom(pc.ZoomFactor)));
    // No glyph advances further than its cell is high, and a byte is at most one glyph.
    const double width = static_cast<double>(t.TextLen()) * static_cast<double>(height);
    const double cell = static_cast<double>(height);
    const auto span = SpanOfAlignment(t.Align, t.Angle);
    if (!span || pc.Printing) {
        // Any anchor and any direction: every letter lies within the line's width and a cell of the anchor.
        return BoxBuilder(pc).World(t.X1, t.Y1).Done(static_cast<std::int64_t>(std::ceil(width + cell)));
    }
    // The line's box about its anchor (top, baseline or bottom: a cell either side covers all three), turned
    // counter-clockwise by the escapement. Quarter turns need no trigonometry.
    const int angle = ((t.Angle % 3600) + 3600) % 3600;
    double c = 1, s = 0;
    if (angle == 900)
        c = 0, s = 1;
    else if (angle == 1800)
        c = -1, s = 0;
    else if (angle == 2700)
        c = 0, s = -1;
    else if (angle != 0)
        c = std::cos(angle * std::numbers::pi / 1800.0), s = std::sin(angle * std::numbers::pi / 1800.0);
    const std::int64_t ax = Lg(t.X1, pc), ay = Lg(t.Y1, pc);
    BoxBuilder b(pc);
    for (const double u : {span->Left * width, span->Right * width})
        for (const double v : {-cell, cell})
            b.Logical(ax + static_cast<std::int64_t>(u * c - v * s),
                      ay + static_cast<std::int64_t>(u * s + v * c));
    return b.Done(2); // the corners were cut to whole units
}

LogicalBounds ExtwallBounds(const TExtwallobj& w, const PaintContext& pc) {
    BoxBuilder b(pc);
    b.World(w.X1, w.Y1).World(w.X2, w.Y2).World(w.Face1X1, w.Face1Y1).World(w.Face1X2, w.Face1Y2);
    if (w.Cavity > 0)
        b.World(w.Face2X1, w.Face2Y1)
            .World(w.Face2X2, w.Face2Y2)
            .World(w.Face3X1, w.Face3Y1)
            .World(w.Face3X2, w.Face3Y2);
    const std::int64_t leaf = std::max(std::abs(Lg(w.Leaf1, pc)), std::abs(Lg(w.Leaf2, pc)));
    return b.Done(PenReach(w, pc) + 2 * leaf + HatchOvershoot);
}

LogicalBounds InwallBounds(const TInwallobj& w, const PaintContext& pc) {
    BoxBuilder b(pc);
    b.World(w.X1, w.Y1).World(w.X2, w.Y2).World(w.SecondX1, w.SecondY1).World(w.SecondX2, w.SecondY2);
    const std::int64_t leaf = std::abs(Lg(w.Thickness, pc));
    return b.Done(PenReach(w, pc) + 2 * leaf + HatchOvershoot);
}

LogicalBounds ArrowBounds(const TArrowobj& a, const PaintContext& pc) {
    BoxBuilder b(pc);
    b.World(a.X1, a.Y1).World(a.X2, a.Y2).World(a.HeadAX, a.HeadAY).World(a.HeadBX, a.HeadBY);
    b.World(a.TailAX, a.TailAY).World(a.TailBX, a.TailBY);
    return b.Done(PenReach(a, pc));
}

LogicalBounds DimensionBounds(const TDimensobj& d, const PaintContext& pc) {
    BoxBuilder b(pc);
    b.World(d.X1, d.Y1).World(d.X2, d.Y2).World(d.X3, d.Y3).World(d.X4, d.Y4);
    return b.Done(PenReach(d, pc) + DimensionEndReach);
}

LogicalBounds PolyBounds(const TPolyobj& p, const PaintContext& pc) {
    BoxBuilder b(pc);
    const int n = std::clamp(p.VertexCount, 0, TPolyobj::MaxVertices);
    for (int i = 0; i < n; ++i)
        b.World(p.Xs[static_cast<std::size_t>(i)], p.Ys[static_cast<std::size_t>(i)]);
    // The marked-edge fixtures stroke their fill with a pen 2 logical units wide.
    return b.Done(PenReach(p, pc) + 2);
}

// Lines, and the shapes drawn in the box of their two corners: arcs, ellipses, circles, rounded boxes.
LogicalBounds CornerBounds(const TObj& obj, const PaintContext& pc) {
    return BoxBuilder(pc).World(obj.X1, obj.Y1).World(obj.X2, obj.Y2).Done(PenReach(obj, pc));
}

} // namespace

std::optional<LogicalBounds> ObjectBounds(const TObj& obj, const PaintContext& pc) {
    switch (obj.Class()) {
    case ObjClass::Line:
    case ObjClass::Arc:
    case ObjClass::Ellipse:
    case ObjClass::Circle:
    case ObjClass::Rndrect:
        return CornerBounds(obj, pc);
    case ObjClass::Text:
        return TextBounds(static_cast<const TTextobj&>(obj), pc);
    case ObjClass::Extwall:
        return ExtwallBounds(static_cast<const TExtwallobj&>(obj), pc);
    case ObjClass::Inwall:
        return InwallBounds(static_cast<const TInwallobj&>(obj), pc);
    case ObjClass::Arrow:
        return ArrowBounds(static_cast<const TArrowobj&>(obj), pc);
    case ObjClass::Dimens:
        return DimensionBounds(static_cast<const TDimensobj&>(obj), pc);
    case ObjClass::Poly:
        return PolyBounds(static_cast<const TPolyobj&>(obj), pc);
    default:
        return std::nullopt;
    }
}

LogicalBounds ClipBoundsForPixels(const Mapping& m, const Rect& pixels, int marginPixels) {
    constexpr std::int64_t Everything = std::int64_t{1} << 40;
    // A collapsed viewport puts every object on one pixel: nothing can be told apart, so nothing is skipped.
    if (m.ViewportExtX == 0 || m.ViewportExtY == 0) return {-Everything, -Everything, Everything, Everything};
    const Point a = PixelToLogical(m, pixels.Left, pixels.Top);
    const Point b = PixelToLogical(m, pixels.Right, pixels.Bottom);
    const auto perPixel = [](int windowExt, int viewportExt) {
        const std::int64_t w = std::abs(std::int64_t{windowExt}), v = std::abs(std::int64_t{viewportExt});
        return std::max<std::int64_t>(1, (w + v - 1) / v);
    };
    const std::int64_t unit =
        std::max(perPixel(m.WindowExtX, m.ViewportExtX), perPixel(m.WindowExtY, m.ViewportExtY));
    const LogicalBounds box{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
    return box.Grown(unit * std::max(0, marginPixels));
}

} // namespace velmora
