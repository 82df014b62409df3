#include "platform/recording_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace velmora {

void RecordingCanvas::Record(CanvasOp op, std::vector<Point> points, std::string text) {
    Calls.push_back(CanvasCall{op, std::move(points), std::move(text), 0, State});
}

void RecordingCanvas::SetMapping(const Mapping& m) {
    State.Map = m;
    Record(CanvasOp::SetMapping);
}
void RecordingCanvas::SetPen(const Pen& pen) {
    State.CurrentPen = pen;
    Record(CanvasOp::SetPen);
}
void RecordingCanvas::SetBrush(const Brush& brush) {
    State.CurrentBrush = brush;
    Record(CanvasOp::SetBrush);
}
void RecordingCanvas::SetFont(const Font& font) {
    State.CurrentFont = font;
    Record(CanvasOp::SetFont);
}
void RecordingCanvas::SetRasterOp(RasterOp op) {
    State.Rop = op;
    Record(CanvasOp::SetRasterOp);
}
void RecordingCanvas::SetTextColour(Colorref c) {
    State.TextColour = c;
    Record(CanvasOp::SetTextColour);
}
void RecordingCanvas::SetBackgroundColour(Colorref c) {
    State.BackgroundColour = c;
    Record(CanvasOp::SetBackgroundColour);
}
void RecordingCanvas::SetBackgroundOpaque(bool opaque) {
    State.BackgroundOpaque = opaque;
    Record(CanvasOp::SetBackgroundOpaque);
}
void RecordingCanvas::SetTextAlign(TextHAlign h, TextVAlign v) {
    State.HAlign = h;
    State.VAlign = v;
    Record(CanvasOp::SetTextAlign);
}

void RecordingCanvas::MoveTo(int x, int y) {
    State.Position = {x, y};
    Record(CanvasOp::MoveTo, {{x, y}});
}
void RecordingCanvas::LineTo(int x, int y) {
    Record(CanvasOp::LineTo, {{x, y}});
    State.Position = {x, y};
}
void RecordingCanvas::Polyline(const std::vector<Point>& points) {
    Record(CanvasOp::Polyline, points);
}
void RecordingCanvas::Polygon(const std::vector<Point>& points) {
    Record(CanvasOp::Polygon, points);
}
void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
    Record(CanvasOp::Rectangle, {{left, top}, {right, bottom}});
}
void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
    Record(CanvasOp::Ellipse, {{left, top}, {right, bottom}});
}
void RecordingCanvas::Arc(int left, int top, int right, int bottom, int sx, int sy, int ex, int ey) {
    Record(CanvasOp::Arc, {{left, top}, {right, bottom}, {sx, sy}, {ex, ey}});
}
void RecordingCanvas::RoundRect(int left, int top, int right, int bottom, int cornerW, int cornerH) {
    Record(CanvasOp::RoundRect, {{left, top}, {right, bottom}, {cornerW, cornerH}});
}
void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    Record(CanvasOp::TextOut, {{x, y}}, text);
}

TextMetrics RecordingCanvas::GetTextMetrics() {
    Record(CanvasOp::GetTextMetrics);
    TextMetrics tm;
    tm.Height = std::abs(State.CurrentFont.Height);
    tm.AveCharWidth = tm.Height > 0 ? std::max(1, tm.Height / 2) : 0;
    tm.Ascent = tm.Height * 4 / 5;
    tm.Descent = tm.Height - tm.Ascent;
    return tm;
}

void RecordingCanvas::FillDeviceRect(const Rect& pixels, Colorref c) {
    Record(CanvasOp::FillDeviceRect, {{pixels.Left, pixels.Top}, {pixels.Right, pixels.Bottom}});
    Calls.back().Colour = c;
}

int RecordingCanvas::Count(CanvasOp op) const {
    int n = 0;
    for (const auto& c : Calls)
        n += c.Op == op ? 1 : 0;
    return n;
}

std::vector<const CanvasCall*> RecordingCanvas::CallsOf(CanvasOp op) const {
    std::vector<const CanvasCall*> out;
    for (const auto& c : Calls)
        if (c.Op == op) out.push_back(&c);
    return out;
}

std::vector<Segment> RecordingCanvas::Segments() const {
    return SegmentsWhere([](const Segment&) { return true; });
}

std::vector<Segment> RecordingCanvas::SegmentsWhere(const std::function<bool(const Segment&)>& keep) const {
    std::vector<Segment> out;
    auto take = [&](Point a, Point b, const CanvasCall& c, std::size_t i) {
        Segment s{a, b, c.State.CurrentPen, c.State.Rop, i};
        if (keep(s)) out.push_back(s);
    };
    for (std::size_t i = 0; i < Calls.size(); ++i) {
        const CanvasCall& c = Calls[i];
        if (c.Op == CanvasOp::LineTo) take(c.State.Position, c.Points[0], c, i);
        if (c.Op == CanvasOp::Polyline)
            for (std::size_t k = 1; k < c.Points.size(); ++k)
                take(c.Points[k - 1], c.Points[k], c, i);
    }
    return out;
}

bool RecordingCanvas::HasSegment(Point a, Point b) const {
    return !SegmentsWhere([&](const Segment& s) {
                return (s.From == a && s.To == b) || (s.From == b && s.To == a);
            }).empty();
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> out;
    for (const auto& c : Calls)
        if (c.Op == CanvasOp::TextOut) out.push_back(c.Text);
    return out;
}

std::size_t RecordingCanvas::FirstIndexOf(CanvasOp op) const {
    for (std::size_t i = 0; i < Calls.size(); ++i)
        if (Calls[i].Op == op) return i;
    return npos;
}

std::size_t RecordingCanvas::LastIndexOf(CanvasOp op) const {
    for (std::size_t i = Calls.size(); i-- > 0;)
        if (Calls[i].Op == op) return i;
    return npos;
}

} // namespace velmora
