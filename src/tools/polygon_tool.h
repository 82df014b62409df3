// The polygon tool: a filled outline marked corner by corner from the keyboard. Enter takes the corner at
// the cursor, an arrow key one at a typed distance from the last corner, and the close key (or a corner
// that comes back onto the first) stores the outline as one polygon object of kind 6720.
#pragma once

#include "tools/line_tool.h"

#include <array>
#include <string>

namespace velmora {

// The polygon command's mode (the constructor's own is 9).
enum : int { ModePolygon = 6720, ModePolygonPoint = 9 };

class TPolyobjtool : public TLineobjtool {
public:
    // The corners one polygon object holds, the closing corner included.
    static constexpr int MaxCorners = 19;

    TPolyobjtool(AppState& state, Ui& ui);

    std::array<int, 32> CornerXs{};
    std::array<int, 32> CornerYs{};
    std::array<int, 32> CornerZs{};
    std::array<int, 4> CornerMarks{100, 100, 100, 100};
    int CornerCount = 0;
    Colorref StoreColour = 0;

    // The outcome of the last key, apart from the corner fields: the outline was stored, or the key was
    // refused and the corners are as they were.
    bool Stored = false;
    bool Refused = false;

    // Corners are never taken from the mouse.
    void LeftDown(Canvas& dc, Size client, int px, int py) override;
    // The open outline from the first corner to the last.
    void DrawFeedback(Canvas& dc, int flag) override;
    // Enter: a corner at the cursor; arrows: a corner `amount` away from the last one; Add: close.
    void KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) override;
    // Stores the corners as a TPolyobj. Takes the polygon's element number only when it stores.
    void Commit(Canvas& dc, Size client) override;
    void Operation(int code) override;
    void Adjust(int amount, int x, int y) override;

    // The status line of the marking: how far the last corner lies from the first, and the corner count.
    std::string GuideText() const;

private:
    // Decide, then change: false (with a message) when the outline has no room for another corner.
    bool RoomForCorner();
    void AddCorner(Canvas& dc, Point p);
    void Close(Canvas& dc, Size client);
    bool BackAtFirstCorner() const;
    int DistinctCorners() const;
};

// The element number base of polygons begun on a view: 100000 on the ground floor, 110000 on the first
// floor ... 150000; 0 on views without floors.
int PolygonElementBase(int view);

} // namespace velmora
