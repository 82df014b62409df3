#include "view/view_mapping.h"

#include "view/units.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace velmora {
namespace {

constexpr int Metric = 1;
constexpr int Imperial = 0;

// A metric window of 640 x 400 pixels at normal zoom (5 logical units a pixel), scrolled to (100, 200).
const ViewFrame NormalFrame{100, 200, 3200, 2000};

TEST(ViewMappingTest, MappingPutsTheOriginAtTheBottomLeftWithYUp) {
    const Mapping m = ViewMappingFor(NormalFrame, 640, 400);
    EXPECT_EQ(m, (Mapping{100, 200, 3200, 2000, 0, 400, 640, -400}));
}

TEST(ViewMappingTest, LogicalToPixelAndBack) {
    const Mapping m = ViewMappingFor(NormalFrame, 640, 400);
    struct Case {
        Point Logical;
        Point Pixel;
    };
    const Case cases[] = {
        {{100, 200}, {0, 400}},   // the frame's origin is the client's bottom-left corner
        {{3300, 2200}, {640, 0}}, // and the far corner is the top right
        {{105, 205}, {1, 399}},   {{1700, 1200}, {320, 200}},
        {{95, 195}, {-1, 401}}, // outside the client still maps
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LogicalToPixel(m, c.Logical.X, c.Logical.Y), c.Pixel) << c.Logical.X << "," << c.Logical.Y;
        EXPECT_EQ(PixelToLogical(m, c.Pixel.X, c.Pixel.Y), c.Logical) << c.Pixel.X << "," << c.Pixel.Y;
    }
}

TEST(ViewMappingTest, PixelsRoundTripAtEveryWholeZoom) {
    for (const float zoom : {1.0f, 4.0f, 5.0f, 6.0f, 10.0f}) {
        const ViewFrame frame = ExtentsForClient(300, 200, zoom);
        const Mapping m = ViewMappingFor({-37, 411, frame.ExtX, frame.ExtY}, 300, 200);
        for (int p = -5; p <= 305; p += 7) {
            const Point l = PixelToLogical(m, p, p);
            EXPECT_EQ(LogicalToPixel(m, l.X, l.Y), (Point{p, p})) << "zoom " << zoom << " pixel " << p;
        }
    }
}

TEST(ViewMappingTest, FractionalScalesRoundToTheNearestHalfUp) {
    // 1000 logical units over 300 pixels: 3 1/3 logical units a pixel.
    const Mapping m = ViewMappingFor({0, 0, 1000, 1000}, 300, 300);
    struct Case {
        int Logical;
        int PixelX;
    };
    const Case toPixel[] = {{5, 2}, {-5, -1}, {4, 1}, {1000, 300}, {-1000, -300}, {3, 1}, {-3, -1}};
    for (const Case& c : toPixel)
        EXPECT_EQ(LogicalToPixel(m, c.Logical, 0).X, c.PixelX) << c.Logical;
    const Case toLogical[] = {{3, 1}, {7, 2}, {10, 3}, {-3, -1}, {-7, -2}, {1000, 300}};
    for (const Case& c : toLogical)
        EXPECT_EQ(PixelToLogical(m, c.PixelX, 300).X, c.Logical) << c.PixelX;
}

TEST(ViewMappingTest, EmptyClientsAndFramesNeverDivideByZero) {
    const Mapping empty = ViewMappingFor({0, 0, 0, 0}, 0, 0);
    EXPECT_EQ(empty.WindowExtX, 1);
    EXPECT_EQ(empty.WindowExtY, 1);
    EXPECT_EQ(empty.ViewportExtX, 1);
    EXPECT_EQ(empty.ViewportExtY, -1);
    EXPECT_EQ(PixelToLogical(empty, 10, 10), (Point{10, -10}));

    // A mapping that arrives with a zero extent from elsewhere maps onto the other side's origin.
    Mapping broken = ViewMappingFor(NormalFrame, 640, 400);
    broken.ViewportExtX = 0;
    broken.WindowExtY = 0;
    EXPECT_EQ(PixelToLogical(broken, 50, 50).X, 100);
    EXPECT_EQ(LogicalToPixel(broken, 50, 50).Y, 400);
}

TEST(ViewMappingTest, ExtremeCoordinatesSaturate) {
    const Mapping m = ViewMappingFor({INT_MIN, INT_MIN, 1, 1}, 1000, 1000);
    EXPECT_EQ(LogicalToPixel(m, INT_MAX, INT_MAX), (Point{INT_MAX, INT_MIN}));
    const Mapping coarse = ViewMappingFor({INT_MAX, 0, INT_MAX, INT_MAX}, 1, 1);
    EXPECT_EQ(PixelToLogical(coarse, 1000, 0).X, INT_MAX);
}

TEST(ViewMappingTest, UsableZoomFallsBackToOne) {
    EXPECT_EQ(UsableZoom(5.0f), 5.0f);
    EXPECT_EQ(UsableZoom(0.5f), 0.5f);
    for (const float bad :
         {0.0f, -2.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()})
        EXPECT_EQ(UsableZoom(bad), 1.0f) << bad;
}

TEST(ScrollTest, RangesFromTheSheet) {
    struct Case {
        float Zoom;
        ScrollRanges Ranges;
    };
    const Case cases[] = {
        {5.0f, {1000, 500}},  {4.0f, {1250, 625}},   {3.0f, {1666, 833}},
        {0.0f, {5000, 2500}}, {-1.0f, {5000, 2500}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrollRangesFor(5000, 2500, c.Zoom), c.Ranges) << c.Zoom;
}

TEST(ScrollTest, OriginAndPositionsAreTiedTogether) {
    // The top of the vertical bar shows the top of the sheet: position 0 puts the frame's top at the
    // sheet's top.
    EXPECT_EQ(OriginFromScroll({0, 0}, 500, 400, 5.0f), (Point{0, 500}));
    EXPECT_EQ(OriginFromScroll({100, 50}, 500, 400, 5.0f), (Point{500, 250}));
    EXPECT_EQ(ScrollFromOrigin({500, 250, 3200, 2000}, 500, 5.0f), (ScrollPositions{100, 50}));

    // Round trip positions -> origin -> positions. Whole zooms always come back; at fractional zooms of
    // 4 and more the vertical rule's RoundHalfUp absorbs the truncation of the origin.
    for (const float zoom : {1.0f, 4.0f, 5.0f, 9.0f, 4.8828125f, 6.25f, 7.3f}) {
        const int clientHeight = 400;
        const int vRange = ScrollRangesFor(5000, 4000, zoom).Vertical;
        const int extY = ExtentsForClient(640, clientHeight, zoom).ExtY;
        for (int v = 0; v <= vRange - clientHeight; v += 13) {
            const Point org = OriginFromScroll({v, v}, vRange, clientHeight, zoom);
            const ScrollPositions back = ScrollFromOrigin({org.X, org.Y, 0, extY}, vRange, zoom);
            EXPECT_EQ(back.Vertical, v) << "zoom " << zoom;
            if (zoom == static_cast<float>(static_cast<int>(zoom))) {
                EXPECT_EQ(back.Horizontal, v) << "zoom " << zoom;
            }
        }
    }
}

TEST(ScrollTest, CentringOnTheSheet) {
    // 800 x 400 pixels at zoom 5 on a 5000 x 2500 sheet.
    const ViewFrame extents = ExtentsForClient(800, 400, 5.0f);
    EXPECT_EQ(extents, (ViewFrame{0, 0, 4000, 2000}));
    const ViewFrame centred = CentredOnSheet(extents, 5000, 2500, 5.0f);
    EXPECT_EQ(centred, (ViewFrame{500, 250, 4000, 2000}));
    const ScrollPositions pos = CentredScrollPositions(centred, 5.0f);
    EXPECT_EQ(pos, (ScrollPositions{100, 50}));
    // A centred view agrees with the painting rule.
    EXPECT_EQ(OriginFromScroll(pos, ScrollRangesFor(5000, 2500, 5.0f).Vertical, 400, 5.0f),
              (Point{500, 250}));

    // At zoom 3 the origin is put on a whole pixel: 1300 -> 433 pixels -> 1299.
    const ViewFrame at3 = CentredOnSheet(ExtentsForClient(800, 400, 3.0f), 5000, 2500, 3.0f);
    EXPECT_EQ(at3, (ViewFrame{1299, 648, 2400, 1200}));
    EXPECT_EQ(CentredScrollPositions(at3, 3.0f), (ScrollPositions{433, 216}));
    // A frame larger than the sheet centres at a negative origin, truncated toward zero.
    EXPECT_EQ(CentredOnSheet({0, 0, 5003, 2503}, 5000, 2500, 1.0f), (ViewFrame{-1, -1, 5003, 2503}));
}

TEST(ScrollTest, SheetHeightTakesTheWindowsProportions) {
    // A 5000 x 3000 sheet in an 800 x 400 client at zoom 5 becomes 5000 x 2500.
    EXPECT_EQ(SheetHeightForView(5000, ExtentsForClient(800, 400, 5.0f), Metric), 2500);
    // Rounded down to 25 mm (metric) or 24ths (imperial): 5000 x 2001 / 4000 = 2501.
    EXPECT_EQ(SheetHeightForView(5000, {0, 0, 4000, 2001}, Metric), 2500);
    EXPECT_EQ(SheetHeightForView(5000, {0, 0, 4000, 2001}, Imperial), 2496);
    // No width or height: nothing to derive, rather than a division by zero.
    EXPECT_FALSE(SheetHeightForView(5000, {0, 0, 0, 2000}, Metric));
    EXPECT_FALSE(SheetHeightForView(5000, {0, 0, 4000, 0}, Metric));
    EXPECT_FALSE(SheetHeightForView(5000, ExtentsForClient(0, 0, 5.0f), Metric));
    // A window so wide that the height would round down to nothing, or a height beyond the int range,
    // leaves the sheet as it is rather than making it 0 or clipped high.
    EXPECT_FALSE(SheetHeightForView(5000, {0, 0, 500000, 2000}, Metric));
    EXPECT_FALSE(SheetHeightForView(2000000000, {0, 0, 1, 2000}, Metric));
}

TEST(ReadoutTest, MeasureFromRef) {
    struct Case {
        int Dx, Dy, Units;
        int Length;
        double Bearing;
    };
    const Case cases[] = {
        // The length is truncated in logical units: sqrt(200^2 + 200^2) = 282.8 -> 282 x 5.
        {1000, 1000, 5, 1410, 45.0},
        {1000, -1000, 5, 1410, 135.0},
        {-1000, -1000, 5, 1410, 225.0},
        {-1000, 1000, 5, 1410, 315.0},
        {1003, 0, 5, 1003, 90.0}, // on an axis the offset itself, not a
                                  // multiple of 5
        {-1000, 0, 5, 1000, 270.0},
        {0, 500, 5, 500, 0.0},
        {0, -500, 5, 500, 180.0},
        {24, 24, 5, 0, 0.0}, // within 24 world units on both axes: nothing
        {-24, 20, 6, 0, 0.0},
        {25, 0, 5, 25, 90.0},
        {20, 1000, 5, 1000, 1.1457628381751035},
        {288, 288, 6, 402, 45.0}, // imperial logical units of 6: 67.88 -> 67 x 6
    };
    for (const Case& c : cases) {
        const Measure m = MeasureFromRef(c.Dx, c.Dy, c.Units);
        EXPECT_EQ(m.Length, c.Length) << c.Dx << "," << c.Dy;
        EXPECT_NEAR(m.Bearing, c.Bearing, 1e-9) << c.Dx << "," << c.Dy;
    }
    // Extreme offsets stay defined.
    EXPECT_EQ(MeasureFromRef(INT_MIN, 0, 5).Length, INT_MAX);
    EXPECT_GT(MeasureFromRef(INT_MIN, INT_MAX, 0).Length, 0);
}

TEST(ReadoutTest, HalfPixelCapture) {
    struct Case {
        int Ref, Cursor;
        float Zoom;
        int MetricFlag;
        int NewRef;
    };
    const Case cases[] = {
        // Metric at zoom 5: b = trunc(12.5) = 12, so 988 < c < 1013 captures.
        {1000, 988, 5.0f, Metric, 1000},
        {1000, 989, 5.0f, Metric, 989},
        {1000, 1012, 5.0f, Metric, 1012},
        {1000, 1013, 5.0f, Metric, 1000},
        // Imperial at zoom 4: b = 8.
        {1000, 993, 4.0f, Imperial, 993},
        {1000, 992, 4.0f, Imperial, 1000},
        {1000, 1008, 4.0f, Imperial, 1008},
        {1000, 1009, 4.0f, Imperial, 1000},
        // Near the limits of int the window test does not overflow.
        {INT_MAX, INT_MAX - 3, 5.0f, Metric, INT_MAX - 3},
        {INT_MIN, INT_MAX, 5.0f, Metric, INT_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CaptureReference(c.Ref, c.Cursor, c.Zoom, c.MetricFlag), c.NewRef)
            << c.Ref << " " << c.Cursor;
}

TEST(ReadoutTest, MetricTexts) {
    struct Case {
        int Mode;
        int CursorX, CursorY;
        const char* Text;
        int RefX;
    };
    const Case cases[] = {
        {4, 2000, 1500, " hor 1000: ver 1000: leng 1410 mm: degs 45.0: ", 1000},
        {5, 2000, 1500, " hor 1000: ver 1000: leng 1410 mm: degs 45.0: ", 1000},
        {6, 0, 500, " hor -1000: ver 0: leng 1000 mm: degs 270.0: ", 1000},
        {2, 2000, 1500, " hor 1000: ver 1000 mm.", 1000},
        {3, 500, 0, " hor -500: ver -500 mm.", 1000},
        // A cursor within half a pixel of the reference shows 0 and moves the reference.
        {4, 1010, 1500, " hor 0: ver 1000: leng 1000 mm: degs 0.0: ", 1010},
    };
    for (const Case& c : cases) {
        const auto r = ShowReadoutText({c.CursorX, c.CursorY, 1000, 500, c.Mode, Metric, 5.0f});
        ASSERT_TRUE(r) << c.Mode;
        EXPECT_EQ(r->Text, c.Text) << c.Mode;
        EXPECT_EQ(r->RefX, c.RefX) << c.Mode;
        EXPECT_EQ(r->RefY, 500) << c.Mode;
    }
    EXPECT_FALSE(ShowReadoutText({2000, 1500, 1000, 500, 1, Metric, 5.0f}));
    EXPECT_FALSE(ShowReadoutText({2000, 1500, 1000, 500, 0, Metric, 5.0f}));
}

TEST(ReadoutTest, ImperialTexts) {
    struct Case {
        int Dx, Dy;
        float Zoom;
        const char* Text;
    };
    const Case cases[] = {
        // Normal zoom: whole inches only (3537 = 12' 3 3/8, -36 = -1 1/2 inch).
        {3537, -36, 4.0f, " hor 12' 3: ver 0' -1: leng 12' 3: degs 90.6"},
        {3537, -36, 8.0f, " hor 12' 3: ver 0' -1: leng 12' 3: degs 90.6"},
        // Zoomed in: eighths where there are some; the length never has one.
        {3537, -36, 2.0f, "12' 3 3/8: 0' -1 1/2: leng 12' 3: degs 90.6"},
        {3537, -24, 2.0f, " hor 12' 3 3/8: ver 0' -1: leng 12' 3: degs 90.4"},
        {288, -36, 2.0f, " hor 1' 0: ver 0' -1 1/2: leng 1' 0: degs 97.1"},
        {3539, -24, 2.0f, " hor 12' 3 3/8: ver 0' -1: leng 12' 3: degs 90.4"}, // 11/24 rounds down to 3/8
        // A negative offset with whole feet carries its sign on the feet only.
        {-324, 300, 4.0f, " hor -1' 1: ver 1' 0: leng 1' 6: degs 312.8"},
    };
    for (const Case& c : cases) {
        const auto r = ShowReadoutText({c.Dx, c.Dy, 0, 0, 4, Imperial, c.Zoom});
        ASSERT_TRUE(r);
        EXPECT_EQ(r->Text, c.Text) << c.Dx << "," << c.Dy << " zoom " << c.Zoom;
    }
    // Imperial read-outs show length and bearing in every mode.
    const auto offsetsOnly = ShowReadoutText({288, 0, 0, 0, 2, Imperial, 4.0f});
    ASSERT_TRUE(offsetsOnly);
    EXPECT_EQ(offsetsOnly->Text, " hor 1' 0: ver 0' 0: leng 1' 0: degs 90.0");
}

} // namespace
} // namespace velmora
