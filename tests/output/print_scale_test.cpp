// The scale rule: world units to device pixels at N : 1, the pen and text factors, the placements.
#include "output/print_scale.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

const DeviceInfo A4At600{600, 600, 7016, 4961};

TEST(PrintScale, A15MetreAreaAt100To1Prints150Millimetres) {
    // 15000 mm wide: 3000 logical units, 150 mm on paper = 3543 pixels at 600 dpi.
    const auto p = MapAreaOnPage({0, 15000, 8000, 0}, 5, 1, 100, 1.0, A4At600, PagePlacement::Centred);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->DeviceWidth, 3543);
    EXPECT_EQ(p->Map.WindowExtX, 3000);
    EXPECT_EQ(p->Map.ViewportExtY, -1889); // y grows upward on paper
}

TEST(PrintScale, ImperialScalesLoseNothingToIntegerDivision) {
    // 52 feet = 14976 world units = 2496 logical at 96 : 1 is 6.5 inches; an integer wx * U / S would give
    // 156 instead of 156.0 only by luck, and at 100 : 1 it would give 149 instead of 149.76.
    const auto at96 = MapAreaOnPage({0, 14976, 2400, 0}, 6, 0, 96, 1.0, A4At600, PagePlacement::Centred);
    ASSERT_TRUE(at96);
    EXPECT_EQ(at96->DeviceWidth, 3900);
    const auto at100 = MapAreaOnPage({0, 14976, 2400, 0}, 6, 0, 100, 1.0, A4At600, PagePlacement::Centred);
    ASSERT_TRUE(at100);
    EXPECT_EQ(at100->DeviceWidth, 3744); // 149.76 / 24 inches x 600
}

TEST(PrintScale, CalibrationStretchesBothDirections) {
    const auto p = MapAreaOnPage({0, 15000, 15000, 0}, 5, 1, 100, 1.01, A4At600, PagePlacement::Centred);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->DeviceWidth, 3578);
    EXPECT_EQ(p->DeviceHeight, 3578);
}

TEST(PrintScale, EachDirectionUsesItsOwnResolution) {
    const auto p =
        MapAreaOnPage({0, 15000, 15000, 0}, 5, 1, 100, 1.0, {600, 300, 7016, 2480}, PagePlacement::Centred);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->DeviceWidth, 3543);
    EXPECT_EQ(p->DeviceHeight, 1771);
}

TEST(PrintScale, RefusesWhatCannotBeMapped) {
    const WorldArea area{0, 15000, 8000, 0};
    for (int scale : {0, -100})
        EXPECT_FALSE(MapAreaOnPage(area, 5, 1, scale, 1.0, A4At600, PagePlacement::Centred)) << scale;
    EXPECT_FALSE(MapAreaOnPage({0, 0, 8000, 0}, 5, 1, 100, 1.0, A4At600, PagePlacement::Centred));
    EXPECT_FALSE(MapAreaOnPage(area, 5, 1, 100, 0.0, A4At600, PagePlacement::Centred));
    EXPECT_FALSE(
        MapAreaOnPage({-2000000000, 2000000000, 8000, 0}, 5, 1, 1, 1.0, A4At600, PagePlacement::Centred));
}

TEST(PrintScale, PenAndTextFactors) {
    const struct {
        int Metric, Scale, Weight, Size, Pen, Text;
    } cases[] = {
        {1, 100, LineMedium, TextMedium, 3, 6}, {1, 50, LineMedium, TextMedium, 6, 3},
        {1, 200, LineHeavy, TextLarge, 2, 16},  {1, 100, LineLight, TextSmall, 1, 4},
        {0, 96, LineHeavy, TextSmall, 5, 4},    {1, 1, LineLight, TextSmall, 100, 1}, // never 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Scale);
        const double k = ScaleRatio(c.Metric, c.Scale);
        EXPECT_EQ(PenFactor(c.Weight, k), c.Pen);
        EXPECT_EQ(TextFactor(c.Size, k), c.Text);
    }
}

// Where the area's lower-left corner (the viewport origin) lands for each placement.
TEST(PrintScale, PlacementsPutTheAreaOnThePage) {
    const WorldArea half{0, 15000, 15000, 0}; // 3543 x 3543 pixels
    const struct {
        PagePlacement Where;
        int X, Y;
    } cases[] = {
        {PagePlacement::Centred, (7016 - 3543) / 2, (4961 + 3543) / 2},
        {PagePlacement::AgainstRight, 7016 - 3543, (4961 + 3543) / 2},
        {PagePlacement::AgainstLeft, 0, (4961 + 3543) / 2},
        {PagePlacement::AgainstBottom, (7016 - 3543) / 2, 4961}, // the top half ends on the page's lower edge
        {PagePlacement::AgainstTop, (7016 - 3543) / 2, 3543},    // the bottom half starts on its upper edge
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Where));
        const auto p = MapAreaOnPage(half, 5, 1, 100, 1.0, A4At600, c.Where);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->Map.ViewportOrgX, c.X);
        EXPECT_EQ(p->Map.ViewportOrgY, c.Y);
        const int top = p->Map.ViewportOrgY + p->Map.ViewportExtY;
        EXPECT_GE(top, 0);
        EXPECT_LE(p->Map.ViewportOrgY, 4961);
    }
}

} // namespace
} // namespace velmora
