#include "tools/round_rect_tool.h"

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

TRoundrecttool::TRoundrecttool(AppState& state, Ui& ui) : TLinetool(state, ui) {
    Mode = ModeRoundRect;
}

void TRoundrecttool::DrawFeedback(Canvas& dc, int) {
    const int u = S.UnitsPerLogical;
    const int corner = WorldToLogical(2 * std::int64_t{SuggestedLength}, u);
    dc.SetBrush(Brush{true, 0});
    dc.RoundRect(WorldToLogical(X1, u), WorldToLogical(Y1, u), WorldToLogical(X2, u), WorldToLogical(Y2, u),
                 corner, corner);
}

void TRoundrecttool::KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) {
    PenWidth = S.CurrentPenWidth;
    PenColour = S.CurrentColour;
    const std::int64_t a = amount;
    switch (key.Code) {
    case Key::Enter: {
        const Point p = WorldAt(dc, cursor.X, cursor.Y);
        X1 = X2 = p.X;
        Y1 = Y2 = p.Y;
        WidthGiven = HeightGiven = false;
        break;
    }
    case Key::Left:
        X2 = Saturate(X1 - a), WidthGiven = true;
        break;
    case Key::Right:
        X2 = Saturate(X1 + a), WidthGiven = true;
        break;
    case Key::Up:
        Y2 = Saturate(Y1 + a), HeightGiven = true;
        break;
    case Key::Down:
        Y2 = Saturate(Y1 - a), HeightGiven = true;
        break;
    default:
        return;
    }
    if (WidthGiven && HeightGiven) {
        Commit(dc, client);
        Marked = 0;
        X1 = Y1 = X2 = Y2 = 0;
        WidthGiven = HeightGiven = false;
        return;
    }
    // The cursor goes to the corner known so far.
    MoveCursorTo(dc, WidthGiven ? X2 : X1, HeightGiven ? Y2 : Y1);
    cursor = U.CursorPos();
}

void TRndrectobjtool::Commit(Canvas& dc, Size) {
    MadeIndex = -1;
    if (!ShapeBoxAllowed(S, X1, Y1, X2, Y2)) return;
    auto r = std::make_unique<TRndrectobj>(S.CurrentView, X1, Y1, X2, Y2, SuggestedLength, FillColour,
                                           PenColour, PenWidth, LineStyle);
    r->Kind = Mode;
    r->Highlight = LinkNo;
    r->Aux = ElementNo;
    r->Z1 = XA;
    r->Z2 = XB;
    BoxX1 = X1, BoxY1 = Y1, BoxX2 = X2, BoxY2 = Y2;
    MadeIndex = StoreShape(S, U, Window, dc, std::move(r));
}

} // namespace velmora
