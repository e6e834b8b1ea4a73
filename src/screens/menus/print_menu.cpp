#include "screens/menus/print_menu.h"

#include "screens/completeness.h"
#include "screens/screen_ids.h"
#include "screens/viewers/exports.h"

namespace lun4 {
namespace {

constexpr ui::Point kOkHome{664, 657};

}  // namespace

bool PrintMenu::ownsScreen(int screenId) const {
    return screenId == screen::kPrintMenu;
}

void PrintMenu::compose(int) {
    show();
}

void PrintMenu::show() {
    Buttons& b = controller_.buttons();
    ui::Frame& frame = controller_.frame();
    ui::Surface& target = frame.backBuffer(0);
    controller_.state().screenId = screen::kPrintMenu;
    target.drawImage(frame.images().loadBitmap("Data/tlo_gray.bmp"), 0, 0, ui::kFrameWidth,
                     ui::kFrameHeight);
    target.drawImage(frame.images().loadBitmap("Data\\druk.bmp"), 94, 172);
    const auto place = [&](ui::SkinButton& button, int x, int y) {
        button.setPosition(x, y);
        button.draw(target);
    };
    place(*b.next[0], 185, 490);
    place(*b.next[1], 445, 490);
    place(*b.next[2], 715, 490);
    place(b.aids, 120, 195);
    place(b.back, 760, 195);
    place(b.scoresSheet, kScoresSheetButton.x, kScoresSheetButton.y);
    place(b.compare, 590, 682);
    // Which areas still have unscored items, before anything is printed.
    drawPrintMenuCompleteness(target, controller_.state().record);
    if (!notice_.empty()) drawPrintMenuNotice(target, notice_);
    notice_.clear();
    frame.present();
}

void PrintMenu::hoverFirst(int x, int y) {
    if (controller_.state().screenId != screen::kPrintMenu) return;
    Buttons& b = controller_.buttons();
    for (auto& next : b.next) controller_.hoverAndRedraw(*next, x, y);
    controller_.hoverAndRedraw(b.back, x, y);
    controller_.hoverAndRedraw(b.aids, x, y);
    controller_.hoverAndRedraw(b.scoresSheet, x, y);
    controller_.hoverAndRedraw(b.compare, x, y);
}

void PrintMenu::choose(PrintChoice choice) {
    if (choiceHandler_) {
        choiceHandler_(choice);
    } else {
        show();
    }
}

void PrintMenu::clickFirst(int x, int y) {
    if (controller_.state().screenId != screen::kPrintMenu) return;
    Buttons& b = controller_.buttons();
    if (b.back.clickTest(x, y)) {
        controller_.feedback(b.back);
        b.nextPage.setPosition(665, 676);
        b.previous.setPosition(458, 676);
        b.ok.setPosition(kOkHome.x, kOkHome.y);
        controller_.state().screenId = screen::kMainMenu;
        controller_.compose();
        return;
    }
    static constexpr PrintChoice kChoices[3] = {PrintChoice::ProfileChart, PrintChoice::SummaryForm,
                                                PrintChoice::NarrativeReport};
    for (int i = 0; i < 3; ++i) {
        if (b.next[i]->clickTest(x, y)) {
            controller_.feedback(*b.next[i]);
            choose(kChoices[i]);
            return;
        }
    }
    if (b.aids.clickTest(x, y)) {
        controller_.feedback(b.aids);
        choose(PrintChoice::Aids);
    } else if (b.compare.clickTest(x, y)) {
        controller_.feedback(b.compare);
        choose(PrintChoice::Comparison);
    } else if (b.scoresSheet.clickTest(x, y)) {
        controller_.feedback(b.scoresSheet);
        if (const auto written = saveScoresSheet(controller_.frame(), controller_.state().record)) {
            notice_ = savedNotice(*written);
        }
        show();
    }
}

bool PrintMenu::key(const ui::KeyPress& key) {
    Buttons& b = controller_.buttons();
    for (int i = 0; i < 3; ++i) {
        if (key.is(static_cast<char>('1' + i))) {
            controller_.pressByKey(*b.next[i]);
            return true;
        }
    }
    if (!key.plain(ui::Key::Escape)) return false;
    controller_.pressByKey(b.back);
    return true;
}

}  // namespace lun4
