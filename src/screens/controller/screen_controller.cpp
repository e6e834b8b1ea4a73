#include "screens/controller/screen_controller.h"

#include <utility>

#include "model/catalogue.h"
#include "screens/completeness.h"
#include "screens/screen_ids.h"

namespace lun4 {

using ui::SkinButton;

namespace {
constexpr ui::Rgb kLabelInk{88, 102, 113};  // the panel's own labels
}  // namespace

ScreenController::ScreenController(ui::Frame& frame, Buttons& buttons, AppState& state)
    : frame_(frame), buttons_(buttons), state_(state), exitHandler_([&frame] { frame.quit(); }) {}

void ScreenController::addModule(ScreenModule& module) {
    modules_.push_back(&module);
}

ScreenModule* ScreenController::ownerOf(int screenId) const {
    for (ScreenModule* module : modules_) {
        if (module->ownsScreen(screenId)) return module;
    }
    return nullptr;
}

void ScreenController::compose() {
    const int id = state_.screenId;
    if (id == screen::kEntry || id == screen::kMainMenu || screen::isAreaMenu(id)) {
        composeOwn(id);
    } else if (ScreenModule* module = ownerOf(id)) {
        module->compose(id);
    }
}

bool ScreenController::keepEditsBeforeExit() {
    ScreenModule* module = ownerOf(state_.screenId);
    return module == nullptr || module->keepEditsBeforeExit(state_.screenId);
}

bool ScreenController::resumeAfterExitQuestion(int screenId) {
    ScreenModule* module = ownerOf(screenId);
    return module != nullptr && module->resumeAfterExitQuestion(screenId);
}

void ScreenController::mouseMoved(int x, int y) {
    for (ScreenModule* module : modules_) module->hoverFirst(x, y);
    const int id = state_.screenId;
    if (id == screen::kEntry || id == screen::kMainMenu || screen::isAreaMenu(id)) {
        hoverOwn(x, y);
    } else if (ScreenModule* module = ownerOf(id)) {
        module->hover(x, y);
    }
}

void ScreenController::leftButtonDown(int x, int y) {
    // The first module whose first rules change the screen ends the first step: the new
    // screen's first rules do not see the click that opened it.
    const int before = state_.screenId;
    for (ScreenModule* module : modules_) {
        module->clickFirst(x, y);
        if (state_.screenId != before) break;
    }
    // The screen after the first step decides which rules run; an action that changes the
    // screen does not restart the dispatch.
    const int id = state_.screenId;
    if (id == screen::kEntry || id == screen::kMainMenu || screen::isAreaMenu(id)) {
        clickOwn(x, y);
    } else if (ScreenModule* module = ownerOf(id)) {
        module->click(x, y);
    }
}

void ScreenController::leftButtonDoubleClick(int x, int y) {
    const int before = state_.screenId;
    leftButtonDown(x, y);
    // A second press that opened another screen is no double click on it.
    if (state_.screenId != before) return;
    if (ScreenModule* module = ownerOf(before)) module->doubleClick(x, y);
}

bool ScreenController::keyPressed(const ui::KeyPress& key) {
    const int id = state_.screenId;
    if (id == screen::kEntry || id == screen::kMainMenu || screen::isAreaMenu(id)) {
        return keyOwn(key);
    }
    ScreenModule* module = ownerOf(id);
    return module != nullptr && module->key(key);
}

void ScreenController::pressByKey(SkinButton& button, bool instant) {
    if (!button.isEnabled()) return;
    // Lit as if the mouse rested on it: its click test then acts, and no other button's does.
    button.setState(SkinButton::Hover);
    const bool wasInstant = std::exchange(instant_, instant);
    leftButtonDown(button.x() + button.width() / 2, button.y() + button.height() / 2);
    instant_ = wasInstant;
    // A button the screen does not offer (an arrow that is not drawn) did not act: it must not
    // stay lit for the next screen that draws it. Only the mouse lights a button.
    if (button.state() == SkinButton::Hover &&
        !button.contains(state_.lastMouse.x, state_.lastMouse.y)) {
        button.setState(SkinButton::Normal);
    }
}

void ScreenController::feedback(SkinButton& button, int pauseMs) {
    if (instant_) {
        button.setState(SkinButton::Normal);
        return;
    }
    button.draw(frame_.windowSurface());
    frame_.showWindowSurface();
    if (pauseMs > 0) frame_.pause(pauseMs);
    button.setState(SkinButton::Normal);
}

bool ScreenController::hoverAndRedraw(SkinButton& button, int x, int y, bool redraw) {
    if (!button.hoverTest(x, y)) return false;
    if (redraw) {
        button.draw(frame_.windowSurface());
        frame_.showWindowSurface();
    }
    return true;
}

void ScreenController::hoverFromLastMouse(SkinButton& button) {
    button.hoverTest(state_.lastMouse.x, state_.lastMouse.y);
}

void ScreenController::composeOwn(int id) {
    if (id == screen::kEntry) composeEntry();
    if (id == screen::kMainMenu) composeMainMenu();
    if (screen::isAreaMenu(id)) composeAreaMenu(id);
}

void ScreenController::composeEntry() {
    ui::Surface& target = frame_.backBuffer(0);
    target.drawImage(frame_.images().loadBitmap("Data/BMP/entry.bmp"), 0, 0, ui::kFrameWidth,
                     ui::kFrameHeight);
    buttons_.enter.draw(target);
    frame_.present();
}

void ScreenController::composeMainMenu() {
    ui::Surface& target = frame_.backBuffer(0);
    target.drawImage(frame_.images().loadBitmap("Data/BMP/tlo_glowne.bmp"), 0, 0, ui::kFrameWidth,
                     ui::kFrameHeight);
    Buttons& b = buttons_;
    for (SkinButton* button :
         {&b.newRecord, &b.printMenu, b.area[0].get(), b.area[1].get(), b.area[2].get(),
          b.areaDescription[0].get(), b.areaDescription[1].get(), b.areaDescription[2].get(),
          &b.save, &b.open, &b.editData, &b.quit, &b.settings}) {
        button->draw(target);
    }
    target.drawImage(frame_.images().loadBitmap("Data\\BMP\\klawisze_menu.bmp"), 40, 674);
    drawExamineeNameBox(target, state_.record);
    drawScoredCount(target, state_.record);
    frame_.present();
}

void ScreenController::composeAreaMenu(int id) {
    ui::Surface& target = frame_.backBuffer(0);
    target.drawImage(frame_.images().loadBitmap("Data\\BMP\\tlo.bmp"), 0, 0, ui::kFrameWidth,
                     ui::kFrameHeight);
    const std::string_view title = areaTitle(areaAt(id - screen::kAreaMenuFirst));
    const unsigned flags = ui::text::kCenter | ui::text::kVCenter | ui::text::kSingleLine;
    target.setFont(ui::FontId::Title);
    target.setTextColour(ui::kBlack);
    target.drawText(title, {220, 72, 775, 94}, flags);
    target.setTextColour(ui::kRed);
    target.drawText(title, {219, 71, 774, 93}, flags);
    for (auto& button : buttons_.scale) button->draw(target);
    buttons_.back.setPosition(77, 676);
    buttons_.back.draw(target);
    target.drawImage(frame_.images().loadBitmap("Data\\BMP\\klawisze_obszar.bmp"), 280, 685);
    frame_.present();
}

void ScreenController::hoverOwn(int x, int y) {
    Buttons& b = buttons_;
    const int id = state_.screenId;
    if (id == screen::kEntry) {
        hoverAndRedraw(b.enter, x, y);
    } else if (id == screen::kMainMenu) {
        for (SkinButton* button :
             {&b.newRecord, &b.printMenu, b.area[0].get(), b.area[1].get(), b.area[2].get(),
              b.areaDescription[0].get(), b.areaDescription[1].get(), b.areaDescription[2].get(),
              &b.save, &b.open, &b.editData, &b.quit, &b.settings}) {
            hoverAndRedraw(*button, x, y);
        }
    } else {
        for (auto& button : b.scale) hoverAndRedraw(*button, x, y);
        hoverAndRedraw(b.back, x, y);
    }
}

void ScreenController::clickOwn(int x, int y) {
    Buttons& b = buttons_;
    const int id = state_.screenId;
    if (id == screen::kEntry) {
        if (b.enter.clickTest(x, y)) {
            feedback(b.enter);
            state_.screenId = screen::kMainMenu;
            compose();
        }
        return;
    }
    if (id == screen::kMainMenu) {
        for (int i = 0; i < 3; ++i) {
            if (b.area[i]->clickTest(x, y)) {
                feedback(*b.area[i]);
                state_.screenId = screen::kAreaMenuFirst + i;
                compose();
            }
        }
        if (b.quit.clickTest(x, y)) {
            feedback(b.quit);
            exitHandler_();
        }
        return;
    }
    // Area menus: the list screens expect the arrows at their home places.
    frame_.backBuffer(0).setBackgroundMode(ui::BackgroundMode::Transparent);
    b.previous.setPosition(458, 676);
    b.nextPage.setPosition(665, 676);
    const int firstList = 41 + 10 * (id - screen::kAreaMenuFirst);
    for (int i = 0; i < 6; ++i) {
        if (b.scale[i]->clickTest(x, y)) {
            feedback(*b.scale[i]);
            state_.screenId = firstList + i;
            compose();
        }
    }
    if (b.back.clickTest(x, y)) {
        feedback(b.back);
        state_.screenId = screen::kMainMenu;
        compose();
    }
}

bool ScreenController::keyOwn(const ui::KeyPress& key) {
    Buttons& b = buttons_;
    const int id = state_.screenId;
    if (id == screen::kEntry) {
        if (!key.plain(ui::Key::Enter) && !key.plain(ui::Key::Space)) return false;
        pressByKey(b.enter);
        return true;
    }
    if (id == screen::kMainMenu) {
        // The areas by their order; the file buttons by the shortcuts every desktop program has.
        for (int i = 0; i < 3; ++i) {
            if (key.is(static_cast<char>('1' + i))) {
                pressByKey(*b.area[i]);
                return true;
            }
        }
        struct Shortcut {
            char letter;
            SkinButton* button;
        };
        for (const Shortcut& s : {Shortcut{'S', &b.save}, Shortcut{'O', &b.open},
                                  Shortcut{'N', &b.newRecord}, Shortcut{'P', &b.printMenu}}) {
            if (key.withCtrl(s.letter)) {
                pressByKey(*s.button);
                return true;
            }
        }
        return false;
    }
    // Area menus: the six scales by their order, Escape back.
    for (int i = 0; i < 6; ++i) {
        if (key.is(static_cast<char>('1' + i))) {
            pressByKey(*b.scale[i]);
            return true;
        }
    }
    if (key.plain(ui::Key::Escape)) {
        pressByKey(b.back);
        return true;
    }
    return false;
}

void drawExamineeNameBox(ui::Surface& target, const ExamineeRecord& record) {
    // The label before the name is the program's: the panel's picture leaves it out.
    const ui::Rgb ink = target.textColour();
    target.setFont(ui::FontId::ReportText);
    target.setTextColour(kLabelInk);
    target.drawText(record.gender == kGenderFemale ? "Badana:" : "Badany:", {612, 173, 668, 192},
                    ui::text::kLeft | ui::text::kVCenter | ui::text::kSingleLine);
    target.setTextColour(ink);
    target.setFont(ui::FontId::SmallHeading);
    const unsigned flags = ui::text::kLeft | ui::text::kSingleLine;
    target.drawText(record.fullName(), {670, 175, 850, 190}, flags);
    target.drawText(text(record.examDate), {710, 150, 850, 170}, flags);
}

}  // namespace lun4
