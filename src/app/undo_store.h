// Undo and redo on whole-drawing snapshots kept as drawing files in ACT/: slots 0-9 the undo side (0 the
// newest), 10-19 the redo side (10 the newest), 20 a scratch copy. Because they are files, the history of a
// drawing survives closing the program and opening the same drawing again. The ring belongs to one drawing:
// it records whose it is, and is never restored into another drawing.
#pragma once

#include "app/app_state.h"

#include <string>

namespace velmora {

enum UndoMode : int { UndoReset = 0, UndoRecord = 1, UndoStoreUndo = 2, UndoStoreRedo = 3 };

// The one operation on the snapshot ring. Record: before a change, the present list becomes the newest undo
// state (view is the view it is taken on). Store undo / store redo: the present list moves to the other side
// and the newest state of this side becomes the list. Reset: every slot empty and the history cleared. False
// when a snapshot could not be written or there was no state to restore; the list is then as it was.
bool UndoStore(AppState& state, int mode, int view);

// Takes the undo snapshot a command makes before it changes the drawing: record with CurrentView.
bool RecordUndo(AppState& state);

// Makes the ring the open drawing's: when it belongs to another drawing (or to none), it is reset first.
void ClaimUndoRing(AppState& state);

} // namespace velmora
