#pragma once
// The document viewers opened from the print menu: the profile chart's two pages and its
// full-page view (screens 3021, 3022, 3900), the summary form's seven sheets (3023), the
// narrative report (3030), the aids viewer (4000) and the comparison of two assessments
// (3051), which also writes its sheet with "Do arkusza". Each shows the document as the record
// stands and prints it with "Drukuj"; the report is also saved as an editable document with
// "Zapisz do edycji". Opened from the print menu for a record with unscored items, a preview
// says so in a notice line on the first page it shows.

#include <memory>
#include <string>

#include "reports/narrative_report.h"
#include "reports/page_buffers.h"
#include "reports/print_job.h"
#include "screens/completeness.h"
#include "screens/controller/screen_controller.h"
#include "screens/menus/print_menu.h"
#include "screens/screen_module.h"

namespace lun4 {

class DocumentViewers : public ScreenModule {
  public:
    explicit DocumentViewers(ScreenController& controller);

    bool ownsScreen(int screenId) const override;
    void compose(int screenId) override;
    void hover(int x, int y) override;
    void click(int x, int y) override;
    // Right and Page Down show the next page, Left and Page Up the previous one, as their
    // buttons do where they are drawn (at once: a key held down stops at the last page);
    // Ctrl+P prints; Escape goes back.
    bool key(const ui::KeyPress& key) override;

    // The print menu's four choices: the chart's first page, the summary form's first sheet,
    // the report's cover, the first aid picture.
    void openFromPrintMenu(PrintChoice choice);

    void showChartPreview(int page);  // 1 or 2
    void showChartView();
    void showSummaryPreview(int page);  // 0..6
    void showReportPreview(int page);   // 1..page count
    void showAidsPage(int page);        // 0..16
    // The comparison of the record in memory with `chosen`, an assessment read from a file,
    // which is the earlier one unless `chosenIsLater`; its first page.
    void openComparison(std::unique_ptr<ExamineeRecord> chosen, bool chosenIsLater);
    void showComparisonPreview(int page);  // 1..comparison page count
    // Prints the document; a document that could not be printed is reported.
    reports::PrintResult printDocument(reports::Document document);

    int previewPage() const { return previewPage_; }
    int reportPageCount() const { return reportPageCount_; }
    int comparisonPageCount() const { return comparisonPageCount_; }

  private:
    ui::Frame& frame() { return controller_.frame(); }
    Buttons& buttons() { return controller_.buttons(); }
    ui::Surface& back(int index) { return controller_.frame().backBuffer(index); }
    reports::PageBuffers pageBuffers() { return {back(0), back(1), back(2)}; }
    const ExamineeRecord& record() { return controller_.state().record; }

    void place(ui::SkinButton& button, int x, int y);
    void drawButton(ui::SkinButton& button);
    // Draws the pending notice, once, then shows the screen.
    void showOnScreen(int screenId);
    void showCoverBoxes(bool visible);
    // The cover boxes' texts, kept in the user's settings as they are read.
    reports::CoverTexts coverTexts();
    // Fills the cover boxes with the texts kept from the last report.
    void proposeCoverTexts();
    void showButtonAsItIs(ui::SkinButton& button);
    void returnToMainMenu();
    // The two assessments of the comparison, in the order of their dates.
    const ExamineeRecord& earlierRecord() { return comparedIsLater_ ? record() : *compared_; }
    const ExamineeRecord& laterRecord() { return comparedIsLater_ ? *compared_ : record(); }

    ScreenController& controller_;
    reports::NarrativeReport report_;
    int previewPage_ = 0;
    int reportPageCount_ = 0;
    std::unique_ptr<ExamineeRecord> compared_;  // the assessment read for the comparison
    bool comparedIsLater_ = false;
    int comparisonPageCount_ = 1;
    std::string notice_;  // cp1250; drawn by the next preview page shown
    NoticeKind noticeKind_ = NoticeKind::Warning;
};

}  // namespace lun4
