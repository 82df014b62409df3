// The two ends of every view switch: leaving the view on screen with the drawing written, and opening the
// drawing window on the next view with the list read back from the file, so that nothing of a view lives
// on in memory that the file does not hold.
#pragma once

#include <string>

namespace velmora {

class Program;

// Window kinds of a view switch: 0 a fresh view with the pick tool, 1 the caller keeps its tool, 2 after the
// site plan (the pick tool, and the zoom of a normal view).
enum : int { WindowPick = 0, WindowKeepTool = 1, WindowAfterSite = 2 };

// Leaves the current view: on the site plan the pick tool is installed and the plan re-centred; then the
// drawing is written. False (and the user told) when it could not be written: the switch must not go on
// to read back a file that lacks what the list holds.
bool LeaveView(Program& program);

// Opens the drawing window on the current view: caption DrawingName + suffix, the list read from the
// working file, the zoom style applied, the view set up and the drawing ready.
void OpenViewWindow(Program& program, int kind, const std::string& suffix);

} // namespace velmora
