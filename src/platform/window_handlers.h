#pragma once
// What the program's window hands on to the program, the same on every platform: the first
// paint's composing, mouse moves and left clicks in frame coordinates, the moment the first
// frame is on screen, and the system's request to close.

#include <functional>
#include <utility>

namespace lun4::platform {

class WindowHandlers {
  public:
    void setComposeHandler(std::function<void()> handler) { compose_ = std::move(handler); }
    void setMouseHandlers(std::function<void(int, int)> moved,
                          std::function<void(int, int)> pressed) {
        moved_ = std::move(moved);
        pressed_ = std::move(pressed);
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
    std::function<void()> firstFrame_;
    std::function<void()> close_;
};

}  // namespace lun4::platform
