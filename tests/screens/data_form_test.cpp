#include <algorithm>
#include <span>

#include "file_screens_fixture.h"

namespace lun4 {
namespace {

using ui::CheckBoxId;
using ui::ControlId;

class DataFormTest : public testing::FileScreensTest {
  protected:
    std::string box(ControlId id) { return cp1250::toUtf8(frame.fakeControl(id).text()); }
    void type(ControlId id, std::string_view utf8) {
        frame.fakeControl(id).setText(testing::cp(utf8));
    }
    void openAndAccept() {
        state.screenId = screen::kMainMenu;
        moveAndClick(buttons.editData);
        ASSERT_EQ(state.screenId, screen::kDataForm);
        moveAndClick(buttons.ok);
    }
};

bool sameRecord(const ExamineeRecord& a, const ExamineeRecord& b) {
    return a.firstName == b.firstName && a.lastName == b.lastName && a.examDate == b.examDate &&
           a.birthDate == b.birthDate && a.gender == b.gender && a.homeAddress == b.homeAddress &&
           a.phoneContacts == b.phoneContacts && a.facilityAddress == b.facilityAddress &&
           a.siblings == b.siblings && a.guardians == b.guardians &&
           a.additionalInfo == b.additionalInfo && a.diagnosticianName == b.diagnosticianName &&
           a.diagnosticianPermitNo == b.diagnosticianPermitNo && a.scores == b.scores &&
           a.notes == b.notes;
}

TEST_F(DataFormTest, OpeningAndClosingWithoutTypingChangesNothing) {
    ExamineeRecord& r = state.record;
    setText(r.firstName, "Jo");
    setText(r.lastName, testing::cp("Żak"));
    setText(r.birthDate, "01.02.2003");
    setText(r.examDate, "12.05.2026");
    setText(r.homeAddress, "ul. Polna 1\r\n00-001 Warszawa");
    setText(r.diagnosticianPermitNo, "123/45");
    r.gender = kGenderFemale;

    state.screenId = screen::kMainMenu;
    moveAndClick(buttons.editData);
    EXPECT_EQ(box(ControlId::FullName), "Jo Żak");
    EXPECT_EQ(box(ControlId::HomeAddress), "ul. Polna 1\r\n00-001 Warszawa");
    EXPECT_TRUE(frame.fakeCheckBox(CheckBoxId::Female).isChecked());
    EXPECT_FALSE(frame.fakeCheckBox(CheckBoxId::Male).isChecked());
    EXPECT_TRUE(frame.fakeControl(ControlId::PermitNumber).isVisible());
    EXPECT_FALSE(frame.fakeControl(ControlId::SaveName).isVisible());

    // Records a file may bring, which the name box cannot split back the same way.
    for (auto [first, last] :
         {std::pair{"Jo", "Żak"}, std::pair{"", "Nowak"}, std::pair{"Anna Maria", "Nowak"},
          std::pair{"Ewa", "Nowak Kowalska"}}) {
        setText(r.firstName, testing::cp(first));
        setText(r.lastName, testing::cp(last));
        const ExamineeRecord before = r;
        openAndAccept();
        EXPECT_TRUE(sameRecord(r, before)) << first << "|" << last;
    }
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_FALSE(frame.fakeControl(ControlId::FullName).isVisible());
    EXPECT_FALSE(frame.fakeCheckBox(CheckBoxId::Male).isVisible());
    EXPECT_EQ(buttons.ok.x(), 664);  // home again for the item sub-pages
}

TEST(FullNameSplit, KeepsEveryWord) {
    const std::pair<const char*, SplitName> cases[] = {
        {"Anna Nowak", {"Anna", "Nowak"}},
        {" Anna Nowak", {"Anna", "Nowak"}},
        {"Anna  Nowak", {"Anna", "Nowak"}},
        {"Anna Maria Nowak", {"Anna", "Maria Nowak"}},
        {"Anna Nowak ", {"Anna", "Nowak"}},
        {"Anna", {"Anna", ""}},
        {"  ", {"", ""}},
    };
    for (const auto& [input, expected] : cases) {
        const SplitName got = splitFullName(input);
        EXPECT_EQ(got.firstName, expected.firstName) << input;
        EXPECT_EQ(got.lastName, expected.lastName) << input;
    }
}

TEST_F(DataFormTest, TypedTextIsStoredWithinEachFieldsCapacity) {
    state.screenId = screen::kMainMenu;
    moveAndClick(buttons.editData);
    type(ControlId::FullName, "Jan Maria Rokita");
    type(ControlId::Guardians, "Matka\r\nOjciec");
    type(ControlId::BirthDate, std::string(299, '7'));
    type(ControlId::Diagnostician, std::string(499, 'd'));
    type(ControlId::AdditionalInfo, std::string(600, 'i'));
    moveAndClick(buttons.ok);
    EXPECT_EQ(text(state.record.firstName), "Jan");
    EXPECT_EQ(text(state.record.lastName), "Maria Rokita");
    EXPECT_EQ(text(state.record.guardians), "Matka\r\nOjciec");
    EXPECT_EQ(text(state.record.birthDate), std::string(199, '7'));
    EXPECT_EQ(text(state.record.diagnosticianName), std::string(199, 'd'));
    EXPECT_EQ(text(state.record.additionalInfo), std::string(499, 'i'));
    EXPECT_EQ(frame.pauses.back(), 100);
}

TEST_F(DataFormTest, GenderBoxesActAsAPair) {
    state.screenId = screen::kMainMenu;
    moveAndClick(buttons.editData);
    auto& male = frame.fakeCheckBox(CheckBoxId::Male);
    auto& female = frame.fakeCheckBox(CheckBoxId::Female);
    EXPECT_FALSE(male.isChecked());
    EXPECT_FALSE(female.isChecked());
    male.click();
    EXPECT_EQ(state.record.gender, kGenderMale);
    female.click();
    EXPECT_FALSE(male.isChecked());
    EXPECT_TRUE(female.isChecked());
    EXPECT_EQ(state.record.gender, kGenderFemale);
    female.click();
    EXPECT_TRUE(female.isChecked());
    EXPECT_EQ(state.record.gender, kGenderFemale);
    male.click();
    moveAndClick(buttons.ok);
    moveAndClick(buttons.editData);
    EXPECT_TRUE(male.isChecked());
    EXPECT_FALSE(female.isChecked());
}

TEST_F(DataFormTest, ClosingTheWindowFromTheFormKeepsWhatWasTyped) {
    state.screenId = screen::kMainMenu;
    moveAndClick(buttons.editData);
    type(ControlId::FullName, "Ewa Lis");
    type(ControlId::Siblings, "brat");
    files.showExitQuestion();
    EXPECT_EQ(state.screenId, screen::kExitQuestion);
    EXPECT_EQ(text(state.record.lastName), "Lis");
    EXPECT_EQ(text(state.record.siblings), "brat");
    EXPECT_FALSE(frame.fakeControl(ControlId::FullName).isVisible());
    EXPECT_FALSE(form.isShown());
    // "Anuluj" returns to the form with what was typed.
    moveAndClick(buttons.cancel);
    EXPECT_EQ(state.screenId, screen::kDataForm);
    EXPECT_TRUE(form.isShown());
    EXPECT_EQ(box(ControlId::FullName), "Ewa Lis");
    EXPECT_EQ(box(ControlId::Siblings), "brat");
}

// Each box with the record field it shows and stores.
struct BoxField {
    ControlId box;
    const char* name;
    std::span<char> (*field)(ExamineeRecord&);
};
const BoxField kBoxFields[] = {
    {ControlId::BirthDate, "birthDate",
     [](ExamineeRecord& r) { return std::span<char>(r.birthDate); }},
    {ControlId::ExamDate, "examDate",
     [](ExamineeRecord& r) { return std::span<char>(r.examDate); }},
    {ControlId::HomeAddress, "homeAddress",
     [](ExamineeRecord& r) { return std::span<char>(r.homeAddress); }},
    {ControlId::Contacts, "phoneContacts",
     [](ExamineeRecord& r) { return std::span<char>(r.phoneContacts); }},
    {ControlId::FacilityAddress, "facilityAddress",
     [](ExamineeRecord& r) { return std::span<char>(r.facilityAddress); }},
    {ControlId::Siblings, "siblings",
     [](ExamineeRecord& r) { return std::span<char>(r.siblings); }},
    {ControlId::Guardians, "guardians",
     [](ExamineeRecord& r) { return std::span<char>(r.guardians); }},
    {ControlId::AdditionalInfo, "additionalInfo",
     [](ExamineeRecord& r) { return std::span<char>(r.additionalInfo); }},
    {ControlId::Diagnostician, "diagnosticianName",
     [](ExamineeRecord& r) { return std::span<char>(r.diagnosticianName); }},
    {ControlId::PermitNumber, "diagnosticianPermitNo",
     [](ExamineeRecord& r) { return std::span<char>(r.diagnosticianPermitNo); }},
};
std::string fieldText(std::span<char> field) {
    return std::string(field.begin(), std::find(field.begin(), field.end(), '\0'));
}
void setField(std::span<char> field, const std::string& value) {
    std::fill(field.begin(), field.end(), '\0');
    std::copy(value.begin(), value.end(), field.begin());
}

TEST_F(DataFormTest, EveryBoxShowsAndStoresItsOwnField) {
    ExamineeRecord& r = state.record;
    for (const BoxField& f : kBoxFields) setField(f.field(r), std::string("shown ") + f.name);
    setText(r.firstName, "Anna");
    setText(r.lastName, "Nowak");
    state.screenId = screen::kMainMenu;
    moveAndClick(buttons.editData);
    EXPECT_EQ(box(ControlId::FullName), "Anna Nowak");
    for (const BoxField& f : kBoxFields) {
        EXPECT_EQ(box(f.box), std::string("shown ") + f.name) << f.name;
        type(f.box, std::string("typed ") + f.name);
    }
    type(ControlId::FullName, "Ewa Lis");
    moveAndClick(buttons.ok);
    EXPECT_EQ(text(r.firstName), "Ewa");
    EXPECT_EQ(text(r.lastName), "Lis");
    for (const BoxField& f : kBoxFields) {
        EXPECT_EQ(fieldText(f.field(r)), std::string("typed ") + f.name) << f.name;
    }
    EXPECT_EQ(std::size(kBoxFields) + 1, 11u);  // with the full name, all eleven boxes
}

}  // namespace
}  // namespace lun4
