// Installing the one tool: every command that starts a tool replaces the installed one, and every tool ends
// by returning to the idle pick tool.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

// Deletes the installed tool and creates one by kind code. The previous tool's half-finished points are
// dropped without drawing or erasing anything.
void InstallTool(AppState& state, Ui& ui, int kind);
// The idle pick tool, with its guide texts and LastCommand 500. Every tool ends this way.
void ReturnToPickTool(AppState& state, Ui& ui);

// Whether a kind's own tool class is built. InstallTool gives the pick tool, with the pick tool's texts,
// for a kind that is not: the user then sees the tool that really receives the events.
bool ToolKindAvailable(int kind);
// Whether a kind's tool carries the edit commands (shorten, lengthen, split, move a wall ...). The wall
// tools draw walls but do not edit them yet: picking a wall for an edit gives the pick tool.
bool ToolEditsAvailable(int kind);

} // namespace velmora
