// Installing the one tool: every command that starts a tool replaces the installed one, and every tool ends
// by returning to the idle pick tool.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

void InstallTool(AppState& state, Ui& ui, int kind);
void ReturnToPickTool(AppState& state, Ui& ui);

} // namespace velmora
