// The distance to the nearest external wall ahead of a point along an arrow's direction.
#include "building/wall_ahead.h"

#include "model/drawing_objects.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

struct Wall {
    int X1, Y1, X2, Y2;
    int Kind = 100, View = ViewGround;
};

TFlist ListOf(std::initializer_list<Wall> walls) {
    TFlist list;
    for (int i = 0; i < FloorRecordCount; ++i)
        list.Append(MakeObjectOfKind(32000 + i));
    for (const Wall& w : walls) {
        auto o = MakeObjectOfKind(w.Kind);
        o->View = w.View;
        o->X1 = w.X1, o->Y1 = w.Y1, o->X2 = w.X2, o->Y2 = w.Y2;
        list.Append(std::move(o));
    }
    return list;
}

TEST(WallAhead, TheNearestWallTheRayMeetsBeyondTheMargin) {
    constexpr int Up = 1, Right = 2, Down = 3, Left = 4, Margin = 10;
    const struct {
        const char* Why;
        TFlist List;
        Point From;
        int Direction;
        std::optional<int> Distance;
    } cases[] = {
        {"a wall across the ray", ListOf({{0, 5000, 9000, 5000}}), {3000, 0}, Up, 5000},
        {"the nearer of two", ListOf({{0, 8000, 9000, 8000}, {0, 5000, 9000, 5000}}), {3000, 0}, Up, 5000},
        {"met at its end", ListOf({{0, 0, 9000, 0}}), {0, -9000}, Up, 9000},
        {"left and down", ListOf({{-4000, -100, -4000, 100}, {-50, -3000, 50, -3000}}), {0, 0}, Left, 4000},
        {"down", ListOf({{-4000, -100, -4000, 100}, {-50, -3000, 50, -3000}}), {0, 0}, Down, 3000},
        {"a wall behind", ListOf({{0, 5000, 9000, 5000}}), {3000, 0}, Down, std::nullopt},
        {"a wall beside the ray", ListOf({{4000, 5000, 9000, 5000}}), {3000, 0}, Up, std::nullopt},
        {"the wall the point ends", ListOf({{0, 0, 9000, 0}}), {9000, 0}, Down, std::nullopt},
        {"the wall the point ends, straight on", ListOf({{0, 0, 9000, 0}}), {9000, 0}, Right, std::nullopt},
        {"a wall along the ray, its nearer end", ListOf({{7000, 0, 12000, 0}}), {1000, 0}, Right, 6000},
        {"an angled wall where it crosses", ListOf({{0, 2000, 4000, 6000}}), {1000, 0}, Up, 3000},
        {"within the margin", ListOf({{0, 8, 9000, 8}}), {3000, 0}, Up, std::nullopt},
        {"an internal wall", ListOf({{0, 5000, 9000, 5000, 150}}), {3000, 0}, Up, std::nullopt},
        {"another floor", ListOf({{0, 5000, 9000, 5000, 100, ViewFirst}}), {3000, 0}, Up, std::nullopt},
        {"far apart, in 64 bits",
         ListOf({{-2000000000, 2000000000, 2000000000, 2000000000}}),
         {0, 0},
         Up,
         2000000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        EXPECT_EQ(DistanceToWallAhead(c.List, ViewGround, c.From, c.Direction, Margin), c.Distance);
    }
}

} // namespace
} // namespace velmora
