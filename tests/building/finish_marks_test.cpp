#include "building/finish_marks.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

CornerMark Mark(Point a, Point b, int bearing) {
    return {a, b, bearing, 0};
}

// A clockwise chain through the corners (closed back to the first), bearings of quarter turns.
std::vector<CornerMark> Chain(const std::vector<Point>& corners) {
    std::vector<CornerMark> marks;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point a = corners[i], b = corners[(i + 1) % corners.size()];
        const int bearing = b.X > a.X ? 900 : b.X < a.X ? 2700 : b.Y < a.Y ? 1800 : 0;
        marks.push_back(Mark(a, b, bearing));
    }
    return marks;
}

// Two rooms 3000 x 4000 side by side, 100 apart.
const std::vector<RoomBox> TwoRooms = {
    {10000, 14000, 13000, 10000, 3000, 4000},
    {13100, 14000, 16100, 10000, 3000, 4000},
};

TEST(TrueMarks, AMarkNearTheRoomsAlongItTakesTheirSizeAndTheChainStaysClosed) {
    // Marked clockwise from the top-left corner, the right-hand side 10 short: both level marks become
    // 6100, the rooms' widths and the partition between them.
    auto marks = Chain({{10000, 14000}, {16090, 14000}, {16090, 10000}, {10000, 10000}});
    EXPECT_TRUE(TrueMarks(marks, TwoRooms, 25, 100));
    const std::vector<CornerMark> want =
        Chain({{10000, 14000}, {16100, 14000}, {16100, 10000}, {10000, 10000}});
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(marks[i].Start, want[i].Start) << "mark " << i;
        EXPECT_EQ(marks[i].End, want[i].End) << "mark " << i;
    }
    EXPECT_EQ(marks[0].Length, 6100);
    EXPECT_EQ(marks[2].Length, 6100);
}

TEST(TrueMarks, MarksAsFarAsTheToleranceOrWithNoRoomsAlongThemKeepTheirLength) {
    struct Case {
        int Right; // x of the right-hand side
        int Tolerance;
    };
    for (const Case c : {Case{16125, 25}, Case{16075, 25}, Case{16090, 10}}) {
        auto marks = Chain({{10000, 14000}, {c.Right, 14000}, {c.Right, 10000}, {10000, 10000}});
        const auto before = marks;
        EXPECT_FALSE(TrueMarks(marks, TwoRooms, c.Tolerance, 100)) << c.Right;
        EXPECT_EQ(marks[0].End, before[0].End) << c.Right;
    }
    auto away = Chain({{20000, 14000}, {26090, 14000}, {26090, 10000}, {20000, 10000}});
    EXPECT_FALSE(TrueMarks(away, TwoRooms, 25, 100));
}

TEST(TrueMarks, TakesEveryRoomAlongAMarkHoweverManyThereAre) {
    // Thirty rooms of 1000 in a row, 100 apart: 30 x 1000 + 29 x 100 = 32900.
    std::vector<RoomBox> rooms;
    for (int i = 0; i < 30; ++i)
        rooms.push_back({10000 + i * 1100, 14000, 11000 + i * 1100, 12000, 1000, 2000});
    auto marks = Chain({{10000, 14000}, {42910, 14000}, {42910, 12000}, {10000, 12000}});
    EXPECT_TRUE(TrueMarks(marks, rooms, 25, 100));
    EXPECT_EQ(marks[0].End, (Point{42900, 14000}));
}

TEST(OuterLines, QuarterTurnMarksMoveOutwardByTheThicknessAndMeetAtTheCorners) {
    // An L-shaped outline: convex corners move out diagonally, the concave one too (to the outer side).
    const auto marks =
        Chain({{1000, 9000}, {9000, 9000}, {9000, 5000}, {5000, 5000}, {5000, 1000}, {1000, 1000}});
    const auto out = OuterLines(marks, 240);
    const std::vector<Point> corners = {{760, 9240},  {9240, 9240}, {9240, 4760},
                                        {5240, 4760}, {5240, 760},  {760, 760}};
    for (std::size_t i = 0; i < out.size(); ++i) {
        EXPECT_EQ(out[i].Start, corners[i]) << "mark " << i;
        EXPECT_EQ(out[i].End, corners[(i + 1) % corners.size()]) << "mark " << i;
        EXPECT_EQ(out[i].Bearing, marks[i].Bearing) << "mark " << i;
    }
    EXPECT_EQ(out[0].Length, 8480);
}

TEST(OuterLines, AnAngledCornerMeetsAtTheThicknessFromBothMarks) {
    // A right triangle: up, then down the slope at 135 degrees, then west along the bottom.
    std::vector<CornerMark> marks = {
        Mark({1000, 1000}, {1000, 5000}, 0),
        Mark({1000, 5000}, {5000, 1000}, 1350),
        Mark({5000, 1000}, {1000, 1000}, 2700),
    };
    const auto out = OuterLines(marks, 100);
    // The top corner: 100 left of the upright (x = 900) and 100 outside the slope (x + y = 6141.4), the
    // components of the move kept to hundredths and raised to the next whole unit (241.42 to 242).
    EXPECT_EQ(out[0].End, (Point{900, 5242}));
    EXPECT_EQ(out[1].Start, (Point{900, 5242}));
    // The bottom-left corner: 100 outside both quarter-turn marks.
    EXPECT_EQ(out[0].Start, (Point{900, 900}));
    EXPECT_EQ(out[2].End, (Point{900, 900}));
}

TEST(OuterLines, AMarkThatDoublesBackAtAnAngledCornerLeavesThatEndWhereItWasMarked) {
    std::vector<CornerMark> marks = {
        Mark({1000, 1000}, {4000, 4000}, 450),
        Mark({4000, 4000}, {1000, 1000}, 2250),
    };
    const auto out = OuterLines(marks, 100);
    EXPECT_EQ(out[0].End, (Point{4000, 4000}));
    EXPECT_EQ(out[1].Start, (Point{4000, 4000}));
}

TEST(InnerSideOf, ClockwiseLinesHaveTheHouseOnTheirRight) {
    const std::pair<int, int> cases[] = {{900, 1},  {1800, 2}, {2700, 3}, {0, 4},
                                         {3600, 4}, {450, 1},  {3150, 3}};
    for (const auto& [bearing, side] : cases)
        EXPECT_EQ(InnerSideOf(bearing), side) << bearing;
}

} // namespace
} // namespace velmora
