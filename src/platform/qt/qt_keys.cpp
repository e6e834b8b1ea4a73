#include "platform/qt/qt_keys.h"

#include <string>

namespace lun4::platform {
namespace {

// The letter or digit printed on the key with this X keycode (evdev's code + 8, as X11 and
// Wayland number keys), for layouts whose symbols are not Latin.
char letterAtPosition(quint32 keycode) {
    static constexpr struct {
        quint32 first;
        const char* keys;
    } kRows[] = {{10, "1234567890"}, {24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
    for (const auto& row : kRows) {
        const quint32 length = static_cast<quint32>(std::char_traits<char>::length(row.keys));
        if (keycode >= row.first && keycode < row.first + length) {
            return row.keys[keycode - row.first];
        }
    }
    return 0;
}

}  // namespace

ui::KeyPress translateKey(const QKeyEvent& event) {
    ui::KeyPress press;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    press.shift = modifiers.testFlag(Qt::ShiftModifier);
    press.ctrl = modifiers.testFlag(Qt::ControlModifier);
    press.alt = modifiers.testFlag(Qt::AltModifier);
    press.repeat = event.isAutoRepeat();
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            press.key = ui::Key::Enter;
            return press;
        case Qt::Key_Escape:
            press.key = ui::Key::Escape;
            return press;
        case Qt::Key_Left:
            press.key = ui::Key::Left;
            return press;
        case Qt::Key_Right:
            press.key = ui::Key::Right;
            return press;
        case Qt::Key_Up:
            press.key = ui::Key::Up;
            return press;
        case Qt::Key_Down:
            press.key = ui::Key::Down;
            return press;
        case Qt::Key_PageUp:
            press.key = ui::Key::PageUp;
            return press;
        case Qt::Key_PageDown:
            press.key = ui::Key::PageDown;
            return press;
        case Qt::Key_Home:
            press.key = ui::Key::Home;
            return press;
        case Qt::Key_End:
            press.key = ui::Key::End;
            return press;
        case Qt::Key_Space:
            press.key = ui::Key::Space;
            return press;
        case Qt::Key_Delete:
            press.key = ui::Key::Delete;
            return press;
        default:
            break;
    }
    // The key's symbol: Qt gives letters in capitals whatever Caps Lock and Shift say, and a
    // Polish letter typed with AltGr as its own code point. Keys outside Unicode (F1, Shift
    // itself) have the bit 0x01000000.
    const int key = event.key();
    char character = 0;
    if (key > 0 && key < 0x01000000) character = ui::programKey(static_cast<char32_t>(key));
    const QString text = event.text();
    if (character == 0 && !text.isEmpty()) character = ui::programKey(text.at(0).unicode());
    const bool otherAlphabet =
        (key > 0 && key < 0x01000000 && QChar::isLetterOrNumber(static_cast<char32_t>(key))) ||
        (!text.isEmpty() && text.at(0).isLetterOrNumber());
    if (character == 0 && otherAlphabet) character = letterAtPosition(event.nativeScanCode());
    if (character != 0) {
        press.key = ui::Key::Character;
        press.character = character;
    }
    return press;
}

}  // namespace lun4::platform
