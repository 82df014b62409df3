// Mark External Walls on Layout: the corners of the house marked clockwise round the layout rooms on the
// marking view (45), with construction lines. The question whether to erase the plans of the drawing and
// the wall type both come before anything changes, so No or Cancel leave the drawing as it was.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

class TMDIChild;

// window: the drawing window whose read-out then measures from the top-left corner of the room group.
void CmExtwallExecute(AppState& state, Ui& ui, TMDIChild* window);

} // namespace velmora
