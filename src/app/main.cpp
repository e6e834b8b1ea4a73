// LUN4: the entry point wires the frame, the buttons, the screens and the one examinee record.

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <filesystem>

#include "platform/data_paths.h"
#include "platform/main_window.h"
#include "platform/qt_image_source.h"
#include "screens/app_state.h"
#include "screens/assessment/help_pages.h"
#include "screens/assessment/item_screens.h"
#include "screens/assessment/recommendation_editor.h"
#include "screens/buttons.h"
#include "screens/controller/screen_controller.h"

namespace {

// The run folder holds "Data", "Pomoce" and "pacjenci". It is the working folder; a program
// started from elsewhere falls back to its own folder.
std::filesystem::path runFolder() {
    const std::filesystem::path working = std::filesystem::current_path();
    lun4::platform::DataPaths probe(working);
    if (probe.resolve("Data")) return working;
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication::setApplicationName(QStringLiteral("LUN4_TORVA"));
    QApplication::setDesktopFileName(QStringLiteral("LUN4_TORVA"));
    QApplication app(argc, argv);

    const std::filesystem::path root = runFolder();
    std::filesystem::current_path(root);
    lun4::platform::DataPaths paths(root);

    lun4::platform::MainWindow window(paths, lun4::platform::displayDepth());
    lun4::AppState state;
    lun4::Buttons buttons(window.images());
    lun4::ScreenController controller(window, buttons, state);
    lun4::ItemScreens itemScreens(controller);
    lun4::HelpPages helpPages(controller);
    lun4::RecommendationEditor recommendationEditor(controller);
    controller.addModule(itemScreens);
    controller.addModule(helpPages);
    controller.addModule(recommendationEditor);

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
    window.showOnWholeScreen();
    return app.exec();
}
