#pragma once
// The 18 item lists (one per observation area and function scale) and the item page, on
// which the diagnostician scores an item pass, emerging or fail and steps through all 168
// items in catalogue order.

#include "model/default_recommendations.h"
#include "screens/controller/screen_controller.h"
#include "screens/screen_module.h"
#include "ui/surface.h"

namespace lun4 {

// Item shown by button `index` (from 0) of an item list screen.
int itemOnList(int listScreen, int index);
// The item list that holds `item`: where the item page's back button leads.
int listScreenOf(int item);
// Items 1..73 have a scoring key page (the first home item too).
bool hasKeyPage(int item);
// The 19 items with an advice page.
bool hasAdvicePage(int item);

class ItemScreens : public ScreenModule {
  public:
    explicit ItemScreens(ScreenController& controller);

    bool ownsScreen(int screenId) const override;
    void compose(int screenId) override;
    void hover(int x, int y) override;
    void click(int x, int y) override;
    // Lists: Up and Down move the selection, Enter opens the selected item, Left and Right
    // the previous and next scale, Escape goes back. Item page: Z or 1, P or 2, N or 3 score
    // pass, emerging, fail as the buttons do and step to the next item (once per press: a
    // held key scores nothing more); Left and Right step,
    // Enter opens the recommendation editor, Escape goes back.
    bool key(const ui::KeyPress& key) override;

    // The item the list's selection is on: the item opened last, else the list's first.
    int selectedItem() const { return selectedItem_; }

  private:
    void composeList(int screenId);
    void composeItemPage();
    void setScoreButtons(char score);
    void drawTaskPage(ui::Surface& target, int item);
    void hoverList(int x, int y);
    void hoverItemPage(int x, int y);
    void clickList(int x, int y);
    void clickItemPage(int x, int y);
    void openItem(int item);
    void openScreen(int screenId);
    bool keyOnList(const ui::KeyPress& key);
    bool keyOnItemPage(const ui::KeyPress& key);
    // What a score button's click does to the record, before the page is composed again.
    void score(char code);
    void drawSelection(ui::Surface& target, int listScreen);
    // Draws a navigation button, lit when the mouse already rests on it: the next click works
    // without another move.
    void drawLitUnderMouse(ui::SkinButton& button, ui::Surface& target);

    ScreenController& controller_;
    ui::ImageHandle taskPage_;  // the decoded task page on display, replaced by the next one
    int selectedItem_ = 0;
};

}  // namespace lun4
