#include "app/open_commands.h"

#include "app/drawing_open.h"
#include "app/keep_changes.h"
#include "app/program.h"
#include "app/recent_files.h"

#include <filesystem>

namespace velmora {

namespace {

// The drawing's name of a chosen file: its name without folder and extension.
std::string NameOfChosenFile(const std::string& chosen) {
    return std::filesystem::path(chosen).stem().string();
}

} // namespace

void CmFileopenExecute(Program& program) {
    AppState& s = program.State();
    Ui& ui = program.GetUi();
    // The question first: a user who stays in the sequence has changed nothing.
    if (!LeaveGuidedSequence(s, ui)) return;
    SaveCurrentBeforeLeaving(s, ui);
    const LeftDrawing left = RememberOpenDrawing(s);
    PrepareForOpening(program);
    ui.SetPanel(0, "GUIDE: select Client name");
    const std::optional<std::string> chosen =
        ui.ChooseFile("Open", (s.HomePath / "DWGS").string(), "Plan files (*.BMS)|*.BMS", false);
    // Cancel opens nothing in place of the drawing left, so the recent list stays as it stood.
    if (!chosen) {
        ui.SetPanel(0, NoDrawingGuide);
        return;
    }
    const bool opened =
        OpenPreparedDrawing(program, NameOfChosenFile(*chosen), OpenSource::Chooser) == OpenOutcome::Opened;
    if (!opened) ui.SetPanel(0, NoDrawingGuide);
    RecordLeftDrawing(s, ui, left, opened, HeldRecentFiles(s));
}

void OpenRecentEntry(Program& program, int n) {
    AppState& s = program.State();
    Ui& ui = program.GetUi();
    // The question first: a user who stays in the sequence has changed nothing.
    if (!LeaveGuidedSequence(s, ui)) return;
    SaveCurrentBeforeLeaving(s, ui);
    const LeftDrawing left = RememberOpenDrawing(s);
    RecentList list = HeldRecentFiles(s);
    const std::string name = PromoteRecent(list, n);
    PrepareForOpening(program);
    // A drawing that cannot be opened keeps its place: the list is recorded as it was before.
    const bool opened = OpenPreparedDrawing(program, name, OpenSource::Recent) == OpenOutcome::Opened;
    if (!opened) ui.SetPanel(0, NoDrawingGuide);
    RecordLeftDrawing(s, ui, left, opened, opened ? list : HeldRecentFiles(s));
}

} // namespace velmora
