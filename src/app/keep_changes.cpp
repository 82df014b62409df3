#include "app/keep_changes.h"

#include "app/drawing_store.h"
#include "app/wizard_sequence.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"

#include <filesystem>

namespace velmora {

namespace {

constexpr const char* KeepQuestion = "do you wish to save drawing changes?";
constexpr const char* CheckpointUnusable =
    "the drawing as last saved could not be read back - the drawing is kept with its changes";

// Replaces the list by the checkpoint and writes it as the drawing. The checkpoint of a drawing always
// holds its floor records, so one that holds nothing is not this drawing's state: the working copy stays.
void ReturnToCheckpoint(AppState& s, Ui& ui) {
    TFlist changed;
    changed.Swap(s.DrawingObjects);
    const DrawingHeader header = s.Header();
    const FileResult r = LoadDrawing(s, ModeCheckpoint);
    if (!r.Ok() || s.DrawingObjects.ObjectCount() == 0) {
        s.DrawingObjects.Swap(changed);
        s.TakeHeader(header);
        ui.Message("", CheckpointUnusable, MessageKind::Error);
        return;
    }
    WriteDrawing(s, ui, ModeWorking);
}

} // namespace

bool ReportWrite(Ui& ui, bool ok, const std::string& error) {
    if (!ok) ui.Message("", error, MessageKind::Error);
    return ok;
}

bool WriteDrawing(AppState& state, Ui& ui, int mode) {
    const FileResult r = SaveDrawing(state, mode);
    return ReportWrite(ui, r.Ok(), r.Message);
}

void SaveCurrentBeforeLeaving(AppState& s, Ui& ui) {
    if (s.DrawingObjects.ObjectCount() <= 5) return;
    if (s.CurrentView == ViewSite) {
        InstallTool(s, ui, ModePick);
        if (s.CurrentTool) s.CurrentTool->Operation(ViewSite);
    }
    WriteDrawing(s, ui, ModeWorking);
}

bool AskToKeepChanges(AppState& s, Ui& ui) {
    s.LastCommand = 200;
    if (s.SaveState == 2) {
        WriteDrawing(s, ui, ModeWorking);
        return true;
    }
    if (s.SaveState != 1) return true;
    const std::optional<bool> keep = ui.AskYesNoCancel("", KeepQuestion);
    if (!keep) return false;
    if (*keep) {
        if (WriteDrawing(s, ui, ModeWorking)) WriteDrawing(s, ui, ModeCheckpoint);
        return true;
    }
    ReturnToCheckpoint(s, ui);
    s.SaveState = 0;
    return true;
}

bool LeaveGuidedSequence(AppState& s, Ui& ui, bool newContinues) {
    if (!WizardRunning(s)) return true;
    if (newContinues && (s.WizardStep == 0 || s.WizardStep == 100)) return true;
    if (!ui.AskYesNo("", "do you wish to leave the Wizard?")) return false;
    EndWizard(s, ui);
    return true;
}

} // namespace velmora
