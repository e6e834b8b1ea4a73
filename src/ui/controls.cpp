#include "ui/controls.h"

#include <array>

namespace lun4::ui {

const ControlLayout& controlLayout(ControlId id) {
    static const std::array<ControlLayout, kControlCount> kLayouts = {{
        {ControlId::SaveName, {335, 358, 335 + 387, 358 + 20}, FontId::SystemDefault, Alignment::Left, false, 299},
        {ControlId::FullName, {280, 94, 280 + 232, 94 + 20}, FontId::Form, Alignment::Left, false, 299},
        {ControlId::BirthDate, {712, 94, 712 + 232, 94 + 20}, FontId::Form, Alignment::Left, false, 199},
        {ControlId::ExamDate, {712, 135, 712 + 232, 135 + 20}, FontId::Form, Alignment::Left, false, 199},
        {ControlId::HomeAddress, {90, 202, 90 + 410, 202 + 72}, FontId::Form, Alignment::Left, true, 499},
        {ControlId::Contacts, {548, 202, 548 + 380, 202 + 72}, FontId::Form, Alignment::Left, true, 499},
        {ControlId::FacilityAddress, {90, 326, 90 + 843, 326 + 69}, FontId::Form, Alignment::Left, true, 499},
        {ControlId::Siblings, {90, 448, 90 + 400, 448 + 60}, FontId::Form, Alignment::Left, true, 499},
        {ControlId::Guardians, {548, 448, 548 + 370, 448 + 60}, FontId::Form, Alignment::Left, true, 499},
        {ControlId::AdditionalInfo, {90, 560, 90 + 843, 560 + 60}, FontId::Form, Alignment::Left, true, 499},
        {ControlId::Diagnostician, {286, 644, 286 + 232, 644 + 20}, FontId::Form, Alignment::Left, false, 199},
        {ControlId::PermitNumber, {702, 644, 702 + 232, 644 + 20}, FontId::Form, Alignment::Left, false, 199},
        {ControlId::ReportBoxA, {270, 280, 270 + 470, 280 + 60}, FontId::Edit, Alignment::Center, true, 499},
        {ControlId::ReportBoxB, {650, 142, 650 + 250, 142 + 20}, FontId::Edit, Alignment::Right, false, 199},
        {ControlId::NoteEditor, {86, 249, 86 + 680, 249 + 380}, FontId::Edit, Alignment::Left, true, 1499},
    }};
    return kLayouts[static_cast<int>(id)];
}

const CheckBoxLayout& checkBoxLayout(CheckBoxId id) {
    static const std::array<CheckBoxLayout, 2> kLayouts = {{
        {CheckBoxId::Male, {200, 140, 213, 153}},
        {CheckBoxId::Female, {400, 140, 413, 153}},
    }};
    return kLayouts[static_cast<int>(id)];
}

}  // namespace lun4::ui
