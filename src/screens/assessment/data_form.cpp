#include "screens/assessment/data_form.h"

#include "screens/screen_ids.h"

namespace lun4 {
namespace {

using ui::CheckBoxId;
using ui::ControlId;

constexpr ControlId kBoxes[] = {
    ControlId::FullName,      ControlId::BirthDate,    ControlId::ExamDate,
    ControlId::HomeAddress,   ControlId::Contacts,     ControlId::FacilityAddress,
    ControlId::Siblings,      ControlId::Guardians,    ControlId::AdditionalInfo,
    ControlId::Diagnostician, ControlId::PermitNumber,
};

constexpr ui::Point kOkOnForm{465, 705};
constexpr ui::Point kOkHome{664, 657};

// The record fields behind boxes 1..10 (box 0 is the full name).
template <typename Fn>
void forEachField(ExamineeRecord& r, Fn fn) {
    fn(1, r.birthDate);
    fn(2, r.examDate);
    fn(3, r.homeAddress);
    fn(4, r.phoneContacts);
    fn(5, r.facilityAddress);
    fn(6, r.siblings);
    fn(7, r.guardians);
    fn(8, r.additionalInfo);
    fn(9, r.diagnosticianName);
    fn(10, r.diagnosticianPermitNo);
}

std::string_view trimBlanks(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

SplitName splitFullName(std::string_view fullName) {
    const std::string_view text = trimBlanks(fullName);
    const size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return {std::string(text), {}};
    return {std::string(text.substr(0, blank)), std::string(trimBlanks(text.substr(blank + 1)))};
}

DataForm::DataForm(ScreenController& controller) : controller_(controller) {
    ui::Frame& frame = controller_.frame();
    // The boxes work as a pair: a click ticks one, unticks the other and sets the gender;
    // clicking the ticked box leaves it ticked.
    auto choose = [this](CheckBoxId chosen, CheckBoxId other, char gender) {
        ui::Frame& f = controller_.frame();
        f.checkBox(chosen).setChecked(true);
        f.checkBox(other).setChecked(false);
        char& stored = controller_.state().record.gender;
        if (stored == gender) return;
        stored = gender;
        controller_.recordChanged();
    };
    frame.checkBox(CheckBoxId::Male).setOnClicked([choose] {
        choose(CheckBoxId::Male, CheckBoxId::Female, kGenderMale);
    });
    frame.checkBox(CheckBoxId::Female).setOnClicked([choose] {
        choose(CheckBoxId::Female, CheckBoxId::Male, kGenderFemale);
    });
}

bool DataForm::ownsScreen(int screenId) const {
    return screenId == screen::kDataForm;
}

void DataForm::compose(int) {
    // Composing again must not refill the boxes: that would discard what was typed.
    if (shown_) {
        drawScreen();
    } else {
        showDataForm();
    }
}

void DataForm::hover(int x, int y) {
    controller_.hoverAndRedraw(controller_.buttons().ok, x, y);
}

void DataForm::showDataForm() {
    ui::Frame& frame = controller_.frame();
    ExamineeRecord& record = controller_.state().record;
    controller_.state().screenId = screen::kDataForm;

    std::string fullName(text(record.firstName));
    if (!fullName.empty()) fullName += ' ';
    fullName += text(record.lastName);
    frame.control(ControlId::FullName).setText(fullName);
    forEachField(record, [&](int box, const auto& field) {
        frame.control(kBoxes[box]).setText(text(field));
    });
    // Read back what the boxes took (line breaks and spaces as the box gives them back), so
    // that a box left as it was is recognised when the form is closed.
    for (int i = 0; i < kBoxCount; ++i) filled_[i] = frame.control(kBoxes[i]).text();

    frame.checkBox(CheckBoxId::Male).setChecked(record.gender == kGenderMale);
    frame.checkBox(CheckBoxId::Female).setChecked(record.gender == kGenderFemale);
    setFormVisible(true);
    shown_ = true;
    drawScreen();
    frame.control(ControlId::FullName).setFocus();
}

void DataForm::drawScreen() {
    ui::Frame& frame = controller_.frame();
    ui::Surface& target = frame.backBuffer(0);
    target.drawImage(frame.images().loadBitmap("Data\\edycja.bmp"), 0, 0);
    ui::SkinButton& ok = controller_.buttons().ok;
    ok.setPosition(kOkOnForm.x, kOkOnForm.y);
    ok.draw(target);
    frame.present();
}

bool DataForm::key(const ui::KeyPress& key) {
    if (key.key != ui::Key::Enter || key.alt) return false;
    controller_.pressByKey(controller_.buttons().ok);
    return true;
}

bool DataForm::clickOk(int x, int y) {
    if (controller_.state().screenId != screen::kDataForm) return false;
    if (!controller_.buttons().ok.clickTest(x, y)) return false;
    acceptDataForm();
    return true;
}

void DataForm::acceptDataForm() {
    if (storeBoxes()) controller_.recordChanged();
    ui::SkinButton& ok = controller_.buttons().ok;
    controller_.feedback(ok);
    controller_.state().screenId = screen::kMainMenu;
    controller_.compose();
    ok.setPosition(kOkHome.x, kOkHome.y);
    setFormVisible(false);
    shown_ = false;
}

bool DataForm::keepEditsBeforeExit(int) {
    if (!shown_) return true;
    if (storeBoxes()) controller_.recordChanged();
    controller_.buttons().ok.setPosition(kOkHome.x, kOkHome.y);
    setFormVisible(false);
    shown_ = false;
    return true;
}

bool DataForm::resumeAfterExitQuestion(int) {
    showDataForm();
    return true;
}

bool DataForm::storeBoxes() {
    ui::Frame& frame = controller_.frame();
    ExamineeRecord& record = controller_.state().record;
    bool changed = false;
    // Each box is read no further than its record field holds (setText cuts to capacity).
    const auto store = [&changed](auto& field, std::string_view value) {
        const std::string before(text(field));
        setText(field, value);
        changed = changed || text(field) != before;
    };
    const std::string fullName = frame.control(ControlId::FullName).text();
    if (fullName != filled_[0]) {
        const SplitName name = splitFullName(fullName);
        store(record.firstName, name.firstName);
        store(record.lastName, name.lastName);
    }
    forEachField(record, [&](int box, auto& field) {
        const std::string value = frame.control(kBoxes[box]).text();
        if (value != filled_[box]) store(field, value);
    });
    return changed;
}

void DataForm::setFormVisible(bool visible) {
    ui::Frame& frame = controller_.frame();
    for (ControlId id : kBoxes) frame.control(id).setVisible(visible);
    frame.checkBox(CheckBoxId::Male).setVisible(visible);
    frame.checkBox(CheckBoxId::Female).setVisible(visible);
}

}  // namespace lun4
