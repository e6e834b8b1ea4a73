#pragma once
// What the program's window hands on to the program, the same on every platform: the first
// paint's composing, mouse moves, left clicks and double clicks in frame coordinates, keys as
// the screens see them, the moment the first frame is on screen, and the system's request to
// close.

#include <functional>
#include <utility>

#include "ui/keys.h"

namespace lun4::platform {

class WindowHandlers {
  public:
    void setComposeHandler(std::function<void()> handler) { compose_ = std::move(handler); }
    void setMouseHandlers(std::function<void(int, int)> moved,
                          std::function<void(int, int)> pressed) {
        moved_ = std::move(moved);
        pressed_ = std::move(pressed);
    }
    // The second press of a double click; without a handler it is a press like the first.
    void setDoubleClickHandler(std::function<void(int, int)> doubleClicked) {
        doubleClicked_ = std::move(doubleClicked);
    }
    // Keys for the screens (ui/keys.h): those the window gets and, from a box laid over the
    // frame, the ones that answer a screen rather than edit the text (Escape, Ctrl+Enter, and
    // Enter in a one-line box). The handler tells whether the key acted.
    void setKeyHandler(std::function<bool(const ui::KeyPress&)> handler) {
        key_ = std::move(handler);
    }
    // Run once, from the event loop, right after the first frame is on screen: what the start
    // need not wait for (questions about the last run, the toolkit's look).
    void setFirstFrameHandler(std::function<void()> handler) { firstFrame_ = std::move(handler); }
    // What closing the window by the system does; by default the program ends.
    void setCloseHandler(std::function<void()> handler) { close_ = std::move(handler); }

  protected:
    std::function<void()> compose_;
    std::function<void(int, int)> moved_;
    std::function<void(int, int)> pressed_;
    std::function<void(int, int)> doubleClicked_;
    std::function<bool(const ui::KeyPress&)> key_;
    std::function<void()> firstFrame_;
    std::function<void()> close_;
};

}  // namespace lun4::platform
