// A drawing window for the shape and text tools: 1000 x 1000 pixels at one logical unit a pixel with the
// origin at logical (-100, -100), so that world (x, y) is pixel (x / 5 + 100, 900 - y / 5) in a metric
// drawing (x / 6 + 100, 900 - y / 6 imperial). Keys go through the window as a user presses them, and
// what a commit made is read back from the drawing file it saved.
#pragma once

#include "app/drawing_store.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::test {

struct ShapeFixture : WindowFixture {
    explicit ShapeFixture(int metricFlag = 1, int view = ViewGround)
        : WindowFixture({1000, 1000}, metricFlag) {
        std::filesystem::create_directories(Home.Path / "ACT");
        Cfg("FILLCLR.CFG", "12632256\r\n");
        Open(view);
        UnitFrame(-100, -100);
    }
    int U() const { return S.UnitsPerLogical; }
    Point Pixel(int x, int y) const { return {x / U() + 100, 900 - y / U()}; }
    void At(int x, int y) { Ui.SetCursorPos(Pixel(x, y)); }
    void Key(velmora::Key k) { Window->OnKeyDown(KeyEvent{k}); }
    void Char(char c) { Window->OnKeyDown(KeyEvent{velmora::Key::Character, c}); }
    // A key and the typed character it makes, as the frame sends both.
    void Type(char c) {
        if (c == '\r')
            Window->OnKeyDown(KeyEvent{velmora::Key::Enter});
        else
            Window->OnKeyDown(KeyEvent{velmora::Key::Character, c});
        Window->OnKeyPress(c);
    }
    void Arrow(velmora::Key k, int length) {
        Ui.Queue(ScriptAnswer::ForInput(std::to_string(length)));
        Key(k);
    }
    void Click(int x, int y) {
        const Point p = Pixel(x, y);
        Window->OnMouseDown(MouseButton::Left, p);
        Window->OnMouseUp(MouseButton::Left, p);
    }
    int Count() const { return S.DrawingObjects.ObjectCount(); }

    // The objects of class T the working copy holds, read back into a fresh state.
    template <typename T> std::vector<T> Saved() {
        AppState back;
        back.HomePath = S.HomePath;
        back.DrawingName = S.DrawingName;
        back.SheetWidth = S.SheetWidth, back.SheetHeight = S.SheetHeight;
        back.MetricFlag = S.MetricFlag;
        back.SetUnitsFromMetricFlag();
        EXPECT_TRUE(LoadDrawing(back, ModeWorking).Ok());
        std::vector<T> out;
        for (int i = FloorRecordCount; i < back.DrawingObjects.ObjectCount(); ++i)
            if (auto* o = dynamic_cast<T*>(back.DrawingObjects.At(i))) out.push_back(*o);
        return out;
    }
};

} // namespace velmora::test
