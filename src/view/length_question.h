// The questions the keyboard asks for a distance: the length of an arrow segment (the metric input box, or
// the feet-and-inches entry of imperial drawings, with "do you wish to retry?" after a cancel), an arc
// height and a radius. Every answer is range-checked before it becomes a length in world units.
#pragma once

#include "platform/keys.h"
#include "platform/ui.h"

#include <optional>
#include <string>

namespace velmora {

constexpr int MaxSegmentLength = 149999;

enum class LengthOutcome {
    Given,    // Length holds the answer
    Refused,  // the answer was out of range or no number; the user was told, the key ends
    PickTool, // the user gave up after a cancel: the caller returns to the pick tool
};

struct LengthAnswer {
    LengthOutcome Outcome = LengthOutcome::Refused;
    int Length = 0;
};

// "LEFT", "UP", "RIGHT" or "DOWN".
const char* DirectionWord(Key arrow);

// The length for an arrow key: title is the tool's prompt title, suggested the default offered.
LengthAnswer AskSegmentLength(Ui& ui, int metricFlag, const std::string& title, Key arrow, int suggested);

// An arc's height in world units (negative for arcs below or right of their ends), or nothing when the
// answer was refused or cancelled.
std::optional<int> AskArcHeight(Ui& ui, int metricFlag);
// A circle's radius, or a rounded rectangle's corner radius (corner true), in world units.
std::optional<int> AskRadius(Ui& ui, int metricFlag, bool corner);

} // namespace velmora
