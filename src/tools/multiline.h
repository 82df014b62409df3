// Multilines: a set of equally spaced parallel lines, given by the first line and the start of the last.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

constexpr int MaxMultilines = 100;

// Draw Multilines: the number of lines is asked, then the line tool waits at Step 40 for the first line's
// start. A set needs two lines at least: one line has no spacing to divide.
void CmMultilinesExecute(AppState& state, Ui& ui);

} // namespace velmora
