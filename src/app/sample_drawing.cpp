#include "app/sample_drawing.h"

#include <cmath>

namespace velmora {

namespace {

constexpr Colorref Black = 0;
constexpr int Ground = ViewGround;

// A 275 mm cavity wall: outer leaf, cavity, inner leaf.
constexpr int Leaf1 = 110, Cavity = 55, Leaf2 = 110;

struct Corner {
    int X, Y;
};

// The inner line at offset d of a wall from a to b, inside lying to the right of the direction of travel.
// Both corners of a rectangle are convex, so the line runs between the corners moved d into the house.
void InnerLine(Corner a, Corner b, int d, int& x1, int& y1, int& x2, int& y2) {
    const int dx = (b.X > a.X) - (b.X < a.X);
    const int dy = (b.Y > a.Y) - (b.Y < a.Y);
    // Right-hand normal of the travel direction (y up): (dy, -dx).
    x1 = a.X + dy * d + dx * d;
    y1 = a.Y - dx * d + dy * d;
    x2 = b.X + dy * d - dx * d;
    y2 = b.Y - dx * d - dy * d;
}

int Bearing(Corner a, Corner b) {
    if (b.X > a.X) return 900;
    if (b.X < a.X) return 2700;
    return b.Y > a.Y ? 0 : 1800;
}

std::unique_ptr<TExtwallobj> ExternalWall(Corner a, Corner b, int elementNo) {
    auto w = std::make_unique<TExtwallobj>();
    w->View = Ground;
    w->Highlight = elementNo;
    w->X1 = a.X, w->Y1 = a.Y, w->X2 = b.X, w->Y2 = b.Y;
    w->Aux = std::abs(b.X - a.X) + std::abs(b.Y - a.Y);
    w->Leaf1 = Leaf1, w->Cavity = Cavity, w->Leaf2 = Leaf2;
    w->WallFlag = 1;
    w->Angle = Bearing(a, b);
    InnerLine(a, b, Leaf1, w->Face1X1, w->Face1Y1, w->Face1X2, w->Face1Y2);
    InnerLine(a, b, Leaf1 + Cavity, w->Face2X1, w->Face2Y1, w->Face2X2, w->Face2Y2);
    InnerLine(a, b, Leaf1 + Cavity + Leaf2, w->Face3X1, w->Face3Y1, w->Face3X2, w->Face3Y2);
    w->CopyX2 = w->X2, w->CopyZ1 = w->Z1, w->CopyY2 = w->Y2;
    w->WallCodes = {100, 18, 100, 20};
    w->Colour = Black;
    return w;
}

std::unique_ptr<TTextobj> Label(int kind, int x, int y, const char* text, int height, int align,
                                int elementNo = 0) {
    return std::make_unique<TTextobj>(kind, Ground, elementNo, 0, x, y, text, "DejaVu Sans", height, 0, align,
                                      400, Black);
}

void AddLine(TFlist& list, int x1, int y1, int x2, int y2, int elementNo, int kind = 11) {
    list.Append(std::make_unique<TLineobj>(kind, Ground, elementNo, 0, x1, y1, x2, y2, Black));
}

// A mask hiding the wall lines across an opening in a horizontal wall, from x to x + width.
void AddMask(TFlist& list, int x, int width, int outerY, int innerY, int elementNo) {
    auto mask = std::make_unique<TPolyobj>(
        2000, Ground, elementNo, 0,
        std::vector<Point>{{x, outerY}, {x + width, outerY}, {x + width, innerY}, {x, innerY}}, 0, Black);
    list.Append(std::move(mask));
}

void AddDimension(TFlist& list, int x1, int x2, int y, int tickY) {
    list.Append(std::make_unique<TDimensobj>(251, Ground, x1, y, x2, y, x2, y, x1, y, 900, Black));
    AddLine(list, x1, tickY, x1, y - 100, 0);
    AddLine(list, x2, tickY, x2, y - 100, 0);
    list.Append(Label(34, (x1 + x2) / 2, y + 60, std::to_string(std::abs(x2 - x1)).c_str(), 8, 6));
}

void AddVerticalDimension(TFlist& list, int y1, int y2, int x, int tickX) {
    list.Append(std::make_unique<TDimensobj>(251, Ground, x, y1, x, y2, x, y2, x, y1, 0, Black));
    AddLine(list, tickX, y1, x + 100, y1, 0);
    AddLine(list, tickX, y2, x + 100, y2, 0);
    auto text = Label(34, x - 60, (y1 + y2) / 2, std::to_string(std::abs(y2 - y1)).c_str(), 8, 6);
    text->Angle = 900;
    list.Append(std::move(text));
}

} // namespace

void MakeSampleDrawing(TFlist& list, DrawingHeader& header) {
    for (int i = 0; i < FloorRecordCount; ++i)
        list.Append(std::make_unique<TInfoobj>(32000 + i, ViewGround + i, Black));

    // The outline, clockwise from the top left: 10 m wide, 8 m deep, centred on the sheet.
    const Corner tl{7500, 10250}, tr{17500, 10250}, br{17500, 2250}, bl{7500, 2250};
    int element = 1;
    for (auto [a, b] : {std::pair{tl, tr}, {tr, br}, {br, bl}, {bl, tl}})
        list.Append(ExternalWall(a, b, element++));
    if (auto* ground = list.FloorRecord(ViewGround)) ground->FloorArea = 80;

    // An internal wall dividing the living room from the bedroom.
    const int wallIn = Leaf1 + Cavity + Leaf2;
    auto in = std::make_unique<TInwallobj>();
    in->View = Ground, in->Highlight = element, in->Aux = element;
    in->X1 = 13500, in->Y1 = tl.Y - wallIn, in->X2 = 13500, in->Y2 = bl.Y + wallIn;
    in->Thickness = 100, in->InWallFlag = 1, in->Angle = 1800;
    in->SecondX1 = 13400, in->SecondY1 = in->Y1, in->SecondX2 = 13400, in->SecondY2 = in->Y2;
    in->InWallCodes = {100, 100, 100, 100};
    list.Append(std::move(in));
    ++element;

    // The front door in the bottom wall: a mask, the jambs, the leaf and its swing.
    const int doorX = 9500, doorW = 900, inner = bl.Y + wallIn;
    AddMask(list, doorX, doorW, bl.Y, inner, element);
    AddLine(list, doorX, bl.Y, doorX, inner, element);
    AddLine(list, doorX + doorW, bl.Y, doorX + doorW, inner, element);
    AddLine(list, doorX, inner, doorX, inner + doorW, element);
    list.Append(std::make_unique<TArcobj>(Ground, doorX - doorW, inner + doorW, doorX + doorW, inner - doorW,
                                          doorX + doorW, inner, doorX, inner + doorW, Black));
    ++element;

    // A window in the top wall: a mask, the jambs, the frame and the glass line, and its size label.
    const int winX = 9000, winW = 1800, winInner = tl.Y - wallIn;
    AddMask(list, winX, winW, tl.Y, winInner, element);
    AddLine(list, winX, tl.Y, winX, winInner, element);
    AddLine(list, winX + winW, tl.Y, winX + winW, winInner, element);
    AddLine(list, winX, tl.Y - Leaf1, winX + winW, tl.Y - Leaf1, element);
    AddLine(list, winX, tl.Y - Leaf1 - Cavity, winX + winW, tl.Y - Leaf1 - Cavity, element);
    list.Append(Label(35, winX + winW / 2, tl.Y + 75, "1800 w x 1200 h", 6, 6, element));
    ++element;

    // The rooms: their names and sizes as the plan shows them.
    list.Append(Label(35, 10500, 6400, "Living", 10, 6));
    list.Append(Label(36, 10500, 5900, "5725 x 7450", 8, 6));
    list.Append(Label(35, 15500, 6400, "Bedroom", 10, 6));
    list.Append(Label(36, 15500, 5900, "3725 x 7450", 8, 6));

    // Overall dimensions above and to the left, and the plan title.
    AddDimension(list, tl.X, tr.X, tl.Y + 900, tl.Y + 100);
    AddVerticalDimension(list, bl.Y, tl.Y, bl.X - 900, bl.X - 100);
    list.Append(Label(37, 12500, 1200, "GROUND FLOOR PLAN", 12, 6));

    header = DrawingHeader{};
    header.MetricFlag = 1;
    header.NextElementNo = element;
}

} // namespace velmora
