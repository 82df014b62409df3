// What a print is asked to do: the choices of the print dialogs, handed to the print engine.
#pragma once

namespace velmora {

// Where the printed area sits on the page. The halves of a split print lie against the edge where their two
// pages meet, so the pages laid side by side (or one above the other) join up.
enum class PagePlacement : int {
    Centred = 0,
    AgainstRight = 1,  // the left half of a split print
    AgainstLeft = 2,   // the right half
    AgainstBottom = 3, // the top half
    AgainstTop = 4,    // the bottom half
};

enum : int { LineLight = 1, LineMedium = 2, LineHeavy = 3 };
enum : int { TextSmall = 1, TextMedium = 2, TextLarge = 3 };

struct PrintOptions {
    int Scale = 100; // N of N : 1; above 0
    int Copies = 1;
    bool ShowScale = true;       // the scale line says "scale N : 1"
    int LineWeight = LineMedium; // 1 light, 2 medium, 3 heavy
    int TextSize = TextMedium;   // 1 small, 2 medium, 3 large
    bool Landscape = true;
    bool KeepTextAngles = false; // the first PRINT.CFG value: 1 = do not mirror text angles on paper
    int WallDisplayMode = 0;     // 0, 1, 10, 11, 20 or 21: wall style and whether automatic dimensions show
    PagePlacement Placement = PagePlacement::Centred;
};

// A world-unit box in the order the extents files hold it.
struct WorldArea {
    int MinX = 0, MaxX = 0, MaxY = 0, MinY = 0;
    bool operator==(const WorldArea&) const = default;
};

} // namespace velmora
