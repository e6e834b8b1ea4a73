#pragma once
// The program is a state machine over screens. The controller keeps the Screen id, hands
// every mouse move and click to the buttons of the current screen, gives the click feedback
// and composes the entry screen, the main menu and the three area menus itself; other screens
// come from plugged-in modules.

#include <functional>
#include <vector>

#include "screens/app_state.h"
#include "screens/buttons.h"
#include "screens/screen_module.h"
#include "ui/frame.h"

namespace lun4 {

class ScreenController {
  public:
    ScreenController(ui::Frame& frame, Buttons& buttons, AppState& state);

    // Modules are asked in the order they were added.
    void addModule(ScreenModule& module);

    // Composes the current screen into back buffer 0 and presents it.
    void compose();
    void mouseMoved(int x, int y);
    void leftButtonDown(int x, int y);

    // Click feedback: the pressed image on the window, the pause, the normal state again.
    void feedback(ui::SkinButton& button, int pauseMs = 100);
    // Hover test; a button whose look changed is drawn at once on the window surface.
    bool hoverAndRedraw(ui::SkinButton& button, int x, int y, bool redraw = true);
    // Sets the button's look from the last mouse position (used while composing).
    void hoverFromLastMouse(ui::SkinButton& button);

    // What the main menu's quit button does; by default the program ends.
    void setExitHandler(std::function<void()> handler) { exitHandler_ = std::move(handler); }

    ui::Frame& frame() { return frame_; }
    Buttons& buttons() { return buttons_; }
    AppState& state() { return state_; }

  private:
    ScreenModule* ownerOf(int screenId) const;
    void composeOwn(int screenId);
    void hoverOwn(int x, int y);
    void clickOwn(int x, int y);
    void composeEntry();
    void composeMainMenu();
    void composeAreaMenu(int screenId);

    ui::Frame& frame_;
    Buttons& buttons_;
    AppState& state_;
    std::vector<ScreenModule*> modules_;
    std::function<void()> exitHandler_;
};

// The small header with the examinee's name and examination date (main menu and most file
// screens), drawn with the back buffer's current text colour and background mode.
void drawExamineeNameBox(ui::Surface& target, const ExamineeRecord& record);

}  // namespace lun4
