// How complete the assessment is where the screens show it, and the two exports: the report
// saved for editing from its preview and the scores sheet from the print menu, with the save
// dialog answered by the fake frame.

#include "screens/viewers/exports.h"

#include <gtest/gtest.h>

#include "file_screens_fixture.h"
#include "files/scores_sheet.h"
#include "model/catalogue.h"
#include "recorded_calls.h"
#include "screens/completeness.h"

namespace lun4::testing {
namespace {

class ExportsTest : public PrintMenuTest {
  protected:
    ExportsTest() {
        setText(state.record.firstName, cp("Łucja"));
        setText(state.record.lastName, cp("Wiśniewska"));
        setText(state.record.examDate, "12.05.2026");
    }

    // The first n items scored, the rest not.
    void scoreFirst(int n) {
        for (int k = 1; k <= kItemCount; ++k) state.record.scores[k] = k <= n ? kPass : kNotScored;
    }
    Calls textsAt(const ui::Rect& rect) { return testing::textsAt(frame.back(0).calls(), rect); }
    // The notice line above a preview's buttons, or "" when there is none.
    std::string notice() {
        const auto texts = textsAt({48, 664, 976, 690});
        return texts.empty() ? "" : cp1250::toUtf8(texts.back().name);
    }
};

TEST_F(ExportsTest, MainMenuCountsTheScoredItems) {
    struct Case {
        int scored;
        int barWidth;
        ui::Rgb bar;
    };
    for (const Case& c : {Case{0, 0, {}}, Case{1, 0, {}}, Case{167, 79, {38, 112, 122}},
                          Case{168, 80, {40, 120, 70}}}) {
        scoreFirst(c.scored);
        state.screenId = screen::kMainMenu;
        frame.back(0).clearCalls();
        controller.compose();
        const auto texts = textsAt({612, 202, 770, 218});
        ASSERT_EQ(texts.size(), 1u) << c.scored;
        EXPECT_EQ(cp1250::toUtf8(texts[0].name),
                  "Ocenione: " + std::to_string(c.scored) + " ze 168");
        EXPECT_EQ(texts[0].font, ui::FontId::SmallHeading);
        // The bar: its track, then the part filled.
        std::vector<ui::DrawCall> bar;
        for (const auto& f : frame.back(0).callsOf(ui::DrawCall::Fill)) {
            if (f.rect.top == 207 && f.rect.bottom == 213) bar.push_back(f);
        }
        ASSERT_EQ(bar.size(), c.barWidth > 0 ? 2u : 1u) << c.scored;
        EXPECT_EQ(bar[0].rect, (ui::Rect{772, 207, 852, 213}));
        if (c.barWidth > 0) {
            EXPECT_EQ(bar[1].rect, (ui::Rect{772, 207, 772 + c.barWidth, 213}));
            EXPECT_EQ(bar[1].colour, c.bar);
        }
    }
}

TEST_F(ExportsTest, PrintMenuNamesTheAreasLeftUnscored) {
    scoreFirst(168);
    state.record.scores[80] = kNotScored;
    state.record.scores[81] = kNotScored;
    state.record.scores[150] = '\xFF';  // no score either
    openPrintMenu();
    EXPECT_EQ(cp1250::toUtf8(textsAt({120, 580, 600, 598})[0].name), "Ocenione: 165 ze 168");
    const std::pair<std::string, std::string> areas[] = {
        {"Obszar obserwacji diagnosty", "wszystkie ocenione"},
        {"Obszar obserwacji w domu", "bez oceny: 2"},
        {"Obszar obserwacji w szkole i pracy", "bez oceny: 1"}};
    for (int a = 0; a < 3; ++a) {
        const int y = 602 + 20 * a;
        const auto title = textsAt({120, y, 390, y + 18});
        const auto status = textsAt({400, y, 660, y + 18});
        ASSERT_EQ(title.size(), 1u) << a;
        ASSERT_EQ(status.size(), 1u) << a;
        EXPECT_EQ(cp1250::toUtf8(title[0].name), areas[a].first);
        EXPECT_EQ(cp1250::toUtf8(status[0].name), areas[a].second);
        EXPECT_EQ(status[0].colour, a == 0 ? (ui::Rgb{40, 120, 70}) : (ui::Rgb{160, 70, 30}));
    }
    EXPECT_EQ(topLeft(buttons.scoresSheet), (ui::Point{690, 598}));
    EXPECT_TRUE(frame.back(0).drewImage("Data\\arkusz_n.bmp") ||
                frame.back(0).drewImage("Data\\arkusz_o.bmp"));
}

TEST_F(ExportsTest, APreviewOfAnIncompleteRecordSaysSoOnItsFirstPageOnly) {
    scoreFirst(100);  // all of direct observation, 28 of the 48 home items
    const std::string expected =
        "Ocena niepełna: ocenione 100 ze 168 pozycji. Bez oceny – obszar w domu: 20, w szkole i "
        "pracy: 48.";
    choose(0);
    EXPECT_EQ(state.screenId, screen::kChartPreview1);
    EXPECT_EQ(notice(), expected);
    const auto boxes = frame.back(0).callsOf(ui::DrawCall::Box);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().rect, (ui::Rect{36, 664, 988, 690}));
    frame.back(0).clearCalls();
    moveAndClick(buttons.nextPage);
    EXPECT_EQ(notice(), "");
    moveAndClick(buttons.previous);
    EXPECT_EQ(notice(), "");

    choose(1);
    EXPECT_EQ(notice(), expected);
    frame.back(0).clearCalls();
    moveAndClick(buttons.nextPage);
    EXPECT_EQ(notice(), "");

    choose(2);
    EXPECT_EQ(state.screenId, screen::kReportPreview);
    EXPECT_EQ(notice(), expected);
    frame.back(0).clearCalls();
    moveAndClick(buttons.nextPage);
    EXPECT_EQ(notice(), "");

    choose(3);  // the aids are no result
    EXPECT_EQ(notice(), "");

    scoreFirst(168);
    for (int choice = 0; choice < 3; ++choice) {
        choose(choice);
        EXPECT_EQ(notice(), "") << choice;
    }
    EXPECT_TRUE(frame.messages.empty());  // never a dialog
}

TEST_F(ExportsTest, TheReportIsSavedForEditingFromItsPreview) {
    scoreFirst(168);
    choose(2);
    frame.fakeControl(ui::ControlId::ReportBoxA).setText(cp("Poradnia nr 2"));
    EXPECT_EQ(topLeft(buttons.saveForEditing), (ui::Point{395, 695}));
    EXPECT_TRUE(frame.back(0).drewImage("Data\\do_edycji_n.bmp") ||
                frame.back(0).drewImage("Data\\do_edycji_o.bmp"));
    moveAndClick(buttons.nextPage);

    // Cancelled: nothing is written, nothing said.
    moveAndClick(buttons.saveForEditing);
    ASSERT_EQ(frame.saveRequests.size(), 1u);
    const ui::SaveRequest& asked = frame.saveRequests[0];
    EXPECT_EQ(cp1250::toUtf8(asked.proposedName), "Wiśniewska Łucja – raport.odt");
    EXPECT_EQ(asked.folder, fs::path());  // no folder used yet: the documents folder
    EXPECT_EQ(asked.extension, "odt");
    EXPECT_EQ(cp1250::toUtf8(asked.caption), "Zapisz raport do edycji");
    EXPECT_TRUE(frame.writtenDocuments.empty());
    EXPECT_TRUE(frame.messages.empty());
    EXPECT_EQ(state.screenId, screen::kReportPreview);
    EXPECT_EQ(viewers.previewPage(), 2);

    frame.saveAnswers.push_back(root / "raport.odt");
    frame.back(0).clearCalls();
    moveAndClick(buttons.saveForEditing);
    ASSERT_EQ(frame.writtenDocuments.size(), 1u);
    EXPECT_EQ(frame.writtenDocuments[0].first, root / "raport.odt");
    const ui::FlowDocument& doc = frame.writtenDocuments[0].second;
    EXPECT_EQ(cp1250::toUtf8(doc.title), "Raport opisowy – Łucja Wiśniewska");
    // The cover's institution box reaches the document as it reaches the page.
    bool institution = false;
    for (const auto& b : doc.blocks) institution |= b.text == cp("Poradnia nr 2");
    EXPECT_TRUE(institution);
    EXPECT_EQ(notice(), "Zapisano: raport.odt");
    EXPECT_EQ(viewers.previewPage(), 2);
    // The next dialog proposes the folder used last.
    moveAndClick(buttons.saveForEditing);
    EXPECT_EQ(frame.saveRequests.back().folder, root);

    frame.failWrite = true;
    frame.saveAnswers.push_back(root / "raport.odt");
    frame.back(0).clearCalls();
    moveAndClick(buttons.saveForEditing);
    const auto message = frame.onlyMessage();
    EXPECT_EQ(message.caption, "Błąd zapisu");
    EXPECT_EQ(message.text, "Nie udało się zapisać raportu do edycji.\ndysk pełny");
    EXPECT_EQ(notice(), "");
}

TEST_F(ExportsTest, TheScoresSheetIsWrittenFromThePrintMenu) {
    scoreFirst(100);
    setText(state.record.notes[3], cp("Ćwiczyć; „dalej”.\r\n"));
    openPrintMenu();

    moveAndClick(buttons.scoresSheet);  // cancelled
    ASSERT_EQ(frame.saveRequests.size(), 1u);
    EXPECT_EQ(cp1250::toUtf8(frame.saveRequests[0].proposedName),
              "Wiśniewska Łucja – wyniki 12.05.2026.csv");
    EXPECT_EQ(frame.saveRequests[0].extension, "csv");
    EXPECT_EQ(state.screenId, screen::kPrintMenu);

    frame.saveAnswers.push_back(root / "wyniki.csv");
    frame.back(0).clearCalls();
    moveAndClick(buttons.scoresSheet);
    EXPECT_EQ(readFile(root / "wyniki.csv"), scoresSheet(state.record));
    EXPECT_EQ(state.screenId, screen::kPrintMenu);
    EXPECT_TRUE(frame.back(0).drewText("Zapisano: wyniki.csv"));
    // The line is said once: the menu shown again has none.
    frame.back(0).clearCalls();
    printMenu.show();
    EXPECT_FALSE(frame.back(0).drewText("Zapisano: wyniki.csv"));

    frame.saveAnswers.push_back(root / "brak" / "wyniki.csv");
    moveAndClick(buttons.scoresSheet);
    const std::string message = frame.onlyMessage().text;
    EXPECT_EQ(message.rfind("Nie udało się zapisać wyników do arkusza.\nnie można zapisać ", 0), 0u)
        << message;
    EXPECT_NE(message.find("wyniki.csv: folder nie istnieje"), std::string::npos) << message;
    EXPECT_FALSE(fs::exists(root / "brak"));
}

TEST(ExportNames, TheExamineeAndTheDateGoIntoTheProposedNames) {
    ExamineeRecord r;
    EXPECT_EQ(editableReportFileName(r), "raport.odt");
    EXPECT_EQ(scoresSheetFileName(r), "wyniki.csv");
    setText(r.examDate, "12/05/2026 10:30");
    EXPECT_EQ(scoresSheetFileName(r), "wyniki 12-05-2026 10-30.csv");
    setText(r.firstName, cp("Jan"));
    setText(r.lastName, cp("Żak?"));
    // Whose first, surname then first name, then what.
    EXPECT_EQ(cp1250::toUtf8(editableReportFileName(r)), "Żak Jan – raport.odt");
    EXPECT_EQ(cp1250::toUtf8(scoresSheetFileName(r)), "Żak Jan – wyniki 12-05-2026 10-30.csv");
    setText(r.lastName, cp("Żak"));
    EXPECT_EQ(cp1250::toUtf8(printedFileName(reports::Document::ProfileChart, r)),
              "Żak Jan – profil.pdf");
    EXPECT_EQ(cp1250::toUtf8(printedFileName(reports::Document::SummaryForm, r)),
              "Żak Jan – formularz.pdf");
    EXPECT_EQ(cp1250::toUtf8(printedFileName(reports::Document::NarrativeReport, r)),
              "Żak Jan – raport.pdf");
    EXPECT_EQ(cp1250::toUtf8(printedFileName(reports::Document::AidPicture, r, 4)),
              "Żak Jan – pomoc 5.pdf");
    setText(r.firstName, "..");
    setText(r.lastName, "");
    setText(r.examDate, " ");
    EXPECT_EQ(scoresSheetFileName(r), "wyniki.csv");
}

}  // namespace
}  // namespace lun4::testing
