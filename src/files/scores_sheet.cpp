#include "files/scores_sheet.h"

#include "files/atomic_write.h"
#include "files/sheet_cells.h"
#include "model/catalogue.h"
#include "model/cp1250.h"

namespace lun4 {
namespace {

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
    using namespace sheet;
    std::string out(kByteOrderMark);
    addHeader(out, {"Nr", "Obszar", "Skala", "Pozycja", "Kod oceny", "Ocena", "Wskazania"});
    for (int k = 1; k <= kItemCount; ++k) {
        const char code = record.scores[k];
        addRow(out, {std::to_string(k), textCell(cp1250::toUtf8(areaTitle(areaOf(k)))),
                     textCell(cp1250::toUtf8(scaleName(scaleOf(k)))),
                     textCell(cp1250::toUtf8(withoutLeadingBlanks(itemName(k)))),
                     textCell(codeCell(code)), textCell(scoreInWords(code)),
                     textCell(noteCell(text(record.notes[k])))});
    }
    return out;
}

bool writeScoresSheet(const ExamineeRecord& record, const std::filesystem::path& path,
                      FileSystem& fileSystem, std::string* error) {
    return writeFileAtomically(path, scoresSheet(record), fileSystem, error);
}

}  // namespace lun4
