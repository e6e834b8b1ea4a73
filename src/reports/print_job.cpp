#include "reports/print_job.h"

#include "model/cp1250.h"
#include "reports/chart.h"
#include "reports/comparison_document.h"
#include "reports/document_names.h"
#include "reports/summary_form.h"
#include "ui/recording_surface.h"

namespace lun4::reports {

std::string aidPictureName(int page) {
    return "Pomoce\\" + std::to_string(page + 1) + ".jpg";
}

namespace {

using ui::Rect;

// The three page buffers of a job, recorded. Only what is still visible is kept, and text
// is measured as the screen measures it, so the pages break their lines where the previews do.
struct Recordings {
    explicit Recordings(const ui::PrintTarget& target) {
        for (ui::RecordingSurface* r : {&b0, &b1, &b2}) {
            r->setDropsHiddenCalls(true);
            r->setTextMeasure([&target](std::string_view text, ui::FontId font) {
                return target.textWidth(text, font);
            });
        }
    }
    ui::RecordingSurface b0{"back0"};
    ui::RecordingSurface b1{"back1"};
    ui::RecordingSurface b2{"back2"};
    PageBuffers buffers() { return {b0, b1, b2}; }
};

// A source rectangle given as origin and size.
Rect area(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

// Shares of the printable area, by integer division as the sheets were laid out.
class Sheet {
  public:
    Sheet(ui::PrintTarget& target, int left, int width)
        : target_(target), size_(target.printableSize()), left_(left), width_(width) {}

    int v(int percent) const { return size_.height * percent / 100; }
    const ui::PageSize& size() const { return size_; }

    // Places `source` of `page` at the sheet's column, from y to y + height.
    void place(const ui::RecordingSurface& page, Rect source, int y, int height) {
        target_.place(page, source, {left_, y, left_ + width_, y + height});
    }

  private:
    ui::PrintTarget& target_;
    ui::PageSize size_;
    int left_;
    int width_;
};

void printChart(ui::PrintTarget& target, const PrintSources& s) {
    Recordings r(target);
    composeChartPage1(r.b0, s.images, s.record, ChartMode::Print);
    r.b1.copyWhole(r.b0);
    composeChartPage2(r.b0, s.images, s.record, ChartMode::Print);
    r.b2.copyWhole(r.b0);
    const ui::PageSize size = target.printableSize();
    Sheet sheet(target, size.width / 10, 8 * (size.width / 10));
    // From the top: the header block, page 1's plot, page 2's graphs.
    sheet.place(r.b1, area(47, 80, 930, 525), sheet.v(20), sheet.v(35));
    sheet.place(r.b1, area(47, 610, 930, 150), sheet.v(10), sheet.v(10));
    sheet.place(r.b2, area(47, 142, 905, 520), sheet.v(55), sheet.v(35));
}

void printSummaryForm(ui::PrintTarget& target, const PrintSources& s) {
    Recordings r(target);
    const ui::PageSize size = target.printableSize();
    Sheet sheet(target, size.width / 20, 9 * (size.width / 10));
    const int V = size.height;
    auto compose = [&](int part) {
        composeSummaryForm(part, SummaryVariant::Print, r.buffers(), s.images, s.record);
    };
    // Sheets 2, 4 and 6 are split at their cut lines (y 494, 449, 361): the part above ends
    // one printed page, the rest starts the next.
    compose(1);
    sheet.place(r.b1, area(95, 30, 845, 705), sheet.v(5), sheet.v(55));
    sheet.place(r.b2, area(95, 100, 845, 395), sheet.v(60) - 2, sheet.v(30));

    target.newPage();
    sheet.place(r.b2, area(95, 494, 845, 200), sheet.v(5), sheet.v(15));
    compose(2);
    sheet.place(r.b1, area(95, 100, 845, 572), V / 5 - V / 400, sheet.v(45));
    sheet.place(r.b2, area(95, 100, 845, 350), 6 * V / 10 + V / 20 - 2 * (V / 400), sheet.v(30));

    target.newPage();
    sheet.place(r.b2, area(95, 449, 845, 263), sheet.v(5), sheet.v(20));
    compose(3);
    sheet.place(r.b1, area(95, 100, 845, 591), sheet.v(25), sheet.v(45));
    sheet.place(r.b2, area(95, 100, 845, 262), sheet.v(70), sheet.v(20));

    target.newPage();
    sheet.place(r.b2, area(95, 361, 845, 352), sheet.v(5), sheet.v(27));
    compose(4);
    sheet.place(r.b1, area(95, 20, 845, 739), sheet.v(32), sheet.v(60));
}

void printReport(ui::PrintTarget& target, const PrintSources& s) {
    Recordings r(target);
    const ui::PageSize size = target.printableSize();
    Sheet sheet(target, size.width / 20, 9 * (size.width / 10));
    auto compose = [&](int page) { s.report.composePage(r.b0, s.images, s.record, s.cover, page); };
    // Every composition lays the whole report out: the cover already gives the page count.
    compose(1);
    const int pageCount = s.report.pageCount();
    sheet.place(r.b0, area(95, 50, 845, 400), sheet.v(5), sheet.v(35));
    compose(2);
    sheet.place(r.b0, area(95, 50, 845, 460), sheet.v(40), sheet.v(40));

    target.newPage();
    compose(3);
    sheet.place(r.b0, area(95, 50, 845, 430), sheet.v(10), sheet.v(40));
    compose(4);
    sheet.place(r.b0, area(95, 50, 845, 490), sheet.v(50), sheet.v(40));
    compose(5);
    // The bottom edge of the frame closes the sheet.
    sheet.place(r.b0, area(95, 750, 845, 10), sheet.v(90), sheet.v(1));

    // Two report pages per sheet inside one frame: the top edge of the frame, the upper
    // page, the lower page, then the bottom edge or, after the last page, the signature.
    int page = 5;
    if (pageCount < 5) return;
    while (page <= pageCount) {
        target.newPage();
        sheet.place(r.b0, area(95, 9, 845, 10), sheet.v(9), sheet.v(1));
        compose(page++);
        sheet.place(r.b0, area(95, 60, 845, 480), sheet.v(10), sheet.v(40));
        compose(page++);  // beyond the last page this is an empty framed page
        sheet.place(r.b0, area(95, 60, 845, 480), sheet.v(50), sheet.v(40));
        if (page > pageCount) {
            NarrativeReport::drawSignatureBlock(r.b0);
            sheet.place(r.b0, area(95, 730, 845, 35), sheet.v(90), sheet.v(3));
        } else {
            sheet.place(r.b0, area(95, 750, 845, 10), sheet.v(90), sheet.v(1));
        }
    }
}

void printAid(ui::PrintTarget& target, const PrintSources& s) {
    // The picture on screen, drawn from its file at the size of the sheet.
    Recordings r(target);
    r.b0.drawImage(s.images.loadPage(aidPictureName(s.aidPage)), 100, 80, 800, 560);
    const ui::PageSize size = target.printableSize();
    const int left = size.width * 10 / 100;
    const int top = size.height * 10 / 100;
    target.place(r.b0, area(100, 80, 800, 560),
                 {left, top, left + size.width * 80 / 100, top + size.height * 80 / 100});
}

void printComparison(ui::PrintTarget& target, const PrintSources& s) {
    if (s.earlier == nullptr) return;
    const ComparisonDocument document(*s.earlier, s.record);
    Recordings r(target);
    // Each page whole on its landscape sheet, as large as it fits, centred.
    const ui::PageSize size = target.printableSize();
    const bool widthBound = static_cast<long long>(size.width) * ui::kFrameHeight <=
                            static_cast<long long>(size.height) * ui::kFrameWidth;
    const int width = widthBound ? size.width : size.height * ui::kFrameWidth / ui::kFrameHeight;
    const int height = widthBound ? size.width * ui::kFrameHeight / ui::kFrameWidth : size.height;
    const int left = (size.width - width) / 2;
    const int top = (size.height - height) / 2;
    for (int page = 1; page <= document.pageCount(); ++page) {
        if (page > 1) target.newPage();
        document.composePage(r.b0, s.images, page, ChartMode::Print);
        target.place(r.b0, {0, 0, ui::kFrameWidth, ui::kFrameHeight},
                     {left, top, left + width, top + height});
    }
}

}  // namespace

PrintResult printDocument(Document document, ui::PrintTarget& target, const PrintSources& sources) {
    const std::string name =
        cp1250::toUtf8(documentName(document, sources.record, sources.aidPage));
    const bool landscape = document == Document::AidPicture || document == Document::Comparison;
    if (!target.begin(name, landscape)) {
        // A dialog the user closed says nothing; an output that could not be opened does.
        return target.error().empty() ? PrintResult::Cancelled : PrintResult::Failed;
    }
    switch (document) {
        case Document::ProfileChart:
            printChart(target, sources);
            break;
        case Document::SummaryForm:
            printSummaryForm(target, sources);
            break;
        case Document::NarrativeReport:
            printReport(target, sources);
            break;
        case Document::AidPicture:
            printAid(target, sources);
            break;
        case Document::Comparison:
            printComparison(target, sources);
            break;
    }
    return target.end() ? PrintResult::Printed : PrintResult::Failed;
}

}  // namespace lun4::reports
