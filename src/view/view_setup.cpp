// Setting up the view of the drawing window: the sheet, the zoom, the extents, the origin and the scroll bars
// for the current view, when a view opens, the window is resized or the screen scale changes.
#include "view/drawing_window.h"

#include "app/settings_bounds.h"
#include "app/settings_files.h"
#include "view/units.h"

namespace velmora {

namespace {

bool IsSitePlan(int view) {
    return view == ViewSite || view == ViewSite + 1000;
}

} // namespace

void TMDIChild::ShowPixelSize() {
    U.SetPanel(1, PixelSizeText(S.ZoomFactor, S.MetricFlag));
}

void TMDIChild::ApplyScrollFromOrigin() {
    const ScrollRanges ranges = ScrollRangesFor(S.SheetWidth, S.SheetHeight, S.ZoomFactor);
    HScrollRange = ranges.Horizontal;
    VScrollRange = ranges.Vertical;
    const ScrollPositions pos = ScrollFromOrigin(Frame(), VScrollRange, S.ZoomFactor);
    U.SetScroll({HScrollRange, VScrollRange, pos.Horizontal, pos.Vertical});
}

void TMDIChild::WriteZoomStat() {
    std::string error;
    WriteSettingsLine(S.HomePath, "ZSTAT.CFG", error, "%d %d %d %d %d %f", 0, S.ViewExtX, S.ViewExtY,
                      S.ViewOrgX, S.ViewOrgY, static_cast<double>(S.ZoomFactor));
}

void TMDIChild::SetupView(int reason) {
    const int view = S.CurrentView;
    if (view >= 1 && view <= 5) return;
    const BoundedSettings stored = ReadSheetSetting(S.HomePath, S.MetricFlag);
    SettleSettingProblem(S.HomePath, MetricTwinName("DWGSIZE", S.MetricFlag), stored, U);
    SheetSize sheet = stored.Usable() ? SheetOf(stored) : SheetSize{S.SheetWidth, S.SheetHeight};
    S.SetUnitsFromMetricFlag();
    if (IsSitePlan(view)) {
        const BoundedSettings scale = ReadScaleSetting(S.HomePath, S.MetricFlag);
        SettleSettingProblem(S.HomePath, MetricTwinName("SCALEVIEW", S.MetricFlag), scale, U);
        if (scale.Usable()) S.SiteZoom = static_cast<float>(scale.Values[1]);
        S.ZoomFactor = S.SiteZoom > 0 ? S.SiteZoom : NormalZoom();
    }
    if (reason == 1) {
        const auto style = ReadSettingsInts(S.HomePath, "ZOOMSTYLE.CFG", 1);
        if (style && (*style)[0] == 0) S.ZoomFactor = NormalZoom();
    }
    S.ZoomFactor = UsableZoom(S.ZoomFactor);
    ShowPixelSize();
    const Size c = U.ClientSize();
    // A window with no client area (minimised, or not laid out yet) has no proportions to take: the view
    // keeps its frame until the next resize.
    if (c.Width <= 0 || c.Height <= 0) {
        S.MoveSheet(sheet.Width, sheet.Height);
        return;
    }
    const ViewFrame ext = ExtentsForClient(c.Width, c.Height, S.ZoomFactor);
    S.ViewExtX = ext.ExtX;
    S.ViewExtY = ext.ExtY;
    // The sheet takes the window's proportions, within the sides a sheet may have; the drawing moves with
    // the sheet's centre, so nothing the file stores changes with the shape of the window.
    if (const auto height = SheetHeightForView(sheet.Width, Frame(), S.MetricFlag);
        height && *height >= MinSheetSide && *height <= MaxSheetSide)
        sheet.Height = *height;
    S.MoveSheet(sheet.Width, sheet.Height);
    if (S.ZoomState < ZoomShrunk) {
        std::string error;
        WriteSettingsLine(S.HomePath, MetricTwinName("DWGSIZE", S.MetricFlag), error, "%ld %ld",
                          static_cast<long>(S.SheetWidth), static_cast<long>(S.SheetHeight));
    }
    CentreOnSheet(false);
    if (S.ZoomFactor == static_cast<float>(S.DefaultZoom)) {
        std::string error;
        WriteSettingsLine(S.HomePath, "ZOOM.CFG", error, "%d %d", S.ViewExtX, S.ViewExtY);
        WriteZoomStat();
    }
}

void TMDIChild::CentreOnSheet(bool repaint) {
    S.ZoomFactor = UsableZoom(S.ZoomFactor);
    const ScrollRanges ranges = ScrollRangesFor(S.SheetWidth, S.SheetHeight, S.ZoomFactor);
    HScrollRange = ranges.Horizontal;
    VScrollRange = ranges.Vertical;
    const ViewFrame centred = CentredOnSheet(Frame(), S.SheetWidth, S.SheetHeight, S.ZoomFactor);
    S.ViewOrgX = centred.OrgX;
    S.ViewOrgY = centred.OrgY;
    const ScrollPositions pos = CentredScrollPositions(centred, S.ZoomFactor);
    U.SetScroll({HScrollRange, VScrollRange, pos.Horizontal, pos.Vertical});
    if (repaint) U.Invalidate();
}

} // namespace velmora
