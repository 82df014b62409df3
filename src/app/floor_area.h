// The floor area of a floor plan, found from the outer lines of its external walls, kept in the floor's
// record and shown by the Floor Areas command.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

// The area enclosed by the external walls (kind 100) of a view drawn clockwise, in whole square metres
// (metric) or square feet (imperial), truncated. Every wall of the outline counts, however many there are.
// Coordinates are first cut to logical units, as the screen mapping holds them.
long FloorAreaOf(const TFlist& list, int view, int unitsPerLogical, int metricFlag);

// Computes the area of the current view into AreaResult; nothing when the list holds fewer than 4 objects.
void ComputeFloorArea(AppState& state);

// Shows the area just computed and keeps it, rounded, in the floor record of the current view. Mode 1 after
// marked layout corners became walls, mode 2 after the external wall tool closed an outline.
void ReportFloorArea(AppState& state, Ui& ui, int mode);

// Floor Areas: the stored area of every floor and the total, on the floor plan views only.
void CmSpecsExecute(AppState& state, Ui& ui);

} // namespace velmora
