// The rounded-rectangle tool, keyboard only: Enter on one corner (as if squared off), then one arrow for
// the width and one for the height; the corner radius is the one asked at the Enter.
#pragma once

#include "tools/line_tool.h"

namespace velmora {

class TRoundrecttool : public TLinetool {
public:
    TRoundrecttool(AppState& state, Ui& ui);

    // Which sides the arrows have given so far; the rectangle is made when both are known.
    bool WidthGiven = false, HeightGiven = false;

    // The hollow rounded rectangle of the box, corner ellipse 2 x SuggestedLength.
    void DrawFeedback(Canvas& dc, int flag) override;
    void KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) override;
};

class TRndrectobjtool : public TRoundrecttool {
public:
    using TRoundrecttool::TRoundrecttool;
    void Commit(Canvas& dc, Size client) override;
};

} // namespace velmora
