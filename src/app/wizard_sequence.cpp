#include "app/wizard_sequence.h"

#include "app/drawing_open.h"
#include "app/keep_changes.h"
#include "app/program.h"
#include "app/recent_files.h"
#include "app/wizard_steps.h"
#include "building/wall_types.h"
#include "dialogs/wizard_dialog.h"

#include <array>
#include <charconv>

namespace velmora {

namespace {

constexpr std::array<const char*, 4> SampleNames{"wizextm", "wizextft", "wizdrmm", "wizdrmft"};

bool AtFirstStep(const AppState& s) {
    return s.WizardStep == FirstWizardStep(s.WizardSequence);
}

int EndStep(int sequence) {
    return IsRoomsSequence(sequence) ? WizardRoomsEndStep : WizardWallsEndStep;
}

// A whole number from 1 to the limit, or nothing.
std::optional<int> ReadAmount(const std::string& text, int limit) {
    int v = 0;
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || p != end || v < 1 || v > limit) return std::nullopt;
    return v;
}

// One floor measure: millimetres, or whole inches in feet-and-inches drawings. Nothing when cancelled.
std::optional<int> AskFloorMeasure(Ui& ui, bool metric, const char* what, int initial) {
    const std::string prompt = std::string(what) + (metric ? "" : " in inches");
    for (;;) {
        const auto typed = ui.InputBox("", prompt, std::to_string(initial));
        if (!typed) return std::nullopt;
        if (const auto v = ReadAmount(*typed, metric ? 149999 : 6000)) return metric ? *v : *v * 24;
        ui.Message("", "input must be a valid number", MessageKind::Error);
    }
}

} // namespace

bool WizardRunning(const AppState& s) {
    return s.WizardSequence > 0;
}

void ShowWizardPanels(AppState& s, Ui& ui) {
    if (!WizardRunning(s)) {
        ui.SetWizardPanels("", "");
        return;
    }
    ui.SetWizardPanels(WizardStepText(s.WizardSequence, s.WizardStep),
                       AtFirstStep(s) ? "" : WizardCancelNote);
}

void EndWizard(AppState& s, Ui& ui) {
    s.WizardMode = 0;
    s.WizardSequence = 0;
    s.WizardStep = 0;
    ui.SetWizardPanels("", "");
    ui.SetPanel(2, "Pick tool");
    ui.SetPanel(0, "GUIDE: select tool or function");
}

bool AdvanceWizard(AppState& s, Ui& ui, int from) {
    if (!WizardRunning(s) || s.WizardStep != from) return false;
    ++s.WizardStep;
    if (s.WizardStep >= EndStep(s.WizardSequence)) {
        EndWizard(s, ui);
        return true;
    }
    ShowWizardPanels(s, ui);
    return true;
}

bool AdvanceWizard(AppState& s, Ui& ui, std::initializer_list<int> from) {
    for (const int step : from)
        if (AdvanceWizard(s, ui, step)) return true;
    return false;
}

void ConcludeWizard(AppState& s, Ui& ui) {
    if (IsRoomsSequence(s.WizardSequence) && s.WizardStep == WizardRoomsEndStep - 1)
        AdvanceWizard(s, ui, s.WizardStep);
}

bool AskWizardFloorDetails(AppState& s, Ui& ui) {
    const bool metric = s.MetricFlag == 1;
    const auto height = AskFloorMeasure(ui, metric, "FLOOR HEIGHT", metric ? 2400 : 96);
    const auto thickness = height ? AskFloorMeasure(ui, metric, "FLOOR THICKNESS", metric ? 100 : 4) : height;
    if (!thickness) {
        EndWizard(s, ui);
        return false;
    }
    // The floors stand one on another, each a floor height and a floor thickness above the one below; the
    // basement as far below the ground floor.
    ExtWallSettings settings = ReadExtWallSettings(s.HomePath, s.MetricFlag);
    const int storey = *height + *thickness;
    settings.Levels = {0, storey, 2 * storey, 3 * storey, -storey, 0};
    std::string error;
    ReportWrite(ui, WriteExtWallSettings(s.HomePath, s.MetricFlag, settings, error), error);
    return true;
}

void CmWizardsExecute(Program& program) {
    AppState& s = program.State();
    Ui& ui = program.GetUi();
    if (WizardRunning(s)) EndWizard(s, ui);
    DialogDescription d = Twizdialog::Make();
    const std::string pressed = ui.RunDialog(d);
    if (pressed == Twizdialog::Basics) {
        ui.ShowHelp(Twizdialog::BasicsPage);
        return;
    }
    if (pressed != "O K") return;

    SaveCurrentBeforeLeaving(s, ui);
    const LeftDrawing left = RememberOpenDrawing(s);
    const int sequence = Twizdialog::SequenceChosen(d);
    PrepareForOpening(program);
    s.WizardMode = 1;
    s.WizardSequence = sequence;
    s.WizardStep = FirstWizardStep(sequence);
    // The sample drawing is read from WDS while the sequence stands at its first step.
    const bool opened =
        OpenPreparedDrawing(program, SampleNames[sequence - 1], OpenSource::Chooser) == OpenOutcome::Opened;
    RecordLeftDrawing(s, ui, left, opened, HeldRecentFiles(s));
    if (!opened) {
        // A missing or damaged sample leaves no sequence running without its window.
        EndWizard(s, ui);
        ui.SetPanel(0, NoDrawingGuide);
        return;
    }
    s.LastCommand = sequence <= 2 ? 101 : 102;
    ShowWizardPanels(s, ui);
}

} // namespace velmora
