#include <cerrno>
#include <chrono>
#include <set>

#include "file_screens_fixture.h"
#include "files/file_messages.h"
#include "model/catalogue.h"

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
    EXPECT_TRUE(files.rows()[1].highlighted);  // the highlighted row is the selected row
    EXPECT_FALSE(files.rows()[0].highlighted);
    EXPECT_EQ(files.selectedRow(), 1);
    EXPECT_EQ(previewTexts(), (std::vector<std::string>{"02.02.2026", "Bartek", "Lis"}));

    moveAndClick(buttons.fileOpen);
    EXPECT_EQ(text(state.record.firstName), "Bartek");
}

TEST_F(FileListTest, OpenLoadsTheFullNameAndProposesItForSaving) {
    writeExaminee("Bardzo długa nazwa pliku", "Celina");
    openList();
    // Too long for its row: shortened before the extension, never cut inside it.
    std::string row;
    for (const auto& c : frame.back(0).callsOf(ui::DrawCall::TextOut)) {
        const std::string shown = cp1250::toUtf8(c.name);
        if (shown.rfind("Bardzo", 0) == 0) row = shown;
    }
    EXPECT_GT(row.size(), std::string("Bardzo …").size());
    EXPECT_TRUE(row.ends_with("….pcn")) << row;
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

    clickRow(5);  // no file there: the file the user sees selected stays selected
    EXPECT_EQ(files.selectedRow(), 0);
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
    EXPECT_EQ(frame.onlyMessage().text,
              "Nie udało się usunąć pliku „anna.pcn”: w tym miejscu jest folder, a nie plik.");
    EXPECT_FALSE(frame.back(0).drewImage("Data\\usunalem.bmp"));
    EXPECT_EQ(state.screenId, screen::kFileList);
    EXPECT_TRUE(fs::exists(folder / "anna.pcn" / "x"));
}

TEST_F(FileListTest, AFailedDeleteNamesTheFileAndTheCause) {
    writeExaminee("anna", "Anna");
    const std::pair<std::errc, const char*> cases[] = {
        {std::errc::permission_denied,
         "brak uprawnień do usuwania plików w folderze plików badanych"},
        {std::errc::read_only_file_system, "dysk jest tylko do odczytu"},
        {std::errc::device_or_resource_busy, "plik jest używany przez inny program"},
    };
    for (const auto& [cause, words] : cases) {
        SCOPED_TRACE(words);
        frame.messages.clear();
        fileSystem.failAt = testing::FailingFileSystem::Step::Remove;
        fileSystem.reason = std::make_error_code(cause);
        openList();
        clickRow(0);
        moveAndClick(buttons.fileDelete);
        moveAndClick(buttons.ok);
        const auto message = frame.onlyMessage();
        EXPECT_EQ(message.caption, "Błąd usuwania");
        EXPECT_EQ(message.text,
                  std::string("Nie udało się usunąć pliku „anna.pcn”: ") + words + ".");
        EXPECT_EQ(state.screenId, screen::kFileList);
        EXPECT_TRUE(fs::exists(folder / "anna.pcn"));
        moveAndClick(buttons.fileClose);
    }
}

// A file that cannot be read is not "in a wrong format": the message says why, and the list
// is made again.
TEST_F(FileListTest, AFileThatCannotBeReadSaysWhyNotWrongFormat) {
    writeExaminee("anna", "Anna");
    writeExaminee("beata", "Beata");
    setText(state.record.firstName, "Ala");
    openList();
    clickRow(0);
    fs::remove(folder / "anna.pcn");  // gone since the list was made
    moveAndClick(buttons.fileOpen);
    const auto message = frame.onlyMessage();
    EXPECT_EQ(message.caption, "Nie można wczytać pliku");
    EXPECT_EQ(message.text,
              "Nie można odczytać pliku „anna.pcn”: pliku już nie ma w folderze (usunięto go lub "
              "przeniesiono po wyświetleniu listy).");
    EXPECT_EQ(state.screenId, screen::kFileList);
    EXPECT_EQ(rowName(0), "beata.pcn");
    EXPECT_EQ(text(state.record.firstName), "Ala");
    EXPECT_TRUE(files.currentFileName().empty());

    // A folder put in the file's place behind the list's back.
    clickRow(0);
    fs::remove(folder / "beata.pcn");
    fs::create_directories(folder / "beata.pcn");
    frame.messages.clear();
    moveAndClick(buttons.fileOpen);
    EXPECT_EQ(frame.onlyMessage().text,
              "Nie można odczytać pliku „beata.pcn”: w tym miejscu jest folder, a nie plik.");
    EXPECT_EQ(text(state.record.firstName), "Ala");
}

// Entering the list removes what interrupted saves left, the program's own hidden temporary
// files, and nothing else; one written a moment ago may be another copy's save in progress.
TEST_F(FileListTest, EnteringTheListRemovesLeftoversOfInterruptedSavesOnly) {
    writeExaminee("anna", "Anna");
    const auto write = [&](const std::string& name, bool old) {
        std::ofstream(folder / name) << "x";
        if (old) {
            fs::last_write_time(folder / name,
                                fs::file_time_type::clock::now() - std::chrono::hours(2));
        }
    };
    for (const char* leftover :
         {".lun4-0.tmp", ".lun4-17.tmp", ".anna.pcn.0.tmp", ".Nowak Jan.PCN.12.tmp"}) {
        write(leftover, true);
    }
    const std::set<std::string> kept = {
        "anna.pcn",   ".lun4-3.tmp",   "notes.tmp",  ".hidden",     ".lun4-x.tmp",
        ".lun4-.tmp", ".anna.pcn.tmp", "lun4-0.tmp", ".anna.0.tmp", ".lun4-4.tmp.pcn"};
    for (const std::string& name : kept) {
        if (name != "anna.pcn") write(name, name != ".lun4-3.tmp");
    }
    fs::create_directories(folder / ".lun4-5.tmp");
#ifndef _WIN32  // a folder's time cannot be set there; it is kept whatever its age
    fs::last_write_time(folder / ".lun4-5.tmp",
                        fs::file_time_type::clock::now() - std::chrono::hours(2));
#endif
    openList();
    std::set<std::string> expected = kept;
    expected.insert(".lun4-5.tmp");  // a folder, not a file a save wrote
    EXPECT_EQ(testing::fileNames(folder), expected);
    EXPECT_EQ(rowName(0), ".lun4-4.tmp.pcn");  // an examinee file, whatever its name
    EXPECT_EQ(rowName(1), "anna.pcn");
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
    controller.recordChanged();
    fs::remove_all(folder);
    std::ofstream(folder) << "a file where the folder should be";
    moveAndClick(buttons.quit);
    moveAndClick(buttons.yes);
    typeSaveName("anna");
    moveAndClick(buttons.ok);
    EXPECT_EQ(frame.onlyMessage().text,
              "Nie udało się zapisać pliku „anna.pcn”: folder plików badanych nie istnieje. "
              "Badanie nie zostało zapisane.");
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

TEST_F(SaveTest, AFailedSaveNamesTheFileAndTheCause) {
    using Step = testing::FailingFileSystem::Step;
    struct Case {
        Step step;
        std::error_code cause;
        const char* words;
    };
    const Case cases[] = {
        {Step::Create, std::make_error_code(std::errc::permission_denied),
         "brak uprawnień do zapisu w folderze plików badanych"},
        {Step::Write, std::make_error_code(std::errc::no_space_on_device), "brak miejsca na dysku"},
#ifdef EDQUOT  // a quota on POSIX; Windows gives it as a full disk
        {Step::Write, std::error_code(EDQUOT, std::generic_category()), "brak miejsca na dysku"},
#endif
        {Step::Create, std::make_error_code(std::errc::read_only_file_system),
         "dysk jest tylko do odczytu"},
        {Step::Create, std::make_error_code(std::errc::no_such_file_or_directory),
         "folder plików badanych nie istnieje"},
        {Step::Create, std::make_error_code(std::errc::filename_too_long),
         "nazwa pliku jest za długa"},
        {Step::Rename, std::make_error_code(std::errc::permission_denied),
         "brak uprawnień do zapisu w folderze plików badanych"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        frame.messages.clear();
        fileSystem.failAt = c.step;
        fileSystem.reason = c.cause;
        saveAs("Nowak");
        const auto message = frame.onlyMessage();
        EXPECT_EQ(message.caption, "Błąd zapisu");
        EXPECT_EQ(message.text, std::string("Nie udało się zapisać pliku „Nowak.pcn”: ") + c.words +
                                    ". Badanie nie zostało zapisane.");
        EXPECT_EQ(state.screenId, screen::kSave);
        EXPECT_EQ(filesInFolder(), 0u);  // nothing written, no temporary file left
        EXPECT_TRUE(files.currentFileName().empty());
        moveAndClick(buttons.cancel);
    }
    // A file marked read-only is not replaced, and the message says so.
    fileSystem.failAt = Step::None;
    saveAs("Nowak");
    ASSERT_EQ(state.screenId, screen::kInformation);
    fs::permissions(folder / "Nowak.pcn", fs::perms::owner_read | fs::perms::group_read);
    frame.messages.clear();
    saveAs("Nowak");
    EXPECT_EQ(frame.onlyMessage().text,
              "Nie udało się zapisać pliku „Nowak.pcn”: plik jest oznaczony jako tylko do odczytu. "
              "Badanie nie zostało zapisane.");
}

// Every name the check lets through can be written: the save's temporary file does not grow
// with the name. A name one byte longer is refused by the check, with the reason.
TEST_F(SaveTest, TheLongestNamesTheCheckAcceptsAreSaved) {
    std::string polishName;
    for (int i = 0; i < 125; ++i) polishName += "ż";  // 250 bytes on disk
    const std::string longest(251, 'a');              // 255 bytes with ".pcn"
    for (const std::string& name : {polishName, longest}) {
        SCOPED_TRACE(name.size());
        frame.messages.clear();
        saveAs(name);
        EXPECT_TRUE(frame.messages.empty());
        EXPECT_EQ(state.screenId, screen::kInformation);
        EXPECT_TRUE(fs::exists(folder / pathFromUtf8(name + ".pcn")));
        moveAndClick(buttons.ok);
    }
    EXPECT_EQ(filesInFolder(), 2u);
    saveAs(std::string(252, 'a'));
    EXPECT_EQ(frame.onlyMessage().text, "Nazwa pliku jest za długa.");
    EXPECT_EQ(filesInFolder(), 2u);
}

TEST_F(SaveTest, ANameTypedWithItsExtensionIsSavedUnderThatName) {
    saveAs("abc.pcn");
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_TRUE(fs::exists(folder / "abc.pcn"));
    EXPECT_EQ(files.currentFileName(), "abc");
    saveAs("Nowak.PCN");
    EXPECT_TRUE(fs::exists(folder / "Nowak.pcn"));
    EXPECT_EQ(files.currentFileName(), "Nowak");
    EXPECT_EQ(filesInFolder(), 2u);  // no "abc.pcn.pcn", no "Nowak.PCN.pcn"
    // Saving again under the name as typed the first time is the same file, without a
    // question.
    saveAs("Nowak.pcn");
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_EQ(filesInFolder(), 2u);
    // The extension alone is no name.
    frame.messages.clear();
    saveAs(".pcn");
    EXPECT_EQ(frame.onlyMessage().text, "Wpisz nazwę pliku.");
}

// The causes a save meets through the file system are checked on the save screen above; here
// the rest of the table, for opening and deleting too.
TEST(FileMessages, EachCauseHasItsOwnWords) {
    const auto code = [](std::errc e) { return std::make_error_code(e); };
    struct Case {
        FileAction action;
        std::error_code cause;
        const char* words;
    };
    const char* const gone =
        "pliku już nie ma w folderze (usunięto go lub przeniesiono po wyświetleniu listy)";
    const Case cases[] = {
        {FileAction::Save, code(std::errc::operation_not_permitted),
         "brak uprawnień do zapisu w folderze plików badanych"},
        {FileAction::Save, code(std::errc::file_too_large), "brak miejsca na dysku"},
#ifndef _WIN32  // the system's own codes are POSIX's there
        {FileAction::Save, std::error_code(ENOSPC, std::system_category()),
         "brak miejsca na dysku"},
#endif
        {FileAction::Save, code(std::errc::not_a_directory), "folder plików badanych nie istnieje"},
        {FileAction::Save, code(std::errc::is_a_directory),
         "w tym miejscu jest folder, a nie plik"},
        {FileAction::Save, make_error_code(FileErrc::brokenLink),
         "plik jest skrótem (dowiązaniem) do pliku, którego nie ma"},
        {FileAction::Save, make_error_code(FileErrc::notStorable),
         "badanie zawiera znaki, których nie można zapisać w pliku"},
        {FileAction::Save, code(std::errc::io_error), "dysk zgłosił błąd odczytu lub zapisu"},
        {FileAction::Save, code(std::errc::cross_device_link), "błąd systemu nr 18"},
        {FileAction::Open, code(std::errc::permission_denied),
         "brak uprawnień do odczytu tego pliku"},
        {FileAction::Open, code(std::errc::no_such_file_or_directory), gone},
        {FileAction::Open, code(std::errc::is_a_directory),
         "w tym miejscu jest folder, a nie plik"},
        {FileAction::Open, code(std::errc::operation_not_supported),
         "w tym miejscu jest coś innego niż zwykły plik"},
        {FileAction::Open, code(std::errc::filename_too_long), "nazwa pliku jest za długa"},
        {FileAction::Delete, code(std::errc::permission_denied),
         "brak uprawnień do usuwania plików w folderze plików badanych"},
        {FileAction::Delete, code(std::errc::read_only_file_system), "dysk jest tylko do odczytu"},
        {FileAction::Delete, code(std::errc::no_such_file_or_directory), gone},
        {FileAction::Delete, code(std::errc::text_file_busy),
         "plik jest używany przez inny program"},
        // An exported file goes wherever the user chose, not into the examinee folder.
        {FileAction::Export, code(std::errc::permission_denied),
         "brak uprawnień do zapisu w tym folderze"},
        {FileAction::Export, code(std::errc::no_such_file_or_directory), "folder nie istnieje"},
        {FileAction::Export, code(std::errc::no_space_on_device), "brak miejsca na dysku"},
        {FileAction::Export, make_error_code(FileErrc::readOnlyFile),
         "plik jest oznaczony jako tylko do odczytu"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp1250::toUtf8(failureReason(c.action, c.cause)), c.words)
            << static_cast<int>(c.action) << " " << c.cause.message();
    }
    const auto message = [](FileAction action, std::errc cause) {
        const FailureMessage m = failureMessage(action, cp("Żak.pcn"), std::make_error_code(cause));
        return cp1250::toUtf8(m.caption) + " | " + cp1250::toUtf8(m.text);
    };
    EXPECT_EQ(message(FileAction::Save, std::errc::no_space_on_device),
              "Błąd zapisu | Nie udało się zapisać pliku „Żak.pcn”: brak miejsca na dysku. "
              "Badanie nie zostało zapisane.");
    EXPECT_EQ(message(FileAction::Open, std::errc::permission_denied),
              "Nie można wczytać pliku | Nie można odczytać pliku „Żak.pcn”: brak uprawnień do "
              "odczytu tego pliku.");
    EXPECT_EQ(message(FileAction::Delete, std::errc::read_only_file_system),
              "Błąd usuwania | Nie udało się usunąć pliku „Żak.pcn”: dysk jest tylko do odczytu.");
}

TEST_F(SaveTest, PolishNamesEndToEnd) {
    setText(state.record.firstName, cp("Łucja"));
    saveAs("Żółć Ąę");
    ASSERT_TRUE(fs::exists(folder / u8"Żółć Ąę.pcn"));  // UTF-8 on disk
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
    EXPECT_FALSE(fs::exists(folder / u8"Żółć Ąę.pcn"));
}

// The record holds a change not saved yet.
class ExitTest : public testing::FileScreensTest {
  protected:
    ExitTest() { controller.recordChanged(); }
};

// With nothing to save (right after a save, a load or a new record) the way out simply ends.
TEST_F(ExitTest, NothingToSaveEndsWithoutTheQuestion) {
    saveAs("anna");
    moveAndClick(buttons.ok);
    moveAndClick(buttons.quit);
    EXPECT_TRUE(frame.quitRequested);
    EXPECT_NE(state.screenId, screen::kExitQuestion);

    frame.quitRequested = false;
    state.screenId = screen::kMainMenu;
    moveAndClick(buttons.newRecord);
    moveAndClick(buttons.ok);
    moveAndClick(buttons.ok);  // the data form's OK, nothing typed
    moveAndClick(buttons.quit);
    EXPECT_TRUE(frame.quitRequested);

    // One change and the question is back.
    frame.quitRequested = false;
    state.screenId = screen::kMainMenu;
    moveAndClick(buttons.editData);
    frame.fakeCheckBox(ui::CheckBoxId::Female).click();
    moveAndClick(buttons.ok);
    moveAndClick(buttons.quit);
    EXPECT_FALSE(frame.quitRequested);
    EXPECT_EQ(state.screenId, screen::kExitQuestion);
}

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

    // The window is closed while the save screen waits: the question again, no pending end;
    // cancelling it goes back to the save screen with the name being typed.
    moveAndClick(buttons.quit);
    moveAndClick(buttons.yes);
    ASSERT_TRUE(files.quitAfterSave());
    typeSaveName("w trakcie");
    files.showExitQuestion();
    EXPECT_FALSE(saveBoxVisible());
    EXPECT_FALSE(files.quitAfterSave());
    moveAndClick(buttons.cancel);
    EXPECT_EQ(state.screenId, screen::kSave);
    EXPECT_EQ(saveBoxText(), "w trakcie");
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
    controller.recordChanged();
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
    std::vector<PrintChoice> chosen;
    printMenu.setChoiceHandler([&](PrintChoice c) { chosen.push_back(c); });
    moveAndClick(*buttons.next[2]);
    moveAndClick(buttons.aids);
    EXPECT_EQ(chosen, (std::vector{PrintChoice::NarrativeReport, PrintChoice::Aids}));
    buttons.nextPage.setPosition(1, 1);
    moveAndClick(buttons.back);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_EQ(buttons.nextPage.x(), 665);
}

// Every field of a record, by name, against a new record's.
void expectNewRecord(const ExamineeRecord& r) {
    EXPECT_EQ(text(r.examDate), "");
    EXPECT_EQ(text(r.firstName), "");
    EXPECT_EQ(text(r.lastName), "");
    EXPECT_EQ(text(r.birthDate), "");
    EXPECT_EQ(r.gender, kGenderUnset);
    EXPECT_EQ(text(r.homeAddress), "");
    EXPECT_EQ(text(r.phoneContacts), "");
    EXPECT_EQ(text(r.facilityAddress), "");
    EXPECT_EQ(text(r.siblings), "");
    EXPECT_EQ(text(r.guardians), "");
    EXPECT_EQ(text(r.additionalInfo), "");
    EXPECT_EQ(text(r.diagnosticianName), "");
    EXPECT_EQ(text(r.diagnosticianPermitNo), "");
    for (int k = 0; k < kItemSlots; ++k) {
        EXPECT_EQ(r.scores[k], kNotScored) << k;
        EXPECT_EQ(text(r.notes[k]), "") << k;
    }
}

// A record with every field filled, saved as `name` in the folder.
ExamineeRecord fullRecord() {
    ExamineeRecord r;
    for (auto* field : {&r.examDate, &r.firstName, &r.lastName, &r.birthDate, &r.diagnosticianName,
                        &r.diagnosticianPermitNo}) {
        setText(*field, "pole");
    }
    for (auto* field : {&r.homeAddress, &r.phoneContacts, &r.facilityAddress, &r.siblings,
                        &r.guardians, &r.additionalInfo}) {
        setText(*field, "adres\r\n2");
    }
    r.gender = kGenderMale;
    for (int k = 0; k < kItemSlots; ++k) {
        r.scores[k] = kFail;
        setText(r.notes[k], "zalecenie");
    }
    return r;
}

class OpenTest : public FileListTest {
  protected:
    void openFile(int row) {
        openList();
        clickRow(row);
        moveAndClick(buttons.fileOpen);
    }
    bool saidIncomplete() { return frame.back(0).drewText("Wczytano niepełny plik"); }
};

// Opening another file with changes not saved asks first. "Anuluj" goes back to the list with
// nothing changed; "Nie zapisuj" opens; "Zapisz" saves to the record's file, or for a record
// without one goes through the save screen (proposing "<nazwisko> <imię>"), then opens.
TEST_F(OpenTest, OpeningAnotherFileWithUnsavedChangesAsksFirst) {
    writeExaminee("ula", "Ula");
    const auto typeName = [&](std::string_view first, std::string_view last) {
        state.screenId = screen::kMainMenu;
        moveAndClick(buttons.editData);
        frame.fakeControl(ui::ControlId::FullName).setText(cp(std::string(first) + " " +
                                                               std::string(last)));
        moveAndClick(buttons.ok);
    };
    typeName("Anna", "Kowalska");
    openFile(0);
    ASSERT_EQ(frame.threeWayQuestions.size(), 1u);
    const auto& question = frame.threeWayQuestions[0];
    EXPECT_EQ(cp1250::toUtf8(question.caption), "Niezapisane zmiany");
    EXPECT_EQ(cp1250::toUtf8(question.text), "Zapisać zmiany w badaniu Anna Kowalska?");
    EXPECT_EQ(cp1250::toUtf8(question.first), "Zapisz");
    EXPECT_EQ(cp1250::toUtf8(question.second), "Nie zapisuj");
    EXPECT_EQ(cp1250::toUtf8(question.cancel), "Anuluj");
    EXPECT_EQ(state.screenId, screen::kFileList);
    EXPECT_EQ(text(state.record.firstName), "Anna");
    EXPECT_EQ(filesInFolder(), 1u);

    // "Zapisz" for a record without a file: the save screen proposes a name, then the file
    // opens; cancelled, it goes back to the list.
    frame.threeWayAnswers.push_back(ui::Answer::First);
    moveAndClick(buttons.fileOpen);
    EXPECT_EQ(state.screenId, screen::kSave);
    EXPECT_EQ(saveBoxText(), "Kowalska Anna");
    moveAndClick(buttons.cancel);
    EXPECT_EQ(state.screenId, screen::kFileList);
    EXPECT_EQ(text(state.record.firstName), "Anna");
    frame.threeWayAnswers.push_back(ui::Answer::First);
    moveAndClick(buttons.fileOpen);
    moveAndClick(buttons.ok);
    EXPECT_EQ(loadedFirstName("Kowalska Anna"), "Anna");
    EXPECT_EQ(text(state.record.firstName), "Ula");
    EXPECT_EQ(files.currentFileName(), "ula");
    EXPECT_TRUE(frame.back(0).drewImage("Data\\wczytalem.bmp"));

    // "Zapisz" for a record with a file writes it there, then opens.
    moveAndClick(buttons.ok);
    typeName("Urszula", "Nowa");
    frame.threeWayAnswers.push_back(ui::Answer::First);
    openFile(1);  // "Kowalska Anna.pcn" comes first
    EXPECT_EQ(loadedFirstName("ula"), "Urszula");
    EXPECT_EQ(text(state.record.firstName), "Urszula");  // "ula" itself, opened again

    // "Nie zapisuj" opens without writing anything.
    moveAndClick(buttons.ok);
    typeName("Ola", "Zmieniona");
    frame.threeWayAnswers.push_back(ui::Answer::Second);
    openFile(0);
    EXPECT_EQ(text(state.record.firstName), "Anna");
    EXPECT_EQ(loadedFirstName("ula"), "Urszula");
    EXPECT_EQ(filesInFolder(), 2u);
    // Nothing changed since: the next file opens without a question.
    const size_t asked = frame.threeWayQuestions.size();
    moveAndClick(buttons.ok);
    openFile(1);
    EXPECT_EQ(frame.threeWayQuestions.size(), asked);
    EXPECT_EQ(text(state.record.firstName), "Urszula");
}

TEST_F(OpenTest, AFileCutOffLoadsIntoAClearedRecordAndSaysSo) {
    state.record = fullRecord();
    // Jan's file, cut off after the tenth score.
    ExamineeRecord jan;
    setText(jan.firstName, "Jan");
    jan.scores.fill(kPass);
    const std::string whole = encode(jan);
    const size_t scoresStart = whole.size() - 168 - 168;
    std::ofstream(folder / "jan.pcn", std::ios::binary) << whole.substr(0, scoresStart + 10);
    openFile(0);
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_TRUE(saidIncomplete());
    EXPECT_EQ(text(state.record.firstName), "Jan");
    for (int k = 1; k <= kItemCount; ++k) {
        ASSERT_EQ(state.record.scores[k], k <= 10 ? kPass : kNotScored) << k;
        ASSERT_EQ(text(state.record.notes[k]), "") << k;
    }
    ExamineeRecord expected;
    setText(expected.firstName, "Jan");
    for (int k = 1; k <= 10; ++k) expected.scores[k] = kPass;
    EXPECT_TRUE(sameContent(state.record, expected));
    EXPECT_EQ(files.currentFileName(), "jan");
    // Composed again (after a window repaint) it still says so.
    controller.compose();
    EXPECT_TRUE(saidIncomplete());

    // A whole file says plainly that it was loaded.
    moveAndClick(buttons.ok);
    std::ofstream(folder / "jan.pcn", std::ios::binary) << whole;
    frame.back(0).clearCalls();
    openFile(0);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\wczytalem.bmp"));
    EXPECT_FALSE(saidIncomplete());
    EXPECT_TRUE(sameContent(state.record, jan));
}

TEST_F(OpenTest, ANewRecordAfterALoadedOneIsANewRecordInEveryFieldAndBox) {
    ASSERT_TRUE(save(fullRecord(), folder / "pelny.pcn"));
    openFile(0);
    ASSERT_EQ(text(state.record.firstName), "pole");
    moveAndClick(buttons.ok);
    moveAndClick(buttons.editData);  // the form shows the loaded examinee
    moveAndClick(buttons.ok);
    moveAndClick(buttons.newRecord);
    moveAndClick(buttons.ok);
    ASSERT_EQ(state.screenId, screen::kDataForm);
    expectNewRecord(state.record);
    for (int i = 0; i < ui::kControlCount; ++i) {
        const auto id = static_cast<ui::ControlId>(i);
        if (id == ui::ControlId::NoteEditor || id == ui::ControlId::ReportBoxA ||
            id == ui::ControlId::ReportBoxB) {
            continue;
        }
        EXPECT_EQ(frame.fakeControl(id).text(), "") << i;
    }
    EXPECT_FALSE(frame.fakeCheckBox(ui::CheckBoxId::Male).isChecked());
    EXPECT_FALSE(frame.fakeCheckBox(ui::CheckBoxId::Female).isChecked());
    EXPECT_TRUE(files.currentFileName().empty());
}

TEST_F(OpenTest, TheFileThatWasOpenedIsTheFileThatIsSaved) {
    writeExaminee("Nowak", "Stary");
    fs::rename(folder / "Nowak.pcn", folder / "Nowak.PCN");
    openFile(0);
    ASSERT_EQ(files.currentFileName(), "Nowak");
    moveAndClick(buttons.ok);
    setText(state.record.firstName, "Nowy");
    moveAndClick(buttons.save);
    EXPECT_EQ(saveBoxText(), "Nowak");
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_EQ(filesInFolder(), 1u);
    ExamineeRecord r;
    ASSERT_EQ(load(r, folder / "Nowak.PCN"), ReadOutcome::Complete);
    EXPECT_EQ(text(r.firstName), "Nowy");

    // A new record given that name is asked about, then replaces the same file.
    moveAndClick(buttons.ok);
    moveAndClick(buttons.newRecord);
    moveAndClick(buttons.ok);
    moveAndClick(buttons.ok);
    setText(state.record.firstName, "Trzeci");
    saveAs("Nowak");
    EXPECT_EQ(state.screenId, screen::kFileExists);
    moveAndClick(buttons.ok);
    EXPECT_EQ(filesInFolder(), 1u);
    ASSERT_EQ(load(r, folder / "Nowak.PCN"), ReadOutcome::Complete);
    EXPECT_EQ(text(r.firstName), "Trzeci");

#ifndef _WIN32  // Windows' file names ignore letter case: "Nowak.pcn" is "Nowak.PCN" there
    // With "Nowak.pcn" beside it, the file opened is still the one written.
    writeExaminee("Nowak", "Inny");
    moveAndClick(buttons.ok);
    openFile(1);
    ASSERT_EQ(text(state.record.firstName), "Trzeci");
    moveAndClick(buttons.ok);
    setText(state.record.firstName, "Czwarty");
    saveAs("Nowak");
    EXPECT_EQ(state.screenId, screen::kInformation);
    ASSERT_EQ(load(r, folder / "Nowak.PCN"), ReadOutcome::Complete);
    EXPECT_EQ(text(r.firstName), "Czwarty");
    EXPECT_EQ(loadedFirstName("Nowak"), "Inny");
#endif
}

// A device's name cannot come onto a Windows disk by the system's own tools.
#ifndef _WIN32
TEST_F(OpenTest, SavingBackIsAllowedUnderANameANewFileCouldNotHave) {
    writeExaminee("con", "Obcy");  // copied from a system where the name is allowed
    saveAs("con");
    EXPECT_EQ(state.screenId, screen::kSave);  // a new file of that name is refused
    EXPECT_EQ(frame.messages.size(), 1u);
    moveAndClick(buttons.cancel);

    openFile(0);
    moveAndClick(buttons.ok);
    setText(state.record.firstName, "Zmieniony");
    saveAs("con");
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_EQ(frame.messages.size(), 1u);
    EXPECT_EQ(loadedFirstName("con"), "Zmieniony");

    // The exit question treats it the same way.
    moveAndClick(buttons.ok);
    setText(state.record.firstName, "Na koniec");
    controller.recordChanged();
    moveAndClick(buttons.quit);
    moveAndClick(buttons.yes);
    EXPECT_TRUE(frame.quitRequested);
    EXPECT_EQ(loadedFirstName("con"), "Na koniec");
    EXPECT_EQ(filesInFolder(), 1u);
}
#endif

TEST_F(ExitTest, YesFromTheSaveScreenConfirmsTheNameBeingTyped) {
    saveAs("stara");
    moveAndClick(buttons.ok);
    moveAndClick(buttons.save);
    typeSaveName("nowa");
    controller.recordChanged();
    files.showExitQuestion();
    moveAndClick(buttons.yes);
    EXPECT_EQ(state.screenId, screen::kSave);
    EXPECT_EQ(saveBoxText(), "nowa");
    EXPECT_TRUE(files.quitAfterSave());
    EXPECT_FALSE(frame.quitRequested);
    moveAndClick(buttons.ok);
    EXPECT_TRUE(fs::exists(folder / "nowa.pcn"));
    EXPECT_TRUE(frame.quitRequested);
}

}  // namespace
}  // namespace lun4

namespace lun4 {
namespace {

using ui::Key;

class FileKeysTest : public FileListTest {
  protected:
    bool press(Key key) { return controller.keyPressed(ui::keyPress(key)); }
    bool press(ui::KeyPress key) { return controller.keyPressed(key); }
    static ui::KeyPress ctrl(char c) {
        ui::KeyPress key = ui::letter(c);
        key.ctrl = true;
        return key;
    }
};

// Only the file the user sees selected is opened or deleted; keys move that selection from
// page to page, double clicks open it.
TEST_F(FileKeysTest, TheListsKeysAndDoubleClickActOnTheFileShownSelected) {
    writeNumbered(18);
    openList();
    EXPECT_EQ(files.selectedRow(), -1);
    moveAndClick(buttons.fileOpen);  // nothing selected: nothing opened
    EXPECT_EQ(state.screenId, screen::kFileList);
    EXPECT_EQ(frame.onlyMessage().text, "Najpierw wybierz z listy plik, który chcesz wczytać.");

    press(Key::Down);
    EXPECT_EQ(files.selectedRow(), 0);
    frame.back(0).clearCalls();
    press(Key::Down);
    EXPECT_EQ(cp1250::toUtf8(files.selectedFile()), "plik02.pcn");
    EXPECT_EQ(previewTexts(), (std::vector<std::string>{"", "Imię2", ""}));
    press(Key::End);
    EXPECT_EQ(files.listPage(), 1);
    EXPECT_EQ(cp1250::toUtf8(files.selectedFile()), "plik18.pcn");
    press(Key::PageUp);  // fifteen files back
    EXPECT_EQ(files.listPage(), 0);
    EXPECT_EQ(cp1250::toUtf8(files.selectedFile()), "plik03.pcn");
    press(Key::Home);
    press(Key::Up);
    EXPECT_EQ(cp1250::toUtf8(files.selectedFile()), "plik01.pcn");

    // Delete asks about the file by name; Enter and Escape keep it.
    for (Key answer : {Key::Enter, Key::Escape}) {
        frame.back(0).clearCalls();
        press(Key::Delete);
        ASSERT_EQ(state.screenId, screen::kDeleteQuestion);
        EXPECT_TRUE(frame.back(0).drewText("Usunąć plik „plik01.pcn”?"));
        press(answer);
        EXPECT_EQ(state.screenId, screen::kFileList);
        EXPECT_TRUE(fs::exists(folder / "plik01.pcn"));
    }
    // The arrows move the ring to OK: only then Enter deletes.
    press(Key::Delete);
    press(Key::Right);
    press(Key::Enter);
    EXPECT_FALSE(fs::exists(folder / "plik01.pcn"));
    press(Key::Enter);  // "Usunięto"
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    openList();

    // A double click on an empty row opens nothing; on a file it opens that file.
    press(Key::End);
    ASSERT_EQ(files.listPage(), 1);
    controller.leftButtonDoubleClick(235, 257 + 20 * 5 + 10);
    EXPECT_EQ(state.screenId, screen::kFileList);
    press(Key::Home);
    controller.leftButtonDoubleClick(235, 257 + 20 * 2 + 10);
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_EQ(text(state.record.firstName), cp("Imię4"));
    press(Key::Escape);  // "Wczytano"
    EXPECT_EQ(state.screenId, screen::kMainMenu);

    openList();
    press(Key::Enter);
    EXPECT_EQ(state.screenId, screen::kInformation);  // the file opened last is selected
    press(Key::Enter);
    openList();
    press(Key::Escape);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
}

// Enter gives the ringed default answer, Escape the one that changes nothing.
TEST_F(FileKeysTest, EnterAndEscapeAnswerEveryDialog) {
    // The save box: Escape cancels, Enter saves, Enter closes "Zapisano".
    setText(state.record.firstName, "Ewa");
    controller.recordChanged();
    press(ctrl('S'));
    ASSERT_EQ(state.screenId, screen::kSave);
    press(Key::Escape);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_FALSE(saveBoxVisible());
    press(ctrl('S'));
    typeSaveName("ewa");
    press(Key::Enter);
    EXPECT_EQ(state.screenId, screen::kInformation);
    EXPECT_EQ(loadedFirstName("ewa"), "Ewa");
    press(Key::Enter);
    EXPECT_EQ(state.screenId, screen::kMainMenu);

    // Writing over another file: neither key does it.
    writeExaminee("inny", "Obcy");
    for (Key answer : {Key::Enter, Key::Escape}) {
        press(ctrl('S'));
        typeSaveName("inny");
        press(Key::Enter);
        ASSERT_EQ(state.screenId, screen::kFileExists);
        press(answer);
        EXPECT_EQ(state.screenId, screen::kSave);
        press(Key::Escape);
    }
    EXPECT_EQ(loadedFirstName("inny"), "Obcy");

    // A new record: Escape keeps the record, Enter starts the new one.
    press(ctrl('N'));
    ASSERT_EQ(state.screenId, screen::kNewRecordQuestion);
    press(Key::Escape);
    EXPECT_EQ(text(state.record.firstName), "Ewa");
    press(ctrl('N'));
    press(Key::Enter);
    EXPECT_EQ(state.screenId, screen::kDataForm);
    EXPECT_EQ(text(state.record.firstName), "");
    press(Key::Enter);  // the data form's OK
    EXPECT_EQ(state.screenId, screen::kMainMenu);

    // The exit question: Escape stays, Enter is "Tak" (save first).
    setText(state.record.firstName, "Zofia");
    controller.recordChanged();
    moveAndClick(buttons.quit);
    ASSERT_EQ(state.screenId, screen::kExitQuestion);
    press(Key::Escape);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_FALSE(frame.quitRequested);
    moveAndClick(buttons.quit);
    press(Key::Enter);
    EXPECT_EQ(state.screenId, screen::kSave);
    EXPECT_TRUE(files.quitAfterSave());
}

}  // namespace
}  // namespace lun4
