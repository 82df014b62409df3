// The small house every new user sees at the first start: external cavity walls drawn clockwise, an internal
// wall, a door and a window cut into the walls, a room with its labels, dimensions and a title. Built from
// the model the way the drafting tools build the same objects.
#pragma once

#include "model/drawing_file.h"
#include "model/object_list.h"

namespace velmora {

constexpr const char* SampleDrawingName = "Sample House";

// Fills an empty list with the sample drawing (metric, world units in mm on a 5000 x 2500 sheet) and sets the
// header counters it needs.
void MakeSampleDrawing(TFlist& list, DrawingHeader& header);

} // namespace velmora
