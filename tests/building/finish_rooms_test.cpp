#include "building/finish_commands.h"
#include "building/finish_rooms.h"
#include "building/internal_wall_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace velmora::test {
namespace {

struct FinishFixture : InwallFixture {
    FinishFixture() {
        S.CurrentView = ViewGround;
        S.ZoomFactor = 5; // the default zoom: tolerances of 25 and 26
        S.DefaultFontName = "Sans";
        Cfg("RMPTNM.CFG", "100 100 100 100 100 100");
    }
    // A design room with its top-left and bottom-right corners.
    void AddRoom(int number, int l, int tp, int r, int b, const std::string& name, int style = 0,
                 int view = ViewGround, int kind = 29000) {
        auto room = std::make_unique<TRoomobj>();
        room->Kind = kind;
        room->View = view;
        room->Highlight = room->Aux = number;
        room->X1 = l, room->Y1 = tp, room->X2 = r, room->Y2 = b;
        room->RoomWidth = r - l, room->RoomLength = tp - b;
        room->DimensionStyle = style;
        room->SetRoomName(name);
        room->SetWidthText(std::to_string(r - l));
        room->SetLengthText(std::to_string(tp - b));
        S.DrawingObjects.Append(std::move(room));
    }
    FinishResult Finish() { return FinishRooms(S, Ui, S.CurrentView, 0); }

    std::vector<WallLines> Walls(int number) const {
        std::vector<WallLines> walls;
        for (const auto& o : S.DrawingObjects)
            if (o->Kind == 150 && (number == 0 || o->Aux == number))
                walls.push_back(LinesOf(static_cast<const TInwallobj&>(*o)));
        return walls;
    }
    std::vector<const TObj*> OfKind(int kind, int aux = 0) const {
        std::vector<const TObj*> found;
        for (const auto& o : S.DrawingObjects)
            if (o->Kind == kind && (aux == 0 || o->Aux == aux)) found.push_back(o.get());
        return found;
    }
    int Index(int kind, int aux) const {
        for (int i = 0; i < S.DrawingObjects.ObjectCount(); ++i)
            if (S.DrawingObjects.At(i)->Kind == kind && S.DrawingObjects.At(i)->Aux == aux) return i;
        return -1;
    }
};

WallLines Wall(Point a, Point b, Point sa, Point sb, int angle) {
    return {150, a, b, sa, sb, angle, -1, -1, 100};
}

// Two rooms 3000 x 4000, 100 apart, inside solid external walls whose inner faces lie on the group's edges.
void TwoRoomsInAHouse(FinishFixture& f) {
    f.AddHouse(9900, 9900, 16200, 14100, 100);
    f.AddRoom(10001, 10000, 14000, 13000, 10000, "Bed 1", 2);
    f.AddRoom(10002, 13100, 14000, 16100, 10000, "Bed 2", 2);
}

TEST(FinishRooms, TwoRoomsShareOneWallMadeByTheFirst) {
    FinishFixture f;
    TwoRoomsInAHouse(f);
    const FinishResult r = f.Finish();
    EXPECT_EQ(r.Rooms, 2);
    // The first room's right side, running down, its second line on the room's edge; the second room's left
    // side is covered by it, every other side by the external walls.
    const std::vector<WallLines> want = {
        Wall({13100, 14000}, {13100, 10000}, {13000, 14000}, {13000, 10000}, 1800)};
    EXPECT_EQ(f.Walls(0), want);
    EXPECT_EQ(f.Walls(10001), want);
    EXPECT_EQ(f.OfKind(29500).size(), 2u);
    EXPECT_TRUE(f.OfKind(29000).empty());
}

TEST(FinishRooms, FreeStandingRoomGetsFourWallsClockwiseOverlappingAtTheCorners) {
    FinishFixture f;
    f.AddRoom(10001, 5000, 9000, 8000, 5000, "Study");
    f.Finish();
    const std::vector<WallLines> want = {
        Wall({4900, 4900}, {4900, 9100}, {5000, 5000}, {5000, 9000}, 0),    // left, up
        Wall({8100, 4900}, {4900, 4900}, {8000, 5000}, {5000, 5000}, 2700), // bottom, west
        Wall({8100, 9100}, {8100, 4900}, {8000, 9000}, {8000, 5000}, 1800), // right, down
        Wall({4900, 9100}, {8100, 9100}, {5000, 9000}, {8000, 9000}, 900),  // top, east
    };
    EXPECT_EQ(f.Walls(10001), want);
}

TEST(FinishRooms, AnEdgeNearAnExternalFaceMovesOntoItAndGetsNoWall) {
    FinishFixture f;
    // The house's inner faces at x = 1000 .. 19000, y = 1000 .. 19000; the room's left edge 20 inside.
    f.AddHouse(900, 900, 19100, 19100, 100);
    f.AddRoom(10001, 1020, 9000, 4000, 5000, "Study");
    f.Finish();
    const auto walls = f.Walls(10001);
    ASSERT_EQ(walls.size(), 3u);
    EXPECT_EQ(walls[0], Wall({4100, 4900}, {1000, 4900}, {4000, 5000}, {1000, 5000}, 2700)); // from the face
    EXPECT_EQ(walls[2], Wall({1000, 9100}, {4100, 9100}, {1000, 9000}, {4000, 9000}, 900));
    // The labels measure the room as it now stands.
    const auto name = f.OfKind(36, 10001);
    ASSERT_EQ(name.size(), 1u);
    EXPECT_EQ(name[0]->X1, 2500);
}

TEST(FinishRooms, AWallCoveringPartOfASideLeavesOnlyTheRestToMake) {
    FinishFixture f;
    // An internal wall whose right-hand line covers the lower half of the room's left side.
    auto w = std::make_unique<TInwallobj>();
    w->View = ViewGround;
    w->X1 = 4900, w->Y1 = 5000, w->X2 = 4900, w->Y2 = 7000;
    w->SecondX1 = 5000, w->SecondY1 = 5000, w->SecondX2 = 5000, w->SecondY2 = 7000;
    w->Thickness = 100, w->Angle = 0;
    f.S.DrawingObjects.Append(std::move(w));
    f.AddRoom(10001, 5000, 9000, 8000, 5000, "Study");
    f.Finish();
    const auto walls = f.Walls(10001);
    ASSERT_EQ(walls.size(), 4u);
    // From the top of that wall to the room's top, reaching q past it where the top side is open.
    EXPECT_EQ(walls[0], Wall({4900, 7000}, {4900, 9100}, {5000, 7000}, {5000, 9000}, 0));
    // The bottom wall does not reach past the covered corner.
    EXPECT_EQ(walls[1], Wall({8100, 4900}, {5000, 4900}, {8000, 5000}, {5000, 5000}, 2700));
}

TEST(FinishRooms, LabelsFollowTheNameAndTheDimensionStyle) {
    struct Case {
        const char* Name;
        int Style;
        int Names, Sizes, Dimensions, Walls;
    };
    const Case cases[] = {
        {"Bed 1", 2, 1, 2, 2, 4}, {"Bed 1", 3, 1, 1, 1, 4}, {"Bed 1", 4, 1, 1, 1, 4},
        {"Bed 1", 0, 1, 0, 0, 4}, {"Bed 1", 1, 2, 0, 0, 4}, {"none", 0, 0, 0, 0, 4},
        {"space", 2, 0, 0, 0, 0}, {"SPACE", 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        FinishFixture f;
        f.AddRoom(10001, 5000, 9000, 8000, 5000, c.Name, c.Style);
        f.Finish();
        SCOPED_TRACE(std::string(c.Name) + " style " + std::to_string(c.Style));
        EXPECT_EQ(f.OfKind(36, 10001).size(), static_cast<std::size_t>(c.Names));
        EXPECT_EQ(f.OfKind(35, 10001).size(), static_cast<std::size_t>(c.Sizes));
        EXPECT_EQ(f.OfKind(261, 10001).size(), static_cast<std::size_t>(c.Dimensions));
        EXPECT_EQ(f.Walls(10001).size(), static_cast<std::size_t>(c.Walls));
        EXPECT_EQ(f.OfKind(29500).size(), 1u) << "a room is finished whatever its name";
    }
}

TEST(FinishRooms, TheWidthDimensionLiesTheOffsetInsideTheTopEdge) {
    FinishFixture f;
    f.AddRoom(10001, 5000, 9000, 8000, 5000, "Bed 1", 3);
    f.Finish();
    const auto dims = f.OfKind(261, 10001);
    ASSERT_EQ(dims.size(), 1u);
    const auto& d = static_cast<const TDimensobj&>(*dims[0]);
    EXPECT_EQ((Rect{d.X1, d.Y1, d.X2, d.Y2}), (Rect{5000, 8600, 5200, 8600}));
    EXPECT_EQ((Point{d.X3, d.Y3}), (Point{8000, 8600}));
    EXPECT_EQ(d.Orientation, 900);
    const auto& width = static_cast<const TTextobj&>(*f.OfKind(35, 10001)[0]);
    EXPECT_EQ(width.Text(), "3000");
    EXPECT_EQ((Point{width.X1, width.Y1}), (Point{6500, 8600}));
}

TEST(TakeBackFinishedRoom, RemovesOnlyWhatFinishingMadeForTheRoomInItsView) {
    FinishFixture f;
    f.AddRoom(10001, 5000, 9000, 8000, 5000, "Study", 2);
    f.Finish();
    // Objects that carry the number in Aux for other reasons: an external wall 10001 long, a text of the
    // first floor.
    auto ext = std::make_unique<TExtwallobj>();
    ext->View = ViewGround, ext->Aux = 10001, ext->X1 = 100, ext->Y1 = 100, ext->X2 = 10101, ext->Y2 = 100;
    f.S.DrawingObjects.Append(std::move(ext));
    auto text = std::make_unique<TTextobj>();
    text->Kind = 36, text->View = ViewFirst, text->Aux = 10001;
    f.S.DrawingObjects.Append(std::move(text));
    const int before = f.S.DrawingObjects.ObjectCount();
    ASSERT_GE(TakeBackFinishedRoom(f.S, f.Ui, f.Index(29500, 10001)), 0);
    // Four walls, the name, two size texts and two dimension lines went.
    EXPECT_EQ(f.S.DrawingObjects.ObjectCount(), before - 9);
    EXPECT_EQ(f.OfKind(29001).size(), 1u);
    EXPECT_EQ(f.OfKind(100, 10001).size(), 1u);
    EXPECT_EQ(f.OfKind(36, 10001).size(), 1u);
    EXPECT_EQ(f.OfKind(36, 10001)[0]->View, ViewFirst);
    EXPECT_EQ(TakeBackFinishedRoom(f.S, f.Ui, f.Index(100, 10001)), -1) << "not a finished room";
}

TEST(TakeBackFinishedRoom, KeepsTheSharedWallForTheNeighbourAndFinishingAgainMakesTheSamePlan) {
    FinishFixture f;
    f.AddRoom(10001, 10000, 14000, 13000, 10000, "Bed 1", 2);
    f.AddRoom(10002, 13100, 14000, 16100, 10000, "Bed 2", 2);
    f.Finish();
    // Every wall with the numbers it carries, in one order whatever the list's.
    using Numbered = std::tuple<int, int, int, int, int, int, int, int>;
    auto sorted = [&] {
        std::vector<std::pair<Numbered, WallLines>> w;
        for (const auto& o : f.S.DrawingObjects) {
            if (o->Kind != 150) continue;
            const auto& wall = static_cast<const TInwallobj&>(*o);
            w.push_back({{wall.X1, wall.Y1, wall.X2, wall.Y2, wall.Highlight, wall.Aux, wall.EndPointX,
                          wall.EndPointY},
                         LinesOf(wall)});
        }
        std::sort(w.begin(), w.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        return w;
    };
    const auto plan = sorted();
    ASSERT_EQ(plan.size(), 7u); // four for the first room, three more for the second
    ASSERT_GE(TakeBackFinishedRoom(f.S, f.Ui, f.Index(29500, 10001)), 0);
    // The wall between the rooms stays, now the second room's.
    const std::vector<WallLines> shared = {
        Wall({13100, 14100}, {13100, 9900}, {13000, 14000}, {13000, 10000}, 1800)};
    auto kept = f.Walls(0);
    EXPECT_EQ(kept.size(), 4u);
    EXPECT_EQ(std::count(kept.begin(), kept.end(), shared[0]), 1);
    EXPECT_EQ(f.Walls(10002).size(), 4u);
    f.Finish();
    // The same walls, the shared one the first room's again, as the first finish made it.
    EXPECT_EQ(sorted(), plan);
    EXPECT_EQ(f.Walls(10001).size(), 4u);
}

// Taken back and finished somewhere else, the room leaves the kept partition to its neighbour and makes
// its four walls where it now stands.
TEST(TakeBackFinishedRoom, ARoomFinishedElsewhereLeavesTheSharedWallToTheNeighbour) {
    FinishFixture f;
    f.AddRoom(10001, 10000, 14000, 13000, 10000, "Bed 1", 2);
    f.AddRoom(10002, 13100, 14000, 16100, 10000, "Bed 2", 2);
    f.Finish();
    const int index = f.Index(29500, 10001);
    ASSERT_GE(TakeBackFinishedRoom(f.S, f.Ui, index), 0);
    TObj& room = *f.S.DrawingObjects.At(index);
    room.X1 -= 5000, room.X2 -= 5000;
    f.Finish();
    const std::vector<WallLines> shared = {
        Wall({13100, 14100}, {13100, 9900}, {13000, 14000}, {13000, 10000}, 1800)};
    const auto bed2 = f.Walls(10002);
    EXPECT_EQ(bed2.size(), 4u);
    EXPECT_EQ(std::count(bed2.begin(), bed2.end(), shared[0]), 1) << "Bed 2 keeps the wall on its left";
    EXPECT_EQ(f.Walls(10001).size(), 4u);
}

} // namespace
} // namespace velmora::test
