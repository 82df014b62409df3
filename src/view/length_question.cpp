#include "view/length_question.h"

#include "dialogs/feet_dialog.h"
#include "view/units.h"

#include <cstdint>
#include <cstdlib>

namespace velmora {

namespace {

constexpr const char* NotANumber = "input must be a valid number";

// Metric lengths and heights are typed in millimetres; imperial ones in inches, 24 world units each.
struct Limits {
    int Max;     // in the units typed
    int Scale;   // world units per unit typed
    bool Signed; // a negative answer is a real one (arcs below their ends)
};

std::optional<int> AskBounded(Ui& ui, const std::string& prompt, const std::string& initial, Limits l,
                              const std::string& rangeMessage) {
    const auto typed = ui.InputBox("", prompt, initial);
    if (!typed) return std::nullopt;
    const int value = ReadNumberOrZero(*typed);
    if (value == 0) {
        ui.Message("", NotANumber, MessageKind::Error);
        return std::nullopt;
    }
    const int lowest = l.Signed ? -l.Max : 1;
    if (value < lowest || value > l.Max) {
        ui.Message("", rangeMessage, MessageKind::Error);
        return std::nullopt;
    }
    // |value| <= 32000 and the scale is at most 24, so the product always fits.
    return value * l.Scale;
}

std::string RangeText(int lowest, int highest) {
    return "input must be between " + std::to_string(lowest) + " and " + std::to_string(highest);
}

LengthAnswer CheckLength(Ui& ui, std::int64_t value) {
    if (value == 0) {
        ui.Message("", NotANumber, MessageKind::Error);
        return {};
    }
    if (value < 1 || value > MaxSegmentLength) {
        ui.Message("", "the length must be between 1 and 149999", MessageKind::Error);
        return {};
    }
    return {LengthOutcome::Given, static_cast<int>(value)};
}

} // namespace

const char* DirectionWord(Key arrow) {
    switch (arrow) {
    case Key::Left:
        return "LEFT";
    case Key::Up:
        return "UP";
    case Key::Right:
        return "RIGHT";
    default:
        return "DOWN";
    }
}

LengthAnswer AskSegmentLength(Ui& ui, int metricFlag, const std::string& title, Key arrow, int suggested) {
    for (;;) {
        if (metricFlag == 1) {
            if (const auto typed = ui.InputBox(title, DirectionWord(arrow), std::to_string(suggested)))
                return CheckLength(ui, ReadNumberOrZero(*typed));
        } else if (const auto world = AskFeetDistance(ui, suggested)) {
            return CheckLength(ui, *world);
        }
        if (!ui.AskYesNo("", "do you wish to retry?")) return {LengthOutcome::PickTool, 0};
    }
}

std::optional<int> AskArcHeight(Ui& ui, int metricFlag) {
    const std::string prompt = "ARC HEIGHT Use minus number for Arcs Below or Right of Endpts";
    if (metricFlag == 1) return AskBounded(ui, prompt, "600", {32000, 1, true}, RangeText(-32000, 32000));
    return AskBounded(ui, prompt, "24", {1400, 24, true}, RangeText(-1400, 1400));
}

std::optional<int> AskRadius(Ui& ui, int metricFlag, bool corner) {
    if (metricFlag == 1)
        return AskBounded(ui, "RADIUS", corner ? "50" : "100", {32000, 1, false}, RangeText(1, 32000));
    return AskBounded(ui, "RADIUS in inches", corner ? "2" : "4", {1400, 24, false}, RangeText(1, 1400));
}

} // namespace velmora
