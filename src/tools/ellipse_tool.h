// The ellipse tool: a filled ellipse in the box dragged with the left button (the press and the drag are
// the line tool's).
#pragma once

#include "tools/line_tool.h"

namespace velmora {

enum : int { ModeEllipse = 5 };

class TEllipsetool : public TLinetool {
public:
    TEllipsetool(AppState& state, Ui& ui);
    // The hollow ellipse in the box from the start to the end.
    void DrawFeedback(Canvas& dc, int flag) override;
};

class TEllipseobjtool : public TEllipsetool {
public:
    using TEllipsetool::TEllipsetool;
    void Commit(Canvas& dc, Size client) override;
};

} // namespace velmora
