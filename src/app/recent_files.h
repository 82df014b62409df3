// The recent-file list of CFG/LASTFILES.CFG: four drawing names, most recent first, "" where unused. It holds
// the drawings used before the open one; the open drawing itself is kept out of it. The File menu shows the
// first three entries.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

// How AddRecent is called: a drawing is being left for another, or none was open.
enum RecentMode : int { RecentLeaving = 1, RecentNoneOpen = 2 };

// The drawings of the guided sequences; they never enter the list.
bool IsExampleDrawingName(std::string_view name);

// Records the drawing left (`left`) now that `open` is the open drawing. Leaving: `open` is dropped wherever
// it stood and `left` goes on top. None open: the empty places are filled from below and `open` is dropped.
// Nothing happens when `left` is an example drawing. A repeated first entry is dropped first.
void AddRecent(RecentList& list, const std::string& left, const std::string& open, int mode);

// Moves entry n (1-4) to the top, the entries above it down one; returns its name.
std::string PromoteRecent(RecentList& list, int n);

// Reads LASTFILES.CFG; a missing or unreadable file is an empty list.
RecentList ReadRecentFiles(const std::filesystem::path& home);
// Writes LASTFILES.CFG: the four lengths, then the four names without separators.
bool WriteRecentFiles(const std::filesystem::path& home, const RecentList& list, std::string& error);

// The list the program holds (AppState::RecentFiles), read from LASTFILES.CFG the first time.
RecentList& HeldRecentFiles(AppState& state);
// What LASTFILES.CFG holds for the list the program holds: while a drawing is open, the list exit would
// leave, with the open drawing on top. A crash or a power cut at any moment then leaves a list whose first
// entry is the drawing that was open, and the next start opens it again.
RecentList RecentFilesOnDisk(const AppState& state, const RecentList& held);
// Makes list the one the program holds, writes it as RecentFilesOnDisk says and shows it on the File menu.
void StoreRecentFiles(AppState& state, Ui& ui, const RecentList& list);

// Puts the first three entries on the File menu, each at its own place (an empty entry hides its item).
void ShowRecentFiles(Ui& ui, const RecentList& list);

// The drawing open when a command that opens another starts, which the list records once it is over.
struct LeftDrawing {
    std::string Name;
    bool WasOpen = false; // a drawing was open and ready
};
LeftDrawing RememberOpenDrawing(const AppState& state);

// Records the drawing left in the list the program holds, and writes and shows it. opened: the command opened
// DrawingName, which leaves the list. When nothing was opened the drawing left is still the last one used: it
// goes on top and nothing is dropped.
void RecordLeftDrawing(AppState& state, Ui& ui, const LeftDrawing& left, bool opened, RecentList list);

} // namespace velmora
