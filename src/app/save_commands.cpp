#include "app/save_commands.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/settings_files.h"
#include "dialogs/save_as_dialog.h"

#include <filesystem>

namespace velmora {

namespace {

// The drawing and the checkpoint "do not keep changes" returns to.
bool WriteAndCheckpoint(AppState& s, Ui& ui) {
    return WriteDrawing(s, ui, ModeWorking) && WriteDrawing(s, ui, ModeCheckpoint);
}

bool MayReplace(const AppState& s, Ui& ui, const std::string& name) {
    std::error_code ec;
    if (!std::filesystem::exists(s.HomePath / "DWGS" / (name + ".BMS"), ec)) return true;
    return ui.AskYesNo(TTsaveasdlg::Caption,
                       "a drawing named " + name + " already exists - do you wish to replace it?");
}

// Writes the list once under another name; DrawingName is the open drawing's again whatever happens.
void WriteCopy(AppState& s, Ui& ui, const std::string& name) {
    const std::string open = s.DrawingName;
    s.DrawingName = name;
    const FileResult r = SaveDrawing(s, ModeWorking);
    s.DrawingName = open;
    ReportWrite(ui, r.Ok(), r.Message);
}

void WriteSaveState(const AppState& s, Ui& ui) {
    std::string error;
    ReportWrite(ui, WriteSettingsLine(s.HomePath, "SAVE.CFG", error, "%d", s.SaveState), error);
}

} // namespace

void CmSaveExecute(AppState& s, Ui& ui) {
    s.LastCommand = 200;
    if (s.DrawingReady != 2) return;
    if (WriteAndCheckpoint(s, ui) && s.SaveState == 1) s.SaveState = 0;
}

// The state written before the copy counts as saved, so it is the checkpoint as well. The drawing is written
// before the copy either way; once with the checkpoint is enough.
void CmSaveasExecute(AppState& s, Ui& ui) {
    s.LastCommand = 200;
    if (s.DrawingReady != 2) return;
    const bool saved = s.SaveState == 1 && WriteAndCheckpoint(s, ui);
    if (saved) s.SaveState = 0;
    ui.SetPanel(0, "GUIDE: Saves this file group to a new drawing name, original is still in use");
    if (s.DrawingObjects.ObjectCount() == 0) return;
    if (!saved && !WriteDrawing(s, ui, ModeWorking)) return;
    DialogDescription d = TTsaveasdlg::Make();
    if (RunAccepted(ui, d)) {
        if (const std::optional<std::string> name = TTsaveasdlg::NameChosen(d)) {
            if (MayReplace(s, ui, *name)) WriteCopy(s, ui, *name);
        } else {
            ui.Message(TTsaveasdlg::NameErrorTitle, TTsaveasdlg::NameError);
        }
    }
    ui.Invalidate();
}

// Autosave writes the drawing after changes, so leaving it off again makes the present state the saved one.
// With no drawing ready there is nothing to write: only the switch changes.
void CmAutosaveExecute(AppState& s, Ui& ui) {
    s.LastCommand = 200;
    const bool ready = s.DrawingReady == 2;
    if (s.SaveState == 2) {
        if (ready) WriteDrawing(s, ui, ModeCheckpoint);
        s.SaveState = 1;
    } else {
        if (ready) WriteDrawing(s, ui, ModeWorking);
        s.SaveState = 2;
    }
    WriteSaveState(s, ui);
    ui.SetMenuChecked("CmAutosaveExecute", s.SaveState == 2);
}

void CmAutoscrollExecute(AppState& s, Ui& ui) {
    s.LastCommand = 200;
    s.AutoscrollFlag = s.AutoscrollFlag == 1 || s.AutoscrollFlag == 2 ? 0 : 1;
    std::string error;
    ReportWrite(ui, WriteSettingsLine(s.HomePath, "AUTOSCROLL.CFG", error, "%d", s.AutoscrollFlag), error);
    ui.SetMenuChecked("CmAutoscrollExecute", s.AutoscrollFlag == 1);
}

void File1Click(AppState& s, Ui& ui) {
    ui.SetMenuChecked("CmAutoscrollExecute", s.AutoscrollFlag == 1);
    ui.SetMenuChecked("CmAutosaveExecute", s.SaveState == 2);
    const bool hasObjects = s.DrawingObjects.ObjectCount() > 0;
    if (s.SaveState != 2 && hasObjects && s.DrawingReady == 2) WriteDrawing(s, ui, ModeWorking);
    ui.SetMenuEnabled("CmSaveExecute", s.SaveState == 1);
    ui.SetMenuEnabled("CmSaveasExecute", hasObjects);
}

} // namespace velmora
