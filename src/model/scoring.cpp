#include "model/scoring.h"

#include <algorithm>

namespace lun4 {
namespace {

struct ItemRange {
    int from;
    int end;  // one past the last item
};

// The items first .. first + length - 1 that exist (1..168); empty for a length of 0 or less.
ItemRange itemRange(int first, int length) {
    if (length <= 0) return {1, 1};
    const long long end =
        std::min<long long>(static_cast<long long>(first) + length, kItemCount + 1);
    return {std::max(first, 1), static_cast<int>(std::max<long long>(end, 1))};
}

}  // namespace

ScoreRgb scoreColour(char code) {
    switch (code) {
        case kPass:
            return kPassColour;
        case kEmerging:
            return kEmergingColour;
        case kFail:
            return kFailColour;
        case kNotScored:
            return kNotScoredColour;
        default:
            return kUnknownScoreColour;
    }
}

int countScores(const ExamineeRecord& record, int first, int length, char code) {
    const ItemRange range = itemRange(first, length);
    int count = 0;
    for (int k = range.from; k < range.end; ++k) {
        if (record.scores[k] == code) ++count;
    }
    return count;
}

ScoreBlock chartBlock(ObservationArea area, FunctionScale scale) {
    return {firstItem(area, scale), kChartBlockLength};
}

ScoreBlock fullDirectObservationBlock(FunctionScale scale) {
    return {firstItem(ObservationArea::DirectObservation, scale),
            itemsPerScale(ObservationArea::DirectObservation)};
}

bool countsOnCharts(int item) {
    return item >= 1 && item <= kItemCount && positionOf(item) < kChartBlockLength;
}

AreaScaleCounts blockCounts(const ExamineeRecord& record, ScoreBlock block) {
    return {countScores(record, block.first, block.length, kPass),
            countScores(record, block.first, block.length, kEmerging),
            countScores(record, block.first, block.length, kFail)};
}

AreaScaleCounts areaScaleCounts(const ExamineeRecord& record, ObservationArea area,
                                FunctionScale scale) {
    return blockCounts(record, chartBlock(area, scale));
}

ScaleTotals scaleTotals(const ExamineeRecord& record, FunctionScale scale) {
    ScaleTotals totals;
    for (int a = 0; a < kAreaCount; ++a) {
        const AreaScaleCounts c = areaScaleCounts(record, areaAt(a), scale);
        totals.pass += c.pass;
        totals.emerging += c.emerging;
        totals.fail += c.fail;
    }
    return totals;
}

std::vector<int> barSlots(const ExamineeRecord& record, std::span<const ScoreBlock> blocks) {
    size_t slots = 0;
    for (const ScoreBlock& block : blocks) slots += static_cast<size_t>(std::max(block.length, 0));
    std::vector<int> bar;
    bar.reserve(slots);
    for (char code : {kPass, kEmerging, kFail}) {
        for (const ScoreBlock& block : blocks) {
            const ItemRange range = itemRange(block.first, block.length);
            for (int k = range.from; k < range.end; ++k) {
                if (record.scores[k] == code) bar.push_back(k);
            }
        }
    }
    bar.resize(std::max(slots, bar.size()), kEmptySlot);
    return bar;
}

std::array<ScoreBlock, kAreaCount> scaleBarBlocks(FunctionScale scale) {
    std::array<ScoreBlock, kAreaCount> blocks;
    for (int a = 0; a < kAreaCount; ++a) blocks[a] = chartBlock(areaAt(a), scale);
    return blocks;
}

std::array<ScoreBlock, kScaleCount> areaBarBlocks(ObservationArea area) {
    std::array<ScoreBlock, kScaleCount> blocks;
    for (int s = 0; s < kScaleCount; ++s) blocks[s] = chartBlock(area, scaleAt(s));
    return blocks;
}

Completeness completeness(const ExamineeRecord& record) {
    Completeness c;
    for (int k = 1; k <= kItemCount; ++k) {
        const char code = record.scores[k];
        if (code == kPass || code == kEmerging || code == kFail) {
            ++c.scored;
        } else {
            ++c.unscored[indexOf(areaOf(k))];
        }
    }
    return c;
}

}  // namespace lun4
