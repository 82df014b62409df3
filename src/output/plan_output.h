// Plans without a window, for batch use: a whole view printed at a true scale through the print engine
// (velmora-cli pdf and svg), and a view fitted into a picture as the drawing window paints it (velmora-cli
// png).
#pragma once

#include "output/print_drawing.h"
#include "platform/canvas.h"
#include "platform/print_job.h"

#include <filesystem>
#include <string>

namespace velmora {

// The scale a plan prints at when none is given: 100 : 1, or 96 : 1 in an imperial drawing.
int DefaultPlanScale(int metricFlag);

// Prints the view on one page of the job at scale : 1 with the home folder's print style, calibration and
// scale line; the page is landscape unless PRINT.CFG says portrait (see PlanIsLandscape). False, with the
// reason, when the view is empty or cannot be printed at that scale.
bool PrintPlan(const std::filesystem::path& home, const PrintDrawing& drawing, int view, int scale,
               PrintJob& job, std::string& error);
bool PlanIsLandscape(const std::filesystem::path& home);

// Paints the view fitted into width x height pixels (a margin of a twentieth all round), with the colours and
// pens of the screen. False when the view is empty.
bool PaintPlanPicture(Canvas& canvas, const PrintDrawing& drawing, int view, int width, int height);

} // namespace velmora
