// The set-up of a run of external walls: the wall type (and custom sizes), the side of the inner lines,
// written to the settings line that every new wall reads; then the guide line and the cursor at the
// corner of the window where a run usually starts.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

class TExtwallobjtool;

// Runs the set-up on the tool. False when the user cancelled a dialog: the pick tool is then installed
// and the tool given is gone; the caller backs out.
bool StartExternalWalls(AppState& state, Ui& ui, TExtwallobjtool& tool);

} // namespace velmora
