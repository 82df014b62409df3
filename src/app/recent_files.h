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

using RecentList = std::array<std::string, 4>;

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

// Puts the first three entries on the File menu, each at its own place (an empty entry hides its item).
void ShowRecentFiles(Ui& ui, const RecentList& list);

// The drawing open when a command that opens another starts, which the list records once it is over.
struct LeftDrawing {
    std::string Name;
    bool WasOpen = false; // a drawing was open and ready
};
LeftDrawing RememberOpenDrawing(const AppState& state);

// Records the drawing left and writes and shows the list. opened: the command opened DrawingName, which
// leaves the list. When nothing was opened the drawing left is still the last one used: it goes on top and
// nothing is dropped.
void RecordLeftDrawing(AppState& state, Ui& ui, const LeftDrawing& left, bool opened, RecentList list);

} // namespace velmora
