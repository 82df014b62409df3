// The wheel and the middle button on the drawing window: the wheel scrolls, Shift+wheel scrolls sideways,
// Ctrl+wheel zooms through the zoom steps about the pointer, and a middle-button drag moves the view with
// the pointer. All of them go through the window's own scroll positions, so the origin the paint derives
// from them is the one every other command sees.
#include "view/drawing_window.h"

#include "view/units.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora {

namespace {

// A notch of the wheel moves the view by ten line steps (50 pixels metric, 40 imperial): a fifth of a
// page, far enough to travel a sheet and short enough to keep the place in view.
constexpr int WheelLineSteps = 10;

// The zoom factors of Scale Drawing on Screen; beyond the largest the steps go on in whole multiples of
// the normal zoom, as Shrink to Half does.
std::vector<float> ZoomStepsUpTo(int metricFlag, float limit) {
    std::vector<float> steps = metricFlag == 1 ? std::vector<float>{1, 2, 3, 4, 5, 6, 7, 8, 9}
                                               : std::vector<float>{1, 2, 4, 8, 12, 24};
    const float normal = static_cast<float>(DefaultZoomFor(metricFlag));
    for (float z = (std::floor(steps.back() / normal) + 1) * normal; z <= limit; z += normal)
        steps.push_back(z);
    return steps;
}

} // namespace

void TMDIChild::OnWheel(bool vertical, int notches) {
    if (notches == 0) return;
    const int line = S.MetricFlag == 1 ? 5 : 4;
    ScrollBy(vertical, -notches * WheelLineSteps * line);
}

void TMDIChild::OnPan(Point delta) {
    if (delta.X == 0 && delta.Y == 0) return;
    ScrollPositions pos = Positions();
    pos.Horizontal -= delta.X;
    pos.Vertical -= delta.Y;
    SetPositions(pos);
}

std::optional<float> TMDIChild::NextZoomStep(bool enlarge) const {
    const Size c = U.ClientSize();
    if (c.Width <= 0 || c.Height <= 0) return std::nullopt;
    // A view never grows beyond the sheet, as Shrink to Half keeps it.
    const float limit =
        std::min(static_cast<float>(S.SheetWidth) / c.Width, static_cast<float>(S.SheetHeight) / c.Height);
    const std::vector<float> steps = ZoomStepsUpTo(S.MetricFlag, limit);
    const float z = S.ZoomFactor;
    // From a factor between two steps (a fit, a Zoom Up) the step on the side asked for comes first.
    if (enlarge) {
        const auto it = std::find_if(steps.rbegin(), steps.rend(), [z](float s) { return s < z; });
        if (it == steps.rend()) return std::nullopt;
        return *it;
    }
    const auto it =
        std::find_if(steps.begin(), steps.end(), [z, limit](float s) { return s > z && s <= limit; });
    if (it == steps.end()) return std::nullopt;
    return *it;
}

void TMDIChild::OnWheelZoom(Point px, bool enlarge) {
    if (S.DrawingReady != 2) return;
    const auto zoom = NextZoomStep(enlarge);
    if (!zoom) return;
    const Size c = U.ClientSize();
    // The logical point under the pointer stays under it.
    const Point at = PixelToLogical(ViewMappingFor(Frame(), c.Width, c.Height), px.X, px.Y);
    S.ZoomFactor = *zoom;
    const ViewFrame ext = ExtentsForClient(c.Width, c.Height, S.ZoomFactor);
    S.ViewExtX = ext.ExtX;
    S.ViewExtY = ext.ExtY;
    S.ViewOrgX = at.X - TruncToInt(px.X * static_cast<double>(S.ZoomFactor));
    S.ViewOrgY = at.Y - TruncToInt((c.Height - px.Y) * static_cast<double>(S.ZoomFactor));
    const float normal = NormalZoom();
    // Kept by "show new view at previous zoom state" as the zoom commands' states are: larger than
    // normal as a shrunk view, smaller as an enlarged one.
    S.ZoomState = S.ZoomFactor == normal ? ZoomNormal : S.ZoomFactor > normal ? ZoomShrunk : ZoomUpStarted;
    const ScrollRanges ranges = ScrollRangesFor(S.SheetWidth, S.SheetHeight, S.ZoomFactor);
    HScrollRange = ranges.Horizontal;
    VScrollRange = ranges.Vertical;
    // Set straight, not clamped: the point under the pointer stays there even at the sheet's edge.
    const ScrollPositions pos = ScrollFromOrigin(Frame(), VScrollRange, S.ZoomFactor);
    U.SetScroll({HScrollRange, VScrollRange, pos.Horizontal, pos.Vertical});
    const Point org = OriginFromScroll(pos, VScrollRange, c.Height, S.ZoomFactor);
    S.ViewOrgX = org.X;
    S.ViewOrgY = org.Y;
    ShowPixelSize();
    U.Invalidate();
}

} // namespace velmora
