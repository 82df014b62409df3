// The drawing surface every picture goes through: the drawing window, printing, picture export and the
// recording canvas of the tests. It follows the model the drawing code was designed for: a current pen,
// brush and font, a raster operation, and a window/viewport mapping from logical units to device pixels
// with y growing upward.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// A colour as 0x00BBGGRR, the form drawings and settings files store.
using Colorref = std::int32_t;

constexpr Colorref Rgb(int r, int g, int b) { return (r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16); }
constexpr int RedOf(Colorref c) { return c & 0xff; }
constexpr int GreenOf(Colorref c) { return (c >> 8) & 0xff; }
constexpr int BlueOf(Colorref c) { return (c >> 16) & 0xff; }

enum class PenStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5 };

struct Pen {
    PenStyle Style = PenStyle::Solid;
    int Width = 1; // logical units; 0 = one device pixel
    Colorref Colour = 0;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    bool Hollow = false; // no fill
    Colorref Colour = 0;
    bool operator==(const Brush&) const = default;
};

struct Font {
    std::string FaceName = "Arial";
    int Height = 10;     // logical units; character cell height
    int Escapement = 0;  // tenths of a degree counter-clockwise
    int Weight = 400;    // 400 normal, 700 bold
    bool Italic = false;
    bool operator==(const Font&) const = default;
};

// Raster operations of the drawing primitives: stored objects draw with Copy, rubber bands with Xor (drawn
// twice to erase), guide lines with NotXor.
enum class RasterOp : int { Copy, Xor, NotXor, Not };

// Anchor of TextOut: horizontal part and vertical part, as the text alignment flags combine them.
enum class TextHAlign : int { Left, Centre, Right };
enum class TextVAlign : int { Top, Baseline, Bottom };

struct TextMetrics {
    int Height = 0;    // logical units
    int AveCharWidth = 0;
    int Ascent = 0;
    int Descent = 0;
};

struct Point {
    int X = 0;
    int Y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const Rect&) const = default;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

// The window/viewport mapping: pixel x = (lx - WindowOrgX) * ViewportExtX / WindowExtX + ViewportOrgX, the
// same for y. A negative ViewportExtY turns y upward.
struct Mapping {
    int WindowOrgX = 0, WindowOrgY = 0;
    int WindowExtX = 1, WindowExtY = 1;
    int ViewportOrgX = 0, ViewportOrgY = 0;
    int ViewportExtX = 1, ViewportExtY = 1;
    bool operator==(const Mapping&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SetMapping(const Mapping& m) = 0;
    virtual Mapping GetMapping() const = 0;

    virtual void SetPen(const Pen& pen) = 0;
    virtual void SetBrush(const Brush& brush) = 0;
    virtual void SetFont(const Font& font) = 0;
    virtual void SetRasterOp(RasterOp op) = 0;
    virtual void SetTextColour(Colorref c) = 0;
    virtual void SetBackgroundColour(Colorref c) = 0;
    virtual void SetBackgroundOpaque(bool opaque) = 0;
    virtual void SetTextAlign(TextHAlign h, TextVAlign v) = 0;

    // Primitives, all in logical units.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Polyline(const std::vector<Point>& points) = 0;
    virtual void Polygon(const std::vector<Point>& points) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Counter-clockwise from the ray through (sx, sy) to the ray through (ex, ey), on the ellipse in the box.
    virtual void Arc(int left, int top, int right, int bottom, int sx, int sy, int ex, int ey) = 0;
    virtual void RoundRect(int left, int top, int right, int bottom, int cornerW, int cornerH) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual TextMetrics GetTextMetrics() = 0;
    // Fills a device rectangle (pixels, no mapping) with a colour, as the window's background erase does.
    virtual void FillDeviceRect(const Rect& pixels, Colorref c) = 0;
};

} // namespace velmora
