#include "building/design_room_bounds.h"

#include "app/app_state.h"
#include "model/drawing_objects.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace velmora::test {
namespace {

struct BoundsFixture {
    TempDir Home;
    AppState S;
    BoundsFixture() {
        std::filesystem::create_directories(Home.Path / "CFG");
        S.HomePath = Home.Path;
        S.UnitsPerLogical = 5;
        S.ViewOrgX = 100, S.ViewOrgY = 200;
        S.CurrentView = 40;
    }
    // A room with top-left (x, y), w wide and l long.
    void Room(int x, int y, int w, int l, int view = 40, int kind = 29000) {
        auto r = std::make_unique<TRoomobj>();
        r->Kind = kind, r->View = view;
        r->X1 = x, r->Y1 = y, r->X2 = x + w, r->Y2 = y - l;
        r->RoomWidth = w, r->RoomLength = l;
        S.DrawingObjects.Append(std::move(r));
    }
    std::string Cfg(const char* name) { return ReadFile(Home.Path / "CFG" / name); }
    bool Has(const char* name) { return std::filesystem::exists(Home.Path / "CFG" / name); }
};

TEST(DesignRoomBounds, BoxOfTheGroupWrittenToBothFiles) {
    BoundsFixture f;
    f.Room(10000, 20000, 3000, 4000);
    f.Room(13100, 20000, 3000, 3600, 40, 29001);
    f.Room(90000, 90000, 5000, 5000, 120); // another view
    const auto r = DesignRoomBounds(f.S);
    EXPECT_EQ(r.Count, 2);
    ASSERT_TRUE(r.BoxWritten);
    EXPECT_EQ(r.Left, 10000);
    EXPECT_EQ(r.Top, 20000);
    EXPECT_EQ(r.Right, 16100);
    EXPECT_EQ(r.Bottom, 16000);
    EXPECT_EQ(r.Area, 6100LL * 4000);
    EXPECT_EQ(f.Cfg("BOUNDS.CFG"), "10000 20000 16100 16000\r\n");
    EXPECT_EQ(f.Cfg("RECT.CFG"), "6100 4000 24400000\r\n");
}

TEST(DesignRoomBounds, MarkingViewCountsTheLayoutRooms) {
    BoundsFixture f;
    f.S.CurrentView = 45;
    f.Room(0, 5000, 3000, 3000);
    f.Room(3100, 5000, 3000, 3000);
    const auto r = DesignRoomBounds(f.S);
    EXPECT_EQ(r.Count, 2);
    EXPECT_TRUE(r.BoxWritten);
}

// An earlier layout's files stay on disk; the result says they are not this layout's.
TEST(DesignRoomBounds, FewerThanTwoRoomsWritesNothingAndSaysSo) {
    for (int rooms : {0, 1}) {
        BoundsFixture f;
        WriteFile(f.Home.Path / "CFG" / "BOUNDS.CFG", "1 2 3 4\r\n");
        for (int i = 0; i < rooms; ++i)
            f.Room(0, 5000, 3000, 3000);
        const auto r = DesignRoomBounds(f.S);
        EXPECT_EQ(r.Count, rooms);
        EXPECT_FALSE(r.BoxWritten);
        EXPECT_EQ(f.Cfg("BOUNDS.CFG"), "1 2 3 4\r\n");
        EXPECT_FALSE(f.Has("RECT.CFG"));
    }
}

TEST(DesignRoomBounds, NewRoomStillParkedIsLeftOutOfTheBox) {
    BoundsFixture f;
    f.Room(20000, 30000, 3000, 3000);
    f.Room(23100, 30000, 3000, 3000);
    // The parking place: lower-left corner (2 * 5 + 100, 2 * 5 + 200) logical.
    f.Room(550, 1050 + 4000, 2000, 4000);
    auto r = DesignRoomBounds(f.S);
    EXPECT_EQ(r.Count, 3);
    EXPECT_EQ(r.Left, 20000);
    EXPECT_EQ(r.Bottom, 27000);
    // Once another object follows it, the room is part of the group.
    f.Room(26200, 30000, 3000, 3000);
    r = DesignRoomBounds(f.S);
    EXPECT_EQ(r.Left, 550);
    EXPECT_EQ(r.Bottom, 1050);
}

TEST(DesignRoomBounds, AreaBeyondThirtyTwoBits) {
    BoundsFixture f;
    f.Room(0, 100000, 50000, 50000);
    f.Room(50000, 50000, 50000, 50000);
    const auto r = DesignRoomBounds(f.S);
    EXPECT_EQ(r.Area, 10000000000LL);
    EXPECT_EQ(f.Cfg("RECT.CFG"), "100000 100000 10000000000\r\n");
}

TEST(DesignRoomBounds, FloorViewsWriteTheNoBoxValues) {
    BoundsFixture f;
    f.S.CurrentView = 120;
    f.Room(0, 5000, 3000, 3000, 120);
    f.Room(3100, 5000, 3000, 3000, 120);
    const auto r = DesignRoomBounds(f.S);
    EXPECT_EQ(r.Count, 2);
    EXPECT_FALSE(r.BoxWritten);
    EXPECT_EQ(f.Cfg("BOUNDS.CFG"), "200000 0 0 200000\r\n");
    EXPECT_FALSE(f.Has("RECT.CFG"));
}

} // namespace
} // namespace velmora::test
