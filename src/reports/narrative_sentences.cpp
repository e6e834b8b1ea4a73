#include "reports/narrative_sentences.h"

#include <array>

#include "model/catalogue.h"
#include "model/scoring.h"

namespace lun4::reports::narrative {

int firstItemOf(int scale, int area) {
    return firstItem(areaAt(area), scaleAt(scale));
}

int itemCountOf(int area) {
    return itemsPerScale(areaAt(area));
}

std::string countLine(const ExamineeRecord& record, int scale, int area, CountLine which) {
    static constexpr char kCodes[3] = {kFail, kEmerging, kPass};
    const ReportTexts& t = reportTexts();
    const int n = countScores(record, firstItemOf(scale, area), itemCountOf(area), kCodes[which]);
    const std::string& suffix = n == 1 ? t.suffixSingular[which] : t.suffixPlural[which];
    // A count above 12 cannot come from an area's items; kept in range all the same.
    return t.countPhrases[n <= kMaxCount ? n : 0] + suffix;
}

std::string comparisonSentence(const ExamineeRecord& record, int scale) {
    const ReportTexts& t = reportTexts();
    std::array<int, kAreas> pass{};
    std::array<int, kAreas> emerging{};
    for (int a = 0; a < kAreas; ++a) {
        pass[a] = countScores(record, firstItemOf(scale, a), itemCountOf(a), kPass);
        emerging[a] = countScores(record, firstItemOf(scale, a), itemCountOf(a), kEmerging);
    }
    const std::string& opening =
        record.gender == kGenderFemale ? t.comparisonOpeningFemale : t.comparisonOpeningMale;
    return opening + t.comparisonEndings[static_cast<int>(comparisonEnding(pass, emerging))];
}

std::string subjectedSentence(const ExamineeRecord& record) {
    const ReportTexts& t = reportTexts();
    return record.fullName() +
           (record.gender == kGenderFemale ? t.subjectedFemale : t.subjectedMale);
}

std::string preparedBySentence(const ExamineeRecord& record) {
    return reportTexts().preparedBy + std::string(text(record.diagnosticianName)) + ".";
}

const std::string& assessedSentence(const ExamineeRecord& record) {
    const ReportTexts& t = reportTexts();
    return record.gender == kGenderFemale ? t.assessedFemale : t.assessedMale;
}

}  // namespace lun4::reports::narrative
