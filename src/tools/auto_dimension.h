// The automatic dimensions of the external walls of a view: arrows and a length text just outside every
// wall, and the four overall dimensions of an outline of more than four walls. They are derived data:
// every run first removes the previous ones of the view.
#pragma once

#include "app/app_state.h"
#include "tools/dimension_settings.h"

#include <vector>

namespace velmora {

class TExtwallobj;

// Removes every arrow (250) and dimension text (34) of the current view, in one pass.
void ClearAutoDimensions(AppState& state);

// The bearing rule of the text of an angled wall: its escapement and its alignment. Every bearing has
// one, the quarter turns included (a nearly level wall closed onto its start rounds to them).
struct SlantTextRule {
    int Angle = 0;
    int Align = 6;
};
SlantTextRule SlantText(int bearing);

// Appends the dimensions of every external wall of the current view, and the overall dimensions when
// there are more than four; returns how many objects were appended.
int AppendWallDimensions(AppState& state, const DimensionOffsets& offsets);

} // namespace velmora
