#include "platform/win32/win32_keys.h"

namespace lun4::platform {

KeyModifiers currentModifiers() {
    const auto down = [](int vk) { return (::GetKeyState(vk) & 0x8000) != 0; };
    KeyModifiers m;
    m.shift = down(VK_SHIFT);
    m.altGr = down(VK_RMENU) && down(VK_CONTROL);
    m.ctrl = down(VK_CONTROL);
    m.alt = down(VK_MENU);
    return m;
}

ui::KeyPress translateKey(WPARAM vk, const KeyModifiers& modifiers, bool repeated) {
    ui::KeyPress press;
    press.repeat = repeated;
    press.shift = modifiers.shift;
    press.ctrl = modifiers.ctrl && !modifiers.altGr;
    press.alt = modifiers.alt && !modifiers.altGr;
    switch (vk) {
        case VK_RETURN: press.key = ui::Key::Enter; return press;
        case VK_ESCAPE: press.key = ui::Key::Escape; return press;
        case VK_LEFT: press.key = ui::Key::Left; return press;
        case VK_RIGHT: press.key = ui::Key::Right; return press;
        case VK_UP: press.key = ui::Key::Up; return press;
        case VK_DOWN: press.key = ui::Key::Down; return press;
        case VK_PRIOR: press.key = ui::Key::PageUp; return press;
        case VK_NEXT: press.key = ui::Key::PageDown; return press;
        case VK_HOME: press.key = ui::Key::Home; return press;
        case VK_END: press.key = ui::Key::End; return press;
        case VK_SPACE: press.key = ui::Key::Space; return press;
        case VK_DELETE: press.key = ui::Key::Delete; return press;
        default: break;
    }
    char character = 0;
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
        character = static_cast<char>(vk);
    } else if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
        character = static_cast<char>('0' + (vk - VK_NUMPAD0));
    }
    if (character != 0) {
        press.key = ui::Key::Character;
        press.character = character;
    }
    return press;
}

}  // namespace lun4::platform
