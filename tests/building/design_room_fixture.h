// A layout window for the design-room tool: 1000 x 1000 pixels at one logical unit a pixel with the origin
// at world (0, 0), so world (x, y) is pixel (x / 5, 1000 - y / 5) metric; rooms added straight into the
// list; merging distance 50, partition thickness 100 on every view.
#pragma once

#include "app/program.h"
#include "building/design_room_commands.h"
#include "building/design_room_tool.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace velmora::test {

struct RoomFixture : WindowFixture {
    explicit RoomFixture(int metricFlag = 1, int view = ViewLayout)
        : WindowFixture({1000, 1000}, metricFlag) {
        std::filesystem::create_directories(Home.Path / "ACT");
        Cfg("MERGEM.CFG", "50\r\n");
        Cfg("MERGEI.CFG", "48\r\n");
        Cfg("RMPTNM.CFG", "100 100 100 100 100 100");
        Cfg("RMPTNI.CFG", "96 96 96 96 96 96");
        Open(view);
        UnitFrame(0, 0);
    }
    int Upl() const { return S.UnitsPerLogical; }
    Point Pixel(int x, int y) const { return {x / Upl(), 1000 - y / Upl()}; }
    // A room with top-left (x, y); its list index.
    int Room(int x, int y, int w, int l, const std::string& name = "room") {
        auto r = std::make_unique<TRoomobj>();
        r->View = S.CurrentView;
        r->X1 = x, r->Y1 = y, r->X2 = x + w, r->Y2 = y - l;
        r->RoomWidth = w, r->RoomLength = l;
        r->SetRoomName(name);
        S.DrawingObjects.Append(std::move(r));
        return S.DrawingObjects.ObjectCount() - 1;
    }
    TRoomobj& At(int i) { return static_cast<TRoomobj&>(*S.DrawingObjects.At(i)); }
    void Press(MouseButton b, int x, int y) { Window->OnMouseDown(b, Pixel(x, y)); }
    void Release(MouseButton b, int x, int y) { Window->OnMouseUp(b, Pixel(x, y)); }
    void Move(int x, int y) { Window->OnMouseMove(Pixel(x, y), true); }
    // A drag with the button from one world point to another.
    void Drag(MouseButton b, Point from, Point to) {
        Press(b, from.X, from.Y);
        Move(to.X, to.Y);
        Release(b, to.X, to.Y);
    }
    void Click(int x, int y) {
        Press(MouseButton::Left, x, y);
        Release(MouseButton::Left, x, y);
    }
    void Arrow(velmora::Key k, int amount) {
        Ui.Queue(ScriptAnswer::ForInput(std::to_string(amount)));
        Window->OnKeyDown(KeyEvent{k});
    }
    void Key(velmora::Key k) {
        Window->OnKeyDown(KeyEvent{k});
        Window->OnKeyUp(KeyEvent{k});
    }
    RoomRect Rect(int i) { return RectOf(*S.DrawingObjects.At(i)); }
};

} // namespace velmora::test
