#pragma once
// Windows code page 1250 (Central European), the byte encoding of every text the program
// keeps in the examinee record and in its files. Conversion to Unicode happens only at the
// edges: edit controls, drawing and file names on disk.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lun4::cp1250 {

// The separator byte of the examinee file ("§"); a text holding it cannot be stored faithfully.
inline constexpr char kSeparator = '\xA7';
// Ctrl-Z: ends the data of a file read with the line-break translation of Windows text files.
inline constexpr char kDataEnd = '\x1A';

// Unicode code point of a cp1250 byte; nullopt for the five bytes the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98).
std::optional<char32_t> toUnicode(unsigned char byte);

// cp1250 byte of a code point, nullopt when the code page cannot hold it.
std::optional<unsigned char> fromUnicode(char32_t codePoint);

// cp1250 bytes -> UTF-8. Undefined bytes become U+FFFD so that nothing is silently dropped
// on screen.
std::string toUtf8(std::string_view cp1250);

// UTF-8 -> cp1250. Returns nullopt when the text holds a character cp1250 cannot carry or
// is not valid UTF-8.
std::optional<std::string> fromUtf8(std::string_view utf8);

// UTF-8 -> cp1250, replacing every character cp1250 cannot carry by `replacement`.
std::string fromUtf8Lossy(std::string_view utf8, char replacement = '?');

// The cp1250 text of a u8"..." literal of the program's own (tables of Polish texts written
// readably in the sources; their tests check that cp1250 carries every character).
std::string fromLiteral(std::u8string_view utf8);

}  // namespace lun4::cp1250
