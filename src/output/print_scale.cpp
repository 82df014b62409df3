#include "output/print_scale.h"

#include <cmath>
#include <limits>

namespace velmora {

namespace {

constexpr double MaxDevicePixels = 1 << 28; // far beyond any page; keeps every sum below in the int range

// wx * U / S inches of paper times the resolution, in floating point: an integer division here would lose
// up to a whole world unit per logical unit at scales such as 96 : 1.
std::optional<int> DeviceExtent(int logical, int unitsPerLogical, int scale, int dpi, double calibration,
                                double inchesPerUnit) {
    const double pixels =
        static_cast<double>(logical) * unitsPerLogical / scale * dpi * calibration * inchesPerUnit;
    if (!(pixels >= 1.0 && pixels < MaxDevicePixels)) return std::nullopt;
    return static_cast<int>(pixels);
}

} // namespace

double ScaleRatio(int metricFlag, int scale) {
    return (metricFlag == 1 ? 100.0 : 96.0) / scale;
}

int PenFactor(int lineWeight, double k) {
    const int w = lineWeight == LineLight ? 1 : lineWeight == LineHeavy ? 5 : 3;
    const double f = w * k;
    return f < std::numeric_limits<int>::max() ? static_cast<int>(f) : std::numeric_limits<int>::max();
}

int TextFactor(int textSize, double k) {
    const int t = textSize == TextSmall ? 4 : textSize == TextLarge ? 8 : 6;
    const double f = t / k;
    if (f < 1.0) return 1;
    return f < std::numeric_limits<int>::max() ? static_cast<int>(f) : std::numeric_limits<int>::max();
}

std::optional<PageMapping> MapAreaOnPage(const WorldArea& area, int unitsPerLogical, int metricFlag,
                                         int scale, double calibration, const DeviceInfo& device,
                                         PagePlacement placement) {
    if (scale <= 0 || unitsPerLogical <= 0 || !(calibration > 0) || device.DpiX <= 0 || device.DpiY <= 0)
        return std::nullopt;
    const int u = unitsPerLogical;
    const int wx = static_cast<int>((static_cast<long long>(area.MaxX) - area.MinX) / u);
    const int wy = static_cast<int>((static_cast<long long>(area.MaxY) - area.MinY) / u);
    if (wx <= 0 || wy <= 0) return std::nullopt;
    const double inches = metricFlag == 1 ? InchesPerMillimetre : InchesPerImperialUnit;
    const auto vx = DeviceExtent(wx, u, scale, device.DpiX, calibration, inches);
    const auto vy = DeviceExtent(wy, u, scale, device.DpiY, calibration, inches);
    if (!vx || !vy || device.PageWidth > MaxDevicePixels || device.PageHeight > MaxDevicePixels)
        return std::nullopt;

    PageMapping p;
    p.DeviceWidth = *vx;
    p.DeviceHeight = *vy;
    p.PixelsPerLogicalX = static_cast<double>(*vx) / wx;
    Mapping& m = p.Map;
    m.WindowOrgX = area.MinX / u;
    m.WindowOrgY = area.MinY / u;
    m.WindowExtX = wx;
    m.WindowExtY = wy;
    m.ViewportExtX = *vx;
    m.ViewportExtY = -*vy;
    // The viewport origin is where the area's lower-left corner lands.
    const int pw = device.PageWidth, ph = device.PageHeight;
    const int centredX = (pw - *vx) / 2;
    const int centredY = (ph + *vy) / 2;
    switch (placement) {
    case PagePlacement::Centred:
        m.ViewportOrgX = centredX, m.ViewportOrgY = centredY;
        break;
    case PagePlacement::AgainstRight:
        m.ViewportOrgX = pw - *vx, m.ViewportOrgY = centredY;
        break;
    case PagePlacement::AgainstLeft:
        m.ViewportOrgX = 0, m.ViewportOrgY = centredY;
        break;
    case PagePlacement::AgainstBottom: // the top half: its lower edge on the page's lower edge
        m.ViewportOrgX = centredX, m.ViewportOrgY = ph;
        break;
    case PagePlacement::AgainstTop: // the bottom half: its upper edge on the page's upper edge
        m.ViewportOrgX = centredX, m.ViewportOrgY = *vy;
        break;
    }
    return p;
}

} // namespace velmora
