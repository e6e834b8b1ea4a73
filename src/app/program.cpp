#include "app/program.h"

#include "files/file_system.h"
#include "model/cp1250.h"
#include "screens/filescreens/examinee_names.h"
#include "screens/settings/user_settings.h"

namespace lun4::app {

std::optional<StartProblem> missingPictures(platform::DataPaths& paths) {
    const std::vector<std::string> missing = missingDataFiles(
        [&](const std::string& name) { return paths.resolve(name).has_value(); });
    if (missing.empty()) return std::nullopt;
    return missingDataMessage(missing, !paths.resolve("Data"), pathToUtf8(paths.root()));
}

Program::Program(ui::Frame& frame, platform::ExamineeFolder examinees,
                 const std::filesystem::path& recoveryFolder)
    : frame_(frame),
      buttons_(frame.images()),
      controller_(frame, buttons_, state_),
      examinees_(std::move(examinees)),
      dataForm_(controller_),
      // Only the program's own folder is made again when it has gone; a chosen one (a network
      // folder not connected) is reported instead.
      fileScreens_(controller_, dataForm_, examinees_.folder, systemFileSystem(),
                   !examinees_.chosen),
      printMenu_(controller_),
      mainMenu_(controller_, fileScreens_, dataForm_, printMenu_),
      itemScreens_(controller_),
      helpPages_(controller_),
      recommendationEditor_(controller_),
      viewers_(controller_),
      comparisonList_(
          controller_, examinees_.folder, [this] { return fileScreens_.currentFileName(); },
          [this](std::unique_ptr<ExamineeRecord> chosen, bool chosenIsLater) {
              viewers_.openComparison(std::move(chosen), chosenIsLater);
          }),
      settingsScreen_(controller_, fileScreens_, examinees_.defaultFolder,
                      [this](const std::filesystem::path& folder) {
                          comparisonList_.setFolder(folder);
                          if (folderShown_) folderShown_(folder);
                      }),
      // Every change to the record is copied to the user's state folder until it is saved.
      recoveryStore_(recoveryFolder),
      recovery_(controller_, fileScreens_, recoveryStore_) {
    // The menus and the file screens answer every click first.
    controller_.addModule(mainMenu_);
    controller_.addModule(printMenu_);
    controller_.addModule(fileScreens_);
    controller_.addModule(dataForm_);
    controller_.addModule(itemScreens_);
    controller_.addModule(helpPages_);
    controller_.addModule(recommendationEditor_);
    controller_.addModule(viewers_);
    controller_.addModule(comparisonList_);
    controller_.addModule(settingsScreen_);
    mainMenu_.setSettingsHandler([this] { settingsScreen_.show(); });
    // The blank record of the start is a new record: it gets the diagnostician of the settings.
    proposeDiagnostician(state_.record, frame.settings());
    printMenu_.setChoiceHandler([this](PrintChoice choice) {
        if (choice == PrintChoice::Comparison) {
            comparisonList_.show();
        } else {
            viewers_.openFromPrintMenu(choice);
        }
    });
    controller_.setExitHandler([this] { fileScreens_.showExitQuestion(); });
}

void Program::listenTo(platform::WindowHandlers& window, std::function<void()> atFirstFrame) {
    window.setCloseHandler([this] { closeRequested(); });
    window.setComposeHandler([this] { compose(); });
    window.setMouseHandlers([this](int x, int y) { mouseMoved(x, y); },
                            [this](int x, int y) { leftButtonDown(x, y); });
    window.setDoubleClickHandler([this](int x, int y) { leftButtonDoubleClick(x, y); });
    window.setKeyHandler([this](const ui::KeyPress& key) { return keyPressed(key); });
    window.setFirstFrameHandler([this, atFirstFrame = std::move(atFirstFrame)] {
        if (atFirstFrame) atFirstFrame();
        firstFrameShown();
    });
}

void Program::mouseMoved(int x, int y) {
    state_.lastMouse = {x, y};
    controller_.mouseMoved(x, y);
}

void Program::leftButtonDown(int x, int y) {
    state_.lastMouse = {x, y};
    controller_.leftButtonDown(x, y);
}

void Program::leftButtonDoubleClick(int x, int y) {
    state_.lastMouse = {x, y};
    controller_.leftButtonDoubleClick(x, y);
}

void Program::setFolderShownHandler(std::function<void(const std::filesystem::path&)> handler) {
    folderShown_ = std::move(handler);
    if (folderShown_) folderShown_(fileScreens_.folder());
}

void Program::firstFrameShown() {
    const std::string where = pathToUtf8(examinees_.folder);
    if (!examinees_.ready && examinees_.chosen) {
        frame_.showMessage("LUN4_TORVA",
                           cp1250::fromUtf8Lossy("Folder plików badanych „" + where +
                                                 "” jest niedostępny. Sprawdź, czy dysk sieciowy "
                                                 "jest podłączony, albo wybierz inny folder w "
                                                 "Ustawieniach."));
    } else if (!examinees_.ready) {
        frame_.showMessage("LUN4_TORVA",
                           cp1250::fromUtf8Lossy("Nie można utworzyć folderu plików badanych „" +
                                                 where + "”. Zapisywanie badań nie będzie "
                                                 "możliwe; wybierz inny folder w Ustawieniach."));
    }
    recovery_.offerAtStart();
}

}  // namespace lun4::app
