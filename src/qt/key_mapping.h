// Keys of the drawing window as the core names them. Qt reports a key and the text it types in one event;
// the core, like the platform it was designed on, takes the key first and the typed character after it.
#pragma once

#include "platform/keys.h"

#include <QString>
#include <Qt>

#include <optional>

namespace velmora {

// The key the core sees for a Qt key event, or nothing for keys it has no name for (Shift alone, ...) and for
// the keys of the menus (anything with Alt, a character with Ctrl). The keypad's + - * / are Add, Subtract,
// Multiply and Divide; the same characters elsewhere are characters.
std::optional<KeyEvent> KeyEventFromQt(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

// The character a key types after it went down (Enter types a carriage return, Escape 27, the keypad's Add
// a '+'), or nothing for keys that type none (arrows, function keys).
std::optional<char> TypedCharacter(const KeyEvent& key);

} // namespace velmora
