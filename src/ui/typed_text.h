#pragma once
// What a box takes of typed or pasted text, the same on every platform: line breaks as "\n"
// (a blank between lines in a one-line box), no "§" (the examinee file's separator) and no
// character cp1250 cannot carry (both refused, and named in a short note), no other control
// characters (left out quietly). Texts are UTF-16 as the platforms' controls hold them.

#include <string>
#include <string_view>

namespace lun4::ui {

// True when every character can be stored: cp1250 holds it and it is not "§". Line breaks
// count as storable.
bool storable(std::u16string_view text);

// `text` as a box may take it; every refused character is added to `refused` once (a
// character of two UTF-16 units as one).
std::u16string storableInput(std::u16string_view text, bool multiLine,
                             std::u16string* refused = nullptr);

// The note shown under a box that refused characters: which, and why.
std::u16string refusedNote(std::u16string_view refused);

}  // namespace lun4::ui
