// The Undo and Redo commands of the Edit menu and the tool bar: they walk the snapshot ring of the open
// drawing and, after a wall or line comes back as the last object, put the cursor on its free end with the
// wall tool ready to go on from there.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

class TMDIChild;

// Both do nothing without a ready drawing and a drawing window.
void CmUndoExecute(AppState& state, Ui& ui, TMDIChild* window);
void CmRedoExecute(AppState& state, Ui& ui, TMDIChild* window);

} // namespace velmora
