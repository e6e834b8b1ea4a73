#pragma once
// The one examinee being worked on: personal data, the diagnostician's data, one score code
// and one note per item. Texts are zero-terminated cp1250 in fixed fields; a field of n
// bytes holds at most n - 1 characters. Index 0 of scores and notes holds no item.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace lun4 {

// Score codes, one byte per item.
inline constexpr char kNotScored = 'b';
inline constexpr char kPass = 'g';
inline constexpr char kEmerging = 'y';
inline constexpr char kFail = 'r';

// Gender byte: 'x' not set, 'm' male, 'k' female (a loaded file may bring any other byte).
inline constexpr char kGenderUnset = 'x';
inline constexpr char kGenderMale = 'm';
inline constexpr char kGenderFemale = 'k';

inline constexpr size_t kNameCapacity = 200;
inline constexpr size_t kLongTextCapacity = 500;
inline constexpr size_t kNoteCapacity = 1500;
inline constexpr int kItemSlots = 169;  // 0..168, entry 0 unused

template <size_t N>
using TextField = std::array<char, N>;

// Text of a field up to its terminating zero.
template <size_t N>
std::string_view text(const TextField<N>& field) {
    size_t n = 0;
    while (n < N && field[n] != '\0') ++n;
    return {field.data(), n};
}

// Stores `value` into the field, cut to capacity - 1 bytes, zero-terminated.
template <size_t N>
void setText(TextField<N>& field, std::string_view value) {
    const size_t n = value.size() < N - 1 ? value.size() : N - 1;
    for (size_t i = 0; i < n; ++i) field[i] = value[i];
    for (size_t i = n; i < N; ++i) field[i] = '\0';
}

// The examinee file closes every text with "§" (0xA7) and has no escape, and the byte 0x1A
// ends a file's data on reading; a text holding either would shift or lose every field
// after it. The edit controls therefore refuse "§" as they refuse every character the code
// page cannot hold, and leave out control characters.
bool isStorable(std::string_view cp1250Text);

struct ExamineeRecord {
    TextField<kNameCapacity> firstName{};
    TextField<kNameCapacity> lastName{};
    TextField<kNameCapacity> examDate{};
    TextField<kNameCapacity> birthDate{};
    std::array<char, kItemSlots> scores{};
    std::array<TextField<kNoteCapacity>, kItemSlots> notes{};
    char gender = kGenderUnset;
    TextField<kLongTextCapacity> homeAddress{};
    TextField<kLongTextCapacity> phoneContacts{};
    TextField<kLongTextCapacity> facilityAddress{};
    TextField<kLongTextCapacity> siblings{};
    TextField<kLongTextCapacity> guardians{};
    TextField<kLongTextCapacity> additionalInfo{};
    TextField<kNameCapacity> diagnosticianName{};
    TextField<kNameCapacity> diagnosticianPermitNo{};

    ExamineeRecord();

    // The state of a new examinee: every text empty, gender unset, every item not scored.
    void clear();

    // firstName, one blank, lastName (a single blank for an empty record).
    std::string fullName() const;
};

// Same examinee data: every text up to its terminating zero, the gender, and the score and
// note of items 1..168. Entry 0 of scores and notes holds no item and is not compared.
bool sameContent(const ExamineeRecord& a, const ExamineeRecord& b);

}  // namespace lun4
