#include "screens/settings/settings_screen.h"

#include <algorithm>
#include <ctime>
#include <utility>

#include "files/host.h"
#include "model/cp1250.h"
#include "platform/program_folders.h"
#include "screens/filescreens/examinee_names.h"
#include "screens/screen_ids.h"
#include "screens/settings/user_settings.h"
#include "screens/viewers/exports.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;
using platform::RestoreState;
using ui::SkinButton;

constexpr ui::Point kOkHome{664, 657};
constexpr ui::Point kCancelHome{430, 395};
constexpr ui::Rgb kSoftInk{88, 102, 113};
constexpr ui::Rgb kWarning{170, 20, 20};
constexpr unsigned kLine = ui::text::kLeft | ui::text::kVCenter | ui::text::kSingleLine;

// The settings screen: the folder's box and the note under it, the two dialog buttons.
constexpr ui::Rect kFolderBox{66, 142, 958, 172};
constexpr ui::Rect kFolderNote{60, 178, 964, 198};
constexpr ui::Point kSettingsOk{872, 690}, kSettingsCancel{770, 690};

// The restore list: where the backup's name goes, the rows, the summary, the buttons.
constexpr ui::Rect kRestoreSource{122, 170, 900, 192};
constexpr int kRowTop = 232, kRowHeight = 24;
constexpr int kNameX = 122, kDateX = 440, kStateX = 590, kRowRight = 858;
constexpr ui::Rect kRestoreSummary{122, 560, 900, 582};
constexpr ui::Point kRestoreCancel{122, 608};

std::string polish(std::string_view utf8) {
    return cp1250::fromUtf8Lossy(utf8);
}

std::string fromUtf8(std::string_view utf8) {
    return cp1250::fromUtf8(utf8).value_or(std::string());
}

std::string pathText(const fs::path& path) {
    return cp1250::fromUtf8Lossy(pathToUtf8(path));
}

// `text` cut to fit `width` in the surface's current font: the end of a path matters most, so
// the beginning gives way ("…/Dokumenty/LUN4/pacjenci"); a name keeps its beginning.
std::string fitted(const ui::Surface& surface, ui::FontId font, std::string text, int width,
                   bool keepEnd) {
    const std::string dots = polish("…");
    if (surface.textWidth(text, font) <= width) return text;
    while (!text.empty() && surface.textWidth(keepEnd ? dots + text : text + dots, font) > width) {
        if (keepEnd) {
            text.erase(0, 1);
        } else {
            text.pop_back();
        }
    }
    return keepEnd ? dots + text : text + dots;
}

ui::Rect rowRect(int row) {
    return {kNameX - 6, kRowTop + row * kRowHeight, kRowRight + 4, kRowTop + (row + 1) * kRowHeight};
}

// "06.12.2026, godz. 14:03" in the computer's time zone; "?" when unknown.
std::string localTime(std::int64_t seconds) {
    if (seconds < 0) return "?";
    const std::time_t t = static_cast<std::time_t>(seconds);
    const std::optional<std::tm> local = host::localTime(t);
    if (!local) return "?";
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y, godz. %H:%M", &*local);
    return text;
}

std::string stateText(RestoreState state) {
    switch (state) {
        case RestoreState::Missing:
            return polish("brak w folderze – zostanie dodany");
        case RestoreState::Same:
            return polish("taki sam – bez zmian");
        case RestoreState::OlderOnDisk:
            return polish("zastąpi starszą wersję");
        case RestoreState::NewerOnDisk:
            return polish("w folderze nowszy – pytanie");
        case RestoreState::InUse:
            return polish("otwarty – pominięty");
        case RestoreState::Refused:
            return polish("niedozwolona nazwa – pominięty");
    }
    return {};
}

}  // namespace

SettingsScreen::SettingsScreen(ScreenController& controller, FileScreens& files,
                               fs::path defaultFolder,
                               std::function<void(const fs::path&)> folderChanged,
                               FileSystem& fileSystem)
    : controller_(controller),
      files_(files),
      defaultFolder_(std::move(defaultFolder)),
      folderChanged_(std::move(folderChanged)),
      fileSystem_(fileSystem),
      folderChoose_(controller.frame().images(), 60, 208, "Data\\folder_zmien"),
      folderDefault_(controller.frame().images(), 296, 208, "Data\\folder_domyslny"),
      backup_(controller.frame().images(), 60, 582, "Data\\kopia"),
      restore_(controller.frame().images(), 306, 582, "Data\\przywroc"),
      restoreFiles_(controller.frame().images(), 672, 604, "Data\\przywroc_pliki"),
      restoreUp_(controller.frame().images(), 868, 232, "Data\\u"),
      restoreDown_(controller.frame().images(), 868, 508, "Data\\d") {}

bool SettingsScreen::ownsScreen(int id) const {
    return id == screen::kSettings || id == screen::kRestoreList;
}

void SettingsScreen::compose(int id) {
    if (id == screen::kSettings) composeSettings();
    if (id == screen::kRestoreList) composeRestoreList();
}

void SettingsScreen::show() {
    const ui::Settings& settings = frame().settings();
    pending_.folder = files_.folder();
    pending_.folderChosen = !settings.value(kExamineeFolderKey).empty();
    pending_.institution = fromUtf8(settings.value(kCoverInstitutionKey));
    pending_.place = fromUtf8(settings.value(kPlaceKey));
    pending_.diagnostician = fromUtf8(settings.value(kDiagnosticianKey));
    pending_.permit = fromUtf8(settings.value(kPermitKey));
    frame().control(ui::ControlId::SettingsInstitution).setText(pending_.institution);
    frame().control(ui::ControlId::SettingsPlace).setText(pending_.place);
    frame().control(ui::ControlId::SettingsDiagnostician).setText(pending_.diagnostician);
    frame().control(ui::ControlId::SettingsPermit).setText(pending_.permit);
    composeSettings();
    frame().control(ui::ControlId::SettingsInstitution).setFocus();
}

void SettingsScreen::showControls(bool visible) {
    for (ui::ControlId id : {ui::ControlId::SettingsInstitution, ui::ControlId::SettingsPlace,
                             ui::ControlId::SettingsDiagnostician, ui::ControlId::SettingsPermit}) {
        frame().control(id).setVisible(visible);
    }
}

void SettingsScreen::readControls() {
    pending_.institution = frame().control(ui::ControlId::SettingsInstitution).text();
    pending_.place = frame().control(ui::ControlId::SettingsPlace).text();
    pending_.diagnostician = frame().control(ui::ControlId::SettingsDiagnostician).text();
    pending_.permit = frame().control(ui::ControlId::SettingsPermit).text();
}

void SettingsScreen::composeSettings() {
    controller_.state().screenId = screen::kSettings;
    ui::Surface& t = target();
    t.drawImage(frame().images().loadBitmap("Data/ustawienia.bmp"), 0, 0, ui::kFrameWidth,
                ui::kFrameHeight);
    t.setBackgroundMode(ui::BackgroundMode::Transparent);
    t.setFont(ui::FontId::ReportText);
    t.setTextColour(ui::kBlack);
    t.drawText(fitted(t, ui::FontId::ReportText, pathText(pending_.folder),
                      kFolderBox.right - kFolderBox.left, true),
               kFolderBox, kLine);
    std::string note = pending_.folderChosen ? polish("Folder wybrany w ustawieniach. ")
                                             : polish("Folder domyślny programu. ");
    std::error_code ec;
    if (fs::is_directory(pending_.folder, ec)) {
        const int count = static_cast<int>(listExamineeFiles(pending_.folder).size());
        note += polish("Plików badanych w folderze: ") + std::to_string(count) + ".";
        t.setTextColour(kSoftInk);
    } else {
        note += polish("Folder jest teraz niedostępny (np. dysk sieciowy nie jest podłączony).");
        t.setTextColour(kWarning);
    }
    t.drawText(note, kFolderNote, kLine);
    t.setTextColour(ui::kBlack);
    Buttons& b = controller_.buttons();
    b.ok.setPosition(kSettingsOk.x, kSettingsOk.y);
    b.cancel.setPosition(kSettingsCancel.x, kSettingsCancel.y);
    for (SkinButton* button : {&folderChoose_, &folderDefault_, &backup_, &restore_, &b.ok, &b.cancel}) {
        controller_.hoverFromLastMouse(*button);
        button->draw(t);
    }
    showControls(true);
    frame().present();
}

void SettingsScreen::composeRestoreList() {
    controller_.state().screenId = screen::kRestoreList;
    showControls(false);
    ui::Surface& t = target();
    t.drawImage(frame().images().loadBitmap("Data/tlo_gray.bmp"), 0, 0, ui::kFrameWidth,
                ui::kFrameHeight);
    t.drawImage(frame().images().loadBitmap("Data/kopia_lista.bmp"), 92, 110);
    t.setBackgroundMode(ui::BackgroundMode::Transparent);
    t.setFont(ui::FontId::SmallHeading);
    t.setTextColour(ui::kBlack);
    t.drawText(polish("Kopia: ") + fitted(t, ui::FontId::SmallHeading, pathText(backupFile_),
                                          kRestoreSource.right - kRestoreSource.left - 60, true),
               kRestoreSource, kLine);
    t.setFont(ui::FontId::ReportText);
    const int count = static_cast<int>(plan_.size());
    int toWrite = 0, toAsk = 0, same = 0, skipped = 0;
    for (const platform::RestoreItem& item : plan_) {
        switch (item.state) {
            case RestoreState::Missing:
            case RestoreState::OlderOnDisk:
                ++toWrite;
                break;
            case RestoreState::NewerOnDisk:
                ++toAsk;
                break;
            case RestoreState::Same:
                ++same;
                break;
            case RestoreState::InUse:
            case RestoreState::Refused:
                ++skipped;
                break;
        }
    }
    for (int row = 0; row < kRestoreRows && firstRow_ + row < count; ++row) {
        const platform::RestoreItem& item = plan_[firstRow_ + row];
        const ui::Rect r = rowRect(row);
        const bool attention = item.state == RestoreState::NewerOnDisk;
        t.setTextColour(item.state == RestoreState::Same ? kSoftInk : ui::kBlack);
        t.drawText(fitted(t, ui::FontId::ReportText, cp1250::fromUtf8Lossy(item.file.name),
                          kDateX - 10 - kNameX, false),
                   {kNameX, r.top, kDateX - 10, r.bottom}, kLine);
        // "06.12.2026 14:03": the day and the time, without "godz."
        std::string when = localTime(item.file.modified);
        if (when.size() > 17) when = when.substr(0, 10) + " " + when.substr(18);
        t.drawText(when, {kDateX, r.top, kStateX - 10, r.bottom}, kLine);
        t.setTextColour(attention ? kWarning : kSoftInk);
        t.drawText(stateText(item.state), {kStateX, r.top, kRowRight, r.bottom}, kLine);
    }
    t.setFont(ui::FontId::SmallHeading);
    t.setTextColour(ui::kBlack);
    std::string summary = polish("Kopia zawiera ") + fileCount(count) + polish(". Do przywrócenia: ") +
                          std::to_string(toWrite);
    if (toAsk > 0) summary += polish(", nowszych w folderze (pytanie): ") + std::to_string(toAsk);
    summary += polish(", bez zmian: ") + std::to_string(same);
    if (skipped > 0) summary += polish(", pominiętych: ") + std::to_string(skipped);
    summary += ".";
    t.drawText(summary, kRestoreSummary, kLine);
    restoreUp_.setEnabled(firstRow_ > 0);
    restoreDown_.setEnabled(firstRow_ + kRestoreRows < count);
    Buttons& b = controller_.buttons();
    b.cancel.setPosition(kRestoreCancel.x, kRestoreCancel.y);
    for (SkinButton* button : {&restoreUp_, &restoreDown_, &restoreFiles_, &b.cancel}) {
        controller_.hoverFromLastMouse(*button);
        if (button->isEnabled()) button->draw(t);
    }
    t.setTextColour(ui::kBlack);
    frame().present();
}

void SettingsScreen::hover(int x, int y) {
    Buttons& b = controller_.buttons();
    if (controller_.state().screenId == screen::kSettings) {
        for (SkinButton* button :
             {&folderChoose_, &folderDefault_, &backup_, &restore_, &b.ok, &b.cancel}) {
            controller_.hoverAndRedraw(*button, x, y);
        }
        return;
    }
    for (SkinButton* button : {&restoreUp_, &restoreDown_, &restoreFiles_, &b.cancel}) {
        if (button->isEnabled()) controller_.hoverAndRedraw(*button, x, y);
    }
}

void SettingsScreen::click(int x, int y) {
    Buttons& b = controller_.buttons();
    if (controller_.state().screenId == screen::kRestoreList) {
        if (b.cancel.clickTest(x, y)) {
            controller_.feedback(b.cancel);
            plan_.clear();
            composeSettings();
        } else if (restoreFiles_.clickTest(x, y)) {
            controller_.feedback(restoreFiles_);
            restore();
        } else if (restoreUp_.isEnabled() && restoreUp_.clickTest(x, y)) {
            controller_.feedback(restoreUp_, 0);
            firstRow_ = std::max(0, firstRow_ - kRestoreRows);
            composeRestoreList();
        } else if (restoreDown_.isEnabled() && restoreDown_.clickTest(x, y)) {
            controller_.feedback(restoreDown_, 0);
            firstRow_ += kRestoreRows;
            composeRestoreList();
        }
        return;
    }
    if (b.ok.clickTest(x, y)) {
        controller_.feedback(b.ok);
        applyAndLeave();
    } else if (b.cancel.clickTest(x, y)) {
        controller_.feedback(b.cancel);
        leave();
    } else if (folderChoose_.clickTest(x, y)) {
        controller_.feedback(folderChoose_);
        chooseFolder();
    } else if (folderDefault_.clickTest(x, y)) {
        controller_.feedback(folderDefault_);
        readControls();
        pending_.folder = defaultFolder_;
        pending_.folderChosen = false;
        composeSettings();
    } else if (backup_.clickTest(x, y)) {
        controller_.feedback(backup_);
        makeBackup();
    } else if (restore_.clickTest(x, y)) {
        controller_.feedback(restore_);
        chooseBackupToRestore();
    }
}

bool SettingsScreen::key(const ui::KeyPress& key) {
    Buttons& b = controller_.buttons();
    if (controller_.state().screenId == screen::kRestoreList) {
        if (key.plain(ui::Key::Enter)) {
            controller_.pressByKey(restoreFiles_);
        } else if (key.plain(ui::Key::Escape)) {
            controller_.pressByKey(b.cancel);
        } else if (key.plain(ui::Key::PageDown) || key.plain(ui::Key::Down)) {
            controller_.pressByKey(restoreDown_, true);
        } else if (key.plain(ui::Key::PageUp) || key.plain(ui::Key::Up)) {
            controller_.pressByKey(restoreUp_, true);
        } else {
            return false;
        }
        return true;
    }
    // Enter from a one-line box (Ctrl+Enter from the institution's) keeps, Escape gives up.
    if (key.plain(ui::Key::Enter) || (key.key == ui::Key::Enter && key.ctrl)) {
        controller_.pressByKey(b.ok);
    } else if (key.plain(ui::Key::Escape)) {
        controller_.pressByKey(b.cancel);
    } else {
        return false;
    }
    return true;
}

bool SettingsScreen::keepEditsBeforeExit(int screenId) {
    if (screenId == screen::kSettings) readControls();
    return true;
}

bool SettingsScreen::resumeAfterExitQuestion(int screenId) {
    if (screenId == screen::kRestoreList) {
        composeRestoreList();
        return true;
    }
    if (screenId != screen::kSettings) return false;
    frame().control(ui::ControlId::SettingsInstitution).setText(pending_.institution);
    frame().control(ui::ControlId::SettingsPlace).setText(pending_.place);
    frame().control(ui::ControlId::SettingsDiagnostician).setText(pending_.diagnostician);
    frame().control(ui::ControlId::SettingsPermit).setText(pending_.permit);
    composeSettings();
    return true;
}

void SettingsScreen::leave() {
    showControls(false);
    Buttons& b = controller_.buttons();
    b.ok.setPosition(kOkHome.x, kOkHome.y);
    b.cancel.setPosition(kCancelHome.x, kCancelHome.y);
    controller_.state().screenId = screen::kMainMenu;
    controller_.compose();
}

void SettingsScreen::chooseFolder() {
    readControls();
    const std::optional<fs::path> chosen =
        frame().askFolder(polish("Wybierz folder plików badanych"), pending_.folder);
    if (!chosen) {
        composeSettings();
        return;
    }
    // A folder the program could list but not save into would lose the next save.
    if (!platform::canCreateFilesIn(*chosen)) {
        frame().showMessage(
            polish("Folder plików badanych"),
            polish("W folderze „") + pathText(*chosen) +
                polish("” nie można zapisywać plików (brak uprawnień do zapisu, dysk tylko do "
                       "odczytu albo niedostępny dysk sieciowy). Wybierz inny folder."));
        composeSettings();
        return;
    }
    pending_.folder = *chosen;
    pending_.folderChosen = *chosen != defaultFolder_;
    composeSettings();
}

void SettingsScreen::applyAndLeave() {
    readControls();
    ui::Settings& settings = frame().settings();
    if (pending_.folder != files_.folder()) {
        // The record in memory lets go of a file in the folder left; it may be saved there
        // first, or the change given up.
        if (!files_.changeFolder(pending_.folder, !pending_.folderChosen)) {
            composeSettings();
            return;
        }
        if (!pending_.folderChosen) ensureExamineeFolder(pending_.folder);
        if (folderChanged_) folderChanged_(pending_.folder);
    }
    settings.setValue(kExamineeFolderKey,
                      pending_.folderChosen ? pathToUtf8(pending_.folder) : std::string());
    settings.setValue(kCoverInstitutionKey, cp1250::toUtf8(pending_.institution));
    settings.setValue(kPlaceKey, cp1250::toUtf8(pending_.place));
    settings.setValue(kDiagnosticianKey, cp1250::toUtf8(pending_.diagnostician));
    settings.setValue(kPermitKey, cp1250::toUtf8(pending_.permit));
    leave();
}

void SettingsScreen::makeBackup() {
    readControls();
    const std::string caption = polish("Kopia zapasowa");
    if (controller_.recordModified() &&
        !frame().ask(caption,
                     polish("Badanie w pamięci ma niezapisane zmiany. Kopia obejmie tylko pliki "
                            "zapisane w folderze; zapisz badanie, jeśli ma się w niej znaleźć."),
                     polish("Utwórz kopię"), polish("Anuluj"), ui::Answer::Second)) {
        composeSettings();
        return;
    }
    const std::string proposed = cp1250::fromUtf8Lossy(platform::backupFileName(std::time(nullptr)));
    const std::optional<fs::path> archive = frame().askSavePath(
        {polish("Kopia zapasowa plików badanych"), polish("Archiwum zip"), "zip", proposed,
         pathFromUtf8(frame().settings().value(kBackupFolderKey))});
    if (!archive) {
        composeSettings();
        return;
    }
    const platform::BackupWritten written =
        platform::writeBackup(files_.folder(), *archive, fileSystem_);
    if (!written.written) {
        frame().showMessage(caption, polish("Nie utworzono kopii: ") +
                                         cp1250::fromUtf8Lossy(written.error) + ".");
        composeSettings();
        return;
    }
    frame().settings().setValue(kBackupFolderKey, pathToUtf8(archive->parent_path()));
    frame().showMessage(caption, polish("Kopia zapasowa zawiera ") + fileCount(written.files) +
                                     polish(" z folderu „") + pathText(files_.folder()) +
                                     polish("”. Zapisano ją w pliku „") + pathText(*archive) +
                                     polish("”. Przechowuj ją na innym dysku niż pliki badanych."));
    composeSettings();
}

void SettingsScreen::chooseBackupToRestore() {
    readControls();
    const std::string caption = polish("Przywracanie z kopii");
    const std::optional<fs::path> archive = frame().askOpenPath(
        {polish("Wybierz kopię zapasową do przywrócenia"), polish("Kopia zapasowa (zip)"), "zip",
         "", pathFromUtf8(frame().settings().value(kBackupFolderKey))});
    if (!archive) {
        composeSettings();
        return;
    }
    std::string error;
    std::optional<std::vector<platform::BackupFile>> files = platform::readBackup(*archive, error);
    if (!files) {
        frame().showMessage(caption, polish("Nie można przywrócić: ") +
                                         cp1250::fromUtf8Lossy(error) + ".");
        composeSettings();
        return;
    }
    if (files->empty()) {
        frame().showMessage(caption, polish("Wybrany plik nie zawiera żadnych plików."));
        composeSettings();
        return;
    }
    frame().settings().setValue(kBackupFolderKey, pathToUtf8(archive->parent_path()));
    backupFile_ = *archive;
    plan_ = platform::planRestore(std::move(*files), files_.folder());
    firstRow_ = 0;
    composeRestoreList();
}

void SettingsScreen::restore() {
    const std::string caption = polish("Przywracanie z kopii");
    std::error_code ec;
    if (!fs::is_directory(files_.folder(), ec)) {
        frame().showMessage(caption, polish("Folder plików badanych „") + pathText(files_.folder()) +
                                         polish("” jest niedostępny. Nic nie przywrócono."));
        composeRestoreList();
        return;
    }
    int restored = 0, kept = 0, skipped = 0;
    std::vector<std::string> failures;
    bool stopped = false;
    for (const platform::RestoreItem& item : plan_) {
        bool write = item.state == RestoreState::Missing || item.state == RestoreState::OlderOnDisk;
        if (item.state == RestoreState::InUse || item.state == RestoreState::Refused) ++skipped;
        if (item.state == RestoreState::NewerOnDisk && !stopped) {
            const std::string name = cp1250::fromUtf8Lossy(item.file.name);
            const ui::Answer answer = frame().askOrCancel(
                polish("Plik w folderze jest nowszy"),
                polish("Plik „") + name + polish("” w folderze plików badanych zmieniono ") +
                    localTime(item.onDisk) + polish(", a jego wersja w kopii pochodzi z ") +
                    localTime(item.file.modified) +
                    polish(". Zastąpić plik w folderze wersją z kopii?"),
                polish("Zachowaj plik z folderu"), polish("Zastąp"), polish("Anuluj"));
            if (answer == ui::Answer::Cancel) stopped = true;
            write = answer == ui::Answer::Second;
            if (!write) ++kept;
        }
        if (stopped) break;
        if (!write) continue;
        std::string error;
        if (platform::restoreFile(files_.folder(), item.file, fileSystem_, error)) {
            ++restored;
        } else {
            failures.push_back(cp1250::fromUtf8Lossy(error));
        }
    }
    std::string text = polish("Przywrócono z kopii ") + fileCount(restored) + ".";
    if (stopped) text += polish(" Przerwano na życzenie: pozostałych plików nie przywrócono.");
    if (kept > 0) text += polish(" Nowsze pliki zachowane w folderze: ") + std::to_string(kept) + ".";
    if (skipped > 0) {
        text += polish(" Pominięte (otwarte w programie lub o niedozwolonej nazwie): ") +
                std::to_string(skipped) + ".";
    }
    for (const std::string& failure : failures) text += "\n" + failure;
    frame().showMessage(caption, text);
    plan_.clear();
    composeSettings();
}

}  // namespace lun4
