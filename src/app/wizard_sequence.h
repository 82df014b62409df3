// The guided sequences: Help/Wizards starts one on its sample drawing, the commands and tools whose action a
// step asks for move it on, and Escape, a Cancel or the last step end it. The state is the app state's
// WizardMode, WizardSequence and WizardStep; the two panels over the drawing window follow it.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

#include <initializer_list>

namespace velmora {

class Program;

// Help/Wizards.
void CmWizardsExecute(Program& program);

bool WizardRunning(const AppState& s);
// Shows the panels of the current step: the step's instruction, and from the second step on the note of
// how to leave. Nothing shown while no sequence runs.
void ShowWizardPanels(AppState& s, Ui& ui);
// Ends the running sequence: both panels go, the state is cleared, the guide line says what to do now.
void EndWizard(AppState& s, Ui& ui);
// Moves a running sequence from step `from` to the next and shows it; false (and nothing changes) when no
// sequence runs or it is at another step. Past its last step the sequence ends.
bool AdvanceWizard(AppState& s, Ui& ui, int from);
// The same from whichever of the steps the sequence stands at: one action that several steps ask for.
bool AdvanceWizard(AppState& s, Ui& ui, std::initializer_list<int> from);
// The layout sequences conclude with a panel of hints that stays until the user does something next: a key
// in the drawing window or a menu command ends the sequence there.
void ConcludeWizard(AppState& s, Ui& ui);
// The floor details of the external-wall sequences (their step 2): the floor height and thickness typed
// become the levels of the floors. False when the user cancelled, which ends the sequence.
bool AskWizardFloorDetails(AppState& s, Ui& ui);

} // namespace velmora
