// The whole set of screens over a fake frame, with the recovery copy in a temporary state
// folder: what a change leaves there, and what the next start does with it.

#include "screens/filescreens/crash_recovery.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "assessment_fixture.h"
#include "files/examinee_lock.h"
#include "files/host.h"
#include "file_screens_fixture.h"
#include "screens/assessment/data_form.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;
using testing::cp;
using testing::readFile;

// One run of the program: everything main() wires, over a fake frame.
struct Session {
    Session(const fs::path& examinees, const fs::path& state) : folder(examinees), store(state) {
        controller.addModule(mainMenu);
        controller.addModule(files);
        controller.addModule(form);
        controller.addModule(items);
        controller.addModule(help);
        controller.addModule(editor);
        controller.setExitHandler([this] { files.showExitQuestion(); });
        state_.screenId = screen::kMainMenu;
    }
    fs::path folder;
    testing::FakeFrame frame;
    testing::ImageSizes sizes{frame.fakeImages()};
    Buttons buttons{frame.fakeImages()};
    AppState state_;
    ScreenController controller{frame, buttons, state_};
    DataForm form{controller};
    FileScreens files{controller, form, folder};
    PrintMenu printMenu{controller};
    MainMenu mainMenu{controller, files, form, printMenu};
    ItemScreens items{controller};
    HelpPages help{controller};
    RecommendationEditor editor{controller};
    RecoveryStore store;
    CrashRecovery recovery{controller, files, store};
};

class RecoveryTest : public ::testing::Test {
  protected:
    testing::TempFolder root;
    fs::path examinees = root / "pacjenci";
    fs::path stateFolder = root / "state" / "odzysk";
    std::unique_ptr<Session> session;

    RecoveryTest() {
        fs::create_directories(examinees);
        start();
    }

    // A new run over the same folders; the previous one vanishes as a killed program does.
    void start() {
        session.reset();
        session = std::make_unique<Session>(examinees, stateFolder);
    }
    AppState& state() { return session->state_; }
    Buttons& buttons() { return session->buttons; }
    testing::FakeFrame& frame() { return session->frame; }
    void moveAndClick(const ui::SkinButton& b) {
        testing::moveAndClick(session->controller, state(), testing::centre(b));
    }
    void showItem(int item) {
        state().screenId = screen::kItemPage;
        state().currentItem = item;
        session->controller.compose();
    }
    std::set<std::string> copies() {
        return fs::is_directory(stateFolder) ? testing::fileNames(stateFolder)
                                             : std::set<std::string>{};
    }
    // The one copy holds the record as it stands, byte for byte, under `name`.
    void expectCopyOfTheRecord(const std::string& name) {
        ASSERT_EQ(copies(), std::set<std::string>{name});
        EXPECT_EQ(readFile(stateFolder / pathFromUtf8(name)), encode(state().record));
    }
    void saveAs(std::string_view utf8) {
        state().screenId = screen::kMainMenu;
        moveAndClick(buttons().save);
        frame().fakeControl(ui::ControlId::SaveName).setText(cp(utf8));
        moveAndClick(buttons().ok);
        moveAndClick(buttons().ok);
    }
};

TEST_F(RecoveryTest, EveryChangeToTheRecordIsCopiedAtOnce) {
    EXPECT_TRUE(copies().empty());
    showItem(14);
    moveAndClick(buttons().yellow);  // a score, with its default note
    ASSERT_EQ(state().record.scores[14], kEmerging);
    expectCopyOfTheRecord(".pcn");

    moveAndClick(buttons().editRecommendation);
    frame().fakeControl(ui::ControlId::NoteEditor).setText(cp("Ćwiczenia z zegarem"));
    moveAndClick(buttons().ok);  // the note editor's OK
    EXPECT_EQ(cp1250::toUtf8(text(state().record.notes[14])), "Ćwiczenia z zegarem\r\n");
    expectCopyOfTheRecord(".pcn");

    showItem(168);
    moveAndClick(buttons().green);
    expectCopyOfTheRecord(".pcn");

    state().screenId = screen::kMainMenu;
    moveAndClick(buttons().editData);
    frame().fakeCheckBox(ui::CheckBoxId::Female).click();  // the gender, at the click
    EXPECT_EQ(state().record.gender, kGenderFemale);
    expectCopyOfTheRecord(".pcn");
    frame().fakeControl(ui::ControlId::FullName).setText(cp("Ewa Żak"));
    moveAndClick(buttons().ok);  // the data form's OK
    EXPECT_EQ(cp1250::toUtf8(text(state().record.lastName)), "Żak");
    expectCopyOfTheRecord(".pcn");

    // A save removes the copy; the next change brings it back under the record's name.
    saveAs("Żak");
    EXPECT_TRUE(copies().empty());
    showItem(1);
    moveAndClick(buttons().red);
    expectCopyOfTheRecord("Żak.pcn");

    // Opening another file asks first; "Anuluj" leaves the record and its copy as they were.
    ExamineeRecord other;
    setText(other.firstName, "Olek");
    ASSERT_TRUE(save(other, examinees / "olek.pcn"));
    const std::string copied = readFile(stateFolder / "Żak.pcn");
    const auto openOlek = [&] {
        state().screenId = screen::kMainMenu;
        moveAndClick(buttons().open);
        session->controller.leftButtonDown(235, 257 + 20 * 0 + 10);  // row 0: "olek.pcn"
        moveAndClick(buttons().fileOpen);
    };
    openOlek();
    ASSERT_EQ(frame().threeWayQuestions.size(), 1u);
    EXPECT_EQ(cp1250::toUtf8(frame().threeWayQuestions[0].text),
              "Zapisać zmiany w badaniu Ewa Żak?");
    EXPECT_EQ(state().screenId, screen::kFileList);
    EXPECT_EQ(cp1250::toUtf8(text(state().record.lastName)), "Żak");
    EXPECT_EQ(readFile(stateFolder / "Żak.pcn"), copied);
    // "Nie zapisuj": the file is opened, and only now the copy of the record given up goes.
    frame().threeWayAnswers.push_back(ui::Answer::Second);
    moveAndClick(buttons().fileOpen);
    ASSERT_EQ(text(state().record.firstName), "Olek");
    EXPECT_TRUE(copies().empty());
    moveAndClick(buttons().ok);
    showItem(2);
    moveAndClick(buttons().green);
    expectCopyOfTheRecord("olek.pcn");

    // A new record (asked about by its own question) starts without a copy.
    state().screenId = screen::kMainMenu;
    moveAndClick(buttons().newRecord);
    moveAndClick(buttons().ok);
    EXPECT_TRUE(sameContent(state().record, ExamineeRecord{}));
    EXPECT_TRUE(copies().empty());
    moveAndClick(buttons().ok);  // the data form's OK, nothing typed: nothing changed
    EXPECT_TRUE(copies().empty());
    showItem(2);
    moveAndClick(buttons().green);
    expectCopyOfTheRecord(".pcn");

    // The end of the program through the exit question leaves nothing behind.
    state().screenId = screen::kMainMenu;
    session->controller.compose();
    moveAndClick(buttons().quit);
    moveAndClick(buttons().no);
    EXPECT_TRUE(frame().quitRequested);
    EXPECT_TRUE(copies().empty());
}

TEST_F(RecoveryTest, AKilledProgramGivesTheRecordBackWithItsName) {
    saveAs("Nowak");
    showItem(3);
    moveAndClick(buttons().yellow);
    showItem(160);
    moveAndClick(buttons().red);
    moveAndClick(buttons().editRecommendation);
    frame().fakeControl(ui::ControlId::NoteEditor).setText(cp("Zalecenie wpisane ręcznie"));
    moveAndClick(buttons().ok);
    setText(state().record.firstName, "Jan");
    setText(state().record.lastName, "Nowak");
    session->controller.recordChanged();
    const std::string before = encode(state().record);

    start();  // killed: no exit question, no save
    EXPECT_TRUE(sameContent(state().record, ExamineeRecord{}));
    session->recovery.offerAtStart();
    ASSERT_EQ(frame().questions.size(), 1u);
    const auto& question = frame().questions[0];
    const std::string asked = cp1250::toUtf8(question.text);
    EXPECT_NE(asked.find("Jan Nowak"), std::string::npos) << asked;
    EXPECT_NE(asked.find("Nowak.pcn"), std::string::npos) << asked;
    EXPECT_NE(asked.find("ostatnia zmiana: "), std::string::npos) << asked;
    EXPECT_EQ(cp1250::toUtf8(question.first), "Przywróć");
    EXPECT_EQ(cp1250::toUtf8(question.second), "Odrzuć");

    EXPECT_EQ(encode(state().record), before);
    EXPECT_EQ(session->files.currentFileName(), "Nowak");
    EXPECT_EQ(parseLock(readFile(lockPathFor(examinees / "Nowak.pcn")))->process,
              host::processId());
    EXPECT_EQ(state().screenId, screen::kMainMenu);
    EXPECT_TRUE(frame().back(0).drewImage("Data/BMP/tlo_glowne.bmp"));
    // Still unsaved: the copy stays until a save, and saving goes to the same file.
    expectCopyOfTheRecord("Nowak.pcn");
    saveAs("Nowak");
    EXPECT_EQ(readFile(examinees / "Nowak.pcn"), before);
    EXPECT_TRUE(copies().empty());

    start();
    session->recovery.offerAtStart();
    EXPECT_TRUE(frame().questions.empty());
}

TEST_F(RecoveryTest, DiscardingTheCopyStartsAfresh) {
    showItem(5);
    moveAndClick(buttons().green);
    start();
    frame().answers.push_back(false);
    session->recovery.offerAtStart();
    EXPECT_EQ(frame().questions.size(), 1u);
    EXPECT_TRUE(sameContent(state().record, ExamineeRecord{}));
    EXPECT_TRUE(session->files.currentFileName().empty());
    EXPECT_TRUE(copies().empty());
    EXPECT_NE(cp1250::toUtf8(frame().questions[0].text).find("bez imienia i nazwiska"),
              std::string::npos);

    // The lock the ended run left beside its file goes with its copy.
    saveAs("Nowak");
    showItem(5);
    moveAndClick(buttons().red);
    start();
    const fs::path lock = lockPathFor(examinees / "Nowak.pcn");
    testing::writeFile(lock, lockText({"ja", host::computerName(), 2147480000, 1}));
    frame().answers.push_back(false);
    session->recovery.offerAtStart();
    EXPECT_FALSE(fs::exists(lock));
}

TEST_F(RecoveryTest, ACopyThatCannotBeReadWholeIsSetAsideNeverUsed) {
    showItem(5);
    moveAndClick(buttons().green);
    const std::string whole = readFile(stateFolder / ".pcn");
    for (const std::string& bad : {whole.substr(0, 200), std::string("nie kopia"), std::string()}) {
        SCOPED_TRACE(bad.size());
        fs::remove_all(stateFolder);
        fs::create_directories(stateFolder);
        std::ofstream(stateFolder / "Nowak.pcn", std::ios::binary) << bad;
        start();
        session->recovery.offerAtStart();
        EXPECT_TRUE(frame().questions.empty());
        EXPECT_NE(frame().onlyMessage().text.find("uszkodzona"), std::string::npos);
        EXPECT_TRUE(sameContent(state().record, ExamineeRecord{}));
        EXPECT_EQ(copies(), std::set<std::string>{"Nowak.pcn.uszkodzony"});
        EXPECT_EQ(readFile(stateFolder / "Nowak.pcn.uszkodzony"), bad);
        // The next start finds nothing to offer.
        start();
        session->recovery.offerAtStart();
        EXPECT_TRUE(frame().questions.empty() && frame().messages.empty());
    }
}

TEST_F(RecoveryTest, AFailingCopyIsReportedOnceAndWorkGoesOn) {
    fs::create_directories(stateFolder.parent_path());
    std::ofstream(stateFolder) << "a file where the folder should be";
    showItem(5);
    moveAndClick(buttons().green);
    moveAndClick(buttons().red);
    EXPECT_EQ(state().record.scores[5], kFail);
    EXPECT_NE(frame().onlyMessage().text.find("Nie można zapisać kopii"), std::string::npos);
}

// Closing the window while the note editor is open keeps the note as OK would, then asks.
TEST_F(RecoveryTest, TheExitQuestionKeepsTheNoteBeingEdited) {
    showItem(14);
    moveAndClick(buttons().yellow);
    moveAndClick(buttons().editRecommendation);
    auto& editor = frame().fakeControl(ui::ControlId::NoteEditor);
    editor.setText(cp("Nowy tekst zalecenia"));
    session->files.showExitQuestion();
    EXPECT_EQ(state().screenId, screen::kExitQuestion);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(cp1250::toUtf8(text(state().record.notes[14])), "Nowy tekst zalecenia\r\n");
    expectCopyOfTheRecord(".pcn");

    // "Anuluj": the editor again over the item page, with the text as it was typed.
    moveAndClick(buttons().cancel);
    EXPECT_EQ(state().screenId, screen::kRecommendationEditor);
    EXPECT_EQ(state().currentItem, 14);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(cp1250::toUtf8(editor.text()), "Nowy tekst zalecenia");

    // A note too long to keep is refused as OK refuses it; the editor stays.
    editor.setDisplayedLines(std::vector<std::string>(17, std::string(87, 'b')));
    session->files.showExitQuestion();
    EXPECT_EQ(state().screenId, screen::kRecommendationEditor);
    EXPECT_TRUE(editor.isVisible());
    ASSERT_EQ(frame().messages.size(), 1u);
    EXPECT_EQ(cp1250::toUtf8(text(state().record.notes[14])), "Nowy tekst zalecenia\r\n");
}

}  // namespace
}  // namespace lun4
