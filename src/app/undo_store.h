// Undo and redo on whole-drawing snapshots kept as drawing files in ACT/: slots 0-9 the undo side (0 the
// newest), 10-19 the redo side (10 the newest), 20 a scratch copy. Because they are files, the history of a
// drawing survives closing the program and opening the same drawing again. The ring belongs to one drawing:
// it records whose it is (ACT/RING.CFG, with the view history and each slot's size and checksum beside it),
// and is never restored into another drawing, nor from a slot file that was changed outside the program.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

enum UndoMode : int { UndoReset = 0, UndoRecord = 1, UndoStoreUndo = 2, UndoStoreRedo = 3 };

constexpr int UndoSlotCount = 10; // states kept on each side
constexpr int UndoScratchSlot = 20;

// The one operation on the snapshot ring. Record: before a change, the present list becomes the newest undo
// state (view is the view it is taken on). Store undo / store redo: the present list moves to the other side
// and the newest state of this side becomes the list. Reset: every slot empty and the history cleared; the
// ring then belongs to the open drawing. False when a snapshot could not be written, there was no state to
// restore or the state to restore was refused; the list is then as it was, and problem (when given) says
// what went wrong, or stays empty when there was simply nothing to restore. A snapshot is restored only when
// its file is still exactly what the ring wrote (ACT/RING.CFG keeps each slot's size and checksum).
bool UndoStore(AppState& state, int mode, int view, std::string* problem = nullptr);

// The start of what the user is told when a snapshot cannot be taken or restored; the reason follows.
constexpr const char* UndoUnavailable = "undo is not available: ";

// Takes the undo snapshot a command makes before it changes the drawing: record with CurrentView. When it
// cannot be taken the change still goes on; the user is told once per drawing opened ("undo is not
// available: " and the reason).
bool RecordUndo(AppState& state, Ui& ui);

// Makes the ring the open drawing's, on opening a drawing: when it belongs to another drawing (or to none
// known), it is reset first; when it is this drawing's, its view history is taken back into ViewHistory.
void ClaimUndoRing(AppState& state);

// At exit: writes the view history as CFG/LASTACT.CFG, entry 0 first. The drawing's name goes to
// CFG/LASTDWG.CFG beside it (the exit sequence writes that one).
bool SaveUndoHistory(const AppState& state, std::string& error);

// ACT/Action<n>.tmp.
std::filesystem::path UndoSlotPath(const AppState& state, int slot);
// The drawing the ring belongs to, or nothing when the ring's record is missing or unreadable.
std::optional<std::string> UndoRingOwner(const AppState& state);

} // namespace velmora
