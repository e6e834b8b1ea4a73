#pragma once
// The file screens and the data form plugged into a controller over a fake frame, with a
// fresh examinee folder under the system's temporary folder; and the same with the document
// viewers behind the print menu.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "failing_file_system.h"
#include "fake_frame.h"
#include "files/examinee_file.h"
#include "model/cp1250.h"
#include "polish_text.h"
#include "screen_clicks.h"
#include "screens/assessment/data_form.h"
#include "screens/filescreens/examinee_names.h"
#include "screens/filescreens/file_screens.h"
#include "screens/menus/main_menu.h"
#include "screens/menus/print_menu.h"
#include "screens/screen_ids.h"
#include "screens/viewers/document_viewers.h"
#include "test_files.h"

namespace lun4::testing {

namespace fs = std::filesystem;

class FileScreensTest : public ::testing::Test {
  protected:
    TempFolder temp;
    fs::path root = temp.path();
    fs::path folder = root / "pacjenci";
    FakeFrame frame;
    Buttons buttons{frame.fakeImages()};
    AppState state;
    ScreenController controller{frame, buttons, state};
    DataForm form{controller};
    FailingFileSystem fileSystem;
    FileScreens files{controller, form, folder, fileSystem};
    PrintMenu printMenu{controller};
    MainMenu mainMenu{controller, files, form, printMenu};

    FileScreensTest() {
        fs::create_directories(folder);
        controller.addModule(mainMenu);
        controller.addModule(printMenu);
        controller.addModule(files);
        controller.addModule(form);
        controller.setExitHandler([this] { files.showExitQuestion(); });
        state.screenId = screen::kMainMenu;
    }

    void clickAt(int x, int y) { testing::moveAndClick(controller, state, {x, y}); }
    void moveAndClick(const ui::SkinButton& b) {
        testing::moveAndClick(controller, state, centre(b));
    }
    void clickRow(int row) { clickAt(235, 257 + 20 * row + 10); }

    // An examinee file written the program's own way; names are UTF-8.
    void writeExaminee(std::string_view utf8Name, std::string_view firstName,
                       std::string_view lastName = "", std::string_view examDate = "") {
        ExamineeRecord r;
        setText(r.firstName, cp(firstName));
        setText(r.lastName, cp(lastName));
        setText(r.examDate, examDate);
        ASSERT_TRUE(save(r, folder / pathFromUtf8(std::string(utf8Name) + ".pcn")));
    }
    std::string loadedFirstName(std::string_view utf8Name) {
        ExamineeRecord r;
        if (load(r, folder / pathFromUtf8(std::string(utf8Name) + ".pcn")) == ReadOutcome::Refused) {
            return "<unreadable>";
        }
        return cp1250::toUtf8(text(r.firstName));
    }
    void typeSaveName(std::string_view utf8) {
        frame.fakeControl(ui::ControlId::SaveName).setText(cp(utf8));
    }
    std::string saveBoxText() {
        return cp1250::toUtf8(frame.fakeControl(ui::ControlId::SaveName).text());
    }
    bool saveBoxVisible() { return frame.fakeControl(ui::ControlId::SaveName).isVisible(); }
    // Main menu -> save screen -> type -> OK.
    void saveAs(std::string_view utf8) {
        state.screenId = screen::kMainMenu;
        moveAndClick(buttons.save);
        typeSaveName(utf8);
        moveAndClick(buttons.ok);
    }
    // The examinee files, as the list would show them (not the locks and previous versions).
    size_t filesInFolder() { return listExamineeFiles(folder).size(); }
};

class PrintMenuTest : public FileScreensTest {
  protected:
    DocumentViewers viewers{controller};

    PrintMenuTest() {
        controller.addModule(viewers);
        printMenu.setChoiceHandler([this](PrintChoice choice) { viewers.openFromPrintMenu(choice); });
    }

    void openPrintMenu() {
        state.screenId = screen::kMainMenu;
        controller.compose();
        moveAndClick(buttons.printMenu);
        ASSERT_EQ(state.screenId, screen::kPrintMenu);
    }
    // A choice of the print menu (0 to 2 the documents, 3 the aids), drawn afresh.
    void choose(int choice) {
        openPrintMenu();
        frame.back(0).clearCalls();
        moveAndClick(choice < 3 ? *buttons.next[choice] : buttons.aids);
    }
};

}  // namespace lun4::testing
