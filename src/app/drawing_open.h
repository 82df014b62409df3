// Opening a drawing from DWGS/: the common core of File/Open, the recent entries and the start-up timer, and
// the drawing window every command that shows a drawing opens. The file is read and checked before anything
// of the open drawing is touched, so a missing or damaged file leaves the frame without a drawing and the
// file on disk exactly as it was.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velmora {

class Program;
class TFlist;

// The guide line while no drawing is open: what the user can do next.
inline constexpr const char* NoDrawingGuide =
    "GUIDE: Select 'File', then 'New', 'Open' or a file from the 'history list' ";

enum class OpenOutcome { Opened, NoDrawing, Damaged, NoWindow };

// Where the name of a drawing being opened came from: a drawing of the floor records alone counts as a plan
// from the recent list (fewer than six objects) but not quite from the chooser (fewer than five).
enum class OpenSource { Chooser, Recent };

// The names of the recent-file list (LASTFILES.CFG), most recent first, four entries, empty where unused.
std::vector<std::string> ReadRecentList(const std::filesystem::path& home);

// Whether a name can be the name of an existing drawing of DWGS/: 1 to 24 characters that stay inside the
// folder (no separators, no "." or ".." and nothing unprintable). Names that create drawings are held to
// IsValidDrawingName.
bool IsUsableDrawingName(const std::string& name);

// Opens the drawing window on the open drawing. kind 0 (a drawing opened) and 2 (a view switched) install
// the pick tool; 1 keeps the tool the command installed; 100 and above only close the window and empty the
// list. The zoom style follows ZOOMSTYLE.CFG (kind 2 always starts at normal size). The caption is
// DrawingName + suffix; the list is read again from the working copy (left empty while a guided sequence
// runs). False when no window could be made ("Error: cannot create that file") or for kinds of 100 and up.
// A caller that has just read the drawing passes it as drawing: the list takes it instead of reading the
// working file again.
bool OpenDrawingWindow(Program& program, int kind, const std::string& suffix, TFlist* drawing = nullptr);

// The state a drawing is opened into: the window closed, no drawing usable (DrawingReady 1), the list
// empty, the pick tool, the ground floor and the zoom of a fresh window.
void PrepareForOpening(Program& program);

// Reads DWGS/<name>.BMS after PrepareForOpening and opens it in the drawing window: the measuring system from
// the file's header (and with it the sheet of DWGSIZEM.CFG or DWGSIZEI.CFG that the file's coordinates are
// relative to), the plan or the layout view, the undo ring claimed, the checkpoint written. A missing or
// empty drawing shows "no drawing of that name"; a damaged one, or a name that is no file to read (a FIFO, a
// device, a directory), a message naming the file and the fault.
OpenOutcome OpenPreparedDrawing(Program& program, const std::string& name, OpenSource source);

// PrepareForOpening and OpenPreparedDrawing, as a recent entry opens a drawing.
OpenOutcome OpenDrawingByName(Program& program, const std::string& name);

} // namespace velmora
