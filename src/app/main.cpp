// LUN4: the entry point wires the frame, the buttons, the screens and the one examinee record.

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "files/recovery_file.h"
#include "model/cp1250.h"
#include "platform/data_paths.h"
#include "platform/qt/main_window.h"
#include "platform/qt/program_look.h"
#include "platform/qt/qt_image_source.h"
#include "platform/state_folder.h"
#include "screens/app_state.h"
#include "screens/assessment/data_form.h"
#include "screens/assessment/help_pages.h"
#include "screens/assessment/item_screens.h"
#include "screens/assessment/recommendation_editor.h"
#include "screens/buttons.h"
#include "screens/controller/screen_controller.h"
#include "screens/data_files.h"
#include "screens/filescreens/crash_recovery.h"
#include "screens/filescreens/examinee_names.h"
#include "screens/filescreens/file_screens.h"
#include "screens/menus/main_menu.h"
#include "screens/menus/print_menu.h"
#include "screens/viewers/comparison_list.h"
#include "screens/viewers/document_viewers.h"
#include "ui/qt/qt_fonts.h"

namespace {

// The run folder holds "Data", "Pomoce" and "pacjenci". It is the working folder; a program
// started from elsewhere falls back to its own folder.
std::filesystem::path runFolder(const char* argv0) {
    const std::filesystem::path working = std::filesystem::current_path();
    lun4::platform::DataPaths probe(working);
    if (probe.resolve("Data")) return working;
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    if (lun4::app::wantsCommandLine(argc, argv)) {
        return lun4::app::runCommandLine(argc, argv, runFolder(argv[0]));
    }
    lun4::platform::keepPictureMemory();
    QApplication::setApplicationName(QStringLiteral("LUN4_TORVA"));
    QApplication::setDesktopFileName(QStringLiteral("LUN4_TORVA"));
    QApplication app(argc, argv);
    // The toolkit's menus, dialogs and buttons in Polish, and in the program's look. Its
    // fonts and style sheet are not needed for the first frame, which is all pictures: they
    // are set up right before the first dialog, or right after the first frame.
    bool lookReady = false;
    const auto programLook = [&] {
        if (std::exchange(lookReady, true)) return;
        lun4::platform::installPolishTranslations(app);
        lun4::platform::applyProgramLook(app);
    };

    const std::filesystem::path root = runFolder(argv[0]);
    std::filesystem::current_path(root);
    lun4::platform::DataPaths paths(root);

    // Without its pictures the program could show only a screen nobody can answer: it says
    // which are missing and ends.
    const std::vector<std::string> missing = lun4::missingDataFiles(
        [&](const std::string& name) { return paths.resolve(name).has_value(); });
    if (!missing.empty()) {
        programLook();
        const lun4::StartProblem problem =
            lun4::missingDataMessage(missing, !paths.resolve("Data"), root.string());
        lun4::platform::showStartProblem(lun4::ui::toQString(problem.caption),
                                         lun4::ui::toQString(problem.text));
        return 1;
    }

    lun4::platform::MainWindow window(paths, lun4::platform::displayDepth());
    lun4::AppState state;
    lun4::Buttons buttons(window.images());
    lun4::ScreenController controller(window, buttons, state);
    // The examinee files live in "pacjenci" (any letter case), made when it is missing.
    const std::filesystem::path examineeFolder =
        paths.resolve("pacjenci").value_or(root / "pacjenci");
    const bool folderReady = lun4::ensureExamineeFolder(examineeFolder);

    lun4::DataForm dataForm(controller);
    lun4::FileScreens fileScreens(controller, dataForm, examineeFolder);
    lun4::PrintMenu printMenu(controller);
    lun4::MainMenu mainMenu(controller, fileScreens, dataForm, printMenu);
    lun4::ItemScreens itemScreens(controller);
    lun4::HelpPages helpPages(controller);
    lun4::RecommendationEditor recommendationEditor(controller);
    lun4::DocumentViewers viewers(controller);
    lun4::ComparisonList comparisonList(
        controller, examineeFolder, [&] { return fileScreens.currentFileName(); },
        [&](std::unique_ptr<lun4::ExamineeRecord> chosen, bool chosenIsLater) {
            viewers.openComparison(std::move(chosen), chosenIsLater);
        });
    // The menus and the file screens answer every click first.
    controller.addModule(mainMenu);
    controller.addModule(printMenu);
    controller.addModule(fileScreens);
    controller.addModule(dataForm);
    controller.addModule(itemScreens);
    controller.addModule(helpPages);
    controller.addModule(recommendationEditor);
    controller.addModule(viewers);
    controller.addModule(comparisonList);
    printMenu.setChoiceHandler([&](lun4::PrintChoice choice) {
        if (choice == lun4::PrintChoice::Comparison) {
            comparisonList.show();
        } else {
            viewers.openFromPrintMenu(choice);
        }
    });

    // Every change to the record is copied to the user's state folder until it is saved.
    lun4::RecoveryStore recoveryStore(lun4::platform::recoveryFolder());
    lun4::CrashRecovery recovery(controller, fileScreens, recoveryStore);

    controller.setExitHandler([&] { fileScreens.showExitQuestion(); });
    // Closing the window by the system asks the exit question instead of dropping the record.
    window.setCloseHandler([&] { fileScreens.showExitQuestion(); });
    window.setComposeHandler([&] { controller.compose(); });
    window.setMouseHandlers(
        [&](int x, int y) {
            state.lastMouse = {x, y};
            controller.mouseMoved(x, y);
        },
        [&](int x, int y) {
            state.lastMouse = {x, y};
            controller.leftButtonDown(x, y);
        });
    window.setDoubleClickHandler([&](int x, int y) {
        state.lastMouse = {x, y};
        controller.leftButtonDoubleClick(x, y);
    });
    window.setKeyHandler([&](const lun4::ui::KeyPress& key) { return controller.keyPressed(key); });
    // What the start has to say is said over the program's first frame.
    window.setFirstFrameHandler([&] {
        programLook();
        if (!folderReady) {
            window.showMessage("LUN4_TORVA",
                               lun4::cp1250::fromUtf8Lossy(
                                   "Nie można utworzyć folderu \"pacjenci\" na pliki "
                                   "badanych. Zapisywanie badań nie będzie możliwe."));
        }
        recovery.offerAtStart();
    });
    window.showOnWholeScreen();
    return app.exec();
}
