#include "tools/line_tool.h"

#include "tools/segment_geometry.h"
#include "view/units.h"
#include "view/view_mapping.h"

#include <cstdlib>

namespace velmora {

namespace {

bool IsEditPickStep(int step) {
    return step >= 200 && step <= 999;
}

} // namespace

TLinetool::TLinetool(AppState& state, Ui& ui) : TDrawingtool(state, ui) {
    Mode = ModePlainLine;
    PenWidth = 1;
}

void TLinetool::LeftDown(Canvas& dc, Size client, int px, int py) {
    if (IsEditPickStep(Step)) {
        const Point p = WorldAt(dc, px, py);
        HitTest(p.X, p.Y);
        return;
    }
    if (Step == 50) Step = 51;
    if (Step < StepCentreLineFirst && Mode != ModeInWall) X1 = Y1 = X2 = Y2 = 0;
    Dragging = 0;
    if (CentrePick(dc, client, px, py)) return;
    if (Mode != ModePlainLine && Mode != 5 && Mode != ModeSelectForEdit) return;
    Dragging = 1;
    PenWidth = S.CurrentPenWidth;
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
    X2 = p.X;
    Y2 = p.Y;
    // A dragged line is stored with its real bearing, so the hit test of the edit commands treats a sloped
    // line as sloped; its length field is kept for keyboard segments.
    Angle = MeasureSegment(X1, Y1, X2, Y2).Angle;
    ElementNo = 0;
    dc.SetRasterOp(RasterOp::Copy);
    const int u = S.UnitsPerLogical;
    LineDrawn = std::abs(X2 - X1) > 2 * u || std::abs(Y2 - Y1) > 2 * u;
    Commit(dc, client);
}

void TLinetool::MouseMove(Canvas& dc, Size client, int px, int py) {
    if (Dragging != 1) return;
    if (Mode == ModeExpandBase || Mode == ModeConstruction) {
        MoveGuideLines(dc, client, px, py);
        return;
    }
    if (Mode == ModeInWall) return; // the internal-wall band belongs to its tool
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

// The guide lines follow the cursor's logical point; they are erased before they move. Construction lines
// show none within 10 pixels of the window's edge (where the view is about to scroll), so a scroll never
// leaves half a guide line behind.
void TLinetool::MoveGuideLines(Canvas& dc, Size client, int px, int py) {
    if (Mode == ModeExpandBase && Step <= 0) return;
    const Point l = PixelToLogical(dc.GetMapping(), px, py);
    if (l.X == HitIndex && l.Y == GuideY) return;
    const bool inside = px > 10 && py > 10 && px < client.Width - 10 && py < client.Height - 10;
    if (Scrolled == 2) GuideLines(dc, FeedbackState);
    HitIndex = l.X;
    GuideY = l.Y;
    if (Mode == ModeConstruction && !inside) {
        Scrolled = 0;
        return;
    }
    GuideLines(dc, FeedbackState);
    Scrolled = 2;
}

// A band from a point to itself was never drawn, so there is nothing to erase: drawing it "again" would
// leave a dot where a canvas draws zero-length lines.
bool TLinetool::BandShown() const {
    return X1 != X2 || Y1 != Y2;
}

bool TLinetool::CanCommit() const {
    if (X1 < 10 || Y1 < 10 || X2 < 10 || Y2 < 10) return false;
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
