#pragma once
// A group of screens plugged into the controller: it composes its screens and answers mouse
// moves, clicks and keys while one of them is on display.

#include "ui/keys.h"

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
    // The second click of a double click, after it was handled as a click.
    virtual void doubleClick(int /*x*/, int /*y*/) {}
    // A key while one of the module's screens is current; true when it acted.
    virtual bool key(const ui::KeyPress& /*key*/) { return false; }

    // Called for every move and click before the current screen's own rules (the file screens
    // answer here; a click may change the screen, and the new screen's rules then see it).
    virtual void hoverFirst(int /*x*/, int /*y*/) {}
    virtual void clickFirst(int /*x*/, int /*y*/) {}

    // The program is about to ask whether to save before it ends while one of the module's
    // screens is on display (the window is being closed): what is being typed there is kept
    // as the screen's OK would keep it, and its controls are hidden. False when it cannot be
    // kept; the screen then stays as it is and has told the user why.
    virtual bool keepEditsBeforeExit(int /*screenId*/) { return true; }
    // The exit question was cancelled: a screen on which something was being typed is shown
    // again with what was typed (true); other screens are not resumed (false).
    virtual bool resumeAfterExitQuestion(int /*screenId*/) { return false; }
};

}  // namespace lun4
