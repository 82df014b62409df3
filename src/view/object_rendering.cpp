// Drawing of the objects on a canvas that already carries the view mapping: the common paint entries and the
// simple geometric classes. Walls, texts and rooms, and polygons have files of their own.
#include "model/drawing_objects.h"
#include "view/paint_context.h"
#include "view/render_support.h"

namespace velmora {

using render::Lg;
using render::LgPoint;
using render::Stroke;

namespace render {

PenStyle StyleOfCode(std::int32_t code) {
    if (code >= 0 && code <= 5) return static_cast<PenStyle>(code);
    return PenStyle::Solid;
}

Pen PaintPen(const TObj& obj, const PaintContext& pc, int highlight, bool keepStyle) {
    Pen pen{StyleOfCode(obj.PenStyle), obj.PenWidth, obj.Colour};
    if (highlight >= 1) {
        pen.Colour = pc.HighlightColour;
        if (!keepStyle) pen.Style = PenStyle::Dash;
    }
    if (obj.Kind == 3110) pen.Style = PenStyle::Dot;
    // On paper a logical unit is far finer than a screen pixel, so pens grow with the print's line weight;
    // dotted pens stay thin because a wide pen can only be drawn solid.
    if (pc.Printing && pen.Style != PenStyle::Dot) pen.Width = obj.PenWidth * pc.DefaultZoom;
    return pen;
}

} // namespace render

namespace {

// What Paint and PaintScaled share. The highlight is only an argument here: the stored Highlight holds the
// element number and must outlive every paint.
void PaintWithPen(const TObj& obj, Canvas& dc, const PaintContext& pc, int highlight, bool keepStyle) {
    const int h = render::EffectiveHighlight(pc, highlight);
    if (IsTextKind(obj.Kind)) {
        obj.DrawShape(dc, pc, h); // texts choose their own colour and font
        return;
    }
    const Pen pen = render::PaintPen(obj, pc, h, keepStyle);
    const bool displayModeWall = obj.Kind == 100 || obj.Kind == 150;
    if (displayModeWall && pc.WallDisplayMode >= 10) {
        if (pc.WallDisplayMode < 20) {
            obj.DrawHatchedMode(dc, pc, h);
        } else if (pc.WallDisplayMode < 30) {
            dc.SetPen(pen);
            obj.DrawSolidMode(dc, pc);
        }
        return; // 30 and above hide the walls
    }
    dc.SetPen(pen);
    if (const auto* poly = dynamic_cast<const TPolyobj*>(&obj)) {
        render::DrawPolygon(*poly, dc, pc, h, pen);
        return;
    }
    obj.DrawShape(dc, pc, h);
}

} // namespace

void TObj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TObj::DrawSolidMode(Canvas&, const PaintContext&) const {}
void TObj::DrawHatchedMode(Canvas&, const PaintContext&, int) const {}

void TObj::Paint(Canvas& dc, const PaintContext& pc, int highlight) const {
    PaintWithPen(*this, dc, pc, highlight, false);
}

void TObj::PaintScaled(Canvas& dc, const PaintContext& pc, const Rect& target, int highlight) const {
    // The view's window part stays as the caller set it; only the viewport follows the target, y upward.
    Mapping m = dc.GetMapping();
    m.ViewportOrgX = target.Left;
    m.ViewportOrgY = target.Bottom;
    m.ViewportExtX = target.Width();
    m.ViewportExtY = -target.Height();
    dc.SetMapping(m);
    dc.SetBackgroundOpaque(true);
    dc.SetBackgroundColour(pc.BackgroundColour);
    // Output that is kept (pictures, printing, the objects tools add) shows the object's own line style.
    PaintWithPen(*this, dc, pc, highlight, true);
}

void TLineobj::DrawShape(Canvas& dc, const PaintContext& pc, int) const {
    Stroke(dc, LgPoint(X1, Y1, pc), LgPoint(X2, Y2, pc));
}

void TArcobj::DrawShape(Canvas& dc, const PaintContext& pc, int) const {
    dc.Arc(Lg(X1, pc), Lg(Y1, pc), Lg(X2, pc), Lg(Y2, pc), Lg(StartX, pc), Lg(StartY, pc), Lg(EndX, pc),
           Lg(EndY, pc));
}

namespace {
// A highlighted filled shape is filled with the background so that only its highlighted outline shows.
Brush ShapeBrush(const TObj& obj, const PaintContext& pc, int highlight) {
    return Brush{false, highlight > 0 ? pc.BackgroundColour : obj.FillColour};
}
} // namespace

void TEllipseobj::DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const {
    dc.SetBrush(ShapeBrush(*this, pc, highlight));
    dc.Ellipse(Lg(X1, pc), Lg(Y1, pc), Lg(X2, pc), Lg(Y2, pc));
}

void TCircleobj::DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const {
    dc.SetBrush(ShapeBrush(*this, pc, highlight));
    dc.Ellipse(Lg(X1, pc), Lg(Y1, pc), Lg(X2, pc), Lg(Y2, pc));
}

void TRndrectobj::DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const {
    dc.SetBrush(ShapeBrush(*this, pc, highlight));
    const int corner = Lg(2 * CornerSize, pc);
    dc.RoundRect(Lg(X1, pc), Lg(Y1, pc), Lg(X2, pc), Lg(Y2, pc), corner, corner);
}

void TArrowobj::DrawShape(Canvas& dc, const PaintContext& pc, int) const {
    const Point tip = LgPoint(X1, Y1, pc);
    Stroke(dc, tip, LgPoint(X2, Y2, pc));
    Stroke(dc, tip, LgPoint(HeadAX, HeadAY, pc));
    Stroke(dc, tip, LgPoint(HeadBX, HeadBY, pc));
    Stroke(dc, LgPoint(TailAX, TailAY, pc), LgPoint(TailBX, TailBY, pc));
}

namespace {

// An arrowhead (two wings 20 along the axis, 5 across) and a cross tick (20 each side) at one end of a
// dimension line. wing is the unit step along the axis toward which the wings open.
void DimensionEnd(Canvas& dc, Point p, bool horizontalAxis, int wing) {
    constexpr int Along = 20, Across = 5, Tick = 20;
    if (horizontalAxis) {
        Stroke(dc, p, {p.X + wing * Along, p.Y + Across});
        Stroke(dc, p, {p.X + wing * Along, p.Y - Across});
        Stroke(dc, {p.X, p.Y - Tick}, {p.X, p.Y + Tick});
    } else {
        Stroke(dc, p, {p.X + Across, p.Y + wing * Along});
        Stroke(dc, p, {p.X - Across, p.Y + wing * Along});
        Stroke(dc, {p.X - Tick, p.Y}, {p.X + Tick, p.Y});
    }
}

} // namespace

void TDimensobj::DrawShape(Canvas& dc, const PaintContext& pc, int) const {
    if (TickStyle != 1) return;
    bool horizontal = false;
    int firstWing = 0; // the second line's wings open the other way
    switch (Orientation) {
    case 900:
        horizontal = true, firstWing = 1;
        break;
    case 2700:
        horizontal = true, firstWing = -1;
        break;
    case 1800:
        firstWing = -1;
        break;
    case 0:
    case 3600:
        firstWing = 1;
        break;
    default:
        return; // an unknown direction has no picture at all
    }
    const Point p1 = LgPoint(X1, Y1, pc), p3 = LgPoint(X3, Y3, pc);
    Stroke(dc, p1, LgPoint(X2, Y2, pc));
    DimensionEnd(dc, p1, horizontal, firstWing);
    Stroke(dc, p3, LgPoint(X4, Y4, pc));
    DimensionEnd(dc, p3, horizontal, -firstWing);
}

} // namespace velmora
