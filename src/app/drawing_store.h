// The drawing's files by mode, bound to the program state: the working copy, the checkpoint, the spare copy,
// the guided-sequence copy and the backup.
#pragma once

#include "app/app_state.h"
#include "app/settings_bounds.h"
#include "model/drawing_file.h"

#include <filesystem>

namespace velmora {

enum DrawingFileMode : int {
    ModeCheckpoint = 0, // CFG/tmp.cfg: the drawing as at the last explicit save
    ModeWorking = 1,    // DWGS/<name>.BMS
    ModeSpare = 2,      // CFG/inroom.cfg
    ModeWizard = 5,     // WDS/<name>.BMS (write only)
    ModeBackup = 10,    // DWGS/<name>.BAK (write only)
    ModeWorkingToo = 20 // the same as ModeWorking
};

// The file of a mode. In the working mode a running guided sequence reads its drawings from WDS/.
std::filesystem::path DrawingFilePath(const AppState& state, int mode, bool forReading = false);

// Writes the whole list to the file of the mode, atomically; a list with objects makes the drawing ready.
FileResult SaveDrawing(AppState& state, int mode);

// Reads the file of the mode. The working mode replaces the list (a missing file leaves it empty); the
// checkpoint and spare modes append to it. The header's counters and measuring system replace the state's.
// A damaged file, or a name that is no file to read (a FIFO, a device), is refused whole: the list and the
// state stay as they were.
FileResult LoadDrawing(AppState& state, int mode);

// The measuring system a drawing file's header states, without reading the rest: 1 or 0, or nothing when
// the header cannot be read.
std::optional<int> PeekMetricFlag(std::string_view fileText);

// What a drawing file's coordinates are relative to: the sheet of its own measuring system (DWGSIZEM.CFG or
// DWGSIZEI.CFG; the state's sheet when that file is missing), in the units of that system.
struct DrawingPlacement {
    int MetricFlag = 1;
    SheetSize Sheet;
    BoundedSettings SheetRead; // what the settings file held, with its problem if it was wrong
    CoordShift Shift() const;
};

// The placement of a drawing file's text, from its header and the settings, touching nothing: the file can
// be read with it and refused without a trace.
DrawingPlacement PlacementOf(const AppState& state, std::string_view fileText);
// Takes the measuring system, the units and the sheet of a placement (the list moves with the sheet).
void TakePlacement(AppState& state, const DrawingPlacement& placement);

// Both, for a drawing file about to be read into an empty list.
void TakeUnitsOfDrawing(AppState& state, std::string_view fileText);

// The sheet of the state's measuring system from DWGSIZEM.CFG or DWGSIZEI.CFG, the list moved with it; kept
// as it is when the file is missing. Returns the read, whose Problem says when the file held no usable sheet
// (the default sheet is taken then).
BoundedSettings ReadSheetSize(AppState& state);

} // namespace velmora
