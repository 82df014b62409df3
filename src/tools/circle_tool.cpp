#include "tools/circle_tool.h"

#include "model/drawing_objects.h"
#include "tools/shape_commit.h"
#include "view/units.h"

#include <algorithm>
#include <cstdint>

namespace velmora {

namespace {

int Saturate(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

} // namespace

TCircletool::TCircletool(AppState& state, Ui& ui) : TLinetool(state, ui) {
    Mode = ModeCircle;
}

void TCircletool::LeftDown(Canvas& dc, Size client, int px, int py) {
    if (CentrePick(dc, client, px, py)) return;
    Dragging = 1;
    PenWidth = S.CurrentPenWidth;
    PenColour = S.CurrentColour;
    const Point p = WorldAt(dc, px, py);
    X1 = X2 = CentreX = p.X;
    Y1 = Y2 = CentreY = p.Y;
}

void TCircletool::BoxThrough(int x) {
    const std::int64_t r = std::int64_t{x} - CentreX;
    X1 = Saturate(CentreX - r), Y1 = Saturate(CentreY - r);
    X2 = Saturate(CentreX + r), Y2 = Saturate(CentreY + r);
}

void TCircletool::MouseMove(Canvas& dc, Size, int px, int py) {
    if (Dragging != 1) return;
    const Point p = WorldAt(dc, px, py);
    SelectRubberBand(dc);
    // A circle of radius 0 was never drawn, so there is nothing to erase.
    if (X1 != X2) DrawFeedback(dc, 0);
    BoxThrough(p.X);
    if (X1 != X2) DrawFeedback(dc, 0);
}

void TCircletool::LeftUp(Canvas& dc, Size client, int px, int py) {
    if (Dragging != 1) return;
    Dragging = 0;
    SelectRubberBand(dc);
    if (X1 != X2) DrawFeedback(dc, 0);
    BoxThrough(WorldAt(dc, px, py).X);
    dc.SetRasterOp(RasterOp::Copy);
    Commit(dc, client);
    CentreX = CentreY = 0;
}

void TCircletool::DrawFeedback(Canvas& dc, int) {
    const int u = S.UnitsPerLogical;
    dc.SetBrush(Brush{true, 0});
    dc.Ellipse(WorldToLogical(X1, u), WorldToLogical(Y1, u), WorldToLogical(X2, u), WorldToLogical(Y2, u));
}

void TCircletool::KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int) {
    if (key.Code != Key::Enter) return;
    PenWidth = S.CurrentPenWidth;
    PenColour = S.CurrentColour;
    const Point c = WorldAt(dc, cursor.X, cursor.Y);
    const std::int64_t r = SuggestedLength;
    X1 = Saturate(c.X - r), Y1 = Saturate(c.Y - r);
    X2 = Saturate(c.X + r), Y2 = Saturate(c.Y + r);
    Commit(dc, client);
    SuggestedLength = 0;
}

void TCircleobjtool::Commit(Canvas& dc, Size) {
    MadeIndex = -1;
    if (!ShapeBoxAllowed(S, X1, Y1, X2, Y2)) return;
    auto c = std::make_unique<TCircleobj>(S.CurrentView, X1, Y1, X2, Y2, FillColour, PenColour, PenWidth,
                                          LineStyle);
    c->Kind = Mode;
    c->Highlight = LinkNo;
    c->Aux = ElementNo;
    c->Z1 = XA;
    c->Z2 = XB;
    BoxX1 = X1, BoxY1 = Y1, BoxX2 = X2, BoxY2 = Y2;
    MadeIndex = StoreShape(S, U, Window, dc, std::move(c));
    Marked = 0;
}

} // namespace velmora
