// Start-up and exit of the frame.
#include "app/drawing_open.h"
#include "app/drawing_store.h"
#include "app/exit_files.h"
#include "app/menu_table.h"
#include "app/open_commands.h"
#include "app/program.h"
#include "app/recent_files.h"
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

} // namespace

void Program::Start() {
    if (S.HomePath.empty()) S.HomePath = std::filesystem::current_path();
    for (std::string_view handler : AllHandlers())
        U.SetMenuEnabled(std::string(handler), CommandEnabled(handler));
    InstallTool(S, U, ModePick);
    TakeScreenColours(S);

    // Without the guide line's settings or the autoscroll switch the frame still works, but no drawing is
    // opened behind the user's back.
    const auto guide = ReadSettingsInts(S.HomePath, "GUIDE.CFG", 2);
    if (!guide) {
        U.Message("", CfgMissing, MessageKind::Error);
        return;
    }
    GuidePos = (*guide)[0];
    GuideCol = (*guide)[1];
    if (const auto save = ReadSettingsInts(S.HomePath, "SAVE.CFG", 1)) S.SaveState = (*save)[0];
    const auto autoscroll = ReadSettingsInts(S.HomePath, "AUTOSCROLL.CFG", 1);
    if (!autoscroll) {
        U.Message("", CfgMissing, MessageKind::Error);
        return;
    }
    S.AutoscrollFlag = (*autoscroll)[0];

    ShowRecentFiles(U, ReadRecentFiles(S.HomePath));
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
