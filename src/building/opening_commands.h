// The window, door and door-defaults commands: the dialogs that choose the opening, then the window and
// door tool set up to place it with Enter.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

#include <functional>

namespace velmora {

// toFloorPlan switches to the drawing's floor plan when another view is shown.
void CmWindowExecute(AppState& s, Ui& ui, const std::function<void()>& toFloorPlan);
void CmDoorsExecute(AppState& s, Ui& ui, const std::function<void()>& toFloorPlan);
void CmDefdoorsExecute(AppState& s, Ui& ui);

// The guide line once a door kind is chosen.
const char* DoorGuide(int type, int count);

} // namespace velmora
