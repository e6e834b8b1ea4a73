#pragma once
// Mouse input as the window hands it to the screens: the window stores the mouse position
// before it passes the move on, and a click is the mouse arriving, then the button going down.

#include "screens/controller/screen_controller.h"
#include "ui/skin_button.h"

namespace lun4::testing {

inline ui::Point topLeft(const ui::SkinButton& button) {
    return {button.x(), button.y()};
}

inline ui::Point centre(const ui::SkinButton& button) {
    return {button.x() + button.width() / 2, button.y() + button.height() / 2};
}

inline void moveTo(ScreenController& controller, AppState& state, ui::Point p) {
    state.lastMouse = p;
    controller.mouseMoved(p.x, p.y);
}

inline void moveAndClick(ScreenController& controller, AppState& state, ui::Point p) {
    moveTo(controller, state, p);
    controller.leftButtonDown(p.x, p.y);
}

}  // namespace lun4::testing
