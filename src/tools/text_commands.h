// The Text command: the text dialog chooses a centred text placed by a press, or text typed from the
// left, horizontal or upright; the choice is remembered in CFG/LASTTEXT.CFG.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

void CmTextExecute(AppState& state, Ui& ui);

} // namespace velmora
