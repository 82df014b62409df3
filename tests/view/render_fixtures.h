// Objects for the painting tests, built the way the tools leave them, and questions about what a recording
// canvas saw. Coordinates are world units of a metric drawing (5 per logical unit).
#pragma once

#include "model/drawing_objects.h"
#include "platform/recording_canvas.h"
#include "view/paint_context.h"

#include <memory>
#include <vector>

namespace velmora::test {

inline PaintContext MetricContext() {
    PaintContext pc;
    pc.UnitsPerLogical = 5;
    pc.DefaultZoom = 5;
    pc.ZoomFactor = 5.0f;
    pc.View = 120;
    pc.BackgroundColour = Rgb(250, 250, 240);
    pc.HighlightColour = Rgb(255, 0, 0);
    return pc;
}

// A horizontal internal wall 3000 mm long and 100 mm thick: 600 by 20 logical units, x 200..800, face A at
// y 400 and the second line at y 380.
inline std::unique_ptr<TInwallobj> HorizontalInwall(int kind = 150) {
    auto w = std::make_unique<TInwallobj>();
    w->Kind = kind;
    w->View = 120;
    w->X1 = 1000, w->Y1 = 2000, w->X2 = 4000, w->Y2 = 2000;
    w->SecondX1 = 1000, w->SecondY1 = 1900, w->SecondX2 = 4000, w->SecondY2 = 1900;
    w->Thickness = 100;
    w->Colour = Rgb(0, 0, 200);
    return w;
}

// A horizontal external wall of one 100 mm leaf, drawn left to right unless reversed.
inline std::unique_ptr<TExtwallobj> HorizontalExtwall(int kind = 100, bool reversed = false) {
    auto w = std::make_unique<TExtwallobj>();
    w->Kind = kind;
    w->View = 120;
    const int a = reversed ? 4000 : 1000, b = reversed ? 1000 : 4000;
    w->X1 = a, w->Y1 = 5000, w->X2 = b, w->Y2 = 5000;
    w->Face1X1 = a, w->Face1Y1 = 4900, w->Face1X2 = b, w->Face1Y2 = 4900;
    w->Leaf1 = 100;
    w->Colour = Rgb(0, 100, 0);
    return w;
}

// An object of a kind carrying a tag: its first point is (tag * 50, tag * 50), so everything it draws
// starts at the logical point (tag * 10, tag * 10).
inline std::unique_ptr<TObj> Tagged(int kind, int view, int tag, Colorref colour = Rgb(0, 0, 0)) {
    auto obj = MakeObjectOfKind(kind, colour);
    const int p = tag * 50;
    obj->View = view;
    obj->X1 = p, obj->Y1 = p, obj->X2 = p + 500, obj->Y2 = p - 500;
    if (auto* poly = dynamic_cast<TPolyobj*>(obj.get()))
        poly->SetVertices({{p, p}, {p + 500, p}, {p + 500, p - 500}});
    if (auto* text = dynamic_cast<TTextobj*>(obj.get())) text->SetText("tag");
    if (auto* dim = dynamic_cast<TDimensobj*>(obj.get())) {
        dim->TickStyle = 1;
        dim->Orientation = 900;
        dim->X3 = p, dim->Y3 = p - 100, dim->X4 = p + 500, dim->Y4 = p - 100;
    }
    if (auto* wall = dynamic_cast<TInwallobj*>(obj.get())) {
        wall->SecondX1 = p, wall->SecondY1 = p - 100, wall->SecondX2 = p + 500, wall->SecondY2 = p - 600;
        wall->Thickness = 100;
    }
    if (auto* wall = dynamic_cast<TExtwallobj*>(obj.get())) {
        wall->Face1X1 = p, wall->Face1Y1 = p - 100, wall->Face1X2 = p + 500, wall->Face1Y2 = p - 600;
        wall->Leaf1 = 100;
    }
    return obj;
}

// The drawing calls that start at a tagged object's first point.
inline std::vector<const CanvasCall*> CallsAtTag(const RecordingCanvas& dc, int tag) {
    const Point at{tag * 10, tag * 10};
    std::vector<const CanvasCall*> out;
    for (const auto& c : dc.Calls) {
        switch (c.Op) {
        case CanvasOp::MoveTo:
        case CanvasOp::TextOut:
        case CanvasOp::Polygon:
        case CanvasOp::Ellipse:
        case CanvasOp::Rectangle:
        case CanvasOp::RoundRect:
        case CanvasOp::Arc:
            if (!c.Points.empty() && c.Points[0] == at) out.push_back(&c);
            break;
        default:
            break;
        }
    }
    return out;
}

inline bool Painted(const RecordingCanvas& dc, int tag) {
    return !CallsAtTag(dc, tag).empty();
}

// True when the tagged object was drawn with a pen (or, for texts, lettering) in the colour.
inline bool PaintedIn(const RecordingCanvas& dc, int tag, Colorref colour) {
    for (const CanvasCall* c : CallsAtTag(dc, tag)) {
        const Colorref used = c->Op == CanvasOp::TextOut ? c->State.TextColour : c->State.CurrentPen.Colour;
        if (used == colour) return true;
    }
    return false;
}

} // namespace velmora::test
