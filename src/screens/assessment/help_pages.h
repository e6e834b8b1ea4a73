#pragma once
// The scoring key page (items 1..73) and the advice page (19 items) of the current item: one
// picture in a framed panel laid over the item page, closed with OK.

#include "screens/controller/screen_controller.h"
#include "screens/screen_module.h"
#include "ui/surface.h"

namespace lun4 {

class HelpPages : public ScreenModule {
  public:
    explicit HelpPages(ScreenController& controller);

    bool ownsScreen(int screenId) const override;
    // Draws over what back buffer 0 holds (the item page) and presents it.
    void compose(int screenId) override;
    void hover(int x, int y) override;
    void click(int x, int y) override;
    // Enter and Escape are OK: back to the item page.
    bool key(const ui::KeyPress& key) override;

  private:
    ScreenController& controller_;
    ui::ImageHandle page_;  // the decoded help page on display, replaced by the next one
};

}  // namespace lun4
