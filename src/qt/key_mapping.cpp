#include "qt/key_mapping.h"

#include <array>
#include <utility>

namespace velmora {

namespace {

constexpr std::array<std::pair<int, Key>, 28> NamedKeys{{
    {Qt::Key_Return, Key::Enter},
    {Qt::Key_Enter, Key::Enter},
    {Qt::Key_Escape, Key::Escape},
    {Qt::Key_Left, Key::Left},
    {Qt::Key_Right, Key::Right},
    {Qt::Key_Up, Key::Up},
    {Qt::Key_Down, Key::Down},
    {Qt::Key_Home, Key::Home},
    {Qt::Key_End, Key::End},
    {Qt::Key_PageUp, Key::PageUp},
    {Qt::Key_PageDown, Key::PageDown},
    {Qt::Key_Insert, Key::Insert},
    {Qt::Key_Delete, Key::Delete},
    {Qt::Key_Backspace, Key::Backspace},
    {Qt::Key_Tab, Key::Tab},
    {Qt::Key_Space, Key::Space},
    {Qt::Key_F1, Key::F1},
    {Qt::Key_F2, Key::F2},
    {Qt::Key_F3, Key::F3},
    {Qt::Key_F4, Key::F4},
    {Qt::Key_F5, Key::F5},
    {Qt::Key_F6, Key::F6},
    {Qt::Key_F7, Key::F7},
    {Qt::Key_F8, Key::F8},
    {Qt::Key_F9, Key::F9},
    {Qt::Key_F10, Key::F10},
    {Qt::Key_F11, Key::F11},
    {Qt::Key_F12, Key::F12},
}};

std::optional<Key> KeypadOperator(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Plus:
        return Key::Add;
    case Qt::Key_Minus:
        return Key::Subtract;
    case Qt::Key_Asterisk:
        return Key::Multiply;
    case Qt::Key_Slash:
        return Key::Divide;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<KeyEvent> KeyEventFromQt(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    // Alt opens the menus; the drawing has no Alt keys.
    if (modifiers.testFlag(Qt::AltModifier)) return std::nullopt;
    KeyEvent e;
    e.Shift = modifiers.testFlag(Qt::ShiftModifier);
    e.Control = modifiers.testFlag(Qt::ControlModifier);
    for (const auto& [q, k] : NamedKeys)
        if (q == qtKey) {
            e.Code = k;
            return e;
        }
    if (modifiers.testFlag(Qt::KeypadModifier))
        if (const auto op = KeypadOperator(qtKey)) {
            e.Code = *op;
            return e;
        }
    // Drawing texts are 8-bit; a character outside Latin-1 cannot be typed into them. Ctrl with a character
    // is a menu shortcut, not typing, whatever text the platform reports with it.
    if (text.size() == 1 && !e.Control) {
        const char16_t c = text.at(0).unicode();
        if (c > u' ' && c != 127 && c < 256) {
            e.Code = Key::Character;
            e.Char = static_cast<char>(c);
            e.Keypad = modifiers.testFlag(Qt::KeypadModifier) && c >= u'0' && c <= u'9';
            return e;
        }
    }
    return std::nullopt;
}

std::optional<char> TypedCharacter(const KeyEvent& key) {
    switch (key.Code) {
    case Key::Character:
        return key.Char;
    case Key::Enter:
        return '\r';
    case Key::Escape:
        return '\x1b';
    case Key::Backspace:
        return '\b';
    case Key::Tab:
        return '\t';
    case Key::Space:
        return ' ';
    case Key::Add:
        return '+';
    case Key::Subtract:
        return '-';
    case Key::Multiply:
        return '*';
    case Key::Divide:
        return '/';
    default:
        return std::nullopt;
    }
}

} // namespace velmora
