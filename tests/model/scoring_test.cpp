#include "model/scoring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lun4 {
namespace {

using A = ObservationArea;
using S = FunctionScale;

void score(ExamineeRecord& r, int first, std::string_view codes) {
    for (char c : codes) r.scores[first++] = c;
}

// A bar as its score codes from the bottom up, '.' for an empty slot.
std::string colours(const ExamineeRecord& r, const std::vector<int>& slots) {
    std::string out;
    for (int k : slots) out += k == kEmptySlot ? '.' : r.scores[k];
    return out;
}

TEST(Scoring, MixedBlockStacksPassEmergingFailThenEmpty) {
    ExamineeRecord r;
    const int first = firstItem(A::Home, S::LeisureSkills);  // 89
    score(r, first, "rgbygygr");
    EXPECT_EQ(areaScaleCounts(r, A::Home, S::LeisureSkills), (AreaScaleCounts{3, 2, 2}));
    const ScoreBlock block = chartBlock(A::Home, S::LeisureSkills);
    EXPECT_EQ(barSlots(r, block), (std::vector<int>{90, 93, 95, 92, 94, 89, 96, kEmptySlot}));
}

TEST(Scoring, UnscoredThenFullyPassedScale) {
    ExamineeRecord r;
    for (int s = 0; s < kScaleCount; ++s) {
        EXPECT_EQ(scaleTotals(r, scaleAt(s)), ScaleTotals{});
        for (int a = 0; a < kAreaCount; ++a) {
            EXPECT_EQ(areaScaleCounts(r, areaAt(a), scaleAt(s)), AreaScaleCounts{});
        }
    }
    EXPECT_EQ(barSlots(r, areaBarBlocks(A::Home)), std::vector<int>(48, kEmptySlot));
    for (int a = 0; a < kAreaCount; ++a) {
        score(r, firstItem(areaAt(a), S::VocationalBehaviour), "gggggggg");
    }
    EXPECT_EQ(areaScaleCounts(r, A::DirectObservation, S::VocationalBehaviour).pass, 8);
    EXPECT_EQ(scaleTotals(r, S::VocationalBehaviour), (ScaleTotals{24, 0, 0}));
    EXPECT_EQ(colours(r, barSlots(r, scaleBarBlocks(S::VocationalBehaviour))),
              std::string(24, 'g'));
}

TEST(Scoring, ExtraDirectObservationItemsStayOffTheCharts) {
    ExamineeRecord r;
    score(r, 9, "gyrg");   // items 9-12 of the first scale
    score(r, 69, "rrrr");  // items 69-72 of the last
    EXPECT_FALSE(countsOnCharts(9));
    EXPECT_TRUE(countsOnCharts(8));
    EXPECT_TRUE(countsOnCharts(73));
    for (int s = 0; s < kScaleCount; ++s) EXPECT_EQ(scaleTotals(r, scaleAt(s)), ScaleTotals{});
    EXPECT_EQ(barSlots(r, areaBarBlocks(A::DirectObservation)), std::vector<int>(48, kEmptySlot));
    // The narrative report counts whole direct-observation scales.
    EXPECT_EQ(blockCounts(r, fullDirectObservationBlock(S::VocationalSkills)),
              (AreaScaleCounts{2, 1, 1}));
    EXPECT_EQ(countScores(r, 61, 12, kFail), 4);
}

TEST(Scoring, ScaleBarOrdersByColourWhateverTheItemOrder) {
    ExamineeRecord r;
    score(r, 49, "bgbgybgb");   // direct observation, communication: 3 passes
    score(r, 105, "ybbbbbbg");  // home: 1 pass
    score(r, 153, "rgbbbbgb");  // school/work: 2 passes
    const std::vector<int> slots = barSlots(r, scaleBarBlocks(S::FunctionalCommunication));
    EXPECT_EQ(colours(r, slots), "ggggggyyr...............");
    EXPECT_EQ(slots[0], 50);
    EXPECT_EQ(slots[3], 112);
    EXPECT_EQ(slots[4], 154);
    EXPECT_EQ(slots[6], 53);  // emerging start again at the first block
}

TEST(Scoring, UnknownByteIsGreyAndCountedNowhere) {
    // A byte from an altered file: a grey of its own, in no count and no bar, kept as it is.
    for (ScoreRgb other : {kNotScoredColour, kExtraItemNotScoredColour, kHeaderGrey,
                           kItemNumberGrey, kPage2OutlineGrey}) {
        EXPECT_NE(scoreColour('\xFF'), other);
    }
    ExamineeRecord r;
    score(r, 121,
          "Gq\xFF"
          "g");
    EXPECT_EQ(areaScaleCounts(r, A::SchoolWork, S::VocationalSkills), (AreaScaleCounts{1, 0, 0}));
    const ScoreBlock block = chartBlock(A::SchoolWork, S::VocationalSkills);
    EXPECT_EQ(barSlots(r, block), (std::vector<int>{124, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.scores[123], '\xFF');
    EXPECT_EQ(countScores(r, 124, 0, kPass), 0);
}

TEST(Scoring, TheLastBlockItems161To168) {
    ExamineeRecord r;
    score(r, 161, "yrgbgryg");
    EXPECT_EQ(firstItem(A::SchoolWork, scaleAt(kScaleCount - 1)), 161);
    const ScoreBlock block = chartBlock(A::SchoolWork, scaleAt(kScaleCount - 1));
    EXPECT_EQ(block, (ScoreBlock{161, 8}));
    EXPECT_EQ(areaScaleCounts(r, A::SchoolWork, scaleAt(kScaleCount - 1)),
              (AreaScaleCounts{3, 2, 2}));
    EXPECT_EQ(scaleTotals(r, scaleAt(kScaleCount - 1)), (ScaleTotals{3, 2, 2}));
    EXPECT_EQ(barSlots(r, block),
              (std::vector<int>{163, 165, 168, 161, 167, 162, 166, kEmptySlot}));
    EXPECT_EQ(countScores(r, 161, 8, kPass), 3);
    EXPECT_EQ(countScores(r, 161, 9, kPass), 3);  // nothing beyond item 168 counts
    r.scores[168] = kFail;
    EXPECT_EQ(areaScaleCounts(r, A::SchoolWork, scaleAt(kScaleCount - 1)),
              (AreaScaleCounts{2, 2, 3}));
}

TEST(Scoring, ScoreColourOfEveryCode) {
    EXPECT_EQ(scoreColour('g'), (ScoreRgb{55, 181, 55}));
    EXPECT_EQ(scoreColour('y'), (ScoreRgb{255, 255, 30}));
    EXPECT_EQ(scoreColour('r'), (ScoreRgb{255, 10, 10}));
    EXPECT_EQ(scoreColour('b'), (ScoreRgb{255, 255, 255}));
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        if (c == 'g' || c == 'y' || c == 'r' || c == 'b') continue;
        EXPECT_EQ(scoreColour(c), (ScoreRgb{180, 180, 180})) << code;
    }
}

// How complete the assessment is: none, one, all but one and all items scored; an unknown
// byte is no score.
TEST(Scoring, CompletenessCountsScoredItemsAndWhatIsLeftPerArea) {
    ExamineeRecord r;
    EXPECT_EQ(completeness(r), (Completeness{0, {72, 48, 48}}));
    EXPECT_FALSE(completeness(r).complete());

    r.scores[73] = kFail;  // the first home item
    EXPECT_EQ(completeness(r), (Completeness{1, {72, 47, 48}}));

    for (int k = 1; k <= kItemCount; ++k) r.scores[k] = "gyr"[k % 3];
    EXPECT_EQ(completeness(r), (Completeness{168, {0, 0, 0}}));
    EXPECT_TRUE(completeness(r).complete());

    r.scores[72] = kNotScored;  // the last direct-observation item
    EXPECT_EQ(completeness(r), (Completeness{167, {1, 0, 0}}));
    r.scores[72] = kPass;
    r.scores[121] = '\xFF';  // the first school and work item, from an altered file
    EXPECT_EQ(completeness(r), (Completeness{167, {0, 0, 1}}));
    EXPECT_FALSE(completeness(r).complete());
}

}  // namespace
}  // namespace lun4
