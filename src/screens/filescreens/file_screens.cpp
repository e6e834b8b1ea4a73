#include "screens/filescreens/file_screens.h"

#include <algorithm>
#include <limits>
#include <system_error>
#include <utility>

#include "files/examinee_file.h"
#include "files/file_messages.h"
#include "model/comparison.h"
#include "model/cp1250.h"
#include "reports/document_names.h"
#include "screens/filescreens/examinee_names.h"
#include "screens/screen_ids.h"
#include "screens/selection_ring.h"
#include "screens/settings/user_settings.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;
using ui::SkinButton;

constexpr ui::Point kOkHome{664, 657};
constexpr ui::Rgb kHighlight{60, 147, 173};
constexpr size_t kMaxTypedName = 299;

// Over the loaded picture (at 287, 278) when the file was cut off: its words covered, ours
// written.
constexpr ui::Rect kIncompleteTextArea{372, 298, 745, 404};
constexpr ui::Rect kIncompleteTitle{377, 304, 740, 330};
constexpr ui::Rect kIncompleteMessage{377, 336, 740, 402};
constexpr ui::Rgb kWarningRed{170, 20, 20};

// The preview of the selected file: examination date, first name, surname.
constexpr ui::Rect kPreviewDate{459, 274, 599, 294};
constexpr ui::Rect kPreviewFirstName{459, 355, 599, 375};
constexpr ui::Rect kPreviewLastName{459, 385, 599, 405};

// A row's name is written from x 225 up to the arrows' track.
constexpr int kRowTextWidth = 151;

// The delete question names the file in the picture's place for it, in two lines at most.
constexpr ui::Rect kDeleteQuestionText{477, 372, 763, 416};
constexpr int kDeleteQuestionName = 250;  // the most a file name takes in it

// Clicks inside this area select rows (the rows themselves reach further right).
bool inListArea(int x, int y) {
    return x > 145 && x < 354 && y > 178 && y < 621;
}

bool inside(const ui::Rect& r, int x, int y) {
    return x > r.left && x < r.right && y > r.top && y < r.bottom;
}

std::string polish(std::string_view utf8) {
    return cp1250::fromUtf8Lossy(utf8);
}

// A name typed with the extension ("abc.pcn") is the name without it: the file is "abc.pcn",
// not "abc.pcn.pcn".
std::string withoutExtension(std::string name) {
    const size_t n = kExamineeExtension.size();
    if (name.size() < n) return name;
    for (size_t i = 0; i < n; ++i) {
        const char c = name[name.size() - n + i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != kExamineeExtension[i]) return name;
    }
    name.resize(name.size() - n);
    return name;
}

}  // namespace

FileScreens::FileScreens(ScreenController& controller, DataForm& form, fs::path examineeFolder,
                         FileSystem& fileSystem, bool makeFolder)
    : controller_(controller),
      form_(form),
      folder_(std::move(examineeFolder)),
      fileSystem_(fileSystem),
      makeFolder_(makeFolder),
      recordFile_(controller.frame(), fileSystem) {
    for (int i = 0; i < kRowCount; ++i) rows_[i].rect = {225, 257 + 20 * i, 525, 277 + 20 * i};
}

bool FileScreens::ownsScreen(int id) const {
    return id == screen::kFileList ||
           (id >= screen::kNewRecordQuestion && id <= screen::kDeleteQuestion) ||
           id == screen::kWrongFormat || id == screen::kExitQuestion;
}

void FileScreens::compose(int id) {
    switch (id) {
        case screen::kFileList:
            composeFileList();
            break;
        case screen::kNewRecordQuestion:
            showNewRecordQuestion();
            break;
        case screen::kSave:
            composeSaveScreen(frame().control(ui::ControlId::SaveName).text());
            break;
        case screen::kFileExists:
            composeSaveScreen(frame().control(ui::ControlId::SaveName).text());
            showFileExists();
            break;
        case screen::kInformation:
            switch (information_) {
                case Information::Saved:
                    showSaved();
                    break;
                case Information::Deleted:
                    showDeleted();
                    break;
                case Information::Loaded:
                    showLoaded();
                    break;
                case Information::LoadedIncomplete:
                    showLoadedIncomplete();
                    break;
                case Information::AreaDescription:
                    showAreaDescription(describedArea_);
                    break;
            }
            break;
        case screen::kDeleteQuestion:
            composeFileList();
            showDeleteQuestion();
            break;
        case screen::kWrongFormat:
            showWrongFormat();
            break;
        case screen::kExitQuestion:
            composeExitQuestion();
            break;
        default:
            break;
    }
}

fs::path FileScreens::pathOf(std::string_view name) const {
    return examineePath(folder_, name);
}

fs::path FileScreens::fileFor(const std::string& name) const {
    if (name == currentFileName_ && !currentFile_.empty()) return pathOf(currentFile_);
    // "Nowak.PCN" copied from elsewhere is the file of the name "Nowak": never a second one.
    std::string found;
    for (const std::string& file : listExamineeFiles(folder_)) {
        if (file.size() != name.size() + kExamineeExtension.size() || !file.starts_with(name)) {
            continue;
        }
        if (file.ends_with(kExamineeExtension)) return pathOf(file);
        if (found.empty()) found = file;
    }
    return pathOf(found.empty() ? name + std::string(kExamineeExtension) : found);
}

void FileScreens::setCurrentFileName(std::string name) {
    currentFileName_ = std::move(name);
    currentFile_.clear();
    // Still in the folder, the file of that name is the record's own.
    if (currentFileName_.empty()) return;
    const fs::path file = fileFor(currentFileName_);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(file, ec))) {
        const std::u8string name = file.filename().u8string();
        currentFile_ = cp1250::fromUtf8(std::string(name.begin(), name.end())).value_or("");
        recordFile_.adopt(file);
    }
}

void FileScreens::removeLeftOverLock(const std::string& name) {
    if (!name.empty()) ExamineeLock::removeLeftOver(fileFor(name), fileSystem_);
}

bool FileScreens::changeFolder(fs::path folder, bool makeFolder) {
    if (!currentFileName_.empty() && controller_.recordModified()) {
        const std::string whose = controller_.state().record.fullName();
        const std::string question =
            polish("Badanie ") + (whose.empty() ? std::string() : whose + " ") + polish("(plik „") +
            currentFile_ + polish("”) ma niezapisane zmiany. Zapisać je w dotychczasowym folderze "
                                  "przed zmianą folderu?");
        switch (frame().askOrCancel(polish("Zmiana folderu plików badanych"), question,
                                    polish("Zapisz"), polish("Nie zapisuj"), polish("Anuluj"))) {
            case ui::Answer::Cancel:
                return false;
            case ui::Answer::First:
                if (saveAs(currentFileName_) != RecordFile::Saved::Yes) return false;
                break;
            case ui::Answer::Second:
                break;
        }
    }
    const bool unsaved = controller_.recordModified();
    folder_ = std::move(folder);
    makeFolder_ = makeFolder;
    currentFileName_.clear();
    currentFile_.clear();
    recordFile_.close();
    // Changes kept in memory are unsaved work of a record without a file: the recovery copy
    // forgets the old name, so that a crash never ties them to a file of the new folder.
    if (unsaved) controller_.recordChanged();
    return true;
}

std::string FileScreens::saveBoxProposal() const {
    if (recordFile_.readOnly()) return currentFileName_ + polish(" (kopia)");
    if (!currentFileName_.empty()) return currentFileName_;
    // A record without a file: "<nazwisko> <imię>"; a new assessment of a person begun with
    // "Nowe badanie tej osoby" also its date, "<nazwisko> <imię> <data badania>", so that the
    // earlier assessment's file is not written over by accident.
    const ExamineeRecord& record = controller_.state().record;
    std::string name(text(record.lastName));
    const std::string_view first = text(record.firstName);
    if (!name.empty() && !first.empty()) name += ' ';
    name += first;
    const std::string date = reassessment_ ? reports::fileNamePart(text(record.examDate)) : "";
    if (!name.empty() && !date.empty()) name += ' ';
    return name + date;
}

// ---------------------------------------------------------------------------------------------
// Drawing helpers

void FileScreens::press(SkinButton& button, int pauseMs, bool redrawNormal) {
    controller_.feedback(button, pauseMs);
    if (redrawNormal) {
        button.draw(frame().windowSurface());
        frame().showWindowSurface();
    }
}

void FileScreens::returnToMainMenu() {
    buttons().ok.setPosition(kOkHome.x, kOkHome.y);
    controller_.state().screenId = screen::kMainMenu;
    controller_.compose();
}

void FileScreens::drawGrey() {
    backBuffer().drawImage(frame().images().loadBitmap("Data/tlo_gray.bmp"), 0, 0, ui::kFrameWidth,
                           ui::kFrameHeight);
}

void FileScreens::drawDialog(std::string_view image, int x, int y) {
    backBuffer().drawImage(frame().images().loadBitmap(image), x, y);
}

void FileScreens::place(SkinButton& button, int x, int y) {
    button.setPosition(x, y);
    button.draw(backBuffer());
}

void FileScreens::drawNameBox() {
    backBuffer().setTextColour(ui::kBlack);
    drawExamineeNameBox(backBuffer(), controller_.state().record);
}

// ---------------------------------------------------------------------------------------------
// The file list

void FileScreens::showFileList() {
    // What interrupted saves left goes when the folder is listed.
    removeInterruptedSaves(folder_, fileSystem_);
    listPage_ = 0;
    composeFileList();
}

void FileScreens::composeFileList() {
    controller_.state().screenId = screen::kFileList;
    ui::Surface& target = backBuffer();
    target.setBackgroundMode(ui::BackgroundMode::Opaque);
    target.setFont(ui::FontId::List);
    frame().windowSurface().setFont(ui::FontId::List);
    target.drawImage(frame().images().loadBitmap("Data\\tlo_gray.bmp"), 0, 0, ui::kFrameWidth,
                     ui::kFrameHeight);
    drawDialog("data\\otworz.bmp", 175, 167);
    fillRows();
    drawRows();
    drawArrowsAndButtons();
    drawNameBox();
    frame().present();
    target.setFont(ui::FontId::ListTitle);
    frame().windowSurface().setFont(ui::FontId::ListTitle);
}

void FileScreens::fillRows() {
    const std::vector<std::string> names = listExamineeFiles(folder_);
    const size_t first = static_cast<size_t>(listPage_) * kPageStep;
    bool selectedShown = false;
    for (int i = 0; i < kRowCount; ++i) {
        const size_t n = first + i;
        rows_[i].name = n < names.size() ? names[n] : std::string();
        selectedShown = selectedShown || (!selectedFile_.empty() && rows_[i].name == selectedFile_);
    }
    // Only a file the user sees selected is selected: one on another page, or gone, is not.
    if (!selectedShown) selectedFile_.clear();
    for (Row& row : rows_) row.highlighted = !row.name.empty() && row.name == selectedFile_;
}

int FileScreens::selectedRow() const {
    for (int i = 0; i < kRowCount; ++i) {
        if (rows_[i].highlighted) return i;
    }
    return -1;
}

void FileScreens::drawRows() {
    ui::Surface& target = backBuffer();
    target.setFont(ui::FontId::List);
    target.setTextColour(ui::kBlack);
    target.setBackgroundMode(ui::BackgroundMode::Opaque);
    for (const Row& row : rows_) {
        if (row.name.empty()) continue;
        target.setTextBackground(row.highlighted ? kHighlight : ui::kWhite);
        target.textOut(row.rect.left, row.rect.top,
                       fittedFileName(row.name, kRowTextWidth, [&target](std::string_view text) {
                           return target.textWidth(text, ui::FontId::List);
                       }));
        target.setTextBackground(ui::kWhite);
    }
}

void FileScreens::drawArrowsAndButtons() {
    Buttons& b = buttons();
    // A disabled arrow is neither drawn nor lit by the mouse.
    b.fileUp.setEnabled(listPage_ != 0);
    b.fileDown.setEnabled(!rows_[kRowCount - 1].name.empty());
    if (b.fileUp.isEnabled()) b.fileUp.draw(backBuffer());
    if (b.fileDown.isEnabled()) b.fileDown.draw(backBuffer());
    b.fileClose.draw(backBuffer());
    b.fileDelete.draw(backBuffer());
    b.fileOpen.draw(backBuffer());
}

void FileScreens::previewSelected() {
    ui::Surface& target = backBuffer();
    for (const ui::Rect& box : {kPreviewDate, kPreviewFirstName, kPreviewLastName}) {
        target.fill(box, ui::kWhite);
    }
    const std::string& name = selectedFile_;
    if (name.empty()) return;
    const HeaderPeek peek = peekHeader(pathOf(name));
    if (!peek.opened || !peek.signatureMatched) return;
    const unsigned flags = ui::text::kCenter | ui::text::kVCenter | ui::text::kSingleLine;
    target.setFont(ui::FontId::List);
    target.setTextColour(ui::kBlack);
    target.drawText(peek.examDate, kPreviewDate, flags);
    target.drawText(peek.firstName, kPreviewFirstName, flags);
    target.drawText(peek.lastName, kPreviewLastName, flags);
}

void FileScreens::clickFileList(int x, int y) {
    Buttons& b = buttons();
    if (inListArea(x, y)) {
        // A file's row selects it; a click beside the files leaves the selection as it is.
        for (const Row& row : rows_) {
            if (!row.name.empty() && inside(row.rect, x, y)) selectedFile_ = row.name;
        }
        for (Row& row : rows_) row.highlighted = !row.name.empty() && row.name == selectedFile_;
        drawRows();
        previewSelected();
        frame().present();
        return;
    }
    if (b.fileClose.clickTest(x, y)) {
        press(b.fileClose);
        returnToMainMenu();
        backBuffer().setBackgroundMode(ui::BackgroundMode::Transparent);
        return;
    }
    if (b.fileDelete.clickTest(x, y)) {
        press(b.fileDelete, 100, true);
        if (!selectedFile_.empty()) showDeleteQuestion();
        return;
    }
    if (b.fileOpen.clickTest(x, y)) {
        press(b.fileOpen, 50, true);
        openSelected();
        return;
    }
    const bool up = b.fileUp.clickTest(x, y);
    const bool down = !up && b.fileDown.clickTest(x, y);
    if (!up && !down) return;
    press(up ? b.fileUp : b.fileDown, 0);
    listPage_ += up ? -1 : 1;
    redrawPage();
}

void FileScreens::redrawPage() {
    drawDialog("data\\otworz.bmp", 175, 167);
    fillRows();
    drawRows();
    previewSelected();
    drawArrowsAndButtons();
    drawNameBox();
    frame().present();
}

void FileScreens::openSelected() {
    const std::string name = selectedFile_;
    if (name.empty()) {
        // Nothing is opened that the user did not see selected.
        frame().showMessage(polish("Wczytaj badanie"),
                            rows_[0].name.empty()
                                ? polish("W folderze „pacjenci” nie ma zapisanych badań.")
                                : polish("Najpierw wybierz z listy plik, który chcesz wczytać."));
        frame().present();
        return;
    }
    // The record in memory is never replaced with unsaved changes unasked.
    if (controller_.recordModified()) {
        switch (askToSaveChanges()) {
            case ui::Answer::Cancel:
                composeFileList();
                return;
            case ui::Answer::First:
                if (!saveBeforeLeaving(AfterSave::Open, name)) return;
                break;
            case ui::Answer::Second:
                break;
        }
    }
    openFile(name);
}

void FileScreens::doubleClick(int x, int y) {
    if (controller_.state().screenId != screen::kFileList || !inListArea(x, y)) return;
    const int row = selectedRow();
    if (row >= 0 && inside(rows_[row].rect, x, y)) openSelected();
}

void FileScreens::selectListed(int index) {
    const int count = static_cast<int>(listExamineeFiles(folder_).size());
    if (count == 0) return;
    index = std::clamp(index, 0, count - 1);
    // The page that shows it, the page shown when it does.
    const int first = listPage_ * kPageStep;
    if (index < first || index >= first + kRowCount) listPage_ = index / kPageStep;
    fillRows();
    selectedFile_ = rows_[index - listPage_ * kPageStep].name;
    redrawPage();
}

bool FileScreens::keyOnFileList(const ui::KeyPress& key) {
    Buttons& b = buttons();
    const int row = selectedRow();
    const int index = row < 0 ? -1 : listPage_ * kPageStep + row;
    // With nothing selected the first key that moves selects the page's first file.
    const int here = index < 0 ? listPage_ * kPageStep : index;
    if (key.plain(ui::Key::Down)) {
        selectListed(index < 0 ? here : index + 1);
    } else if (key.plain(ui::Key::Up)) {
        selectListed(index < 0 ? here : index - 1);
    } else if (key.plain(ui::Key::PageDown)) {
        selectListed(here + kPageStep);
    } else if (key.plain(ui::Key::PageUp)) {
        selectListed(here - kPageStep);
    } else if (key.plain(ui::Key::Home)) {
        selectListed(0);
    } else if (key.plain(ui::Key::End)) {
        selectListed(std::numeric_limits<int>::max());
    } else if (key.plain(ui::Key::Enter)) {
        controller_.pressByKey(b.fileOpen);
    } else if (key.plain(ui::Key::Delete)) {
        controller_.pressByKey(b.fileDelete);
    } else if (key.plain(ui::Key::Escape)) {
        controller_.pressByKey(b.fileClose);
    } else {
        return false;
    }
    return true;
}

ui::Answer FileScreens::askToSaveChanges() {
    const std::string whose = controller_.state().record.fullName();
    const std::string question =
        whose.empty() ? polish("Zapisać zmiany w bieżącym badaniu?")
                      : polish("Zapisać zmiany w badaniu ") + whose + "?";
    return frame().askOrCancel(polish("Niezapisane zmiany"), question, polish("Zapisz"),
                               polish("Nie zapisuj"), polish("Anuluj"));
}

bool FileScreens::saveBeforeLeaving(AfterSave then, const std::string& fileToOpen) {
    afterSave_ = then;
    openAfterSave_ = fileToOpen;
    // A record without a file of its own, or open only for reading, gets its name on the save
    // screen, which then goes on.
    if (currentFileName_.empty() || recordFile_.readOnly()) {
        showSaveScreen();
        return false;
    }
    switch (saveAs(currentFileName_)) {
        case RecordFile::Saved::Yes:
            afterSave_ = AfterSave::Nothing;
            return true;
        case RecordFile::Saved::UnderOtherName:
            composeSaveScreen(currentFileName_ + polish(" (kopia)"));
            return false;
        case RecordFile::Saved::No:
            break;
    }
    afterSave_ = AfterSave::Nothing;
    frame().present();
    return false;
}

void FileScreens::openFile(const std::string& name) {
    std::error_code cause;
    const RecordFile::Opened opened =
        recordFile_.open(pathOf(name), controller_.state().record, cause);
    switch (opened) {
        case RecordFile::Opened::Cancelled:
            composeFileList();
            return;
        case RecordFile::Opened::Unreadable: {
            // Not a question of format: the file could not be read at all. The list is made
            // again, without a file that has gone.
            const FailureMessage message = failureMessage(FileAction::Open, name, cause);
            frame().showMessage(message.caption, message.text);
            showFileList();
            return;
        }
        case RecordFile::Opened::WrongFormat:
            showWrongFormat();
            return;
        case RecordFile::Opened::Complete:
        case RecordFile::Opened::EndedEarly:
            break;
    }
    currentFileName_ = name.substr(0, name.size() - kExamineeExtension.size());
    currentFile_ = name;
    reassessment_ = false;
    // The record given up is gone by choice, and so is its recovery copy.
    controller_.recordReplaced();
    if (opened == RecordFile::Opened::Complete) {
        showLoaded();
    } else {
        showLoadedIncomplete();
    }
}

// ---------------------------------------------------------------------------------------------
// Dialogs

FileScreens::Answers FileScreens::answersOf(int screenId) {
    Buttons& b = buttons();
    switch (screenId) {
        case screen::kNewRecordQuestion:
            return {{&b.cancel, &b.ok, &b.reassess}, 3, 1, 0};
        case screen::kSave:
            return {{&b.cancel, &b.ok}, 2, 1, 0};
        // Writing over a file and deleting one are never the default.
        case screen::kFileExists:
        case screen::kDeleteQuestion:
            return {{&b.cancel, &b.ok}, 2, 0, 0};
        case screen::kExitQuestion:
            return {{&b.yes, &b.no, &b.cancel}, 3, 0, 2};
        default:
            return {};
    }
}

void FileScreens::drawRing() {
    const Answers answers = answersOf(controller_.state().screenId);
    if (answers.count == 0) return;
    ringed_ = answers.chosenByEnter;
    ring(*answers.buttons[ringed_], kAccent);
}

// The ring lies on the dialog's white card, just outside the button: drawn in white it is gone.
void FileScreens::ring(const SkinButton& button, ui::Rgb colour) {
    lun4::drawRing(backBuffer(),
                   {button.x(), button.y(), button.x() + button.width(),
                    button.y() + button.height()},
                   colour);
}

void FileScreens::showNewRecordQuestion() {
    controller_.state().screenId = screen::kNewRecordQuestion;
    drawGrey();
    drawDialog("Data\\nowe_tlo.bmp", 302, 250);
    place(buttons().ok, 594, 400);
    place(buttons().cancel, 444, 400);
    place(buttons().reassess, 426, 536);
    drawRing();
    drawNameBox();
    frame().present();
}

void FileScreens::showSaveScreen() {
    composeSaveScreen(saveBoxProposal());
}

void FileScreens::composeSaveScreen(std::string_view boxText) {
    controller_.state().screenId = screen::kSave;
    drawGrey();
    drawDialog("Data\\zapisz_tlo.bmp", 302, 250);
    place(buttons().ok, 595, 402);
    place(buttons().cancel, 447, 402);
    drawRing();
    ui::TextControl& box = frame().control(ui::ControlId::SaveName);
    box.setText(boxText);
    box.setVisible(true);
    box.setFocus();
    drawNameBox();
    frame().present();
}

void FileScreens::showFileExists() {
    controller_.state().screenId = screen::kFileExists;
    drawDialog("Data\\plik_istnieje.bmp", 380, 323);
    place(buttons().ok, 670, 460);
    place(buttons().cancel, 520, 460);
    drawRing();
    drawNameBox();
    frame().present();
}

void FileScreens::composeInformation(Information kind, std::string_view image) {
    information_ = kind;
    controller_.state().screenId = screen::kInformation;
    drawGrey();
    drawDialog(image, 287, 278);
    if (kind == Information::LoadedIncomplete) {
        // The picture says only that the examination was loaded; its words give way to ours.
        ui::Surface& target = backBuffer();
        target.fill(kIncompleteTextArea, ui::kWhite);
        target.setBackgroundMode(ui::BackgroundMode::Transparent);
        target.setFont(ui::FontId::ReportHeading);
        target.setTextColour(kWarningRed);
        target.drawText(polish("Wczytano niepełny plik"), kIncompleteTitle,
                        ui::text::kLeft | ui::text::kSingleLine);
        target.setFont(ui::FontId::ReportText);
        target.setTextColour(ui::kBlack);
        target.drawText(polish("Plik urywa się przed końcem. Wczytano tylko to, co zawiera: "
                               "brakujące dane i zalecenia są puste, a brakujące oceny "
                               "nieocenione. Sprawdź badanie przed zapisaniem."),
                        kIncompleteMessage, ui::text::kLeft | ui::text::kWordBreak);
    }
    place(buttons().ok, 470, 410);
    drawNameBox();
    frame().present();
}

void FileScreens::showSaved() {
    composeInformation(Information::Saved, "Data\\zapisalem.bmp");
}

void FileScreens::showDeleted() {
    composeInformation(Information::Deleted, "Data\\usunalem.bmp");
    backBuffer().setBackgroundMode(ui::BackgroundMode::Transparent);
}

void FileScreens::showLoaded() {
    composeInformation(Information::Loaded, "Data\\wczytalem.bmp");
    backBuffer().setBackgroundMode(ui::BackgroundMode::Transparent);
}

void FileScreens::showLoadedIncomplete() {
    composeInformation(Information::LoadedIncomplete, "Data\\wczytalem.bmp");
    backBuffer().setBackgroundMode(ui::BackgroundMode::Transparent);
}

void FileScreens::showDeleteQuestion() {
    controller_.state().screenId = screen::kDeleteQuestion;
    drawDialog("Data\\czyusunac.bmp", 387, 315);
    drawDeleteQuestionText();
    place(buttons().ok, 670, 445);
    place(buttons().cancel, 510, 445);
    drawRing();
    drawNameBox();
    frame().present();
}

// "Usunąć plik „Nowak Jan.pcn”?": the picture holds the title and the warning, the program the
// question with the file's name.
void FileScreens::drawDeleteQuestionText() {
    ui::Surface& target = backBuffer();
    const auto width = [&target](std::string_view text) {
        return target.textWidth(text, ui::FontId::Edit);
    };
    const std::string question = polish("Usunąć plik „") +
                                 fittedFileName(selectedFile_, kDeleteQuestionName, width) +
                                 polish("”?");
    target.setBackgroundMode(ui::BackgroundMode::Transparent);
    target.setFont(ui::FontId::Edit);
    target.setTextColour(ui::kBlack);
    target.drawText(question, kDeleteQuestionText, ui::text::kLeft | ui::text::kWordBreak);
}

void FileScreens::showWrongFormat() {
    controller_.state().screenId = screen::kWrongFormat;
    drawGrey();
    drawDialog("Data\\zlyformat.bmp", 287, 278);
    place(buttons().ok, 470, 410);
    frame().present();
    backBuffer().setBackgroundMode(ui::BackgroundMode::Transparent);
}

void FileScreens::showAreaDescription(int area) {
    // The pictures are numbered differently from the areas.
    static const char* const kPages[3] = {"Data\\opis2.bmp", "Data\\opis3.bmp", "Data\\opis1.bmp"};
    information_ = Information::AreaDescription;
    describedArea_ = area;
    controller_.state().screenId = screen::kInformation;
    drawGrey();
    // Below the examinee panel, which stays clear of it.
    drawDialog("Data\\opisO.bmp", 227, 212);
    drawDialog(kPages[area], 285, 291);
    place(buttons().ok, 475, 581);
    backBuffer().setBackgroundMode(ui::BackgroundMode::Transparent);
    drawNameBox();
    frame().present();
}

void FileScreens::showExitQuestion() {
    // The window may be closed from any screen: what is being typed there is kept first, as
    // its OK would keep it (a note too long to keep leaves its editor open with the reason),
    // and no control stays over the question. Leaving for the question also drops a pending
    // end after saving.
    const int from = controller_.state().screenId;
    if (from != screen::kExitQuestion) {
        if (!controller_.keepEditsBeforeExit()) return;
        exitFrom_ = from;
    }
    for (int i = 0; i < ui::kControlCount; ++i) {
        frame().control(static_cast<ui::ControlId>(i)).setVisible(false);
    }
    frame().checkBox(ui::CheckBoxId::Male).setVisible(false);
    frame().checkBox(ui::CheckBoxId::Female).setVisible(false);
    afterSave_ = AfterSave::Nothing;
    // Nothing to save: right after a save, a load or a new record the program simply ends.
    if (!controller_.recordModified()) {
        endProgram();
        return;
    }
    composeExitQuestion();
}

void FileScreens::composeExitQuestion() {
    controller_.state().screenId = screen::kExitQuestion;
    drawGrey();
    drawDialog("Data\\zapisac.bmp", 287, 278);
    place(buttons().cancel, 584, 412);
    place(buttons().yes, 379, 412);
    place(buttons().no, 481, 412);
    drawRing();
    drawNameBox();
    frame().present();
    backBuffer().setBackgroundMode(ui::BackgroundMode::Transparent);
}

// ---------------------------------------------------------------------------------------------
// Mouse

void FileScreens::hoverFirst(int x, int y) {
    Buttons& b = buttons();
    switch (controller_.state().screenId) {
        case screen::kFileList:
            for (SkinButton* button :
                 {&b.fileUp, &b.fileDown, &b.fileClose, &b.fileDelete, &b.fileOpen}) {
                controller_.hoverAndRedraw(*button, x, y);
            }
            break;
        case screen::kNewRecordQuestion:
            controller_.hoverAndRedraw(b.reassess, x, y);
            [[fallthrough]];
        case screen::kSave:
        case screen::kFileExists:
        case screen::kDeleteQuestion:
            controller_.hoverAndRedraw(b.cancel, x, y);
            controller_.hoverAndRedraw(b.ok, x, y);
            break;
        case screen::kInformation:
        case screen::kWrongFormat:
            controller_.hoverAndRedraw(b.ok, x, y);
            break;
        case screen::kExitQuestion:
            controller_.hoverAndRedraw(b.yes, x, y);
            controller_.hoverAndRedraw(b.no, x, y);
            controller_.hoverAndRedraw(b.cancel, x, y);
            break;
        default:
            break;
    }
}

void FileScreens::clickFirst(int x, int y) {
    Buttons& b = buttons();
    switch (controller_.state().screenId) {
        case screen::kFileList:
            clickFileList(x, y);
            break;
        case screen::kDataForm:
            form_.clickOk(x, y);
            break;
        case screen::kNewRecordQuestion:
            clickNewRecordQuestion(x, y);
            break;
        case screen::kSave:
            clickSave(x, y);
            break;
        case screen::kFileExists:
            clickFileExists(x, y);
            break;
        case screen::kInformation:
            if (b.ok.clickTest(x, y)) {
                press(b.ok);
                returnToMainMenu();
            }
            break;
        case screen::kDeleteQuestion:
            clickDeleteQuestion(x, y);
            break;
        case screen::kWrongFormat:
            if (b.ok.clickTest(x, y)) {
                press(b.ok);
                showFileList();
            }
            break;
        case screen::kExitQuestion:
            clickExitQuestion(x, y);
            break;
        default:
            break;
    }
}

bool FileScreens::key(const ui::KeyPress& key) {
    const int id = controller_.state().screenId;
    if (id == screen::kFileList) return keyOnFileList(key);
    const bool enter = key.plain(ui::Key::Enter);
    const bool escape = key.plain(ui::Key::Escape);
    if (id == screen::kInformation || id == screen::kWrongFormat) {
        if (!enter && !escape) return false;
        controller_.pressByKey(buttons().ok);
        return true;
    }
    const Answers answers = answersOf(id);
    if (answers.count == 0) return false;
    // Left and Right move the ring from answer to answer, as in a message box; in the save box
    // they move the cursor.
    const bool left = key.plain(ui::Key::Left), right = key.plain(ui::Key::Right);
    if ((left || right) && id != screen::kSave) {
        ring(*answers.buttons[ringed_], ui::kWhite);
        ringed_ = std::clamp(ringed_ + (right ? 1 : -1), 0, answers.count - 1);
        ring(*answers.buttons[ringed_], kAccent);
        frame().present();
        return true;
    }
    if (!enter && !escape) return false;
    controller_.pressByKey(*answers.buttons[escape ? answers.escape : ringed_]);
    return true;
}

void FileScreens::clickNewRecordQuestion(int x, int y) {
    Buttons& b = buttons();
    if (b.cancel.clickTest(x, y)) {
        press(b.cancel);
        returnToMainMenu();
    } else if (b.ok.clickTest(x, y)) {
        press(b.ok);
        b.ok.setPosition(kOkHome.x, kOkHome.y);
        controller_.state().record.clear();
        proposeDiagnostician(controller_.state().record, frame().settings());
        currentFileName_.clear();
        currentFile_.clear();
        reassessment_ = false;
        recordFile_.close();
        controller_.recordReplaced();
        form_.showDataForm();
        frame().control(ui::ControlId::SaveName).setText("");
    } else if (b.reassess.clickTest(x, y)) {
        press(b.reassess);
        startReassessment();
    }
}

void FileScreens::startReassessment() {
    ExamineeRecord& record = controller_.state().record;
    if (text(record.firstName).empty() && text(record.lastName).empty()) {
        // Nobody to assess again: the question stays.
        frame().showMessage(polish("Nowe badanie tej osoby"),
                            polish("Badanie w pamięci nie ma imienia ani nazwiska osoby. Najpierw "
                                   "wczytaj badanie osoby, którą chcesz zbadać ponownie."));
        frame().present();
        return;
    }
    buttons().ok.setPosition(kOkHome.x, kOkHome.y);
    lun4::startReassessment(record);
    // A record of its own: it is saved as a new file, never over the earlier one, whose file
    // it lets go. The earlier assessment is given up by choice; the new one, holding the
    // person's data, is unsaved work from the start.
    currentFileName_.clear();
    currentFile_.clear();
    recordFile_.close();
    reassessment_ = true;
    controller_.recordReplaced();
    controller_.recordChanged();
    form_.showDataForm();
    frame().control(ui::ControlId::SaveName).setText("");
}

void FileScreens::hideSaveBox() {
    frame().control(ui::ControlId::SaveName).setVisible(false);
}

RecordFile::Saved FileScreens::saveAs(const std::string& name) {
    // The folder may have gone since the start; saving puts back the program's own folder.
    if (makeFolder_) ensureExamineeFolder(folder_);
    const fs::path file = fileFor(name);
    const RecordFile::Saved saved = recordFile_.save(controller_.state().record, file);
    if (saved == RecordFile::Saved::Yes) {
        currentFileName_ = name;
        const std::u8string written = file.filename().u8string();
        currentFile_ = cp1250::fromUtf8(std::string(written.begin(), written.end())).value_or("");
        controller_.recordSaved();
    }
    return saved;
}

void FileScreens::afterSaving() {
    hideSaveBox();
    const AfterSave then = std::exchange(afterSave_, AfterSave::Nothing);
    if (then == AfterSave::Open) {
        openFile(openAfterSave_);
        return;
    }
    showSaved();
    if (then == AfterSave::Quit) endProgram();
}

void FileScreens::answerSave(RecordFile::Saved saved, const std::string& name) {
    switch (saved) {
        case RecordFile::Saved::Yes:
            afterSaving();
            break;
        case RecordFile::Saved::UnderOtherName:
            composeSaveScreen(name + polish(" (kopia)"));
            break;
        case RecordFile::Saved::No:
            composeSaveScreen(name);  // the save screen stays, with the name
            break;
    }
}

void FileScreens::clickSave(int x, int y) {
    Buttons& b = buttons();
    if (b.cancel.clickTest(x, y)) {
        press(b.cancel);
        hideSaveBox();
        // Saving before opening another file was given up: back to the list.
        if (std::exchange(afterSave_, AfterSave::Nothing) == AfterSave::Open) {
            showFileList();
        } else {
            returnToMainMenu();
        }
        return;
    }
    if (!b.ok.clickTest(x, y)) return;
    press(b.ok);
    std::string name = frame().control(ui::ControlId::SaveName).text();
    if (name.size() > kMaxTypedName) name.resize(kMaxTypedName);
    name = withoutExtension(std::move(name));
    // Saving back into the file the record came from is always allowed, also under a name
    // the program would not give a new file ("con.pcn" copied from elsewhere).
    const bool savingBack = !currentFile_.empty() && name == currentFileName_;
    if (const std::string reason = refusedNameReason(name); !savingBack && !reason.empty()) {
        frame().showMessage(polish("Nieprawidłowa nazwa pliku"), reason);
        frame().present();  // the save screen stays, with the typed name
        return;
    }
    std::error_code ec;
    if (!savingBack && name != currentFileName_ &&
        fs::exists(fs::symlink_status(fileFor(name), ec))) {
        pendingName_ = name;
        showFileExists();
        return;
    }
    answerSave(saveAs(name), name);
}

void FileScreens::clickFileExists(int x, int y) {
    Buttons& b = buttons();
    if (b.cancel.clickTest(x, y)) {
        press(b.cancel);
        showSaveScreen();
        return;
    }
    if (!b.ok.clickTest(x, y)) return;
    press(b.ok);
    // The file the question named is written, whatever the box was changed to meanwhile.
    answerSave(saveAs(pendingName_), pendingName_);
}

void FileScreens::clickDeleteQuestion(int x, int y) {
    Buttons& b = buttons();
    if (b.cancel.clickTest(x, y)) {
        press(b.cancel);
        showFileList();
        return;
    }
    if (!b.ok.clickTest(x, y)) return;
    press(b.ok);
    const std::string name = selectedFile_;
    std::error_code cause;
    if (fileSystem_.removeFile(pathOf(name), cause)) {
        showDeleted();
        return;
    }
    const FailureMessage message = failureMessage(FileAction::Delete, name, cause);
    frame().showMessage(message.caption, message.text);
    showFileList();
}

void FileScreens::endProgram() {
    controller_.programEnds();
    recordFile_.close();
    frame().quit();
}

bool FileScreens::keepEditsBeforeExit(int screenId) {
    if (screenId == screen::kSave || screenId == screen::kFileExists) {
        keptSaveName_ = frame().control(ui::ControlId::SaveName).text();
    }
    return true;
}

bool FileScreens::resumeAfterExitQuestion(int screenId) {
    if (screenId != screen::kSave && screenId != screen::kFileExists) return false;
    composeSaveScreen(keptSaveName_);
    return true;
}

void FileScreens::clickExitQuestion(int x, int y) {
    Buttons& b = buttons();
    const bool fromSaveScreen = exitFrom_ == screen::kSave || exitFrom_ == screen::kFileExists;
    if (b.cancel.clickTest(x, y)) {
        press(b.cancel);
        // Back to what was being typed, with the edit kept; from elsewhere to the main menu.
        if (!controller_.resumeAfterExitQuestion(exitFrom_)) returnToMainMenu();
    } else if (b.no.clickTest(x, y)) {
        press(b.no);
        endProgram();
    } else if (b.yes.clickTest(x, y)) {
        press(b.yes);
        if (currentFileName_.empty() || fromSaveScreen || recordFile_.readOnly()) {
            // The name being chosen is confirmed on the save screen, which then ends the program.
            afterSave_ = AfterSave::Quit;
            composeSaveScreen(fromSaveScreen ? keptSaveName_ : saveBoxProposal());
            return;
        }
        switch (saveAs(currentFileName_)) {
            case RecordFile::Saved::Yes:
                endProgram();
                break;
            case RecordFile::Saved::UnderOtherName:
                afterSave_ = AfterSave::Quit;
                composeSaveScreen(currentFileName_ + polish(" (kopia)"));
                break;
            case RecordFile::Saved::No:
                frame().present();  // not saved: the question stays, nothing ends
                break;
        }
    }
}

}  // namespace lun4
