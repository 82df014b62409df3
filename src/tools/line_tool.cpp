#include "tools/line_tool.h"

#include "view/units.h"

#include <cstdlib>

namespace velmora {

TLinetool::TLinetool(AppState& state, Ui& ui) : TDrawingtool(state, ui) {
    Mode = ModePlainLine;
    PenWidth = 1;
}

void TLinetool::LeftDown(Canvas& dc, Size client, int px, int py) {
    if (Step == 50) Step = 51;
    if (Step < StepCentreLineFirst && Mode != ModeInWall) X1 = Y1 = X2 = Y2 = 0;
    Dragging = 0;
    if (Step == StepCentreLineFirst || Step == StepCentreLineSecond) {
        CentreOfLine(dc, client, px, py);
        return;
    }
    if (Step >= StepCentreRectFirst && Step <= StepCentreRectThird) {
        CentreOfRect(dc, client, px, py);
        return;
    }
    if (Mode != ModePlainLine && Mode != 5 && Mode != ModeSelectForEdit) return;
    Dragging = 1;
    PenColour = S.CurrentColour;
    const Point p = WorldAt(dc, px, py);
    X1 = X2 = p.X;
    Y1 = Y2 = p.Y;
}

void TLinetool::LeftUp(Canvas& dc, Size client, int px, int py) {
    if (Dragging != 1 || Mode == ModeInWall) return;
    Dragging = 0;
    SelectRubberBand(dc);
    if (BandShown()) DrawFeedback(dc, 0);
    const Point p = WorldAt(dc, px, py);
    const int startX = X1, startY = Y1;
    X2 = p.X;
    Y2 = p.Y;
    dc.SetRasterOp(RasterOp::Copy);
    Commit(dc, client);
    if (Step == 51) {
        const int u = S.UnitsPerLogical;
        const bool drawn = std::abs(X2 - startX) > 2 * u || std::abs(Y2 - startY) > 2 * u;
        Y1 = drawn ? 0 : 125000;
    }
}

// Only the plain rubber band lives here; the guide-line modes (11, 140) and the internal-wall band (150)
// belong to the tools of those modes.
void TLinetool::MouseMove(Canvas& dc, Size, int px, int py) {
    if (Dragging != 1) return;
    S.EnterPhase = Step == 41 ? 2 : 1;
    const Point p = WorldAt(dc, px, py);
    if (X1 == 0 || Y1 == 0) {
        X1 = p.X;
        Y1 = p.Y;
    }
    if (p.X == X1 && p.Y == Y1) return;
    if (p.X == X2 && p.Y == Y2) return;
    SelectRubberBand(dc);
    if (X2 > 0 && Y2 > 0 && BandShown()) DrawFeedback(dc, 0);
    X2 = p.X;
    Y2 = p.Y;
    DrawFeedback(dc, 0);
}

// A band from a point to itself was never drawn, so there is nothing to erase: drawing it "again" would
// leave a dot where a canvas draws zero-length lines.
bool TLinetool::BandShown() const {
    return X1 != X2 || Y1 != Y2;
}

void TLinetool::DrawFeedback(Canvas& dc, int) {
    const int u = S.UnitsPerLogical;
    dc.MoveTo(WorldToLogical(X1, u), WorldToLogical(Y1, u));
    dc.LineTo(WorldToLogical(X2, u), WorldToLogical(Y2, u));
}

void TLinetool::GuideLines(Canvas& dc, int kind) {
    if (kind < 1 || kind > 3) return;
    dc.SetRasterOp(RasterOp::NotXor);
    dc.SetPen(Pen{PenStyle::Solid, 1, S.CurrentColour});
    const int x = HitIndex, y = GuideY;
    if (kind == 1 || kind == 3) {
        dc.MoveTo(x, 0);
        dc.LineTo(x, y - 100);
        dc.MoveTo(x, y + 100);
        dc.LineTo(x, 20000);
    }
    if (kind == 2 || kind == 3) {
        dc.MoveTo(0, y);
        dc.LineTo(x - 100, y);
        dc.MoveTo(x + 100, y);
        dc.LineTo(30000, y);
    }
}

TLineobjtool::TLineobjtool(AppState& state, Ui& ui, int mode) : TLinetool(state, ui) {
    Mode = mode;
}

} // namespace velmora
