// velmora-cli's plans through the toolkit: a PDF or SVG of a view printed at a true scale, or a PNG of a
// view as the window paints it. Needs a QGuiApplication (the offscreen platform will do).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

enum class PlanFormat { Pdf, Svg, Png };

struct PlanExport {
    PlanFormat Format = PlanFormat::Pdf;
    std::filesystem::path Home, In, Out;
    int View = 120;
    std::optional<int> Scale;       // pdf, svg: N of N : 1; the drawing's usual scale when not given
    int Width = 1280, Height = 800; // png
};

// Writes the plan; false with the reason when it could not.
bool ExportPlan(const PlanExport& request, std::string& error);

} // namespace velmora
