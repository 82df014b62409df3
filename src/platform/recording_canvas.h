// A canvas that draws nothing and remembers everything: every call with its arguments and the drawing state
// (pen, brush, font, raster operation, colours, alignment) in force when it was made. Tests paint onto it and
// then ask what was drawn; the same picture on the screen goes through the same calls.
#pragma once

#include "platform/canvas.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace velmora {

enum class CanvasOp : int {
    SetMapping,
    SetPen,
    SetBrush,
    SetFont,
    SetRasterOp,
    SetTextColour,
    SetBackgroundColour,
    SetBackgroundOpaque,
    SetTextAlign,
    MoveTo,
    LineTo,
    Polyline,
    Polygon,
    Rectangle,
    Ellipse,
    Arc,
    RoundRect,
    TextOut,
    GetTextMetrics,
    FillDeviceRect,
};

// Everything a primitive's result depends on besides its arguments.
struct CanvasState {
    Mapping Map;
    Pen CurrentPen;
    Brush CurrentBrush;
    Font CurrentFont;
    RasterOp Rop = RasterOp::Copy;
    Colorref TextColour = 0;
    Colorref BackgroundColour = Rgb(255, 255, 255);
    bool BackgroundOpaque = true; // the device default, as on a fresh window
    TextHAlign HAlign = TextHAlign::Left;
    TextVAlign VAlign = TextVAlign::Top;
    Point Position; // the current position MoveTo sets and LineTo advances
};

// One call. Points holds the arguments in call order:
//   MoveTo, LineTo, TextOut: the point;  Polyline, Polygon: the vertices;
//   Rectangle, Ellipse: (left, top), (right, bottom);  RoundRect: the same and (cornerW, cornerH);
//   Arc: (left, top), (right, bottom), (sx, sy), (ex, ey);  FillDeviceRect: (left, top), (right, bottom).
// State is the state after the call for setters and the state the primitive drew with for the others (for
// LineTo the position before the call, so State.Position is the segment's start).
struct CanvasCall {
    CanvasOp Op = CanvasOp::MoveTo;
    std::vector<Point> Points;
    std::string Text;
    Colorref Colour = 0; // FillDeviceRect only
    CanvasState State;
};

// A straight piece of line work: a LineTo from the current position or one piece of a Polyline.
struct Segment {
    Point From;
    Point To;
    Pen With;
    RasterOp Rop = RasterOp::Copy;
    std::size_t CallIndex = 0; // position of the drawing call in Calls
};

class RecordingCanvas : public Canvas {
public:
    std::vector<CanvasCall> Calls;

    void SetMapping(const Mapping& m) override;
    Mapping GetMapping() const override { return State.Map; }
    void SetPen(const Pen& pen) override;
    void SetBrush(const Brush& brush) override;
    void SetFont(const Font& font) override;
    void SetRasterOp(RasterOp op) override;
    void SetTextColour(Colorref c) override;
    void SetBackgroundColour(Colorref c) override;
    void SetBackgroundOpaque(bool opaque) override;
    void SetTextAlign(TextHAlign h, TextVAlign v) override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polyline(const std::vector<Point>& points) override;
    void Polygon(const std::vector<Point>& points) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Arc(int left, int top, int right, int bottom, int sx, int sy, int ex, int ey) override;
    void RoundRect(int left, int top, int right, int bottom, int cornerW, int cornerH) override;
    void TextOut(int x, int y, const std::string& text) override;
    // A fixed, font-only metric so tests can compute layouts by hand: the cell height is the font height,
    // characters are half as wide as high (at least 1), the ascent four fifths of the height.
    TextMetrics GetTextMetrics() override;
    void FillDeviceRect(const Rect& pixels, Colorref c) override;

    const CanvasState& Current() const { return State; }
    void Clear() { Calls.clear(); }

    // Queries.
    int Count(CanvasOp op) const;
    std::vector<const CanvasCall*> CallsOf(CanvasOp op) const;
    std::vector<Segment> Segments() const;
    std::vector<Segment> SegmentsWhere(const std::function<bool(const Segment&)>& keep) const;
    // True when a segment joins a and b in either direction.
    bool HasSegment(Point a, Point b) const;
    // The strings of every TextOut, in order.
    std::vector<std::string> Texts() const;
    // Index in Calls of the first call of op, or npos.
    std::size_t FirstIndexOf(CanvasOp op) const;
    std::size_t LastIndexOf(CanvasOp op) const;
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
    CanvasState State;
    void Record(CanvasOp op, std::vector<Point> points = {}, std::string text = {});
};

} // namespace velmora
