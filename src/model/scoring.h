#pragma once
// Counts of passed, emerging and failed items per area and scale, and the order in which a
// stacked chart bar is filled. Everything is computed afresh from the record's score codes;
// nothing is cached, so a page always shows the scores as they stand.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/catalogue.h"
#include "model/examinee_record.h"

namespace lun4 {

// A colour of the report palette. Same layout as the drawing layer's colour, which converts it.
struct ScoreRgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const ScoreRgb&) const = default;
};

inline constexpr ScoreRgb kPassColour{55, 181, 55};
inline constexpr ScoreRgb kEmergingColour{255, 255, 30};
inline constexpr ScoreRgb kFailColour{255, 10, 10};
inline constexpr ScoreRgb kNotScoredColour{255, 255, 255};
// An extra direct-observation item (items 9-12 of a scale) that is not scored.
inline constexpr ScoreRgb kExtraItemNotScoredColour{235, 235, 235};
// Header and frame fill of the chart and the summary form.
inline constexpr ScoreRgb kHeaderGrey{217, 217, 217};
// Item numbers printed inside chart boxes.
inline constexpr ScoreRgb kItemNumberGrey{100, 100, 100};
// Outline of the boxes on the second chart page.
inline constexpr ScoreRgb kPage2OutlineGrey{150, 150, 150};
// A score byte that is none of 'b', 'g', 'y', 'r' (only a file altered outside the program
// brings one). It is drawn in this mid grey, which differs from white and from every other
// grey of the palette, so the diagnostician sees that the item holds something unknown
// rather than mistaking it for "not scored". Such an item enters no count and no bar, and
// its byte is never changed: saving writes it back as it was loaded.
inline constexpr ScoreRgb kUnknownScoreColour{180, 180, 180};

ScoreRgb scoreColour(char code);

// Number of items k with first <= k < first + length whose score byte equals `code`.
// Item numbers outside 1..168 count nothing; a length of 0 or less gives 0.
int countScores(const ExamineeRecord& record, int first, int length, char code);

// A run of consecutive items of one area and scale.
struct ScoreBlock {
    int first = 1;
    int length = 8;
    bool operator==(const ScoreBlock&) const = default;
};

inline constexpr int kChartBlockLength = 8;

// The first 8 items of an area and scale: the part of it the charts count. Items 9-12 of a
// direct-observation scale enter no chart count, total or bar.
ScoreBlock chartBlock(ObservationArea area, FunctionScale scale);
// A whole direct-observation scale (12 items), as the narrative report counts it.
ScoreBlock fullDirectObservationBlock(FunctionScale scale);
// Whether an item enters the chart counts and bars (false for items 9-12 of a direct-
// observation scale, which chart page 1 shows as single boxes of their own).
bool countsOnCharts(int item);

struct AreaScaleCounts {
    std::int32_t pass = 0;
    std::int32_t emerging = 0;
    std::int32_t fail = 0;
    bool operator==(const AreaScaleCounts&) const = default;
};

struct ScaleTotals {
    std::int32_t pass = 0;
    std::int32_t emerging = 0;
    std::int32_t fail = 0;
    bool operator==(const ScaleTotals&) const = default;
};

AreaScaleCounts blockCounts(const ExamineeRecord& record, ScoreBlock block);
// Over the 8-item chart block of the area and scale.
AreaScaleCounts areaScaleCounts(const ExamineeRecord& record, ObservationArea area,
                                FunctionScale scale);
// Sum of the three areas' areaScaleCounts of one scale (0..24 each).
ScaleTotals scaleTotals(const ExamineeRecord& record, FunctionScale scale);

// Marks an empty slot in barSlots.
inline constexpr int kEmptySlot = 0;

// The filling order of a stacked bar, from the bottom slot (entry 0) upward: every item
// scored 'g' block by block in rising item number, then every 'y' the same way, then every
// 'r', then kEmptySlot up to the summed length of the blocks (8 per chart block). Items not
// scored, and items holding an unknown byte, never appear.
std::vector<int> barSlots(const ExamineeRecord& record, std::span<const ScoreBlock> blocks);
inline std::vector<int> barSlots(const ExamineeRecord& record, ScoreBlock block) {
    return barSlots(record, std::span<const ScoreBlock>(&block, 1));
}

// The blocks of the chart bars: one scale over the three areas (24 slots) and one area over
// the six scales (48 slots).
std::array<ScoreBlock, kAreaCount> scaleBarBlocks(FunctionScale scale);
std::array<ScoreBlock, kScaleCount> areaBarBlocks(ObservationArea area);

// How far the assessment is scored. An item counts as scored when it holds pass, emerging or
// fail; an unknown byte is no score, so an item holding one counts among the unscored.
struct Completeness {
    int scored = 0;                          // 0..168
    std::array<int, kAreaCount> unscored{};  // per area, in area order
    bool complete() const { return scored == kItemCount; }
    bool operator==(const Completeness&) const = default;
};

Completeness completeness(const ExamineeRecord& record);

}  // namespace lun4
