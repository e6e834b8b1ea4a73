#include "reports/narrative_report.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "model/default_recommendations.h"
#include "reports/narrative_sentences.h"
#include "polish_text.h"
#include "recorded_calls.h"
#include "report_dump.h"
#include "native_surface.h"
#include "ui/recording_surface.h"

namespace lun4::reports {
namespace {

using testing::appendPage;
using testing::cp;
using testing::expectFlowPageShape;
using testing::expectGolden;
using testing::flowDump;
using testing::fullDump;
using testing::textAt;

// A record as a diagnostician fills it in, not yet scored.
ExamineeRecord personalRecord(char gender) {
    ExamineeRecord r;
    setText(r.firstName, cp("Jan"));
    setText(r.lastName, cp("Kowalski"));
    setText(r.birthDate, cp("12.05.1999"));
    setText(r.homeAddress, cp("ul. Lipowa 3\r\n00-001 Warszawa"));
    setText(r.phoneContacts, cp("600 100 200"));
    setText(r.facilityAddress, cp("Warsztaty Terapii Zajęciowej\r\nul. Polna 8"));
    setText(r.siblings, cp("Anna (2003)"));
    setText(r.guardians, cp("Maria i Piotr Kowalscy"));
    setText(r.additionalInfo, cp("brak"));
    setText(r.diagnosticianName, cp("Ewa Nowak, pedagog specjalny"));
    setText(r.diagnosticianPermitNo, cp("123/2020"));
    r.gender = gender;
    return r;
}

// Every item passed, but `listed` scored emerging: only its note is listed.
ExamineeRecord passedBut(int listed) {
    ExamineeRecord r = personalRecord(kGenderMale);
    for (int k = 1; k <= kItemCount; ++k) r.scores[k] = kPass;
    r.scores[listed] = kEmerging;
    return r;
}

CoverTexts cover() {
    return {cp("Warszawa, 14.03.2024"), cp("Ośrodek Rewalidacyjno-Wychowawczy\r\nw Warszawie")};
}

struct Composer {
    NarrativeReport report;
    ui::FakeImageSource images;

    ui::RecordingSurface page(const ExamineeRecord& record, int number) {
        ui::RecordingSurface surface;
        report.composePage(surface, images, record, cover(), number);
        return surface;
    }
    // Pages 4 to the last, each composed on its own as the preview asks for them.
    std::vector<ui::RecordingSurface> flowPages(const ExamineeRecord& record) {
        page(record, 1);
        std::vector<ui::RecordingSurface> pages;
        for (int p = 4; p <= report.pageCount(); ++p) pages.push_back(page(record, p));
        return pages;
    }
    std::vector<std::string> flowGolden(const ExamineeRecord& record, int first, int last) {
        std::vector<std::string> dump;
        for (int p = first; p <= last; ++p) {
            const auto surface = page(record, p);
            expectFlowPageShape(surface, p);
            appendPage(dump, p, flowDump(surface));
        }
        return dump;
    }
};

// The drawn line starting with `start` and the one after it.
std::vector<std::string> linesFrom(const std::vector<std::string>& lines,
                                   const std::string& start) {
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].rfind(start, 0) == 0) return {lines[i], lines[i + 1]};
    }
    return {};
}

// ---------------------------------------------------------------------------------------
// Golden reports.

TEST(NarrativeReportGolden, UnscoredRecordEveryPage) {
    Composer c;
    const ExamineeRecord record = personalRecord(kGenderUnset);
    std::vector<std::string> dump;
    for (int p = 1; p <= 3; ++p) appendPage(dump, p, fullDump(c.page(record, p)));
    ASSERT_EQ(c.report.pageCount(), 14);
    const auto flow = c.flowGolden(record, 4, 14);
    dump.insert(dump.end(), flow.begin(), flow.end());
    expectGolden("unscored", dump);
}

TEST(NarrativeReportGolden, EveryItemPassedWithEmptyNotesGivesThirteenPages) {
    Composer c;
    ExamineeRecord record = personalRecord(kGenderMale);
    for (int k = 1; k <= kItemCount; ++k) record.scores[k] = kPass;
    c.page(record, 1);
    EXPECT_EQ(c.report.pageCount(), 13);
    expectGolden("all_passed", c.flowGolden(record, 4, 13));
}

// Scale 0 of a woman's record with notes as they come from the editor and from files:
// item 1's note runs over the end of page 4, item 2's second line is two letters long,
// item 3's note does not end with a line break, item 4 is passed but keeps the note of an
// earlier score, item 5 holds a line wider than the page, item 6 only short lines.
ExamineeRecord mixedRecord() {
    ExamineeRecord r = personalRecord(kGenderFemale);
    for (int k = 1; k <= kItemCount; ++k) r.scores[k] = kPass;
    r.scores[1] = kFail;
    r.scores[2] = kEmerging;
    r.scores[3] = kEmerging;
    r.scores[5] = kFail;
    r.scores[6] = kEmerging;
    r.scores[73] = kFail;
    for (int k = 121; k <= 128; ++k) r.scores[k] = kEmerging;
    std::string longNote;
    for (int line = 1; line <= 9; ++line) {
        longNote += "Wskazanie do pozycji 1, wiersz " + std::to_string(line) +
                    ": ćwiczenia z terapeutą przy stoliku.\r\n";
    }
    setText(r.notes[1], cp(longNote));
    setText(r.notes[2], cp("Dopasowywanie kształtów do szablonu z podpowiedzią.\r\nok\r\n"));
    setText(r.notes[3], cp("Utrwalanie dopasowywania kolorów w codziennych czynnościach."));
    setText(r.notes[4], cp("Notatka z wcześniejszej oceny.\r\n"));
    setText(r.notes[5],
            cp("Zestawianie: najpierw dwa elementy, potem trzy, za każdym razem z pokazem "
               "terapeuty, aż osoba badana samodzielnie zestawi komplet sztućców i talerzy do "
               "posiłku dla całej rodziny.\r\n"));
    setText(r.notes[6], cp("ab\r\n\r\n"));
    setText(r.notes[73], defaultRecommendation(RecommendationKind::Fail, 73));
    setText(r.notes[121], defaultRecommendation(RecommendationKind::Emerging, 121));
    return r;
}

TEST(NarrativeReportGolden, MixedRecordWithNotesCrossingThePageEnd) {
    Composer c;
    const ExamineeRecord record = mixedRecord();
    c.page(record, 1);
    EXPECT_EQ(c.report.pageCount(), 14);
    expectGolden("mixed", c.flowGolden(record, 4, 7));
    // The passed item's note is no recommendation: no page prints it.
    for (const auto& page : c.flowPages(record)) {
        for (const auto& line : page.textsDrawn()) EXPECT_EQ(line.find("Notatka"), std::string::npos);
    }
}

// The page flow's own rules, on a man's record: (a) a note whose last printed line fills the
// page ends there, its empty lines and the blank line after it go nowhere; (b) "Wskazania:"
// never ends a page, it starts the next one at y 60; (c) the line of unscored items and the
// sentence of a scale with nothing scored are lines like the others.
ExamineeRecord flowRulesRecord(int secondNoteLines) {
    ExamineeRecord r = personalRecord(kGenderMale);
    for (int k = 1; k <= kItemCount; ++k) r.scores[k] = kPass;
    std::string first;
    for (int i = 1; i <= 7; ++i) first += "Pozycja 1, wiersz " + std::to_string(i) + ".\r\n";
    r.scores[1] = kFail;
    setText(r.notes[1], cp(first + "\r\n\r\n"));
    std::string second;
    for (int i = 1; i <= secondNoteLines; ++i) {
        second += "Pozycja 2, wiersz " + std::to_string(i) + ".\r\n";
    }
    r.scores[2] = kEmerging;
    setText(r.notes[2], cp(second));
    // Home: three items not scored. Zachowanie interpersonalne: nothing scored.
    for (int k : {74, 76, 79}) r.scores[k] = kNotScored;
    for (int a = 0; a < 3; ++a) {
        const int first5 = firstItem(areaAt(a), FunctionScale::InterpersonalBehaviour);
        for (int k = first5; k < first5 + itemsPerScale(areaAt(a)); ++k) r.scores[k] = kNotScored;
    }
    return r;
}

TEST(NarrativeReportGolden, FlowRules) {
    Composer c;
    const ExamineeRecord record = flowRulesRecord(14);
    c.page(record, 1);
    std::vector<std::string> dump = c.flowGolden(record, 4, 6);
    const auto last = c.flowGolden(record, c.report.pageCount() - 1, c.report.pageCount());
    dump.insert(dump.end(), last.begin(), last.end());
    expectGolden("flow_rules", dump);
}

// ---------------------------------------------------------------------------------------
// Gendered forms.

TEST(NarrativeReport, FemaleFormsForKAndMaleFormsForEveryOtherGender) {
    for (char gender : {kGenderFemale, kGenderMale, kGenderUnset, '?'}) {
        SCOPED_TRACE(std::string("gender ") + gender);
        Composer c;
        ExamineeRecord record = personalRecord(gender);
        // Scale 0 did best in direct observation.
        record.scores[1] = kPass;
        const auto remarks = linesFrom(c.page(record, 3).textsDrawn(), "Jan Kowalski");
        const auto remarks2 = linesFrom(c.page(record, 3).textsDrawn(), "Podczas diagnozy");
        const auto comparison = linesFrom(c.page(record, 5).textsDrawn(), "Wyniki 3 obszarów");
        ASSERT_EQ(remarks.size(), 2u);
        ASSERT_EQ(remarks2.size(), 2u);
        ASSERT_EQ(comparison.size(), 2u);
        if (gender == kGenderFemale) {
            EXPECT_EQ(remarks[0],
                      "Jan Kowalski została poddana diagnozie dla młodzieży i osób "
                      "dorosłych.");
            EXPECT_EQ(remarks2[0],
                      "Podczas diagnozy oceniano funkcjonowanie badanej w zakresie "
                      "następujących sfer:");
            EXPECT_EQ(comparison[0],
                      "Wyniki 3 obszarów świadczą, że badana w danym zakresie "
                      "najlepiej oceniona została ");
            EXPECT_EQ(c.page(record, 3).textsDrawn().back(), "PODSUMOWANIE WYNIKÓW BADANEJ");
        } else {
            EXPECT_EQ(remarks[0],
                      "Jan Kowalski został poddany diagnozie dla młodzieży i osób "
                      "dorosłych.");
            EXPECT_EQ(remarks2[0],
                      "Podczas diagnozy oceniano funkcjonowanie badanego w zakresie "
                      "następujących sfer:");
            EXPECT_EQ(comparison[0],
                      "Wyniki 3 obszarów świadczą, że badany w danym zakresie "
                      "najlepiej oceniony został ");
            EXPECT_EQ(c.page(record, 3).textsDrawn().back(), "PODSUMOWANIE WYNIKÓW BADANEGO");
        }
        EXPECT_EQ(remarks[1],
                  "Diagnozę na wniosek rodzica/opiekuna przygotował(a) Ewa Nowak, pedagog "
                  "specjalny.");
        EXPECT_EQ(comparison[1], "w obszarze obserwacji bezpośredniej.");
    }
}

// ---------------------------------------------------------------------------------------
// Count lines.

TEST(NarrativeReport, CountsOfZeroAndOneUseTheirOwnPhrases) {
    Composer c;
    ExamineeRecord record = personalRecord(kGenderMale);
    // Scale 0, direct observation: 1 fail, 0 emerging, 11 passes; home: 2, 1, 5.
    for (int k = 1; k <= 12; ++k) record.scores[k] = kPass;
    record.scores[5] = kFail;
    for (int k = 73; k <= 80; ++k) record.scores[k] = kPass;
    record.scores[73] = kFail;
    record.scores[74] = kFail;
    record.scores[75] = kEmerging;
    record.scores[76] = kNotScored;
    record.scores[77] = kNotScored;
    const auto page4 = c.page(record, 4).textsDrawn();
    const std::vector<std::string> direct(page4.begin() + 8, page4.begin() + 11);
    EXPECT_EQ(direct, (std::vector<std::string>{
                          "  1 procedurę oceniono jako – niezaliczoną",
                          "  0 procedur  oceniono jako – obiecujące",
                          "  11 procedur oceniono jako – zaliczone",
                      }));
    const std::vector<std::string> home(page4.begin() + 14, page4.begin() + 18);
    EXPECT_EQ(home, (std::vector<std::string>{
                        "  2 procedury oceniono jako – niezaliczone",
                        "  1 procedurę oceniono jako – obiecującą",
                        "  3 procedury oceniono jako – zaliczone",
                        "  2 procedury – bez oceny",
                    }));
    // The home area's unscored line is the last line of page 4.
    EXPECT_EQ(c.page(record, 4).callsOf(ui::DrawCall::Text).back().rect.top, 520);
}

// An area with unscored items says how many, after the pass line, in the right form for the
// number; an area with none has no such line.
TEST(NarrativeReport, UnscoredItemsOfAnAreaHaveALineOfTheirOwn) {
    const std::map<int, std::string> lines = {
        {1, "  1 procedura – bez oceny"},
        {2, "  2 procedury – bez oceny"},
        {5, "  5 procedur – bez oceny"},
        {12, "  12 procedur – bez oceny"},
    };
    for (int unscored : {0, 1, 2, 5, 12}) {
        ExamineeRecord record = passedBut(13);
        for (int k = 1; k <= unscored; ++k) record.scores[k] = kNotScored;
        Composer c;
        const auto page4 = c.page(record, 4).textsDrawn();
        ASSERT_GT(page4.size(), 12u);
        EXPECT_NE(page4[10].find("oceniono jako – zaliczone"), std::string::npos) << unscored;
        EXPECT_EQ(page4[11], unscored == 0 ? "Wskazania:" : lines.at(unscored)) << unscored;
    }
    // Past 12 the forms go on as Polish counts them.
    EXPECT_EQ(cp1250::toUtf8(narrative::unscoredLine(13)), "  13 procedur – bez oceny");
    EXPECT_EQ(cp1250::toUtf8(narrative::unscoredLine(22)), "  22 procedury – bez oceny");
}

// The cover prints its own "mgr" only before a name without a degree; with no name the
// general remarks leave a dotted line to sign on.
TEST(NarrativeReport, TheCoversDegreeAndTheDiagnosticianLeftToSignFor) {
    const std::string mgrLine = "mgr" + std::string(108, '.');
    const std::string dotsLine(114, '.');
    const std::pair<const char*, const std::string*> names[] = {
        {"mgr Joanna Nowak", &dotsLine},  {"Mgr. Joanna Nowak", &dotsLine},
        {"dr hab. Anna Lis", &dotsLine},  {"prof. Jan Lis", &dotsLine},
        {"lic. Ewa Lis", &dotsLine},      {"inż. Adam Lis", &dotsLine},
        {"INŻ. Adam Lis", &dotsLine},     {"Dr Ewa Lis", &dotsLine},
        {"Drozd Anna", &mgrLine},         {"Magdalena Lis", &mgrLine},
        {"Licia Nowak", &mgrLine},        {"", &mgrLine},
    };
    for (const auto& [name, line] : names) {
        ExamineeRecord record = personalRecord(kGenderFemale);
        setText(record.diagnosticianName, cp(name));
        Composer c;
        EXPECT_EQ(textAt(c.page(record, 1).calls(), {100, 348, 924, 600}).name, *line) << name;
    }
    ExamineeRecord record = personalRecord(kGenderFemale);
    setText(record.diagnosticianName, "");
    Composer c;
    const auto remarks = linesFrom(c.page(record, 3).textsDrawn(), "Jan Kowalski");
    ASSERT_EQ(remarks.size(), 2u);
    EXPECT_EQ(remarks[1], "Diagnozę na wniosek rodzica/opiekuna przygotował(a): " +
                              std::string(60, '.'));
}

// ---------------------------------------------------------------------------------------
// The area in which the examinee did best.

std::string comparisonEnding(std::array<int, 3> pass, std::array<int, 3> emerging) {
    ExamineeRecord record = personalRecord(kGenderMale);
    for (int a = 0; a < 3; ++a) {
        const int first = firstItem(areaAt(a), FunctionScale::VocationalSkills);
        for (int i = 0; i < pass[a]; ++i) record.scores[first + i] = kPass;
        for (int i = 0; i < emerging[a]; ++i) record.scores[first + pass[a] + i] = kEmerging;
        // The remaining items failed: fail counts play no part.
        for (int i = pass[a] + emerging[a]; i < itemsPerScale(areaAt(a)); ++i)
            record.scores[first + i] = kFail;
    }
    Composer c;
    const auto lines = c.page(record, 5).textsDrawn();
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].rfind("Wyniki 3 obszarów", 0) == 0) return lines[i] + "|" + lines[i + 1];
    }
    return "<no comparison on page 5>";
}

TEST(NarrativeReport, ComparisonNamesTheAreaWithTheMostPassesThenEmergingResults) {
    struct Case {
        std::array<int, 3> pass;
        std::array<int, 3> emerging;
        std::string ending;
    };
    const Case cases[] = {
        {{5, 3, 2}, {0, 0, 0}, " obserwacji bezpośredniej."},
        {{2, 3, 5}, {0, 0, 0}, " obserwacji szkoła/praca."},
        {{2, 5, 3}, {3, 0, 0}, " obserwacji domowej."},
        // All alike: one sentence of its own.
        {{3, 3, 3}, {2, 2, 2}, ""},
        {{0, 0, 0}, {0, 0, 0}, ""},
        {{5, 5, 3}, {0, 0, 0}, " obserwacji bezpośredniej i obszarze obserwacji domowej."},
        {{5, 3, 5}, {1, 1, 1}, " obserwacji bezpośredniej i obszarze obserwacji szkoła/praca."},
        {{3, 5, 5}, {0, 0, 0}, " obserwacji domowej i obszarze obserwacji szkoła/praca."},
        {{4, 4, 4}, {2, 2, 0}, " obserwacji bezpośredniej i obszarze obserwacji domowej."},
        {{4, 4, 4}, {0, 2, 2}, " obserwacji domowej i obszarze obserwacji szkoła/praca."},
        // Ties on passes are settled by a single highest emerging count, even when the area
        // with it is not among those sharing the most passes.
        {{5, 5, 3}, {0, 0, 2}, " obserwacji szkoła/praca."},
        {{4, 4, 4}, {1, 1, 3}, " obserwacji szkoła/praca."},
        {{5, 3, 5}, {0, 2, 1}, " obserwacji domowej."},
    };
    const std::string opening =
        "Wyniki 3 obszarów świadczą, że badany w danym zakresie najlepiej oceniony został |"
        "w obszarze";
    const std::string allAlike =
        "Wyniki 3 obszarów świadczą, że badany w danym zakresie został oceniony|"
        "we wszystkich obszarach tak samo.";
    for (const Case& k : cases) {
        EXPECT_EQ(comparisonEnding(k.pass, k.emerging),
                  k.ending.empty() ? allAlike : opening + k.ending)
            << "passes " << k.pass[0] << "," << k.pass[1] << "," << k.pass[2] << " emerging "
            << k.emerging[0] << "," << k.emerging[1] << "," << k.emerging[2];
    }
}

// ---------------------------------------------------------------------------------------
// Page count, the counting pass and pages after the last.

// A poor result with elaborated notes: every item failed, each note `lines` lines long.
ExamineeRecord failedWithNotes(int lines) {
    ExamineeRecord record = personalRecord(kGenderMale);
    for (int k = 1; k <= kItemCount; ++k) {
        record.scores[k] = kFail;
        std::string note;
        for (int i = 1; i <= lines; ++i) {
            note += "Pozycja " + std::to_string(k) + ", wiersz " + std::to_string(i) + ".\r\n";
        }
        setText(record.notes[k], note);
    }
    return record;
}

TEST(NarrativeReport, EveryPageGivesTheWholeReportsCountWhateverWasComposedBefore) {
    Composer c;
    EXPECT_EQ(c.report.pageCount(), 0);
    const ExamineeRecord passed = personalRecord(kGenderMale);
    const ExamineeRecord longest = failedWithNotes(18);
    const ExamineeRecord longer = failedWithNotes(12);
    // A page of a report longer than 100 pages counts them all, after a short report and
    // whichever page is composed.
    for (int page : {1, 3, 4, 150}) {
        c.page(passed, 5);
        c.page(longest, page);
        EXPECT_EQ(c.report.pageCount(), 151) << page;
    }
    c.page(longer, 2);
    EXPECT_EQ(c.report.pageCount(), 106);
    c.page(passed, 2);
    EXPECT_EQ(c.report.pageCount(), 14);
    // The last page of the longest report ends with the last scale's comparison; the page
    // after it is an empty framed page.
    const auto last = c.page(longest, 151).textsDrawn();
    ASSERT_FALSE(last.empty());
    EXPECT_EQ(last.back(), "we wszystkich obszarach tak samo.");
    const std::vector<std::string> emptyFramed = {
        "fill 0 0 1024 768 ffffff",
        "box 100 10 922 760 fill=ffffff line=000000",
    };
    EXPECT_EQ(fullDump(c.page(longest, 152)), emptyFramed);
}

TEST(NarrativeReport, PageNumbersBelowOneGiveAWhitePage) {
    Composer c;
    const auto page = c.page(personalRecord(kGenderMale), 0);
    EXPECT_EQ(fullDump(page), (std::vector<std::string>{"fill 0 0 1024 768 ffffff"}));
}

// ---------------------------------------------------------------------------------------
// Page ends between scales. Scale 0's school and work notes start at y 240 on page 5 (only
// item 121 is listed); a note of n lines puts the next title at y 340 + 20 n.

struct NextTitle {
    int page;
    int y;
};

NextTitle titleOfScale1(int noteLines) {
    ExamineeRecord record = passedBut(121);
    std::string note;
    for (int i = 1; i <= noteLines; ++i) note += "Wiersz " + std::to_string(i) + " wskazania.\r\n";
    setText(record.notes[121], cp(note));
    Composer c;
    for (int p = 5; p <= 6; ++p) {
        for (const auto& call : c.page(record, p).callsOf(ui::DrawCall::Text)) {
            if (call.name == "Samodzielne funkcjonowanie") return {p, call.rect.top};
        }
    }
    return {0, 0};
}

TEST(NarrativeReport, ANextScaleTitleBelowY500MovesToTheNextPage) {
    // The scale ends at y 500: its title still fits (its description goes to page 6).
    const NextTitle fits = titleOfScale1(8);
    EXPECT_EQ(fits.page, 5);
    EXPECT_EQ(fits.y, 500);
    // It ends at y 520: the title would fall below y 500 and opens page 6.
    const NextTitle moved = titleOfScale1(9);
    EXPECT_EQ(moved.page, 6);
    EXPECT_EQ(moved.y, 60);
    // It ends past y 520: the page ends between the scales and page 6 starts a line lower.
    const NextTitle between = titleOfScale1(10);
    EXPECT_EQ(between.page, 6);
    EXPECT_EQ(between.y, 80);
}

TEST(NarrativeReport, DescriptionAfterATitleAtTheFootStartsTheNextPage) {
    ExamineeRecord record = passedBut(121);
    std::string note;
    for (int i = 1; i <= 8; ++i) note += "Wiersz " + std::to_string(i) + " wskazania.\r\n";
    setText(record.notes[121], cp(note));
    Composer c;
    const auto page6 = c.page(record, 6).callsOf(ui::DrawCall::Text);
    ASSERT_FALSE(page6.empty());
    EXPECT_EQ(page6[0].rect.top, 60);
    EXPECT_EQ(cp1250::toUtf8(page6[0].name),
              "Podczas obserwacji w sferze samodzielnego funkcjonowania zwrócono szczególną "
              "uwagę na");
}

// ---------------------------------------------------------------------------------------
// Notes.

std::vector<std::string> noteLinesOf(std::string_view note) {
    std::vector<std::string> lines;
    for (int n = 0; n <= countLineFeeds(note); ++n) {
        std::string line = lineOf(n, note);
        if (line.size() <= 3) continue;
        if (line.back() == '\r') line.pop_back();
        lines.push_back(cp1250::toUtf8(line));
    }
    return lines;
}

// Every item scored emerging with its default text: every printed line of every note comes
// out once, in item order within each area, scale by scale, however the pages break.
TEST(NarrativeReport, EveryNoteLinePrintsOnceAcrossThePagesOfALongReport) {
    ExamineeRecord record = personalRecord(kGenderMale);
    for (int k = 1; k <= kItemCount; ++k) {
        record.scores[k] = kEmerging;
        setText(record.notes[k], defaultRecommendation(RecommendationKind::Emerging, k));
    }
    std::vector<std::string> expected;
    for (int s = 0; s < kScaleCount; ++s) {
        for (int a = 0; a < kAreaCount; ++a) {
            const int first = firstItem(areaAt(a), scaleAt(s));
            for (int k = first; k < first + itemsPerScale(areaAt(a)); ++k) {
                for (auto& line : noteLinesOf(text(record.notes[k]))) expected.push_back(line);
            }
        }
    }
    const std::set<std::string> noteLines(expected.begin(), expected.end());
    Composer c;
    const auto pages = c.flowPages(record);
    EXPECT_EQ(c.report.pageCount(), 42);
    std::vector<std::string> printed;
    int pageNumber = 4;
    int pagesStartingInsideANote = 0;
    for (const auto& page : pages) {
        expectFlowPageShape(page, pageNumber++);
        const auto lines = page.textsDrawn();
        if (!lines.empty() && noteLines.count(lines[0])) ++pagesStartingInsideANote;
        for (const auto& line : lines) {
            if (noteLines.count(line)) printed.push_back(line);
        }
    }
    EXPECT_EQ(printed, expected);
    EXPECT_GT(pagesStartingInsideANote, 10);
}

// A note line too wide for the page is wrapped at blanks; its pieces are lines of their own,
// also across a page end.
TEST(NarrativeReport, WideNoteLinesWrapAtBlanksAndContinueOnTheNextPage) {
    ExamineeRecord record = passedBut(1);
    std::string note;
    std::vector<std::string> sourceLines;
    for (int i = 1; i <= 5; ++i) {
        std::string line = "Wiersz " + std::to_string(i) + ":";
        for (int w = 0; w < 24; ++w) line += " slowo" + std::to_string(w);
        sourceLines.push_back(line);  // about 190 characters: two pieces at 8 pixels each
        note += line + "\r\n";
    }
    setText(record.notes[1], note);
    Composer c;
    std::vector<ui::DrawCall> lines;
    for (int p = 4; p <= 5; ++p) {
        for (const auto& call : c.page(record, p).callsOf(ui::DrawCall::Text)) {
            if (call.name.rfind("Wiersz", 0) == 0 || call.name.rfind("slowo", 0) == 0)
                lines.push_back(call);
        }
    }
    // Area 0's notes start at y 380 on page 4: 380..500 take seven pieces, the eighth (the
    // second piece of the fourth line) opens page 5.
    ASSERT_EQ(lines.size(), 10u);
    for (size_t i = 0; i < 7; ++i) EXPECT_EQ(lines[i].rect.top, 380 + 20 * int(i)) << i;
    EXPECT_EQ(lines[7].rect.top, 60);
    EXPECT_EQ(lines[9].rect.top, 100);
    for (size_t i = 0; i < 5; ++i) {
        const std::string& first = lines[2 * i].name;
        const std::string& second = lines[2 * i + 1].name;
        EXPECT_LE(first.size() * 8, 807u);
        EXPECT_GT((first + " " + second.substr(0, second.find(' '))).size() * 8, 807u);
        EXPECT_EQ(first + " " + second, sourceLines[i]);
    }
}

// Widths are remembered between pages, but a page with other metrics measures afresh.
TEST(NarrativeReport, WrapFollowsTheMetricsOfThePageItIsDrawnOn) {
    ExamineeRecord record = passedBut(1);
    const std::string line(150, 'x');  // 1200 pixels at 8 per character, 600 at 4
    setText(record.notes[1], "Pierwsze " + line + "\r\n");
    Composer c;
    const auto linesOnPage4 = [&](ui::RecordingSurface& page) {
        c.report.composePage(page, c.images, record, cover(), 4);
        int lines = 0;
        for (const auto& text : page.textsDrawn()) lines += text.find("xxx") != std::string::npos;
        return lines;
    };
    ui::RecordingSurface wide;
    EXPECT_EQ(linesOnPage4(wide), 2);
    ui::RecordingSurface narrow;
    narrow.setTextMeasure([](std::string_view text, ui::FontId) { return int(text.size()) * 4; });
    EXPECT_EQ(linesOnPage4(narrow), 1);
    ui::RecordingSurface wideAgain;
    EXPECT_EQ(linesOnPage4(wideAgain), 2);
}

TEST(TextHelpers, CountLineFeedsAndTakeLinesWithTheirCarriageReturns) {
    EXPECT_EQ(countLineFeeds(""), 0);
    EXPECT_EQ(countLineFeeds("jeden"), 0);
    EXPECT_EQ(countLineFeeds("a\r\nb\r\n"), 2);
    EXPECT_EQ(countLineFeeds("a\n\nb"), 2);
    const std::string_view text = "pierwszy\r\ndrugi\nost";
    EXPECT_EQ(lineOf(0, text), "pierwszy\r");
    EXPECT_EQ(lineOf(1, text), "drugi");
    EXPECT_EQ(lineOf(2, text), "ost");
    EXPECT_EQ(lineOf(3, text), "");
    EXPECT_EQ(lineOf(-1, text), "");
    EXPECT_EQ(lineOf(0, ""), "");
    const std::string wide = std::string(450, 'x') + "\r\nkoniec";
    EXPECT_EQ(lineOf(0, wide), std::string(399, 'x'));
    EXPECT_EQ(lineOf(1, wide), "koniec");
}

TEST(NarrativeReport, SignatureBlockClearsTheFrameAndSignsAtItsFoot) {
    ui::RecordingSurface page;
    page.setFillColour({217, 217, 217});
    NarrativeReport::drawSignatureBlock(page);
    EXPECT_EQ(fullDump(page),
              (std::vector<std::string>{
                  "box 100 10 922 760 fill=ffffff line=000000",
                  "text 600 720 900 760 body centre "
                  "\"..................................................................\"",
                  "text 600 740 900 760 body centre \"Podpis osoby diagnozującej\"",
              }));
    for (const auto& call : page.callsOf(ui::DrawCall::Text)) {
        EXPECT_EQ(call.mode, ui::BackgroundMode::Transparent);
        EXPECT_EQ(call.colour, ui::kBlack);
    }
}

// ---------------------------------------------------------------------------------------
// With the program's fonts.

// Every line of the general remarks and of the per-scale sections, with the longest gendered
// forms, fits between x 115 and the frame.
TEST(NarrativeReportFonts, FixedTextLinesFitTheTextColumn) {
    const auto metrics = testing::newNativeSurface();
    Composer c;
    const ExamineeRecord record = personalRecord(kGenderFemale);
    std::vector<ui::DrawCall> lines;
    for (int p = 3; p <= 13; ++p) {
        for (const auto& call : c.page(record, p).callsOf(ui::DrawCall::Text)) {
            if (call.rect.left == 115 && call.rect.right == 922) lines.push_back(call);
        }
    }
    ASSERT_GT(lines.size(), 150u);
    for (const auto& call : lines) {
        for (int n = 0; n <= countLineFeeds(call.name); ++n) {
            const std::string line = lineOf(n, call.name);
            EXPECT_LE(metrics->textWidth(line, call.font), 922 - 115) << cp1250::toUtf8(line);
        }
    }
}

TEST(NarrativeReportFonts, LastPageOnScreenShowsItsLinesInsideTheFrame) {
    Composer c;
    ExamineeRecord record = personalRecord(kGenderMale);
    for (int k = 1; k <= kItemCount; ++k) record.scores[k] = kPass;
    const auto native = testing::newNativeSurface();
    ui::Surface& page = *native;
    page.fill({0, 0, 1024, 768}, ui::kRed);
    c.report.composePage(page, c.images, record, cover(), 13);
    const auto pixel = [&](int x, int y) { return testing::pixelAt(page, x, y); };
    const auto dark = [&](int x, int y) { return testing::gray(pixel(x, y)) < 128; };
    const auto darkIn = [&](int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (dark(x, y)) return true;
        return false;
    };
    // The frame's outline, and white all around it.
    EXPECT_TRUE(dark(100, 10) && dark(921, 10) && dark(100, 759) && dark(921, 759));
    EXPECT_EQ(pixel(50, 400), testing::rgb(255, 255, 255));
    EXPECT_EQ(pixel(1000, 760), testing::rgb(255, 255, 255));
    // Page 13 holds lines from y 60 to the comparison at y 300..340, then nothing.
    EXPECT_TRUE(darkIn(115, 60, 500, 80));
    EXPECT_TRUE(darkIn(115, 320, 500, 340));
    EXPECT_FALSE(darkIn(101, 345, 921, 759));
    EXPECT_FALSE(darkIn(101, 11, 921, 58));
}

}  // namespace
}  // namespace lun4::reports
