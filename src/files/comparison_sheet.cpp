#include "files/comparison_sheet.h"

#include "files/atomic_write.h"
#include "files/sheet_cells.h"
#include "model/catalogue.h"
#include "model/cp1250.h"

namespace lun4 {

std::string_view changeInWords(ScoreChange change) {
    switch (change) {
        case ScoreChange::Same:
            return "bez zmian";
        case ScoreChange::Progress:
            return "postęp";
        case ScoreChange::Regress:
            return "regres";
        case ScoreChange::NewlyScored:
            return "nowo ocenione";
        case ScoreChange::NoLongerScored:
            return "nieocenione";
    }
    return {};
}

std::string comparisonSheet(const ExamineeRecord& earlier, const ExamineeRecord& later) {
    using namespace sheet;
    std::string out(kByteOrderMark);
    addHeader(out, {"Nr", "Obszar", "Skala", "Pozycja", "Kod oceny wcześniej", "Kod oceny później",
                    "Zmiana"});
    for (int k = 1; k <= kItemCount; ++k) {
        const char before = earlier.scores[k];
        const char after = later.scores[k];
        addRow(out, {std::to_string(k), textCell(cp1250::toUtf8(areaTitle(areaOf(k)))),
                     textCell(cp1250::toUtf8(scaleName(scaleOf(k)))),
                     textCell(cp1250::toUtf8(withoutLeadingBlanks(itemName(k)))),
                     textCell(codeCell(before)), textCell(codeCell(after)),
                     textCell(changeInWords(scoreChange(before, after)))});
    }
    return out;
}

bool writeComparisonSheet(const ExamineeRecord& earlier, const ExamineeRecord& later,
                          const std::filesystem::path& path, FileSystem& fileSystem,
                          std::string* error) {
    return writeFileAtomically(path, comparisonSheet(earlier, later), fileSystem, error);
}

}  // namespace lun4
