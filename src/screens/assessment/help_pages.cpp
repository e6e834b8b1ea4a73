#include "screens/assessment/help_pages.h"

#include <string>

#include "screens/assessment/missing_page.h"
#include "screens/screen_ids.h"

namespace lun4 {

namespace {

// The page is copied at (86, 249) clipped to 793 x 530; a missing page leaves a note in the
// panel above the OK button instead.
constexpr int kPageLeft = 86;
constexpr int kPageTop = 249;
constexpr int kPageWidth = 793;
constexpr int kPageHeight = 530;
constexpr ui::Rect kMissingPageArea{86, 249, 86 + 680, 249 + 380};

}  // namespace

HelpPages::HelpPages(ScreenController& controller) : controller_(controller) {}

bool HelpPages::ownsScreen(int screenId) const {
    return screenId == screen::kKeyPage || screenId == screen::kAdvicePage;
}

void HelpPages::compose(int screenId) {
    const AppState& state = controller_.state();
    if (state.screenId != screenId || !ownsScreen(screenId)) return;
    const bool key = screenId == screen::kKeyPage;
    ui::Frame& frame = controller_.frame();
    ui::Surface& target = frame.backBuffer(0);
    ui::SkinButton& ok = controller_.buttons().ok;

    target.drawImage(
        frame.images().loadBitmap(key ? "Data\\BMP\\klucz.bmp" : "Data\\BMP\\porady.bmp"), 43, 178);
    ok.setPosition(664, 657);
    ok.draw(target);
    // Over the item page's line of keys: the page's own.
    target.drawImage(frame.images().loadBitmap("Data\\BMP\\klawisze_strona.bmp"), 40, 726);

    const std::string name = (key ? "Data\\BMP\\Klu\\k" : "Data\\BMP\\Pom\\p") +
                             std::to_string(state.currentItem) + ".asd";
    page_.reset();
    page_ = frame.images().loadPage(name);
    if (page_) {
        target.drawImage(page_, kPageLeft, kPageTop, kPageWidth, kPageHeight);
    } else {
        drawMissingPage(target, kMissingPageArea, frame.images().pageProblem(name),
                        key ? "klucza oceny" : "porad", name);
    }
    frame.present();
}

void HelpPages::hover(int x, int y) {
    controller_.hoverAndRedraw(controller_.buttons().ok, x, y);
}

void HelpPages::click(int x, int y) {
    ui::SkinButton& ok = controller_.buttons().ok;
    if (!ok.clickTest(x, y)) return;
    // The note editor is not shown here; hiding it keeps every way back to the item page alike.
    controller_.frame().control(ui::ControlId::NoteEditor).setVisible(false);
    controller_.feedback(ok);
    controller_.state().screenId = screen::kItemPage;
    controller_.compose();
}

bool HelpPages::key(const ui::KeyPress& key) {
    if (!key.plain(ui::Key::Enter) && !key.plain(ui::Key::Escape)) return false;
    controller_.pressByKey(controller_.buttons().ok);
    return true;
}

}  // namespace lun4
