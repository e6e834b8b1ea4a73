// One file, one writer: two copies of the program on one examinee file (the other one a
// process of its own), a lock left by a program that ended, a file changed behind the
// program's back, and the previous version kept beside the file.

#include <gtest/gtest.h>

#include "file_screens_fixture.h"
#include "files/examinee_lock.h"
#include "files/host.h"
#include "other_program.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;
using testing::readFile;

class OneWriterTest : public testing::FileScreensTest {
  protected:
    fs::path nowak = folder / "Nowak.pcn";

    OneWriterTest() { writeExaminee("Nowak", "Jan", "Nowak"); }
    void openNowak() {
        state.screenId = screen::kMainMenu;
        moveAndClick(buttons.open);
        clickRow(0);
        moveAndClick(buttons.fileOpen);
    }
    void changeFirstName(std::string_view utf8) {
        setText(state.record.firstName, testing::cp(utf8));
        controller.recordChanged();
    }
    void saveFromMenu() {
        state.screenId = screen::kMainMenu;
        moveAndClick(buttons.save);
        moveAndClick(buttons.ok);
    }
    std::optional<LockHolder> lockBeside(const fs::path& file) {
        return parseLock(readFile(lockPathFor(file)));
    }
};

TEST_F(OneWriterTest, ASecondCopyIsToldWhoHasTheFileAndSavesOnlyUnderAnotherName) {
    const std::string original = readFile(nowak);
    testing::OtherProgram other(nowak);
    ASSERT_EQ(other.said(), "taken");

    frame.answers.push_back(false);  // "Anuluj"
    openNowak();
    ASSERT_EQ(frame.questions.size(), 1u);
    const std::string asked = cp1250::toUtf8(frame.questions[0].text);
    EXPECT_TRUE(asked.starts_with("Badanie „Nowak.pcn” jest już otwarte w innym oknie programu na "
                                  "tym komputerze (użytkownik „" +
                                  host::userName() + "”, od "))
        << asked;
    EXPECT_EQ(cp1250::toUtf8(frame.questions[0].first), "Otwórz tylko do odczytu");
    EXPECT_EQ(cp1250::toUtf8(frame.questions[0].second), "Anuluj");
    EXPECT_EQ(state.screenId, screen::kFileList);
    EXPECT_EQ(text(state.record.firstName), "");

    openNowak();  // "Otwórz tylko do odczytu"
    EXPECT_EQ(text(state.record.firstName), "Jan");
    EXPECT_TRUE(files.readOnly());
    EXPECT_EQ(lockBeside(nowak)->process, other.processId());
    moveAndClick(buttons.ok);
    changeFirstName("Janek");

    // The file the other copy has is not written: the save asks for another name.
    state.screenId = screen::kMainMenu;
    moveAndClick(buttons.save);
    EXPECT_EQ(saveBoxText(), "Nowak (kopia)");
    typeSaveName("Nowak");
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kSave);
    EXPECT_NE(frame.onlyMessage().text.find("Zapisz je pod inną nazwą"), std::string::npos);
    EXPECT_EQ(readFile(nowak), original);
    // Leaving through the exit question goes to the save screen the same way.
    moveAndClick(buttons.cancel);
    moveAndClick(buttons.quit);
    moveAndClick(buttons.yes);
    EXPECT_EQ(state.screenId, screen::kSave);
    EXPECT_EQ(saveBoxText(), "Nowak (kopia)");
    moveAndClick(buttons.ok);
    EXPECT_TRUE(frame.quitRequested);
    EXPECT_EQ(loadedFirstName("Nowak (kopia)"), "Janek");
    EXPECT_EQ(readFile(nowak), original);
    EXPECT_FALSE(files.readOnly());
    // The program ended: its lock went; the other copy's stays until it ends.
    EXPECT_FALSE(fs::exists(lockPathFor(folder / "Nowak (kopia).pcn")));
    EXPECT_EQ(lockBeside(nowak)->process, other.processId());
    other.stop();
    EXPECT_FALSE(fs::exists(lockPathFor(nowak)));
}

TEST_F(OneWriterTest, ALockLeftByAProgramThatEndedIsTakenOverWithoutAQuestion) {
    testing::OtherProgram killed(nowak, testing::OtherProgram::Ending::LeavesLock);
    ASSERT_EQ(killed.said(), "taken");
    killed.stop();
    ASSERT_TRUE(fs::exists(lockPathFor(nowak)));

    openNowak();
    EXPECT_TRUE(frame.questions.empty());
    EXPECT_EQ(text(state.record.firstName), "Jan");
    EXPECT_FALSE(files.readOnly());
    EXPECT_EQ(lockBeside(nowak)->process, host::processId());
    // Opened again, the file keeps its lock.
    moveAndClick(buttons.ok);
    openNowak();
    EXPECT_EQ(lockBeside(nowak)->process, host::processId());

    // A copy of the program started now is told; the lock goes with a new record.
    testing::OtherProgram second(nowak);
    EXPECT_EQ(second.said(), "held");
    second.stop();
    moveAndClick(buttons.ok);
    moveAndClick(buttons.newRecord);
    moveAndClick(buttons.ok);
    EXPECT_FALSE(fs::exists(lockPathFor(nowak)));
}

// Another program wrote the file after it was opened: the save asks, and "Anuluj" and "Zapisz pod
// inną nazwą" leave that version as it is. Every save keeps the version it replaces, byte for
// byte, as "Nowak.pcn.bak", which the list does not show.
TEST_F(OneWriterTest, AFileChangedBehindTheProgramsBackIsNeverOverwrittenUnasked) {
    openNowak();
    moveAndClick(buttons.ok);
    ExamineeRecord theirs;
    setText(theirs.firstName, "Cudzy");
    ASSERT_TRUE(save(theirs, nowak));
    const std::string theirBytes = readFile(nowak);
    changeFirstName("Mój");

    saveFromMenu();
    ASSERT_EQ(frame.threeWayQuestions.size(), 1u);
    const auto& question = frame.threeWayQuestions[0];
    EXPECT_EQ(cp1250::toUtf8(question.caption), "Plik zmienił się na dysku od otwarcia");
    EXPECT_NE(cp1250::toUtf8(question.text).find("zachowana jako „Nowak.pcn.bak”"),
              std::string::npos);
    EXPECT_EQ(cp1250::toUtf8(question.first), "Zapisz pod inną nazwą");
    EXPECT_EQ(cp1250::toUtf8(question.second), "Nadpisz");
    EXPECT_EQ(cp1250::toUtf8(question.cancel), "Anuluj");
    EXPECT_EQ(state.screenId, screen::kSave);
    EXPECT_EQ(readFile(nowak), theirBytes);

    frame.threeWayAnswers.push_back(ui::Answer::First);
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kSave);
    EXPECT_EQ(saveBoxText(), "Nowak (kopia)");
    EXPECT_EQ(readFile(nowak), theirBytes);
    EXPECT_FALSE(fs::exists(folder / "Nowak.pcn.bak"));

    typeSaveName("Nowak");
    frame.threeWayAnswers.push_back(ui::Answer::Second);
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_EQ(loadedFirstName("Nowak"), "Mój");
    EXPECT_EQ(readFile(folder / "Nowak.pcn.bak"), theirBytes);

    // The program's own last save is the version it knows: no question the next time.
    const std::string mine = readFile(nowak);
    moveAndClick(buttons.ok);
    changeFirstName("Mój drugi");
    saveFromMenu();
    EXPECT_EQ(frame.threeWayQuestions.size(), 3u);
    EXPECT_EQ(loadedFirstName("Nowak"), "Mój drugi");
    EXPECT_EQ(readFile(folder / "Nowak.pcn.bak"), mine);
    EXPECT_EQ(filesInFolder(), 1u);
}

}  // namespace
}  // namespace lun4
