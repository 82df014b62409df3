// Which objects a view shows and in which order: floor plans by display mode, overlays of other floors, the
// site plan, the layout views, and fills beneath line work.
#include "view/paint_objects.h"
#include "view/render_fixtures.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::MetricContext;
using test::Painted;
using test::PaintedIn;
using test::Tagged;

constexpr Colorref Own = Rgb(0, 0, 77);

// Tags of the objects of a small two-floor drawing with a basement, a site plan and a layout.
enum Tag : int {
    GroundWall = 1,
    GroundText = 2,
    GroundConstruction = 3,
    GroundArrow = 4,
    GroundDimension = 5,
    GroundFixture = 6,
    GroundMask = 7,
    GroundLine = 8,
    GroundDimensionText = 9,
    GroundTitle = 10,
    GroundLineText = 11,
    GroundPlanRoom = 12,
    GroundFloorRecord = 13,
    FirstWall = 21,
    FirstText = 22,
    FirstLine = 23,
    FirstTitle = 24,
    FirstDimensionText = 25,
    BasementLine = 40,
    SiteText = 50,
    SiteLine = 51,
    LayoutRoom = 60,
    LayoutLine = 61,
    MarkingLine = 62,
    OtherViewLine = 70,
};

TFlist Drawing() {
    TFlist list;
    auto add = [&](int kind, int view, int tag) { list.Append(Tagged(kind, view, tag, Own)); };
    add(100, 120, GroundWall);
    add(4, 120, GroundText);
    add(11, 120, GroundConstruction);
    add(250, 120, GroundArrow);
    add(251, 120, GroundDimension);
    add(6100, 120, GroundFixture);
    add(2000, 120, GroundMask);
    add(1, 120, GroundLine);
    add(34, 120, GroundDimensionText);
    add(37, 120, GroundTitle);
    add(24, 120, GroundLineText);
    add(29500, 120, GroundPlanRoom);
    add(32000, 120, GroundFloorRecord);
    add(100, 121, FirstWall);
    add(4, 121, FirstText);
    add(1, 121, FirstLine);
    add(37, 121, FirstTitle);
    add(34, 121, FirstDimensionText);
    add(1, 124, BasementLine);
    add(4, 190, SiteText);
    add(1, 190, SiteLine);
    add(29000, 40, LayoutRoom);
    add(1, 40, LayoutLine);
    add(1, 45, MarkingLine);
    add(1, 191, OtherViewLine);
    return list;
}

RecordingCanvas PaintOf(const TFlist& list, int view, int mode, const OverlayFlags& flags = {}) {
    PaintContext pc = MetricContext();
    pc.View = view;
    pc.WallDisplayMode = mode;
    RecordingCanvas dc;
    PaintView(dc, list, pc, flags);
    return dc;
}

// Expected appearance of a tag: absent, drawn normally, or drawn in the highlight colour.
enum class Seen { No, Normal, Highlighted };

void ExpectSeen(const RecordingCanvas& dc, const std::vector<std::pair<int, Seen>>& expect,
                const std::string& where) {
    const Colorref hl = MetricContext().HighlightColour;
    for (auto [tag, seen] : expect) {
        switch (seen) {
        case Seen::No:
            EXPECT_FALSE(Painted(dc, tag)) << where << ": tag " << tag;
            break;
        case Seen::Normal:
            EXPECT_TRUE(PaintedIn(dc, tag, Own)) << where << ": tag " << tag;
            break;
        case Seen::Highlighted:
            EXPECT_TRUE(PaintedIn(dc, tag, hl)) << where << ": tag " << tag;
            break;
        }
    }
}

TEST(PaintObjectsTest, PlainFloorPlanShowsItsOwnObjectsBelowThePlanRooms) {
    const TFlist list = Drawing();
    for (int mode : {0, 10, 20}) {
        ExpectSeen(PaintOf(list, 120, mode),
                   {{GroundWall, Seen::Normal},
                    {GroundText, Seen::Normal},
                    {GroundArrow, Seen::Normal},
                    {GroundDimensionText, Seen::Normal},
                    {GroundMask, Seen::Normal},
                    {GroundFixture, Seen::Normal},
                    {GroundPlanRoom, Seen::No},
                    {FirstLine, Seen::No},
                    {BasementLine, Seen::No}},
                   "mode " + std::to_string(mode));
    }
}

TEST(PaintObjectsTest, VariantWithoutDimensionsHidesTheirLabelsAndArrows) {
    const TFlist list = Drawing();
    for (int mode : {1, 11, 21})
        ExpectSeen(PaintOf(list, 120, mode),
                   {{GroundDimensionText, Seen::No},
                    {GroundArrow, Seen::No},
                    {GroundDimension, Seen::Normal},
                    {GroundTitle, Seen::Normal},
                    {GroundLine, Seen::Normal}},
                   "mode " + std::to_string(mode));
}

TEST(PaintObjectsTest, OtherDisplayModesPaintNothingOnFloorPlans) {
    const TFlist list = Drawing();
    for (int mode : {5, 9, 15, 30, 31}) {
        RecordingCanvas dc = PaintOf(list, 120, mode);
        EXPECT_TRUE(dc.Segments().empty()) << mode;
        EXPECT_EQ(dc.Count(CanvasOp::TextOut) + dc.Count(CanvasOp::Polygon), 0) << mode;
    }
}

// Overlay with the ground and first floors chosen while the ground floor is shown: the first floor works as
// the current floor, the ground floor shows faintly without its lettering and annotation.
TEST(PaintObjectsTest, OverlayModeTwoDrawsTheTopChosenFloorNormallyAndTheOtherHighlighted) {
    const TFlist list = Drawing();
    OverlayFlags flags;
    flags.Ground = flags.First = true;
    EXPECT_EQ(OverlayWorkingView(2, flags, 120), 121);
    ExpectSeen(PaintOf(list, 120, 2, flags),
               {{FirstWall, Seen::Normal},
                {FirstText, Seen::Normal},
                {FirstTitle, Seen::Normal},
                {GroundWall, Seen::Highlighted},
                {GroundLine, Seen::Highlighted},
                {GroundText, Seen::No},
                {GroundTitle, Seen::No},
                {GroundConstruction, Seen::No},
                {GroundArrow, Seen::No},
                {GroundDimension, Seen::No},
                {GroundFixture, Seen::No},
                {GroundMask, Seen::No}, // another floor's masks would blank this floor
                {BasementLine, Seen::No}},
               "mode 2");
    // Mode 22 keeps the lower floor's annotation, in the highlight colour.
    ExpectSeen(PaintOf(list, 120, 22, flags),
               {{FirstWall, Seen::Normal},
                {FirstLine, Seen::Normal},
                {GroundText, Seen::Normal}, // texts keep their own colour
                {GroundArrow, Seen::Highlighted},
                {GroundDimension, Seen::Highlighted},
                {GroundFixture, Seen::Highlighted},
                {GroundMask, Seen::No}},
               "mode 22");
}

TEST(PaintObjectsTest, OverlayModeFourShowsOnlyTheChosenFloors) {
    const TFlist list = Drawing();
    OverlayFlags flags;
    flags.Ground = true;
    EXPECT_EQ(OverlayWorkingView(4, flags, 121), 121);
    ExpectSeen(PaintOf(list, 121, 4, flags),
               {{GroundWall, Seen::Highlighted},
                {GroundLine, Seen::Highlighted},
                {GroundArrow, Seen::Highlighted},
                {GroundDimension, Seen::Highlighted},
                {GroundConstruction, Seen::Highlighted},
                {GroundFixture, Seen::Highlighted},
                {GroundText, Seen::Normal},
                {FirstWall, Seen::No},
                {FirstLine, Seen::No},
                {FirstText, Seen::No}},
               "mode 4");
}

TEST(PaintObjectsTest, OutlineOverlayLeavesOutFreeTextsAndOtherFloorsLabels) {
    const TFlist list = Drawing();
    OverlayFlags flags;
    flags.Ground = flags.First = true;
    // Mode 3 works on the top chosen floor; the working floor keeps only its plan title.
    ExpectSeen(PaintOf(list, 120, 3, flags),
               {{FirstWall, Seen::Normal},
                {FirstTitle, Seen::Normal},
                {FirstText, Seen::No},
                {FirstDimensionText, Seen::No},
                {GroundWall, Seen::Highlighted},
                {GroundTitle, Seen::No},
                {GroundLineText, Seen::No},
                {GroundConstruction, Seen::No},
                {GroundFixture, Seen::No}},
               "mode 3");
    // Mode 13 keeps the shown floor as the working floor.
    EXPECT_EQ(OverlayWorkingView(13, flags, 120), 120);
    ExpectSeen(PaintOf(list, 120, 13, flags),
               {{GroundLine, Seen::Normal},
                {GroundTitle, Seen::Normal},
                {FirstLine, Seen::Highlighted},
                {FirstTitle, Seen::No}},
               "mode 13");
}

TEST(PaintObjectsTest, BasementWithGroundPaintsTheGroundFloorUnderTheBasement) {
    const TFlist list = Drawing();
    OverlayFlags flags;
    flags.BasementWithGround = true;
    EXPECT_EQ(OverlayWorkingView(2, flags, 120), 124);
    RecordingCanvas dc = PaintOf(list, 120, 2, flags);
    ExpectSeen(dc, {{GroundLine, Seen::Highlighted}, {BasementLine, Seen::Normal}, {FirstLine, Seen::No}},
               "O5");
    EXPECT_LT(test::CallsAtTag(dc, GroundLine)[0] - dc.Calls.data(),
              test::CallsAtTag(dc, BasementLine)[0] - dc.Calls.data());
}

TEST(PaintObjectsTest, OverlayPaintKeepsTheStoredElementNumbers) {
    TFlist list = Drawing();
    list.At(0)->Highlight = 17; // the ground wall's element number
    OverlayFlags flags;
    flags.Ground = flags.First = true;
    PaintOf(list, 120, 2, flags);
    EXPECT_EQ(list.At(0)->Highlight, 17);
}

TEST(PaintObjectsTest, FillsLieBeneathLineWorkPaintedBeforeThem) {
    TFlist list;
    list.Append(Tagged(1, 120, 1, Own));    // a line...
    list.Append(Tagged(6720, 120, 2, Own)); // ...then a filled polygon across it
    list.Append(Tagged(5, 120, 3, Own));
    list.Append(Tagged(2000, 120, 4, Own)); // masks belong to the line work
    RecordingCanvas dc = PaintOf(list, 120, 0);
    const auto polys = dc.CallsOf(CanvasOp::Polygon);
    ASSERT_EQ(polys.size(), 2u);
    const std::size_t line = dc.FirstIndexOf(CanvasOp::LineTo);
    EXPECT_LT(static_cast<std::size_t>(polys[0] - dc.Calls.data()), line);
    EXPECT_LT(dc.FirstIndexOf(CanvasOp::Ellipse), line);
    EXPECT_GT(static_cast<std::size_t>(polys[1] - dc.Calls.data()), line); // the mask
    EXPECT_EQ(polys[1]->Points[0], (Point{40, 40}));
}

TEST(PaintObjectsTest, SitePlanAndOtherViews) {
    const TFlist list = Drawing();
    RecordingCanvas site = PaintOf(list, 190, 0);
    ExpectSeen(site, {{SiteLine, Seen::Normal}, {SiteText, Seen::Normal}, {GroundLine, Seen::No}}, "site");
    EXPECT_EQ(test::CallsAtTag(site, SiteText)[0]->State.CurrentFont.Height, 3 * 10 * 5);
    ExpectSeen(PaintOf(list, 191, 0), {{OtherViewLine, Seen::Highlighted}}, "view 191");
}

TEST(PaintObjectsTest, LayoutViewsAndTheMarkingView) {
    const TFlist list = Drawing();
    ExpectSeen(PaintOf(list, 40, 0),
               {{LayoutRoom, Seen::Normal}, {LayoutLine, Seen::Normal}, {MarkingLine, Seen::No}}, "layout");
    ExpectSeen(PaintOf(list, 45, 0),
               {{LayoutRoom, Seen::Normal}, {LayoutLine, Seen::Normal}, {MarkingLine, Seen::Normal}},
               "marking");
}

TEST(PaintObjectsTest, ViewsWithoutPictureOnlyKeepTheBackground) {
    const TFlist list = Drawing();
    for (int view : {0, 3, 50, 100, 200, 1000})
        EXPECT_TRUE(PaintOf(list, view, 0).Calls.empty()) << view;
}

TEST(PaintObjectsTest, PaintStartsTransparentWithCopyRasterOperation) {
    RecordingCanvas dc;
    dc.SetRasterOp(RasterOp::Xor);
    PaintContext pc = MetricContext();
    TFlist list;
    list.Append(Tagged(1, 120, 1, Own));
    PaintObjects(dc, list, pc, {}, PaintPass::All);
    const CanvasCall* line = dc.CallsOf(CanvasOp::LineTo).at(0);
    EXPECT_EQ(line->State.Rop, RasterOp::Copy);
    EXPECT_FALSE(line->State.BackgroundOpaque);
    EXPECT_EQ(line->State.BackgroundColour, pc.BackgroundColour);
}

} // namespace
} // namespace velmora
