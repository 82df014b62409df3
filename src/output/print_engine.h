// The print engine: one page of a view at a true scale. It maps the area onto the page (the scale rule),
// sets the pen and text factors, and paints the view in two passes, fills first and line work over them,
// then the print's own objects (scale line, masks). It reads the drawing it is given and changes nothing
// else: the window's view, zoom and mapping are the same after a print as before it.
#pragma once

#include "output/print_drawing.h"
#include "output/print_options.h"
#include "output/print_scale.h"
#include "platform/canvas.h"
#include "platform/print_job.h"
#include "view/paint_context.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmora {

struct PrintPage {
    const PrintDrawing* Drawing = nullptr;
    int View = 120; // the floor printed
    WorldArea Area; // what the page shows
    PrintOptions Options;
    double Calibration = 1.0;
    std::vector<const TObj*> Extras; // painted over the view: the scale line, the masks of a part print
    Colorref CurrentColour = 0;      // the colour of room lettering, as on screen
    std::string DefaultFontName = "Arial";
};

// What a page takes from the home folder: the calibration of the drawing's measuring system, the scale
// line's offsets and the default text font; the scale line in the colour of new objects.
struct PageSettings {
    double Calibration = 1.0;
    ScaleLineSettings ScaleLine;
};
PageSettings ReadPageSettings(const std::filesystem::path& home, int metricFlag, Colorref currentColour);

// The paint settings of a printed page: paper white behind masks and text boxes whatever the screen's
// background, the pen factor in DefaultZoom, the text factor, the mirrored text angles unless kept.
PaintContext PrintPaintContext(const PrintPage& page, const PageMapping& mapping);

// Paints the page on a canvas of the device. False when the area cannot be mapped (see MapAreaOnPage).
bool PaintPrintPage(Canvas& canvas, const PrintPage& page, const DeviceInfo& device);

// Prints the page Options.Copies times on the job. False, with the reason, when it could not.
bool PrintPageOnJob(PrintJob& job, const PrintPage& page, std::string& error);

} // namespace velmora
