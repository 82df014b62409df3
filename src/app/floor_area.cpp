#include "app/floor_area.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "dialogs/floor_area_dialog.h"
#include "model/drawing_objects.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <vector>

namespace velmora {

namespace {

// A wall's outer line in logical units.
struct Edge {
    std::int64_t X1, Y1, X2, Y2;
    bool Sloped() const { return Y1 != Y2; }
};

std::vector<Edge> OuterLines(const TFlist& list, int view, int upl) {
    std::vector<Edge> edges;
    for (const auto& obj : list)
        if (obj->Kind == 100 && obj->View == view && obj->X1 != obj->X2)
            edges.push_back({obj->X1 / upl, obj->Y1 / upl, obj->X2 / upl, obj->Y2 / upl});
    return edges;
}

// The baseline lies below every top edge; for a closed outline its height cancels out of the sum, so it
// only keeps the partial products small.
std::int64_t Baseline(const std::vector<Edge>& edges, bool anySloped) {
    bool first = true;
    std::int64_t b = 0;
    for (const Edge& e : edges) {
        if (e.X1 >= e.X2) continue;
        const std::int64_t y = anySloped ? std::min(e.Y1, e.Y2) : e.Y1;
        if (first) {
            b = y + 200;
            first = false;
        } else {
            b = std::min(b, y - 200);
        }
    }
    return b;
}

// The trapezoid sum: top edges (left to right) add the area under them down to the baseline, bottom
// edges (right to left) take away the area under them.
std::int64_t EnclosedUnits(const std::vector<Edge>& edges) {
    const bool anySloped = std::any_of(edges.begin(), edges.end(), [](const Edge& e) { return e.Sloped(); });
    const std::int64_t b = Baseline(edges, anySloped);
    std::int64_t sum = 0;
    for (const Edge& e : edges) {
        const std::int64_t m = std::min(e.Y1, e.Y2);
        const std::int64_t h = anySloped ? (std::max(e.Y1, e.Y2) - m) / 2 : 0;
        if (e.X1 < e.X2) {
            const std::int64_t w = e.X2 - e.X1;
            sum += w * (m - b) + w * h;
        } else {
            const std::int64_t w = e.X1 - e.X2;
            sum += w * (b - m) - w * h;
        }
    }
    return sum;
}

std::string AreaMessage(int mode, long area, int metricFlag) {
    std::string text;
    if (mode == 1) text += "If the plan view is incorrect, select PLAN VIEWS / LAYOUT to re mark the walls\n";
    text += "Area and Dimensions should be checked manually\n\n";
    char line[96];
    std::snprintf(line, sizeof line,
                  metricFlag == 1 ? "Total Building Area this floor: %ld sq. metres\n\n"
                                  : "Total Building Area this floor: %ld sq. feet\n\n",
                  area);
    text += line;
    text += "Areas are available in Plan Views / Floor Areas";
    return text;
}

long RoundedArea(double area) {
    const double r = std::round(area);
    if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<long>(r);
}

} // namespace

long FloorAreaOf(const TFlist& list, int view, int unitsPerLogical, int metricFlag) {
    const int upl = unitsPerLogical > 0 ? unitsPerLogical : 1;
    const std::int64_t units = EnclosedUnits(OuterLines(list, view, upl));
    return static_cast<long>(units / (metricFlag == 1 ? 40000 : 2304));
}

void ComputeFloorArea(AppState& s) {
    if (s.DrawingObjects.ObjectCount() < 4) return;
    s.AreaResult =
        static_cast<double>(FloorAreaOf(s.DrawingObjects, s.CurrentView, s.UnitsPerLogical, s.MetricFlag));
}

void ReportFloorArea(AppState& s, Ui& ui, int mode) {
    ui.SetPanel(0, "GUIDE: for HELP - press button if showing or press F1 key");
    const long area = RoundedArea(s.AreaResult);
    // The record at the view's place is used only when it is that view's floor record: a drawing that does
    // not begin with its six records must not have some other object overwritten.
    if (TInfoobj* record = s.DrawingObjects.FloorRecord(s.CurrentView)) {
        record->FloorArea = static_cast<std::int32_t>(area);
        WriteDrawing(s, ui, ModeWorking);
    }
    ui.Message("", AreaMessage(mode, area, s.MetricFlag));
    InstallTool(s, ui, ModePick);
    ui.SetPanel(0, "GUIDE: Pick drawingtool");
    if (mode == 1)
        ui.SetPanel(0,
                    "GUIDE: If the plan view is incorrect, select PLAN VIEWS / LAYOUT to re mark the walls");
}

void CmSpecsExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = 210;
    if (!IsFloorPlanView(s.CurrentView) && s.CurrentView != ViewNone) {
        ui.Message("", "You must be in a PLAN or ELEVATION VIEW to use this function");
        return;
    }
    std::array<long, 5> areas{};
    const int n = std::min(s.DrawingObjects.ObjectCount(), 5);
    for (int i = 0; i < n; ++i) {
        const TObj* obj = s.DrawingObjects.At(i);
        if (obj->Class() != ObjClass::Info || obj->Kind < 32000 || obj->Kind > 32004) continue;
        areas[static_cast<std::size_t>(obj->Kind - 32000)] = static_cast<const TInfoobj*>(obj)->FloorArea;
    }
    DialogDescription d = TTAreadlg::Make(areas, s.MetricFlag);
    ui.RunDialog(d);
}

} // namespace velmora
