#include "model/examinee_record.h"

namespace lun4 {

ExamineeRecord::ExamineeRecord() { clear(); }

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

}  // namespace lun4
