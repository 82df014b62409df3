// What saves cut short leave behind. A save writes a temporary file beside its target and renames it over the
// target; a crash or a power cut between the two leaves the temporary file for ever. Start-up removes them.
#pragma once

#include <filesystem>

namespace velmora {

// Removes the temporary files of cut-short saves from the home folder's own folders (DWGS, WDS, CFG, ACT,
// LIBS, EXPORT) and returns how many. Only what the program's own atomic writes make is touched: a plain file
// (not a link) of the user's, named NAME.tmp and six letters or digits, as private as it was created (mode
// 0600): a save opens the file up only once it has its final name, so a file a user made or copied there is
// never taken.
int RemoveInterruptedSaves(const std::filesystem::path& home);

} // namespace velmora
