#include "tools/arc_tool.h"

#include "model/drawing_objects.h"
#include "tools/shape_commit.h"
#include "view/units.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace velmora {

namespace {

int Saturate(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

} // namespace

TArctool::TArctool(AppState& state, Ui& ui) : TLinetool(state, ui) {
    Mode = ModeArc;
}

void TArctool::DrawFeedback(Canvas& dc, int) {
    const int u = S.UnitsPerLogical;
    auto l = [u](int v) { return WorldToLogical(v, u); };
    dc.Arc(l(X1), l(Y1), l(X2), l(Y2), l(ArcStartX), l(ArcStartY), l(ArcEndX), l(ArcEndY));
}

void TArctool::KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) {
    if (key.Code != Key::Enter) return;
    PenColour = S.CurrentColour;
    PenWidth = S.CurrentPenWidth;
    const Point p = WorldAt(dc, cursor.X, cursor.Y);
    // A press in between clears the tool's points; the next Enter then starts the arc again.
    if (ArcState == 0 || X1 == 0) {
        X1 = X2 = ArcEndX = p.X;
        Y1 = Y2 = ArcEndY = p.Y;
        ArcState = 1;
        Marked = 0;
        return;
    }
    if (amount != 0 && ShapeOver(p, amount)) Commit(dc, client);
    Clear();
}

bool TArctool::ShapeOver(Point p, int h) {
    const Point e{ArcEndX, ArcEndY};
    const int near = 10 * S.UnitsPerLogical;
    const std::int64_t dy = std::llabs(std::int64_t{p.Y} - e.Y);
    const std::int64_t dx = std::llabs(std::int64_t{p.X} - e.X);
    if (dy < near) {
        if (p.X == e.X) return false; // one point: no chord to bow over
        const int y = e.Y, left = std::min(p.X, e.X), right = std::max(p.X, e.X);
        const int below = Saturate(std::int64_t{y} - h), above = Saturate(std::int64_t{y} + h);
        if (h > 0) {
            X1 = left, Y1 = below, X2 = right, Y2 = above;
            ArcStartX = right, ArcStartY = y, ArcEndX = left, ArcEndY = y;
        } else {
            X1 = right, Y1 = below, X2 = left, Y2 = above;
            ArcStartX = left, ArcStartY = y, ArcEndX = right, ArcEndY = y;
        }
        return true;
    }
    if (dx >= near) return false;
    const int x = e.X, bottom = std::min(p.Y, e.Y), top = std::max(p.Y, e.Y);
    const int left = Saturate(std::int64_t{x} - h), right = Saturate(std::int64_t{x} + h);
    if (h > 0) {
        X1 = left, Y1 = bottom, X2 = right, Y2 = top;
        ArcStartX = x, ArcStartY = top, ArcEndX = x, ArcEndY = bottom;
    } else {
        X1 = left, Y1 = top, X2 = right, Y2 = bottom;
        ArcStartX = x, ArcStartY = bottom, ArcEndX = x, ArcEndY = top;
    }
    return true;
}

void TArctool::Clear() {
    X1 = Y1 = X2 = Y2 = 0;
    ArcStartX = ArcStartY = ArcEndX = ArcEndY = 0;
    ArcState = 0;
    Marked = 0;
}

void TArcobjtool::Commit(Canvas& dc, Size) {
    MadeIndex = -1;
    if (!ShapeBoxAllowed(S, X1, Y1, X2, Y2)) return;
    auto arc = std::make_unique<TArcobj>(S.CurrentView, X1, Y1, X2, Y2, ArcStartX, ArcStartY, ArcEndX,
                                         ArcEndY, PenColour, PenWidth, LineStyle);
    arc->Kind = Mode;
    arc->Highlight = LinkNo;
    arc->Aux = ElementNo;
    arc->Z1 = XA;
    arc->Z2 = XB;
    BoxX1 = X1, BoxY1 = Y1, BoxX2 = X2, BoxY2 = Y2;
    MadeIndex = StoreShape(S, U, Window, dc, std::move(arc));
}

} // namespace velmora
