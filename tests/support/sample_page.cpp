#include "sample_page.h"

#include "model/cp1250.h"

namespace lun4::testing {

void drawSamplePage(ui::Surface& s) {
    s.setBackgroundMode(ui::BackgroundMode::Transparent);
    s.setFillColour(ui::kWhite);
    s.setLineColour(ui::kBlack);
    s.box({0, 0, 1024, 768});
    s.setFillColour({217, 217, 217});
    s.box({100, 105, 248, 130});
    s.setFillColour({55, 181, 55});
    s.box({147, 129, 196, 155});
    s.fill({300, 300, 340, 320}, {255, 10, 10});
    s.line(130, 319, 928, 319, 3, ui::kBlack);
    s.line(689, 297, 689, 512, 1, ui::kBlack);
    s.line(700, 487, 780, 487, 1, ui::kBlack);
    s.setFont(ui::FontId::ReportHeading);
    s.drawText("UW", {100, 107, 248, 130}, ui::text::kCenter);
    s.setFont(ui::FontId::ReportBody);
    s.drawText(cp1250::fromUtf8Lossy("Zażółć gęślą jaźń\r\ndruga linia"), {115, 400, 922, 760},
               ui::text::kLeft);
    s.setTextColour({255, 10, 10});
    s.setFont(ui::FontId::SmallHeading);
    s.drawText("prawa", {600, 600, 900, 620}, ui::text::kRight);
    s.setTextColour(ui::kBlack);
}

}  // namespace lun4::testing
