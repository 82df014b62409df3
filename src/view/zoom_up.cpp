// Zoom Up: the user drags a rectangle over the area to enlarge. The rectangle is XOR-drawn straight onto the
// window's picture, twice to erase, and the view is then fitted to it at a whole zoom factor of at least 1.
#include "view/drawing_window.h"

#include "tools/drawing_tool.h"
#include "view/units.h"

#include <algorithm>
#include <cstdlib>

namespace velmora {

Point TMDIChild::WorldAtPixel(Point px) const {
    const Size c = U.ClientSize();
    const Point l = PixelToLogical(ViewMappingFor(Frame(), c.Width, c.Height), px.X, px.Y);
    return {LogicalToWorld(l.X, S.UnitsPerLogical), LogicalToWorld(l.Y, S.UnitsPerLogical)};
}

void TMDIChild::ZoomUpCommand() {
    if (S.DrawingReady != 2 || !Tool()) return;
    if (S.CurrentView <= 100) {
        U.Message("", "ZOOM UP\nNot available on room layouts or group drawings");
        return;
    }
    WriteZoomStat();
    S.LastCommand = 220;
    SaveWorkingCopy();
    ResumeToolKind = Tool()->Mode;
    ZoomRect[0] = ZoomRect[1] = Point{};
    Tool()->AuxStep = AuxZoomUpWaiting;
    ReadoutMode = 3;
    S.ZoomState = ZoomUpStarted;
    U.SetPanel(0, "GUIDE: press Left Button, hold down and drag cursor over area to enlarge");
}

void TMDIChild::DrawZoomRect(Canvas& dc) const {
    const int u = S.UnitsPerLogical;
    dc.Rectangle(WorldToLogical(ZoomRect[0].X, u), WorldToLogical(ZoomRect[0].Y, u),
                 WorldToLogical(ZoomRect[1].X, u), WorldToLogical(ZoomRect[1].Y, u));
}

// The rectangle is XOR-drawn in the current colour XOR the background, so that over the background it
// shows in the current colour: XOR with the current colour alone leaves a black rectangle on any
// picture invisible (x ^ 0 = x). Equal colours would cancel too; then it inverts what lies under it.
Pen TMDIChild::ZoomRectPen() const {
    const Colorref c = (S.CurrentColour ^ S.BackgroundColour) & 0xFFFFFFu;
    return Pen{PenStyle::Dot, 0, c != 0 ? c : Rgb(255, 255, 255)};
}

void TMDIChild::ZoomUpPress(Point px) {
    ZoomRect[0] = ZoomRect[1] = WorldAtPixel(px);
    Tool()->AuxStep = AuxZoomUpDragging;
}

void TMDIChild::ZoomUpDrag(Point px) {
    Canvas* dc = U.WindowCanvas();
    if (!dc) return;
    ApplyMapping(*dc);
    dc->SetRasterOp(RasterOp::Xor);
    dc->SetPen(ZoomRectPen());
    // Under XOR a black brush leaves the inside as it was.
    dc->SetBrush(Brush{false, Rgb(0, 0, 0)});
    DrawZoomRect(*dc);
    ZoomRect[1] = WorldAtPixel(px);
    DrawZoomRect(*dc);
    dc->SetRasterOp(RasterOp::Copy);
}

void TMDIChild::ZoomUpRelease(Point) {
    if (Canvas* dc = U.WindowCanvas()) {
        ApplyMapping(*dc);
        dc->SetRasterOp(RasterOp::Xor);
        dc->SetPen(ZoomRectPen());
        dc->SetBrush(Brush{true, 0});
        DrawZoomRect(*dc);
        dc->SetRasterOp(RasterOp::Copy);
    }
    const int u = S.UnitsPerLogical;
    const int x0 = WorldToLogical(ZoomRect[0].X, u), y0 = WorldToLogical(ZoomRect[0].Y, u);
    const int x1 = WorldToLogical(ZoomRect[1].X, u), y1 = WorldToLogical(ZoomRect[1].Y, u);
    // A click without a drag selects nothing: Zoom Up stays armed from the same first corner.
    if (x0 == x1 || y0 == y1) return;
    const Size c = U.ClientSize();
    if (c.Width <= 0 || c.Height <= 0) {
        Tool()->AuxStep = S.CurrentView;
        return;
    }
    const int selX = std::abs(x1 - x0), selY = std::abs(y1 - y0);
    int extX = selX, extY = selY;
    S.ViewOrgX = std::min(x0, x1);
    S.ViewOrgY = std::min(y0, y1);
    const double r = static_cast<double>(c.Width) / c.Height;
    const bool adjustX = extY * r > extX;
    int zoom;
    if (adjustX) {
        extX = RoundHalfUp(extY * r);
        zoom = extX / c.Width;
    } else {
        extY = RoundHalfUp(extX / r);
        zoom = extY / c.Height;
    }
    zoom = std::max(zoom, 1);
    const ViewFrame ext = ExtentsForClient(c.Width, c.Height, static_cast<float>(zoom));
    S.ViewExtX = ext.ExtX;
    S.ViewExtY = ext.ExtY;
    if (adjustX)
        S.ViewOrgX -= (S.ViewExtX - selX) / 2;
    else
        S.ViewOrgY -= (S.ViewExtY - selY) / 2;
    S.ZoomFactor = static_cast<float>(S.ViewExtX) / static_cast<float>(c.Width);
    AlignToReference();
    ApplyScrollFromOrigin();
    Tool()->AuxStep = S.CurrentView;
    ShowPixelSize();
    if (S.MetricFlag != 1)
        U.SetPanel(0, "CAUTION: Zoom Up may not give precise measurements using feet & inches");
    U.Invalidate();
    U.UpdateNow();
}

} // namespace velmora
