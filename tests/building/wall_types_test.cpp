// Wall types: custom sizes, the custom-wall dialogs' refusals and the settings line every wall reads.
#include "building/wall_types.h"
#include "dialogs/ext_wall_dialogs.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmora {
namespace {

TEST(WallTypes, CustomSizesLeaveTheOuterLeafOrRefuse) {
    struct Case {
        int Total, Cavity, Inner;
        std::optional<WallType> Want;
    };
    const Case cases[] = {
        {275, 55, 110, WallType{110, 55, 110}},
        {230, 0, 0, WallType{230, 0, 0}},
        {200, 0, 50, WallType{200, 0, 50}}, // no cavity: the inner leaf is not taken off
        {100, 50, 80, std::nullopt},        // nothing left for the outer leaf
        {100, 50, 50, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Total);
        EXPECT_EQ(CustomWallType(c.Total, c.Cavity, c.Inner), c.Want);
    }
}

TEST(WallTypes, TheMetricCustomDialogRefusesWithTheLastWrongField) {
    struct Case {
        const char* Total;
        const char* Cavity;
        const char* Inner;
        std::optional<std::string> Refusal;
    };
    const Case cases[] = {
        {"275", "55", "110", std::nullopt},
        {"60", "55", "110", "total thickness input is incorrect\n70 - 900 mm."},
        {"60", "701", "110", "cavity input is incorrect\n0 - 700 mm."},
        {"60", "701", "801", "inner wall input is incorrect\n0 - 800 mm."},
        {"100", "50", "80", "total thickness input is incorrect\n70 - 900 mm."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Total);
        DialogDescription d = TTTCustwalldlg::Make(0, 0, 0);
        d.SetValue(TTTCustwalldlg::Total, c.Total);
        d.SetValue(TTTCustwalldlg::CavityField, c.Cavity);
        d.SetValue(TTTCustwalldlg::Inner, c.Inner);
        EXPECT_EQ(d.Check(d, "O K"), c.Refusal);
    }
}

TEST(WallTypes, TheImperialCustomDialogCountsOnlyHalvesQuartersAndEighths) {
    struct Case {
        const char *Inches, *Numerator, *Denominator;
        int Want; // world units of the total; -1 refused
    };
    const Case cases[] = {
        {"9", "1", "2", 228}, {"9", "3", "8", 225}, {"9", "1", "3", 216},
        {"9", "4", "4", 216}, {"9", "5", "4", -1},  {"31", "0", "0", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Inches) + " " + c.Numerator + "/" + c.Denominator);
        DialogDescription d = TTCustwallimpdlg::Make(0, 0, 0);
        d.SetValue("total thickness inches", c.Inches);
        d.SetValue("total thickness numerator", c.Numerator);
        d.SetValue("total thickness denominator", c.Denominator);
        const auto refusal = d.Check(d, "O K");
        if (c.Want < 0) {
            EXPECT_EQ(refusal,
                      "first input group is incorrect - it must be within the range shown or is not a "
                      "valid fraction");
        } else {
            EXPECT_EQ(refusal, std::nullopt);
            EXPECT_EQ(TTCustwallimpdlg::Values(d)[0], c.Want);
        }
    }
}

TEST(WallTypes, TheDialogOpensOnTheLastTypeOfEitherSystem) {
    for (int code : {100, 96}) {
        const DialogDescription d = TTExtwalldlg::Make(code);
        EXPECT_EQ(TTExtwalldlg::Chosen(d).MetricCode, 100);
    }
    EXPECT_EQ(TTExtwalldlg::Chosen(TTExtwalldlg::Make(12345)).MetricCode, 275);
}

TEST(WallTypes, TheSettingsLineRoundTrips) {
    test::TempDir home;
    std::filesystem::create_directories(home.Path / "CFG");
    ExtWallSettings s;
    s.Type = {110, 55, 75};
    s.Levels = {0, 2700, 5400, 8100, -2700, 0};
    s.Params = {1, 2, 3, 4};
    s.Colour = 255;
    std::string error;
    ASSERT_TRUE(WriteExtWallSettings(home.Path, 1, s, error)) << error;
    EXPECT_EQ(test::ReadFile(home.Path / "CFG" / "EXTWALLM.CFG"),
              "110 55 75 0 2700 5400 8100 -2700 0 1 2 3 4 255");
    const ExtWallSettings back = ReadExtWallSettings(home.Path, 1);
    EXPECT_EQ(back.Type, s.Type);
    EXPECT_EQ(back.LevelOf(121), 2700);
    EXPECT_EQ(back.Params, s.Params);
    EXPECT_EQ(back.Colour, 255);
}

} // namespace
} // namespace velmora
