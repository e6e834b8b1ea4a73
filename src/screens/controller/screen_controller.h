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
    // The second press of a double click: handled as a click, then by the screen's own
    // double-click rule.
    void leftButtonDoubleClick(int x, int y);
    // A key, answered by the current screen's rules; true when it acted.
    bool keyPressed(const ui::KeyPress& key);
    // A key that stands for `button` chooses it exactly as a click does: the button is lit and
    // the click is handled at its centre, through every rule a click meets (a disabled button
    // does nothing). Only a button the current screen draws is pressed so: one that is not
    // there could lie over another. With `instant` the click's feedback (the pressed image and
    // the pause) is left out: the next screen is the feedback.
    void pressByKey(ui::SkinButton& button, bool instant = false);

    // Click feedback: the pressed image on the window, the pause, the normal state again.
    void feedback(ui::SkinButton& button, int pauseMs = 100);
    // Hover test; a button whose look changed is drawn at once on the window surface.
    bool hoverAndRedraw(ui::SkinButton& button, int x, int y, bool redraw = true);
    // Sets the button's look from the last mouse position (used while composing).
    void hoverFromLastMouse(ui::SkinButton& button);

    // What the main menu's quit button does; by default the program ends.
    void setExitHandler(std::function<void()> handler) { exitHandler_ = std::move(handler); }

    // Every change the diagnostician makes to the record (a score, a note, the data form, a
    // gender box) is reported here once it is made; so are a record put in its place (one
    // loaded from a file, a new one), a successful save and the end of the program through the
    // exit question.
    enum class RecordEvent { Changed, Replaced, Saved, ProgramEnds };
    void setRecordObserver(std::function<void(RecordEvent)> observer) {
        recordObserver_ = std::move(observer);
    }
    void recordChanged() {
        modified_ = true;
        report(RecordEvent::Changed);
    }
    void recordReplaced() {
        modified_ = false;
        report(RecordEvent::Replaced);
    }
    void recordSaved() {
        modified_ = false;
        report(RecordEvent::Saved);
    }
    void programEnds() { report(RecordEvent::ProgramEnds); }
    // Whether the record holds changes not saved: from the first change after the last load,
    // new record or save.
    bool recordModified() const { return modified_; }

    // The current screen's module keeps what is being typed before the exit question; false
    // when it cannot (see ScreenModule).
    bool keepEditsBeforeExit();
    // Shows `screenId` again after the exit question was cancelled; false when it is not a
    // screen that is resumed.
    bool resumeAfterExitQuestion(int screenId);

    ui::Frame& frame() { return frame_; }
    Buttons& buttons() { return buttons_; }
    AppState& state() { return state_; }

  private:
    void report(RecordEvent event) {
        if (recordObserver_) recordObserver_(event);
    }
    ScreenModule* ownerOf(int screenId) const;
    void composeOwn(int screenId);
    void hoverOwn(int x, int y);
    void clickOwn(int x, int y);
    bool keyOwn(const ui::KeyPress& key);
    void composeEntry();
    void composeMainMenu();
    void composeAreaMenu(int screenId);

    ui::Frame& frame_;
    Buttons& buttons_;
    AppState& state_;
    std::vector<ScreenModule*> modules_;
    std::function<void()> exitHandler_;
    std::function<void(RecordEvent)> recordObserver_;
    bool modified_ = false;
    bool instant_ = false;  // a key's click without feedback is being handled
};

// The small header with the examinee's name and examination date (main menu and most file
// screens), drawn with the back buffer's current text colour and background mode.
void drawExamineeNameBox(ui::Surface& target, const ExamineeRecord& record);

}  // namespace lun4
