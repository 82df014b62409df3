// Draw Internal Wall: the width and side dialog, then the internal-wall tool waiting for its start point.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

#include <functional>

namespace velmora {

// toGroundFloor switches the window to the ground floor plan; it is called when the view on screen is no
// floor plan.
void CmIntwallExecute(AppState& state, Ui& ui, const std::function<void()>& toGroundFloor);

} // namespace velmora
