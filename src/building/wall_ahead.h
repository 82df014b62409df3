// How far the outline being drawn can go before it meets an external wall: the length an arrow would need
// to reach the nearest wall ahead, offered as the default of the next external wall's length.
#pragma once

#include "model/object_list.h"
#include "platform/canvas.h"

#include <optional>

namespace velmora {

// The distance from `from` along direction (1 up, 2 right, 3 down, 4 left; y grows upwards) to the nearest
// outer line of an external wall (kind 100) of the view that the ray meets more than margin ahead, or
// nothing when no wall lies ahead. A wall lying along the ray counts by its nearer end.
std::optional<int> DistanceToWallAhead(const TFlist& list, int view, Point from, int direction, int margin);

} // namespace velmora
