#include "model/default_recommendations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "native_surface.h"

namespace lun4 {
namespace {

constexpr RecommendationKind kKinds[] = {RecommendationKind::Emerging, RecommendationKind::Fail};

const char* kindName(RecommendationKind kind) {
    return kind == RecommendationKind::Emerging ? "emerging" : "fail";
}

// Items whose emerging and fail recommendation are one and the same text.
const std::set<int> kSharedItems = {69,  71,  72,  83,  84,  87,  89,  91,  93,  98,
                                    102, 104, 110, 111, 112, 113, 118, 124, 137, 138,
                                    140, 141, 150, 155, 159, 161, 165, 166};

struct Bounds {
    size_t shortest, longest, total;
};

Bounds boundsOf(RecommendationKind kind) {
    return kind == RecommendationKind::Emerging ? Bounds{43, 799, 36989} : Bounds{49, 807, 41461};
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t start = 0;;) {
        size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 2;
    }
}

TEST(DefaultRecommendations, EveryItemHasTextsWithinTheLengthBounds) {
    for (RecommendationKind kind : kKinds) {
        const Bounds bounds = boundsOf(kind);
        size_t total = 0;
        for (int k = 1; k <= kItemCount; ++k) {
            const size_t length = defaultRecommendation(kind, k).size();
            EXPECT_GE(length, bounds.shortest) << kindName(kind) << " item " << k;
            EXPECT_LE(length, bounds.longest) << kindName(kind) << " item " << k;
            total += length;
        }
        // Within 5 % of the size the tables were planned with.
        EXPECT_NEAR(double(total), double(bounds.total), bounds.total * 0.05) << kindName(kind);
    }
}

TEST(DefaultRecommendations, OnlyTheListedItemsShareOneTextForBothScores) {
    for (int k = 1; k <= kItemCount; ++k) {
        const bool same = defaultRecommendation(RecommendationKind::Emerging, k) ==
                          defaultRecommendation(RecommendationKind::Fail, k);
        EXPECT_EQ(same, kSharedItems.count(k) == 1) << "item " << k;
    }
}

TEST(DefaultRecommendations, NoTwoItemsHaveTheSameText) {
    for (RecommendationKind kind : kKinds) {
        std::map<std::string_view, int> seen;
        for (int k = 1; k <= kItemCount; ++k) {
            auto [it, fresh] = seen.emplace(defaultRecommendation(kind, k), k);
            EXPECT_TRUE(fresh) << kindName(kind) << " items " << it->second << " and " << k;
        }
    }
    // Across the tables too: one item's fail text is never another item's emerging text.
    for (int k = 1; k <= kItemCount; ++k) {
        for (int other = 1; other <= kItemCount; ++other) {
            if (other == k) continue;
            EXPECT_NE(defaultRecommendation(RecommendationKind::Emerging, k),
                      defaultRecommendation(RecommendationKind::Fail, other))
                << "items " << k << " and " << other;
        }
    }
}

// Item 69's text stands word for word; items 121 and 168 keep their wording, with the
// examinee named without a gender ("osoba badana") and the comma the sentence lacked.
TEST(DefaultRecommendations, FixedTextsStandWordForWord) {
    const std::string item69 =
        "Prowokowanie do różnego rodzaju aktywności i wydłużenie czasu koncentracji uwagi oraz "
        "\r\nnawiązanie odpowiedniej współpracy z terapeutą/opiekunem.\r\nAranżowanie ćwiczeń z "
        "naśladownictwa ruchowego w celu prowokowania do obserwowania \r\ni skupiania uwagi na "
        "prowadzącym zajęcia.\r\n";
    const std::string item121Emerging =
        "Aranżowanie sytuacji zadaniowej związanej z sortowaniem różnych \r\nelementów, np. "
        "guzików, koralików, ubrań, sztućców, zabawek, suszonych \r\nkwiatów, elementów "
        "kompozycji. \r\n";
    const std::string item121Fail =
        "Aranżowanie sytuacji zadaniowej związanej z sortowaniem różnych elementów, np. guzików, "
        "\r\nkoralików, ubrań, sztućców, zabawek, innych. Jeśli osoba badana ma problem z "
        "wyodrębnieniem \r\nelementów, terapeuta wspomaga jej działanie.\r\n";
    const std::string item168Emerging =
        "Aranżowanie sytuacji związanej z uczestniczeniem osoby badanej w różnego rodzaju "
        "spotkaniach. \r\n";
    const std::string item168Fail =
        "Aranżowanie sytuacji związanej z uczestniczeniem osoby badanej w różnego rodzaju "
        "\r\nspotkaniach. \r\n";
    auto cp = [](const std::string& utf8) { return cp1250::fromUtf8(utf8).value(); };
    EXPECT_EQ(defaultRecommendation(RecommendationKind::Emerging, 69), cp(item69));
    EXPECT_EQ(defaultRecommendation(RecommendationKind::Fail, 69), cp(item69));
    EXPECT_EQ(defaultRecommendation(RecommendationKind::Emerging, 121), cp(item121Emerging));
    EXPECT_EQ(defaultRecommendation(RecommendationKind::Fail, 121), cp(item121Fail));
    EXPECT_EQ(defaultRecommendation(RecommendationKind::Emerging, 168), cp(item168Emerging));
    EXPECT_EQ(defaultRecommendation(RecommendationKind::Fail, 168), cp(item168Fail));
}

// No default text assumes the examinee's gender: the examinee is "osoba badana", never
// "podopieczny" or "podopieczna", and no word about the examinee is masculine or feminine
// (a pronoun, "sam"/"sama", a past tense).
TEST(DefaultRecommendations, NoTextAssumesTheExamineesGender) {
    const std::vector<std::string> gendered = {
        "podopieczn", "badany",  "badanego", "badanemu", " sam ", " sama ", " samego ",
        " on ",       " ona ",   " mu ",     " jemu ",   "zrobił", "podał",  "wskazał",
        "zajęty",     "zajęta",  "płci podopiecznego",
    };
    for (RecommendationKind kind : kKinds) {
        for (int k = 1; k <= kItemCount; ++k) {
            const std::string text = cp1250::toUtf8(defaultRecommendation(kind, k));
            std::string lower;
            for (char c : text) lower += char(std::tolower(static_cast<unsigned char>(c)));
            for (const std::string& word : gendered) {
                EXPECT_EQ(lower.find(word), std::string::npos)
                    << kindName(kind) << " item " << k << ": " << word;
            }
        }
    }
}

TEST(DefaultRecommendations, TextsAreWholeCp1250LinesWithoutTheFileSeparator) {
    for (RecommendationKind kind : kKinds) {
        for (int k = 1; k <= kItemCount; ++k) {
            const std::string_view text = defaultRecommendation(kind, k);
            const auto exact = cp1250::fromUtf8(defaultRecommendationSource(kind, k));
            ASSERT_TRUE(exact.has_value()) << kindName(kind) << " item " << k;
            EXPECT_EQ(text, *exact) << kindName(kind) << " item " << k;
            EXPECT_EQ(text.find(cp1250::kSeparator), std::string_view::npos)
                << kindName(kind) << " item " << k;
            // Line breaks come only as "\r\n" pairs, and the text says something.
            size_t breaks = 0;
            for (size_t at = text.find("\r\n"); at != std::string_view::npos;
                 at = text.find("\r\n", at + 2))
                ++breaks;
            EXPECT_EQ(size_t(std::count(text.begin(), text.end(), '\r')), breaks) << k;
            EXPECT_EQ(size_t(std::count(text.begin(), text.end(), '\n')), breaks) << k;
            EXPECT_NE(text.find_first_not_of(" \r\n"), std::string_view::npos) << k;
        }
    }
}

TEST(DefaultRecommendations, EveryLineFitsTheReportWidth) {
    constexpr int kReportLineWidth = 807;  // pixels of one narrative report line
    const auto metrics = testing::newNativeSurface();
    for (RecommendationKind kind : kKinds) {
        for (int k = 1; k <= kItemCount; ++k) {
            for (std::string_view line : linesOf(defaultRecommendation(kind, k))) {
                EXPECT_LE(metrics->textWidth(line, ui::FontId::ReportBody), kReportLineWidth)
                    << kindName(kind) << " item " << k << ": " << cp1250::toUtf8(line);
            }
        }
    }
}

}  // namespace
}  // namespace lun4
