#include "app/program.h"

#include "files/file_system.h"
#include "model/cp1250.h"
#include "screens/filescreens/examinee_names.h"

namespace lun4::app {

std::optional<StartProblem> missingPictures(platform::DataPaths& paths) {
    const std::vector<std::string> missing = missingDataFiles(
        [&](const std::string& name) { return paths.resolve(name).has_value(); });
    if (missing.empty()) return std::nullopt;
    return missingDataMessage(missing, !paths.resolve("Data"), pathToUtf8(paths.root()));
}

Program::Program(ui::Frame& frame, platform::DataPaths& paths,
                 const std::filesystem::path& recoveryFolder)
    : frame_(frame),
      buttons_(frame.images()),
      controller_(frame, buttons_, state_),
      // The examinee files live in "pacjenci" (any letter case), made when it is missing.
      examineeFolder_(paths.resolve("pacjenci").value_or(paths.root() / "pacjenci")),
      folderReady_(ensureExamineeFolder(examineeFolder_)),
      dataForm_(controller_),
      fileScreens_(controller_, dataForm_, examineeFolder_),
      printMenu_(controller_),
      mainMenu_(controller_, fileScreens_, dataForm_, printMenu_),
      itemScreens_(controller_),
      helpPages_(controller_),
      recommendationEditor_(controller_),
      viewers_(controller_),
      comparisonList_(
          controller_, examineeFolder_, [this] { return fileScreens_.currentFileName(); },
          [this](std::unique_ptr<ExamineeRecord> chosen, bool chosenIsLater) {
              viewers_.openComparison(std::move(chosen), chosenIsLater);
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

void Program::firstFrameShown() {
    if (!folderReady_) {
        frame_.showMessage("LUN4_TORVA", cp1250::fromUtf8Lossy(
                                             "Nie można utworzyć folderu \"pacjenci\" na pliki "
                                             "badanych. Zapisywanie badań nie będzie możliwe."));
    }
    recovery_.offerAtStart();
}

}  // namespace lun4::app
