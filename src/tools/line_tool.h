// The line tool family: TLinetool holds the mouse interaction every line-like tool shares (the drag with its
// rubber band, guide lines through the cursor); TLineobjtool adds the steps that store and change objects.
// The idle pick tool is a TLineobjtool in Mode 21.
#pragma once

#include "tools/drawing_tool.h"

namespace velmora {

class TLinetool : public TDrawingtool {
public:
    TLinetool(AppState& state, Ui& ui);

    void LeftDown(Canvas& dc, Size client, int px, int py) override;
    void LeftUp(Canvas& dc, Size client, int px, int py) override;
    void MouseMove(Canvas& dc, Size client, int px, int py) override;
    void DrawFeedback(Canvas& dc, int flag) override;
    void GuideLines(Canvas& dc, int kind) override;

protected:
    bool BandShown() const;
};

class TLineobjtool : public TLinetool {
public:
    TLineobjtool(AppState& state, Ui& ui, int mode);
};

} // namespace velmora
