#include "view/units.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace velmora {
namespace {

constexpr int Metric = 1;
constexpr int Imperial = 0;

TEST(UnitsTest, UnitsAndZoomFollowTheMeasuringSystem) {
    EXPECT_EQ(UnitsPerLogicalFor(Metric), 5);
    EXPECT_EQ(DefaultZoomFor(Metric), 5);
    EXPECT_EQ(NormalZoomFor(Metric), 5.0f);
    EXPECT_EQ(UnitsPerLogicalFor(Imperial), 6);
    EXPECT_EQ(DefaultZoomFor(Imperial), 4);
    EXPECT_EQ(NormalZoomFor(Imperial), 4.0f);
}

TEST(UnitsTest, FormatLength) {
    struct Case {
        long long Length;
        int MetricFlag;
        const char* Text;
    };
    const Case cases[] = {
        {1000, Metric, "1000"},
        {-5, Metric, "-5"},
        {0, Metric, "0"},
        {300, Imperial, "1' 0 1/2''"}, // 12 inches and 12/24
        {289, Imperial, "1' 0''"},     // the rest 1/24 is dropped
        {36, Imperial, "0' 1 1/2''"},
        {0, Imperial, "0' 0''"},
        {3, Imperial, "0' 0 1/8''"},
        {6, Imperial, "0' 0 1/4''"},
        {9, Imperial, "0' 0 3/8''"},
        {15, Imperial, "0' 0 5/8''"},
        {18, Imperial, "0' 0 3/4''"},
        {21, Imperial, "0' 0 7/8''"},
        {4, Imperial, "0' 0''"},
        {3537, Imperial, "12' 3 3/8''"},
        {350 * 288, Imperial, "350' 0''"},
        {273, Imperial, "0' 11 3/8''"},
        // A negative length keeps both its sign and its fraction.
        {-300, Imperial, "-1' 0 1/2''"},
        {-36, Imperial, "-0' 1 1/2''"},
        // The most negative length, without overflow: 2147483648 = 7456540' 5'' and 8/24 (no eighth).
        {INT_MIN, Imperial, "-7456540' 5''"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatLength(c.Length, c.MetricFlag), c.Text) << c.Length << " metric=" << c.MetricFlag;
}

TEST(UnitsTest, EighthsOnlyForMultiplesOfThree) {
    EXPECT_EQ(EighthsOf(12), (InchFraction{1, 2}));
    EXPECT_EQ(EighthsOf(21), (InchFraction{7, 8}));
    EXPECT_EQ(EighthsOf(6), (InchFraction{1, 4}));
    EXPECT_FALSE(EighthsOf(0));
    EXPECT_FALSE(EighthsOf(13));
    EXPECT_FALSE(EighthsOf(24));
    EXPECT_FALSE(EighthsOf(-3));
}

TEST(UnitsTest, PixelSizeText) {
    struct Case {
        float Zoom;
        int MetricFlag;
        const char* Text;
    };
    const Case cases[] = {
        {5.0f, Metric, " pixel = 25 mm."},    {10.0f, Metric, " pixel = 50 mm."},
        {4.7f, Metric, " pixel = 20 mm."}, // the zoom is truncated first
        {1.0f, Metric, " pixel = 5 mm."},     {4.0f, Imperial, " pixel = 1''"},
        {6.0f, Imperial, " pixel = 1 1/2''"}, {0.5f, Imperial, " pixel = 0.125''"},
        {1.0f, Imperial, " pixel = 1/4''"},   {2.0f, Imperial, " pixel = 1/2''"},
        {3.0f, Imperial, " pixel = 3/4''"},   {5.0f, Imperial, " pixel = 1 1/4''"},
        {7.9f, Imperial, " pixel = 1 3/4''"}, {8.0f, Imperial, " pixel = 2''"},
        {24.0f, Imperial, " pixel = 6''"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PixelSizeText(c.Zoom, c.MetricFlag), c.Text) << c.Zoom << " metric=" << c.MetricFlag;
}

TEST(UnitsTest, PixelSizeTextSurvivesWildZoomFactors) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = 1e30f;
    EXPECT_EQ(PixelSizeText(0.0f, Metric), " pixel = 0 mm.");
    EXPECT_EQ(PixelSizeText(nan, Metric), " pixel = 0 mm.");
    EXPECT_EQ(PixelSizeText(huge, Metric), " pixel = 2147483647 mm.");
    EXPECT_EQ(PixelSizeText(nan, Imperial), " pixel = 0''");
    EXPECT_EQ(PixelSizeText(huge, Imperial), " pixel = 536870911 3/4''");
}

TEST(UnitsTest, RoundHalfUp) {
    struct Case {
        double X;
        int Expected;
    };
    const Case cases[] = {
        {2.5, 3},
        {2.49, 2},
        {2.499, 2}, // only hundredths count
        {2.999, 3},
        {0.0, 0},
        {7.0, 7},
        {433.0, 433},
        {432.99, 433},
        {-1.5, -1},
        {-1.7, -1}, // negative values are truncated: the remainder is
                    // never >= 50
        {1e12, INT_MAX},
        {-1e12, INT_MIN},
        {std::nan(""), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundHalfUp(c.X), c.Expected) << c.X;
}

TEST(UnitsTest, WorldAndLogicalConversions) {
    EXPECT_EQ(WorldToLogical(1003, 5), 200);
    EXPECT_EQ(WorldToLogical(-1003, 5), -200); // toward zero, not down
    EXPECT_EQ(WorldToLogical(1001, 6), 166);
    EXPECT_EQ(LogicalToWorld(200, 5), 1000);
    EXPECT_EQ(LogicalToWorld(-166, 6), -996);
    // No division by zero, and no overflow.
    EXPECT_EQ(WorldToLogical(1003, 0), 1003);
    EXPECT_EQ(LogicalToWorld(INT_MAX, 6), INT_MAX);
    EXPECT_EQ(LogicalToWorld(INT_MIN, 5), INT_MIN);
}

TEST(FeetEntryTest, InitialFieldsFromAWorldValue) {
    struct Case {
        long long Value;
        FeetFields Fields;
    };
    const Case cases[] = {
        {0, {"1", "0", "0", "0"}},
        {-50, {"1", "0", "0", "0"}},
        {3537, {"12", "3", "3", "8"}},
        {300, {"1", "0", "1", "2"}},
        {289, {"1", "0", "0", "0"}}, // a rest that is no eighth keeps the
                                     // default fraction
        {24, {"0", "1", "0", "0"}},
        {100800, {"350", "0", "0", "0"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FeetFieldsFor(c.Value), c.Fields) << c.Value;
}

TEST(FeetEntryTest, AcceptedValues) {
    struct Case {
        FeetFields Fields;
        int World;
    };
    const Case cases[] = {
        {{"12", "3", "3", "8"}, 12 * 288 + 72 + 9}, // 3537
        {{"12", "3", "0", "0"}, 3528},              // denominator 0: no fraction
        {{"0", "0", "0", "0"}, 0},
        {{"1", "0", "0", "0"}, 288},
        {{"350", "11", "7", "8"}, 350 * 288 + 264 + 21},
        {{"0", "0", "1", "1"}, 24},    // a whole inch written as a fraction
        {{"0", "0", "1", "3"}, 8},     // 24 / 3
        {{"0", "0", "2", "7"}, 6},     // 48 / 7 truncated
        {{" 2 ", "6", "0", "0"}, 720}, // blanks around a number are fine
        {{"abc", "6", "0", "0"}, 144}, // a non-number reads as 0
        {{"", "", "", ""}, 0},
        {{"12x", "3", "", "8"}, 72},
    };
    for (const Case& c : cases) {
        const auto value = FeetFieldsValue(c.Fields);
        ASSERT_TRUE(value) << c.Fields.Feet << "' " << c.Fields.Inches << " " << c.Fields.Numerator << "/"
                           << c.Fields.Denominator;
        EXPECT_EQ(*value, c.World) << c.Fields.Feet << "' " << c.Fields.Inches;
    }
}

TEST(FeetEntryTest, RefusedValues) {
    const FeetFields cases[] =
        {
            {"351", "0", "0", "0"}, {"-1", "0", "0", "0"},          {"1", "12", "0", "0"},
            {"1", "-1", "0", "0"},  {"1", "0", "8", "8"},           {"1", "0", "0", "9"},
            {"1", "0", "5", "4"},                                   // numerator above the denominator
            {"1", "0", "3", "0"},                                   // a numerator without a denominator
            {"1", "0", "-1", "0"},  {"99999999999", "0", "0", "0"}, // too big is out of range, not 0
        };
    for (const FeetFields& f : cases)
        EXPECT_FALSE(FeetFieldsValue(f))
            << f.Feet << "' " << f.Inches << " " << f.Numerator << "/" << f.Denominator;
    EXPECT_EQ(FeetRangeMessage, "the input range is 1 to 350 feet");
}

TEST(FeetEntryTest, EveryEighthUpTo350FeetSurvivesTheDialog) {
    for (int v = 3; v <= 350 * 288; v += 3) {
        const auto back = FeetFieldsValue(FeetFieldsFor(v));
        ASSERT_TRUE(back) << v;
        ASSERT_EQ(*back, v) << v;
    }
}

TEST(FeetEntryTest, ReadNumberOrZero) {
    EXPECT_EQ(ReadNumberOrZero("42"), 42);
    EXPECT_EQ(ReadNumberOrZero("  -7\t"), -7);
    EXPECT_EQ(ReadNumberOrZero("+3"), 3);
    EXPECT_EQ(ReadNumberOrZero("3.5"), 0);
    EXPECT_EQ(ReadNumberOrZero("-"), 0);
    EXPECT_EQ(ReadNumberOrZero("1 2"), 0);
    EXPECT_EQ(ReadNumberOrZero("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(ReadNumberOrZero("-99999999999999999999999"), INT_MIN);
}

} // namespace
} // namespace velmora
