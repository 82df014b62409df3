// Save, Save As, the autosave and autoscroll switches of the File menu, and the File menu's checks.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

// Save: the drawing and the checkpoint; the drawing then counts as saved.
void CmSaveExecute(AppState& state, Ui& ui);

// Save As: a copy of the open drawing under a new name; the open drawing stays the one open, in name and
// file. An existing drawing of that name is replaced only when the user says so.
void CmSaveasExecute(AppState& state, Ui& ui);

// Autosave on (SaveState 2) or off; the choice is kept in SAVE.CFG.
void CmAutosaveExecute(AppState& state, Ui& ui);

// Autoscroll on or off; the choice is kept in AUTOSCROLL.CFG.
void CmAutoscrollExecute(AppState& state, Ui& ui);

// The File menu opening: its check marks and which of Save and Save As can be chosen.
void File1Click(AppState& state, Ui& ui);

} // namespace velmora
