#include "random/session_generator.h"

#include "app/menu_table.h"

#include <random>
#include <sstream>

namespace velmora {

namespace {

// The keys the drawing window handles, and a few letters and digits that the tools type into their boxes.
constexpr std::string_view DrawingKeys[] = {
    "Enter",     "Escape", "Left",  "Right", "Up",     "Down",     "Add",    "Subtract",
    "Multiply",  "Divide", "Home",  "End",   "PageUp", "PageDown", "Insert", "Delete",
    "Backspace", "Tab",    "Space", "F1",    "F2",     "F5",       "F10",    "F12",
    "a",         "x",      "7",     "0",     ".",
};

constexpr std::string_view ExitHandler = "CmExitExecute";

// A small deterministic stream: the same seed gives the same session with any standard library.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : Engine(seed) {}
    int Below(int n) { return static_cast<int>(Engine() % static_cast<std::uint32_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); } // both ends included
    bool Chance(int percent) { return Below(100) < percent; }

private:
    std::mt19937 Engine;
};

struct Writer {
    const RandomSessionSpec& Spec;
    Dice& D;
    std::ostringstream& Out;

    int X() { return D.Below(Spec.Width); }
    int Y() { return D.Below(Spec.Height); }
    const char* Button() { return D.Chance(80) ? "left" : "right"; }

    void Click() { Out << "mouse click " << Button() << " " << X() << " " << Y() << "\n"; }
    void Move() { Out << "mouse move " << X() << " " << Y() << "\n"; }
    void Key() { Out << "key " << DrawingKeys[D.Below(std::size(DrawingKeys))] << "\n"; }

    // A press, a few moves with the button held (now and then past the window's edge, which is how
    // autoscrolling is asked for) and the release where the last move ended.
    void Drag() {
        const char* button = Button();
        Out << "mouse down " << button << " " << X() << " " << Y() << "\n";
        int x = 0, y = 0;
        for (int moves = D.Between(1, 4); moves > 0; --moves) {
            const bool outside = D.Chance(15);
            x = outside ? D.Between(-60, Spec.Width + 60) : X();
            y = outside ? D.Between(-60, Spec.Height + 60) : Y();
            Out << "mouse move " << button << " " << x << " " << y << "\n";
        }
        Out << "mouse up " << button << " " << x << " " << y << "\n";
    }
};

} // namespace

std::vector<std::string_view> RandomSessionCommands() {
    std::vector<std::string_view> out;
    for (std::string_view h : AllHandlers())
        if (IsBuiltHandler(h)) out.push_back(h);
    return out;
}

std::string GenerateRandomSession(const RandomSessionSpec& spec) {
    const std::vector<std::string_view> commands = RandomSessionCommands();
    Dice dice(spec.Seed);
    std::ostringstream out;
    out << "# random session: seed " << spec.Seed << ", " << spec.Actions << " actions, " << spec.Width << "x"
        << spec.Height << "\n";
    out << "autoanswer on\n";
    Writer w{spec, dice, out};
    for (int i = 0; i < spec.Actions; ++i) {
        const int roll = dice.Below(100);
        if (roll < 30) {
            const std::string_view handler = commands[dice.Below(static_cast<int>(commands.size()))];
            out << "run " << handler << "\n";
            if (handler == ExitHandler) return out.str(); // the exit sequence writes what is open
        } else if (roll < 60) {
            w.Key();
        } else if (roll < 75) {
            w.Click();
        } else if (roll < 90) {
            w.Drag();
        } else {
            w.Move();
        }
    }
    out << "run CmSaveExecute\n";
    return out.str();
}

} // namespace velmora
