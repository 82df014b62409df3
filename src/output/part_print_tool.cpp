#include "output/part_print_tool.h"

#include "output/print_commands.h"

#include <algorithm>

namespace velmora {

TPartprinttool::TPartprinttool(AppState& state, Ui& ui) : TDrawingtool(state, ui) {
    Mode = ModeMove;
    Dragging = state.CurrentView;
    PenColour = state.HighlightColour;
    ui.SetPanel(2, "print part");
}

void TPartprinttool::DrawBox(Canvas& dc) const {
    SelectRubberBand(dc);
    const int u = S.UnitsPerLogical;
    const int l = X1 / u, t = Y1 / u, r = X2 / u, b = Y2 / u;
    dc.Polyline({{l, t}, {r, t}, {r, b}, {l, b}, {l, t}});
    dc.SetRasterOp(RasterOp::Copy);
}

void TPartprinttool::LeftDown(Canvas& dc, Size, int px, int py) {
    const Point p = WorldAt(dc, px, py);
    X1 = X2 = p.X;
    Y1 = Y2 = p.Y;
    Marked = 1;
    DrawBox(dc);
}

void TPartprinttool::MouseMove(Canvas& dc, Size, int px, int py) {
    if (Marked != 1) return;
    DrawBox(dc); // drawn twice, the old box goes
    const Point p = WorldAt(dc, px, py);
    X2 = p.X;
    Y2 = p.Y;
    DrawBox(dc);
}

void TPartprinttool::LeftUp(Canvas& dc, Size, int px, int py) {
    if (Marked != 1) return;
    DrawBox(dc);
    Marked = 0;
    const Point p = WorldAt(dc, px, py);
    const WorldArea area{std::min(X1, p.X), std::max(X1, p.X), std::max(Y1, p.Y), std::min(Y1, p.Y)};
    if (area.MinX == area.MaxX || area.MinY == area.MaxY) return; // a click, not a box: nothing to print
    AppState& state = S;
    Ui& ui = U;
    PrintPartOfDrawing(state, ui, area); // replaces this tool: nothing of it may be touched after
}

} // namespace velmora
