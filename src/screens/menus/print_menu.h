#pragma once
// The print menu (screen 3020): the three documents, the aids, the scores sheet and the
// comparison with an earlier assessment, with how many items each area still lacks. Its mouse
// handling runs before the current screen's own rules, as the file screens' does.

#include <functional>
#include <string>

#include "screens/controller/screen_controller.h"
#include "screens/screen_module.h"

namespace lun4 {

// The print menu's choices that lead to the previews, and to the list of assessments to
// compare the one in memory with.
enum class PrintChoice { ProfileChart, SummaryForm, NarrativeReport, Aids, Comparison };

class PrintMenu : public ScreenModule {
  public:
    explicit PrintMenu(ScreenController& controller) : controller_(controller) {}

    bool ownsScreen(int screenId) const override;
    void compose(int screenId) override;
    // Everything is answered in hoverFirst and clickFirst.
    void hover(int, int) override {}
    void click(int, int) override {}
    void hoverFirst(int x, int y) override;
    void clickFirst(int x, int y) override;
    // 1, 2 and 3 open the three documents in their order; Escape goes back.
    bool key(const ui::KeyPress& key) override;

    void show();

    // Until a handler is set the choices leave the menu as it is.
    void setChoiceHandler(std::function<void(PrintChoice)> handler) {
        choiceHandler_ = std::move(handler);
    }

  private:
    void choose(PrintChoice choice);

    ScreenController& controller_;
    std::function<void(PrintChoice)> choiceHandler_;
    // Shown once on the menu after "Wyniki do arkusza" wrote a file (cp1250).
    std::string notice_;
};

}  // namespace lun4
