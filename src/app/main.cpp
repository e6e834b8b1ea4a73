// LUN4: the entry point wires the frame, the buttons, the screens and the one examinee record.

#include <QApplication>
#include <QDir>
#include <filesystem>
#include <utility>

#include "app/command_line.h"
#include "app/program.h"
#include "platform/data_paths.h"
#include "platform/qt/main_window.h"
#include "platform/qt/program_look.h"
#include "platform/qt/qt_image_source.h"
#include "platform/state_folder.h"
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

    if (const auto problem = lun4::app::missingPictures(paths)) {
        programLook();
        lun4::platform::showStartProblem(lun4::ui::toQString(problem->caption),
                                         lun4::ui::toQString(problem->text));
        return 1;
    }

    lun4::platform::MainWindow window(paths, lun4::platform::displayDepth());
    lun4::app::Program program(window, paths, lun4::platform::recoveryFolder());
    // What the start has to say is said over the program's first frame.
    program.listenTo(window, programLook);
    window.showOnWholeScreen();
    return app.exec();
}
