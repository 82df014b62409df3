#include "qt/qpainter_canvas.h"

#include <QColor>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QRect>
#include <QStringDecoder>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace velmora {
namespace {

// Far beyond any real drawing, but inside the range QPainter's integer paths survive.
constexpr std::int64_t DeviceLimit = std::int64_t{1} << 30;

// Lines filled as rectangles stay within this, so that a rectangle's size never overflows an int.
constexpr int FillLimit = 1 << 28;

// A font size big enough that the ratio of character cell to em is measured precisely.
constexpr int ReferencePixelSize = 200;

// Height of a font asked for with height 0: the size a plain dialog font would have.
constexpr int DefaultCellPixels = 16;

QColor ToQColor(Colorref c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

int MapAxis(std::int64_t l, int windowOrg, int windowExt, int viewportOrg, int viewportExt) {
    const std::int64_t ext = windowExt == 0 ? 1 : windowExt;
    const std::int64_t p = (l - windowOrg) * viewportExt / ext + viewportOrg;
    return static_cast<int>(std::clamp(p, -DeviceLimit, DeviceLimit));
}

// Dash lengths in pixels of a one-pixel pen (wider pens scale them with the width). The style state starts
// afresh with every primitive.
QList<qreal> DashPattern(PenStyle style) {
    switch (style) {
    case PenStyle::Dash:
        return {18, 6};
    case PenStyle::Dot:
        return {3, 3};
    case PenStyle::DashDot:
        return {9, 6, 3, 6};
    case PenStyle::DashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

QPainter::CompositionMode CompositionOf(RasterOp op) {
    switch (op) {
    case RasterOp::Xor:
        return QPainter::RasterOp_SourceXorDestination;
    case RasterOp::NotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    case RasterOp::Not:
        return QPainter::RasterOp_NotDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

int CellPixels(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

QFont::Weight WeightOf(int weight) {
    if (weight <= 0) return QFont::Normal;
    const int hundreds = std::clamp((weight + 50) / 100 * 100, 100, 900);
    return static_cast<QFont::Weight>(hundreds);
}

// The box a stroked shape occupies: Qt strokes a rectangle one pixel wider than its size, the drawing code
// expects the right and bottom edge to be left out.
QRectF StrokeBox(const QRect& box) {
    return QRectF(box.x(), box.y(), box.width() - 1, box.height() - 1);
}

} // namespace

QPoint MapLogicalToDevice(const Mapping& m, int x, int y) {
    return QPoint(MapAxis(x, m.WindowOrgX, m.WindowExtX, m.ViewportOrgX, m.ViewportExtX),
                  MapAxis(y, m.WindowOrgY, m.WindowExtY, m.ViewportOrgY, m.ViewportExtY));
}

Mapping ScaledMapping(const Mapping& m, double ratio) {
    if (ratio == 1.0) return m;
    Mapping out = m;
    const auto scale = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    out.ViewportOrgX = scale(m.ViewportOrgX);
    out.ViewportOrgY = scale(m.ViewportOrgY);
    out.ViewportExtX = scale(m.ViewportExtX);
    out.ViewportExtY = scale(m.ViewportExtY);
    return out;
}

QRect DeviceRectOf(const Rect& pixels, double ratio) {
    const int l = std::min(pixels.Left, pixels.Right), t = std::min(pixels.Top, pixels.Bottom);
    const int r = std::max(pixels.Left, pixels.Right), b = std::max(pixels.Top, pixels.Bottom);
    const auto down = [ratio](int v) { return static_cast<int>(std::floor(v * ratio)); };
    const auto up = [ratio](int v) { return static_cast<int>(std::ceil(v * ratio)); };
    return QRect(QPoint(down(l), down(t)), QPoint(up(r) - 1, up(b) - 1));
}

QPointF MapLogicalToDeviceF(const Mapping& m, double x, double y) {
    const double extX = m.WindowExtX == 0 ? 1.0 : m.WindowExtX;
    const double extY = m.WindowExtY == 0 ? 1.0 : m.WindowExtY;
    return QPointF((x - m.WindowOrgX) * m.ViewportExtX / extX + m.ViewportOrgX,
                   (y - m.WindowOrgY) * m.ViewportExtY / extY + m.ViewportOrgY);
}

QString TextToQString(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (utf8.hasError()) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return s;
}

std::shared_ptr<QPainterFontCache::Entry> QPainterFontCache::Find(const Key& key,
                                                                  const std::function<QFont()>& resolve) {
    if (const auto it = Entries.find(key); it != Entries.end()) return it->second;
    // A bound, however many fonts and scales a long session meets.
    if (Entries.size() >= 512) Entries.clear();
    auto entry = std::make_shared<Entry>();
    entry->Resolved = resolve();
    Entries.emplace(key, entry);
    return entry;
}

QPainterCanvas::QPainterCanvas(QPainter& painter, QPainterFontCache* fonts, double pixelRatio)
    : Painter(painter), Ratio(pixelRatio > 0 ? pixelRatio : 1.0), DeviceMap(ScaledMapping(Map, Ratio)),
      Fonts(fonts ? *fonts : OwnFonts) {
    Painter.save();
    DeviceTransform = Painter.worldTransform();
    DeviceIsTranslation = DeviceTransform.type() <= QTransform::TxTranslate;
    const QPaintEngine* engine = Painter.paintEngine();
    RasterOpsSupported = engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes);
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setBackgroundMode(Qt::TransparentMode);
    ApplyPen();
    ApplyBrush();
    ApplyFont();
    ApplyComposition();
}

QPainterCanvas::~QPainterCanvas() {
    Painter.restore();
}

double QPainterCanvas::ScaleX() const {
    const Mapping& m = DeviceMap;
    return std::abs(static_cast<double>(m.ViewportExtX) / (m.WindowExtX == 0 ? 1 : m.WindowExtX));
}

double QPainterCanvas::ScaleY() const {
    const Mapping& m = DeviceMap;
    return std::abs(static_cast<double>(m.ViewportExtY) / (m.WindowExtY == 0 ? 1 : m.WindowExtY));
}

void QPainterCanvas::SetMapping(const Mapping& m) {
    Map = m;
    DeviceMap = ScaledMapping(m, Ratio);
    // Pen widths and font heights are logical, so their pixel sizes follow the mapping.
    ApplyPen();
    ApplyFont();
}

void QPainterCanvas::SetPen(const Pen& pen) {
    // The painter's pen only ever changes through ApplyPen (TextOut puts back the pen it borrows), so an
    // equal pen is already the one in force.
    if (pen == CurrentPen) return;
    CurrentPen = pen;
    ApplyPen();
}

void QPainterCanvas::ApplyPen() {
    if (CurrentPen.Style == PenStyle::Null) {
        Painter.setPen(Qt::NoPen);
        return;
    }
    const long width = std::lround(std::max(0, CurrentPen.Width) * ScaleX());
    QPen pen(ToQColor(CurrentPen.Colour));
    if (width <= 1) {
        // Cosmetic: exactly one pixel at any transform; a square end covers both end pixels, which
        // DrawSegment relies on.
        pen.setWidth(0);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        pen.setWidth(static_cast<int>(width));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    QList<qreal> dashes = DashPattern(CurrentPen.Style);
    // A hairline's dashes are device pixels: on a finer device they keep their length on the screen.
    if (width <= 1)
        for (qreal& d : dashes)
            d *= Ratio;
    if (!dashes.isEmpty()) pen.setDashPattern(dashes);
    Painter.setPen(pen);
}

void QPainterCanvas::SetBrush(const Brush& brush) {
    if (brush == CurrentBrush) return;
    CurrentBrush = brush;
    ApplyBrush();
}

void QPainterCanvas::ApplyBrush() {
    if (CurrentBrush.Hollow)
        Painter.setBrush(Qt::NoBrush);
    else
        Painter.setBrush(QBrush(ToQColor(CurrentBrush.Colour)));
}

void QPainterCanvas::SetFont(const Font& font) {
    if (font == CurrentFont) return;
    CurrentFont = font;
    ApplyFont();
}

void QPainterCanvas::ApplyFont() {
    Selected = Fonts.Find(
        {CurrentFont.FaceName, CurrentFont.Height, CurrentFont.Weight, CurrentFont.Italic, ScaleY()},
        [this] { return ResolveFont(); });
    DeviceFont = Selected->Resolved;
}

QFont QPainterCanvas::ResolveFont() const {
    QFont f(QString::fromStdString(CurrentFont.FaceName));
    f.setWeight(WeightOf(CurrentFont.Weight));
    f.setItalic(CurrentFont.Italic);
    const double scale = ScaleY();
    if (CurrentFont.Height < 0) {
        // A negative height asks for the em size rather than the cell, as font pickers report it.
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(-CurrentFont.Height * scale))));
    } else {
        const long cell =
            CurrentFont.Height == 0 ? DefaultCellPixels : std::lround(CurrentFont.Height * scale);
        // The height is the character cell (ascent plus descent); Qt sizes fonts by the em, so measure the
        // face's cell-to-em ratio once at a large size.
        QFont reference = f;
        reference.setPixelSize(ReferencePixelSize);
        const QFontMetricsF metrics(reference);
        const double cellAtReference = metrics.ascent() + metrics.descent();
        int em = std::max(1, static_cast<int>(std::lround(
                                 cellAtReference > 0 ? cell * ReferencePixelSize / cellAtReference : cell)));
        // Metrics round per size; never let the cell come out taller than asked.
        for (f.setPixelSize(em); em > 1 && CellPixels(f) > cell; f.setPixelSize(em))
            --em;
    }
    return f;
}

void QPainterCanvas::SetRasterOp(RasterOp op) {
    Op = op;
    ApplyComposition();
}

void QPainterCanvas::ApplyComposition() {
    const RasterOp effective = RasterOpsSupported ? Op : RasterOp::Copy;
    Painter.setCompositionMode(CompositionOf(effective));
    // Antialiased glyph edges would blend under a raster operation and not cancel when drawn again.
    Painter.setRenderHint(QPainter::TextAntialiasing, effective == RasterOp::Copy);
}

void QPainterCanvas::SetBackgroundColour(Colorref c) {
    BackgroundColour = c;
    Painter.setBackground(QBrush(ToQColor(c)));
}

void QPainterCanvas::SetBackgroundOpaque(bool opaque) {
    BackgroundOpaque = opaque;
    // Opaque mode also fills the gaps of dashed lines with the background colour.
    Painter.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
}

void QPainterCanvas::SetTextAlign(TextHAlign h, TextVAlign v) {
    HAlign = h;
    VAlign = v;
}

void QPainterCanvas::MoveTo(int x, int y) {
    Current = {x, y};
}

void QPainterCanvas::LineTo(int x, int y) {
    DrawSegment(ToDevice(Current.X, Current.Y), ToDevice(x, y));
    Current = {x, y};
}

void QPainterCanvas::DrawSegment(QPoint from, QPoint to) {
    if (from == to || Painter.pen().style() == Qt::NoPen) return;
    if (!Painter.pen().isCosmetic()) {
        Painter.drawLine(from, to);
        return;
    }
    // A line covers its first pixel and stops one pixel short of its end, in whichever direction it runs,
    // so that joined segments meet without a gap and without a pixel drawn twice (which Xor would erase).
    // Qt leaves out the pixel at the larger coordinate instead, so draw both ends of a segment shortened
    // by one pixel along its major axis.
    const QPoint d = to - from;
    const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
    if (steps == 1) {
        Painter.drawPoint(from);
        return;
    }
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    const bool level = d.x() == 0 || d.y() == 0;
    const double keep = static_cast<double>(steps - 1) / steps;
    // Along an axis the shortened end is simply one pixel back from the end.
    const QPoint last = level ? to - QPoint(sign(d.x()), sign(d.y()))
                              : from + QPoint(static_cast<int>(std::lround(d.x() * keep)),
                                              static_cast<int>(std::lround(d.y() * keep)));
    // Most line work of a plan runs level or upright. Such a solid one-pixel line in plain colour is a
    // one-pixel-wide rectangle of the same pixels, which the raster engine fills several times faster than
    // it strokes the line.
    const auto modest = [](QPoint p) { return std::abs(p.x()) < FillLimit && std::abs(p.y()) < FillLimit; };
    if (level && Op == RasterOp::Copy && DeviceIsTranslation && Painter.pen().style() == Qt::SolidLine &&
        modest(from) && modest(last)) {
        // Both ends included; QRect::normalized would shift a reversed pair by a pixel.
        const QPoint topLeft(std::min(from.x(), last.x()), std::min(from.y(), last.y()));
        const QPoint bottomRight(std::max(from.x(), last.x()), std::max(from.y(), last.y()));
        Painter.fillRect(QRect(topLeft, bottomRight), Painter.pen().color());
        return;
    }
    Painter.drawLine(from, last);
}

void QPainterCanvas::Polyline(const std::vector<Point>& points) {
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawSegment(ToDevice(points[i - 1].X, points[i - 1].Y), ToDevice(points[i].X, points[i].Y));
}

void QPainterCanvas::Polygon(const std::vector<Point>& points) {
    if (points.size() < 2) return;
    QPolygon device;
    device.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& p : points)
        device << ToDevice(p.X, p.Y);
    Painter.drawPolygon(device, Qt::OddEvenFill);
}

QRect QPainterCanvas::DeviceBox(int left, int top, int right, int bottom) const {
    const QPoint a = ToDevice(left, top);
    const QPoint b = ToDevice(right, bottom);
    const int l = std::min(a.x(), b.x());
    const int t = std::min(a.y(), b.y());
    return QRect(l, t, std::max(a.x(), b.x()) - l, std::max(a.y(), b.y()) - t);
}

void QPainterCanvas::Rectangle(int left, int top, int right, int bottom) {
    const QRect box = DeviceBox(left, top, right, bottom);
    if (box.width() < 1 || box.height() < 1) return;
    if (Painter.pen().style() == Qt::NoPen) {
        // Without an outline the fill alone covers the whole box.
        Painter.fillRect(box, Painter.brush());
        return;
    }
    Painter.drawRect(StrokeBox(box));
}

void QPainterCanvas::Ellipse(int left, int top, int right, int bottom) {
    const QRect box = DeviceBox(left, top, right, bottom);
    if (box.width() < 1 || box.height() < 1) return;
    Painter.drawEllipse(StrokeBox(box));
}

void QPainterCanvas::Arc(int left, int top, int right, int bottom, int sx, int sy, int ex, int ey) {
    const QRect box = DeviceBox(left, top, right, bottom);
    if (box.width() < 1 || box.height() < 1) return;
    const QRectF r = StrokeBox(box);
    const double rx = r.width() / 2, ry = r.height() / 2;
    // The rays start at the box's logical centre, mapped without rounding, so that two points on one ray
    // give one angle.
    const QPointF centre = MapLogicalToDeviceF(DeviceMap, (left + right) / 2.0, (top + bottom) / 2.0);
    // Qt's arc angles are parametric on the ellipse (point = centre + (rx cos a, -ry sin a)); the start and
    // end are rays through given points, so find the parameter where each ray meets the ellipse. Angles are
    // taken as they appear on the device, which is counter-clockwise in logical units under the y-up mapping.
    const auto parameter = [&](int x, int y) {
        const QPointF d = MapLogicalToDeviceF(DeviceMap, x, y) - centre;
        double vx = d.x(), vy = -d.y();
        if (rx > 0 && ry > 0) {
            vx /= rx;
            vy /= ry;
        }
        return static_cast<int>(std::lround(std::atan2(vy, vx) * 180.0 / std::numbers::pi * 16.0));
    };
    const int start = parameter(sx, sy);
    int span = parameter(ex, ey) - start;
    // Coinciding rays give the whole ellipse.
    while (span <= 0)
        span += 360 * 16;
    Painter.drawArc(r, start, span);
}

void QPainterCanvas::RoundRect(int left, int top, int right, int bottom, int cornerW, int cornerH) {
    const QRect box = DeviceBox(left, top, right, bottom);
    if (box.width() < 1 || box.height() < 1) return;
    const QRectF r = StrokeBox(box);
    const double rx = std::min(std::abs(cornerW) * ScaleX() / 2, r.width() / 2);
    const double ry = std::min(std::abs(cornerH) * ScaleY() / 2, r.height() / 2);
    Painter.drawRoundedRect(r, rx, ry, Qt::AbsoluteSize);
}

const QPainterFontCache::Entry::Shaped& QPainterCanvas::ShapedText(const std::string& text) {
    QPainterFontCache::Entry& info = *Selected;
    if (info.Ascent < 0) {
        const QFontMetrics metrics(DeviceFont, Painter.device());
        info.Ascent = metrics.ascent();
        info.Descent = metrics.descent();
    }
    if (const auto it = info.Texts.find(text); it != info.Texts.end()) return it->second;
    if (info.Texts.size() >= 4096) info.Texts.clear();
    // One line, as wide as the string: its width places the anchor and the background, its glyph runs are
    // what drawing the string would draw.
    QTextLayout layout(TextToQString(text), DeviceFont, Painter.device());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QPainterFontCache::Entry::Shaped shaped;
    shaped.Width = static_cast<int>(std::lround(line.horizontalAdvance()));
    shaped.LineAscent = line.ascent();
    shaped.Runs = layout.glyphRuns();
    return info.Texts.emplace(text, std::move(shaped)).first->second;
}

void QPainterCanvas::TextOut(int x, int y, const std::string& text) {
    const QPainterFontCache::Entry::Shaped& shaped = ShapedText(text);
    const int ascent = Selected->Ascent, descent = Selected->Descent;
    const int w = shaped.Width;
    const int dx = HAlign == TextHAlign::Left ? 0 : HAlign == TextHAlign::Centre ? -w / 2 : -w;
    const int baseline = VAlign == TextVAlign::Top ? ascent : VAlign == TextVAlign::Baseline ? 0 : -descent;

    // The anchor is mapped, the glyphs are not: the text stays upright whatever the mapping's y direction,
    // turned counter-clockwise on the device by the escapement.
    const QPoint anchor = ToDevice(x, y);
    QTransform place;
    place.translate(anchor.x(), anchor.y());
    if (CurrentFont.Escapement % 3600 != 0) place.rotate(-CurrentFont.Escapement / 10.0);
    Painter.setWorldTransform(place * DeviceTransform);

    const QPen linePen = Painter.pen();
    Painter.setBackgroundMode(Qt::TransparentMode);
    if (BackgroundOpaque)
        Painter.fillRect(QRect(dx, baseline - ascent, w, ascent + descent), ToQColor(BackgroundColour));
    Painter.setPen(QPen(ToQColor(TextColour)));
    const QPointF origin(dx, baseline - shaped.LineAscent);
    for (const QGlyphRun& run : shaped.Runs)
        Painter.drawGlyphRun(origin, run);

    Painter.setPen(linePen);
    Painter.setBackgroundMode(BackgroundOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    RestoreDeviceTransform();
}

void QPainterCanvas::RestoreDeviceTransform() {
    Painter.setWorldTransform(DeviceTransform);
}

TextMetrics QPainterCanvas::GetTextMetrics() {
    const QFontMetrics metrics(DeviceFont, Painter.device());
    const double sx = ScaleX() > 0 ? ScaleX() : 1.0;
    const double sy = ScaleY() > 0 ? ScaleY() : 1.0;
    const auto toLogicalY = [sy](int pixels) { return static_cast<int>(std::lround(pixels / sy)); };
    TextMetrics m;
    m.Height = toLogicalY(metrics.ascent() + metrics.descent());
    m.Ascent = toLogicalY(metrics.ascent());
    m.Descent = m.Height - m.Ascent; // rounded once, so the parts add up to the whole
    m.AveCharWidth = static_cast<int>(std::lround(metrics.averageCharWidth() / sx));
    return m;
}

void QPainterCanvas::FillDeviceRect(const Rect& pixels, Colorref c) {
    if (pixels.Left == pixels.Right || pixels.Top == pixels.Bottom) return;
    const QRect r = DeviceRectOf(pixels, Ratio);
    if (r.isEmpty()) return;
    // The background erase paints plain colour whatever operation the rubber bands left selected.
    Painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Painter.fillRect(r, ToQColor(c));
    ApplyComposition();
}

} // namespace velmora
