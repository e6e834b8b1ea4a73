#include "screens/assessment/item_screens.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "model/default_recommendations.h"
#include "screens/assessment/missing_page.h"
#include "screens/screen_ids.h"
#include "screens/selection_ring.h"

namespace lun4 {

using ui::SkinButton;

namespace {

std::string taskPageName(int item) {
    return "Data\\BMP\\Zad\\z" + std::to_string(item) + ".asd";
}

constexpr std::array<int, 19> kAdviceItems = {1,  2,  3,  6,  8,  11, 12, 14, 15, 16,
                                              18, 20, 22, 27, 28, 30, 37, 39, 45};

constexpr ui::Rgb kScaleNameColour{204, 51, 153};
constexpr ui::Rgb kItemTitleColour{0, 0, 255};
constexpr unsigned kCentredLine = ui::text::kCenter | ui::text::kVCenter | ui::text::kSingleLine;

// Whether a note holds words of the diagnostician's own: anything but blanks and line breaks
// that is not one of the item's two default texts.
bool holdsOwnWords(std::string_view note, int item) {
    if (note.find_first_not_of(" \r\n") == std::string_view::npos) return false;
    return note != defaultRecommendation(RecommendationKind::Emerging, item) &&
           note != defaultRecommendation(RecommendationKind::Fail, item);
}

// Where the task page goes on the item page; a larger page is clipped to it.
constexpr ui::Rect kTaskPageArea{40, 150, 40 + 790, 150 + 470};

ObservationArea listArea(int listScreen) {
    return areaAt(listScreen / 10 - 4);
}
FunctionScale listScale(int listScreen) {
    return scaleAt(listScreen % 10 - 1);
}
int listItemCount(int listScreen) {
    return itemsPerScale(listArea(listScreen));
}
bool isFirstScaleOfArea(int listScreen) {
    return listScreen % 10 == 1;
}
bool isLastScaleOfArea(int listScreen) {
    return listScreen % 10 == 6;
}

// Item button i sits higher and closer on the 12-item lists of direct observation.
int itemButtonTop(int listScreen, int index) {
    return listItemCount(listScreen) == 12 ? 67 + 49 * index : 80 + 70 * index;
}

const char* indicatorImage(char score) {
    switch (score) {
        case kNotScored:
            return "Data\\BMP\\but_w.bmp";
        case kPass:
            return "Data\\BMP\\but_g.bmp";
        case kEmerging:
            return "Data\\BMP\\but_y.bmp";
        case kFail:
            return "Data\\BMP\\but_r.bmp";
    }
    return nullptr;
}

bool offersRecommendationEditor(char score) {
    return score == kEmerging || score == kFail;
}

}  // namespace

int itemOnList(int listScreen, int index) {
    return itemNumber(listArea(listScreen), listScale(listScreen), index);
}

int listScreenOf(int item) {
    return itemListScreen(areaOf(item), scaleOf(item));
}

bool hasKeyPage(int item) {
    return item >= 1 && item < 74;
}

bool hasAdvicePage(int item) {
    return std::find(kAdviceItems.begin(), kAdviceItems.end(), item) != kAdviceItems.end();
}

ItemScreens::ItemScreens(ScreenController& controller) : controller_(controller) {}

bool ItemScreens::ownsScreen(int screenId) const {
    return screen::isItemList(screenId) || screenId == screen::kItemPage;
}

void ItemScreens::compose(int screenId) {
    if (screen::isItemList(screenId)) composeList(screenId);
    if (screenId == screen::kItemPage) composeItemPage();
}

void ItemScreens::hover(int x, int y) {
    const int id = controller_.state().screenId;
    if (screen::isItemList(id)) hoverList(x, y);
    if (id == screen::kItemPage) hoverItemPage(x, y);
}

void ItemScreens::click(int x, int y) {
    const int id = controller_.state().screenId;
    if (screen::isItemList(id)) clickList(x, y);
    if (id == screen::kItemPage) clickItemPage(x, y);
}

void ItemScreens::drawLitUnderMouse(SkinButton& button, ui::Surface& target) {
    const ui::Point mouse = controller_.state().lastMouse;
    if (button.contains(mouse.x, mouse.y)) button.setState(SkinButton::Hover);
    button.draw(target);
}

void ItemScreens::openScreen(int screenId) {
    controller_.state().screenId = screenId;
    controller_.compose();
}

void ItemScreens::openItem(int item) {
    controller_.state().currentItem = item;
    openScreen(screen::kItemPage);
}

// ----- item lists -----

void ItemScreens::composeList(int id) {
    ui::Frame& frame = controller_.frame();
    Buttons& b = controller_.buttons();
    const ExamineeRecord& record = controller_.state().record;
    ui::Surface& target = frame.backBuffer(0);

    target.drawImage(frame.images().loadBitmap("Data\\BMP\\tlo_zad.bmp"), 0, 0, ui::kFrameWidth,
                     ui::kFrameHeight);
    target.drawImage(frame.images().loadBitmap(scaleHeadingImage(listScale(id))), 845, 86);

    const std::string_view title = areaTitle(listArea(id));
    target.setBackgroundMode(ui::BackgroundMode::Transparent);
    target.setFont(ui::FontId::Title);
    target.setTextColour(ui::kBlack);
    target.drawText(title, {162, 19, 833, 46}, kCentredLine);
    target.setTextColour(ui::kRed);
    target.drawText(title, {161, 18, 832, 45}, kCentredLine);

    for (int i = 0; i < listItemCount(id); ++i) {
        const int k = itemOnList(id, i);
        const int top = itemButtonTop(id, i);
        SkinButton& item = *b.item[i];
        item.setPosition(122, top);
        item.setLabel(itemName(k));
        item.setNumber(k);
        item.draw(target);

        // Read from its file on every composition: the score may have changed on the item page.
        SkinButton& indicator = *b.indicator[i];
        indicator.setPosition(755, top + 5);
        if (const char* image = indicatorImage(record.scores[k])) {
            indicator.setNormalImageFromFile(image);
        }
        indicator.draw(target);
    }

    drawSelection(target, id);
    target.drawImage(frame.images().loadBitmap("Data\\BMP\\klawisze_lista.bmp"), 845, 418);

    if (!isFirstScaleOfArea(id)) drawLitUnderMouse(b.previous, target);
    if (!isLastScaleOfArea(id)) drawLitUnderMouse(b.nextPage, target);
    b.back.setPosition(77, 676);  // the item page moves it
    b.back.draw(target);
    frame.present();
}

// The item the keys act on: the one opened last when it is on this list, else the first.
void ItemScreens::drawSelection(ui::Surface& target, int listScreen) {
    const int first = itemOnList(listScreen, 0);
    const int last = itemOnList(listScreen, listItemCount(listScreen) - 1);
    if (selectedItem_ < first || selectedItem_ > last) selectedItem_ = first;
    // Lit as under the mouse, and ringed.
    SkinButton& button = *controller_.buttons().item[selectedItem_ - first];
    const int state = button.state();
    button.setState(SkinButton::Hover);
    button.draw(target);
    button.setState(state);
    drawRing(target,
             {button.x(), button.y(), button.x() + button.width(), button.y() + button.height()},
             kAccent);
}

void ItemScreens::hoverList(int x, int y) {
    Buttons& b = controller_.buttons();
    const int id = controller_.state().screenId;
    for (int i = 0; i < listItemCount(id); ++i) controller_.hoverAndRedraw(*b.item[i], x, y);
    if (!isLastScaleOfArea(id)) controller_.hoverAndRedraw(b.nextPage, x, y);
    if (!isFirstScaleOfArea(id)) controller_.hoverAndRedraw(b.previous, x, y);
    controller_.hoverAndRedraw(b.back, x, y);
}

void ItemScreens::clickList(int x, int y) {
    Buttons& b = controller_.buttons();
    AppState& state = controller_.state();
    // Every rule of the list is tried with the same point, also after one has changed the
    // screen; the conditions stay those of the list that was clicked.
    const int id = state.screenId;
    for (int i = 0; i < listItemCount(id); ++i) {
        if (b.item[i]->clickTest(x, y)) {
            controller_.feedback(*b.item[i]);
            state.returnScreen = id;
            openItem(itemOnList(id, i));
        }
    }
    if (!isLastScaleOfArea(id) && b.nextPage.clickTest(x, y)) {
        controller_.feedback(b.nextPage);
        openScreen(id + 1);
    }
    if (!isFirstScaleOfArea(id) && b.previous.clickTest(x, y)) {
        controller_.feedback(b.previous);
        openScreen(id - 1);
    }
    if (b.back.clickTest(x, y)) {
        controller_.feedback(b.back);
        openScreen(screen::kMainMenu);
    }
}

// ----- item page -----

void ItemScreens::setScoreButtons(char score) {
    Buttons& b = controller_.buttons();
    // The button of the current score shows pressed and cannot be clicked again, so a second
    // click cannot overwrite an edited recommendation.
    auto current = [](SkinButton& button) {
        button.setEnabled(false);
        button.setState(SkinButton::Pressed);
    };
    auto offered = [this](SkinButton& button) {
        button.setEnabled(true);
        controller_.hoverFromLastMouse(button);
    };
    // A code other than the three scores (not scored, or a stray byte from a file) offers all
    // three buttons.
    score == kPass ? current(b.green) : offered(b.green);
    score == kEmerging ? current(b.yellow) : offered(b.yellow);
    score == kFail ? current(b.red) : offered(b.red);
}

void ItemScreens::composeItemPage() {
    AppState& state = controller_.state();
    const int k = state.currentItem;
    if (state.screenId != screen::kItemPage || k < 1 || k > kItemCount) return;
    ui::Frame& frame = controller_.frame();
    Buttons& b = controller_.buttons();
    ui::Surface& target = frame.backBuffer(0);
    const char score = state.record.scores[k];

    // Also after stepping with the arrows, the back button leads to the list holding the item,
    // where it is the one selected.
    state.returnScreen = listScreenOf(k);
    selectedItem_ = k;

    target.drawImage(frame.images().loadBitmap("Data\\BMP\\tlo_zad2.bmp"), 0, 0);
    target.drawImage(frame.images().loadBitmap("Data\\BMP\\podswiatelka.bmp"), 851, 250);

    target.setBackgroundMode(ui::BackgroundMode::Transparent);
    target.setFont(ui::FontId::Title);
    target.setTextColour(ui::kRed);
    target.drawText(areaTitleUpper(areaOf(k)), {167, 37, 689, 60}, kCentredLine);
    target.setTextColour(kScaleNameColour);
    target.drawText(scaleName(scaleOf(k)), {167, 64, 689, 91}, kCentredLine);

    std::string title = std::to_string(k) + ". ";
    title += itemName(k);
    target.setFont(ui::FontId::Item);
    target.setTextColour(kItemTitleColour);
    target.drawText(title, {95, 112, 773, 135}, kCentredLine);

    setScoreButtons(score);
    if (offersRecommendationEditor(score)) b.editRecommendation.draw(target);
    b.green.draw(target);
    b.yellow.draw(target);
    b.red.draw(target);

    if (hasKeyPage(k)) b.key.draw(target);
    if (hasAdvicePage(k)) b.advice.draw(target);
    b.back.setPosition(794, 67);
    b.back.draw(target);

    drawTaskPage(target, k);
    target.drawImage(frame.images().loadBitmap("Data\\BMP\\klawisze_zad.bmp"), 40, 726);

    if (k < kItemCount) drawLitUnderMouse(b.nextItem, target);
    if (k > 1) drawLitUnderMouse(b.previousItem, target);
    frame.present();
    // The neighbours are the likely next pages: stepping to them should not wait for a decode.
    if (k < kItemCount) frame.images().prefetchPage(taskPageName(k + 1));
    if (k > 1) frame.images().prefetchPage(taskPageName(k - 1));
}

void ItemScreens::drawTaskPage(ui::Surface& target, int item) {
    const std::string name = taskPageName(item);
    taskPage_.reset();
    taskPage_ = controller_.frame().images().loadPage(name);
    if (taskPage_) {
        target.drawImage(taskPage_, kTaskPageArea.left, kTaskPageArea.top, kTaskPageArea.width(),
                         kTaskPageArea.height());
    } else {
        drawMissingPage(target, kTaskPageArea, controller_.frame().images().pageProblem(name),
                        "opisu zadania", name);
    }
}

void ItemScreens::hoverItemPage(int x, int y) {
    Buttons& b = controller_.buttons();
    const AppState& state = controller_.state();
    const int k = state.currentItem;
    controller_.hoverAndRedraw(b.back, x, y);
    controller_.hoverAndRedraw(b.green, x, y);
    controller_.hoverAndRedraw(b.yellow, x, y);
    controller_.hoverAndRedraw(b.red, x, y);
    if (hasKeyPage(k)) controller_.hoverAndRedraw(b.key, x, y);
    if (hasAdvicePage(k)) controller_.hoverAndRedraw(b.advice, x, y);
    if (k < kItemCount) controller_.hoverAndRedraw(b.nextItem, x, y);
    if (k > 1) controller_.hoverAndRedraw(b.previousItem, x, y);
    if (offersRecommendationEditor(state.record.scores[k])) {
        controller_.hoverAndRedraw(b.editRecommendation, x, y);
    }
}

void ItemScreens::clickItemPage(int x, int y) {
    Buttons& b = controller_.buttons();
    AppState& state = controller_.state();
    ExamineeRecord& record = state.record;
    const int k = state.currentItem;

    // The buttons of the item page do not overlap: the first one that acts ends the click.
    if (b.back.clickTest(x, y)) {
        controller_.feedback(b.back);
        for (SkinButton* score : {&b.green, &b.yellow, &b.red}) score->setEnabled(true);
        openScreen(state.returnScreen);
    } else if (k < kItemCount && b.nextItem.clickTest(x, y)) {
        controller_.feedback(b.nextItem);
        openItem(k + 1);
    } else if (k > 1 && b.previousItem.clickTest(x, y)) {
        controller_.feedback(b.previousItem);
        openItem(k - 1);
    } else if (b.green.clickTest(x, y)) {
        // Scoring has no click pause.
        score(kPass);
        controller_.compose();
    } else if (b.yellow.clickTest(x, y)) {
        score(kEmerging);
        controller_.compose();
    } else if (b.red.clickTest(x, y)) {
        score(kFail);
        controller_.compose();
    } else if (hasKeyPage(k) && b.key.clickTest(x, y)) {
        controller_.feedback(b.key);
        openScreen(screen::kKeyPage);
    } else if (hasAdvicePage(k) && b.advice.clickTest(x, y)) {
        controller_.feedback(b.advice);
        openScreen(screen::kAdvicePage);
    } else if (offersRecommendationEditor(record.scores[k]) &&
               b.editRecommendation.clickTest(x, y)) {
        controller_.feedback(b.editRecommendation);
        openScreen(screen::kRecommendationEditor);
    }
}

// A pass keeps the last recommendation text. Emerging or fail: the item's default
// recommendation for the score goes into its note, unless the note holds the diagnostician's
// own words and they choose to keep them.
void ItemScreens::score(char code) {
    ExamineeRecord& record = controller_.state().record;
    const int k = controller_.state().currentItem;
    if (code == kPass) {
        record.scores[k] = kPass;
        controller_.recordChanged();
        return;
    }
    const RecommendationKind kind =
        code == kEmerging ? RecommendationKind::Emerging : RecommendationKind::Fail;
    const bool keep =
        holdsOwnWords(text(record.notes[k]), k) &&
        controller_.frame().ask(
            cp1250::fromUtf8Lossy("Wskazania do pracy"),
            cp1250::fromUtf8Lossy("Wskazania tej pozycji zostały wpisane lub zmienione przez "
                                  "diagnostę.\n\nZastąpić własne wskazania tekstem domyślnym?"),
            cp1250::fromUtf8Lossy("Zachowaj moje"), cp1250::fromUtf8Lossy("Zastąp"),
            ui::Answer::First);
    record.scores[k] = code;
    if (!keep) setText(record.notes[k], defaultRecommendation(kind, k));
    controller_.recordChanged();
}

// ----- keys -----

bool ItemScreens::key(const ui::KeyPress& key) {
    const int id = controller_.state().screenId;
    if (screen::isItemList(id)) return keyOnList(key);
    if (id == screen::kItemPage) return keyOnItemPage(key);
    return false;
}

bool ItemScreens::keyOnList(const ui::KeyPress& key) {
    Buttons& b = controller_.buttons();
    const int id = controller_.state().screenId;
    const int first = itemOnList(id, 0);
    const int last = itemOnList(id, listItemCount(id) - 1);
    const int selected = std::clamp(selectedItem_, first, last);
    int moved = 0;
    if (key.plain(ui::Key::Up)) moved = std::max(first, selected - 1);
    if (key.plain(ui::Key::Down)) moved = std::min(last, selected + 1);
    if (key.plain(ui::Key::Home)) moved = first;
    if (key.plain(ui::Key::End)) moved = last;
    if (moved != 0) {
        selectedItem_ = moved;
        controller_.compose();
        return true;
    }
    // Only a button the list draws is pressed: no previous scale on the area's first list, no
    // next one on its last.
    if (key.plain(ui::Key::Enter)) {
        controller_.pressByKey(*b.item[selected - first]);
    } else if (key.plain(ui::Key::Left)) {
        if (!isFirstScaleOfArea(id)) controller_.pressByKey(b.previous);
    } else if (key.plain(ui::Key::Right)) {
        if (!isLastScaleOfArea(id)) controller_.pressByKey(b.nextPage);
    } else if (key.plain(ui::Key::Escape)) {
        controller_.pressByKey(b.back);
    } else {
        return false;
    }
    return true;
}

bool ItemScreens::keyOnItemPage(const ui::KeyPress& key) {
    AppState& state = controller_.state();
    Buttons& b = controller_.buttons();
    const int k = state.currentItem;
    char code = 0;
    if (key.is('Z') || key.is('1')) code = kPass;
    if (key.is('P') || key.is('2')) code = kEmerging;
    if (key.is('N') || key.is('3')) code = kFail;
    if (code != 0) {
        // One press scores one item: a key held down does not score the items after it.
        if (key.repeat) return true;
        // As the score button's click; the button of the current score is not offered, so the
        // item keeps its score and note. Then on to the next item, the last one stays.
        if (state.record.scores[k] != code) score(code);
        if (k < kItemCount) {
            openItem(k + 1);
        } else {
            controller_.compose();
        }
        return true;
    }
    // Stepping by key is as quick as the next page can be shown: no click pause.
    if (key.plain(ui::Key::Right) || key.plain(ui::Key::Left)) {
        const int next = k + (key.key == ui::Key::Right ? 1 : -1);
        if (next >= 1 && next <= kItemCount) openItem(next);
        return true;
    }
    if (key.plain(ui::Key::Enter)) {
        // The editor is offered for an emerging or failed item only.
        if (offersRecommendationEditor(state.record.scores[k])) {
            controller_.pressByKey(b.editRecommendation);
        }
        return true;
    }
    if (key.plain(ui::Key::Escape)) {
        controller_.pressByKey(b.back);
        return true;
    }
    return false;
}

}  // namespace lun4
