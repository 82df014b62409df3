// FINISH Design Rooms and ALTER Finished Room: the design rooms of a floor made into walls and labels, and
// one finished room taken back into a design room with only what finishing made for it removed.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

class TMDIChild;

void CmLockdroomsExecute(AppState& state, Ui& ui, TMDIChild* window);
void CmChangedroomsExecute(AppState& state, Ui& ui);

// The finished room at list index becomes a design room (29001) again; its own internal walls, labels and
// dimension lines in its view go, except a wall another finished room still stands against, which passes
// to that room. Saved. The room's list index afterwards, or -1 when index holds no finished room.
int TakeBackFinishedRoom(AppState& state, Ui& ui, int index);

} // namespace velmora
