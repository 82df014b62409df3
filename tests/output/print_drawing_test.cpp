// What a print reads and adds: the drawing with its own units, the extents, the halves, the scale line and
// the masks of a part print.
#include "model/drawing_objects.h"
#include "output/print_drawing.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmora {
namespace {

class PrintDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(VELMORA_HOME_TEMPLATE, Home.Path, std::filesystem::copy_options::recursive);
        std::string error;
        auto d = ReadPrintDrawing(Home.Path, test::Fixture("two_floor_house.BMS"), error);
        ASSERT_TRUE(d) << error;
        Drawing = std::move(*d);
    }
    test::TempDir Home;
    PrintDrawing Drawing;
    // The sheet's centre in memory: the file stores coordinates relative to it.
    int OX() const { return Drawing.SheetWidth * Drawing.UnitsPerLogical / 2; }
    int OY() const { return Drawing.SheetHeight * Drawing.UnitsPerLogical / 2; }
};

TEST_F(PrintDrawingTest, ReadsTheDrawingWithItsOwnUnits) {
    EXPECT_EQ(Drawing.MetricFlag, 1);
    EXPECT_EQ(Drawing.UnitsPerLogical, 5);
    EXPECT_EQ(Drawing.Name, "two_floor_house");
    const auto first = PrintExtents(Drawing.Objects, 121);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, (WorldArea{OX() - 5000, OX() + 5000, OY() + 4000, OY() - 5200}));
    EXPECT_FALSE(PrintExtents(Drawing.Objects, 122)); // nothing on the second floor

    // An imperial drawing keeps its 6 units per logical unit even when printed from a metric session.
    std::string text = test::ReadFile(test::Fixture("two_floor_house.BMS"));
    text.replace(text.find("41 0 0 0 1"), 10, "41 0 0 0 0");
    test::WriteFile(Home.Path / "imperial.BMS", text);
    std::string error;
    const auto imperial = ReadPrintDrawing(Home.Path, Home.Path / "imperial.BMS", error);
    ASSERT_TRUE(imperial) << error;
    EXPECT_EQ(imperial->MetricFlag, 0);
    EXPECT_EQ(imperial->UnitsPerLogical, 6);
}

TEST_F(PrintDrawingTest, HalvesMeetWithoutOverlapping) {
    const WorldArea e{0, 10001, 8001, 0};
    const auto lr = SplitHalves(e, false);
    EXPECT_EQ(lr[0], (WorldArea{0, 5000, 8001, 0}));
    EXPECT_EQ(lr[1], (WorldArea{5001, 10001, 8001, 0}));
    const auto tb = SplitHalves(e, true);
    EXPECT_EQ(tb[0], (WorldArea{0, 10001, 8001, 4001}));
    EXPECT_EQ(tb[1], (WorldArea{0, 10001, 4001, 0}));
}

TEST_F(PrintDrawingTest, ScaleLineBelowTheTitleOrTheWalls) {
    const ScaleLineSettings settings = ReadScaleLineSettings(Home.Path, 1); // MOFFSET: height 600, gap 1000
    PrintOptions o;
    o.Scale = 50;
    // The first floor's title lies below its walls: the line is two text heights (600 x 50 / 100) under it.
    const auto first = MakeScaleLine(Drawing, 121, o, settings, false);
    ASSERT_TRUE(first);
    const auto& t = static_cast<const TTextobj&>(*first);
    EXPECT_EQ(t.Text(), "two_floor_house scale 50 : 1");
    EXPECT_EQ(t.Y1, OY() - 5200 - 600);
    EXPECT_EQ(t.X1, OX());
    EXPECT_EQ(t.Weight, 700); // the title's font
    EXPECT_EQ(t.Align, 1);
    // Without its title the ground floor's line goes by its lowest dimension text, which stands above the
    // walls: under the lowest wall by 4 heights and the gap.
    auto remove = [&](int kind) {
        for (int i = Drawing.Objects.ObjectCount() - 1; i >= 0; --i)
            if (Drawing.Objects.At(i)->Kind == kind && Drawing.Objects.At(i)->View == 120)
                Drawing.Objects.RemoveAt(i);
    };
    remove(37);
    o.Scale = 100;
    o.ShowScale = false;
    const auto ground = MakeScaleLine(Drawing, 120, o, settings, true);
    ASSERT_TRUE(ground);
    const auto& g = static_cast<const TTextobj&>(*ground);
    EXPECT_EQ(g.Text(), "two_floor_house");
    EXPECT_EQ(g.Y1, OY() - 4000 - (4 * 600 + 1000));
    EXPECT_EQ(g.X1, OX() - 5960 - 2400); // a split print's line stands left of its reference
    EXPECT_EQ(g.Align, 1);
    // With no text to go by at all, across the sheet's middle.
    remove(34);
    const auto middle = MakeScaleLine(Drawing, 120, o, settings, false);
    ASSERT_TRUE(middle);
    EXPECT_EQ(middle->X1, OX());
    EXPECT_EQ(static_cast<const TTextobj&>(*middle).Align, 6);
    EXPECT_FALSE(MakeScaleLine(Drawing, 122, o, settings, false)); // nothing to place it by
}

TEST_F(PrintDrawingTest, PartPrintMasksCoverEverythingOutsideTheArea) {
    const WorldArea extents{0, 10000, 8000, 0};
    const WorldArea area{2000, 12000, 6000, 1000}; // reaches beyond the right side
    const WorldArea outer = PartPrintExtents(extents, area, 5);
    EXPECT_EQ(outer, (WorldArea{-1000, 12500 + 1000, 9000, -1000}));
    const auto masks = MakePartPrintMasks(outer, area, 120, 5);
    ASSERT_EQ(masks.size(), 4u);
    for (const auto& m : masks) {
        EXPECT_EQ(m->Kind, 2000); // never 100: read back, that would be an external wall
        EXPECT_EQ(m->View, 120);
        EXPECT_EQ(m->FillColour, Rgb(255, 255, 255));
    }
    const auto& left = static_cast<const TPolyobj&>(*masks[2]);
    EXPECT_EQ(left.Xs[0], -1000);
    EXPECT_EQ(left.Xs[1], 2000);
    EXPECT_EQ(left.Ys[0], 1000 - 25);
    EXPECT_EQ(left.Ys[2], 6000 + 25);
}

} // namespace
} // namespace velmora
