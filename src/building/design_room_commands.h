// The Design Rooms menu: New Design Room, the room edits (enlarge, shrink, move, rotate, delete), Max Design
// Room Size and Layout Grid. Each installs the design-room tool at the step of its command.
#pragma once

#include "app/app_state.h"
#include "building/design_room_bounds.h"
#include "platform/ui.h"

#include <string>

namespace velmora {

void CmDroomExecute(AppState& state, Ui& ui);
void CmExpandroomExecute(AppState& state, Ui& ui);
void CmShrinkdroomExecute(AppState& state, Ui& ui);
void CmDroommoveExecute(AppState& state, Ui& ui);
void CmRotatedroomExecute(AppState& state, Ui& ui);
void CmDeletedroomExecute(AppState& state, Ui& ui);
void CmMaxdroomExecute(AppState& state, Ui& ui);
void CmLytgridExecute(AppState& state, Ui& ui);

// The new-room sequence on the installed room tool: the partition dialog when the view holds no room yet,
// the room dialog opened on the given sizes, then the room at the parking place. False when cancelled (the
// pick tool is then installed).
bool RunNewRoomSequence(AppState& state, Ui& ui, int width, int length);

// Panel 0's size of the room group: "width %.3f m ,length %.3f , Area (Rectangle) %.2f sq.m, ..." or the
// feet-and-inches form.
std::string LayoutSizeText(const DesignRoomBoundsResult& bounds, int metricFlag);

} // namespace velmora
