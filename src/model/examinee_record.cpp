#include "model/examinee_record.h"

#include "model/cp1250.h"

namespace lun4 {

bool isStorable(std::string_view cp1250Text) {
    return cp1250Text.find(cp1250::kSeparator) == std::string_view::npos &&
           cp1250Text.find(cp1250::kDataEnd) == std::string_view::npos;
}

ExamineeRecord::ExamineeRecord() {
    clear();
}

void ExamineeRecord::clear() {
    firstName.fill('\0');
    lastName.fill('\0');
    examDate.fill('\0');
    birthDate.fill('\0');
    scores.fill(kNotScored);
    for (auto& note : notes) note.fill('\0');
    gender = kGenderUnset;
    homeAddress.fill('\0');
    phoneContacts.fill('\0');
    facilityAddress.fill('\0');
    siblings.fill('\0');
    guardians.fill('\0');
    additionalInfo.fill('\0');
    diagnosticianName.fill('\0');
    diagnosticianPermitNo.fill('\0');
}

std::string ExamineeRecord::fullName() const {
    std::string name(text(firstName));
    name += ' ';
    name += text(lastName);
    return name;
}

bool sameContent(const ExamineeRecord& a, const ExamineeRecord& b) {
    const bool textsEqual =
        text(a.firstName) == text(b.firstName) && text(a.lastName) == text(b.lastName) &&
        text(a.examDate) == text(b.examDate) && text(a.birthDate) == text(b.birthDate) &&
        text(a.homeAddress) == text(b.homeAddress) &&
        text(a.phoneContacts) == text(b.phoneContacts) &&
        text(a.facilityAddress) == text(b.facilityAddress) &&
        text(a.siblings) == text(b.siblings) && text(a.guardians) == text(b.guardians) &&
        text(a.additionalInfo) == text(b.additionalInfo) &&
        text(a.diagnosticianName) == text(b.diagnosticianName) &&
        text(a.diagnosticianPermitNo) == text(b.diagnosticianPermitNo);
    if (!textsEqual || a.gender != b.gender) return false;
    for (int k = 1; k < kItemSlots; ++k) {
        if (a.scores[k] != b.scores[k] || text(a.notes[k]) != text(b.notes[k])) return false;
    }
    return true;
}

}  // namespace lun4
