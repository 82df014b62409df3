// The paint handler of the drawing window: the view's objects from the list in memory (fills beneath line
// work, overlays of other floors), the layout grid over the layout views, and the upkeep of the read-out's
// reference point. The list is kept equal to the working file by the commands that save, so a paint never
// reads the drawing file, never writes it and never changes an object.
#include "view/drawing_window.h"

#include "app/settings_files.h"
#include "model/drawing_objects.h"
#include "tools/drawing_tool.h"
#include "view/units.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace velmora {

namespace {

// A grid this dense would be a solid fill, and generating it could take unbounded time: such a grid is
// not drawn.
constexpr std::int64_t MaxGridLines = 4000;

void AddGridLine(std::vector<TLineobj>& lines, int view, int x1, int y1, int x2, int y2, Colorref c) {
    lines.emplace_back(1, view, 0, 0, x1, y1, x2, y2, c, 1, static_cast<int>(PenStyle::Dot));
}

// View 40: the border of the room group, then verticals every s from the left edge and horizontals every s
// from the top edge down.
std::vector<TLineobj> RoomGroupGrid(const Rect& b, int s, Colorref c, int view) {
    std::vector<TLineobj> lines;
    const std::int64_t w = std::int64_t{b.Right} - b.Left, h = std::int64_t{b.Top} - b.Bottom;
    if (w < 0 || h < 0 || w / s + h / s > MaxGridLines) return lines;
    AddGridLine(lines, view, b.Left, b.Top, b.Right, b.Top, c);
    AddGridLine(lines, view, b.Right, b.Top, b.Right, b.Bottom, c);
    AddGridLine(lines, view, b.Right, b.Bottom, b.Left, b.Bottom, c);
    AddGridLine(lines, view, b.Left, b.Bottom, b.Left, b.Top, c);
    for (std::int64_t x = b.Left; x <= b.Right; x += s)
        AddGridLine(lines, view, static_cast<int>(x), b.Top, static_cast<int>(x), b.Bottom, c);
    for (std::int64_t y = b.Top; y >= b.Bottom; y -= s)
        AddGridLine(lines, view, b.Left, static_cast<int>(y), b.Right, static_cast<int>(y), c);
    return lines;
}

// The first grid line at or after `from` that lies on the grid through `anchor`.
std::int64_t FirstOnGrid(std::int64_t anchor, std::int64_t from, std::int64_t s) {
    std::int64_t k = (from - anchor) / s;
    std::int64_t v = anchor + k * s;
    while (v < from)
        v += s;
    while (v - s >= from)
        v -= s;
    return v;
}

// View 45: the grid through the stored layout extents, repeated over the visible area.
std::vector<TLineobj> VisibleGrid(int anchorX, int anchorY, int s, Colorref c, int view, std::int64_t x0,
                                  std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    std::vector<TLineobj> lines;
    if (x1 < x0 || y1 < y0 || (x1 - x0) / s + (y1 - y0) / s > MaxGridLines) return lines;
    for (std::int64_t x = FirstOnGrid(anchorX, x0, s); x <= x1; x += s)
        AddGridLine(lines, view, SaturateToInt(x), SaturateToInt(y0), SaturateToInt(x), SaturateToInt(y1), c);
    for (std::int64_t y = FirstOnGrid(anchorY, y0, s); y <= y1; y += s)
        AddGridLine(lines, view, SaturateToInt(x0), SaturateToInt(y), SaturateToInt(x1), SaturateToInt(y), c);
    return lines;
}

} // namespace

void TMDIChild::PaintNow(Canvas& dc, const TObj& obj) const {
    dc.SetRasterOp(RasterOp::Copy);
    obj.Paint(dc, MakePaintContext(), 0);
}

PaintContext TMDIChild::MakePaintContext() const {
    PaintContext pc;
    pc.UnitsPerLogical = S.UnitsPerLogical;
    pc.DefaultZoom = S.DefaultZoom;
    pc.ZoomFactor = S.ZoomFactor;
    pc.WallDisplayMode = S.WallDisplayMode;
    pc.View = S.CurrentView;
    pc.BackgroundColour = S.BackgroundColour;
    pc.HighlightColour = S.HighlightColour;
    pc.CurrentColour = S.CurrentColour;
    pc.DefaultFontName = S.DefaultFontName;
    pc.ItalicFlag = S.ItalicFlag == 1;
    return pc;
}

void TMDIChild::ReadOverlayFlags() {
    const auto v = ReadSettingsInts(S.HomePath, "OVERLAY.CFG", 7);
    if (!v) return;
    std::array<int, 7> values{};
    std::copy(v->begin(), v->end(), values.begin());
    Overlay = OverlayFlags::FromValues(values);
}

// Beyond the area being repainted, how far an object's ink may spill in pixels and still be skipped: the
// rounding of the mapping, one-pixel pens and their square ends, and antialiased glyph edges.
constexpr int ClipMarginPixels = 4;

void TMDIChild::OnPaint(Canvas& dc, std::optional<Rect> clip) {
    const Size c = U.ClientSize();
    if (c.Height <= 0 || c.Width <= 0 || S.CurrentView > 999 || S.DrawingReady <= 1) return;
    const Point org = OriginFromScroll(Positions(), VScrollRange, c.Height, S.ZoomFactor);
    S.ViewOrgX = org.X;
    S.ViewOrgY = org.Y;
    ApplyMapping(dc);
    dc.SetBackgroundOpaque(true);
    const int view = S.CurrentView;
    const bool plan = view >= 101 && view <= 199;
    const bool layout = view >= 6 && view <= 49;
    if (!plan && !layout) return;
    if (plan) ReadOverlayFlags();
    const PaintContext pc = MakePaintContext();
    if (layout) UpkeepLayoutReference();
    // Only the objects that may reach the area are painted; the caller's canvas clips the rest.
    std::optional<LogicalBounds> area;
    if (clip) area = ClipBoundsForPixels(dc.GetMapping(), *clip, ClipMarginPixels);
    PaintView(dc, S.DrawingObjects, pc, Overlay, area);
    if (layout && S.LayoutGridOn == 1 && view < 49) PaintLayoutGrid(dc, pc);
    if (plan) UpkeepReference();
}

void TMDIChild::PaintLayoutGrid(Canvas& dc, const PaintContext& pc) {
    const int view = S.CurrentView;
    if (view != ViewLayout && view != ViewLayoutMarking) return;
    const auto grid = ReadSettingsInts(S.HomePath, MetricTwinName("LYTGRID", S.MetricFlag), 2);
    if (!grid || (*grid)[0] <= 0) return;
    const int s = (*grid)[0];
    const Colorref colour = (*grid)[1];
    std::vector<TLineobj> lines;
    if (view == ViewLayout) {
        if (const auto box = DesignRoomBox(S.DrawingObjects, view))
            lines = RoomGroupGrid(*box, s, colour, view);
    } else {
        const auto bounds = ReadSettingsInts(S.HomePath, "BOUNDS.CFG", 4);
        if (!bounds) return;
        const std::int64_t upl = S.UnitsPerLogical;
        lines = VisibleGrid((*bounds)[0], (*bounds)[1], s, colour, view, std::int64_t{S.ViewOrgX} * upl,
                            std::int64_t{S.ViewOrgY} * upl, (std::int64_t{S.ViewOrgX} + S.ViewExtX) * upl,
                            (std::int64_t{S.ViewOrgY} + S.ViewExtY) * upl);
    }
    ApplyMapping(dc);
    dc.SetBackgroundOpaque(false);
    dc.SetRasterOp(RasterOp::Copy);
    for (const TLineobj& line : lines)
        line.Paint(dc, pc, 0);
}

// On view 40 the read-out measures from the top-left corner of the room group until something else sets it.
void TMDIChild::UpkeepLayoutReference() {
    if (S.CurrentView != ViewLayout || ReadoutMode >= 4) return;
    const auto box = DesignRoomBox(S.DrawingObjects, S.CurrentView);
    if (!box) return;
    RefX = box->Left;
    RefY = box->Top;
    ReadoutMode = 4;
}

void TMDIChild::UpkeepReference() {
    if (ReadoutMode == 2 || ReadoutMode == 5 || ReadoutMode == 6) return;
    const TDrawingtool* tool = Tool();
    const int mode = tool ? tool->Mode : ModePick;
    const int step = tool ? tool->Step : 0;
    const bool wallRun = step == 180 || step == 181;
    if (mode != ModeInWall && !wallRun) MeasureFromDatum();
    if (mode != ModeExtWall || !tool) {
        ReadoutMode = 4;
        return;
    }
    if (wallRun) {
        RefX = tool->X1;
        RefY = tool->Y1;
    } else if (tool->X2 < 1 || tool->Y2 < 1) {
        if (S.WallDisplayMode != 4) ReadoutMode = 1;
    } else if (tool->SuggestedLength != 0) {
        RefX = tool->X1;
        RefY = tool->Y1;
    } else {
        RefX = tool->X2;
        RefY = tool->Y2;
    }
}

} // namespace velmora
