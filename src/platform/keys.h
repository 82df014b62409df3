// Keys the drawing window hands to the core, named as session scripts name them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

enum class Key {
    Enter, Escape, Left, Right, Up, Down, Add, Subtract, Multiply, Divide, Home, End, PageUp, PageDown,
    Insert, Delete, Backspace, Tab, Space, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
    Character, // a printable character: see KeyEvent::Char
};

struct KeyEvent {
    Key Code = Key::Character;
    char Char = 0;      // for Key::Character: the character (a letter as typed)
    bool Shift = false;
    bool Control = false;
    bool Keypad = false; // a digit typed on the numeric keypad (keypad 1 and 6 are drawing keys)
};

// "Enter", "Escape", "Left", "Add", "F1", "a", "Num1" (a keypad digit) ... ; nothing for a name no key has.
std::optional<KeyEvent> KeyFromName(std::string_view name);
std::string KeyName(const KeyEvent& key);

} // namespace velmora
