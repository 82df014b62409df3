// The Plan Views menu's view commands (ground, first, second, third floor, basement, site plan, layout
// view), display mode and overlays, and the Edit menu's floor deletion. Each switch writes the drawing,
// reads it back and opens a fresh drawing window on the chosen view.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

class Program;
class TFlist;
struct AppState;

void CmPlanExecute(Program& program);
// First, second, third floor and basement (views 121-124): shows the floor, or creates it from the floor
// below.
void CmUpperFloorExecute(Program& program, int floorView);
void CmSiteExecute(Program& program);
void CmLayout1Execute(Program& program);
void CmDmodeplanExecute(Program& program);
void CmOverlaysExecute(Program& program);
void CmDelfloorExecute(Program& program);


// Design rooms of the layout view past the floor records become rooms of the ground floor plan; the number
// carried. A drawing shown as a plan keeps no design rooms.
int CarryDesignRoomsToPlan(TFlist& list);

// The handler names of these commands with their commands, for the program's registry.
using ProgramCommand = void (*)(Program&);
const std::vector<std::pair<std::string_view, ProgramCommand>>& ViewSwitchCommands();

} // namespace velmora
