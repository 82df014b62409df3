#include "view/view_mapping.h"

#include "view/units.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace velmora {

namespace {

using Wide = __int128;

int Saturate(Wide v) {
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

Wide FloorDiv(Wide a, Wide b) {
    Wide q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0))) --q;
    return q;
}

// round(num / den) with halves going up: floor((2 num + den) / (2 den)) for den > 0.
Wide RoundedDiv(Wide num, Wide den) {
    if (den < 0) num = -num, den = -den;
    return FloorDiv(2 * num + den, 2 * den);
}

// One axis of the transform: from (value - fromOrg) * toExt / fromExt + toOrg.
int MapAxis(int value, int fromOrg, int fromExt, int toOrg, int toExt) {
    if (fromExt == 0) return toOrg;
    return Saturate(RoundedDiv((Wide{value} - fromOrg) * toExt, fromExt) + toOrg);
}

template <typename... Args> std::string Format(const char* format, Args... args) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

// An imperial offset split for the read-out: whole feet and inches of the magnitude, the rest in 24ths.
// A negative offset shows its sign on the feet, or on the inches when the feet are 0.
struct FeetInches {
    long long Feet = 0;
    long long Inches = 0;
    int Rest = 0;
};

FeetInches SplitImperial(int value) {
    const long long magnitude = std::llabs(static_cast<long long>(value));
    FeetInches s{magnitude / WorldPerFoot, magnitude / WorldPerInch % 12,
                 static_cast<int>(magnitude % WorldPerInch)};
    if (value < 0) {
        if (s.Feet != 0)
            s.Feet = -s.Feet;
        else
            s.Inches = -s.Inches;
    }
    return s;
}

std::string FeetText(const FeetInches& s) {
    return Format("%lld' %lld", s.Feet, s.Inches);
}

// The eighths the rest is rounded down to, as a reduced fraction; nothing below one eighth.
std::optional<InchFraction> EighthsBelow(int rest24) {
    return EighthsOf(rest24 - rest24 % 3);
}

std::string WithFraction(const FeetInches& s, const InchFraction& f) {
    return FeetText(s) + Format(" %d/%d", f.Numerator, f.Denominator);
}

std::string ImperialReadoutText(int dx, int dy, const Measure& measure, float zoomFactor) {
    const FeetInches h = SplitImperial(dx), v = SplitImperial(dy), len = SplitImperial(measure.Length);
    const std::string tail = ": leng " + FeetText(len) + Format(": degs %.1f", measure.Bearing);
    std::optional<InchFraction> hf, vf;
    if (zoomFactor < static_cast<float>(DefaultZoomFor(0)))
        hf = EighthsBelow(h.Rest), vf = EighthsBelow(v.Rest);
    if (hf && vf) return WithFraction(h, *hf) + ": " + WithFraction(v, *vf) + tail;
    const std::string hor = hf ? WithFraction(h, *hf) : FeetText(h);
    const std::string ver = vf ? WithFraction(v, *vf) : FeetText(v);
    return " hor " + hor + ": ver " + ver + tail;
}

} // namespace

Mapping ViewMappingFor(const ViewFrame& frame, int clientWidth, int clientHeight) {
    const int width = std::max(clientWidth, 0);
    const int height = std::max(clientHeight, 0);
    Mapping m;
    m.WindowOrgX = frame.OrgX;
    m.WindowOrgY = frame.OrgY;
    m.WindowExtX = frame.ExtX == 0 ? 1 : frame.ExtX;
    m.WindowExtY = frame.ExtY == 0 ? 1 : frame.ExtY;
    m.ViewportOrgX = 0;
    m.ViewportOrgY = height;
    m.ViewportExtX = std::max(width, 1);
    m.ViewportExtY = -std::max(height, 1);
    return m;
}

void ApplyViewMapping(Canvas& dc, const ViewFrame& frame, int clientWidth, int clientHeight) {
    dc.SetMapping(ViewMappingFor(frame, clientWidth, clientHeight));
}

Point LogicalToPixel(const Mapping& m, int lx, int ly) {
    return {MapAxis(lx, m.WindowOrgX, m.WindowExtX, m.ViewportOrgX, m.ViewportExtX),
            MapAxis(ly, m.WindowOrgY, m.WindowExtY, m.ViewportOrgY, m.ViewportExtY)};
}

Point PixelToLogical(const Mapping& m, int px, int py) {
    return {MapAxis(px, m.ViewportOrgX, m.ViewportExtX, m.WindowOrgX, m.WindowExtX),
            MapAxis(py, m.ViewportOrgY, m.ViewportExtY, m.WindowOrgY, m.WindowExtY)};
}

float UsableZoom(float zoomFactor) {
    return std::isfinite(zoomFactor) && zoomFactor > 0.0f ? zoomFactor : 1.0f;
}

ScrollRanges ScrollRangesFor(int sheetWidth, int sheetHeight, float zoomFactor) {
    const double z = UsableZoom(zoomFactor);
    return {TruncToInt(sheetWidth / z), TruncToInt(sheetHeight / z)};
}

Point OriginFromScroll(const ScrollPositions& pos, int vScrollRange, int clientHeight, float zoomFactor) {
    const double z = UsableZoom(zoomFactor);
    const double rows = static_cast<double>(vScrollRange) - pos.Vertical - clientHeight;
    return {TruncToInt(pos.Horizontal * z), TruncToInt(rows * z)};
}

ScrollPositions ScrollFromOrigin(const ViewFrame& frame, int vScrollRange, float zoomFactor) {
    const double z = UsableZoom(zoomFactor);
    return {TruncToInt(frame.OrgX / z),
            RoundHalfUp((vScrollRange * z - frame.OrgY - static_cast<double>(frame.ExtY)) / z)};
}

ViewFrame ExtentsForClient(int clientWidth, int clientHeight, float zoomFactor) {
    const double z = UsableZoom(zoomFactor);
    return {0, 0, TruncToInt(clientWidth * z), TruncToInt(clientHeight * z)};
}

ViewFrame CentredOnSheet(const ViewFrame& frame, int sheetWidth, int sheetHeight, float zoomFactor) {
    const double z = UsableZoom(zoomFactor);
    auto centre = [z](int sheet, int extent) {
        const int origin = Saturate((Wide{sheet} - extent) / 2);
        return TruncToInt(TruncToInt(origin / z) * z);
    };
    ViewFrame out = frame;
    out.OrgX = centre(sheetWidth, frame.ExtX);
    out.OrgY = centre(sheetHeight, frame.ExtY);
    return out;
}

std::optional<int> SheetHeightForView(int sheetWidth, const ViewFrame& frame, int metricFlag) {
    if (frame.ExtX <= 0 || frame.ExtY <= 0) return std::nullopt;
    const Wide height = Wide{sheetWidth} * frame.ExtY / frame.ExtX;
    const int step = metricFlag == 1 ? 25 : 24;
    if (height < step || height > INT_MAX) return std::nullopt;
    return static_cast<int>(height / step * step);
}

ScrollPositions CentredScrollPositions(const ViewFrame& frame, float zoomFactor) {
    const double z = UsableZoom(zoomFactor);
    return {RoundHalfUp(frame.OrgX / z), RoundHalfUp(frame.OrgY / z)};
}

Measure MeasureFromRef(int dx, int dy, int unitsPerLogical) {
    const long long ax = std::llabs(static_cast<long long>(dx));
    const long long ay = std::llabs(static_cast<long long>(dy));
    if (ax <= 24 && ay <= 24) return {0, 0.0};
    if (dy == 0) return {Saturate(ax), dx > 0 ? 90.0 : 270.0};
    if (dx == 0) return {Saturate(ay), dy > 0 ? 0.0 : 180.0};
    const double u = std::max(unitsPerLogical, 1);
    const double logical = std::floor(std::hypot(ax / u, ay / u));
    const int length = TruncToInt(logical * u);
    const double r = std::atan(static_cast<double>(ax) / static_cast<double>(ay)) * 180.0 / std::numbers::pi;
    double bearing;
    if (dx > 0)
        bearing = dy > 0 ? r : 180.0 - r;
    else
        bearing = dy < 0 ? 180.0 + r : 360.0 - r;
    return {length, bearing};
}

int CaptureReference(int reference, int cursor, float zoomFactor, int metricFlag) {
    const int b = TruncToInt(static_cast<double>(UsableZoom(zoomFactor)) * DefaultZoomFor(metricFlag) * 0.5);
    const long long r = reference;
    return r - b < cursor && cursor < r + b + 1 ? cursor : reference;
}

std::string ReadoutText(int dx, int dy, const Measure& measure, int readoutMode, int metricFlag,
                        float zoomFactor) {
    if (metricFlag != 1) return ImperialReadoutText(dx, dy, measure, zoomFactor);
    if (readoutMode == 2 || readoutMode == 3) return Format(" hor %d: ver %d mm.", dx, dy);
    return Format(" hor %d: ver %d: leng %d mm: degs %.1f: ", dx, dy, measure.Length, measure.Bearing);
}

std::optional<Readout> ShowReadoutText(const ReadoutInput& in) {
    if (in.ReadoutMode < 2) return std::nullopt;
    Readout out;
    out.RefX = CaptureReference(in.RefX, in.CursorX, in.ZoomFactor, in.MetricFlag);
    out.RefY = CaptureReference(in.RefY, in.CursorY, in.ZoomFactor, in.MetricFlag);
    const int dx = Saturate(Wide{in.CursorX} - out.RefX);
    const int dy = Saturate(Wide{in.CursorY} - out.RefY);
    const Measure measure = MeasureFromRef(dx, dy, UnitsPerLogicalFor(in.MetricFlag));
    out.Text = ReadoutText(dx, dy, measure, in.ReadoutMode, in.MetricFlag, in.ZoomFactor);
    return out;
}

} // namespace velmora
