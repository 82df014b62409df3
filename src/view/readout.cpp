// The cursor read-out of the drawing window and the datum it measures from.
#include "view/drawing_window.h"

#include "tools/drawing_tool.h"

namespace velmora {

void TMDIChild::ShowReadout(int px, int py) {
    if (ReadoutMode < 2) return;
    const Point cursor = WorldAtPixel({px, py});
    ReadoutInput in;
    in.CursorX = cursor.X;
    in.CursorY = cursor.Y;
    in.RefX = RefX;
    in.RefY = RefY;
    in.ReadoutMode = ReadoutMode;
    in.MetricFlag = S.MetricFlag;
    in.ZoomFactor = S.ZoomFactor;
    const auto r = ShowReadoutText(in);
    if (!r) return;
    RefX = r->RefX;
    RefY = r->RefY;
    U.SetReadout(r->Text);
}

std::optional<Point> TMDIChild::ComputeDatum() const {
    const int view = S.CurrentView;
    const bool floorPlan = view >= 120 && view <= 189;
    if (!floorPlan && view != ViewSite) return std::nullopt;
    const TFlist& list = S.DrawingObjects;
    auto datum = list.DatumCorner(view, S.WallDisplayMode, S.UnitsPerLogical);
    // A floor without external walls of its own measures from the walls of the floor below.
    if (!datum && floorPlan) datum = list.DatumCorner(view - 1, 0, S.UnitsPerLogical);
    return datum.value_or(Point{0, 0});
}

void TMDIChild::MeasureFromDatum() {
    if (const auto datum = ComputeDatum()) {
        RefX = datum->X;
        RefY = datum->Y;
    }
    ReadoutMode = 4;
}

void TMDIChild::DatumCommand() {
    if (S.DrawingReady != 2) return;
    S.LastCommand = 350;
    if (ReadoutMode < 2 || ReadoutMode == 3 || ReadoutMode == 4) {
        if (Tool()) Tool()->Marked = 0;
        U.SetPanel(0, "Guide: TEMPORARY DATUM - press Enter key when cursor is on your new reference point");
        ReadoutMode = 6;
        return;
    }
    if (ReadoutMode == 2 || ReadoutMode == 5) {
        U.SetPanel(0, "GUIDE: Select tool or function");
        ReadoutMode = 4;
        if (S.CurrentView >= 50) MeasureFromDatum();
    }
}

} // namespace velmora
