// The tool of "Print Part of Drawing...": the user drags a box over the floor; its release prints the box.
// It runs as the move tool's part-print mode would (Mode 14, Dragging = the floor), with a box of its own.
#pragma once

#include "tools/drawing_tool.h"

namespace velmora {

class TPartprinttool : public TDrawingtool {
public:
    TPartprinttool(AppState& state, Ui& ui);

    void LeftDown(Canvas& dc, Size client, int px, int py) override;
    void MouseMove(Canvas& dc, Size client, int px, int py) override;
    // Ends the drag; a box with width and height starts the part print (which replaces this tool).
    void LeftUp(Canvas& dc, Size client, int px, int py) override;

private:
    void DrawBox(Canvas& dc) const;
};

} // namespace velmora
