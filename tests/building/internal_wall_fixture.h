// A metric drawing window for the internal-wall tool: 1000 x 1000 pixels at one logical unit a pixel with
// the origin at world (0, 0), so world (x, y) is pixel (x / 5, 1000 - y / 5); and a rectangular house of
// solid external walls, drawn clockwise, with their inner lines meeting at the corners.
#pragma once

#include "building/internal_wall_command.h"
#include "building/internal_wall_tool.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::test {

struct InwallFixture : WindowFixture {
    explicit InwallFixture(int metricFlag = 1) : WindowFixture({1000, 1000}, metricFlag) {
        std::filesystem::create_directories(Home.Path / "ACT");
    }
    void Start() {
        Open();
        UnitFrame(0, 0);
    }
    static Point Pixel(int x, int y) { return {x / 5, 1000 - y / 5}; }
    void At(int x, int y) { Ui.SetCursorPos(Pixel(x, y)); }
    void Key(velmora::Key k) { Window->OnKeyDown(KeyEvent{k}); }
    void Arrow(velmora::Key k, int length) {
        Ui.Queue(ScriptAnswer::ForInput(std::to_string(length)));
        Key(k);
    }
    // Draw Internal Wall with the width and side given in the dialog.
    void Command(int width, const std::string& side = "left of first line") {
        Ui.Queue(ScriptAnswer::ForDialog("internal wall or double lines",
                                         {"width=" + std::to_string(width), side, "OK"}));
        CmIntwallExecute(S, Ui, {});
    }
    // A wall run: Enter at the start, then each arrow with its length.
    void Run(Point start, const std::vector<std::pair<velmora::Key, int>>& arrows) {
        At(start.X, start.Y);
        Key(velmora::Key::Enter);
        for (const auto& [k, length] : arrows)
            Arrow(k, length);
    }

    // The external walls of a house with outer corners (x1, y1) bottom left and (x2, y2) top right, solid, of
    // thickness t, each wall's inner line cut at the inner corners.
    void AddHouse(int x1, int y1, int x2, int y2, int t, int view = ViewGround) {
        struct W {
            Point A, B, FA, FB;
            int Angle;
        };
        const W walls[] = {
            {{x1, y2}, {x2, y2}, {x1 + t, y2 - t}, {x2 - t, y2 - t}, 900},
            {{x2, y2}, {x2, y1}, {x2 - t, y2 - t}, {x2 - t, y1 + t}, 1800},
            {{x2, y1}, {x1, y1}, {x2 - t, y1 + t}, {x1 + t, y1 + t}, 2700},
            {{x1, y1}, {x1, y2}, {x1 + t, y1 + t}, {x1 + t, y2 - t}, 0},
        };
        for (const W& w : walls) {
            auto e = std::make_unique<TExtwallobj>();
            e->View = view;
            e->X1 = w.A.X, e->Y1 = w.A.Y, e->X2 = w.B.X, e->Y2 = w.B.Y;
            e->Face1X1 = w.FA.X, e->Face1Y1 = w.FA.Y, e->Face1X2 = w.FB.X, e->Face1Y2 = w.FB.Y;
            e->Leaf1 = t;
            e->WallFlag = 1;
            e->Angle = w.Angle;
            e->WallCodes = {100, 18, 100, 20};
            S.DrawingObjects.Append(std::move(e));
        }
    }

    // The internal-wall records (kinds 150 to 155) as the drawing file holds them.
    std::vector<TInwallobj> Saved() {
        AppState back;
        back.HomePath = S.HomePath;
        back.DrawingName = S.DrawingName;
        back.SheetWidth = S.SheetWidth, back.SheetHeight = S.SheetHeight;
        back.SetUnitsFromMetricFlag();
        EXPECT_TRUE(LoadDrawing(back, ModeWorking).Ok());
        std::vector<TInwallobj> walls;
        for (int i = FloorRecordCount; i < back.DrawingObjects.ObjectCount(); ++i)
            if (auto* w = dynamic_cast<TInwallobj*>(back.DrawingObjects.At(i))) walls.push_back(*w);
        return walls;
    }
    TInwallobjtool* Inwall() { return dynamic_cast<TInwallobjtool*>(S.CurrentTool.get()); }
};

// A record's lines and joins in one comparable piece.
struct WallLines {
    int Kind;
    Point A, B, SecondA, SecondB;
    int Angle, StartJoin, EndJoin, Thickness;
    bool operator==(const WallLines&) const = default;
};

inline WallLines LinesOf(const TInwallobj& w) {
    return {w.Kind,
            {w.X1, w.Y1},
            {w.X2, w.Y2},
            {w.SecondX1, w.SecondY1},
            {w.SecondX2, w.SecondY2},
            w.Angle,
            w.StartJoinBearing,
            w.EndJoinBearing,
            w.Thickness};
}

inline std::ostream& operator<<(std::ostream& os, const WallLines& w) {
    auto p = [&](Point q) { os << "(" << q.X << "," << q.Y << ")"; };
    os << "kind " << w.Kind << " ";
    p(w.A), p(w.B);
    os << " second ";
    p(w.SecondA), p(w.SecondB);
    return os << " angle " << w.Angle << " joins " << w.StartJoin << "/" << w.EndJoin << " t " << w.Thickness;
}

} // namespace velmora::test
