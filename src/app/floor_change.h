// Which floors a change of the base size reaches: the Change Floors choice.
#pragma once

#include "platform/ui.h"

#include <optional>

namespace velmora {

enum FloorScope : int { AllFloors = 1, GroundFloorOnly = 2, ThisFloorOnly = 3 };

// Shows TFloorChange; the scope chosen, or nothing when it was cancelled.
std::optional<int> AskFloorChange(Ui& ui);

} // namespace velmora
