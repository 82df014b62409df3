// The file steps of leaving the program that belong to the file commands: putting the open drawing at the
// top of the recent list and settling changes made since the last save. The exit sequence calls them in its
// order; the file commands give them their full behaviour.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

// Records the open drawing as the first recent entry, so the next start opens it again.
void AddOpenDrawingToRecent(AppState& state, Ui& ui);

// Settles the changes made since the last explicit save (keep them, or return to the checkpoint). True when
// the frame may close; false when the user stays (Cancel on the question), with the drawing, its view and
// its files as they were.
bool SettleChangesAtExit(AppState& state, Ui& ui);

} // namespace velmora
