#include "drawing_generator.h"

#include <array>
#include <cmath>
#include <random>
#include <string_view>
#include <vector>

namespace velmora::bench {
namespace {

constexpr std::array<std::string_view, 5> FontNames{"Arial", "Times New Roman", "Courier New", "Arial Narrow",
                                                    "DejaVu Sans"};
constexpr std::array<std::string_view, 10> RoomNames{
    "KITCHEN", "LIVING ROOM", "BED 1", "BED 2", "BATH", " W.C. ", "HALL", "UTILITY  ROOM", "STUDY", "DINING"};
constexpr std::array<std::string_view, 6> Notes{
    "Note: all dimensions in mm", "Existing  boundary wall", "  see detail A ", "GF  FFL +0.150",
    "100mm insulation",           "Make good  to plaster"};
constexpr std::array<std::int32_t, 6> FixtureKinds{6000, 6001, 6100, 6105, 6500, 6600};

// One house on one floor: the rectangle of its external walls, drawn clockwise from the bottom-left corner.
struct House {
    std::int32_t View = 120;
    std::int32_t Left = 0, Bottom = 0, Width = 0, Depth = 0;
    std::int32_t Level = 0;
};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : Rng(seed) {}

    GeneratedDrawing Run(int objectCount) {
        GeneratedDrawing d;
        d.Objects.Reserve(static_cast<std::size_t>(objectCount));
        Out = &d.Objects;
        for (int i = 0; i < FloorRecordCount && Count() < objectCount; ++i) {
            auto info = std::make_unique<TInfoobj>(32000 + i, 120 + i, 0);
            info->Z1 = LevelOf(i);
            info->Z2 = LevelOf(i) + 2400;
            Out->Append(std::move(info));
        }
        int floor = 0;
        while (Count() < objectCount) {
            const House h = NewHouse(floor++ % 5);
            for (int side = 0; side < 4 && Count() < objectCount; ++side)
                ExternalWall(h, side);
            const int rest = static_cast<int>(Between(30, 60));
            for (int i = 0; i < rest && Count() < objectCount; ++i)
                Furnish(h);
            FloorAreas[h.View - 120] += h.Width / 1000 * (h.Depth / 1000);
        }
        for (int i = 0; i < FloorRecordCount && i < Count(); ++i)
            if (auto* info = d.Objects.FloorRecord(120 + i)) info->FloorArea = FloorAreas[i];
        d.Header = {0, 0, 1, Element};
        return d;
    }

private:
    int Count() const { return Out->ObjectCount(); }
    // Floor levels in millimetres: ground, first, second, third, then the basement below the ground.
    static std::int32_t LevelOf(int floor) { return floor == 4 ? -2700 : floor * 2700; }
    // A whole number in lo .. hi, the same on every standard library.
    std::int32_t Between(std::int32_t lo, std::int32_t hi) {
        return lo + static_cast<std::int32_t>(Rng() % static_cast<std::uint32_t>(hi - lo + 1));
    }
    std::int32_t Round100(std::int32_t lo, std::int32_t hi) { return Between(lo / 100, hi / 100) * 100; }
    template <class T, std::size_t N> const T& Pick(const std::array<T, N>& a) { return a[Rng() % N]; }
    Colorref SomeColour() {
        static constexpr std::array<Colorref, 6> colours{
            0, 0, 0, Rgb(255, 0, 0), Rgb(0, 0, 255), Rgb(0, 128, 0)};
        return Pick(colours);
    }

    House NewHouse(int floor) {
        House h;
        h.View = 120 + floor;
        h.Level = LevelOf(floor);
        h.Width = Round100(6000, 14000);
        h.Depth = Round100(5000, 10000);
        h.Left = Round100(2000, SheetWidth * UnitsPerLogical - 2000 - h.Width);
        h.Bottom = Round100(2000, SheetHeight * UnitsPerLogical - 2000 - h.Depth);
        return h;
    }
    std::int32_t InsideX(const House& h) { return h.Left + Round100(300, h.Width - 300); }
    std::int32_t InsideY(const House& h) { return h.Bottom + Round100(300, h.Depth - 300); }

    // Side 0 runs up the left, 1 along the top, 2 down the right, 3 along the bottom: clockwise, so the
    // inside lies to the right of every wall.
    void ExternalWall(const House& h, int side) {
        const std::int32_t l = h.Left, r = h.Left + h.Width, b = h.Bottom, t = h.Bottom + h.Depth;
        static constexpr std::array<std::int32_t, 4> bearings{0, 900, 1800, 2700};
        const std::array<std::array<std::int32_t, 4>, 4> ends{
            {{l, b, l, t}, {l, t, r, t}, {r, t, r, b}, {r, b, l, b}}};
        // The inside, to the right of the direction of drawing.
        const std::array<std::array<std::int32_t, 2>, 4> inward{{{1, 0}, {0, -1}, {-1, 0}, {0, 1}}};
        auto w = std::make_unique<TExtwallobj>();
        w->View = h.View, w->Highlight = Element++, w->WallFlag = 1, w->Z1 = h.Level,
        w->Angle = bearings[side];
        w->X1 = ends[side][0], w->Y1 = ends[side][1], w->X2 = ends[side][2], w->Y2 = ends[side][3];
        w->Aux = side % 2 == 0 ? h.Depth : h.Width;
        w->Leaf1 = 102, w->Cavity = (h.View == 124 ? 0 : 50), w->Leaf2 = 100;
        w->WallParamA = 1, w->WallParamB = 2, w->WallParamC = 0, w->WallParamD = 0;
        const auto face = [&](std::int32_t off, std::int32_t& x1, std::int32_t& y1, std::int32_t& x2,
                              std::int32_t& y2) {
            x1 = w->X1 + inward[side][0] * off, y1 = w->Y1 + inward[side][1] * off;
            x2 = w->X2 + inward[side][0] * off, y2 = w->Y2 + inward[side][1] * off;
        };
        face(w->Leaf1, w->Face1X1, w->Face1Y1, w->Face1X2, w->Face1Y2);
        face(w->Leaf1 + w->Cavity, w->Face2X1, w->Face2Y1, w->Face2X2, w->Face2Y2);
        face(w->Leaf1 + w->Cavity + w->Leaf2, w->Face3X1, w->Face3Y1, w->Face3X2, w->Face3Y2);
        w->CopyX2 = w->X2, w->CopyZ1 = w->Z1, w->CopyY2 = w->Y2;
        w->WallCodes = {100, 18, 100, 20};
        Out->Append(std::move(w));
    }

    // One object of the mix that fills a house.
    void Furnish(const House& h) {
        const std::int32_t roll = Between(0, 99);
        if (roll < 11)
            InternalWall(h);
        else if (roll < 24)
            Line(h, 1);
        else if (roll < 37)
            Line(h, 11);
        else if (roll < 43)
            Text(h, 4);
        else if (roll < 54)
            DimensionText(h);
        else if (roll < 61)
            Text(h, 35);
        else if (roll < 74)
            Dimension(h);
        else if (roll < 88)
            Fixture(h);
        else if (roll < 94)
            Mask(h);
        else if (roll < 97)
            Arc(h);
        else
            Circle(h);
    }

    void InternalWall(const House& h) {
        auto w = std::make_unique<TInwallobj>();
        const bool across = Rng() % 2 == 0;
        w->View = h.View, w->InWallFlag = 1, w->Thickness = 100, w->Z1 = h.Level;
        w->Highlight = w->Aux = Element++;
        if (across) {
            const std::int32_t y = InsideY(h);
            w->X1 = h.Left + 252, w->Y1 = y, w->X2 = h.Left + h.Width - 252, w->Y2 = y, w->Angle = 900;
            w->SecondX1 = w->X1, w->SecondY1 = y - 100, w->SecondX2 = w->X2, w->SecondY2 = y - 100;
        } else {
            const std::int32_t x = InsideX(h);
            w->X1 = x, w->Y1 = h.Bottom + h.Depth - 252, w->X2 = x, w->Y2 = h.Bottom + 252, w->Angle = 1800;
            w->SecondX1 = x - 100, w->SecondY1 = w->Y1, w->SecondX2 = x - 100, w->SecondY2 = w->Y2;
        }
        w->StartJoinBearing = across ? 0 : 900;
        w->InWallCodes = {100, 100, 100, 100};
        Out->Append(std::move(w));
    }

    void Line(const House& h, std::int32_t kind) {
        const std::int32_t x = InsideX(h), y = InsideY(h);
        const bool level = Rng() % 2 == 0;
        const std::int32_t len = Round100(200, 3000);
        Out->Append(std::make_unique<TLineobj>(
            kind, h.View, 0, 0, x, y, level ? x + len : x, level ? y : y + len,
            kind == 11 ? Rgb(128, 128, 128) : SomeColour(), 1, kind == 11 ? 2 : 0));
    }

    void Text(const House& h, std::int32_t kind) {
        const std::string_view text = kind == 35 ? Pick(RoomNames) : Pick(Notes);
        Out->Append(std::make_unique<TTextobj>(kind, h.View, 0, 0, InsideX(h), InsideY(h), text,
                                               Pick(FontNames), Between(8, 14), Rng() % 4 == 0 ? 900 : 0,
                                               kind == 35 ? 6 : Between(1, 6), Rng() % 3 == 0 ? 700 : 400,
                                               SomeColour()));
    }

    void DimensionText(const House& h) {
        const std::int32_t len = Round100(600, h.Width);
        auto t = std::make_unique<TTextobj>(34, h.View, 0, Element, h.Left + len / 2, h.Bottom - 500,
                                            std::to_string(len), Pick(FontNames), 5, 0, 6, 400, 0);
        t->X2 = 1800;
        Out->Append(std::move(t));
    }

    void Dimension(const House& h) {
        const std::int32_t from = h.Left + Round100(0, h.Width / 2), to = from + Round100(600, h.Width / 2);
        const std::int32_t y = h.Bottom - 600;
        Out->Append(
            std::make_unique<TDimensobj>(251, h.View, from, y, to, y, from, y + 150, to, y + 150, 1800, 0));
    }

    void Fixture(const House& h) {
        const int n = Between(4, 12);
        const std::int32_t cx = InsideX(h), cy = InsideY(h), radius = Between(300, 900);
        std::vector<Point> corners;
        for (int i = 0; i < n; ++i) {
            const double a = 2 * 3.14159265358979 * i / n;
            corners.push_back({cx + static_cast<std::int32_t>(std::lround(radius * std::sin(a))),
                               cy + static_cast<std::int32_t>(std::lround(radius * std::cos(a)))});
        }
        const std::int32_t kind = Pick(FixtureKinds);
        auto p = std::make_unique<TPolyobj>(kind, h.View, 0, 0, corners, Rgb(255, 255, 255), 0);
        static constexpr std::array<std::int32_t, 3> layers{0, 50, 100};
        for (int i = 0; i < n; ++i)
            p->Zs[i] = Pick(layers);
        p->PolyRefX = cx, p->PolyRefY = cy;
        if (kind == 6500 || kind == 6600) p->MarkedEdges = {0, n / 2, 100, 100};
        Out->Append(std::move(p));
    }

    // A blank across the bottom wall where an opening goes.
    void Mask(const House& h) {
        const std::int32_t x = h.Left + Round100(300, h.Width - 2100), width = Round100(900, 1800);
        auto p = std::make_unique<TPolyobj>(2000, h.View, 0, 0,
                                            std::vector<Point>{{x, h.Bottom - 5},
                                                               {x + width, h.Bottom - 5},
                                                               {x + width, h.Bottom + 257},
                                                               {x, h.Bottom + 257}},
                                            0, 0);
        p->Zs = {};
        for (int i = 0; i < 4; ++i)
            p->Zs[i] = 2100;
        Out->Append(std::move(p));
    }

    // A door swing: a quarter of the circle round the hinge.
    void Arc(const House& h) {
        const std::int32_t x = InsideX(h), y = InsideY(h), r = Round100(700, 900);
        Out->Append(std::make_unique<TArcobj>(h.View, x - r, y + r, x + r, y - r, x + r, y, x, y + r, 0));
    }

    void Circle(const House& h) {
        const std::int32_t x = InsideX(h), y = InsideY(h), r = Between(150, 400);
        Out->Append(std::make_unique<TCircleobj>(h.View, x - r, y + r, x + r, y - r, Rgb(192, 192, 192), 0));
    }

    std::mt19937 Rng;
    TFlist* Out = nullptr;
    std::int32_t Element = 1;
    std::array<std::int32_t, FloorRecordCount> FloorAreas{};
};

} // namespace

GeneratedDrawing GenerateDrawing(int objectCount, std::uint32_t seed) {
    return Generator(seed).Run(objectCount);
}

} // namespace velmora::bench
