#pragma once
// The recommendation editor (screen 103): the note of the current item in a multi-line edit
// control over the item page. OK stores the text as the editor shows it, every displayed line
// (also one the editor only wrapped) followed by "\r\n".

#include <string>
#include <vector>

#include "screens/controller/screen_controller.h"
#include "screens/screen_module.h"

namespace lun4 {

// The note as stored from the editor's displayed lines. An empty editor shows one empty line
// and gives "\r\n".
std::string noteFromDisplayedLines(const std::vector<std::string>& lines);

class RecommendationEditor : public ScreenModule {
  public:
    explicit RecommendationEditor(ScreenController& controller);

    bool ownsScreen(int screenId) const override;
    // Lays the editor over what back buffer 0 holds (the item page) and presents it.
    void compose(int screenId) override;
    void hover(int x, int y) override;
    void click(int x, int y) override;
    // The window is closed while the editor is open: the note is stored as OK stores it (or,
    // when too long, refused as OK refuses it, and the editor stays).
    bool keepEditsBeforeExit(int screenId) override;
    // Back to the editor over the item page, with the text as it was typed.
    bool resumeAfterExitQuestion(int screenId) override;

  private:
    // Stores the editor's text as the current item's note; false, with the reason shown, when
    // it is too long.
    bool storeNote();
    void refuseTooLong(size_t length);

    ScreenController& controller_;
};

}  // namespace lun4
