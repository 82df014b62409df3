// What a print reads: the drawing file being printed, with its own measuring system and sheet (never the
// window's), the extents of a view, and the two kinds of temporary objects a print adds to the page: the
// scale line and the masks of a part print. They are painted on the page only; neither the drawing in
// memory nor its file ever holds them.
#pragma once

#include "model/object_list.h"
#include "output/print_options.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct PrintDrawing {
    TFlist Objects;
    int MetricFlag = 1;
    int UnitsPerLogical = 5;
    int SheetWidth = 5000, SheetHeight = 2500;
    std::string Name; // the drawing's name, the scale line's owner line
};

// Reads a drawing file for printing; nothing (and error says why) when it cannot be read.
std::optional<PrintDrawing> ReadPrintDrawing(const std::filesystem::path& home,
                                             const std::filesystem::path& file, std::string& error);

// The box of the points of everything a view holds (a polygon by its corners, a text by its anchor), in
// world units, as zooming to fit finds it; nothing for a view without objects.
std::optional<WorldArea> PrintExtents(const TFlist& list, int view);

// The two halves of a split print, in print order: left then right, or top then bottom. The halves share
// their middle line and never overlap.
std::vector<WorldArea> SplitHalves(const WorldArea& extents, bool topAndBottom);

struct ScaleLineSettings {
    int TextHeight = 600; // MOFFSET/IOFFSET second value: the scale-line text height (world units at 100 : 1)
    int Gap = 1000;       // the third value: the gap below the walls
    std::string DefaultFont = "Arial";
    int DefaultHeight = 10;
    int DefaultWeight = 400;
    Colorref Colour = 0;
};
ScaleLineSettings ReadScaleLineSettings(const std::filesystem::path& home, int metricFlag);

// The scale line of a printed view: owner line and "scale N : 1" below the plan; nothing when the view has
// neither a reference text nor a wall to place it by.
std::unique_ptr<TObj> MakeScaleLine(const PrintDrawing& drawing, int view, const PrintOptions& options,
                                    const ScaleLineSettings& settings, bool splitPrint);

// A part print: the extents widened so they hold the chosen area with a margin, and the four masks (kind
// 2000, painted in paper white) that cover everything outside the area.
WorldArea PartPrintExtents(const WorldArea& extents, const WorldArea& area, int unitsPerLogical);
std::vector<std::unique_ptr<TObj>> MakePartPrintMasks(const WorldArea& extents, const WorldArea& area,
                                                      int view, int unitsPerLogical);

} // namespace velmora
