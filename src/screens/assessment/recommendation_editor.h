#pragma once
// The recommendation editor (screen 103): the note of the current item in a multi-line edit
// control over the item page. OK stores the text as the editor shows it, every displayed line
// (also one the editor only wrapped) followed by "\r\n"; OK on a text nobody changed leaves the
// note as it was, byte for byte.

#include <string>
#include <string_view>
#include <vector>

#include "screens/controller/screen_controller.h"
#include "screens/screen_module.h"

namespace lun4 {

// The note as stored from the editor's displayed lines. An empty editor shows one empty line
// and gives "\r\n".
std::string noteFromDisplayedLines(const std::vector<std::string>& lines);
// The text the editor shows for a stored note: the line break that ends its last line is not a
// line of its own (a note that ends in an empty line keeps that line). Stored again from the
// editor's lines, a note in the stored form gives the same bytes.
std::string editorTextOf(std::string_view note);

class RecommendationEditor : public ScreenModule {
  public:
    explicit RecommendationEditor(ScreenController& controller);

    bool ownsScreen(int screenId) const override;
    // Lays the editor over what back buffer 0 holds (the item page) and presents it.
    void compose(int screenId) override;
    void hover(int x, int y) override;
    void click(int x, int y) override;
    // Ctrl+Enter is OK (Enter breaks the line); Escape is "Anuluj", which leaves the editor
    // without storing what was typed.
    bool key(const ui::KeyPress& key) override;
    // The window is closed while the editor is open: the note is stored as OK stores it (or,
    // when too long, refused as OK refuses it, and the editor stays).
    bool keepEditsBeforeExit(int screenId) override;
    // Back to the editor over the item page, with the text as it was typed.
    bool resumeAfterExitQuestion(int screenId) override;

  private:
    // Stores the editor's text as the current item's note; false, with the reason shown, when
    // it is too long.
    bool storeNote();
    // Hides the editor and shows the item page, after the button's feedback.
    void leave(ui::SkinButton& button);
    void refuseTooLong(size_t length);

    ScreenController& controller_;
    // What the editor held when it was filled, as it gives it back: OK on the same text keeps
    // the note untouched.
    std::string shownText_;
};

}  // namespace lun4
