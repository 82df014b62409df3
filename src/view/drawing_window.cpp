#include "view/drawing_window.h"

#include "app/drawing_store.h"
#include "app/settings_files.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"
#include "view/units.h"

#include <algorithm>
#include <cstdint>

namespace velmora {

TMDIChild::TMDIChild(AppState& state, Ui& ui, bool readWorkingFile)
    : S(state), U(ui), Alive(std::make_shared<TMDIChild*>(this)) {
    ReadColours();
    U.SetBackground(S.BackgroundColour);
    S.SetUnitsFromMetricFlag();
    if (S.ZoomState < ZoomShrunk) S.ZoomFactor = NormalZoom();
    if (readWorkingFile && S.DrawingReady > 0) LoadWorkingFile();
}

// The tool outlives the window when the drawing is closed; it must not keep a window that is gone.
TMDIChild::~TMDIChild() {
    if (S.CurrentTool && S.CurrentTool->Window == this) S.CurrentTool->Window = nullptr;
}

void TMDIChild::ReadColours() {
    const auto c = ReadSettingsInts(S.HomePath, "CLR.CFG", 3);
    if (!c) return;
    S.BackgroundColour = (*c)[0];
    S.CurrentColour = (*c)[1];
    S.HighlightColour = (*c)[2];
}

void TMDIChild::LoadWorkingFile() {
    const FileResult r = LoadDrawing(S, ModeWorking);
    if (!r.Ok()) U.Message("", "Error: no file of that name", MessageKind::Error);
}

float TMDIChild::NormalZoom() const {
    return NormalZoomFor(S.MetricFlag);
}

TDrawingtool* TMDIChild::Tool() const {
    return S.CurrentTool.get();
}

ViewFrame TMDIChild::Frame() const {
    return {S.ViewOrgX, S.ViewOrgY, S.ViewExtX, S.ViewExtY};
}

void TMDIChild::ApplyMapping(Canvas& dc) const {
    const Size c = U.ClientSize();
    ApplyViewMapping(dc, Frame(), c.Width, c.Height);
}

ScrollPositions TMDIChild::Positions() const {
    const ScrollState s = U.Scroll();
    return {s.HPos, s.VPos};
}

void TMDIChild::OnResize(Size) {
    SetupView(2);
}

// Characters typed into the text tool (Mode 24): a line at a time, Enter twice to finish.
void TMDIChild::OnKeyPress(char c) {
    TDrawingtool* tool = Tool();
    Canvas* dc = U.WindowCanvas();
    if (!tool || !dc || tool->Mode != 24) return;
    tool->Window = this;
    ApplyMapping(*dc);
    U.SetPanel(0, "GUIDE: press ENTER once for newline - T W I C E to FINISH");
    if (c == '\r' && TextEntryOpen == 1) {
        tool->Mode = 20;
        U.SetPanel(2, "None");
        U.SetPanel(0, "GUIDE: select tool or function");
        return;
    }
    TextEntryOpen = 0;
    tool->OperationResult = 0;
    tool->KeyChar(*dc, U.ClientSize(), c);
    const bool tooLong = tool->OperationResult == NothingHit;
    if (tooLong) U.Message("", "text longer than maximum 70 letters / spaces", MessageKind::Error);
    if (c == '\r' || tooLong) NextTextLine();
    // The letter that overflowed the line starts the next one, drawn where that line now begins; that line
    // is open, so the next Enter makes it rather than ending the text.
    if (tooLong && Tool() == tool && tool->Mode == 24) {
        TextEntryOpen = 0;
        tool->DrawFeedback(*dc, 0);
    }
}

// After a line of text: the next line starts below the one the tool made (beside it for upright text).
void TMDIChild::NextTextLine() {
    TDrawingtool* tool = Tool();
    const TFlist& list = S.DrawingObjects;
    const int made = tool->MadeIndex;
    const auto* text =
        made >= 0 && made < list.ObjectCount() ? dynamic_cast<const TTextobj*>(list.At(made)) : nullptr;
    if (!text || text->Kind != 24) {
        ReturnToPickTool(S, U);
        U.SetPanel(2, "Pick tool");
        U.SetPanel(0, "GUIDE: select tool or function");
        return;
    }
    TextEntryOpen = 1;
    tool->Angle = text->Angle;
    const bool upright = text->Angle == 900 || text->Angle == 2700;
    tool->X1 = text->X1 + (upright ? tool->SuggestedLength : 0);
    tool->Y1 = text->Y1 - (upright ? 0 : tool->SuggestedLength);
    U.SetCursorPos(WorldToPixel({tool->X1, tool->Y1}));
}

// A design room nudged by the keyboard is saved when the key is let go.
void TMDIChild::OnKeyUp(const KeyEvent&) {
    TDrawingtool* tool = Tool();
    if (!tool || (tool->Mode != 29000 && tool->Mode != 29001) || tool->Step != 65) return;
    SaveDrawing(S, ModeWorking);
    InvalidateChange(ChangeAfterRoomEdit);
    tool->HitKind = 0;
}

namespace {

struct LogicalBox {
    std::int64_t MinX, MinY, MaxX, MaxY;
    void Take(std::int64_t x, std::int64_t y) {
        MinX = std::min(MinX, x), MaxX = std::max(MaxX, x);
        MinY = std::min(MinY, y), MaxY = std::max(MaxY, y);
    }
};

LogicalBox BoxOf(int x1, int y1, int x2, int y2, int upl) {
    LogicalBox b{WorldToLogical(x1, upl), WorldToLogical(y1, upl), WorldToLogical(x1, upl),
                 WorldToLogical(y1, upl)};
    b.Take(WorldToLogical(x2, upl), WorldToLogical(y2, upl));
    return b;
}

} // namespace

void TMDIChild::InvalidateChange(int kind) {
    const TDrawingtool* tool = Tool();
    if (S.LayoutGridOn == 1 || !tool) {
        U.Invalidate();
        return;
    }
    const int upl = S.UnitsPerLogical;
    LogicalBox box = BoxOf(tool->BoxX1, tool->BoxY1, tool->BoxX2, tool->BoxY2, upl);
    std::int64_t margin = 10;
    if (kind == ChangeAroundTool || kind == ChangeAfterWallEdit) {
        const LogicalBox points = BoxOf(tool->X1, tool->Y1, tool->X2, tool->Y2, upl);
        box.Take(points.MinX, points.MinY);
        box.Take(points.MaxX, points.MaxY);
        if (kind == ChangeAroundTool) margin = 50;
    } else if (kind == ChangeAfterRoomEdit) {
        box.Take(WorldToLogical(tool->X2, upl), WorldToLogical(tool->Y2, upl));
        const auto merge = ReadSettingsInts(S.HomePath, MetricTwinName("MERGE", S.MetricFlag), 1);
        if (merge) margin += WorldToLogical((*merge)[0], upl);
    }
    const Size c = U.ClientSize();
    const Mapping m = ViewMappingFor(Frame(), c.Width, c.Height);
    const Point a = LogicalToPixel(m, SaturateToInt(box.MinX - margin), SaturateToInt(box.MaxY + margin));
    const Point b = LogicalToPixel(m, SaturateToInt(box.MaxX + margin), SaturateToInt(box.MinY - margin));
    Rect r{std::max(0, std::min(a.X, b.X)), std::max(0, std::min(a.Y, b.Y)),
           std::min(c.Width, std::max(a.X, b.X)), std::min(c.Height, std::max(a.Y, b.Y))};
    if (r.Right <= r.Left || r.Bottom <= r.Top) return;
    U.Invalidate(r);
}

} // namespace velmora
