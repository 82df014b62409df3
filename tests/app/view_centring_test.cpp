// Re-centring a floor moves what belongs to its walls with them, and leaves what is no point where it is.
#include "app/app_state.h"
#include "app/view_centring.h"
#include "model/drawing_objects.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

template <class T> T& AddTo(AppState& s, int kind, int view) {
    auto obj = std::make_unique<T>();
    obj->Kind = kind;
    obj->View = view;
    T& ref = *obj;
    s.DrawingObjects.Append(std::move(obj));
    return ref;
}

TEST(RecentreView, PlanRoomsMoveWithTheirWallsAndDirectionCodesStay) {
    AppState s;
    s.CurrentView = 120;
    auto& wall = AddTo<TExtwallobj>(s, 100, 120);
    wall.X1 = 1000, wall.Y1 = 1000, wall.X2 = 9000, wall.Y2 = 1000;
    auto& room = AddTo<TRoomobj>(s, 29500, 120);
    room.X1 = 2000, room.Y1 = 2000, room.X2 = 5000, room.Y2 = 4000;
    auto& title = AddTo<TTextobj>(s, 4, 120);
    title.X1 = 3000, title.Y1 = 500, title.X2 = 900, title.Y2 = 0;
    auto& design = AddTo<TRoomobj>(s, 29000, 120);
    design.X1 = 2000, design.Y1 = 2000;

    ASSERT_TRUE(RecentreView(s, CentreFloor));
    const int dx = wall.X1 - 1000, dy = wall.Y1 - 1000;
    ASSERT_NE(dx, 0);
    EXPECT_EQ(dx % 25, 0);
    EXPECT_EQ(dy % 25, 0);
    EXPECT_EQ(wall.X2, 9000 + dx);
    EXPECT_EQ(room.X1, 2000 + dx);
    EXPECT_EQ(room.Y1, 2000 + dy);
    EXPECT_EQ(room.X2, 5000 + dx);
    EXPECT_EQ(room.Y2, 4000 + dy);
    EXPECT_EQ(title.X1, 3000 + dx);
    EXPECT_EQ(title.X2, 900); // the direction code is no point
    EXPECT_EQ(design.X1, 2000);
    EXPECT_FALSE(RecentreView(s, CentreFloor)); // centred once, it stays
}

// A partition's EndPoint is carried data: a set one moves with the wall, the zero the wall tools leave
// stays zero, as on a partition made after the centring.
TEST(RecentreView, APartitionsEndPointMovesOnlyWhenSet) {
    AppState s;
    s.CurrentView = 120;
    auto& unset = AddTo<TInwallobj>(s, 150, 120);
    unset.X1 = 1000, unset.Y1 = 1000, unset.X2 = 1000, unset.Y2 = 5000;
    unset.SecondX1 = 1100, unset.SecondY1 = 1000, unset.SecondX2 = 1100, unset.SecondY2 = 5000;
    auto& set = AddTo<TInwallobj>(s, 150, 120);
    set.X1 = 3000, set.Y1 = 1000, set.X2 = 3000, set.Y2 = 5000;
    set.EndPointX = 3000, set.EndPointY = 5000;

    ASSERT_TRUE(RecentreView(s, CentreFloor));
    const int dx = unset.X1 - 1000, dy = unset.Y1 - 1000;
    ASSERT_NE(dx, 0);
    EXPECT_EQ(unset.SecondX2, 1100 + dx);
    EXPECT_EQ(unset.EndPointX, 0);
    EXPECT_EQ(unset.EndPointY, 0);
    EXPECT_EQ(set.EndPointX, 3000 + dx);
    EXPECT_EQ(set.EndPointY, 5000 + dy);
}

} // namespace
} // namespace velmora
