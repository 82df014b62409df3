#include "tools/drawing_tool.h"

#include "view/drawing_window.h"
#include "view/units.h"
#include "view/view_mapping.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace velmora {

namespace {

// The middle of two coordinates as the lower one plus half the distance, halves truncated: the midpoint
// of 1000 and 2005 is 1502 whichever end was marked first.
int Midpoint(int a, int b) {
    const std::int64_t lo = std::min(a, b);
    const std::int64_t half = (std::int64_t{std::max(a, b)} - lo) / 2;
    return static_cast<int>(lo + half);
}

// One axis of the rectangle centre: the first two corners when they lie more than m apart on this axis,
// else the second and third. When all three lie within m of each other there is no centre on this axis
// and the cursor stays where it was pressed, rather than jumping to the sheet's edge.
int RectCentreAxis(int first, int second, int third, int m) {
    const std::int64_t a = first, b = second, c = third;
    if (a + m < b) return Midpoint(first, second);
    if (b + m < a) return Midpoint(first, second);
    if (b + m < c) return Midpoint(second, third);
    if (c + m < b) return Midpoint(second, third);
    return third;
}

} // namespace

TDrawingtool::TDrawingtool(AppState& state, Ui& ui) : S(state), U(ui) {}

void TDrawingtool::LeftDown(Canvas&, Size, int, int) {}
void TDrawingtool::LeftUp(Canvas&, Size, int, int) {}
void TDrawingtool::RightDown(Canvas&, Size, int, int) {}
void TDrawingtool::RightUp(Canvas&, Size, int, int) {}
void TDrawingtool::MouseMove(Canvas&, Size, int, int) {}
void TDrawingtool::DrawFeedback(Canvas&, int) {}
void TDrawingtool::UnusedSlot6() {}
void TDrawingtool::KeyStep(Canvas&, Size, const KeyEvent&, Point&, int) {}
void TDrawingtool::PlaceText(Canvas&, Size, int, int, const std::string&) {}
void TDrawingtool::KeyChar(Canvas&, Size, char) {}
void TDrawingtool::Commit(Canvas&, Size) {}
void TDrawingtool::AutoDimension(Canvas&, Size, int, int, int, int) {}
void TDrawingtool::Refresh(Canvas&, Size) {}
void TDrawingtool::Operation(int) {}
void TDrawingtool::Adjust(int, int, int) {}
void TDrawingtool::GuideLines(Canvas&, int) {}
void TDrawingtool::UnusedSlot18() {}

Point TDrawingtool::WorldAt(const Canvas& dc, int px, int py) const {
    const Point l = PixelToLogical(dc.GetMapping(), px, py);
    return {LogicalToWorld(l.X, S.UnitsPerLogical), LogicalToWorld(l.Y, S.UnitsPerLogical)};
}

void TDrawingtool::MoveCursorTo(const Canvas& dc, int wx, int wy) {
    const Point l{WorldToLogical(wx, S.UnitsPerLogical), WorldToLogical(wy, S.UnitsPerLogical)};
    U.SetCursorPos(LogicalToPixel(dc.GetMapping(), l.X, l.Y));
}

void TDrawingtool::SelectRubberBand(Canvas& dc) const {
    dc.SetRasterOp(RasterOp::Xor);
    dc.SetPen(Pen{PenStyle::Dot, 1, PenColour});
}

void TDrawingtool::PaintAtOnce(Canvas& dc, const TObj& obj) const {
    if (Window) Window->PaintNow(dc, obj);
}

bool TDrawingtool::KeepsBandAfterCentre(int mode) {
    return mode == 41 || mode == 60 || mode == 62 || mode == 64 || mode == 200;
}

bool TDrawingtool::CentrePick(Canvas& dc, Size client, int px, int py) {
    if (Step == StepCentreLineFirst || Step == StepCentreLineSecond) {
        CentreOfLine(dc, client, px, py);
        return true;
    }
    if (Step >= StepCentreRectFirst && Step <= StepCentreRectThird) {
        CentreOfRect(dc, client, px, py);
        return true;
    }
    return false;
}

void TDrawingtool::CentreOfLine(Canvas& dc, Size, int px, int py) {
    if (px <= 2 || py <= 2) return;
    Marked = 0;
    const Point p = WorldAt(dc, px, py);
    if (Step == StepCentreLineFirst) {
        X2 = p.X;
        Y2 = p.Y;
        Step = StepCentreLineSecond;
        if (KeepsBandAfterCentre(Mode)) Dragging = 1;
        return;
    }
    if (Step != StepCentreLineSecond) return;
    const bool band = KeepsBandAfterCentre(Mode);
    if (band) {
        SelectRubberBand(dc);
        DrawFeedback(dc, 0);
        Dragging = 0;
    }
    X1 = Midpoint(X2, p.X);
    Y1 = Midpoint(Y2, p.Y);
    MoveCursorTo(dc, X1, Y1);
    if (band) {
        DrawFeedback(dc, 0);
        Dragging = 1;
        Step = (Mode == 200 && AuxStep < 9) ? AuxStep : 0;
        dc.SetRasterOp(RasterOp::Copy);
    } else {
        Step = AuxStep;
    }
}

void TDrawingtool::CentreOfRect(Canvas& dc, Size, int px, int py) {
    if (px < 3 || py < 3) return;
    Marked = 0;
    const Point p = WorldAt(dc, px, py);
    switch (Step) {
    case StepCentreRectFirst:
        X1 = p.X;
        Y1 = p.Y;
        Step = StepCentreRectSecond;
        return;
    case StepCentreRectSecond:
        X2 = p.X;
        Y2 = p.Y;
        Step = StepCentreRectThird;
        return;
    case StepCentreRectThird: {
        Step = StepCentreRectDone;
        const int m = 20 * S.UnitsPerLogical;
        const int cx = RectCentreAxis(X1, X2, p.X, m);
        const int cy = RectCentreAxis(Y1, Y2, p.Y, m);
        X1 = cx;
        Y1 = cy;
        MoveCursorTo(dc, X1, Y1);
        if (Mode != 4 && Mode != 24) Step = AuxStep;
        return;
    }
    default:
        return;
    }
}

} // namespace velmora
