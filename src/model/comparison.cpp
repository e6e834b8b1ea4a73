#include "model/comparison.h"

#include <cctype>
#include <string>

#include "model/cp1250.h"

namespace lun4 {
namespace {

// 3 pass, 2 emerging, 1 fail, 0 no score.
int rank(char code) {
    switch (code) {
        case kPass:
            return 3;
        case kEmerging:
            return 2;
        case kFail:
            return 1;
        default:
            return 0;
    }
}

void add(AreaScaleCounts& sum, const AreaScaleCounts& part) {
    sum.pass += part.pass;
    sum.emerging += part.emerging;
    sum.fail += part.fail;
}

void add(CountsPair& sum, const CountsPair& part) {
    add(sum.earlier, part.earlier);
    add(sum.later, part.later);
}

CountsPair pairOf(const ExamineeRecord& earlier, const ExamineeRecord& later, ScoreBlock block) {
    return {blockCounts(earlier, block), blockCounts(later, block)};
}

// The months as a date is written in words ("12 maja 2025"), in the genitive.
constexpr std::u8string_view kMonths[12] = {
    u8"stycznia", u8"lutego",   u8"marca",    u8"kwietnia",     u8"maja",      u8"czerwca",
    u8"lipca",    u8"sierpnia", u8"września", u8"października", u8"listopada", u8"grudnia"};

int monthNamed(std::string_view word) {
    std::string lower(word);
    for (char& c : lower) {
        // ASCII letters only: the month names' Polish letters are lower case in the table.
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    for (int m = 0; m < 12; ++m) {
        if (lower == cp1250::fromLiteral(kMonths[m])) return m + 1;
    }
    return 0;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    // Bytes from 0x80 up are cp1250's Polish letters, except the dash a date may be written
    // with ("12–05–2025").
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (byte >= 0x80 && byte != 0x96);
}

bool validDate(int year, int month, int day) {
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1900 || year > 2999 || month < 1 || month > 12 || day < 1) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= (month == 2 && !leap ? 28 : kDays[month - 1]);
}

}  // namespace

ScoreChange scoreChange(char earlier, char later) {
    const int before = rank(earlier);
    const int after = rank(later);
    if (before == after) return ScoreChange::Same;
    if (before == 0) return ScoreChange::NewlyScored;
    if (after == 0) return ScoreChange::NoLongerScored;
    return after > before ? ScoreChange::Progress : ScoreChange::Regress;
}

int Comparison::count(ScoreChange change) const {
    int n = 0;
    for (const ChangedItem& c : changes) n += c.change == change ? 1 : 0;
    return n;
}

std::vector<ChangedItem> Comparison::changesOf(ScoreChange change) const {
    std::vector<ChangedItem> out;
    for (const ChangedItem& c : changes) {
        if (c.change == change) out.push_back(c);
    }
    return out;
}

Comparison compare(const ExamineeRecord& earlier, const ExamineeRecord& later) {
    Comparison result;
    for (int s = 0; s < kScaleCount; ++s) {
        ScaleComparison& scale = result.scales[s];
        for (int a = 0; a < kAreaCount; ++a) {
            scale.areas[a] = pairOf(earlier, later, chartBlock(areaAt(a), scaleAt(s)));
            add(scale.all, scale.areas[a]);
            add(result.chartItems, scale.areas[a]);
        }
        const ScoreBlock extra{
            firstItem(ObservationArea::DirectObservation, scaleAt(s)) + kChartBlockLength,
            itemsPerScale(ObservationArea::DirectObservation) - kChartBlockLength};
        scale.extraItems = pairOf(earlier, later, extra);
        add(scale.all, scale.extraItems);
        add(result.allItems, scale.all);
    }
    for (int k = 1; k <= kItemCount; ++k) {
        const ScoreChange change = scoreChange(earlier.scores[k], later.scores[k]);
        if (change != ScoreChange::Same) {
            result.changes.push_back({k, earlier.scores[k], later.scores[k], change});
        }
    }
    return result;
}

void startReassessment(ExamineeRecord& record) {
    setText(record.examDate, "");
    setText(record.additionalInfo, "");
    record.scores.fill(kNotScored);
    for (auto& note : record.notes) setText(note, "");
}

bool samePerson(const ExamineeRecord& a, const ExamineeRecord& b) {
    return text(a.firstName) == text(b.firstName) && text(a.lastName) == text(b.lastName);
}

std::optional<int> examDateValue(std::string_view date) {
    // Up to three numbers, or two numbers and a month's name between them; what follows the
    // year ("r.", "roku") is left aside.
    int numbers[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int count = 0;
    int namedMonth = 0;
    size_t i = 0;
    while (i < date.size() && count < 3) {
        if (isDigit(date[i])) {
            int value = 0;
            int n = 0;
            while (i < date.size() && isDigit(date[i])) {
                if (++n <= 4) value = value * 10 + (date[i] - '0');
                ++i;
            }
            if (n > 4) return std::nullopt;
            numbers[count] = value;
            digits[count] = n;
            ++count;
        } else if (isLetter(date[i])) {
            const size_t start = i;
            while (i < date.size() && isLetter(date[i])) ++i;
            // A month's name only between the day and the year.
            if (count == 1 && namedMonth == 0) {
                namedMonth = monthNamed(date.substr(start, i - start));
                if (namedMonth == 0) return std::nullopt;
                numbers[count] = namedMonth;
                digits[count] = 2;
                ++count;
            } else if (count < 3) {
                return std::nullopt;
            }
        } else if (std::string_view(" .-/,\x96").find(date[i]) != std::string_view::npos) {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (count != 3) return std::nullopt;
    int year = 0, month = 0, day = 0;
    if (digits[0] == 4 && namedMonth == 0) {
        year = numbers[0];
        month = numbers[1];
        day = numbers[2];
        if (digits[1] > 2 || digits[2] > 2) return std::nullopt;
    } else if (digits[2] == 4 && digits[0] <= 2 && digits[1] <= 2) {
        day = numbers[0];
        month = numbers[1];
        year = numbers[2];
    } else {
        return std::nullopt;
    }
    if (!validDate(year, month, day)) return std::nullopt;
    return year * 10000 + month * 100 + day;
}

bool examinedBefore(const ExamineeRecord& record, const ExamineeRecord& other) {
    const auto mine = examDateValue(text(record.examDate));
    const auto theirs = examDateValue(text(other.examDate));
    return mine && theirs && *mine < *theirs;
}

}  // namespace lun4
