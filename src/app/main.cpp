// LUN4: the entry point wires the frame, the buttons, the screens and the one examinee record.

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "files/file_system.h"
#include "files/recovery_file.h"
#include "model/cp1250.h"
#include "platform/data_paths.h"
#include "platform/program_folders.h"
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
#include "screens/settings/settings_screen.h"
#include "screens/settings/user_settings.h"
#include "screens/viewers/comparison_list.h"
#include "screens/viewers/document_viewers.h"
#include "ui/qt/qt_fonts.h"

namespace {

namespace fs = std::filesystem;

// Where the program's pictures are: the working folder, the program's own folder or, for an
// installed copy, "../share/lun4" from it (platform/program_folders.h).
lun4::platform::ProgramPlace programPlace(const char* argv0) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec).parent_path();
    if (ec) self = fs::absolute(argv0, ec).parent_path();
    return lun4::platform::locateProgramData(fs::current_path(ec), self,
                                             lun4::platform::isSystemProgramFolder(self));
}

// The About box's line on where the examinee files are.
QString aboutDetails(const fs::path& examineeFolder) {
    return QStringLiteral("Pliki badanych: ") +
           QString::fromStdU16String(examineeFolder.u16string());
}

}  // namespace

int main(int argc, char** argv) {
    if (lun4::app::wantsCommandLine(argc, argv)) {
        return lun4::app::runCommandLine(argc, argv, programPlace(argv[0]).dataRoot);
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

    const lun4::platform::ProgramPlace place = programPlace(argv[0]);
    const fs::path root = place.dataRoot;
    std::error_code ec;
    fs::current_path(root, ec);
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
    // The examinee files live in the folder chosen in the settings, else in the program's
    // default: "pacjenci" beside a portable copy, "LUN4/pacjenci" in the user's documents for
    // an installed one. Only the default is made when it is missing: a chosen folder that is
    // not there now (a network folder not connected) is reported, never made in its place.
    lun4::ui::Settings& settings = window.settings();
    const fs::path defaultFolder = lun4::platform::defaultExamineeFolder(
        place, !place.installed && lun4::platform::canCreateFilesIn(root),
        lun4::platform::documentsFolder());
    const std::string chosenFolder = settings.value(lun4::kExamineeFolderKey);
    const bool folderChosen = !chosenFolder.empty();
    const fs::path examineeFolder =
        folderChosen ? lun4::pathFromUtf8(chosenFolder) : defaultFolder;
    const bool folderReady = folderChosen ? fs::is_directory(examineeFolder, ec)
                                          : lun4::ensureExamineeFolder(examineeFolder);
    window.setAboutDetails(aboutDetails(examineeFolder));
    lun4::proposeDiagnostician(state.record, settings);

    lun4::DataForm dataForm(controller);
    lun4::FileScreens fileScreens(controller, dataForm, examineeFolder,
                                  lun4::systemFileSystem(), !folderChosen);
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
    lun4::SettingsScreen settingsScreen(controller, fileScreens, defaultFolder,
                                        [&](const fs::path& folder) {
                                            comparisonList.setFolder(folder);
                                            window.setAboutDetails(aboutDetails(folder));
                                        });
    mainMenu.setSettingsHandler([&] { settingsScreen.show(); });
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
    controller.addModule(settingsScreen);
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
    // What the start has to say is said over the program's first frame.
    window.setFirstFrameHandler([&] {
        programLook();
        const std::string where = lun4::pathToUtf8(examineeFolder);
        if (!folderReady && folderChosen) {
            window.showMessage("LUN4_TORVA",
                               lun4::cp1250::fromUtf8Lossy(
                                   "Folder plików badanych „" + where +
                                   "” jest niedostępny. Sprawdź, czy dysk sieciowy jest "
                                   "podłączony, albo wybierz inny folder w Ustawieniach."));
        } else if (!folderReady) {
            window.showMessage("LUN4_TORVA",
                               lun4::cp1250::fromUtf8Lossy(
                                   "Nie można utworzyć folderu plików badanych „" + where +
                                   "”. Zapisywanie badań nie będzie możliwe; wybierz inny "
                                   "folder w Ustawieniach."));
        }
        recovery.offerAtStart();
    });
    window.showOnWholeScreen();
    return app.exec();
}
