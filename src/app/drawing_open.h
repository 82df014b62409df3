// Opening a drawing by name from DWGS/: the common core of File/Open, the recent entries and the start-up
// timer. It reads the file before anything of the open drawing is touched, so a missing or damaged file
// leaves the frame without a drawing and the file on disk exactly as it was.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velmora {

class Program;

enum class OpenOutcome { Opened, NoDrawing, Damaged };

// The names of the recent-file list (LASTFILES.CFG), most recent first, four entries, empty where unused.
std::vector<std::string> ReadRecentList(const std::filesystem::path& home);

// Whether a name can be a drawing of DWGS/: 1 to 24 characters that stay inside the folder (no separators,
// no "." or ".." and nothing unprintable).
bool IsUsableDrawingName(const std::string& name);

// Opens DWGS/<name>.BMS in the drawing window: the measuring system from the file's header (and with it the
// sheet of DWGSIZEM.CFG or DWGSIZEI.CFG that the file's coordinates are relative to), the plan or the
// layout view, the window with the caption of that view. A missing or empty drawing shows "no drawing of
// that name"; a damaged one a message naming the file and the fault.
OpenOutcome OpenDrawingByName(Program& program, const std::string& name);

} // namespace velmora
