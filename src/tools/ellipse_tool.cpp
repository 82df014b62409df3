#include "tools/ellipse_tool.h"

#include "model/drawing_objects.h"
#include "tools/shape_commit.h"
#include "view/units.h"

namespace velmora {

TEllipsetool::TEllipsetool(AppState& state, Ui& ui) : TLinetool(state, ui) {
    Mode = ModeEllipse;
}

void TEllipsetool::DrawFeedback(Canvas& dc, int) {
    const int u = S.UnitsPerLogical;
    dc.SetBrush(Brush{true, 0});
    dc.Ellipse(WorldToLogical(X1, u), WorldToLogical(Y1, u), WorldToLogical(X2, u), WorldToLogical(Y2, u));
}

void TEllipseobjtool::Commit(Canvas& dc, Size) {
    MadeIndex = -1;
    if (!ShapeBoxAllowed(S, X1, Y1, X2, Y2)) return;
    auto e = std::make_unique<TEllipseobj>(Mode, S.CurrentView, X1, Y1, X2, Y2, FillColour, PenColour,
                                           PenWidth, LineStyle);
    e->Highlight = LinkNo;
    e->Aux = ElementNo;
    e->Z1 = XA;
    e->Z2 = XB;
    BoxX1 = X1, BoxY1 = Y1, BoxX2 = X2, BoxY2 = Y2;
    MadeIndex = StoreShape(S, U, Window, dc, std::move(e));
    Marked = 0;
}

} // namespace velmora
