#pragma once
// The file screens: the examinee file list with its preview, open and delete, the new-record
// question, saving under a name with the file-exists question, the information screens, the
// area descriptions, the wrong-format screen and the exit question (screens 3001,
// 3011-3015, 3041, 3080). Their mouse handling runs before the current screen's own rules.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "files/file_system.h"
#include "screens/assessment/data_form.h"
#include "screens/controller/screen_controller.h"
#include "screens/filescreens/record_file.h"
#include "screens/screen_module.h"

namespace lun4 {

class FileScreens : public ScreenModule {
  public:
    static constexpr int kRowCount = 16;  // rows of the file list
    static constexpr int kPageStep = 15;  // a page starts 15 files after the previous one

    struct Row {
        std::string name;  // cp1250, with ".pcn"; empty for a row without a file
        ui::Rect rect;
        bool highlighted = false;  // the row of the selected file
    };

    // Saving and deleting go through `fileSystem`. The examinee folder is made when it is
    // missing, unless `makeFolder` is false (a folder the user chose, such as a network
    // folder not connected now, is never made in its place).
    FileScreens(ScreenController& controller, DataForm& form, std::filesystem::path examineeFolder,
                FileSystem& fileSystem = systemFileSystem(), bool makeFolder = true);

    bool ownsScreen(int screenId) const override;
    void compose(int screenId) override;
    // Everything is answered in hoverFirst and clickFirst.
    void hover(int, int) override {}
    void click(int, int) override {}
    void hoverFirst(int x, int y) override;
    void clickFirst(int x, int y) override;
    // A double click on a file of the list opens it, as "Wczytaj" does.
    void doubleClick(int x, int y) override;
    // The list: Up, Down, Page Up, Page Down, Home and End move the selection (from page to
    // page), Enter opens the selected file, Delete deletes it, Escape closes the list. The
    // dialogs: Enter gives the default answer (OK; on the questions about deleting and
    // overwriting a file the answer that keeps it), Escape the one that changes nothing.
    bool key(const ui::KeyPress& key) override;
    // The window is closed on the save screen: the typed name is kept for when the exit
    // question is cancelled or answered yes.
    bool keepEditsBeforeExit(int screenId) override;
    bool resumeAfterExitQuestion(int screenId) override;

    void showFileList();
    void showNewRecordQuestion();
    void showSaveScreen();
    void showFileExists();
    void showSaved();
    void showDeleteQuestion();
    void showDeleted();
    void showLoaded();
    // As showLoaded, for a file that was cut off: the screen says the file was incomplete.
    void showLoadedIncomplete();
    void showWrongFormat();
    void showAreaDescription(int area);  // 0..2
    // The way out of the program: the main menu's quit button and the window's close.
    void showExitQuestion();

    // Name under which the record was last saved or from which it was opened (cp1250,
    // without ".pcn"); empty for a record never saved or opened.
    const std::string& currentFileName() const { return currentFileName_; }
    // A record given back after a crash keeps the name it had, and its file's lock is taken
    // again.
    void setCurrentFileName(std::string name);
    // A recovery copy given up: the lock its run left beside the file goes, if it is left over.
    void removeLeftOverLock(const std::string& name);
    bool quitAfterSave() const { return afterSave_ == AfterSave::Quit; }
    // The record's file is open only for reading: another copy of the program has it.
    bool readOnly() const { return recordFile_.readOnly(); }
    const std::array<Row, kRowCount>& rows() const { return rows_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Lists, opens and saves in `folder` from now on. A record opened from or saved to a file
    // of the previous folder lets go of that file (and its lock): changes not saved are first
    // offered to be saved there ("Zapisz"); "Nie zapisuj" keeps them in memory as a record
    // without a file, which the next save puts into the new folder. False, with nothing
    // changed, when the diagnostician cancels or the save fails.
    bool changeFolder(std::filesystem::path folder, bool makeFolder);
    // The row of the selected file on the page shown, -1 when none is selected.
    int selectedRow() const;
    // The selected file (cp1250, with its extension), empty when none is.
    const std::string& selectedFile() const { return selectedFile_; }
    int listPage() const { return listPage_; }

  private:
    // What a save leads to once it is done.
    enum class AfterSave { Nothing, Quit, Open };
    enum class Information { Saved, Deleted, Loaded, LoadedIncomplete, AreaDescription };

    ui::Frame& frame() { return controller_.frame(); }
    Buttons& buttons() { return controller_.buttons(); }
    ui::Surface& backBuffer() { return controller_.frame().backBuffer(0); }
    std::filesystem::path pathOf(std::string_view cp1250Name) const;

    // Pressed image, pause, normal state; some buttons are drawn normal on the window again.
    void press(ui::SkinButton& button, int pauseMs = 100, bool redrawNormal = false);
    void returnToMainMenu();
    // The end of the program through the exit question, saved or not.
    void endProgram();

    void drawGrey();
    void drawNameBox();
    void drawDialog(std::string_view image, int x, int y);
    void place(ui::SkinButton& button, int x, int y);
    void composeFileList();
    void composeSaveScreen(std::string_view boxText);
    void composeInformation(Information kind, std::string_view image);
    void fillRows();
    void drawRows();
    void drawArrowsAndButtons();
    void previewSelected();
    // The page `listPage_` drawn afresh over the list's picture, with its arrows and buttons.
    void redrawPage();
    // Selects the file at `index` of the folder's listing, turning the page when it is on
    // another one.
    void selectListed(int index);
    // The answers of a dialog the program draws, left to right: the one Enter gives at first
    // and the one Escape gives (the one that changes nothing).
    struct Answers {
        std::array<ui::SkinButton*, 3> buttons{};
        int count = 0;
        int chosenByEnter = 0;
        int escape = 0;
    };
    Answers answersOf(int screenId);
    // The answer Enter gives is ringed: the default when the dialog is shown, then the one the
    // arrow keys moved to.
    void drawRing();
    void ring(const ui::SkinButton& button, ui::Rgb colour);
    void composeExitQuestion();
    void drawDeleteQuestionText();

    void clickFileList(int x, int y);
    bool keyOnFileList(const ui::KeyPress& key);
    // "Wczytaj": the selected file, after the question about unsaved changes.
    void openSelected();
    void clickNewRecordQuestion(int x, int y);
    // "Nowe badanie tej osoby": the record keeps the person, loses the assessment.
    void startReassessment();
    void clickSave(int x, int y);
    void clickFileExists(int x, int y);
    void clickDeleteQuestion(int x, int y);
    void clickExitQuestion(int x, int y);

    // The file a save under `name` writes: the file the current name came from (whatever the
    // letter case of its extension), else a file of the folder with that name and any case of
    // ".pcn", else "<name>.pcn".
    std::filesystem::path fileFor(const std::string& name) const;
    // Writes the record under `name` through recordFile_, which reports a failure.
    RecordFile::Saved saveAs(const std::string& name);
    // The save screen's answer to a save of `name`: the next step, the same screen again, or
    // the screen with another name proposed.
    void answerSave(RecordFile::Saved saved, const std::string& name);
    void afterSaving();
    void hideSaveBox();
    // What the save box proposes: the record's file name; "<nazwisko> <imię>" for a record
    // without one; another name for a file open only for reading.
    std::string saveBoxProposal() const;
    // "Zapisać zmiany w badaniu <imię nazwisko>?": Zapisz (Enter), Nie zapisuj, Anuluj.
    ui::Answer askToSaveChanges();
    // "Zapisz" to that question: saves the record to its file and gives true; or leads to the
    // save screen, which then goes on to `then`, and gives false.
    bool saveBeforeLeaving(AfterSave then, const std::string& fileToOpen);
    void openFile(const std::string& name);

    ScreenController& controller_;
    DataForm& form_;
    std::filesystem::path folder_;
    FileSystem& fileSystem_;
    bool makeFolder_;
    std::string currentFileName_;
    // The file in the folder that currentFileName_ came from, with its extension as it is on
    // disk ("Nowak.PCN"); empty when the name was never read from or written to a file.
    std::string currentFile_;
    RecordFile recordFile_;
    AfterSave afterSave_ = AfterSave::Nothing;
    std::string openAfterSave_;  // the file opened once the save asked for is done
    bool reassessment_ = false;  // the record was begun as a new assessment of its person
    int exitFrom_ = 0;          // the screen the exit question was asked from
    std::string keptSaveName_;  // the save box's text when the exit question was asked
    std::array<Row, kRowCount> rows_;
    std::string selectedFile_;  // kept across visits while the file is on the page shown
    int ringed_ = 0;            // the answer Enter gives on the dialog shown
    int listPage_ = 0;
    std::string pendingName_;  // the name the file-exists question asks about
    Information information_ = Information::Saved;
    int describedArea_ = 0;
};

}  // namespace lun4
