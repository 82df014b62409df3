// The circle tool: the centre pressed and the radius dragged (only the horizontal offset counts), or the
// centre marked with Enter and the radius typed.
#pragma once

#include "tools/line_tool.h"

namespace velmora {

class TCircletool : public TLinetool {
public:
    TCircletool(AppState& state, Ui& ui);

    int CentreX = 0, CentreY = 0;

    void LeftDown(Canvas& dc, Size client, int px, int py) override;
    void LeftUp(Canvas& dc, Size client, int px, int py) override;
    void MouseMove(Canvas& dc, Size client, int px, int py) override;
    // The hollow circle of the box.
    void DrawFeedback(Canvas& dc, int flag) override;
    // Enter: the circle of radius SuggestedLength (the typed radius) round the cursor.
    void KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) override;

private:
    // The box of the circle through x: r = x - CentreX, which may be negative (the box is then inverted).
    void BoxThrough(int x);
};

class TCircleobjtool : public TCircletool {
public:
    using TCircletool::TCircletool;
    void Commit(Canvas& dc, Size client) override;
};

} // namespace velmora
