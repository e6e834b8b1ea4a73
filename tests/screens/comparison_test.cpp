// A new assessment of the same person and the comparison with an earlier one, clicked
// through as a user would: the new-record question, the save proposal, the list of
// assessments, the question before another person's file, the order of the dates, and the
// preview's pages, print and sheet.

#include <gtest/gtest.h>

#include <memory>

#include "file_screens_fixture.h"
#include "recorded_calls.h"
#include "screens/viewers/comparison_list.h"

namespace lun4::testing {
namespace {

class ComparisonTest : public PrintMenuTest {
  protected:
    ComparisonList list{controller, folder, [this] { return files.currentFileName(); },
                        [this](std::unique_ptr<ExamineeRecord> chosen, bool chosenIsLater) {
                            viewers.openComparison(std::move(chosen), chosenIsLater);
                        }};

    ComparisonTest() {
        controller.addModule(list);
        printMenu.setChoiceHandler([this](PrintChoice choice) {
            if (choice == PrintChoice::Comparison) {
                list.show();
            } else {
                viewers.openFromPrintMenu(choice);
            }
        });
    }

    // An assessment written to the folder: the person, the date and the scores of items 1...
    void writeAssessment(std::string_view utf8Name, std::string_view first, std::string_view last,
                         std::string_view date, std::string_view scores) {
        auto r = std::make_unique<ExamineeRecord>();
        setText(r->firstName, cp(first));
        setText(r->lastName, cp(last));
        setText(r->examDate, date);
        r->gender = kGenderFemale;
        for (size_t i = 0; i < scores.size(); ++i) r->scores[1 + i] = scores[i];
        ASSERT_TRUE(save(*r, folder / pathFromUtf8(std::string(utf8Name) + ".pcn")));
    }
    // The assessment in memory, as if opened from `utf8Name`.
    void openAssessment(std::string_view utf8Name) {
        ASSERT_NE(load(state.record, folder / pathFromUtf8(std::string(utf8Name) + ".pcn")),
                  ReadOutcome::Refused);
        files.setCurrentFileName(cp(utf8Name));
    }
    void openComparisonList() {
        openPrintMenu();
        frame.back(0).clearCalls();
        moveAndClick(buttons.compare);
        ASSERT_EQ(state.screenId, screen::kComparisonList);
    }
    std::vector<std::string> listedFiles() {
        std::vector<std::string> out;
        for (const auto& e : list.entries()) out.push_back(e.file.empty() ? "--" : e.file);
        return out;
    }
    void clickListRow(int row) { clickAt(400, 300 + 24 * row + 12); }
    std::string textAtRect(ui::Rect r) {
        const auto texts = textsAt(frame.back(0).calls(), r);
        return texts.size() == 1 ? cp1250::toUtf8(texts[0].name) : "";
    }
};

TEST_F(ComparisonTest, TheSamePersonsAssessmentsComeFirstNewestFirst) {
    writeAssessment("Nowak Anna", "Anna", "Nowak", "12.05.2025", "rrg");
    writeAssessment("Nowak Anna jesień", "Anna", "Nowak", "03.10.2025", "ggg");
    writeAssessment("Nowak Anna 2024", "Anna", "Nowak", "3 marca 2024", "rrr");
    writeAssessment("Nowak Anna bez daty", "Anna", "Nowak", "", "");
    writeAssessment("anna", "anna", "Nowak", "01.01.2025", "");
    writeAssessment("Kowalski", "Jan", "Kowalski", "01.02.2025", "");
    std::ofstream(folder / "zepsuty.pcn") << "not an examinee file";
    openAssessment("Nowak Anna jesień");
    openComparisonList();
    // The record's own file is not offered, nor a file that is no assessment.
    EXPECT_EQ(listedFiles(), (std::vector<std::string>{"Nowak Anna.pcn", "Nowak Anna 2024.pcn",
                                                       "Nowak Anna bez daty.pcn", "--", "anna.pcn",
                                                       "Kowalski.pcn"}));
    EXPECT_EQ(list.selected(), 0);
    // Each row: the date, the person and the file; the chosen one on the highlight.
    EXPECT_EQ(textAtRect({152, 300, 274, 324}), "12.05.2025");
    EXPECT_EQ(textAtRect({282, 324, 554, 348}), "Anna Nowak");
    EXPECT_EQ(textAtRect({562, 348, 839, 372}), "Nowak Anna bez daty.pcn");
    EXPECT_EQ(textAtRect({152, 372, 845, 396}), "Inne osoby");
    const auto fills = ofKind(frame.back(0).calls(), ui::DrawCall::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (ui::Rect{146, 300, 844, 324}));

    moveAndClick(buttons.compareClose);
    EXPECT_EQ(state.screenId, screen::kPrintMenu);
}

TEST_F(ComparisonTest, AnotherPersonIsComparedOnlyAfterTheQuestion) {
    writeAssessment("Nowak Anna", "Anna", "Nowak", "12.05.2025", "rrg");
    writeAssessment("Kowalski", "Jan", "Kowalski", "01.02.2025", "ggg");
    openAssessment("Nowak Anna");
    openComparisonList();
    ASSERT_EQ(listedFiles(), (std::vector<std::string>{"Kowalski.pcn"}));
    // Nothing of another person is chosen beforehand.
    EXPECT_EQ(list.selected(), -1);
    clickListRow(0);
    EXPECT_EQ(list.selected(), 0);
    frame.answers = {false};
    moveAndClick(buttons.compareChoose);
    ASSERT_EQ(frame.questions.size(), 1u);
    EXPECT_EQ(cp1250::toUtf8(frame.questions[0].text),
              "Wybrane badanie dotyczy innej osoby (Jan Kowalski) niż badanie w pamięci (Anna "
              "Nowak). Czy mimo to porównać te badania?");
    EXPECT_EQ(state.screenId, screen::kComparisonList);

    frame.answers = {true};
    moveAndClick(buttons.compareChoose);
    EXPECT_EQ(frame.questions.size(), 2u);
    EXPECT_EQ(state.screenId, screen::kComparisonPreview);
    // The file was examined before the record in memory: it is the earlier assessment.
    EXPECT_TRUE(frame.messages.empty());
    EXPECT_EQ(textAtRect({259, 161, 368, 180}), "01.02.2025");
    EXPECT_EQ(textAtRect({367, 161, 476, 180}), "12.05.2025");
}

TEST_F(ComparisonTest, ARecordExaminedEarlierTakesTheEarlierPlace) {
    writeAssessment("Nowak Anna", "Anna", "Nowak", "12.05.2025", "rrg");
    writeAssessment("Nowak Anna jesień", "Anna", "Nowak", "03.10.2025", "gyg");
    openAssessment("Nowak Anna");
    openComparisonList();
    moveAndClick(buttons.compareChoose);
    EXPECT_TRUE(frame.questions.empty());
    EXPECT_EQ(frame.onlyMessage().text,
              "Badanie w pamięci (12.05.2025) odbyło się wcześniej niż wybrane (03.10.2025), więc "
              "w porównaniu jest badaniem wcześniejszym.");
    ASSERT_EQ(state.screenId, screen::kComparisonPreview);
    EXPECT_EQ(textAtRect({259, 161, 368, 180}), "12.05.2025");
    EXPECT_EQ(textAtRect({367, 161, 476, 180}), "03.10.2025");
    // Item 1 from fail to pass, item 2 from fail to emerging.
    EXPECT_EQ(textAtRect({259, 202, 296, 219}), "1");  // earlier passes of items 1-8
    EXPECT_EQ(textAtRect({367, 202, 404, 219}), "2");  // later passes
}

TEST_F(ComparisonTest, ThePreviewsPagesPrintAndSheet) {
    writeAssessment("Nowak Anna", "Anna", "Nowak", "12.05.2025", std::string(40, 'r'));
    writeAssessment("Nowak Anna jesień", "Anna", "Nowak", "03.10.2025", std::string(40, 'g'));
    openAssessment("Nowak Anna jesień");
    openComparisonList();
    moveAndClick(buttons.compareChoose);
    ASSERT_EQ(state.screenId, screen::kComparisonPreview);
    EXPECT_EQ(viewers.comparisonPageCount(), 3);  // 40 items: 24 on page 2, 16 on page 3
    EXPECT_TRUE(frame.back(0).drewText("STRONA 1/3"));
    EXPECT_FALSE(drewButton(frame.back(0), "Data\\BMP\\poprzednie"));
    moveAndClick(buttons.nextPage);
    frame.back(0).clearCalls();
    moveAndClick(buttons.nextPage);
    EXPECT_EQ(viewers.previewPage(), 3);
    EXPECT_FALSE(drewButton(frame.back(0), "Data\\BMP\\nastepne"));

    moveAndClick(buttons.print);
    ASSERT_EQ(frame.fakePrinter().documents.size(), 1u);
    const auto& printed = frame.fakePrinter().documents[0];
    EXPECT_EQ(printed.name, "Nowak Anna – porównanie");
    EXPECT_TRUE(printed.landscape);
    EXPECT_EQ(printed.pages.size(), 3u);
    EXPECT_EQ(frame.fakePrinter().proposed.filename().string(), "Nowak Anna – porównanie.pdf");
    EXPECT_EQ(viewers.previewPage(), 3);

    frame.saveAnswers = {root / "porownanie.csv"};
    moveAndClick(buttons.comparisonSheet);
    ASSERT_EQ(frame.saveRequests.size(), 1u);
    EXPECT_EQ(cp1250::toUtf8(frame.saveRequests[0].proposedName),
              "Nowak Anna – porównanie 12.05.2025–03.10.2025.csv");
    EXPECT_TRUE(fs::exists(root / "porownanie.csv"));
    EXPECT_TRUE(frame.back(0).drewText("Zapisano: porownanie.csv"));

    moveAndClick(buttons.back);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
}

TEST_F(ComparisonTest, ANewAssessmentOfTheSamePersonIsSavedBesideTheEarlierOne) {
    writeAssessment("Nowak Anna", "Anna", "Nowak", "12.05.2025", "rrg");
    const std::string earlierBytes = readFile(folder / "Nowak Anna.pcn");
    openAssessment("Nowak Anna");
    moveAndClick(buttons.newRecord);
    ASSERT_EQ(state.screenId, screen::kNewRecordQuestion);
    EXPECT_TRUE(drewButton(frame.back(0), "Data\\nowe_osoba"));
    moveAndClick(buttons.reassess);
    ASSERT_EQ(state.screenId, screen::kDataForm);
    EXPECT_EQ(state.record.fullName(), "Anna Nowak");
    EXPECT_EQ(state.record.scores[1], kNotScored);
    EXPECT_EQ(files.currentFileName(), "");

    frame.fakeControl(ui::ControlId::ExamDate).setText("03.10.2025");
    moveAndClick(buttons.ok);
    ASSERT_EQ(state.screenId, screen::kMainMenu);
    moveAndClick(buttons.save);
    EXPECT_EQ(saveBoxText(), "Nowak Anna 03.10.2025");
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_EQ(readFile(folder / "Nowak Anna.pcn"), earlierBytes);
    EXPECT_TRUE(fs::exists(folder / "Nowak Anna 03.10.2025.pcn"));
    // Saved, it goes by its own name from now on.
    EXPECT_EQ(files.currentFileName(), "Nowak Anna 03.10.2025");

    // Without a date the proposal is the person's name: saving asks before it replaces.
    moveAndClick(buttons.ok);
    moveAndClick(buttons.newRecord);
    moveAndClick(buttons.reassess);
    moveAndClick(buttons.ok);
    moveAndClick(buttons.save);
    EXPECT_EQ(saveBoxText(), "Nowak Anna");
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kFileExists);
    EXPECT_EQ(readFile(folder / "Nowak Anna.pcn"), earlierBytes);
}

TEST_F(ComparisonTest, NobodyToAssessAgain) {
    moveAndClick(buttons.newRecord);
    moveAndClick(buttons.reassess);
    EXPECT_EQ(state.screenId, screen::kNewRecordQuestion);
    EXPECT_EQ(frame.onlyMessage().caption, "Nowe badanie tej osoby");
}

}  // namespace
}  // namespace lun4::testing
