// The Canvas on a QPainter: the drawing window's backing image, picture export through a QImage and printing
// through a QPrinter all draw through this one class.
//
// Every coordinate is mapped to device pixels with the integer window/viewport mapping first (so the pixels
// match the core's own logical/pixel conversions exactly) and then drawn in device space. Drawing in device
// space keeps text upright under the y-up mapping, where a mirrored painter transform would flip the glyphs.
//
// Conventions, chosen so that the drawing code sees the surface it was written for:
// - A line covers its start pixel and leaves out its end pixel, so a chain of LineTo calls or a Polyline
//   covers each joint once (drawn twice with Xor, nothing is left).
// - Rectangle, Ellipse, RoundRect and Arc boxes exclude their right and bottom device edge: Rectangle(0, 0,
//   10, 10) under a 1:1 mapping covers pixels 0..9.
// - Pen widths are logical units scaled by the x scale; anything under one pixel (and width 0) is a
//   cosmetic one-pixel pen. Styled pens keep their dashes at any width, scaled with the width.
// - Primitives are never antialiased, so a shape drawn twice with Xor or NotXor leaves every pixel as it
//   was. Text is antialiased only under the Copy operation.
// - The raster operation applies to every primitive, text included, but not to FillDeviceRect.
// - Font heights are the character cell (ascent plus descent) in logical units, scaled by the y scale and
//   rounded down to a whole font size; a negative height asks for the em size instead.
// - A new canvas starts with the 1:1 mapping, Pen{}, Brush{} (solid black), Font{}, Copy, black text,
//   a white transparent background and left/top text alignment.
// - Raster operations need a device whose paint engine supports them: a QImage of Format_RGB32 or
//   Format_ARGB32_Premultiplied (or a widget's raster backing store). On other devices (a QPrinter, a PDF)
//   Xor, NotXor and Not draw as Copy; they only matter for feedback on the screen.
#pragma once

#include "platform/canvas.h"

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QTransform>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

class QPainter;
class QRect;

namespace velmora {

// The integer mapping of the Canvas interface: (l - WindowOrg) * ViewportExt / WindowExt + ViewportOrg,
// with the division truncating toward zero. A zero window extent counts as 1.
QPoint MapLogicalToDevice(const Mapping& m, int x, int y);
// The same mapping without rounding, for directions (arc rays) that must not lose precision.
QPointF MapLogicalToDeviceF(const Mapping& m, double x, double y);

// The mapping onto a device of ratio device pixels per pixel of the mapping's viewport (a screen at 2x
// scale): the viewport's origin and extent scaled and rounded, so every pixel of the device is reachable.
Mapping ScaledMapping(const Mapping& m, double ratio);
// A rectangle of viewport pixels on such a device: the device pixels it covers, its edges rounded outward.
QRect DeviceRectOf(const Rect& pixels, double ratio);

// Text of the drawing objects is UTF-8; text that is not valid UTF-8 (old drawings) is read as Latin-1.
QString TextToQString(const std::string& text);

// The device fonts resolved for one device, by face, height, weight, italic and y scale: resolving measures
// the face at a reference size and steps the size down, far too slow to repeat for every text of a plan
// whose texts take turns among a few fonts. The escapement is not part of the key: the glyphs are turned by
// the transform. With each font, its ascent and descent on the device and the widths of the strings drawn
// in it, shaped once: shaping is the dearest part of a text, and the labels of a plan (room names,
// dimension values, notes) repeat. A canvas keeps a cache of its own unless given one that outlives it:
// the drawing window keeps one with its picture, so that every repaint finds the fonts of the one before.
class QPainterFontCache {
public:
    struct Entry {
        QFont Resolved;
        int Ascent = -1, Descent = 0; // on the device, measured when first needed
        // The strings drawn in the font, shaped: their width and glyph runs, laid out once.
        struct Shaped {
            int Width = 0;
            qreal LineAscent = 0; // the runs' baseline below the top of their line
            QList<QGlyphRun> Runs;
        };
        std::unordered_map<std::string, Shaped> Texts;
    };
    using Key = std::tuple<std::string, int, int, bool, double>;

    // The entry of a key, made with resolve() when there is none. Entries stay valid for their holders
    // when the cache drops them.
    std::shared_ptr<Entry> Find(const Key& key, const std::function<QFont()>& resolve);

private:
    std::map<Key, std::shared_ptr<Entry>> Entries;
};

class QPainterCanvas : public Canvas {
public:
    // The painter must be active. Its transform at construction counts as device space (a printer's page
    // offset, for example); the canvas restores the painter's state when it is destroyed. A font cache
    // shared between canvases must only be shared between canvases on devices of one resolution.
    // pixelRatio: device pixels per pixel of the mapping's viewport. Above 1 (a screen at 2x scale) every
    // coordinate, pen width and font lands on the finer device grid, so the picture is as sharp as the
    // device; a hairline stays one device pixel, the finest line there is.
    explicit QPainterCanvas(QPainter& painter, QPainterFontCache* fonts = nullptr, double pixelRatio = 1.0);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    void SetMapping(const Mapping& m) override;
    Mapping GetMapping() const override { return Map; }

    void SetPen(const Pen& pen) override;
    void SetBrush(const Brush& brush) override;
    void SetFont(const Font& font) override;
    void SetRasterOp(RasterOp op) override;
    void SetTextColour(Colorref c) override { TextColour = c; }
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
    TextMetrics GetTextMetrics() override;
    void FillDeviceRect(const Rect& pixels, Colorref c) override;

    // Whether Xor, NotXor and Not reach the device (false on printers and other vector devices).
    bool SupportsRasterOps() const { return RasterOpsSupported; }

private:
    QPoint ToDevice(int x, int y) const { return MapLogicalToDevice(DeviceMap, x, y); }
    QRect DeviceBox(int left, int top, int right, int bottom) const;
    double ScaleX() const;
    double ScaleY() const;
    void DrawSegment(QPoint from, QPoint to);
    void ApplyPen();
    void ApplyBrush();
    void ApplyFont();
    QFont ResolveFont() const;
    const QPainterFontCache::Entry::Shaped& ShapedText(const std::string& text);
    void ApplyComposition();
    void RestoreDeviceTransform();

    QPainter& Painter;
    QTransform DeviceTransform;
    bool DeviceIsTranslation = true; // device pixels are painter pixels, only shifted
    double Ratio = 1.0;
    Mapping Map;       // as the core set it, in viewport pixels
    Mapping DeviceMap; // the same on the device's pixels
    Pen CurrentPen;
    Brush CurrentBrush;
    Font CurrentFont;
    QFont DeviceFont;
    QPainterFontCache OwnFonts;
    QPainterFontCache& Fonts;
    std::shared_ptr<QPainterFontCache::Entry> Selected;
    RasterOp Op = RasterOp::Copy;
    bool RasterOpsSupported = false;
    Colorref TextColour = 0;
    Colorref BackgroundColour = Rgb(255, 255, 255);
    bool BackgroundOpaque = false;
    TextHAlign HAlign = TextHAlign::Left;
    TextVAlign VAlign = TextVAlign::Top;
    Point Current;
};

} // namespace velmora
