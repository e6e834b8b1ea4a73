#include "screens/menus/main_menu.h"

#include "screens/screen_ids.h"

namespace lun4 {

void MainMenu::press(ui::SkinButton& button, bool redrawNormal) {
    controller_.feedback(button);
    if (redrawNormal) {
        button.draw(controller_.frame().windowSurface());
        controller_.frame().showWindowSurface();
    }
}

void MainMenu::clickFirst(int x, int y) {
    if (controller_.state().screenId != screen::kMainMenu) return;
    Buttons& b = controller_.buttons();
    if (b.editData.clickTest(x, y)) {
        press(b.editData, false);
        form_.showDataForm();
    } else if (b.newRecord.clickTest(x, y)) {
        press(b.newRecord, true);
        files_.showNewRecordQuestion();
    } else if (b.save.clickTest(x, y)) {
        press(b.save, true);
        files_.showSaveScreen();
    } else if (b.open.clickTest(x, y)) {
        press(b.open, true);
        files_.showFileList();
    } else if (b.printMenu.clickTest(x, y)) {
        press(b.printMenu, true);
        printMenu_.show();
    } else if (b.settings.clickTest(x, y)) {
        press(b.settings, false);
        if (settings_) settings_();
    } else {
        for (int i = 0; i < 3; ++i) {
            if (b.areaDescription[i]->clickTest(x, y)) {
                press(*b.areaDescription[i], false);
                files_.showAreaDescription(i);
                return;
            }
        }
    }
}

}  // namespace lun4
