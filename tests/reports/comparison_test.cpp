// The comparison of two assessments: the Polish of its numbers and summary for a woman and a
// man, its first page's table and bars as drawn, the list of changed items over the pages,
// the parts only paper or only the screen carries, and its landscape sheets.

#include "model/comparison.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fake_frame.h"
#include "model/cp1250.h"
#include "polish_text.h"
#include "recorded_calls.h"
#include "reports/comparison_document.h"
#include "reports/comparison_texts.h"
#include "reports/print_job.h"
#include "ui/recording_surface.h"

namespace lun4::reports {
namespace {

using comparison::Form;
using testing::cp;
using testing::textsAt;
using ui::DrawCall;
using ui::Rect;

std::string utf8(std::string_view cp1250Text) {
    return cp1250::toUtf8(cp1250Text);
}

TEST(ComparisonTexts, CountedItemsInEveryCase) {
    struct Case {
        int n;
        const char *nominative, *accusative, *locative;
    };
    const Case cases[] = {
        {0, "pozycji", "pozycji", "pozycjach"},   {1, "pozycja", "pozycję", "pozycji"},
        {2, "pozycje", "pozycje", "pozycjach"},   {4, "pozycje", "pozycje", "pozycjach"},
        {5, "pozycji", "pozycji", "pozycjach"},   {12, "pozycji", "pozycji", "pozycjach"},
        {13, "pozycji", "pozycji", "pozycjach"},  {14, "pozycji", "pozycji", "pozycjach"},
        {21, "pozycji", "pozycji", "pozycjach"},  {22, "pozycje", "pozycje", "pozycjach"},
        {24, "pozycje", "pozycje", "pozycjach"},  {25, "pozycji", "pozycji", "pozycjach"},
        {102, "pozycje", "pozycje", "pozycjach"}, {112, "pozycji", "pozycji", "pozycjach"},
        {168, "pozycji", "pozycji", "pozycjach"},
    };
    for (const Case& c : cases) {
        const std::string n = std::to_string(c.n) + " ";
        EXPECT_EQ(utf8(comparison::items(c.n, Form::Nominative)), n + c.nominative);
        EXPECT_EQ(utf8(comparison::items(c.n, Form::Accusative)), n + c.accusative);
        EXPECT_EQ(utf8(comparison::items(c.n, Form::Locative)), n + c.locative);
    }
    EXPECT_EQ(utf8(comparison::signedChange(3)), "+3");
    EXPECT_EQ(utf8(comparison::signedChange(0)), "0");
    EXPECT_EQ(utf8(comparison::signedChange(-1)), "–1");
    EXPECT_EQ(utf8(comparison::groupHeading(comparison::Group::Progress, 1, false)),
              "Postęp – 1 pozycja");
    EXPECT_EQ(utf8(comparison::groupHeading(comparison::Group::ScoredOnce, 22, true)),
              "Nowo ocenione / nieocenione – 22 pozycje (cd.)");
}

// Both examined on the dates below; items 1-20 passed at first.
struct Pair {
    std::unique_ptr<ExamineeRecord> earlier = std::make_unique<ExamineeRecord>();
    std::unique_ptr<ExamineeRecord> later = std::make_unique<ExamineeRecord>();
    explicit Pair(char gender = kGenderFemale) {
        setText(earlier->firstName, "Anna");
        setText(earlier->lastName, "Nowak");
        for (int k = 1; k <= 20; ++k) earlier->scores[k] = kPass;
        earlier->gender = gender;
        *later = *earlier;
        setText(earlier->examDate, "12.05.2025");
        setText(later->examDate, "03.10.2025");
    }
    void set(ExamineeRecord& r, int first, std::string_view codes) {
        for (char c : codes) r.scores[first++] = c;
    }
    std::string summary() const {
        return utf8(comparison::summary(compare(*earlier, *later), *earlier, *later));
    }
};

// The summary for 0, 1, 2, 5 and 22 changed items, as a woman's and as a man's.
TEST(ComparisonTexts, SummaryForWomanAndMan) {
    struct Case {
        int changes;
        void (*change)(Pair&);
        const char* female;
        const char* male;
    };
    const Case cases[] = {
        {0, [](Pair&) {},
         "W porównaniu z badaniem z 12.05.2025 badana uzyskała tyle samo pozycji zaliczonych co "
         "wtedy (20). Wszystkie pozycje oceniono tak samo jak poprzednio.",
         "W porównaniu z badaniem z 12.05.2025 badany uzyskał tyle samo pozycji zaliczonych co "
         "wtedy (20). Wszystkie pozycje oceniono tak samo jak poprzednio."},
        {1,
         [](Pair& p) {
             p.set(*p.earlier, 25, "r");
             p.set(*p.later, 25, "g");
         },
         "W porównaniu z badaniem z 12.05.2025 badana uzyskała o jedną pozycję zaliczoną więcej "
         "(21 wobec 20). Inaczej niż poprzednio oceniono 1 pozycję – nastąpił w niej postęp. "
         "Postęp w skali „Umiejętności spędzania wolnego czasu” (o jedną pozycję zaliczoną "
         "więcej).",
         "W porównaniu z badaniem z 12.05.2025 badany uzyskał o jedną pozycję zaliczoną więcej "
         "(21 wobec 20). Inaczej niż poprzednio oceniono 1 pozycję – nastąpił w niej postęp. "
         "Postęp w skali „Umiejętności spędzania wolnego czasu” (o jedną pozycję zaliczoną "
         "więcej)."},
        {2,
         [](Pair& p) {
             p.set(*p.later, 13, "y");
             p.set(*p.later, 49, "r");
         },
         "W porównaniu z badaniem z 12.05.2025 badana uzyskała o jedną pozycję zaliczoną mniej "
         "(19 wobec 20). Inaczej niż poprzednio oceniono 2 pozycje: w 1 nastąpił regres i 1 "
         "oceniono po raz pierwszy. Regres w skali „Samodzielne funkcjonowanie” (o jedną pozycję "
         "zaliczoną mniej).",
         "W porównaniu z badaniem z 12.05.2025 badany uzyskał o jedną pozycję zaliczoną mniej "
         "(19 wobec 20). Inaczej niż poprzednio oceniono 2 pozycje: w 1 nastąpił regres i 1 "
         "oceniono po raz pierwszy. Regres w skali „Samodzielne funkcjonowanie” (o jedną pozycję "
         "zaliczoną mniej)."},
        {5,
         [](Pair& p) {
             p.set(*p.earlier, 25, "rrr");
             p.set(*p.later, 25, "ggy");
             p.set(*p.later, 1, "rb");
         },
         "W porównaniu z badaniem z 12.05.2025 badana uzyskała tyle samo pozycji zaliczonych co "
         "wtedy (20). Inaczej niż poprzednio oceniono 5 pozycji: w 3 nastąpił postęp, w 1 regres "
         "i 1 tym razem pozostała bez oceny. Postęp w skali „Umiejętności spędzania wolnego "
         "czasu” (o 2 pozycje zaliczone więcej), regres w skali „Umiejętności wykonawcze” (o 2 "
         "pozycje zaliczone mniej).",
         "W porównaniu z badaniem z 12.05.2025 badany uzyskał tyle samo pozycji zaliczonych co "
         "wtedy (20). Inaczej niż poprzednio oceniono 5 pozycji: w 3 nastąpił postęp, w 1 regres "
         "i 1 tym razem pozostała bez oceny. Postęp w skali „Umiejętności spędzania wolnego "
         "czasu” (o 2 pozycje zaliczone więcej), regres w skali „Umiejętności wykonawcze” (o 2 "
         "pozycje zaliczone mniej)."},
        {22,
         [](Pair& p) {
             p.set(*p.earlier, 25, "rrrrrrrrrrrrrrrr");
             p.set(*p.later, 25, "gggggggggggggggr");
             p.set(*p.later, 1, "yyyyyb");
             p.set(*p.later, 73, "g");
         },
         "W porównaniu z badaniem z 12.05.2025 badana uzyskała o 10 pozycji zaliczonych więcej "
         "(30 wobec 20). Inaczej niż poprzednio oceniono 22 pozycje: w 15 nastąpił postęp, w 5 "
         "regres, 1 oceniono po raz pierwszy i 1 tym razem pozostała bez oceny. Największy postęp "
         "w skali „Umiejętności spędzania wolnego czasu” (o 12 pozycji zaliczonych więcej), "
         "regres w skali „Umiejętności wykonawcze” (o 5 pozycji zaliczonych mniej).",
         "W porównaniu z badaniem z 12.05.2025 badany uzyskał o 10 pozycji zaliczonych więcej "
         "(30 wobec 20). Inaczej niż poprzednio oceniono 22 pozycje: w 15 nastąpił postęp, w 5 "
         "regres, 1 oceniono po raz pierwszy i 1 tym razem pozostała bez oceny. Największy postęp "
         "w skali „Umiejętności spędzania wolnego czasu” (o 12 pozycji zaliczonych więcej), "
         "regres w skali „Umiejętności wykonawcze” (o 5 pozycji zaliczonych mniej)."},
    };
    for (const Case& c : cases) {
        for (char gender : {kGenderFemale, kGenderMale}) {
            Pair p(gender);
            c.change(p);
            ASSERT_EQ(static_cast<int>(compare(*p.earlier, *p.later).changes.size()), c.changes);
            EXPECT_EQ(p.summary(), gender == kGenderFemale ? c.female : c.male) << c.changes;
        }
    }
}

TEST(ComparisonTexts, TiesAndAllOfOneKind) {
    Pair p;
    p.set(*p.later, 40, "gg");  // items 40 and 41 (adaptation) newly passed ...
    p.set(*p.later, 50, "gg");  // ... and 50 and 51 (communication)
    EXPECT_EQ(p.summary(),
              "W porównaniu z badaniem z 12.05.2025 badana uzyskała o 4 pozycje zaliczone więcej "
              "(24 wobec 20). Inaczej niż poprzednio oceniono 4 pozycje – wszystkie oceniono po "
              "raz pierwszy. Największy postęp w skalach „Adaptacja do pracy” i "
              "„Komunikatywność” (w każdej o 2 pozycje zaliczone więcej).");
    Pair q;
    setText(q.earlier->examDate, "");
    q.set(*q.later, 1, "yy");
    EXPECT_EQ(q.summary(),
              "W porównaniu z poprzednim badaniem badana uzyskała o 2 pozycje zaliczone mniej (18 "
              "wobec 20). Inaczej niż poprzednio oceniono 2 pozycje – w obu nastąpił regres. "
              "Regres w skali „Umiejętności wykonawcze” (o 2 pozycje zaliczone mniej).");
}

// ----- The document as drawn -----

std::vector<DrawCall> page(const ComparisonDocument& d, int number,
                           ChartMode mode = ChartMode::Print) {
    ui::RecordingSurface surface;
    ui::FakeImageSource images;
    d.composePage(surface, images, number, mode);
    return surface.calls();
}

std::string textIn(const std::vector<DrawCall>& calls, Rect r) {
    const auto texts = textsAt(calls, r);
    return texts.size() == 1 ? utf8(texts[0].name) : "<" + std::to_string(texts.size()) + ">";
}

// Scores in which every block's counts differ from its neighbours', so that a cell drawn in
// its neighbour's place shows.
void scoreUnevenly(ExamineeRecord& r, int seed) {
    for (int k = 1; k <= kItemCount; ++k)
        r.scores[k] = "gygrbgyrrg"[(k * 7 + seed * 3 + k / 9) % 10];
}

TEST(ComparisonDocument, EveryCountInItsCell) {
    Pair p;
    scoreUnevenly(*p.earlier, 1);
    scoreUnevenly(*p.later, 2);
    const ComparisonDocument d(*p.earlier, *p.later);
    const auto calls = page(d, 1);
    const Comparison& c = d.comparison();
    auto row = [&](int top, const CountsPair& pair, const std::string& what) {
        const int values[7] = {pair.earlier.pass, pair.earlier.emerging, pair.earlier.fail,
                               pair.later.pass,   pair.later.emerging,   pair.later.fail,
                               pair.passChange()};
        for (int i = 0; i < 6; ++i) {
            const int l = 259 + 36 * i;
            EXPECT_EQ(textIn(calls, {l, top + 1, l + 37, top + 18}), std::to_string(values[i]))
                << what << " cell " << i;
        }
        EXPECT_EQ(textIn(calls, {475, top + 1, 536, top + 18}),
                  utf8(comparison::signedChange(values[6])))
            << what;
    };
    for (int s = 0; s < kScaleCount; ++s) {
        const int top = 201 + 68 * s;
        const ScaleComparison& scale = c.scales[s];
        row(top, scale.areas[0], "OB 1-8 of scale " + std::to_string(s));
        row(top + 17, scale.areas[1], "D of scale " + std::to_string(s));
        row(top + 34, scale.areas[2], "S/P of scale " + std::to_string(s));
        row(top + 51, scale.extraItems, "OB 9-12 of scale " + std::to_string(s));
    }
    row(613, c.chartItems, "chart total");
    row(630, c.allItems, "total");
    // The column heads: the two dates over Z, P, N.
    EXPECT_EQ(textIn(calls, {259, 161, 368, 180}), "12.05.2025");
    EXPECT_EQ(textIn(calls, {367, 161, 476, 180}), "03.10.2025");
}

TEST(ComparisonDocument, PairedBarsShowEachAssessment) {
    Pair p;  // the same scores, then the later one passes all of leisure skills at home
    for (int k = 89; k <= 96; ++k) p.later->scores[k] = kPass;
    const ComparisonDocument d(*p.earlier, *p.later);
    const auto boxes = testing::ofKind(page(d, 1), DrawCall::Box);
    // The items a bar shows green: a run of n items is 7n pixels high (and overlaps the next
    // run by its outline), from the base at y 396.
    auto greenSlots = [&](int left) {
        int n = 0;
        for (const DrawCall& b : boxes) {
            if (b.rect.left == left && b.rect.right == left + 27 &&
                b.colour == ui::Rgb{55, 181, 55}) {
                EXPECT_EQ(b.rect.bottom, 397) << "passes stand at the bottom";
                n += (b.rect.bottom - 1 - b.rect.top) / 7;
            }
        }
        return n;
    };
    // Scale 0: items 1-8 passed in both; scale 1: items 13-20; scale 2 gains 8 at home.
    EXPECT_EQ(greenSlots(600), 8);
    EXPECT_EQ(greenSlots(626), 8);
    EXPECT_EQ(greenSlots(664), 8);
    EXPECT_EQ(greenSlots(728), 0);
    EXPECT_EQ(greenSlots(754), 8);
}

TEST(ComparisonDocument, ChangedItemsOverThePagesByGroup) {
    Pair p;
    // 30 items from fail to pass, 5 passes lost, 2 newly scored.
    for (int k = 31; k <= 60; ++k) p.earlier->scores[k] = kFail, p.later->scores[k] = kPass;
    for (int k = 1; k <= 5; ++k) p.later->scores[k] = kEmerging;
    p.later->scores[100] = kFail;
    p.later->scores[101] = kPass;
    const ComparisonDocument d(*p.earlier, *p.later);
    ASSERT_EQ(d.pageCount(), 3);
    auto lines = [&](int n) {
        std::vector<std::string> out;
        for (const auto& l : d.listPage(n)) {
            out.push_back(l.heading ? utf8(comparison::groupHeading(
                                          static_cast<comparison::Group>(l.group), 0, l.continued))
                                    : std::to_string(l.item.item));
        }
        return out;
    };
    const auto two = lines(2);
    ASSERT_EQ(two.size(), 25u);
    EXPECT_EQ(two[0], "Postęp – 0 pozycji");
    EXPECT_EQ(two[1], "31");
    EXPECT_EQ(two[24], "54");
    EXPECT_EQ(lines(3),
              (std::vector<std::string>{"Postęp – 0 pozycji (cd.)", "55", "56", "57", "58", "59",
                                        "60", "Regres – 0 pozycji", "1", "2", "3", "4", "5",
                                        "Nowo ocenione / nieocenione – 0 pozycji", "100", "101"}));
    // As drawn: the heading with the group's size, the item, where it is and both scores.
    const auto calls = page(d, 3);
    EXPECT_EQ(textIn(calls, {45, 139, 984, 158}), "Postęp – 30 pozycji (cd.)");
    EXPECT_EQ(textIn(calls, {45, 279, 984, 298}), "Regres – 5 pozycji");
    const int y = 137 + 20 * 8;  // item 1
    EXPECT_EQ(textIn(calls, {40, y + 2, 80, y + 21}), "1");
    EXPECT_EQ(textIn(calls, {84, y + 2, 659, y + 21}), utf8(itemName(1)));
    EXPECT_EQ(textIn(calls, {659, y + 2, 780, y + 21}), "OB, UW");
    EXPECT_EQ(testing::boxAt(calls, {779, y, 882, y + 21}).colour, (ui::Rgb{55, 181, 55}));
    EXPECT_EQ(textIn(calls, {779, y + 2, 882, y + 21}), "Z");
    EXPECT_EQ(testing::boxAt(calls, {881, y, 984, y + 21}).colour, (ui::Rgb{255, 255, 30}));
    EXPECT_EQ(textIn(calls, {881, y + 2, 984, y + 21}), "P");
    EXPECT_EQ(textIn(calls, {779, 137 + 20 * 14 + 2, 882, 137 + 20 * 14 + 21}), "–");
}

TEST(ComparisonDocument, AHeadingNeverEndsAPage) {
    Pair p;
    for (int k = 31; k <= 53; ++k) p.earlier->scores[k] = kFail, p.later->scores[k] = kPass;
    for (int k = 1; k <= 3; ++k) p.later->scores[k] = kFail;
    const ComparisonDocument d(*p.earlier, *p.later);
    ASSERT_EQ(d.pageCount(), 3);
    EXPECT_EQ(d.listPage(2).size(), 24u);
    ASSERT_FALSE(d.listPage(3).empty());
    EXPECT_TRUE(d.listPage(3)[0].heading);
    EXPECT_FALSE(d.listPage(3)[0].continued);
    EXPECT_EQ(d.listPage(3)[0].group, static_cast<int>(comparison::Group::Regress));
    // Nothing changed: the first page alone.
    Pair same;
    EXPECT_EQ(ComparisonDocument(*same.earlier, *same.later).pageCount(), 1);
}

TEST(ComparisonDocument, TheSummaryIsDrawnWhole) {
    Pair p;
    for (int k = 25; k <= 40; ++k) p.earlier->scores[k] = kFail, p.later->scores[k] = kPass;
    p.later->scores[1] = kEmerging;
    const ComparisonDocument d(*p.earlier, *p.later);
    ui::RecordingSurface surface;
    ui::FakeImageSource images;
    d.composePage(surface, images, 1, ChartMode::Preview);
    std::string drawn;
    for (const DrawCall& t : surface.callsOf(DrawCall::Text)) {
        if (t.rect.left != 560 || t.rect.top < 468) continue;
        EXPECT_LE(surface.textWidth(t.name, t.font), 984 - 560) << utf8(t.name);
        drawn += (drawn.empty() ? "" : " ") + t.name;
    }
    EXPECT_EQ(drawn, comparison::summary(d.comparison(), *p.earlier, *p.later));
}

TEST(ComparisonDocument, ScreenAndPaperParts) {
    Pair p;
    setText(p.later->diagnosticianName, "mgr Ewa Lis");
    for (int k = 31; k <= 60; ++k) p.later->scores[k] = kPass;
    const ComparisonDocument d(*p.earlier, *p.later);
    ASSERT_EQ(d.pageCount(), 3);
    const auto preview = page(d, 1, ChartMode::Preview);
    EXPECT_TRUE(testing::holdsImage(preview, "Data\\skala1.bmp"));
    EXPECT_TRUE(testing::holdsImage(preview, "Data\\opisPor.bmp"));
    EXPECT_TRUE(testing::drewText(preview, "STRONA 1/3"));
    EXPECT_FALSE(testing::drewText(preview, "Strona 1 z 3"));
    const auto first = page(d, 1);
    EXPECT_FALSE(testing::holdsImage(first, "Data\\skala1.bmp"));
    EXPECT_TRUE(testing::holdsImage(first, "Data\\logo.bmp"));
    EXPECT_TRUE(testing::drewText(first, "Strona 1 z 3"));
    EXPECT_TRUE(testing::drewText(first, cp("Imię i nazwisko badanej: Anna Nowak")));
    EXPECT_FALSE(testing::drewText(first, cp("podpis osoby diagnozującej")));
    const auto last = page(d, 3);
    EXPECT_TRUE(testing::drewText(last, cp("podpis osoby diagnozującej")));
    EXPECT_TRUE(testing::drewText(last, "mgr Ewa Lis"));
    p.later->gender = kGenderMale;
    EXPECT_TRUE(testing::drewText(page(d, 1), cp("Imię i nazwisko badanego: Anna Nowak")));
}

TEST(ComparisonDocument, PrintsOnePagePerLandscapeSheet) {
    Pair p;
    for (int k = 31; k <= 60; ++k) p.later->scores[k] = kPass;
    testing::FakePrintTarget target;
    target.size = {7016, 4960};
    ui::FakeImageSource images;
    NarrativeReport report;
    const PrintSources sources{images, *p.later, report, {}, 0, p.earlier.get()};
    ASSERT_EQ(printDocument(Document::Comparison, target, sources), PrintResult::Printed);
    const auto& doc = target.documents.back();
    EXPECT_EQ(doc.name, "Nowak Anna – porównanie");
    EXPECT_TRUE(doc.landscape);
    ASSERT_EQ(doc.pages.size(), 3u);
    // The whole page, as large as the sheet holds it (4960 / 768 * 1024 = 6613), centred.
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(doc.pages[i].size(), 1u);
        EXPECT_EQ(doc.pages[i][0].source, (Rect{0, 0, 1024, 768}));
        EXPECT_EQ(doc.pages[i][0].target, (Rect{201, 0, 201 + 6613, 4960}));
        EXPECT_TRUE(
            testing::holdsText(doc.pages[i][0].calls, "Strona " + std::to_string(i + 1) + " z 3"));
    }
}

}  // namespace
}  // namespace lun4::reports
