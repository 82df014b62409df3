// The object list's queries over small drawings built in code: which floors exist, the hit tests for walls,
// texts and design rooms, the datum corner and the floor records.
#include "model/object_list.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>
#include <vector>

namespace velmora {
namespace {

constexpr int Metric = 5; // world units per logical unit
constexpr int Imperial = 6;

// A drawing as File New leaves it: the six floor records, kinds 32000-32005 on views 120-125.
TFlist NewDrawing() {
    TFlist list;
    for (int i = 0; i < FloorRecordCount; ++i)
        list.Append(std::make_unique<TInfoobj>(32000 + i, ViewGround + i, 0));
    return list;
}

// An external wall along the line the user drew, with its leaves and one inner line: the third inner line
// when there is a cavity, else the first. The inner line lies `inside` below or left of the drawn line.
std::unique_ptr<TExtwallobj> ExtWall(int view, int x1, int y1, int x2, int y2, int cavity = 50,
                                     int kind = 100) {
    auto w = std::make_unique<TExtwallobj>();
    w->Kind = kind, w->View = view;
    w->X1 = x1, w->Y1 = y1, w->X2 = x2, w->Y2 = y2;
    w->Leaf1 = 100, w->Cavity = cavity, w->Leaf2 = 100;
    return w;
}

std::unique_ptr<TInwallobj> InWall(int view, int x1, int y1, int x2, int y2, int thickness, int kind = 150) {
    auto w = std::make_unique<TInwallobj>();
    w->Kind = kind, w->View = view;
    w->X1 = x1, w->Y1 = y1, w->X2 = x2, w->Y2 = y2;
    w->Thickness = thickness;
    // The second face runs parallel, one thickness to the right of vertical walls, above horizontal ones.
    const bool vertical = x1 == x2;
    w->SecondX1 = x1 + (vertical ? thickness : 0), w->SecondY1 = y1 + (vertical ? 0 : thickness);
    w->SecondX2 = x2 + (vertical ? thickness : 0), w->SecondY2 = y2 + (vertical ? 0 : thickness);
    return w;
}

std::unique_ptr<TTextobj> Text(int kind, int view, int x, int y) {
    return std::make_unique<TTextobj>(kind, view, 0, 0, x, y, "Kitchen", "Arial", 10, 0, 1, 400, 0);
}

std::unique_ptr<TLineobj> Line(int view, int x1, int y1, int x2, int y2) {
    return std::make_unique<TLineobj>(1, view, 0, 0, x1, y1, x2, y2, 0);
}

// A design room: X1 < X2, top Y1 above bottom Y2.
std::unique_ptr<TRoomobj> Room(int kind, int view, int left, int top, int right, int bottom) {
    auto r = std::make_unique<TRoomobj>();
    r->Kind = kind, r->View = view;
    r->X1 = left, r->Y1 = top, r->X2 = right, r->Y2 = bottom;
    return r;
}

std::unique_ptr<TPolyobj> Poly(int kind, int view, const std::vector<Point>& vertices) {
    return std::make_unique<TPolyobj>(kind, view, 0, 0, vertices, 0, 0);
}

TEST(ObjectListQueries, HasContentOnlyForWalls) {
    TFlist list = NewDrawing();
    list.Append(ExtWall(ViewGround, 0, 0, 3000, 0));
    list.Append(Text(4, ViewFirst, 100, 100)); // a first floor of texts only
    list.Append(Line(ViewFirst, 0, 0, 100, 100));
    list.Append(InWall(ViewSecond, 0, 0, 0, 3000, 100));
    list.Append(ExtWall(ViewThird, 0, 0, 3000, 0, 50, 110));    // kind 110 does not make a floor
    list.Append(InWall(ViewBasement, 0, 0, 0, 3000, 100, 154)); // nor does a stop end
    list.Append(ExtWall(ViewSite, 0, 0, 3000, 0));
    struct Case {
        int View;
        bool Has;
    };
    const Case cases[] = {{ViewGround, true},    {ViewFirst, false}, {ViewSecond, true}, {ViewThird, false},
                          {ViewBasement, false}, {ViewNone, false},  {ViewSite, true},   {ViewLayout, false}};
    for (const Case& c : cases)
        EXPECT_EQ(list.HasContent(c.View), c.Has) << c.View;
}

TEST(ObjectListQueries, HasContentLooksOnlyPastTheFloorRecords) {
    // A damaged list whose walls sit where the floor records belong.
    TFlist list;
    for (int i = 0; i < FloorRecordCount; ++i)
        list.Append(ExtWall(ViewFirst, 0, 0, 3000, 0));
    EXPECT_FALSE(list.HasContent(ViewFirst));
    EXPECT_FALSE(TFlist().HasContent(ViewGround));
}

TEST(ObjectListQueries, TopFloor) {
    struct Case {
        const char* Name;
        std::vector<int> ViewsOfObjects; // a line on each
        int Top;
    };
    const Case cases[] = {
        {"only the floor records", {}, ViewGround},
        {"walls on the ground floor only", {ViewGround}, ViewGround},
        {"any object makes a floor, not only walls", {ViewGround, ViewSecond}, ViewSecond},
        {"the highest wins, gaps allowed", {ViewFirst, ViewThird}, ViewThird},
        {"basement and site plan are no upper floors", {ViewBasement, ViewSite, ViewLayout}, ViewGround},
        {"first floor", {ViewFirst, ViewBasement}, ViewFirst},
    };
    for (const Case& c : cases) {
        TFlist list = NewDrawing();
        for (int view : c.ViewsOfObjects)
            list.Append(Line(view, 0, 0, 100, 100));
        EXPECT_EQ(list.TopFloor(), c.Top) << c.Name;
    }
    EXPECT_EQ(TFlist().TopFloor(), ViewGround);
}

// Ground floor: an external wall with a cavity along y = 3000 from x = 3000 to 9000, its third inner line
// 300 below; one without a cavity along x = 3000, its first inner line 300 to the right (a misplaced third
// line far away must not count); an internal wall 100 thick along x = 6000.
TFlist WallDrawing() {
    TFlist list = NewDrawing();
    auto cavityWall = ExtWall(ViewGround, 3000, 3000, 9000, 3000);
    cavityWall->Face3X1 = 3000, cavityWall->Face3Y1 = 2700, cavityWall->Face3X2 = 9000,
    cavityWall->Face3Y2 = 2700;
    cavityWall->Face1X1 = 3000, cavityWall->Face1Y1 = 90000, cavityWall->Face1X2 = 9000,
    cavityWall->Face1Y2 = 90000;
    list.Append(std::move(cavityWall)); // 6
    auto solidWall = ExtWall(ViewGround, 3000, 9000, 3000, 3000, 0);
    solidWall->Face1X1 = 3300, solidWall->Face1Y1 = 9000, solidWall->Face1X2 = 3300,
    solidWall->Face1Y2 = 3000;
    solidWall->Face3X1 = 60000, solidWall->Face3Y1 = 9000, solidWall->Face3X2 = 60000,
    solidWall->Face3Y2 = 3000;
    list.Append(std::move(solidWall));                                   // 7
    list.Append(InWall(ViewGround, 6000, 6000, 6000, 3000, 100));        // 8
    list.Append(InWall(ViewFirst, 7500, 6000, 7500, 3000, 100));         // 9
    list.Append(ExtWall(ViewGround, 12000, 3000, 15000, 3000, 50, 110)); // 10: kind 110 is no wall here
    list.Append(InWall(ViewGround, 13500, 6000, 13500, 3000, 100, 154)); // 11: nor a stop end
    return list;
}

TEST(ObjectListQueries, WallAt) {
    const TFlist list = WallDrawing();
    struct Case {
        const char* Name;
        int View, Units, WorldX, WorldY; // world units, multiples of the units per logical
        int Index;
    };
    const Case cases[] = {
        // External wall, cavity: margin 100 + 50 + 100 + 5 = 255 around the drawn line and the third line.
        {"on the drawn line", ViewGround, Metric, 4500, 3000, 6},
        {"just inside the margin above", ViewGround, Metric, 4500, 3250, 6},
        {"on the margin above", ViewGround, Metric, 4500, 3255, NothingHit},
        {"beyond the end of the line", ViewGround, Metric, 9250, 3000, 6},
        {"inside the third inner line's margin", ViewGround, Metric, 4500, 2450, 6},
        {"on that margin", ViewGround, Metric, 4500, 2445, NothingHit},
        // Without a cavity the first inner line counts instead; the margin is 100 + 0 + 100 + 5 = 205.
        {"by the first inner line", ViewGround, Metric, 3500, 6000, 7},
        {"on that margin", ViewGround, Metric, 3505, 6000, NothingHit},
        {"the third line of a wall without cavity", ViewGround, Metric, 60000, 6000, NothingHit},
        // Internal wall 100 thick: margin 50 + 5 = 55 around the line and the second face (x = 6100).
        {"internal wall", ViewGround, Metric, 5950, 4500, 8},
        {"on its margin", ViewGround, Metric, 5945, 4500, NothingHit},
        {"by its second face", ViewGround, Metric, 6150, 4500, 8},
        {"past its second face", ViewGround, Metric, 6155, 4500, NothingHit},
        // The units per logical unit widen the margin: imperial 55 -> 56.
        {"imperial margin", ViewGround, Imperial, 6156, 4500, NothingHit},
        {"imperial inside", ViewGround, Imperial, 6150, 4500, 8},
        // Only the walls of the view asked for; kind 110 and stop ends never.
        {"first floor wall from the ground floor", ViewGround, Metric, 7500, 4500, NothingHit},
        {"first floor wall", ViewFirst, Metric, 7500, 4500, 9},
        {"kind 110", ViewGround, Metric, 13000, 3000, NothingHit},
        {"stop end", ViewGround, Metric, 13500, 4500, NothingHit},
        // Where walls overlap the first in list order is hit.
        {"corner of two walls", ViewGround, Metric, 3000, 3000, 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list.WallAt(c.View, c.Units, c.WorldX / c.Units, c.WorldY / c.Units), c.Index) << c.Name;
}

TEST(ObjectListQueries, WallAtNeverReturnsAFloorRecordPlace) {
    TFlist list;
    for (int i = 0; i < FloorRecordCount; ++i)
        list.Append(ExtWall(ViewGround, 0, 0, 3000, 0));
    EXPECT_EQ(list.WallAt(ViewGround, Metric, 100, 0), NothingHit);
    list.Append(ExtWall(ViewGround, 0, 0, 3000, 0));
    EXPECT_EQ(list.WallAt(ViewGround, Metric, 100, 0), FloorRecordCount);
}

TEST(ObjectListQueries, TextAt) {
    TFlist list = NewDrawing();
    list.Append(Line(ViewGround, 3000, 3000, 4000, 3000)); // 6: a line anchored at the same point
    list.Append(Text(34, ViewFirst, 3000, 3000));          // 7: another view
    list.Append(Text(4, ViewGround, 3000, 3000));          // 8
    list.Append(Text(37, ViewGround, 3300, 3000));         // 9: overlaps 8's reach
    struct Case {
        const char* Name;
        int View, Units, WorldX, WorldY;
        int Index;
    };
    const Case cases[] = {
        // Strictly within 75 logical units (375 mm) on both axes.
        {"on the anchor", ViewGround, Metric, 3000, 3000, 8},
        {"just inside both axes", ViewGround, Metric, 2630, 3370, 8},
        {"on the reach", ViewGround, Metric, 2625, 3000, NothingHit},
        {"on the reach above", ViewGround, Metric, 3000, 3375, NothingHit},
        {"only the later text reaches", ViewGround, Metric, 3600, 3000, 9},
        {"imperial reach is 450", ViewGround, Imperial, 2556, 3000, 8},
        {"imperial reach edge", ViewGround, Imperial, 2550, 3000, NothingHit},
        {"other view", ViewFirst, Metric, 3000, 3000, 7},
        {"no text there", ViewSecond, Metric, 3000, 3000, NothingHit},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list.TextAt(c.View, c.Units, c.WorldX / c.Units, c.WorldY / c.Units), c.Index) << c.Name;
}

TEST(ObjectListQueries, TextAtEveryTextKind) {
    for (int kind : {4, 24, 34, 35, 36, 37}) {
        TFlist list = NewDrawing();
        list.Append(Text(kind, ViewGround, 1000, 1000));
        EXPECT_EQ(list.TextAt(ViewGround, Metric, 200, 200), 6) << kind;
    }
}

TEST(ObjectListQueries, DesignRoomAt) {
    TFlist list = NewDrawing();
    list.Append(Room(29500, ViewLayout, 0, 9000, 9000, 0));        // a plan room is no design room
    list.Append(Room(29001, ViewLayoutMarking, 0, 9000, 9000, 0)); // another view
    list.Append(Room(29000, ViewLayout, 1000, 4000, 4000, 1000));
    list.Append(Room(29001, ViewLayout, 3000, 6000, 6000, 3000));
    struct Case {
        const char* Name;
        int View, Units, WorldX, WorldY;
        int Kind;
    };
    const Case cases[] = {
        {"inside the first room", ViewLayout, Metric, 2000, 2000, 29000},
        {"inside both: the first in list order", ViewLayout, Metric, 3500, 3500, 29000},
        {"inside the second only", ViewLayout, Metric, 5000, 5000, 29001},
        {"on the left edge", ViewLayout, Metric, 1000, 2000, 0},
        {"on the bottom edge", ViewLayout, Metric, 2000, 1000, 0},
        {"on the top edge", ViewLayout, Metric, 2000, 4000, 0},
        {"just inside the right edge", ViewLayout, Metric, 3995, 2000, 29000},
        {"imperial", ViewLayout, Imperial, 1002, 3996, 29000},
        {"outside every room", ViewLayout, Metric, 8000, 8000, 0},
        {"the marking view has its own room", ViewLayoutMarking, Metric, 8000, 8000, 29001},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list.DesignRoomAt(c.View, c.Units, c.WorldX / c.Units, c.WorldY / c.Units), c.Kind)
            << c.Name;
}

struct DatumCase {
    const char* Name;
    std::vector<std::unique_ptr<TObj>> (*Objects)();
    int View;
    int WallDisplayMode;
    int Units;
    std::optional<Point> Datum;
};

template <class... T> std::vector<std::unique_ptr<TObj>> Objects(std::unique_ptr<T>... objs) {
    std::vector<std::unique_ptr<TObj>> v;
    (v.push_back(std::move(objs)), ...);
    return v;
}

// Walls in list order A (corner 2000, 1000), B (1000, 1000), C (500, 3000): B replaces A; C is further
// left but higher, so it never replaces B. A plain minimum would give (500, 1000).
std::vector<std::unique_ptr<TObj>> ThreeWalls() {
    return Objects(ExtWall(ViewGround, 5000, 1000, 2000, 1000), ExtWall(ViewGround, 1000, 4000, 1000, 1000),
                   ExtWall(ViewGround, 500, 3000, 500, 6000));
}
std::vector<std::unique_ptr<TObj>> ThreeWallsOtherOrder() {
    return Objects(ExtWall(ViewGround, 500, 3000, 500, 6000), ExtWall(ViewGround, 5000, 1000, 2000, 1000),
                   ExtWall(ViewGround, 1000, 4000, 1000, 1000));
}
std::vector<std::unique_ptr<TObj>> OddCorner() {
    return Objects(ExtWall(ViewGround, 1003, 1007, 4000, 1007), ExtWall(ViewFirst, -3, -7, 4000, -7));
}
std::vector<std::unique_ptr<TObj>> NotExternalWalls() {
    return Objects(ExtWall(ViewGround, 100, 100, 4000, 100, 50, 110),
                   InWall(ViewGround, 200, 200, 200, 4000, 100), Line(ViewGround, 0, 0, 100, 100),
                   ExtWall(ViewFirst, 2000, 2000, 5000, 2000));
}
std::vector<std::unique_ptr<TObj>> SiteOutlines() {
    return Objects(ExtWall(ViewSite, 100, 100, 4000, 100),
                   Poly(3500, ViewSite, {{2000, 9000}, {8000, 9000}, {8000, 700}}),
                   Poly(3599, ViewSite, {{1500, 9500}, {9000, 9500}, {9000, 9000}}),
                   Poly(3600, ViewSite, {{0, 0}, {10, 0}, {10, 10}}));
}
std::vector<std::unique_ptr<TObj>> SiteWithoutOutlines() {
    return Objects(ExtWall(ViewGround, 2000, 2000, 5000, 2000), ExtWall(ViewFirst, 1500, 1500, 5000, 1500),
                   Poly(3600, ViewSite, {{0, 0}, {10, 0}, {10, 10}}));
}
std::vector<std::unique_ptr<TObj>> FarAway() {
    return Objects(ExtWall(ViewGround, 600000, 100, 700000, 100), ExtWall(ViewFirst, 499999, 10, 600000, 10));
}
std::vector<std::unique_ptr<TObj>> NoObjects() {
    return {};
}

TEST(ObjectListQueries, DatumCorner) {
    const DatumCase cases[] = {
        {"walked in list order", ThreeWalls, ViewGround, 0, Metric, Point{1000, 1000}},
        {"the order decides", ThreeWallsOtherOrder, ViewGround, 0, Metric, Point{500, 3000}},
        {"rounded down to logical units", OddCorner, ViewGround, 0, Metric, Point{1000, 1005}},
        {"rounded down to imperial units", OddCorner, ViewGround, 0, Imperial, Point{1002, 1002}},
        {"negative corners round down", OddCorner, ViewFirst, 0, Metric, Point{-5, -10}},
        {"only external walls of the view", NotExternalWalls, ViewGround, 0, Metric, std::nullopt},
        {"no walls", NoObjects, ViewGround, 0, Metric, std::nullopt},
        {"overlay mode: the floor below", ThreeWalls, ViewFirst, 4, Metric, Point{1000, 1000}},
        {"overlay mode: the basement uses the ground floor", ThreeWalls, ViewBasement, 4, Metric,
         Point{1000, 1000}},
        {"overlay mode on the ground floor: nothing below", ThreeWalls, ViewGround, 4, Metric, std::nullopt},
        {"other display modes use the view itself", ThreeWalls, ViewFirst, 2, Metric, std::nullopt},
        {"site plan: smallest outline x and y apart", SiteOutlines, ViewSite, 0, Metric, Point{1500, 700}},
        {"site plan without outlines: walls of every view", SiteWithoutOutlines, ViewSite, 0, Metric,
         Point{1500, 1500}},
        {"views 191 to 199 have none", ThreeWalls, 191, 0, Metric, std::nullopt},
        {"layout view has none", ThreeWalls, ViewLayout, 0, Metric, std::nullopt},
        {"a corner at 500000 or beyond is none", FarAway, ViewGround, 0, Metric, std::nullopt},
        // Tested before rounding: 499999 is a corner, rounded down to 499998 in imperial units.
        {"just below the limit", FarAway, ViewFirst, 0, Imperial, Point{499998, 6}},
    };
    for (const DatumCase& c : cases) {
        TFlist list = NewDrawing();
        for (auto& obj : c.Objects())
            list.Append(std::move(obj));
        EXPECT_EQ(list.DatumCorner(c.View, c.WallDisplayMode, c.Units), c.Datum) << c.Name;
    }
}

TEST(ObjectListQueries, DatumCornerNearTheIntLimits) {
    // A drawing file may hold any 32-bit coordinate; rounding down must not overflow.
    TFlist list = NewDrawing();
    list.Append(ExtWall(ViewGround, INT_MIN + 2, INT_MIN, 0, 0));
    const auto datum = list.DatumCorner(ViewGround, 0, Metric);
    ASSERT_TRUE(datum);
    EXPECT_LE(datum->X, INT_MIN + 5);
    EXPECT_LE(datum->Y, INT_MIN + 5);
    EXPECT_EQ(datum->X % Metric, 0);
    EXPECT_EQ(datum->Y % Metric, 0);
}

TEST(ObjectListQueries, FloorRecord) {
    TFlist list = NewDrawing();
    for (int view = ViewGround; view <= ViewNone; ++view) {
        TInfoobj* record = list.FloorRecord(view);
        ASSERT_NE(record, nullptr) << view;
        EXPECT_EQ(record, list.At(view - ViewGround)) << view;
        EXPECT_EQ(record->Kind, 32000 + view - ViewGround) << view;
    }
    for (int view : {119, 126, int{ViewSite}, int{ViewLayout}, -1})
        EXPECT_EQ(list.FloorRecord(view), nullptr) << view;

    // A damaged list: a line where the first floor's record belongs, the second floor's record with the wrong
    // view, and only four objects.
    TFlist damaged;
    damaged.Append(std::make_unique<TInfoobj>(32000, ViewGround, 0));
    damaged.Append(Line(ViewFirst, 0, 0, 1, 1));
    damaged.Append(std::make_unique<TInfoobj>(32002, ViewThird, 0));
    damaged.Append(std::make_unique<TInfoobj>(32003, ViewThird, 0));
    EXPECT_NE(damaged.FloorRecord(ViewGround), nullptr);
    EXPECT_EQ(damaged.FloorRecord(ViewFirst), nullptr);
    EXPECT_EQ(damaged.FloorRecord(ViewSecond), nullptr);
    EXPECT_NE(damaged.FloorRecord(ViewThird), nullptr);
    EXPECT_EQ(damaged.FloorRecord(ViewBasement), nullptr);
    EXPECT_EQ(TFlist().FloorRecord(ViewGround), nullptr);
}

} // namespace
} // namespace velmora

namespace velmora {

TEST(ObjectsExtentTest, SpansThePointsOfObjectsFromTheFirstIndexOnly) {
    TFlist list;
    list.Append(std::make_unique<TLineobj>(1, 120, 0, 0, -500, -500, 9000, 9000, 0)); // before `first`
    list.Append(std::make_unique<TLineobj>(1, 120, 0, 0, 100, 200, 300, 50, 0));
    list.Append(std::make_unique<TTextobj>(4, 120, 0, 0, 400, 100, "x", "Arial", 10, 0, 1, 400, 0));
    list.At(list.ObjectCount() - 1)->X2 = 900; // a text's direction code is no point
    auto window = std::make_unique<TWindowobj>();
    window->InsertX = 50, window->InsertY = 600;
    list.Append(std::move(window));
    list.Append(std::make_unique<TInfoobj>(32000, 120, 0));
    const Extent e = list.ObjectsExtent(1);
    EXPECT_FALSE(e.Empty);
    EXPECT_EQ(std::tuple(e.MinX, e.MinY, e.MaxX, e.MaxY), std::tuple(50, 50, 400, 600));
    EXPECT_TRUE(list.ObjectsExtent(5).Empty);
}

TEST(CopyGroundWallsToSiteTest, CopiesGroundExternalWallsOnlyOnto190) {
    TFlist list;
    auto ground = std::make_unique<TExtwallobj>();
    ground->View = 120, ground->X1 = 10, ground->Highlight = 7;
    list.Append(std::move(ground));
    auto upper = std::make_unique<TExtwallobj>();
    upper->View = 121;
    list.Append(std::move(upper));
    list.Append(std::make_unique<TInwallobj>());
    list.At(list.ObjectCount() - 1)->View = 120;
    list.CopyGroundWallsToSite();
    ASSERT_EQ(list.ObjectCount(), 4);
    EXPECT_EQ(std::tuple(list.At(3)->Kind, list.At(3)->View, list.At(3)->X1, list.At(3)->Highlight),
              std::tuple(100, 190, 10, 7));
}

} // namespace velmora
