#include "output/print_engine.h"

#include "model/drawing_objects.h"
#include "output/print_calibration.h"
#include "view/paint_objects.h"

#include <algorithm>

namespace velmora {

PageSettings ReadPageSettings(const std::filesystem::path& home, int metricFlag, Colorref currentColour) {
    PageSettings s;
    s.Calibration = ReadCalibration(home, metricFlag).Factor;
    s.ScaleLine = ReadScaleLineSettings(home, metricFlag);
    s.ScaleLine.Colour = currentColour;
    return s;
}

PaintContext PrintPaintContext(const PrintPage& page, const PageMapping& mapping) {
    const PrintDrawing& d = *page.Drawing;
    const double k = ScaleRatio(d.MetricFlag, page.Options.Scale);
    PaintContext pc;
    pc.UnitsPerLogical = d.UnitsPerLogical;
    pc.DefaultZoom = PenFactor(page.Options.LineWeight, k);
    pc.TextScale = TextFactor(page.Options.TextSize, k);
    pc.ZoomFactor =
        mapping.PixelsPerLogicalX > 0 ? static_cast<float>(1.0 / mapping.PixelsPerLogicalX) : 1.0f;
    pc.WallDisplayMode = page.Options.WallDisplayMode;
    pc.View = page.View;
    pc.BackgroundColour = Rgb(255, 255, 255); // paper, not the window's background
    pc.CurrentColour = page.CurrentColour;
    pc.DefaultFontName = page.DefaultFontName;
    pc.Printing = true;
    pc.PrintFlipAngles = !page.Options.KeepTextAngles;
    return pc;
}

bool PaintPrintPage(Canvas& canvas, const PrintPage& page, const DeviceInfo& device) {
    const PrintDrawing& d = *page.Drawing;
    const auto mapping = MapAreaOnPage(page.Area, d.UnitsPerLogical, d.MetricFlag, page.Options.Scale,
                                       page.Calibration, device, page.Options.Placement);
    if (!mapping) return false;
    canvas.SetMapping(mapping->Map);
    const PaintContext pc = PrintPaintContext(page, *mapping);
    PaintView(canvas, d.Objects, pc, OverlayFlags{});
    for (const TObj* extra : page.Extras)
        extra->Paint(canvas, pc, 0);
    return true;
}

bool PrintPageOnJob(PrintJob& job, const PrintPage& page, std::string& error) {
    const DeviceInfo device{job.DpiX(), job.DpiY(), job.PageWidth(), job.PageHeight()};
    for (int copy = 0; copy < std::max(1, page.Options.Copies); ++copy) {
        Canvas* canvas = job.NewPage();
        if (!canvas) {
            error = "the printer could not start a page";
            return false;
        }
        if (!PaintPrintPage(*canvas, page, device)) {
            error = "the drawing cannot be printed at that scale";
            return false;
        }
    }
    return true;
}

} // namespace velmora
