#include "app/recent_files.h"

#include "app/settings_files.h"

#include <algorithm>
#include <vector>

namespace velmora {

bool IsExampleDrawingName(std::string_view name) {
    for (std::string_view example : {"wizextft", "wizdrmft", "wizextm", "wizdrmm"})
        if (name == example) return true;
    return false;
}

namespace {

// Entries from..3 move up one place; the last entry keeps its name.
void MoveUpFrom(RecentList& e, std::size_t from) {
    for (std::size_t i = from; i + 1 < e.size(); ++i)
        e[i] = e[i + 1];
}

void AddLeaving(RecentList& e, const std::string& left, const std::string& open) {
    if (open == e[0]) {
        // stays where it is and is overwritten below
    } else if (open == e[1]) {
        e[1] = e[0];
    } else if (open == e[2]) {
        e[2] = e[1];
        e[1] = e[0];
    } else {
        e[3] = e[2];
        e[2] = e[1];
        e[1] = e[0];
    }
    e[0] = left;
}

void AddNoneOpen(RecentList& e, const std::string& open) {
    if (e[2].empty()) e[2] = e[3];
    if (e[1].empty()) MoveUpFrom(e, 1);
    if (e[0].empty()) MoveUpFrom(e, 0);
    for (std::size_t i = 0; i < 3; ++i) {
        if (e[i] == open) {
            MoveUpFrom(e, i);
            break;
        }
    }
}

} // namespace

void AddRecent(RecentList& list, const std::string& left, const std::string& open, int mode) {
    if (IsExampleDrawingName(left)) return;
    if (list[0] == list[1]) {
        list[1] = list[2];
        list[2] = list[3];
        list[3].clear();
    }
    if (mode == RecentLeaving) {
        AddLeaving(list, left, open);
    } else {
        AddNoneOpen(list, open);
    }
}

std::string PromoteRecent(RecentList& list, int n) {
    const std::size_t at = static_cast<std::size_t>(std::clamp(n, 1, 4) - 1);
    std::string name = list[at];
    for (std::size_t i = at; i > 0; --i)
        list[i] = list[i - 1];
    list[0] = name;
    return name;
}

RecentList ReadRecentFiles(const std::filesystem::path& home) {
    RecentList list;
    if (const auto stored = ReadSettings(home, "LASTFILES.CFG"))
        for (std::size_t i = 0; i < list.size() && i < stored->Strings.size(); ++i)
            list[i] = stored->Strings[i];
    return list;
}

bool WriteRecentFiles(const std::filesystem::path& home, const RecentList& e, std::string& error) {
    auto len = [](const std::string& s) { return static_cast<int>(s.size()); };
    return WriteSettingsLine(home, "LASTFILES.CFG", error, "%d %d %d %d %s%s%s%s", len(e[0]), len(e[1]),
                             len(e[2]), len(e[3]), e[0].c_str(), e[1].c_str(), e[2].c_str(), e[3].c_str());
}

RecentList& HeldRecentFiles(AppState& s) {
    if (!s.RecentFiles) s.RecentFiles = ReadRecentFiles(s.HomePath);
    return *s.RecentFiles;
}

RecentList RecentFilesOnDisk(const AppState& s, const RecentList& held) {
    RecentList onDisk = held;
    if (s.DrawingReady == 2 && !s.DrawingName.empty())
        AddRecent(onDisk, s.DrawingName, s.DrawingName, RecentLeaving);
    return onDisk;
}

void StoreRecentFiles(AppState& s, Ui& ui, const RecentList& list) {
    s.RecentFiles = list;
    std::string error;
    if (!WriteRecentFiles(s.HomePath, RecentFilesOnDisk(s, list), error))
        ui.Message("", error, MessageKind::Error);
    ShowRecentFiles(ui, list);
}

void ShowRecentFiles(Ui& ui, const RecentList& list) {
    std::vector<std::string> shown(list.begin(), list.begin() + 3);
    while (!shown.empty() && shown.back().empty())
        shown.pop_back();
    ui.SetRecentFiles(shown);
}

LeftDrawing RememberOpenDrawing(const AppState& s) {
    return {s.DrawingReady > 0 ? s.DrawingName : std::string(), s.DrawingReady == 2};
}

void RecordLeftDrawing(AppState& s, Ui& ui, const LeftDrawing& left, bool opened, RecentList list) {
    if (!opened) {
        if (!left.WasOpen) return;
        AddRecent(list, left.Name, "", RecentLeaving);
    } else if (left.WasOpen && left.Name != s.DrawingName) {
        AddRecent(list, left.Name, s.DrawingName, RecentLeaving);
    } else {
        // Nothing was open, or the drawing left is the one open now: it only leaves the list.
        AddRecent(list, left.Name, s.DrawingName, RecentNoneOpen);
    }
    StoreRecentFiles(s, ui, list);
}

} // namespace velmora
