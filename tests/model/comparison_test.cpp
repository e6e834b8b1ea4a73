#include "model/comparison.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/cp1250.h"

namespace lun4 {
namespace {

void score(ExamineeRecord& r, int first, std::string_view codes) {
    for (char c : codes) r.scores[first++] = c;
}

TEST(Comparison, EveryPairOfScoresAsOneTable) {
    // Rows: earlier b, g, y, r; columns: later b, g, y, r.
    using C = ScoreChange;
    const C table[4][4] = {
        {C::Same, C::NewlyScored, C::NewlyScored, C::NewlyScored},
        {C::NoLongerScored, C::Same, C::Regress, C::Regress},
        {C::NoLongerScored, C::Progress, C::Same, C::Regress},
        {C::NoLongerScored, C::Progress, C::Progress, C::Same},
    };
    const char codes[4] = {kNotScored, kPass, kEmerging, kFail};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(scoreChange(codes[i], codes[j]), table[i][j]) << codes[i] << codes[j];
        }
    }
    // A byte no score has (a file altered elsewhere) is no score.
    EXPECT_EQ(scoreChange('x', kNotScored), C::Same);
    EXPECT_EQ(scoreChange('x', kPass), C::NewlyScored);
    EXPECT_EQ(scoreChange(kFail, '\xFF'), C::NoLongerScored);
}

// A hand-made pair: every kind of change in the first direct-observation scale, its items
// 9-12 apart from the chart's count, a home item that stays, an unknown byte that becomes a
// pass, and a school/work item no longer scored.
struct Pair {
    std::unique_ptr<ExamineeRecord> earlier = std::make_unique<ExamineeRecord>();
    std::unique_ptr<ExamineeRecord> later = std::make_unique<ExamineeRecord>();
    Pair() {
        score(*earlier, 1,
              "gyrbgyrb"
              "gr");
        score(*later, 1,
              "yggggrrryb"
              "g");
        score(*earlier, 81, "y");
        score(*later, 81, "y");
        score(*earlier, 168, "x");
        score(*later, 168, "g");
        score(*earlier, 121, "r");
    }
};

TEST(Comparison, CountsAndChangesOfAHandMadePair) {
    const Pair p;
    const Comparison c = compare(*p.earlier, *p.later);
    const ScaleComparison& uw = c.scales[0];
    // Items 1-8: earlier g y r b g y r b, later y g g g g r r r.
    EXPECT_EQ(uw.areas[0], (CountsPair{{2, 2, 2}, {4, 1, 3}}));
    EXPECT_EQ(uw.areas[0].passChange(), 2);
    EXPECT_EQ(uw.areas[1], (CountsPair{}));
    // Items 9-12: earlier g r b b, later y b g b.
    EXPECT_EQ(uw.extraItems, (CountsPair{{1, 0, 1}, {1, 1, 0}}));
    EXPECT_EQ(uw.all, (CountsPair{{3, 2, 4}, {5, 2, 3}}));
    EXPECT_EQ(c.scales[1].areas[1], (CountsPair{{0, 1, 0}, {0, 1, 0}}));  // item 81
    EXPECT_EQ(c.scales[5].areas[2], (CountsPair{{0, 0, 0}, {1, 0, 0}}));  // item 168
    EXPECT_EQ(c.scales[0].areas[2], (CountsPair{{0, 0, 1}, {0, 0, 0}}));  // item 121
    // The chart's count leaves items 9-12 out; every item is in the whole count.
    EXPECT_EQ(c.chartItems, (CountsPair{{2, 3, 3}, {5, 2, 3}}));
    EXPECT_EQ(c.allItems, (CountsPair{{3, 3, 4}, {6, 3, 3}}));

    using C = ScoreChange;
    const std::vector<ChangedItem> expected = {
        {1, 'g', 'y', C::Regress},          {2, 'y', 'g', C::Progress},
        {3, 'r', 'g', C::Progress},         {4, 'b', 'g', C::NewlyScored},
        {6, 'y', 'r', C::Regress},          {7, 'r', 'r', C::Same},
        {8, 'b', 'r', C::NewlyScored},      {9, 'g', 'y', C::Regress},
        {10, 'r', 'b', C::NoLongerScored},  {11, 'b', 'g', C::NewlyScored},
        {121, 'r', 'b', C::NoLongerScored}, {168, 'x', 'g', C::NewlyScored},
    };
    std::vector<ChangedItem> withoutSame;
    for (const ChangedItem& e : expected) {
        if (e.change != C::Same) withoutSame.push_back(e);
    }
    EXPECT_EQ(c.changes, withoutSame);
    EXPECT_EQ(c.count(C::Progress), 2);
    EXPECT_EQ(c.count(C::Regress), 3);
    EXPECT_EQ(c.count(C::NewlyScored), 4);
    EXPECT_EQ(c.count(C::NoLongerScored), 2);
}

TEST(Comparison, SamePersonIsByteExact) {
    ExamineeRecord a, b;
    setText(a.firstName, cp1250::fromLiteral(u8"Łucja"));
    setText(a.lastName, "Nowak");
    b = a;
    EXPECT_TRUE(samePerson(a, b));
    setText(b.firstName, "Lucja");
    EXPECT_FALSE(samePerson(a, b));
    setText(b.firstName, cp1250::fromLiteral(u8"łucja"));
    EXPECT_FALSE(samePerson(a, b));
    setText(b.firstName, cp1250::fromLiteral(u8"Łucja"));
    setText(b.lastName, "Nowak ");
    EXPECT_FALSE(samePerson(a, b));
}

TEST(Comparison, ExaminationDatesAsTheFormHoldsThem) {
    const std::pair<std::u8string_view, std::optional<int>> cases[] = {
        {u8"12.05.2025", 20250512},           {u8"2.5.2025 r.", 20250502},
        {u8"12-05-2025", 20250512},           {u8"12/05/2025", 20250512},
        {u8"2025-05-12", 20250512},           {u8"12 maja 2025", 20250512},
        {u8"3 Września 2024 roku", 20240903}, {u8"1–10–2024", 20241001},
        {u8"29.02.2024", 20240229},           {u8"29.02.2025", std::nullopt},
        {u8"31.04.2025", std::nullopt},       {u8"12.13.2025", std::nullopt},
        {u8"12.05.25", std::nullopt},         {u8"maj 2025", std::nullopt},
        {u8"12 mają 2025", std::nullopt},     {u8"", std::nullopt},
        {u8"dn. 12.05.2025", std::nullopt},   {u8"12.05", std::nullopt},
        {u8"120.05.2025", std::nullopt},
    };
    for (const auto& [date, value] : cases) {
        EXPECT_EQ(examDateValue(cp1250::fromLiteral(date)), value)
            << std::string(date.begin(), date.end());
    }
    ExamineeRecord a, b;
    setText(a.examDate, "12.05.2025");
    setText(b.examDate, "2025-10-03");
    EXPECT_TRUE(examinedBefore(a, b));
    EXPECT_FALSE(examinedBefore(b, a));
    setText(b.examDate, "jesienią");
    EXPECT_FALSE(examinedBefore(a, b));
    EXPECT_FALSE(examinedBefore(b, a));
}

TEST(Comparison, ReassessmentKeepsThePersonAndEmptiesTheAssessment) {
    // Every field: set in the record, and the part a new assessment keeps set in a blank one.
    auto r = std::make_unique<ExamineeRecord>();
    auto kept = std::make_unique<ExamineeRecord>();
    const std::pair<TextField<kNameCapacity> ExamineeRecord::*, const char*> names[] = {
        {&ExamineeRecord::firstName, "Anna"},
        {&ExamineeRecord::lastName, "Nowak"},
        {&ExamineeRecord::birthDate, "01.02.2008"},
        {&ExamineeRecord::diagnosticianName, "mgr Ewa Lis"},
        {&ExamineeRecord::diagnosticianPermitNo, "77"}};
    const std::pair<TextField<kLongTextCapacity> ExamineeRecord::*, const char*> texts[] = {
        {&ExamineeRecord::homeAddress, "ul. Polna 1"},
        {&ExamineeRecord::phoneContacts, "600 100 200"},
        {&ExamineeRecord::facilityAddress, "SP 3"},
        {&ExamineeRecord::siblings, "brat"},
        {&ExamineeRecord::guardians, "matka"}};
    for (ExamineeRecord* record : {r.get(), kept.get()}) {
        for (auto [field, value] : names) setText(record->*field, value);
        for (auto [field, value] : texts) setText(record->*field, value);
        record->gender = kGenderFemale;
    }
    setText(r->examDate, "12.05.2025");
    setText(r->additionalInfo, "uwagi");
    score(*r, 1, "gyr");
    score(*r, 168, "g");
    setText(r->notes[2], "notatka");
    setText(r->notes[168], "ostatnia");

    startReassessment(*r);
    EXPECT_TRUE(sameContent(*r, *kept));
    EXPECT_EQ(text(r->examDate), "");
    EXPECT_EQ(r->scores[168], kNotScored);
    EXPECT_EQ(text(r->notes[168]), "");
}

}  // namespace
}  // namespace lun4
