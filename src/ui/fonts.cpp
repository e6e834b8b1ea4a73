#include "ui/fonts.h"

#include <array>

namespace lun4::ui {

const FontSpec& fontSpec(FontId id) {
    static constexpr std::array<FontSpec, kFontCount> kSpecs = {{
        {Face::Arial, 22, 700, false, false},   // Title
        {Face::Arial, 16, 700, false, false},   // Item
        {Face::Arial, 18, 700, false, false},   // Number
        {Face::Arial, 18, 400, false, false},   // Edit
        {Face::Arial, 18, 700, false, false},   // Form
        {Face::Arial, 20, 0, false, false},     // ReportBody
        {Face::Tahoma, 18, 700, false, false},  // List
        {Face::Tahoma, 20, 0, false, false},    // ListTitle
        {Face::Arial, 22, 700, false, false},   // ReportHeading
        {Face::Arial, 18, 700, false, true},    // ChartLabel
        {Face::Arial, 16, 700, false, false},   // SmallHeading
        {Face::Arial, 20, 800, false, false},   // ReportEmphasis
        {Face::Arial, 18, 700, false, false},   // SummaryHeading
        {Face::Arial, 16, 700, false, false},   // SummaryLabel
        {Face::Arial, 16, 0, false, false},     // SummaryText
        {Face::Arial, 16, 0, false, false},     // ReportText
        {Face::Arial, 20, 800, true, false},    // ReportTitle
        {Face::Arial, 14, 800, false, false},   // ReportSmallBold
        {Face::System, 16, 0, false, false},    // SystemDefault
    }};
    return kSpecs[static_cast<int>(id)];
}

}  // namespace lun4::ui
