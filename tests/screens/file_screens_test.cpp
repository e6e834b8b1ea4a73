#include "file_screens_fixture.h"

namespace lun4 {
namespace {

using testing::cp;
namespace fs = std::filesystem;

class FileListTest : public testing::FileScreensTest {
  protected:
    void openList() {
        state.screenId = screen::kMainMenu;
        moveAndClick(buttons.open);
        ASSERT_EQ(state.screenId, screen::kFileList);
    }
    std::string rowName(int i) { return cp1250::toUtf8(files.rows()[i].name); }
    void writeNumbered(int count) {
        for (int i = 1; i <= count; ++i) {
            writeExaminee((i < 10 ? "plik0" : "plik") + std::to_string(i),
                          "Imię" + std::to_string(i));
        }
    }
    // The texts drawn into the three preview boxes since the last clear.
    std::vector<std::string> previewTexts() {
        std::vector<std::string> out;
        for (const auto& c : frame.back(0).callsOf(ui::DrawCall::Text)) {
            if (c.rect.left == 459) out.push_back(cp1250::toUtf8(c.name));
        }
        return out;
    }
};

TEST_F(FileListTest, PagesOfFifteenWithSixteenRows) {
    writeNumbered(17);
    openList();
    EXPECT_EQ(frame.pauses, (std::vector<int>{100}));
    EXPECT_EQ(rowName(0), "plik01.pcn");
    EXPECT_EQ(rowName(15), "plik16.pcn");
    EXPECT_TRUE(frame.back(0).drewImage("Data/d_n.bmp"));
    EXPECT_FALSE(frame.back(0).drewImage("Data/u_n.bmp"));
    EXPECT_FALSE(buttons.fileUp.isEnabled());

    moveAndClick(buttons.fileDown);
    EXPECT_EQ(files.listPage(), 1);
    EXPECT_EQ(rowName(0), "plik16.pcn");  // the last row of a page opens the next one
    EXPECT_EQ(rowName(1), "plik17.pcn");
    EXPECT_EQ(rowName(2), "");
    EXPECT_FALSE(buttons.fileDown.isEnabled());
    EXPECT_TRUE(buttons.fileUp.isEnabled());
    EXPECT_EQ(frame.pauses.size(), 1u);  // the arrows do not pause

    moveAndClick(buttons.fileUp);
    EXPECT_EQ(rowName(0), "plik01.pcn");
    EXPECT_FALSE(buttons.fileUp.isEnabled());

    fs::remove(folder / "plik17.pcn");
    openList();
    EXPECT_TRUE(buttons.fileDown.isEnabled());  // exactly sixteen files
    fs::remove(folder / "plik16.pcn");
    openList();
    EXPECT_FALSE(buttons.fileDown.isEnabled());
}

TEST_F(FileListTest, HighlightAndSelectionPersistAndAClickBesideKeepsTheSelection) {
    writeExaminee("anna", "Anna", "Nowak", "01.01.2026");
    writeExaminee("bartek", "Bartek", "Lis", "02.02.2026");
    openList();
    frame.back(0).clearCalls();
    clickRow(1);
    EXPECT_EQ(files.selectedRow(), 1);
    EXPECT_EQ(previewTexts(), (std::vector<std::string>{"02.02.2026", "Bartek", "Lis"}));

    moveAndClick(buttons.fileClose);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    openList();
    EXPECT_TRUE(files.rows()[1].highlighted);
    EXPECT_EQ(files.selectedRow(), 1);
    bool drewHighlighted = false;
    for (const auto& c : frame.back(0).callsOf(ui::DrawCall::TextOut)) {
        if (c.name == "bartek.pcn") drewHighlighted = c.background == ui::Rgb{60, 147, 173};
    }
    EXPECT_TRUE(drewHighlighted);

    frame.back(0).clearCalls();
    clickAt(200, 300);  // in the list area, left of every row
    EXPECT_FALSE(files.rows()[1].highlighted);
    EXPECT_EQ(files.selectedRow(), 1);
    EXPECT_EQ(previewTexts(), (std::vector<std::string>{"02.02.2026", "Bartek", "Lis"}));

    moveAndClick(buttons.fileOpen);
    EXPECT_EQ(text(state.record.firstName), "Bartek");
}

TEST_F(FileListTest, OpenLoadsTheFullNameAndProposesItForSaving) {
    writeExaminee("Bardzo długa nazwa pliku", "Celina");
    openList();
    EXPECT_TRUE(frame.back(0).drewText("Bardzo długa na"));  // fifteen characters
    clickRow(0);
    moveAndClick(buttons.fileOpen);
    EXPECT_EQ(frame.pauses.back(), 50);
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\wczytalem.bmp"));
    EXPECT_EQ(text(state.record.firstName), "Celina");
    EXPECT_EQ(cp1250::toUtf8(files.currentFileName()), "Bardzo długa nazwa pliku");

    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    moveAndClick(buttons.save);
    EXPECT_EQ(saveBoxText(), "Bardzo długa nazwa pliku");
}

TEST_F(FileListTest, WrongFormatAndEmptyRows) {
    std::ofstream(folder / "zly.pcn") << "to nie jest plik badanego";
    setText(state.record.firstName, "Ala");
    openList();
    frame.back(0).clearCalls();
    clickRow(0);
    EXPECT_TRUE(previewTexts().empty());
    EXPECT_EQ(frame.back(0).callsOf(ui::DrawCall::Fill).size(), 3u);  // three white boxes
    moveAndClick(buttons.fileOpen);
    EXPECT_EQ(state.screenId, screen::kWrongFormat);
    EXPECT_EQ(text(state.record.firstName), "Ala");
    EXPECT_TRUE(files.currentFileName().empty());
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kFileList);

    clickRow(5);  // no file there
    moveAndClick(buttons.fileDelete);
    EXPECT_EQ(state.screenId, screen::kFileList);
    moveAndClick(buttons.fileOpen);
    EXPECT_EQ(state.screenId, screen::kWrongFormat);
    EXPECT_EQ(text(state.record.firstName), "Ala");
}

TEST_F(FileListTest, DeleteAsksAndCancelKeepsTheFile) {
    writeExaminee("anna", "Anna");
    openList();
    clickRow(0);
    frame.back(0).clearCalls();
    moveAndClick(buttons.fileDelete);
    EXPECT_EQ(state.screenId, screen::kDeleteQuestion);
    EXPECT_FALSE(frame.back(0).drewImage("Data/tlo_gray.bmp"));  // drawn over the list
    moveAndClick(buttons.cancel);
    EXPECT_EQ(state.screenId, screen::kFileList);
    EXPECT_TRUE(fs::exists(folder / "anna.pcn"));

    moveAndClick(buttons.fileDelete);
    moveAndClick(buttons.ok);
    EXPECT_FALSE(fs::exists(folder / "anna.pcn"));
    EXPECT_TRUE(frame.back(0).drewImage("Data\\usunalem.bmp"));
    EXPECT_TRUE(frame.messages.empty());
}

TEST_F(FileListTest, AFailedDeleteIsReportedNotConfirmed) {
    writeExaminee("anna", "Anna");
    openList();
    clickRow(0);
    // The file is replaced by a folder behind the list's back.
    fs::remove(folder / "anna.pcn");
    fs::create_directories(folder / "anna.pcn" / "x");
    frame.back(0).clearCalls();
    moveAndClick(buttons.fileDelete);
    moveAndClick(buttons.ok);
    EXPECT_EQ(frame.messages.size(), 1u);
    EXPECT_FALSE(frame.back(0).drewImage("Data\\usunalem.bmp"));
    EXPECT_EQ(state.screenId, screen::kFileList);
    EXPECT_TRUE(fs::exists(folder / "anna.pcn" / "x"));
}

using SaveTest = testing::FileScreensTest;

TEST_F(SaveTest, OverwritesTheCurrentNameButAsksForAnotherExistingOne) {
    setText(state.record.firstName, "Pierwsza");
    saveAs("abc");
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\zapisalem.bmp"));
    EXPECT_FALSE(saveBoxVisible());
    EXPECT_EQ(files.currentFileName(), "abc");
    EXPECT_EQ(loadedFirstName("abc"), "Pierwsza");

    setText(state.record.firstName, "Druga");
    saveAs("abc");
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_EQ(loadedFirstName("abc"), "Druga");

    writeExaminee("inny", "Obcy");
    saveAs("inny");
    EXPECT_EQ(state.screenId, screen::kFileExists);
    EXPECT_TRUE(saveBoxVisible());
    moveAndClick(buttons.cancel);
    EXPECT_EQ(state.screenId, screen::kSave);
    EXPECT_EQ(saveBoxText(), "abc");
    EXPECT_EQ(loadedFirstName("inny"), "Obcy");

    typeSaveName("inny");
    moveAndClick(buttons.ok);
    typeSaveName("zmienione w międzyczasie");
    moveAndClick(buttons.ok);
    EXPECT_EQ(loadedFirstName("inny"), "Druga");
    EXPECT_EQ(files.currentFileName(), "inny");
    EXPECT_FALSE(fs::exists(examineePath(folder, cp("zmienione w międzyczasie.pcn"))));
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_EQ(buttons.ok.x(), 664);
}

TEST_F(SaveTest, RefusedNamesWriteNothingAndKeepTheTypedName) {
    for (const char* name : {"", "a/b", "..", "a\\b", "ab.", "ab ", "a:b", "a*b", "a\tb", "NUL"}) {
        frame.messages.clear();
        saveAs(name);
        EXPECT_EQ(state.screenId, screen::kSave) << name;
        EXPECT_EQ(frame.messages.size(), 1u) << name;
        EXPECT_TRUE(saveBoxVisible());
        EXPECT_EQ(saveBoxText(), name);
        EXPECT_EQ(filesInFolder(), 0u) << name;
        moveAndClick(buttons.cancel);
    }
    frame.fakeControl(ui::ControlId::SaveName).setText("a\xA7z");
    state.screenId = screen::kSave;
    moveAndClick(buttons.ok);
    EXPECT_EQ(filesInFolder(), 0u);
    EXPECT_TRUE(files.currentFileName().empty());
}

TEST_F(SaveTest, AFailedSaveIsReportedAndTheScreenStays) {
    fs::remove_all(folder);
    std::ofstream(folder) << "a file where the folder should be";
    moveAndClick(buttons.quit);
    moveAndClick(buttons.yes);
    typeSaveName("anna");
    moveAndClick(buttons.ok);
    EXPECT_EQ(frame.messages.size(), 1u);
    EXPECT_EQ(state.screenId, screen::kSave);
    EXPECT_EQ(saveBoxText(), "anna");
    EXPECT_FALSE(frame.back(0).drewImage("Data\\zapisalem.bmp"));
    EXPECT_TRUE(files.currentFileName().empty());
    EXPECT_FALSE(frame.quitRequested);

    fs::remove(folder);  // the folder is made again when it is missing
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_TRUE(fs::exists(folder / "anna.pcn"));
    EXPECT_TRUE(frame.quitRequested);
}

TEST_F(SaveTest, PolishNamesEndToEnd) {
    setText(state.record.firstName, cp("Łucja"));
    saveAs("Żółć Ąę");
    ASSERT_TRUE(fs::exists(folder / "Żółć Ąę.pcn"));  // UTF-8 on disk
    state.record.clear();
    state.screenId = screen::kMainMenu;
    moveAndClick(buttons.open);
    EXPECT_EQ(cp1250::toUtf8(files.rows()[0].name), "Żółć Ąę.pcn");
    clickRow(0);
    moveAndClick(buttons.fileOpen);
    EXPECT_EQ(cp1250::toUtf8(text(state.record.firstName)), "Łucja");
    EXPECT_EQ(files.currentFileName(), cp("Żółć Ąę"));
    moveAndClick(buttons.ok);
    saveAs("Żółć Ąę");
    EXPECT_EQ(state.screenId, screen::kInformation);  // the current name, no question
    moveAndClick(buttons.ok);
    moveAndClick(buttons.open);
    clickRow(0);
    moveAndClick(buttons.fileDelete);
    moveAndClick(buttons.ok);
    EXPECT_FALSE(fs::exists(folder / "Żółć Ąę.pcn"));
}

using ExitTest = testing::FileScreensTest;

TEST_F(ExitTest, YesWithoutANameQuitsOnlyAfterASuccessfulSave) {
    moveAndClick(buttons.quit);
    ASSERT_EQ(state.screenId, screen::kExitQuestion);
    moveAndClick(buttons.yes);
    EXPECT_EQ(state.screenId, screen::kSave);
    EXPECT_TRUE(files.quitAfterSave());
    typeSaveName("a/b");
    moveAndClick(buttons.ok);
    EXPECT_FALSE(frame.quitRequested);
    typeSaveName("ewa");
    moveAndClick(buttons.ok);
    EXPECT_TRUE(fs::exists(folder / "ewa.pcn"));
    EXPECT_TRUE(frame.quitRequested);
}

TEST_F(ExitTest, CancellingTheSaveOrTheQuestionKeepsTheProgramRunning) {
    moveAndClick(buttons.quit);
    moveAndClick(buttons.yes);
    moveAndClick(buttons.cancel);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_FALSE(saveBoxVisible());
    EXPECT_FALSE(files.quitAfterSave());

    // The window is closed while the save screen waits: the question again, no pending end.
    moveAndClick(buttons.quit);
    moveAndClick(buttons.yes);
    ASSERT_TRUE(files.quitAfterSave());
    files.showExitQuestion();
    EXPECT_FALSE(saveBoxVisible());
    moveAndClick(buttons.cancel);
    EXPECT_EQ(state.screenId, screen::kMainMenu);

    saveAs("pozniej");
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_FALSE(frame.quitRequested);
}

TEST_F(ExitTest, YesWithACurrentNameSavesAndQuitsUnlessTheSaveFails) {
    saveAs("anna");
    moveAndClick(buttons.ok);
    setText(state.record.firstName, "Zmieniona");
    fs::remove(folder / "anna.pcn");
    fs::create_directories(folder / "anna.pcn" / "x");  // cannot be written now
    moveAndClick(buttons.quit);
    moveAndClick(buttons.yes);
    EXPECT_FALSE(frame.quitRequested);
    EXPECT_EQ(frame.messages.size(), 1u);
    EXPECT_EQ(state.screenId, screen::kExitQuestion);

    fs::remove_all(folder / "anna.pcn");
    moveAndClick(buttons.yes);
    EXPECT_TRUE(frame.quitRequested);
    EXPECT_EQ(loadedFirstName("anna"), "Zmieniona");
}

TEST_F(ExitTest, NoQuitsWithoutSaving) {
    moveAndClick(buttons.quit);
    moveAndClick(buttons.no);
    EXPECT_TRUE(frame.quitRequested);
    EXPECT_EQ(filesInFolder(), 0u);
}

using MenuTest = testing::FileScreensTest;

TEST_F(MenuTest, NewRecordQuestion) {
    setText(state.record.firstName, "Stary");
    saveAs("stary");
    moveAndClick(buttons.ok);
    moveAndClick(buttons.newRecord);
    EXPECT_EQ(state.screenId, screen::kNewRecordQuestion);
    moveAndClick(buttons.cancel);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_EQ(text(state.record.firstName), "Stary");

    moveAndClick(buttons.newRecord);
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kDataForm);
    EXPECT_EQ(text(state.record.firstName), "");
    EXPECT_EQ(frame.fakeControl(ui::ControlId::FullName).text(), "");
    EXPECT_TRUE(files.currentFileName().empty());
    EXPECT_EQ(saveBoxText(), "");
}

TEST_F(MenuTest, AreaDescriptionsAndPrintMenu) {
    const char* pages[3] = {"Data\\opis2.bmp", "Data\\opis3.bmp", "Data\\opis1.bmp"};
    for (int area = 0; area < 3; ++area) {
        frame.back(0).clearCalls();
        moveAndClick(*buttons.areaDescription[area]);
        EXPECT_TRUE(frame.back(0).drewImage(pages[area]));
        EXPECT_EQ(frame.back(0).backgroundMode(), ui::BackgroundMode::Transparent);
        moveAndClick(buttons.ok);
        EXPECT_EQ(state.screenId, screen::kMainMenu);
    }

    moveAndClick(buttons.printMenu);
    EXPECT_EQ(state.screenId, screen::kPrintMenu);
    moveAndClick(*buttons.next[1]);
    EXPECT_EQ(state.screenId, screen::kPrintMenu);  // nothing behind the choices yet
    std::vector<FileScreens::PrintChoice> chosen;
    files.setPrintChoiceHandler([&](FileScreens::PrintChoice c) { chosen.push_back(c); });
    moveAndClick(*buttons.next[2]);
    moveAndClick(buttons.aids);
    EXPECT_EQ(chosen, (std::vector{FileScreens::PrintChoice::NarrativeReport,
                                   FileScreens::PrintChoice::Aids}));
    buttons.nextPage.setPosition(1, 1);
    moveAndClick(buttons.back);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_EQ(buttons.nextPage.x(), 665);
}

}  // namespace
}  // namespace lun4
