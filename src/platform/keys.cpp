#include "platform/keys.h"

#include <array>
#include <utility>

namespace velmora {

namespace {
constexpr std::array<std::pair<std::string_view, Key>, 31> KeyNames{{
    {"Enter", Key::Enter},       {"Escape", Key::Escape},     {"Left", Key::Left},     {"Right", Key::Right},
    {"Up", Key::Up},             {"Down", Key::Down},         {"Add", Key::Add},       {"Subtract", Key::Subtract},
    {"Multiply", Key::Multiply}, {"Divide", Key::Divide},     {"Home", Key::Home},     {"End", Key::End},
    {"PageUp", Key::PageUp},     {"PageDown", Key::PageDown}, {"Insert", Key::Insert}, {"Delete", Key::Delete},
    {"Backspace", Key::Backspace}, {"Tab", Key::Tab},         {"Space", Key::Space},   {"F1", Key::F1},
    {"F2", Key::F2},             {"F3", Key::F3},             {"F4", Key::F4},         {"F5", Key::F5},
    {"F6", Key::F6},             {"F7", Key::F7},             {"F8", Key::F8},         {"F9", Key::F9},
    {"F10", Key::F10},           {"F11", Key::F11},           {"F12", Key::F12},
}};
} // namespace

std::optional<KeyEvent> KeyFromName(std::string_view name) {
    for (const auto& [n, k] : KeyNames)
        if (n == name) return KeyEvent{k};
    if (name.size() == 1 && static_cast<unsigned char>(name[0]) > ' ') return KeyEvent{Key::Character, name[0]};
    if (name.size() == 4 && name.starts_with("Num") && name[3] >= '0' && name[3] <= '9') {
        KeyEvent e{Key::Character, name[3]};
        e.Keypad = true;
        return e;
    }
    return std::nullopt;
}

std::string KeyName(const KeyEvent& key) {
    if (key.Code == Key::Character) return std::string(key.Keypad ? "Num" : "") + key.Char;
    for (const auto& [n, k] : KeyNames)
        if (k == key.Code) return std::string(n);
    return "?";
}

} // namespace velmora
