#pragma once
// Two assessments of one person side by side: the counts of both per scale and area, counted
// as the chart counts them (items 1-8 of direct observation, with items 9-12 on a line of their
// own), and every item whose score changed. Nothing is stored; both records are read as they
// stand.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "model/catalogue.h"
#include "model/examinee_record.h"
#include "model/scoring.h"

namespace lun4 {

// How an item's score moved from the earlier assessment to the later one. Pass is above
// emerging, emerging above fail; not scored (and a byte no score has) is no score at all.
enum class ScoreChange {
    Same,
    Progress,        // fail to emerging or pass, emerging to pass
    Regress,         // the reverse
    NewlyScored,     // no score before, a score now
    NoLongerScored,  // a score before, none now
};

ScoreChange scoreChange(char earlier, char later);

// The counts of one block in both assessments.
struct CountsPair {
    AreaScaleCounts earlier;
    AreaScaleCounts later;
    int passChange() const { return later.pass - earlier.pass; }
    bool operator==(const CountsPair&) const = default;
};

struct ScaleComparison {
    std::array<CountsPair, kAreaCount> areas;  // 8-item blocks, as the chart counts
    CountsPair extraItems;                     // items 9-12 of direct observation
    CountsPair all;                            // the scale's 28 items
};

struct ChangedItem {
    int item = 0;
    char earlier = kNotScored;
    char later = kNotScored;
    ScoreChange change = ScoreChange::Same;
    bool operator==(const ChangedItem&) const = default;
};

struct Comparison {
    std::array<ScaleComparison, kScaleCount> scales;
    CountsPair chartItems;             // the 144 items the charts count
    CountsPair allItems;               // all 168 items
    std::vector<ChangedItem> changes;  // every item whose score changed, in item order

    int count(ScoreChange change) const;
    // The changes of one kind, in item order.
    std::vector<ChangedItem> changesOf(ScoreChange change) const;
};

Comparison compare(const ExamineeRecord& earlier, const ExamineeRecord& later);

// Turns the record into a new assessment of the same person: the names, birth date, gender,
// addresses, contacts, siblings, guardians and the diagnostician stay; the examination date
// and the additional information are emptied, every item is unscored and every note empty.
void startReassessment(ExamineeRecord& record);

// Whether two records name the same person: first and last names equal byte for byte (letter
// case and Polish letters count).
bool samePerson(const ExamineeRecord& a, const ExamineeRecord& b);

// An examination date as typed in the data form, as a number yyyymmdd that orders dates:
// "12.05.2025", "12.5.2025 r.", "12-05-2025", "12/05/2025", "2025-05-12" and "12 maja 2025".
// Nothing for a text that is no date (or an empty one).
std::optional<int> examDateValue(std::string_view cp1250Date);

// Whether `record` was examined before `other`, both dates being readable.
bool examinedBefore(const ExamineeRecord& record, const ExamineeRecord& other);

}  // namespace lun4
