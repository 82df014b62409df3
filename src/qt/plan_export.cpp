#include "qt/plan_export.h"

#include "output/plan_output.h"
#include "qt/painter_print_job.h"
#include "qt/picture_export.h"

namespace velmora {

bool ExportPlan(const PlanExport& r, std::string& error) {
    const auto drawing = ReadPrintDrawing(r.Home, r.In, error);
    if (!drawing) return false;
    if (r.Format == PlanFormat::Png) {
        bool painted = false;
        const QImage image = RenderPicture(r.Width, r.Height, Rgb(255, 255, 255), [&](Canvas& c) {
            painted = PaintPlanPicture(c, *drawing, r.View, r.Width, r.Height);
        });
        if (image.isNull()) {
            error = "a picture of that size cannot be made";
            return false;
        }
        if (!painted) {
            error = "the view has nothing to show";
            return false;
        }
        return SavePicturePng(image, r.Out, error);
    }
    const int scale = r.Scale.value_or(DefaultPlanScale(drawing->MetricFlag));
    if (scale <= 0) {
        error = "the scale must be above 0";
        return false;
    }
    const PrintJobRequest request{drawing->Name, PlanIsLandscape(r.Home)};
    if (r.Format == PlanFormat::Pdf) {
        PdfPrintJob job(r.Out, request);
        return PrintPlan(r.Home, *drawing, r.View, scale, job, error);
    }
    SvgPrintJob job(r.Out, request);
    return PrintPlan(r.Home, *drawing, r.View, scale, job, error);
}

} // namespace velmora
