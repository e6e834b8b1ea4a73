#pragma once
// The window's key messages as the screens' keys (ui/keys.h).

#include <windows.h>

#include "ui/keys.h"

namespace lun4::platform {

// The modifiers as the keyboard holds them now.
struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool altGr = false;  // the right Alt, which Windows also reports as Ctrl and Alt
};
KeyModifiers currentModifiers();

// A WM_KEYDOWN's virtual key. Letters and digits are read from the virtual key, which names
// the key's Latin letter on every layout (the Polish programmer's Z is VK 'Z', a Cyrillic
// layout's keys keep their Latin virtual keys), whatever Caps Lock says; the keypad's digits
// count as digits. AltGr is neither Ctrl nor Alt.
// `repeated` is a key the keyboard sends again while it is held down (bit 30 of the message's
// lParam).
ui::KeyPress translateKey(WPARAM virtualKey, const KeyModifiers& modifiers, bool repeated = false);

}  // namespace lun4::platform
