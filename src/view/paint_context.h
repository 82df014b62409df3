// What painting an object needs to know besides the object: the units, the zoom, the display mode and the
// colours of the view being painted. Painting reads these and never writes the drawing.
#pragma once

#include "platform/canvas.h"

#include <string>

namespace velmora {

struct PaintContext {
    int UnitsPerLogical = 5;  // world units per logical unit: 5 metric, 6 imperial
    int DefaultZoom = 5;      // 5 metric, 4 imperial; also the text and pen factor
    float ZoomFactor = 5.0f;  // logical units per pixel
    int WallDisplayMode = 0;  // tens digit: 0 lines, 10 hatched, 20 solid, 30 hidden
    int View = 120;           // the view being painted (CurrentView)
    Colorref BackgroundColour = Rgb(255, 255, 255);
    Colorref HighlightColour = Rgb(255, 0, 0);
    Colorref CurrentColour = 0;
    bool ItalicFlag = false;
    std::string DefaultFontName = "Arial";
    int TextScale = 0;        // 0 = DefaultZoom; printing sets its own factor
    bool Printing = false;    // output to a device that is not the screen
    bool PrintFlipAngles = false; // printing with the first PRINT.CFG value 0: text angles mirrored
};

} // namespace velmora
