#pragma once
// The main menu's buttons that lead to the file screens, the data form, the print menu and
// the area descriptions. The controller composes the main menu and answers its area buttons
// and its quit button; these clicks run before the current screen's own rules, as the file
// screens' do.

#include <functional>

#include "screens/assessment/data_form.h"
#include "screens/controller/screen_controller.h"
#include "screens/filescreens/file_screens.h"
#include "screens/menus/print_menu.h"
#include "screens/screen_module.h"

namespace lun4 {

class MainMenu : public ScreenModule {
  public:
    MainMenu(ScreenController& controller, FileScreens& files, DataForm& form,
             PrintMenu& printMenu)
        : controller_(controller), files_(files), form_(form), printMenu_(printMenu) {}

    // The controller composes the main menu and hovers over its buttons.
    bool ownsScreen(int) const override { return false; }
    void compose(int) override {}
    void hover(int, int) override {}
    void click(int, int) override {}
    void clickFirst(int x, int y) override;
    // What the header's "Ustawienia" opens.
    void setSettingsHandler(std::function<void()> handler) { settings_ = std::move(handler); }

  private:
    // Pressed image, pause, normal state; some buttons are drawn normal on the window again.
    void press(ui::SkinButton& button, bool redrawNormal);

    ScreenController& controller_;
    FileScreens& files_;
    DataForm& form_;
    PrintMenu& printMenu_;
    std::function<void()> settings_;
};

}  // namespace lun4
