#include "files/sheet_cells.h"

#include <cstdio>

namespace lun4::sheet {

std::string textCell(std::string_view utf8) {
    std::string cell = "\"";
    if (!utf8.empty() &&
        std::string_view("=+-@\t\r").find(utf8.front()) != std::string_view::npos) {
        cell += '\'';
    }
    for (char c : utf8) {
        if (c == '"') cell += '"';
        cell += c;
    }
    cell += '"';
    return cell;
}

std::string codeCell(char code) {
    const auto byte = static_cast<unsigned char>(code);
    if (byte > 0x20 && byte < 0x7F) return std::string(1, code);
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    return hex;
}

void addRow(std::string& out, std::initializer_list<std::string> cells) {
    bool first = true;
    for (const std::string& cell : cells) {
        if (!first) out += ';';
        out += cell;
        first = false;
    }
    out += "\r\n";
}

void addHeader(std::string& out, std::initializer_list<std::string_view> names) {
    bool first = true;
    for (std::string_view name : names) {
        if (!first) out += ';';
        out += textCell(name);
        first = false;
    }
    out += "\r\n";
}

std::string_view withoutLeadingBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

}  // namespace lun4::sheet
