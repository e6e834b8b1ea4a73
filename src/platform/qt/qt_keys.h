#pragma once
// The window's key events as the screens' keys (ui/keys.h).

#include <QKeyEvent>

#include "ui/keys.h"

namespace lun4::platform {

// Letters and digits are read from the key's symbol, so Caps Lock and the layout's own letter
// places count (the Polish typist's Z is where it is printed); a letter of another alphabet
// (a Cyrillic layout) counts as the Latin letter printed on the same key.
ui::KeyPress translateKey(const QKeyEvent& event);

}  // namespace lun4::platform
