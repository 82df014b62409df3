#include "output/plan_output.h"

#include "dialogs/print_dialogs.h"
#include "output/print_engine.h"
#include "view/paint_objects.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int PictureRatioBase = 1000; // pixels per PictureRatioBase / zoom logical units

} // namespace

int DefaultPlanScale(int metricFlag) {
    return metricFlag == 1 ? 100 : 96;
}

bool PlanIsLandscape(const std::filesystem::path& home) {
    return ReadPrintStyle(home).Landscape != 0;
}

bool PrintPlan(const std::filesystem::path& home, const PrintDrawing& drawing, int view, int scale,
               PrintJob& job, std::string& error) {
    const auto extents = PrintExtents(drawing.Objects, view);
    if (!extents) {
        error = "the view has nothing to print";
        return false;
    }
    PrintOptions o;
    o.Scale = scale;
    ApplyPrintStyle(ReadPrintStyle(home), o);
    const PageSettings settings = ReadPageSettings(home, drawing.MetricFlag, 0);
    const auto line = MakeScaleLine(drawing, view, o, settings.ScaleLine, false);
    PrintPage page{&drawing, view, *extents, o, settings.Calibration, {}, 0, settings.ScaleLine.DefaultFont};
    if (line) page.Extras.push_back(line.get());
    if (!PrintPageOnJob(job, page, error)) return false;
    return job.Finish(error);
}

bool PaintPlanPicture(Canvas& canvas, const PrintDrawing& drawing, int view, int width, int height) {
    const auto extents = PrintExtents(drawing.Objects, view);
    if (!extents || width <= 0 || height <= 0) return false;
    const int u = drawing.UnitsPerLogical;
    const double extX = (static_cast<double>(extents->MaxX) - extents->MinX) / u;
    const double extY = (static_cast<double>(extents->MaxY) - extents->MinY) / u;
    // Logical units per pixel, so that the extents fill nine tenths of the picture either way.
    const double zoom = std::max({extX / (width * 0.9), extY / (height * 0.9), 1.0 / PictureRatioBase});
    Mapping m;
    m.WindowOrgX = static_cast<int>((static_cast<double>(extents->MinX) + extents->MaxX) / 2 / u);
    m.WindowOrgY = static_cast<int>((static_cast<double>(extents->MinY) + extents->MaxY) / 2 / u);
    m.WindowExtX = m.WindowExtY = static_cast<int>(std::ceil(zoom * PictureRatioBase));
    m.ViewportExtX = PictureRatioBase;
    m.ViewportExtY = -PictureRatioBase;
    m.ViewportOrgX = width / 2;
    m.ViewportOrgY = height / 2;
    canvas.SetMapping(m);
    PaintContext pc;
    pc.UnitsPerLogical = u;
    pc.DefaultZoom = drawing.MetricFlag == 1 ? 5 : 4;
    pc.ZoomFactor = static_cast<float>(static_cast<double>(m.WindowExtX) / PictureRatioBase);
    pc.View = view;
    PaintView(canvas, drawing.Objects, pc, OverlayFlags{});
    return true;
}

} // namespace velmora
