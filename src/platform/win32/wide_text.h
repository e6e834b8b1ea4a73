#pragma once
// Texts at the Win32 boundary: the system speaks UTF-16, the program keeps cp1250 (the
// record's texts) and UTF-8 (everything else, paths included).

#include <string>
#include <string_view>

namespace lun4::platform {

std::wstring fromUtf8(std::string_view utf8);
std::string toUtf8(std::wstring_view text);

// cp1250 <-> UTF-16 with the program's own table, so a text shows and is stored exactly as on
// Linux: an undefined byte shows as U+FFFD; a character cp1250 cannot carry becomes "?".
std::wstring fromCp1250(std::string_view cp1250);
std::string toCp1250(std::wstring_view text);

inline std::wstring wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}
inline std::u16string utf16(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace lun4::platform
