// The settings screen: what "OK" keeps and where it is proposed, the examinee folder the file
// screens follow, and a backup made and restored through the screen's buttons.

#include "screens/settings/settings_screen.h"

#include "file_screens_fixture.h"
#include "screens/settings/user_settings.h"
#include "screens/viewers/exports.h"

namespace lun4::testing {
namespace {

// The screen's own buttons, where it places them (the fake pictures are 100 by 40).
constexpr ui::Point kChooseFolder{110, 228}, kBackup{110, 602}, kRestore{356, 602},
    kRestoreFiles{722, 624};

class SettingsScreenTest : public FileScreensTest {
  protected:
    fs::path chosen;  // told by the screen when the folder changes
    SettingsScreen settingsScreen{controller, files, folder,
                                  [this](const fs::path& f) { chosen = f; }};

    SettingsScreenTest() {
        controller.addModule(settingsScreen);
        mainMenu.setSettingsHandler([this] { settingsScreen.show(); });
    }
    void openSettings() {
        state.screenId = screen::kMainMenu;
        controller.compose();
        moveAndClick(buttons.settings);
        ASSERT_EQ(state.screenId, screen::kSettings);
    }
    void type(ui::ControlId id, std::string_view utf8) { frame.fakeControl(id).setText(cp(utf8)); }
    std::string kept(std::string_view key) { return frame.fakeSettings().value(key); }
};

TEST_F(SettingsScreenTest, OkKeepsEveryFieldUnderItsOwnNameAndTheFilesFollowTheFolder) {
    const fs::path shared = root / "Serwer" / "Badania";
    fs::create_directories(shared);
    openSettings();
    // A folder where nothing can be made is refused with the reason.
    frame.folderAnswers = {root / "nie ma", shared};
    clickAt(kChooseFolder.x, kChooseFolder.y);
    ASSERT_EQ(frame.messages.size(), 1u);
    EXPECT_NE(frame.messages[0].second.find(cp("nie można zapisywać")), std::string::npos);
    clickAt(kChooseFolder.x, kChooseFolder.y);
    EXPECT_EQ(settingsScreen.pending().folder, shared);

    type(ui::ControlId::SettingsInstitution, "Poradnia Psychologiczno-Pedagogiczna nr 2\r\nw Łodzi");
    type(ui::ControlId::SettingsPlace, "Łódź");
    type(ui::ControlId::SettingsDiagnostician, "mgr Ewa Żak, psycholog");
    type(ui::ControlId::SettingsPermit, "PP-12/2026");
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_EQ(kept(kExamineeFolderKey), pathToUtf8(shared));
    EXPECT_EQ(kept(kCoverInstitutionKey), "Poradnia Psychologiczno-Pedagogiczna nr 2\r\nw Łodzi");
    EXPECT_EQ(kept(kPlaceKey), "Łódź");
    EXPECT_EQ(kept(kDiagnosticianKey), "mgr Ewa Żak, psycholog");
    EXPECT_EQ(kept(kPermitKey), "PP-12/2026");
    EXPECT_EQ(chosen, shared);
    EXPECT_EQ(files.folder(), shared);
    EXPECT_EQ(lastFolder(frame), shared);  // the first export is proposed there too

    // Saved where the settings say; a new record gets the diagnostician of the settings.
    saveAs("Nowak Jan");
    EXPECT_TRUE(fs::exists(shared / "Nowak Jan.pcn"));
    EXPECT_FALSE(fs::exists(folder / "Nowak Jan.pcn"));
    ExamineeRecord blank;
    setText(blank.diagnosticianPermitNo, "X-1");
    proposeDiagnostician(blank, frame.settings());
    EXPECT_EQ(cp1250::toUtf8(text(blank.diagnosticianName)), "mgr Ewa Żak, psycholog");
    EXPECT_EQ(text(blank.diagnosticianPermitNo), "X-1");  // what the record has stays

    // "Anuluj" keeps nothing of what was typed.
    openSettings();
    type(ui::ControlId::SettingsPlace, "Kraków");
    moveAndClick(buttons.cancel);
    EXPECT_EQ(kept(kPlaceKey), "Łódź");
}

TEST_F(SettingsScreenTest, TheCoverDateAndTheFileCountsReadAsPolish) {
    frame.fakeSettings().setValue(kPlaceKey, "Łódź");
    std::tm day{};
    day.tm_year = 126, day.tm_mon = 8, day.tm_mday = 7, day.tm_hour = 12, day.tm_isdst = -1;
    EXPECT_EQ(cp1250::toUtf8(coverPlaceAndDate(frame.settings(), std::mktime(&day))),
              "Łódź, 7 września 2026 r.");
    std::string counts;
    for (int n : {0, 1, 2, 4, 5, 12, 14, 21, 22, 112, 124}) counts += cp1250::toUtf8(fileCount(n)) + ";";
    EXPECT_EQ(counts, "0 plików;1 plik;2 pliki;4 pliki;5 plików;12 plików;14 plików;21 plików;"
                      "22 pliki;112 plików;124 pliki;");
}

TEST_F(SettingsScreenTest, ARestoreAsksForEachNewerFileAndLeavesOtherFilesAlone) {
    writeExaminee("Nowak", "Jan");
    writeExaminee("Wiśniewska", "Łucja");
    writeExaminee("Zieliński", "Adam");
    openSettings();
    const fs::path archive = root / "LUN4 kopia.zip";
    frame.saveAnswers = {archive};
    clickAt(kBackup.x, kBackup.y);
    ASSERT_EQ(frame.messages.size(), 1u);
    EXPECT_NE(cp1250::toUtf8(frame.messages[0].second).find("zawiera 3 pliki"), std::string::npos);

    // After the backup: two files changed, one deleted, one new.
    writeExaminee("Nowak", "Janusz");
    writeExaminee("Wiśniewska", "Łucja Maria");
    fs::remove(folder / pathFromUtf8("Zieliński.pcn"));
    writeExaminee("Obcy", "Piotr");
    frame.openAnswers = {archive};
    clickAt(kRestore.x, kRestore.y);
    ASSERT_EQ(state.screenId, screen::kRestoreList);
    // "Nowak": keep the folder's; "Wiśniewska": take the backup's.
    frame.threeWayAnswers = {ui::Answer::First, ui::Answer::Second};
    clickAt(kRestoreFiles.x, kRestoreFiles.y);
    ASSERT_EQ(frame.threeWayQuestions.size(), 2u);
    EXPECT_NE(cp1250::toUtf8(frame.threeWayQuestions[0].text).find("„Nowak.pcn”"), std::string::npos);
    EXPECT_EQ(loadedFirstName("Nowak"), "Janusz");
    EXPECT_EQ(loadedFirstName("Wiśniewska"), "Łucja");
    EXPECT_EQ(loadedFirstName("Zieliński"), "Adam");
    EXPECT_EQ(loadedFirstName("Obcy"), "Piotr");
    EXPECT_EQ(state.screenId, screen::kSettings);
}

}  // namespace
}  // namespace lun4::testing
