// The instructions of the guided sequences, one panel a step: what the centred panel of the drawing window
// says at each step of each sequence, and the note at the top of how to leave.
#pragma once

#include <string>

namespace velmora {

// The four sequences: external walls metric and imperial, design rooms metric and imperial.
enum WizardSequenceNo {
    WizardWallsMetric = 1,
    WizardWallsImperial = 2,
    WizardRoomsMetric = 3,
    WizardRoomsImperial = 4
};

// The first step of each kind of sequence, and the step past the last (the sequence then ends).
inline constexpr int WizardWallsFirstStep = 0;
inline constexpr int WizardWallsEndStep = 21;
inline constexpr int WizardRoomsFirstStep = 100;
inline constexpr int WizardRoomsEndStep = 122;

inline constexpr const char* WizardCancelNote =
    " Use the ESCape key or dialogue box Cancel Button (if showing) to cancel this wizard\n";

bool IsRoomsSequence(int sequence);
bool IsMetricSequence(int sequence);
// The step a sequence starts at (0 or 100).
int FirstWizardStep(int sequence);
// The text of the step panel; "" for a step the sequence does not have.
std::string WizardStepText(int sequence, int step);

} // namespace velmora
