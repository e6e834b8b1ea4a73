#pragma once
// The cells and rows of the sheets the program writes for spreadsheets (the scores sheet and
// the comparison sheet): UTF-8 with a byte-order mark, columns separated by ';', rows ended by
// CR LF, every text in double quotes with its inner quotes doubled, and a text starting with
// '=', '+', '-' or '@' behind an apostrophe so that it is not taken for a formula.

#include <initializer_list>
#include <string>
#include <string_view>

namespace lun4::sheet {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A text cell (UTF-8).
std::string textCell(std::string_view utf8);
// A score code as its cell shows it: the byte itself when it is a visible ASCII character,
// else its value, as 0x1A.
std::string codeCell(char code);
// Cells joined by ';' and ended by CR LF; the cells are given as they are written.
void addRow(std::string& out, std::initializer_list<std::string> cells);
// The header row: every name as a text cell.
void addHeader(std::string& out, std::initializer_list<std::string_view> names);

std::string_view withoutLeadingBlanks(std::string_view text);

}  // namespace lun4::sheet
