#pragma once
// Keys as the screens see them, the same on every platform. The window translates its own key
// events into a KeyPress: the keys that move and answer, and letters and digits as the
// program's keys, whatever the keyboard layout and Caps Lock (a Polish letter counts as the
// letter key that types it with AltGr on the Polish programmer's layout: "ż" is Z, "ź" is X).
// AltGr is neither Ctrl nor Alt here, also where the system reports it as both.

#include <string_view>

namespace lun4::ui {

enum class Key {
    None,
    Character,  // a letter or digit: KeyPress::character
    Enter,      // Return or the keypad's Enter
    Escape,
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    Space,
    Delete,
};

struct KeyPress {
    Key key = Key::None;
    char character = 0;  // 'A'..'Z' or '0'..'9' for Key::Character, else 0
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool repeat = false;  // sent again by the keyboard while the key is held down

    // A plain letter or digit: no Ctrl, no Alt (Shift does not count).
    bool is(char c) const { return key == Key::Character && character == c && !ctrl && !alt; }
    bool plain(Key k) const { return key == k && !ctrl && !alt; }
    bool withCtrl(char c) const { return key == Key::Character && character == c && ctrl && !alt; }
};

// The program's key for a typed character (a Unicode code point): 'A'..'Z' for a Latin letter
// of either case or a Polish letter with its mark ("ż", "Ń" ...), '0'..'9' for a digit; 0 for
// anything else.
char programKey(char32_t typed);

// A plain key or a letter or digit (for tests and the platforms' translation).
KeyPress keyPress(Key key);
KeyPress letter(char c);

}  // namespace lun4::ui
