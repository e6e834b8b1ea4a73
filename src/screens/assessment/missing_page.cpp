#include "screens/assessment/missing_page.h"

#include "model/cp1250.h"

namespace lun4 {

namespace {
constexpr ui::Rgb kPanel{246, 245, 240};
constexpr ui::Rgb kPanelEdge{208, 206, 200};
constexpr ui::Rgb kNote{128, 128, 128};
}  // namespace

std::string pageProblemText(ui::PageProblem problem, std::string_view page) {
    const std::string name(page);
    switch (problem) {
        case ui::PageProblem::Damaged:
            return cp1250::fromUtf8Lossy("Strona ") + name + " jest uszkodzona";
        case ui::PageProblem::Unreadable:
            return cp1250::fromUtf8Lossy("Nie można odczytać strony ") + name;
        case ui::PageProblem::None:
        case ui::PageProblem::Missing:
            break;
    }
    return "Brak strony " + name;
}

void drawMissingPage(ui::Surface& target, ui::Rect area, ui::PageProblem problem,
                     std::string_view page, std::string_view fileName) {
    const std::string whatIsWrong = pageProblemText(problem, page);
    // The fill and line colours are shared with other drawing; leave them as they were.
    const ui::Rgb fill = target.fillColour();
    const ui::Rgb line = target.lineColour();
    target.setFillColour(kPanel);
    target.setLineColour(kPanelEdge);
    target.box(area);
    target.setFillColour(fill);
    target.setLineColour(line);

    const int middle = (area.top + area.bottom) / 2;
    const unsigned flags = ui::text::kCenter | ui::text::kVCenter | ui::text::kSingleLine;
    target.setBackgroundMode(ui::BackgroundMode::Transparent);
    target.setTextColour(kNote);
    target.setFont(ui::FontId::Item);
    target.drawText(whatIsWrong, {area.left, middle - 24, area.right, middle}, flags);
    target.setFont(ui::FontId::SummaryText);
    target.drawText(fileName, {area.left, middle + 2, area.right, middle + 22}, flags);
}

}  // namespace lun4
