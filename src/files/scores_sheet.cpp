#include "files/scores_sheet.h"

#include <cstdio>

#include "files/atomic_write.h"
#include "model/catalogue.h"
#include "model/cp1250.h"

namespace lun4 {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRowEnd = "\r\n";
constexpr char kSeparator = ';';

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

// A note as its cell shows it: CR LF and lone CR become LF, the breaks and blanks after its
// last line go.
std::string noteCell(std::string_view cp1250Note) {
    std::string note;
    for (size_t i = 0; i < cp1250Note.size(); ++i) {
        const char c = cp1250Note[i];
        if (c == '\r') {
            note += '\n';
            if (i + 1 < cp1250Note.size() && cp1250Note[i + 1] == '\n') ++i;
        } else {
            note += c;
        }
    }
    while (!note.empty() && (note.back() == '\n' || note.back() == ' ')) note.pop_back();
    return cp1250::toUtf8(note);
}

std::string_view withoutLeadingBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

// The byte itself when it is a visible ASCII character, else its value, as 0x1A.
std::string codeCell(char code) {
    const auto byte = static_cast<unsigned char>(code);
    if (byte > 0x20 && byte < 0x7F) return std::string(1, code);
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    return hex;
}

}  // namespace

std::string_view scoreInWords(char code) {
    switch (code) {
        case kPass:
            return "zaliczone";
        case kEmerging:
            return "pojawiające się";
        case kFail:
            return "niezaliczone";
        case kNotScored:
            return "bez oceny";
        default:
            return "nieznana ocena";
    }
}

std::string scoresSheet(const ExamineeRecord& record) {
    std::string out(kByteOrderMark);
    const std::string_view header[] = {"Nr",        "Obszar", "Skala",    "Pozycja",
                                       "Kod oceny", "Ocena",  "Wskazania"};
    for (size_t i = 0; i < std::size(header); ++i) {
        if (i > 0) out += kSeparator;
        out += textCell(header[i]);
    }
    out += kRowEnd;
    for (int k = 1; k <= kItemCount; ++k) {
        const char code = record.scores[k];
        out += std::to_string(k);
        for (const std::string& cell :
             {cp1250::toUtf8(areaTitle(areaOf(k))), cp1250::toUtf8(scaleName(scaleOf(k))),
              cp1250::toUtf8(withoutLeadingBlanks(itemName(k))), codeCell(code),
              std::string(scoreInWords(code)), noteCell(text(record.notes[k]))}) {
            out += kSeparator;
            out += textCell(cell);
        }
        out += kRowEnd;
    }
    return out;
}

bool writeScoresSheet(const ExamineeRecord& record, const std::filesystem::path& path,
                      FileSystem& fileSystem, std::string* error) {
    return writeFileAtomically(path, scoresSheet(record), fileSystem, error);
}

}  // namespace lun4
