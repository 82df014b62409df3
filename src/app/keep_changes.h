// Leaving the open drawing: saving it before another is opened, and settling the changes made since the last
// explicit save (keep them, or go back to the checkpoint CFG/tmp.cfg).
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

// Writes the open drawing before it is left (the site plan re-centred first). Nothing to write when no
// drawing is loaded.
void SaveCurrentBeforeLeaving(AppState& state, Ui& ui);

// With SaveState 1 asks "do you wish to save drawing changes?": Yes writes the drawing and the checkpoint;
// No returns the drawing to the checkpoint and SaveState to 0; Cancel (Escape, the box closed) writes and
// discards nothing and returns false: the user stays where the question was asked, and the command that
// was leaving ends. With autosave on (2) writes the drawing. A checkpoint that cannot be read, or holds no
// drawing, never replaces or deletes the drawing: the changes are then kept and the user is told.
bool AskToKeepChanges(AppState& state, Ui& ui);

// A running guided sequence asks "do you wish to leave the Wizard?"; Yes ends the sequence. A New that
// continues the sequence (newContinues, at its first step) asks nothing. False when the user stays in it
// (the command then ends).
bool LeaveGuidedSequence(AppState& state, Ui& ui, bool newContinues = false);

// Shows a failed write; true when it succeeded.
bool ReportWrite(Ui& ui, bool ok, const std::string& error);

// Writes the drawing to the file of the mode and shows a failed write; true when it was written.
bool WriteDrawing(AppState& state, Ui& ui, int mode);

} // namespace velmora
