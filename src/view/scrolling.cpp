// The scroll bars of the drawing window and the autoscroll that moves the view while the left button is held
// near an edge. Autoscroll runs as a chain of one-shot timer passes, so the event loop keeps running between
// passes and no event is ever waited for inside another.
#include "view/drawing_window.h"

#include "app/program.h"

#include <algorithm>
#include <optional>

namespace velmora {

namespace {

constexpr int AutoscrollEdge = 5; // pixels from an edge that start a scroll
constexpr int AutoscrollStep = 5; // pixels per pass
constexpr int AutoscrollPeriodMs = 30;

} // namespace

// A position outside its range (a view centred on a sheet smaller than the window has a negative one) is
// kept until a scroll moves it toward the range: clamping it at once would jump the view by the whole
// margin at the first notch of the wheel, on the axis that was not even scrolled.
void TMDIChild::SetPositions(ScrollPositions pos) {
    ScrollState s = U.Scroll();
    const auto clamp = [](int wanted, int now, int range) {
        return std::clamp(wanted, std::min(0, now), std::max({0, range, now}));
    };
    s.HPos = clamp(pos.Horizontal, s.HPos, HScrollRange);
    s.VPos = clamp(pos.Vertical, s.VPos, VScrollRange);
    s.HRange = HScrollRange;
    s.VRange = VScrollRange;
    U.SetScroll(s);
    const Size c = U.ClientSize();
    const Point org = OriginFromScroll({s.HPos, s.VPos}, VScrollRange, c.Height, S.ZoomFactor);
    S.ViewOrgX = org.X;
    S.ViewOrgY = org.Y;
    U.Invalidate();
}

void TMDIChild::OnScroll(bool vertical, ScrollRequest request, int thumbPos) {
    const int line = S.MetricFlag == 1 ? 5 : 4;
    const int page = line * (S.MetricFlag == 1 ? 50 : 48);
    ScrollPositions pos = Positions();
    int& p = vertical ? pos.Vertical : pos.Horizontal;
    switch (request) {
    case ScrollRequest::LineUp:
        p -= line;
        break;
    case ScrollRequest::LineDown:
        p += line;
        break;
    case ScrollRequest::PageUp:
        p -= page;
        break;
    case ScrollRequest::PageDown:
        p += page;
        break;
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::ThumbTrack:
        p = thumbPos;
        break;
    default:
        return;
    }
    SetPositions(pos);
}

void TMDIChild::ScrollBy(bool vertical, int delta) {
    ScrollPositions pos = Positions();
    (vertical ? pos.Vertical : pos.Horizontal) += delta;
    SetPositions(pos);
}

namespace {

// The scroll a cursor within 5 pixels of an edge asks for: left and right first, then top and bottom.
struct EdgeScroll {
    bool Vertical = false;
    int Delta = 0;
};

std::optional<EdgeScroll> EdgeScrollAt(Point p, Size c) {
    if (p.X < AutoscrollEdge) return EdgeScroll{false, -AutoscrollStep};
    if (p.X > c.Width - AutoscrollEdge) return EdgeScroll{false, AutoscrollStep};
    if (p.Y < AutoscrollEdge) return EdgeScroll{true, -AutoscrollStep};
    if (p.Y > c.Height - AutoscrollEdge) return EdgeScroll{true, AutoscrollStep};
    return std::nullopt;
}

} // namespace

void TMDIChild::ScheduleAutoscroll() {
    if (Autoscrolling) return;
    Autoscrolling = true;
    std::weak_ptr<TMDIChild*> alive = Alive;
    U.StartOneShotTimer(AutoscrollPeriodMs, [alive] {
        if (const auto self = alive.lock()) (*self)->AutoscrollPass();
    });
}

void TMDIChild::MaybeAutoscroll() {
    if (LeftHeld && S.AutoscrollFlag == 1 && EdgeScrollAt(LastMouse, U.ClientSize())) ScheduleAutoscroll();
}

// One pass: while the button is held and the cursor lies within 5 pixels of an edge, the view moves 5 pixels
// that way and the next pass follows. The chain ends when the button is released, the cursor leaves the edge
// (a move back to an edge starts it again) or the view has reached the end of the sheet.
void TMDIChild::AutoscrollPass() {
    Autoscrolling = false;
    if (!LeftHeld || S.AutoscrollFlag != 1) return;
    const auto edge = EdgeScrollAt(LastMouse, U.ClientSize());
    if (!edge) return;
    const ScrollPositions before = Positions();
    ScrollBy(edge->Vertical, edge->Delta);
    if (Positions() == before) return;
    ScheduleAutoscroll();
}

} // namespace velmora
