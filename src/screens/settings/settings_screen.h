#pragma once
// "Ustawienia" (screen 3060), from the main menu's header: the examinee folder (chosen with
// the system's folder dialog and checked that files can be made in it, or the program's
// default), the institution and place proposed on the report's cover, the diagnostician and
// permit number proposed for new records, kept per user when "OK" is pressed; and the
// examinee folder's backups: "Kopia zapasowa" writes it as one dated zip archive where the
// user chooses, "Przywróć z kopii" lists what a backup holds (screen 3061) and restores it
// into the examinee folder, asking before it replaces a file that is newer there.

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/file_system.h"
#include "platform/examinee_backup.h"
#include "screens/controller/screen_controller.h"
#include "screens/filescreens/file_screens.h"
#include "screens/screen_module.h"

namespace lun4 {

class SettingsScreen : public ScreenModule {
  public:
    static constexpr int kRestoreRows = 13;

    // `defaultFolder`: the examinee folder when none is chosen. `folderChanged` is told the
    // examinee folder after the settings changed it.
    SettingsScreen(ScreenController& controller, FileScreens& files,
                   std::filesystem::path defaultFolder,
                   std::function<void(const std::filesystem::path&)> folderChanged,
                   FileSystem& fileSystem = systemFileSystem());

    bool ownsScreen(int screenId) const override;
    void compose(int screenId) override;
    void hover(int x, int y) override;
    void click(int x, int y) override;
    // Enter keeps and Escape gives up, as "OK" and "Anuluj"; on the restore list Enter
    // restores and the arrows and page keys scroll.
    bool key(const ui::KeyPress& key) override;
    bool keepEditsBeforeExit(int screenId) override;
    bool resumeAfterExitQuestion(int screenId) override;

    // Opens the screen with the values kept now.
    void show();

    // What the screen shows before "OK" keeps it.
    struct Pending {
        std::filesystem::path folder;
        bool folderChosen = false;  // false: the program's default folder
        std::string institution, place, diagnostician, permit;  // cp1250
    };
    const Pending& pending() const { return pending_; }
    // The backup being restored, as listed on screen 3061.
    const std::vector<platform::RestoreItem>& restorePlan() const { return plan_; }

  private:
    ui::Frame& frame() { return controller_.frame(); }
    ui::Surface& target() { return frame().backBuffer(0); }
    void composeSettings();
    void composeRestoreList();
    void showControls(bool visible);
    void readControls();
    void leave();

    void chooseFolder();
    void applyAndLeave();
    void makeBackup();
    void chooseBackupToRestore();
    void restore();

    ScreenController& controller_;
    FileScreens& files_;
    std::filesystem::path defaultFolder_;
    std::function<void(const std::filesystem::path&)> folderChanged_;
    FileSystem& fileSystem_;
    ui::SkinButton folderChoose_, folderDefault_, backup_, restore_, restoreFiles_, restoreUp_,
        restoreDown_;
    Pending pending_;
    std::filesystem::path backupFile_;
    std::vector<platform::RestoreItem> plan_;
    int firstRow_ = 0;
};

}  // namespace lun4
