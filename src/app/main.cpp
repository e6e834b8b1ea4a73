// LUN4: the entry point wires the frame, the buttons, the screens and the one examinee record.

#include <QApplication>
#include <QDir>
#include <filesystem>
#include <utility>

#include "app/command_line.h"
#include "app/program.h"
#include "platform/data_paths.h"
#include "platform/program_folders.h"
#include "platform/qt/main_window.h"
#include "platform/qt/program_look.h"
#include "platform/qt/qt_image_source.h"
#include "platform/state_folder.h"
#include "screens/settings/user_settings.h"
#include "ui/qt/qt_fonts.h"

namespace {

namespace fs = std::filesystem;

// Where the program's pictures are: the working folder (a developer's run folder), the
// program's own folder (a portable copy) or "../share/lun4" from it (an installed copy).
lun4::platform::ProgramPlace programPlace(const char* argv0) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec).parent_path();
    if (ec) self = fs::absolute(argv0, ec).parent_path();
    return lun4::platform::locateProgramData(fs::current_path(ec), self, false);
}

}  // namespace

int main(int argc, char** argv) {
    if (lun4::app::wantsCommandLine(argc, argv)) {
        return lun4::app::runCommandLine(argc, argv, programPlace(argv[0]).dataRoot);
    }
    lun4::platform::keepPictureMemory();
    QApplication::setApplicationName(QStringLiteral("LUN4_TORVA"));
    QApplication::setDesktopFileName(QStringLiteral("lun4"));
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
    std::error_code ec;
    fs::current_path(place.dataRoot, ec);
    lun4::platform::DataPaths paths(place.dataRoot);

    if (const auto problem = lun4::app::missingPictures(paths)) {
        programLook();
        lun4::platform::showStartProblem(lun4::ui::toQString(problem->caption),
                                         lun4::ui::toQString(problem->text));
        return 1;
    }

    lun4::platform::MainWindow window(paths, lun4::platform::displayDepth());
    lun4::app::Program program(
        window,
        lun4::platform::examineeFolder(place, window.settings().value(lun4::kExamineeFolderKey),
                                       lun4::platform::documentsFolder()),
        lun4::platform::recoveryFolder());
    program.setFolderShownHandler([&](const fs::path& folder) {
        window.setAboutDetails(QStringLiteral("Pliki badanych: ") +
                               QString::fromStdU16String(folder.u16string()));
    });
    // What the start has to say is said over the program's first frame.
    program.listenTo(window, programLook);
    window.showOnWholeScreen();
    return app.exec();
}
