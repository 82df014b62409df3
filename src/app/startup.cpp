// Start-up and exit of the frame.
#include "app/drawing_open.h"
#include "app/drawing_store.h"
#include "app/exit_files.h"
#include "app/leftover_files.h"
#include "app/menu_table.h"
#include "app/open_commands.h"
#include "app/program.h"
#include "app/recent_files.h"
#include "app/settings_bounds.h"
#include "app/settings_files.h"
#include "app/undo_store.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"
#include "view/drawing_window.h"

#include <filesystem>

namespace velmora {

namespace {

constexpr const char* CfgMissing = "Error: .cfg file missing";

void TakeScreenColours(AppState& s) {
    if (const auto clr = ReadSettingsInts(s.HomePath, "CLR.CFG", 3)) {
        s.BackgroundColour = (*clr)[0];
        s.CurrentColour = (*clr)[1];
        s.HighlightColour = (*clr)[2];
    }
}

// The guide line at the top (1) or bottom (3) in a COLORREF; the autoscroll switch 0, 1 or 2. The defaults
// are the shipped lines.
constexpr SettingRange GuideRanges[] = {{1, 3}, {0, 0xFFFFFF}};
constexpr double GuideDefaults[] = {3, 12648447};
constexpr SettingRange AutoscrollRanges[] = {{0, 2}};
constexpr double AutoscrollDefaults[] = {0};

// A settings file that start-up cannot do without: nothing when it is missing; the defaults, told and
// written back, when it cannot be read or holds a value out of its range.
std::optional<BoundedSettings> TakeStartSetting(const std::filesystem::path& home, std::string_view name,
                                                std::span<const SettingRange> ranges,
                                                std::span<const double> defaults, Ui& ui) {
    BoundedSettings read = ReadBoundedSettings(home, name, ranges, defaults);
    if (!read.Usable()) return std::nullopt;
    SettleSettingProblem(home, name, read, ui);
    return read;
}

} // namespace

void Program::Start() {
    if (S.HomePath.empty()) S.HomePath = std::filesystem::current_path();
    RemoveInterruptedSaves(S.HomePath);
    for (std::string_view handler : AllHandlers())
        U.SetMenuEnabled(std::string(handler), CommandEnabled(handler));
    InstallTool(S, U, ModePick);
    TakeScreenColours(S);

    // Without the guide line's settings or the autoscroll switch the frame still works, but no drawing is
    // opened behind the user's back. A file that is there but cannot be read is no reason to stop: it
    // gets its default back.
    const auto guide = TakeStartSetting(S.HomePath, "GUIDE.CFG", GuideRanges, GuideDefaults, U);
    if (!guide) {
        U.Message("", CfgMissing, MessageKind::Error);
        return;
    }
    GuidePos = guide->Int(0);
    GuideCol = guide->Int(1);
    if (const auto save = ReadSettingsInts(S.HomePath, "SAVE.CFG", 1)) S.SaveState = (*save)[0];
    const auto autoscroll =
        TakeStartSetting(S.HomePath, "AUTOSCROLL.CFG", AutoscrollRanges, AutoscrollDefaults, U);
    if (!autoscroll) {
        U.Message("", CfgMissing, MessageKind::Error);
        return;
    }
    S.AutoscrollFlag = autoscroll->Int(0);

    S.RecentFiles = ReadRecentFiles(S.HomePath);
    ShowRecentFiles(U, *S.RecentFiles);
    U.SetPanel(0, "GUIDE:");
    std::weak_ptr<int> alive = AliveToken;
    U.StartOneShotTimer(1, [this, alive] {
        if (!alive.expired()) OpenFirstRecentDrawing();
    });
}

void Program::OpenFirstRecentDrawing() {
    if (Exiting) return;
    OpenRecentEntry(*this, 1);
    U.SetPanel(0, NoDrawingGuide);
}

bool Program::RunExitSequence() {
    if (Exiting) return true;
    if (S.DrawingReady == 2 && !S.DrawingName.empty()) {
        // The changes are settled first: a user who stays (Cancel) must find nothing written, not even
        // the recent list.
        if (!SettleChangesAtExit(S, U)) return false;
        AddOpenDrawingToRecent(S, U);
        std::string error;
        if (!WriteSettingsLine(S.HomePath, "LASTDWG.CFG", error, "%d %s\n",
                               static_cast<int>(S.DrawingName.size()), S.DrawingName.c_str()))
            U.Message("", error, MessageKind::Error);
        if (!SaveUndoHistory(S, error)) U.Message("", error, MessageKind::Error);
    }
    CloseDrawingWindow();
    S.DrawingObjects.Clear();
    S.DrawingReady = 0;
    Exiting = true;
    return true;
}

bool Program::CloseRequested() {
    return RunExitSequence();
}

} // namespace velmora
