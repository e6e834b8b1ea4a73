#pragma once
// A group of screens plugged into the controller: it composes its screens and answers mouse
// moves and clicks while one of them is on display.

namespace lun4 {

class ScreenModule {
  public:
    virtual ~ScreenModule() = default;

    virtual bool ownsScreen(int screenId) const = 0;
    // Composes the screen into back buffer 0 and presents it.
    virtual void compose(int screenId) = 0;
    // Hover and click rules of the module's screens, called when one of them is current.
    virtual void hover(int x, int y) = 0;
    virtual void click(int x, int y) = 0;

    // Called for every move and click before the current screen's own rules (the file screens
    // answer here; a click may change the screen, and the new screen's rules then see it).
    virtual void hoverFirst(int /*x*/, int /*y*/) {}
    virtual void clickFirst(int /*x*/, int /*y*/) {}
};

}  // namespace lun4
