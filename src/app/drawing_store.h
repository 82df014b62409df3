// The drawing's files by mode, bound to the program state: the working copy, the checkpoint, the spare copy,
// the guided-sequence copy and the backup.
#pragma once

#include "app/app_state.h"
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

// A drawing's coordinates are relative to the centre of the sheet of its own measuring system: takes the
// measuring system from the file's header, the units with it and the sheet of DWGSIZEM.CFG or DWGSIZEI.CFG,
// before the objects are read.
void TakeUnitsOfDrawing(AppState& state, std::string_view fileText);

// The sheet of the state's measuring system from DWGSIZEM.CFG or DWGSIZEI.CFG; kept as it is when the file
// cannot be read.
void ReadSheetSize(AppState& state);

} // namespace velmora
