#include "screens/viewers/document_viewers.h"

#include <algorithm>
#include <ctime>

#include "model/cp1250.h"
#include "reports/chart.h"
#include "reports/comparison_document.h"
#include "reports/page_label.h"
#include "reports/summary_form.h"
#include "screens/screen_ids.h"
#include "screens/settings/user_settings.h"
#include "screens/viewers/exports.h"

namespace lun4 {
namespace {

using ui::SkinButton;

constexpr int kLastSummaryPage = reports::kSummarySheetCount - 1;
constexpr int kLastAidPage = reports::kAidCount - 1;

}  // namespace

DocumentViewers::DocumentViewers(ScreenController& controller) : controller_(controller) {}

bool DocumentViewers::ownsScreen(int id) const {
    return id == screen::kChartPreview1 || id == screen::kChartPreview2 ||
           id == screen::kFullPageChart || id == screen::kSummaryPreview ||
           id == screen::kReportPreview || id == screen::kAidsViewer ||
           (id == screen::kComparisonPreview && compared_ != nullptr);
}

void DocumentViewers::compose(int id) {
    switch (id) {
        case screen::kChartPreview1:
            showChartPreview(1);
            break;
        case screen::kChartPreview2:
            showChartPreview(2);
            break;
        case screen::kFullPageChart:
            showChartView();
            break;
        case screen::kSummaryPreview:
            showSummaryPreview(previewPage_);
            break;
        case screen::kReportPreview:
            showReportPreview(previewPage_);
            break;
        case screen::kAidsViewer:
            showAidsPage(previewPage_);
            break;
        case screen::kComparisonPreview:
            showComparisonPreview(previewPage_);
            break;
    }
}

void DocumentViewers::openFromPrintMenu(PrintChoice choice) {
    // A document of an assessment not fully scored says so on its first page, without
    // stopping the user.
    notice_.clear();
    const Completeness scored = completeness(record());
    if (choice != PrintChoice::Aids && !scored.complete()) {
        notice_ = incompleteNotice(scored);
        noticeKind_ = NoticeKind::Warning;
    }
    switch (choice) {
        case PrintChoice::ProfileChart:
            showChartPreview(1);
            break;
        case PrintChoice::SummaryForm:
            showSummaryPreview(0);
            break;
        case PrintChoice::NarrativeReport:
            proposeCoverTexts();
            showReportPreview(1);
            break;
        case PrintChoice::Aids:
            showAidsPage(0);
            break;
        case PrintChoice::Comparison:
            break;  // the list of assessments comes first
    }
}

void DocumentViewers::openComparison(std::unique_ptr<ExamineeRecord> chosen, bool chosenIsLater) {
    compared_ = std::move(chosen);
    comparedIsLater_ = chosenIsLater;
    notice_.clear();
    showComparisonPreview(1);
}

void DocumentViewers::showComparisonPreview(int page) {
    Buttons& b = buttons();
    const reports::ComparisonDocument document(earlierRecord(), laterRecord());
    comparisonPageCount_ = document.pageCount();
    previewPage_ = std::clamp(page, 1, comparisonPageCount_);
    document.composePage(back(0), frame().images(), previewPage_, reports::ChartMode::Preview);
    place(b.back, 45, 695);
    place(b.print, 220, 695);
    place(b.comparisonSheet, 395, 695);
    place(b.previous, 560, 695);
    place(b.nextPage, 770, 695);
    drawButton(b.back);
    drawButton(b.print);
    drawButton(b.comparisonSheet);
    if (previewPage_ != 1) drawButton(b.previous);
    if (previewPage_ != comparisonPageCount_) drawButton(b.nextPage);
    showOnScreen(screen::kComparisonPreview);
}

void DocumentViewers::place(SkinButton& button, int x, int y) {
    button.setPosition(x, y);
    controller_.hoverFromLastMouse(button);
}

void DocumentViewers::drawButton(SkinButton& button) {
    button.draw(back(0));
}

void DocumentViewers::showOnScreen(int screenId) {
    if (!notice_.empty()) {
        drawPreviewNotice(back(0), notice_, noticeKind_);
        notice_.clear();
    }
    controller_.state().screenId = screenId;
    frame().present();
}

void DocumentViewers::showChartPreview(int page) {
    Buttons& b = buttons();
    SkinButton& step = page == 1 ? b.nextPage : b.previous;
    place(b.back, 45, 695);
    place(step, page == 1 ? 770 : 570, 695);
    place(b.preview, 220, 695);
    place(b.print, 395, 695);
    if (page == 1) {
        reports::composeChartPage1(back(0), frame().images(), record(),
                                   reports::ChartMode::Preview);
    } else {
        reports::composeChartPage2(back(0), frame().images(), record(),
                                   reports::ChartMode::Preview);
    }
    for (SkinButton* button : {&b.back, &step, &b.preview, &b.print}) drawButton(*button);
    showOnScreen(page == 1 ? screen::kChartPreview1 : screen::kChartPreview2);
}

void DocumentViewers::showChartView() {
    reports::composeChartOverview(pageBuffers(), frame().images(), record());
    back(0).drawImage(frame().images().loadBitmap("Data\\view.bmp"), 750, 20);
    place(buttons().back, 790, 45);
    drawButton(buttons().back);
    showOnScreen(screen::kFullPageChart);
}

void DocumentViewers::showSummaryPreview(int page) {
    Buttons& b = buttons();
    previewPage_ = page;
    reports::composeSummaryForm(page == kLastSummaryPage ? 4 : page / 2 + 1,
                                reports::SummaryVariant::Screen, pageBuffers(), frame().images(),
                                record());
    ui::Surface& target = back(0);
    target.drawImage(frame().images().loadBitmap("Data\\skala1.bmp"), 0, 0);
    target.drawImage(frame().images().loadBitmap("Data\\opisF.bmp"), 375, 3);
    place(b.back, 45, 695);
    place(b.previous, 560, 695);
    place(b.nextPage, 770, 695);
    place(b.print, 220, 695);
    if (page != 0) drawButton(b.previous);
    drawButton(b.back);
    drawButton(b.print);
    if (page != kLastSummaryPage) drawButton(b.nextPage);
    if (page == kLastSummaryPage) {
        // Sheet 7 runs from its first band at y 20 to the red warning at y 596: all of it is
        // shown, 30 pixels taller than the other sheets, so the warning is never cut off.
        target.copyFrom(back(1), {60, 10, 960, 600}, 50, 65);
    } else {
        target.copyFrom(back(page % 2 == 1 ? 2 : 1), {60, 50, 960, 610}, 50, 70);
    }
    reports::drawPageLabel(target, page + 1, reports::kSummarySheetCount);
    showOnScreen(screen::kSummaryPreview);
}

reports::CoverTexts DocumentViewers::coverTexts() {
    // The boxes hold at most 399 characters, as the page keeps them.
    auto read = [this](ui::ControlId id) {
        std::string text = frame().control(id).text();
        if (text.size() > 399) text.resize(399);
        return text;
    };
    const reports::CoverTexts cover{read(ui::ControlId::ReportBoxB),
                                    read(ui::ControlId::ReportBoxA)};
    // What the diagnostician typed is what the next report proposes.
    ui::Settings& settings = frame().settings();
    for (const auto& [key, text] : {std::pair{kCoverPlaceKey, &cover.placeAndDate},
                                    std::pair{kCoverInstitutionKey, &cover.institution}}) {
        const std::string utf8 = cp1250::toUtf8(*text);
        if (settings.value(key) != utf8) settings.setValue(key, utf8);
    }
    return cover;
}

void DocumentViewers::proposeCoverTexts() {
    // A text kept from an earlier run that the page could not print is not proposed.
    auto propose = [this](ui::ControlId id, std::string_view key) {
        const auto text = cp1250::fromUtf8(frame().settings().value(key));
        if (!text || text->find(cp1250::kSeparator) != std::string::npos) return;
        frame().control(id).setText(text->substr(0, std::min<size_t>(text->size(), 399)));
    };
    // The place kept in the settings, with the day the report is made; else what was typed on
    // the last cover.
    const std::string placeAndDate = coverPlaceAndDate(frame().settings(), std::time(nullptr));
    if (placeAndDate.empty()) {
        propose(ui::ControlId::ReportBoxB, kCoverPlaceKey);
    } else {
        frame().control(ui::ControlId::ReportBoxB).setText(placeAndDate.substr(0, 399));
    }
    propose(ui::ControlId::ReportBoxA, kCoverInstitutionKey);
}

void DocumentViewers::showCoverBoxes(bool visible) {
    ui::TextControl& institution = frame().control(ui::ControlId::ReportBoxA);
    ui::TextControl& placeAndDate = frame().control(ui::ControlId::ReportBoxB);
    if (visible) {
        // The boxes lie on the white page without a frame of their own: the hints say what
        // belongs there until something is typed.
        institution.setPlaceholder("wpisz nazwę placówki");
        placeAndDate.setPlaceholder("wpisz miejscowość i datę");
    }
    institution.setVisible(visible);
    placeAndDate.setVisible(visible);
}

void DocumentViewers::showReportPreview(int page) {
    Buttons& b = buttons();
    const reports::CoverTexts cover = coverTexts();
    previewPage_ = page;
    report_.composePage(back(0), frame().images(), record(), cover, page);
    reportPageCount_ = report_.pageCount();
    // The cover's two boxes lie over the preview of page 1 only.
    showCoverBoxes(page == 1);
    back(1).copyWhole(back(0));
    ui::Surface& target = back(0);
    target.drawImage(frame().images().loadBitmap("Data\\skala1.bmp"), 0, 0);
    target.drawImage(frame().images().loadBitmap("Data\\opisE.bmp"), 375, 2);
    target.copyFrom(back(1), {60, 50, 960, 550}, 50, 100);
    place(b.back, 45, 695);
    place(b.previous, 560, 695);
    place(b.nextPage, 770, 695);
    place(b.print, 220, 695);
    place(b.saveForEditing, kSaveForEditingButton.x, kSaveForEditingButton.y);
    if (page != 1) drawButton(b.previous);
    drawButton(b.back);
    drawButton(b.print);
    drawButton(b.saveForEditing);
    if (page != reportPageCount_) drawButton(b.nextPage);
    reports::drawPageLabel(target, page, reportPageCount_);
    showOnScreen(screen::kReportPreview);
}

void DocumentViewers::showAidsPage(int page) {
    Buttons& b = buttons();
    ui::Surface& target = back(0);
    target.setBackgroundMode(ui::BackgroundMode::Transparent);
    previewPage_ = page;
    target.drawImage(frame().images().loadBitmap("Data\\skala1.bmp"), 0, 0);
    target.drawImage(frame().images().loadBitmap("Data\\opisP.bmp"), 375, 2);
    place(b.back, 45, 695);
    place(b.previous, 560, 695);
    place(b.nextPage, 770, 695);
    place(b.print, 220, 695);
    drawButton(b.back);
    if (page != 0) drawButton(b.previous);
    if (page != kLastAidPage) drawButton(b.nextPage);
    drawButton(b.print);
    target.drawImage(frame().images().loadPage(reports::aidPictureName(page)), 100, 80, 800, 560);
    reports::drawPageLabel(target, page + 1, reports::kAidCount);
    showOnScreen(screen::kAidsViewer);
}

reports::PrintResult DocumentViewers::printDocument(reports::Document document) {
    const int aidPage = document == reports::Document::AidPicture ? previewPage_ : 0;
    const reports::CoverTexts cover =
        document == reports::Document::NarrativeReport ? coverTexts() : reports::CoverTexts{};
    // A comparison is named for, and gendered by, its later assessment.
    const bool comparison = document == reports::Document::Comparison;
    const ExamineeRecord& printed = comparison ? laterRecord() : record();
    const reports::PrintSources sources{frame().images(), printed,
                                        report_,          cover,
                                        aidPage,          comparison ? &earlierRecord() : nullptr};
    ui::PrintTarget& printer = frame().printer();
    // Printing to a file proposes the document's name in the folder used last.
    const std::string name = cp1250::toUtf8(printedFileName(document, printed, aidPage));
    printer.proposeFile(lastFolder(frame()) / std::u8string(name.begin(), name.end()));
    const reports::PrintResult result = reports::printDocument(document, printer, sources);
    if (result == reports::PrintResult::Printed && !printer.printedFile().empty()) {
        rememberFolder(frame(), printer.printedFile());
    }
    if (result == reports::PrintResult::Failed) {
        std::string message = "Nie udało się wydrukować dokumentu.";
        if (!printer.error().empty()) message += "\n" + printer.error();
        frame().showMessage("LUN4_TORVA", cp1250::fromUtf8Lossy(message));
    }
    return result;
}

void DocumentViewers::showButtonAsItIs(SkinButton& button) {
    // The screen stays as it was: only the button's pressed look goes, so that it does not
    // stay pressed on the window until the mouse moves.
    controller_.hoverFromLastMouse(button);
    button.draw(frame().windowSurface());
    frame().showWindowSurface();
}

void DocumentViewers::returnToMainMenu() {
    if (controller_.state().screenId == screen::kReportPreview) coverTexts();
    // The list screens expect the arrows at their home places.
    buttons().nextPage.setPosition(665, 676);
    buttons().previous.setPosition(458, 676);
    showCoverBoxes(false);
    compared_.reset();
    controller_.state().screenId = screen::kMainMenu;
    controller_.compose();
}

void DocumentViewers::hover(int x, int y) {
    Buttons& b = buttons();
    const int id = controller_.state().screenId;
    auto lit = [&](SkinButton& button) { controller_.hoverAndRedraw(button, x, y); };
    switch (id) {
        case screen::kChartPreview1:
            for (SkinButton* button : {&b.back, &b.nextPage, &b.preview, &b.print}) lit(*button);
            break;
        case screen::kChartPreview2:
            for (SkinButton* button : {&b.back, &b.previous, &b.preview, &b.print}) lit(*button);
            break;
        case screen::kFullPageChart:
            lit(b.back);
            break;
        case screen::kSummaryPreview:
        case screen::kReportPreview:
        case screen::kAidsViewer: {
            const int first = id == screen::kReportPreview ? 1 : 0;
            const int last = id == screen::kSummaryPreview ? kLastSummaryPage
                             : id == screen::kAidsViewer   ? kLastAidPage
                                                           : reportPageCount_;
            lit(b.back);
            lit(b.print);
            if (id == screen::kReportPreview) lit(b.saveForEditing);
            if (previewPage_ != first) lit(b.previous);
            if (previewPage_ != last) lit(b.nextPage);
            break;
        }
        case screen::kComparisonPreview:
            lit(b.back);
            lit(b.print);
            lit(b.comparisonSheet);
            if (previewPage_ != 1) lit(b.previous);
            if (previewPage_ != comparisonPageCount_) lit(b.nextPage);
            break;
    }
}

void DocumentViewers::click(int x, int y) {
    Buttons& b = buttons();
    const int id = controller_.state().screenId;
    auto pressed = [&](SkinButton& button) {
        if (!button.clickTest(x, y)) return false;
        controller_.feedback(button);
        return true;
    };
    switch (id) {
        case screen::kChartPreview1:
        case screen::kChartPreview2:
            if (pressed(b.back)) {
                returnToMainMenu();
            } else if (id == screen::kChartPreview1 && pressed(b.nextPage)) {
                showChartPreview(2);
            } else if (id == screen::kChartPreview2 && pressed(b.previous)) {
                showChartPreview(1);
            } else if (pressed(b.preview)) {
                showChartView();
            } else if (pressed(b.print)) {
                if (printDocument(reports::Document::ProfileChart) ==
                    reports::PrintResult::Cancelled) {
                    showButtonAsItIs(b.print);
                } else {
                    // Back to the preview page the chart was printed from.
                    showChartPreview(id == screen::kChartPreview1 ? 1 : 2);
                }
            }
            break;
        case screen::kFullPageChart:
            if (pressed(b.back)) showChartPreview(1);
            break;
        case screen::kSummaryPreview:
            if (pressed(b.back)) {
                returnToMainMenu();
            } else if (previewPage_ != kLastSummaryPage && pressed(b.nextPage)) {
                showSummaryPreview(previewPage_ + 1);
            } else if (previewPage_ != 0 && pressed(b.previous)) {
                showSummaryPreview(previewPage_ - 1);
            } else if (pressed(b.print)) {
                printDocument(reports::Document::SummaryForm);
                showSummaryPreview(previewPage_);
            }
            break;
        case screen::kReportPreview:
            if (pressed(b.back)) {
                returnToMainMenu();
            } else if (previewPage_ != reportPageCount_ && pressed(b.nextPage)) {
                showReportPreview(previewPage_ + 1);
            } else if (previewPage_ != 1 && pressed(b.previous)) {
                showReportPreview(previewPage_ - 1);
            } else if (pressed(b.print)) {
                printDocument(reports::Document::NarrativeReport);
                showReportPreview(previewPage_);
            } else if (pressed(b.saveForEditing)) {
                if (const auto written = saveEditableReport(frame(), record(), coverTexts())) {
                    notice_ = savedNotice(*written);
                    noticeKind_ = NoticeKind::Done;
                }
                showReportPreview(previewPage_);
            }
            break;
        case screen::kAidsViewer:
            if (pressed(b.back)) {
                returnToMainMenu();
            } else if (previewPage_ != kLastAidPage && pressed(b.nextPage)) {
                showAidsPage(previewPage_ + 1);
            } else if (previewPage_ != 0 && pressed(b.previous)) {
                showAidsPage(previewPage_ - 1);
            } else if (pressed(b.print)) {
                printDocument(reports::Document::AidPicture);
                showButtonAsItIs(b.print);
            }
            break;
        case screen::kComparisonPreview:
            if (pressed(b.back)) {
                returnToMainMenu();
            } else if (previewPage_ != comparisonPageCount_ && pressed(b.nextPage)) {
                showComparisonPreview(previewPage_ + 1);
            } else if (previewPage_ != 1 && pressed(b.previous)) {
                showComparisonPreview(previewPage_ - 1);
            } else if (pressed(b.print)) {
                printDocument(reports::Document::Comparison);
                showComparisonPreview(previewPage_);
            } else if (pressed(b.comparisonSheet)) {
                if (const auto written =
                        saveComparisonSheet(frame(), earlierRecord(), laterRecord())) {
                    notice_ = savedNotice(*written);
                    noticeKind_ = NoticeKind::Done;
                }
                showComparisonPreview(previewPage_);
            }
            break;
    }
}

bool DocumentViewers::key(const ui::KeyPress& key) {
    Buttons& b = buttons();
    const int id = controller_.state().screenId;
    const bool forward = key.plain(ui::Key::Right) || key.plain(ui::Key::PageDown);
    const bool backward = key.plain(ui::Key::Left) || key.plain(ui::Key::PageUp);
    // The arrows each screen draws: a key held down stops at the first or last page.
    bool next = false, previous = false;
    switch (id) {
        case screen::kChartPreview1:
            next = true;
            break;
        case screen::kChartPreview2:
            previous = true;
            break;
        case screen::kSummaryPreview:
            next = previewPage_ != kLastSummaryPage;
            previous = previewPage_ != 0;
            break;
        case screen::kReportPreview:
            next = previewPage_ != reportPageCount_;
            previous = previewPage_ != 1;
            break;
        case screen::kAidsViewer:
            next = previewPage_ != kLastAidPage;
            previous = previewPage_ != 0;
            break;
        case screen::kComparisonPreview:
            next = previewPage_ != comparisonPageCount_;
            previous = previewPage_ != 1;
            break;
    }
    if (forward || backward) {
        if (forward && next) controller_.pressByKey(b.nextPage, true);
        if (backward && previous) controller_.pressByKey(b.previous, true);
        return true;
    }
    if (key.plain(ui::Key::Escape)) {
        controller_.pressByKey(b.back);
        return true;
    }
    if (key.withCtrl('P')) {
        if (id != screen::kFullPageChart) controller_.pressByKey(b.print);
        return true;
    }
    return false;
}

}  // namespace lun4
