#pragma once
// The program over its frame: the one examinee record, the buttons, the screens and the
// recovery copy, wired the same on every platform. The platform's entry point makes the
// window, hands its events here and runs its message loop.

#include <filesystem>
#include <functional>
#include <optional>

#include "files/recovery_file.h"
#include "platform/data_paths.h"
#include "platform/window_handlers.h"
#include "screens/app_state.h"
#include "screens/assessment/data_form.h"
#include "screens/assessment/help_pages.h"
#include "screens/assessment/item_screens.h"
#include "screens/assessment/recommendation_editor.h"
#include "screens/buttons.h"
#include "screens/controller/screen_controller.h"
#include "screens/data_files.h"
#include "screens/filescreens/crash_recovery.h"
#include "screens/filescreens/file_screens.h"
#include "screens/menus/main_menu.h"
#include "screens/menus/print_menu.h"
#include "screens/viewers/comparison_list.h"
#include "screens/viewers/document_viewers.h"
#include "ui/frame.h"
#include "ui/keys.h"

namespace lun4::app {

// Without its pictures the program could show only a screen nobody can answer: the message
// naming what is missing, or nothing when everything is there.
std::optional<StartProblem> missingPictures(platform::DataPaths& paths);

class Program {
  public:
    // `root`: the run folder, holding "Data", "Pomoce" and "pacjenci"; `recoveryFolder`: where
    // the recovery copy is kept.
    Program(ui::Frame& frame, platform::DataPaths& paths,
            const std::filesystem::path& recoveryFolder);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Hands every event of `window` to the program; `atFirstFrame` runs first, once the first
    // frame is on screen (what the platform's start need not wait for).
    void listenTo(platform::WindowHandlers& window, std::function<void()> atFirstFrame = {});

    // The window's events.
    void compose() { controller_.compose(); }
    void mouseMoved(int x, int y);
    void leftButtonDown(int x, int y);
    void leftButtonDoubleClick(int x, int y);
    // Whether the key acted on the screen shown.
    bool keyPressed(const ui::KeyPress& key) { return controller_.keyPressed(key); }
    // Closing the window by the system asks the exit question instead of dropping the record.
    void closeRequested() { fileScreens_.showExitQuestion(); }
    // What the start has to say, said over the first frame: a missing examinee folder, a
    // recovery copy left by the last run.
    void firstFrameShown();

  private:
    ui::Frame& frame_;
    AppState state_;
    Buttons buttons_;
    ScreenController controller_;
    std::filesystem::path examineeFolder_;
    bool folderReady_;
    DataForm dataForm_;
    FileScreens fileScreens_;
    PrintMenu printMenu_;
    MainMenu mainMenu_;
    ItemScreens itemScreens_;
    HelpPages helpPages_;
    RecommendationEditor recommendationEditor_;
    DocumentViewers viewers_;
    ComparisonList comparisonList_;
    RecoveryStore recoveryStore_;
    CrashRecovery recovery_;
};

}  // namespace lun4::app
