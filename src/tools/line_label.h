// Line + Text: a line drawn by drag or keys, then labelled along its middle with a short text. The text and
// its side are carried from the question to the labelling by CFG/LTEXT.CFG, so an empty answer labels the
// line with the previous text again.
#pragma once

#include "app/app_state.h"
#include "platform/canvas.h"
#include "platform/ui.h"

namespace velmora {

// Where a label of a line goes: anchor, direction code (the line's bearing), escapement and alignment.
struct LineLabelPlace {
    Point Anchor;
    int Direction = 0;
    int Escapement = 0;
    int Align = 6;
};

// side 1 above or left of the line, 2 below or right; q the label's line height in world units.
LineLabelPlace PlaceLineLabel(Point a, Point b, int side, int q);

// Line + Text: the line tool at Step 50, waiting for a drag or a key.
void CmLinetextExecute(AppState& state, Ui& ui);

// After a line + text line was made: the working copy saved, the question asked, the line labelled, then
// the pick tool (on the site plan the tool stays for the next line) and the drawing saved. A cancelled
// question only installs the pick tool.
void LabelLineJustMade(AppState& state, Ui& ui, Canvas& dc);

} // namespace velmora
