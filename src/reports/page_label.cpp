#include "reports/page_label.h"

#include <string>

namespace lun4::reports {

void drawPageLabel(ui::Surface& target, int page, int pageCount) {
    const std::string label = "STRONA " + std::to_string(page) + "/" + std::to_string(pageCount);
    target.setFont(ui::FontId::SmallHeading);
    target.setTextColour(ui::kBlack);
    target.drawText(label, {821, 29, 948, 45}, ui::text::kCenter);
    target.setTextColour(ui::kWhite);
    target.drawText(label, {821, 26, 948, 44}, ui::text::kCenter);
    target.setTextColour(ui::kBlack);
}

}  // namespace lun4::reports
