#pragma once
// The fixed Polish texts of the narrative report, in cp1250, and the choice of the sentence
// that names the observation area in which the examinee did best.

#include <array>
#include <string>

#include "model/examinee_record.h"

namespace lun4::reports::narrative {

inline constexpr int kScales = 6;
inline constexpr int kAreas = 3;
inline constexpr int kMaxCount = 12;

// Index of a count line within an area: fail, emerging, pass.
enum CountLine { kFailLine = 0, kEmergingLine = 1, kPassLine = 2 };

// The ending of the comparison sentence: one best area (0, 1, 2), two best areas, or none.
enum class Ending {
    Direct,
    Home,
    SchoolWork,
    DirectAndHome,
    DirectAndSchoolWork,
    HomeAndSchoolWork,
    AllAlike,
};

// A fixed text about the examinee in the masculine and the feminine form: a record whose
// gender is 'k' takes the feminine, any other the masculine.
struct Gendered {
    std::string male;
    std::string female;
    const std::string& of(const ExamineeRecord& record) const {
        return record.gender == kGenderFemale ? female : male;
    }
};

struct ReportTexts {
    // Per-scale sections.
    std::array<std::string, kScales> sectionTitles;
    std::array<Gendered, kScales> descriptions;
    std::array<std::string, kAreas> areaHeadings;
    std::array<std::string, kAreas> areaTexts;
    std::array<std::string, kMaxCount + 1> countPhrases;
    std::array<std::string, 3> suffixSingular;  // by CountLine, for a count of 1
    std::array<std::string, 3> suffixPlural;    // by CountLine, for every other count
    // The line of an area's unscored items: "procedura", "procedury", "procedur" by the count,
    // then the suffix.
    std::array<std::string, 3> unscoredNouns;
    std::string unscoredSuffix;
    std::string recommendationsHeading;
    // Opening and ending of the sentence naming the best area; the ending is the only part
    // that varies, except when all areas did alike, which is a sentence of its own.
    Gendered comparisonOpening;
    std::array<std::string, 7> comparisonEndings;  // by Ending; AllAlike unused
    Gendered comparisonAllAlike;
    // In place of the comparison when no item of the scale is scored in any area.
    std::string nothingScored;

    // Page 1, the cover.
    std::string dateLine;
    std::string dateCaption;
    std::string coverHeading;
    std::string institutionCaption;
    std::string diagnosticianLine;          // "mgr" and the dotted line
    std::string diagnosticianLineNoDegree;  // the dotted line alone, as long
    std::string diagnosticianCaption;
    std::string permitLine;
    std::string permitCaption;

    // Page 2, the personal data table: the labels in row order (left, then right), and the
    // kind of examination in row 6.
    std::array<Gendered, 9> dataLabels;
    std::string examinationKind;

    // Page 3, the general remarks.
    std::array<std::string, 3> areaColumnHeadings;
    std::string sphereList;
    std::string remarksHeading;
    Gendered subjected;  // " został poddany diagnozie dla ...", " została poddana ..."
    std::string preparedBy;
    std::string preparedByNobody;  // with no diagnostician's name: a dotted line to sign on
    Gendered assessed;
    std::string spheresAssessed;
    Gendered resultsHeading;

    // A line of many different letters, measured to tell one set of font metrics from
    // another.
    std::string widthProbe;

    // The signature block of the last printed sheet.
    std::string signatureLine;
    std::string signatureCaption;
};

const ReportTexts& reportTexts();

// Pass counts `pass` and emerging counts `emerging` of one scale in areas 0, 1, 2. Fail
// counts play no part.
Ending comparisonEnding(const std::array<int, kAreas>& pass,
                        const std::array<int, kAreas>& emerging);

}  // namespace lun4::reports::narrative
