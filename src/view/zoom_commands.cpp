// The zoom commands of the drawing window: Back to Normal, Shrink to Half, Fit Walls on Screen and the fit
// to everything, with the origin adjustment they share, and Scale Drawing on Screen. Every command that
// holds DrawingReady at 1 while it works puts it back to 2 on every path, so no early exit can leave the
// program refusing all commands.
#include "view/drawing_window.h"

#include "app/drawing_store.h"
#include "app/settings_bounds.h"
#include "app/settings_files.h"
#include "dialogs/scale_dialogs.h"
#include "dialogs/customise_dialogs.h"
#include "model/drawing_objects.h"
#include "tools/drawing_tool.h"
#include "tools/line_tool.h"
#include "tools/tool_install.h"
#include "view/units.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

namespace velmora {

namespace {

constexpr int EmptyExtent = 200000;

struct WorldBox {
    int MinX = EmptyExtent, MaxX = 0, MaxY = 0, MinY = EmptyExtent;
    bool Empty() const { return MinX == EmptyExtent || MinY == EmptyExtent || MaxX == 0 || MaxY == 0; }
};

// The extents of a view's content: its walls (kind 4) or every object (kind 5), from the floor records on.
// The empty marker is kept, so a view without content fits nothing.
WorldBox ContentExtents(const TFlist& list, int view, bool wallsOnly) {
    WorldBox b;
    bool any = false;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj* obj = list.At(i);
        if (obj->View != view || (wallsOnly && !IsWallKind(obj->Kind))) continue;
        const int xs[2] = {obj->X1, obj->X2}, ys[2] = {obj->Y1, obj->Y2};
        for (int k = 0; k < 2; ++k) {
            if (!any) b = {xs[k], xs[k], ys[k], ys[k]};
            any = true;
            b.MinX = std::min(b.MinX, xs[k]), b.MaxX = std::max(b.MaxX, xs[k]);
            b.MinY = std::min(b.MinY, ys[k]), b.MaxY = std::max(b.MaxY, ys[k]);
        }
    }
    return any ? b : WorldBox{};
}

// The design rooms of a layout view bound the fit there.
WorldBox LayoutExtents(const TFlist& list, int view) {
    const auto rooms = DesignRoomBox(list, view);
    if (!rooms) return WorldBox{};
    return {rooms->Left, rooms->Right, rooms->Top, rooms->Bottom};
}

} // namespace

void TMDIChild::SaveWorkingCopy() {
    SaveDrawing(S, ModeWorking);
}

bool TMDIChild::BeginZoomCommand(int kind) {
    if (S.DrawingReady != 2 || !U.HasDrawingWindow()) return false;
    SaveWorkingCopy();
    S.LastCommand = 220;
    ResumeToolKind = Tool() ? Tool()->Mode : ModePick;
    if (S.CurrentView == ViewSite && kind == ZoomFitWalls) {
        U.Message("", "FIT WALLS ON SCREEN\nThis function is not intended to work on the Site plan\n"
                      "Use the ZOOM / 'Scale Drawing on Screen' function");
        S.DrawingReady = 2;
        return false;
    }
    if (S.CurrentView == ViewSite) {
        S.CurrentTool = std::make_unique<TLineobjtool>(S, U, ModePick);
        S.CurrentTool->Operation(190);
        SaveWorkingCopy();
    }
    return true;
}

void TMDIChild::ZoomCommand(int kind) {
    if (kind < ZoomNormal || kind > ZoomFitAll) return;
    if (!BeginZoomCommand(kind)) return;
    S.DrawingReady = 1;
    if (S.ZoomState > 0) S.ZoomState = kind;
    ZoomTo(kind);
}

void TMDIChild::ZoomTo(int kind) {
    switch (kind) {
    case ZoomNormal:
        ZoomBackToNormal();
        break;
    case ZoomShrunk:
        ZoomShrinkToHalf();
        break;
    case ZoomFitWalls:
    case ZoomFitAll:
        ZoomFit(kind);
        break;
    default:
        break;
    }
    FinishZoom();
}

// The tail every zoom runs, whether it changed the view or found nothing to do.
void TMDIChild::FinishZoom() {
    S.ZoomFactor = UsableZoom(S.ZoomFactor);
    ApplyScrollFromOrigin();
    S.DrawingReady = 2;
    if (ResumeToolKind == ModeMove) ResumeToolKind = ModePick;
    InstallTool(S, U, ResumeToolKind);
    if (Tool()) Tool()->Window = this;
    ShowPixelSize();
    U.Invalidate();
}

bool TMDIChild::ZoomBackToNormal() {
    S.SetUnitsFromMetricFlag();
    S.ZoomFactor = NormalZoom();
    if (S.CurrentView == ViewSite && S.SiteZoom > 0) S.ZoomFactor = S.SiteZoom;
    const Size c = U.ClientSize();
    if (c.Width > 0 && c.Height > 0) {
        const ViewFrame ext = ExtentsForClient(c.Width, c.Height, S.ZoomFactor);
        S.ViewExtX = ext.ExtX;
        S.ViewExtY = ext.ExtY;
    }
    const ViewFrame centred = CentredOnSheet(Frame(), S.SheetWidth, S.SheetHeight, S.ZoomFactor);
    S.ViewOrgX = centred.OrgX;
    S.ViewOrgY = centred.OrgY;
    if (S.CurrentView >= 50) MeasureFromDatum();
    S.ZoomState = ZoomNormal;
    return true;
}

bool TMDIChild::ZoomShrinkToHalf() {
    const Size c = U.ClientSize();
    if (c.Width <= 0 || c.Height <= 0) return false;
    // The extents of one window at normal size; a missing or unusable ZOOM.CFG is worked out from the client.
    const ViewFrame normal = ExtentsForClient(c.Width, c.Height, static_cast<float>(S.DefaultZoom));
    int a = normal.ExtX, b = normal.ExtY;
    const BoundedSettings stored = ReadNormalExtentSetting(S.HomePath, a, b);
    SettleSettingProblem(S.HomePath, "ZOOM.CFG", stored, U);
    if (stored.Usable()) {
        a = stored.Int(0);
        b = stored.Int(1);
    }
    if (static_cast<float>(S.DefaultZoom) > S.ZoomFactor) {
        S.ViewExtX = a;
        S.ViewExtY = b;
        S.ZoomFactor = static_cast<float>(S.DefaultZoom);
    }
    const std::int64_t wider = std::int64_t{S.ViewExtX} + a, taller = std::int64_t{S.ViewExtY} + b;
    if (wider <= S.SheetWidth && taller <= S.SheetHeight) {
        S.ViewExtX = static_cast<int>(wider);
        S.ViewExtY = static_cast<int>(taller);
    }
    if (S.ViewExtX > 0) S.ZoomFactor = static_cast<float>(S.ViewExtX) / static_cast<float>(c.Width);
    S.ViewOrgX = (S.SheetWidth - S.ViewExtX) / 2;
    S.ViewOrgY = (S.SheetHeight - S.ViewExtY) / 2;
    AlignToReference();
    S.ZoomState = ZoomShrunk;
    return true;
}

bool TMDIChild::ZoomFit(int kind) {
    S.ZoomState = kind;
    const Size c = U.ClientSize();
    if (c.Width <= 0 || c.Height <= 0) return false;
    return S.CurrentView < 50 ? FitLayout(kind) : FitFloor(kind);
}

namespace {

// Widens the short side of a logical box to the client's proportions; returns the growth of the widened
// axis (x when `widenedX`).
int WidenToClient(int& extX, int& extY, Size c, bool& widenedX) {
    const double r = static_cast<double>(c.Width) / c.Height;
    if (extY * r > extX) {
        const int grown = RoundHalfUp(extY * r);
        const int growth = grown - extX;
        extX = grown;
        widenedX = true;
        return growth;
    }
    const int grown = RoundHalfUp(extX / r);
    const int growth = grown - extY;
    extY = grown;
    widenedX = false;
    return growth;
}

} // namespace

bool TMDIChild::FitLayout(int) {
    const WorldBox box = LayoutExtents(S.DrawingObjects, S.CurrentView);
    if (box.Empty()) return false;
    const int upl = S.UnitsPerLogical;
    const int d = 10 * upl;
    int minX = WorldToLogical(box.MinX, upl) - d, maxX = WorldToLogical(box.MaxX, upl) + 2 * d;
    int maxY = WorldToLogical(box.MaxY, upl) + d, minY = WorldToLogical(box.MinY, upl) - 2 * d;
    int extX = maxX - minX, extY = maxY - minY;
    if (extX <= 0 || extY <= 0) return false;
    const Size c = U.ClientSize();
    bool widenedX = false;
    WidenToClient(extX, extY, c, widenedX);
    S.ViewExtX = extX;
    S.ViewExtY = extY;
    S.ZoomFactor = static_cast<float>(extX) / static_cast<float>(c.Width);
    S.ViewOrgX = minX;
    S.ViewOrgY = minY;
    AlignToReference();
    ReadoutMode = 1;
    return true;
}

bool TMDIChild::FitFloor(int kind) {
    const WorldBox box = ContentExtents(S.DrawingObjects, S.CurrentView, kind == ZoomFitWalls);
    if (box.Empty()) return false;
    const int upl = S.UnitsPerLogical;
    const int minX = WorldToLogical(box.MinX, upl), maxX = WorldToLogical(box.MaxX, upl);
    const int minY = WorldToLogical(box.MinY, upl), maxY = WorldToLogical(box.MaxY, upl);
    int extX = maxX - minX, extY = maxY - minY;
    // A single point, or walls along one line, have no area whose proportions could set a zoom.
    if (extX <= 0 && extY <= 0) return false;
    const Size c = U.ClientSize();
    S.ViewOrgX = minX;
    S.ViewOrgY = minY;
    bool widenedX = false;
    const int growth = WidenToClient(extX, extY, c, widenedX);
    if (widenedX) {
        S.ViewOrgX -= growth / 2;
        S.ZoomFactor = static_cast<float>(extY) / static_cast<float>(c.Height);
    } else {
        S.ViewOrgY -= growth / 2;
        S.ZoomFactor = static_cast<float>(extX) / static_cast<float>(c.Width);
    }
    S.ViewExtX = extX;
    S.ViewExtY = extY;
    FitZoomToClient();
    return true;
}

void TMDIChild::FitZoomToClient() {
    const Size c = U.ClientSize();
    if (c.Width <= 0 || c.Height <= 0) return;
    const double z = static_cast<double>(S.ViewExtX) / c.Width;
    if (z >= 1) {
        const int whole = TruncToInt(z);
        const bool fraction = TruncToInt(100.0 * z) % 100 > 0;
        S.ZoomFactor = static_cast<float>(whole + (fraction ? 1 : 0));
    } else {
        S.ZoomFactor = 1.0f;
    }
    const ViewFrame ext = ExtentsForClient(c.Width, c.Height, S.ZoomFactor);
    S.ViewExtX = ext.ExtX;
    S.ViewExtY = ext.ExtY;
    S.ViewOrgX = (S.SheetWidth - S.ViewExtX) / 2;
    S.ViewOrgY = (S.SheetHeight - S.ViewExtY) / 2;
    ShowPixelSize();
}

void TMDIChild::AlignToReference() {
    const double h = S.MetricFlag == 1 ? 5 : 4;
    const double step = static_cast<double>(S.ZoomFactor) * h;
    if (!(step > 0) || !std::isfinite(step)) return;
    const auto shift = [&](int ref, int org) {
        const double g = ref - static_cast<double>(org) * S.UnitsPerLogical;
        return TruncToInt(h * (g - step * std::trunc(g / step)));
    };
    const float upl = static_cast<float>(S.UnitsPerLogical);
    const int mx = shift(RefX, S.ViewOrgX), my = shift(RefY, S.ViewOrgY);
    if (upl < S.ZoomFactor) {
        S.ViewOrgX += mx;
        S.ViewOrgY += my;
    } else if (upl > S.ZoomFactor) {
        S.ViewOrgX -= mx;
        S.ViewOrgY -= my;
    }
}

void TMDIChild::ScaleDrawingCommand() {
    if (S.DrawingReady <= 0 || !U.HasDrawingWindow()) return;
    const float previous = S.ZoomFactor;
    SaveWorkingCopy();
    const std::string file = MetricTwinName("SCALEVIEW", S.MetricFlag);
    const BoundedSettings scale = ReadScaleSetting(S.HomePath, S.MetricFlag);
    SettleSettingProblem(S.HomePath, file, scale, U);
    if (scale.Usable()) S.SiteZoom = static_cast<float>(scale.Values[1]);
    const int width = U.ClientSize().Width;
    const bool metric = S.MetricFlag == 1;
    DialogDescription d = metric ? TTScaledlg::Make(S.ZoomFactor, S.SiteZoom, width)
                                 : TTScaleImpdlg::Make(S.ZoomFactor, S.SiteZoom, width);
    const std::string pressed = U.RunDialog(d);
    if (pressed != (metric ? "O K" : "OK")) {
        S.ZoomFactor = previous;
        InstallTool(S, U, ModePick);
        return;
    }
    const ScaleChoice choice = metric ? TTScaledlg::Result(d, S.ZoomFactor, S.SiteZoom)
                                      : TTScaleImpdlg::Result(d, S.ZoomFactor, S.SiteZoom);
    S.ZoomFactor = choice.ZoomFactor;
    // A site scale the mapping cannot show (a pixel of kilometres) keeps the one there was.
    if (choice.SiteZoom >= MinZoom && choice.SiteZoom <= MaxZoom) S.SiteZoom = choice.SiteZoom;
    std::string error;
    WriteSettingsLine(S.HomePath, file, error, "%f %f", static_cast<double>(S.ZoomFactor),
                      static_cast<double>(S.SiteZoom));
    SaveWorkingCopy();
    SetupView(2);
    U.Invalidate();
    ShowPixelSize();
}

void ZoomStyleCommand(AppState& state, Ui& ui) {
    state.LastCommand = 310;
    const auto stored = ReadSettingsInts(state.HomePath, "ZOOMSTYLE.CFG", 1);
    DialogDescription d = TTZoomdlg::Make(stored ? (*stored)[0] : 0);
    if (ui.RunDialog(d) != "O K") return;
    std::string error;
    if (!WriteSettingsLine(state.HomePath, "ZOOMSTYLE.CFG", error, "%d", TTZoomdlg::Result(d)))
        ui.Message("", "Error: the setting was not saved\n" + error, MessageKind::Error);
}

} // namespace velmora
