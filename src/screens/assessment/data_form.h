#pragma once
// The examinee data form (screen 3010): real edit controls over "Data\edycja.bmp" for the
// examinee's and the diagnostician's data, and the two gender check boxes. The boxes are
// filled from the record when the form opens and stored back when it is closed with OK;
// the gender is stored at the moment a box is clicked.

#include <array>
#include <string>
#include <string_view>

#include "screens/controller/screen_controller.h"
#include "screens/screen_module.h"

namespace lun4 {

// The full-name box holds first name and surname as one line. The first name is the text
// before the first blank, the surname everything after it; blanks around the whole text
// and around the surname are dropped, so no word is ever lost.
struct SplitName {
    std::string firstName;
    std::string lastName;
};
SplitName splitFullName(std::string_view fullName);

class DataForm : public ScreenModule {
  public:
    explicit DataForm(ScreenController& controller);

    bool ownsScreen(int screenId) const override;
    void compose(int screenId) override;
    void hover(int x, int y) override;
    // The OK click is answered before the screens' own rules, through clickOk.
    void click(int, int) override {}
    // Enter is OK (in a box of several lines, where Enter breaks the line, Ctrl+Enter is).
    bool key(const ui::KeyPress& key) override;

    // Opens the form: screen 3010, the boxes filled from the record and shown.
    void showDataForm();
    // The form's OK button: true when it acted (acceptDataForm ran).
    bool clickOk(int x, int y);
    // Stores the boxes into the record, gives the click feedback and returns to the main menu.
    void acceptDataForm();
    // The window is closed while the form is open: the boxes are stored as OK stores them and
    // the form is hidden, without composing anything.
    bool keepEditsBeforeExit(int screenId) override;
    // The form again, showing what was stored.
    bool resumeAfterExitQuestion(int screenId) override;
    bool isShown() const { return shown_; }

  private:
    static constexpr int kBoxCount = 11;  // the full-name box and the ten single-field boxes

    void drawScreen();
    // Stores what was typed; true when the record changed.
    bool storeBoxes();
    void setFormVisible(bool visible);

    ScreenController& controller_;
    bool shown_ = false;
    // What each box showed right after it was filled: a box left as it was does not touch
    // its record field, so opening and closing the form never changes the record.
    std::array<std::string, kBoxCount> filled_;
};

}  // namespace lun4
