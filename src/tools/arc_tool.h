// The arc tool, keyboard only: Enter on one endpoint, Enter on the other (level or plumb with the first)
// and a height; a positive height bows the arc above a level chord or left of a plumb one.
#pragma once

#include "tools/line_tool.h"

namespace velmora {

class TArctool : public TLinetool {
public:
    TArctool(AppState& state, Ui& ui);

    int ArcStartX = 0, ArcStartY = 0; // the ray the arc starts on (counter-clockwise, y up)
    int ArcEndX = 0, ArcEndY = 0;     // the ray it ends on; after the first Enter, the first endpoint
    int ArcState = 0;                 // 0 no endpoint marked, 1 the first endpoint marked

    // The hollow arc of the box, start and end.
    void DrawFeedback(Canvas& dc, int flag) override;
    // The first Enter marks an endpoint; the second, with the height as amount, makes the arc.
    void KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) override;

private:
    // The box, start and end of the arc over the chord from the first endpoint to p; false when the two
    // endpoints are neither level nor plumb, or are one point.
    bool ShapeOver(Point p, int height);
    void Clear();
};

class TArcobjtool : public TArctool {
public:
    using TArctool::TArctool;
    void Commit(Canvas& dc, Size client) override;
};

} // namespace velmora
