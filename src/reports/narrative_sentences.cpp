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

int unscoredCount(const ExamineeRecord& record, int scale, int area) {
    const int first = firstItemOf(scale, area);
    int n = 0;
    for (int k = first; k < first + itemCountOf(area); ++k) {
        if (record.scores[k] != kPass && record.scores[k] != kEmerging &&
            record.scores[k] != kFail) {
            ++n;
        }
    }
    return n;
}

std::string unscoredLine(int count) {
    const ReportTexts& t = reportTexts();
    // 1 procedura; 2-4, 22-24, ... procedury; 5-21, 25-31, ... procedur.
    const int tens = count % 100;
    const int units = count % 10;
    const int noun = count == 1                                                ? 0
                     : units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? 1
                                                                             : 2;
    return "  " + std::to_string(count) + " " + t.unscoredNouns[noun] + t.unscoredSuffix;
}

bool listsRecommendation(const ExamineeRecord& record, int item) {
    return record.scores[item] == kEmerging || record.scores[item] == kFail;
}

std::string comparisonSentence(const ExamineeRecord& record, int scale) {
    const ReportTexts& t = reportTexts();
    std::array<int, kAreas> pass{};
    std::array<int, kAreas> emerging{};
    int unscored = 0;
    int items = 0;
    for (int a = 0; a < kAreas; ++a) {
        pass[a] = countScores(record, firstItemOf(scale, a), itemCountOf(a), kPass);
        emerging[a] = countScores(record, firstItemOf(scale, a), itemCountOf(a), kEmerging);
        unscored += unscoredCount(record, scale, a);
        items += itemCountOf(a);
    }
    if (unscored == items) return t.nothingScored;
    const Ending ending = comparisonEnding(pass, emerging);
    if (ending == Ending::AllAlike) return t.comparisonAllAlike.of(record);
    return t.comparisonOpening.of(record) + t.comparisonEndings[static_cast<int>(ending)];
}

std::string subjectedSentence(const ExamineeRecord& record) {
    return record.fullName() + reportTexts().subjected.of(record);
}

std::string preparedBySentence(const ExamineeRecord& record) {
    const ReportTexts& t = reportTexts();
    const std::string_view name = text(record.diagnosticianName);
    if (name.find_first_not_of(' ') == std::string_view::npos) return t.preparedByNobody;
    return t.preparedBy + std::string(name) + ".";
}

const std::string& assessedSentence(const ExamineeRecord& record) {
    return reportTexts().assessed.of(record);
}

bool beginsWithDegree(std::string_view name) {
    // cp1250 lower case of the letters the degrees use; "Ż" is 0xAF, "ż" 0xBF.
    const auto lower = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte + 32);
        if (byte == 0xAF) return static_cast<char>(0xBF);
        return c;
    };
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    static constexpr std::string_view kDegrees[] = {"mgr", "dr", "prof", "lic", "in\xBF"};
    for (std::string_view degree : kDegrees) {
        if (name.size() < degree.size()) continue;
        bool same = true;
        for (size_t i = 0; i < degree.size(); ++i) same = same && lower(name[i]) == degree[i];
        // The degree is a word of its own: "Dr." or "dr " or the name ends there, never
        // "Drozd".
        const bool wordEnds = name.size() == degree.size() || name[degree.size()] == '.' ||
                              name[degree.size()] == ' ';
        if (same && wordEnds) return true;
    }
    return false;
}

const std::string& diagnosticianLine(const ExamineeRecord& record) {
    const ReportTexts& t = reportTexts();
    return beginsWithDegree(text(record.diagnosticianName)) ? t.diagnosticianLineNoDegree
                                                            : t.diagnosticianLine;
}

}  // namespace lun4::reports::narrative
