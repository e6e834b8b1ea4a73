// The document viewers reached from the print menu: which buttons each page shows, where
// its picture comes from, its page label, and where every click leads.

#include <gtest/gtest.h>

#include "file_screens_fixture.h"
#include "model/catalogue.h"
#include "recorded_calls.h"
#include "screens/viewers/exports.h"

namespace lun4::testing {
namespace {

class ViewersTest : public PrintMenuTest {
  protected:
    void show(std::function<void()> compose) {
        frame.back(0).clearCalls();
        compose();
    }
    bool drew(const std::string& base) { return drewButton(frame.back(0), base); }
    std::vector<std::string> labels() {
        std::vector<std::string> out;
        for (const auto& t : frame.back(0).callsOf(ui::DrawCall::Text)) {
            if (t.name.rfind("STRONA ", 0) == 0 && t.colour == ui::kWhite) out.push_back(t.name);
        }
        return out;
    }
    ui::DrawCall lastCopy() {
        const auto copies = frame.back(0).callsOf(ui::DrawCall::Copy);
        return copies.empty() ? ui::DrawCall{} : copies.back();
    }
};

TEST_F(ViewersTest, PrintMenuChoicesOpenTheirViewers) {
    choose(0);
    EXPECT_EQ(state.screenId, screen::kChartPreview1);
    choose(1);
    EXPECT_EQ(state.screenId, screen::kSummaryPreview);
    EXPECT_EQ(viewers.previewPage(), 0);
    choose(2);
    EXPECT_EQ(state.screenId, screen::kReportPreview);
    EXPECT_EQ(viewers.previewPage(), 1);
    choose(3);
    EXPECT_EQ(state.screenId, screen::kAidsViewer);
    EXPECT_EQ(viewers.previewPage(), 0);
}

TEST_F(ViewersTest, ChartPagesTheirButtonsAndTheFullPageView) {
    show([&] { viewers.showChartPreview(1); });
    EXPECT_EQ(state.screenId, screen::kChartPreview1);
    EXPECT_EQ(topLeft(buttons.back), (ui::Point{45, 695}));
    EXPECT_EQ(topLeft(buttons.nextPage), (ui::Point{770, 695}));
    EXPECT_EQ(topLeft(buttons.preview), (ui::Point{220, 695}));
    EXPECT_EQ(topLeft(buttons.print), (ui::Point{395, 695}));
    EXPECT_TRUE(drew("Data\\BMP\\nastepne"));
    EXPECT_FALSE(drew("Data\\BMP\\poprzednie"));
    EXPECT_TRUE(frame.back(0).drewText("STRONA 1/2"));

    moveAndClick(buttons.nextPage);
    EXPECT_EQ(state.screenId, screen::kChartPreview2);
    EXPECT_EQ(topLeft(buttons.previous), (ui::Point{570, 695}));
    moveAndClick(buttons.previous);
    EXPECT_EQ(state.screenId, screen::kChartPreview1);

    moveAndClick(buttons.preview);
    EXPECT_EQ(state.screenId, screen::kFullPageChart);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\view.bmp"));
    EXPECT_EQ(topLeft(buttons.back), (ui::Point{790, 45}));
    moveAndClick(buttons.back);
    EXPECT_EQ(state.screenId, screen::kChartPreview1);

    viewers.showChartPreview(2);
    moveAndClick(buttons.back);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    // The lists expect the arrows at home again.
    EXPECT_EQ(topLeft(buttons.nextPage), (ui::Point{665, 676}));
    EXPECT_EQ(topLeft(buttons.previous), (ui::Point{458, 676}));
}

TEST_F(ViewersTest, SummarySheetsComeFromTheirPageBuffers) {
    struct Case {
        int page;
        std::string buffer;
        ui::Rect source;
        ui::Rect target;
    };
    const ui::Rect sheet{60, 50, 960, 610};
    const ui::Rect place{50, 70, 950, 630};
    // The last sheet shows everything from its first band to the red warning at y 596.
    for (const Case& c : {Case{0, "back1", sheet, place}, Case{1, "back2", sheet, place},
                          Case{2, "back1", sheet, place}, Case{5, "back2", sheet, place},
                          Case{6, "back1", {60, 10, 960, 600}, {50, 65, 950, 655}}}) {
        show([&] { viewers.showSummaryPreview(c.page); });
        const ui::DrawCall copy = lastCopy();
        EXPECT_EQ(copy.name, c.buffer) << c.page;
        EXPECT_EQ(copy.source, c.source) << c.page;
        EXPECT_EQ(copy.rect, c.target) << c.page;
        EXPECT_EQ(labels(),
                  std::vector<std::string>{"STRONA " + std::to_string(c.page + 1) + "/7"});
        EXPECT_EQ(drew("Data\\BMP\\poprzednie"), c.page != 0) << c.page;
        EXPECT_EQ(drew("Data\\BMP\\nastepne"), c.page != 6) << c.page;
        EXPECT_TRUE(frame.back(0).drewImage("Data\\opisF.bmp"));
    }
}

TEST_F(ViewersTest, SummaryStepsStopAtTheFirstAndLastSheet) {
    viewers.showSummaryPreview(0);
    // The hidden "previous" button of the first sheet does nothing.
    moveAndClick(buttons.previous);
    EXPECT_EQ(viewers.previewPage(), 0);
    for (int i = 1; i <= 6; ++i) {
        moveAndClick(buttons.nextPage);
        EXPECT_EQ(viewers.previewPage(), i);
    }
    moveAndClick(buttons.nextPage);
    EXPECT_EQ(viewers.previewPage(), 6);
    moveAndClick(buttons.previous);
    EXPECT_EQ(viewers.previewPage(), 5);
    moveAndClick(buttons.back);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
}

TEST_F(ViewersTest, ReportCoverBoxesShowOnPageOneOnlyAndTheirTextReachesThePage) {
    frame.fakeControl(ui::ControlId::ReportBoxB).setText(cp("Kraków, 3 marca 2026"));
    frame.fakeControl(ui::ControlId::ReportBoxA).setText(cp("Poradnia Zdrowie"));
    show([&] { viewers.showReportPreview(1); });
    const int pages = viewers.reportPageCount();
    ASSERT_GE(pages, 13);
    EXPECT_TRUE(frame.fakeControl(ui::ControlId::ReportBoxA).isVisible());
    EXPECT_TRUE(frame.fakeControl(ui::ControlId::ReportBoxB).isVisible());
    EXPECT_EQ(labels(), std::vector<std::string>{"STRONA 1/" + std::to_string(pages)});
    EXPECT_FALSE(drew("Data\\BMP\\poprzednie"));
    EXPECT_TRUE(drew("Data\\BMP\\nastepne"));
    // The page is composed in back buffer 0, kept in 1 and shown from there.
    EXPECT_EQ(lastCopy().name, "back1");
    EXPECT_EQ(lastCopy().source, (ui::Rect{60, 50, 960, 550}));
    EXPECT_EQ(lastCopy().rect, (ui::Rect{50, 100, 950, 600}));
    const auto& b1 = frame.back(1).calls();
    ASSERT_FALSE(b1.empty());
    ASSERT_TRUE(b1.back().content);
    bool place = false, institution = false;
    for (const auto& call : *b1.back().content) {
        place |= call.name == cp("Kraków, 3 marca 2026");
        institution |= call.name == cp("Poradnia Zdrowie");
    }
    EXPECT_TRUE(place);
    EXPECT_TRUE(institution);

    moveAndClick(buttons.nextPage);
    EXPECT_EQ(viewers.previewPage(), 2);
    EXPECT_FALSE(frame.fakeControl(ui::ControlId::ReportBoxA).isVisible());
    EXPECT_FALSE(frame.fakeControl(ui::ControlId::ReportBoxB).isVisible());
    moveAndClick(buttons.previous);
    EXPECT_TRUE(frame.fakeControl(ui::ControlId::ReportBoxA).isVisible());

    show([&] { viewers.showReportPreview(pages); });
    EXPECT_EQ(labels(), std::vector<std::string>{"STRONA " + std::to_string(pages) + "/" +
                                                 std::to_string(pages)});
    EXPECT_FALSE(drew("Data\\BMP\\nastepne"));
    moveAndClick(buttons.nextPage);
    EXPECT_EQ(viewers.previewPage(), pages);

    viewers.showReportPreview(1);
    moveAndClick(buttons.back);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_FALSE(frame.fakeControl(ui::ControlId::ReportBoxA).isVisible());
    EXPECT_FALSE(frame.fakeControl(ui::ControlId::ReportBoxB).isVisible());
}

TEST_F(ViewersTest, AidsViewerShowsSeventeenPictures) {
    show([&] { viewers.showAidsPage(0); });
    EXPECT_EQ(labels(), std::vector<std::string>{"STRONA 1/17"});
    EXPECT_FALSE(drew("Data\\BMP\\poprzednie"));
    EXPECT_TRUE(drew("Data\\BMP\\nastepne"));
    EXPECT_TRUE(frame.back(0).drewImage("Data\\opisP.bmp"));
    const auto images = frame.back(0).callsOf(ui::DrawCall::Image);
    ASSERT_FALSE(images.empty());
    EXPECT_EQ(images.back().name, "Pomoce\\1.jpg");

    for (int i = 1; i < 20; ++i) moveAndClick(buttons.nextPage);
    EXPECT_EQ(viewers.previewPage(), 16);
    show([&] { viewers.showAidsPage(16); });
    EXPECT_EQ(labels(), std::vector<std::string>{"STRONA 17/17"});
    EXPECT_FALSE(drew("Data\\BMP\\nastepne"));
    EXPECT_TRUE(drew("Data\\BMP\\poprzednie"));
    const auto last = frame.back(0).callsOf(ui::DrawCall::Image);
    ASSERT_FALSE(last.empty());
    EXPECT_EQ(last.back().name, "Pomoce\\17.jpg");
    EXPECT_EQ(last.back().rect, (ui::Rect{100, 80, 900, 640}));
}

// In every viewer a held key or a double click on the last arrow stops at the last page, an
// arrow that is not drawn neither lights nor acts, the keys step back to the first page, Ctrl+P
// prints and Escape goes back.
TEST_F(ViewersTest, KeysAndDoubleClicksStayWithinTheFirstAndLastPage) {
    const auto key = [&](ui::Key k) { controller.keyPressed(ui::keyPress(k)); };
    const auto page = [&] {
        return state.screenId == screen::kChartPreview1   ? 1
               : state.screenId == screen::kChartPreview2 ? 2
                                                          : viewers.previewPage();
    };
    struct Viewer {
        int choice, first, last;
    };
    for (Viewer v : {Viewer{0, 1, 2}, Viewer{1, 0, 6}, Viewer{2, 1, 0}, Viewer{3, 0, 16}}) {
        SCOPED_TRACE(v.choice);
        choose(v.choice);
        if (v.choice == 2) v.last = viewers.reportPageCount();
        ASSERT_GT(v.last, v.first);
        key(ui::Key::Left);
        EXPECT_EQ(page(), v.first);
        EXPECT_EQ(buttons.previous.state(), ui::SkinButton::Normal);
        for (int i = v.first; i < v.last - 1; ++i) key(ui::Key::PageDown);
        EXPECT_EQ(page(), v.last - 1);
        // The double click's first press reaches the last page, its second finds no arrow.
        testing::moveAndClick(controller, state, centre(buttons.nextPage));
        controller.leftButtonDoubleClick(centre(buttons.nextPage).x, centre(buttons.nextPage).y);
        EXPECT_EQ(page(), v.last);
        frame.window().clearCalls();
        for (int i = 0; i < 5; ++i) key(ui::Key::Right);
        EXPECT_EQ(page(), v.last);
        EXPECT_FALSE(frame.window().drewImage("Data\\BMP\\nastepne_p.bmp"));
        for (int i = 0; i < v.last + 3; ++i) key(ui::Key::Left);
        EXPECT_EQ(page(), v.first);
        const size_t printed = frame.fakePrinter().documents.size();
        controller.keyPressed([] {
            ui::KeyPress p = ui::letter('P');
            p.ctrl = true;
            return p;
        }());
        EXPECT_EQ(frame.fakePrinter().documents.size(), printed + 1);
        key(ui::Key::Escape);
        EXPECT_EQ(state.screenId, screen::kMainMenu);
    }
}

TEST_F(ViewersTest, PrintingReturnsToThePageItStartedFrom) {
    auto& printer = frame.fakePrinter();
    viewers.showChartPreview(2);
    moveAndClick(buttons.print);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0].name, "profil");
    EXPECT_EQ(state.screenId, screen::kChartPreview2);

    viewers.showChartPreview(1);
    moveAndClick(buttons.print);
    EXPECT_EQ(state.screenId, screen::kChartPreview1);

    viewers.showSummaryPreview(3);
    moveAndClick(buttons.print);
    EXPECT_EQ(state.screenId, screen::kSummaryPreview);
    EXPECT_EQ(viewers.previewPage(), 3);
    EXPECT_EQ(printer.documents.size(), 3u);
    EXPECT_EQ(printer.documents[2].pages.size(), 4u);
}

// Printing to a file proposes the document's name, whose and what it is, in the folder a file
// was last saved or printed to.
TEST_F(ViewersTest, PrintingToAFileProposesTheDocumentsNameInTheFolderUsedLast) {
    auto& printer = frame.fakePrinter();
    setText(state.record.firstName, cp("Jan"));
    setText(state.record.lastName, cp("Nowak"));
    viewers.showChartPreview(1);
    moveAndClick(buttons.print);
    ASSERT_EQ(printer.proposedFiles.size(), 1u);
    EXPECT_EQ(printer.proposedFiles[0], fs::path(u8"Nowak Jan – profil.pdf"));
    EXPECT_EQ(printer.documents[0].name, "Nowak Jan – profil");
    // Printed to a file: its folder is used from now on.
    printer.printToFile = root / "wydruki" / "wykres.pdf";
    viewers.showSummaryPreview(0);
    moveAndClick(buttons.print);
    viewers.showAidsPage(4);
    moveAndClick(buttons.print);
    ASSERT_EQ(printer.proposedFiles.size(), 3u);
    EXPECT_EQ(printer.proposedFiles[2], root / "wydruki" / fs::path(u8"Nowak Jan – pomoc 5.pdf"));
    EXPECT_EQ(printer.documents[2].name, "Nowak Jan – pomoc 5");
    EXPECT_EQ(frame.fakeSettings().value(kLastFolderKey), (root / "wydruki").string());
}

// The cover's place and institution are what the diagnostician typed for the last report,
// proposed when a report is opened again, even in a later run; they can still be changed.
TEST_F(ViewersTest, TheCoverTextsOfTheLastReportAreProposed) {
    choose(2);
    EXPECT_EQ(frame.fakeControl(ui::ControlId::ReportBoxB).text(), "");
    frame.fakeControl(ui::ControlId::ReportBoxB).setText(cp("Łódź, 3 marca 2026"));
    frame.fakeControl(ui::ControlId::ReportBoxA).setText(cp("Poradnia nr 2\r\nw Łodzi"));
    moveAndClick(buttons.back);
    EXPECT_EQ(frame.fakeSettings().value(kCoverPlaceKey), "Łódź, 3 marca 2026");
    EXPECT_EQ(frame.fakeSettings().value(kCoverInstitutionKey), "Poradnia nr 2\r\nw Łodzi");
    // A later run: the boxes start empty, the settings are kept.
    frame.fakeControl(ui::ControlId::ReportBoxB).setText("");
    frame.fakeControl(ui::ControlId::ReportBoxA).setText("");
    choose(2);
    EXPECT_EQ(frame.fakeControl(ui::ControlId::ReportBoxB).text(), cp("Łódź, 3 marca 2026"));
    EXPECT_EQ(frame.fakeControl(ui::ControlId::ReportBoxA).text(), cp("Poradnia nr 2\r\nw Łodzi"));
    EXPECT_TRUE(frame.back(1).calls().back().content != nullptr);
    // Changed for this report: the next one proposes the change.
    frame.fakeControl(ui::ControlId::ReportBoxB).setText(cp("Łódź, 4 marca 2026"));
    moveAndClick(buttons.nextPage);
    EXPECT_EQ(frame.fakeSettings().value(kCoverPlaceKey), "Łódź, 4 marca 2026");
    // A kept text the page could not print is not proposed: the box keeps what it holds.
    frame.fakeControl(ui::ControlId::ReportBoxB).setText(cp("Kraków"));
    moveAndClick(buttons.back);
    frame.fakeSettings().setValue(kCoverPlaceKey, "№ 5");
    choose(2);
    EXPECT_EQ(frame.fakeControl(ui::ControlId::ReportBoxB).text(), cp("Kraków"));
}

// A report of more than 100 pages, opened after a short one: its label, its "Następna" and
// the print job follow its own page count to the last page and the signature.
TEST_F(ViewersTest, ALongReportPagesThroughToItsLastPageAfterAShortOne) {
    for (int k = 1; k <= kItemCount; ++k) state.record.scores[k] = kPass;
    choose(2);
    EXPECT_EQ(viewers.reportPageCount(), 13);
    for (int lines : {12, 18}) {
        for (int k = 1; k <= kItemCount; ++k) {
            state.record.scores[k] = kFail;
            std::string note;
            for (int i = 1; i <= lines; ++i) note += "Wiersz " + std::to_string(i) + ".\r\n";
            setText(state.record.notes[k], note);
        }
        choose(2);
        const int pages = viewers.reportPageCount();
        EXPECT_EQ(pages, lines == 12 ? 106 : 151);
        EXPECT_EQ(labels(), std::vector<std::string>{"STRONA 1/" + std::to_string(pages)});
        for (int p = 2; p <= pages + 2; ++p) moveAndClick(buttons.nextPage);
        EXPECT_EQ(viewers.previewPage(), pages);
        show([&] { viewers.showReportPreview(pages); });
        EXPECT_EQ(labels(), std::vector<std::string>{"STRONA " + std::to_string(pages) + "/" +
                                                     std::to_string(pages)});
        EXPECT_FALSE(drew("Data\\BMP\\nastepne"));
        auto& printer = frame.fakePrinter();
        moveAndClick(buttons.print);
        const auto& sheets = printer.documents.back().pages;
        EXPECT_EQ(int(sheets.size()), 2 + (pages - 4 + 1) / 2);
        EXPECT_TRUE(holdsText(sheets.back().back().calls, cp("Podpis osoby diagnozującej")));
    }
}

TEST_F(ViewersTest, ACancelledDialogPrintsNothingAndLeavesTheScreen) {
    auto& printer = frame.fakePrinter();
    printer.confirm = false;
    for (const auto& open : std::vector<std::function<void()>>{
             [&] { viewers.showAidsPage(4); }, [&] { viewers.showChartPreview(2); }}) {
        open();
        const int screenId = state.screenId;
        const int presents = frame.presentCount;
        const size_t loaded = frame.fakeImages().loaded().size();
        frame.back(0).clearCalls();
        moveAndClick(buttons.print);
        EXPECT_TRUE(printer.documents.empty());
        EXPECT_EQ(state.screenId, screenId);
        // Nothing composed: no picture read, nothing drawn, nothing shown.
        EXPECT_EQ(frame.fakeImages().loaded().size(), loaded);
        EXPECT_TRUE(frame.back(0).calls().empty());
        EXPECT_EQ(frame.presentCount, presents);
        // The button does not stay pressed on the window: its last look there is the lit one.
        const auto onWindow = frame.window().imagesDrawn();
        ASSERT_FALSE(onWindow.empty());
        EXPECT_EQ(onWindow.back(), "Data\\drukuj_o.bmp");
    }
    EXPECT_EQ(printer.dialogs, 2);
    EXPECT_TRUE(frame.messages.empty());
}

TEST_F(ViewersTest, APrintThatFailsIsReported) {
    frame.fakePrinter().failOnEnd = true;
    viewers.showAidsPage(0);
    moveAndClick(buttons.print);
    const std::string message = frame.onlyMessage().text;
    EXPECT_NE(message.find("wydrukować"), std::string::npos);
    EXPECT_NE(message.find("dysk pełny"), std::string::npos);
}

}  // namespace
}  // namespace lun4::testing
