// What the drawing window's key tables ask of a key: an arrow, the angle key (A or keypad 1), the finish key
// (F or keypad 6), and the direction code of an arrow that tools are handed (4 left, 1 up, 2 right, 3 down).
#pragma once

#include "platform/keys.h"

namespace velmora {

inline bool IsArrow(Key k) {
    return k == Key::Left || k == Key::Right || k == Key::Up || k == Key::Down;
}

inline bool IsAngleKey(const KeyEvent& key) {
    return key.Code == Key::Character &&
           (key.Char == 'a' || key.Char == 'A' || (key.Keypad && key.Char == '1'));
}

inline bool IsFinishKey(const KeyEvent& key) {
    return key.Code == Key::Character &&
           (key.Char == 'f' || key.Char == 'F' || (key.Keypad && key.Char == '6'));
}

inline int ArrowDirectionCode(Key k) {
    switch (k) {
    case Key::Left:
        return 4;
    case Key::Up:
        return 1;
    case Key::Right:
        return 2;
    default:
        return 3;
    }
}

} // namespace velmora
