#include <gtest/gtest.h>

#include <algorithm>

#include "assessment_fixture.h"
#include "model/catalogue.h"
#include "model/cp1250.h"
#include "model/default_recommendations.h"

namespace lun4 {
namespace {

using testing::AssessmentTest;
using testing::centre;
using testing::imagesNamed;
using testing::textCall;
using testing::topLeft;
using ui::DrawCall;
using ui::SkinButton;

// ----- item lists -----

using ItemListTest = AssessmentTest;

TEST_F(ItemListTest, FirstAndLastButtonOfEveryListOpenTheirItems) {
    // The numbering runs area by area, scale by scale: 12 items per direct-observation scale,
    // 8 per home and school/work scale.
    for (int area = 0; area < 3; ++area) {
        for (int scale = 0; scale < 6; ++scale) {
            const int list = 41 + 10 * area + scale;
            const int count = area == 0 ? 12 : 8;
            const int first = area == 0 ? 12 * scale + 1 : 73 + 48 * (area - 1) + 8 * scale;
            for (int index : {0, count - 1}) {
                SCOPED_TRACE("list " + std::to_string(list) + " button " + std::to_string(index));
                showList(list);
                moveAndClick(*buttons.item[index]);
                EXPECT_EQ(state.screenId, screen::kItemPage);
                EXPECT_EQ(state.currentItem, first + index);
                EXPECT_EQ(state.returnScreen, list);
            }
        }
    }
    // The corners named in the catalogue: 46/11 is 72, 56/7 is 120, 66/7 is 168.
    showList(66);
    moveAndClick(*buttons.item[7]);
    EXPECT_EQ(state.currentItem, 168);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\Zad\\z168.asd"));
}

TEST_F(ItemListTest, HomeListLaysOutEightItemsWithTitleHeadingAndIndicators) {
    state.screenId = 5;
    moveAndClick(*buttons.scale[2]);  // the area menu puts the arrows home
    ASSERT_EQ(state.screenId, 53);
    const auto& back = frame.back(0);

    const auto images = back.callsOf(DrawCall::Image);
    ASSERT_FALSE(images.empty());
    EXPECT_EQ(images[0].name, "Data\\BMP\\tlo_zad.bmp");
    EXPECT_EQ(images[0].rect, (ui::Rect{0, 0, 1024, 768}));
    const auto heading = imagesNamed(back, "Data\\BMP\\n_3.bmp");
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_EQ(topLeft(heading[0]), (ui::Point{845, 86}));

    const auto texts = back.callsOf(DrawCall::Text);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(cp1250::toUtf8(texts[0].name), "Obszar obserwacji w domu");
    EXPECT_EQ(texts[0].colour, ui::kBlack);
    EXPECT_EQ(texts[0].rect, (ui::Rect{162, 19, 833, 46}));
    EXPECT_EQ(texts[0].font, ui::FontId::Title);
    EXPECT_EQ(texts[1].colour, ui::kRed);
    EXPECT_EQ(texts[1].rect, (ui::Rect{161, 18, 832, 45}));
    EXPECT_EQ(texts[1].mode, ui::BackgroundMode::Transparent);

    const auto items = imagesNamed(back, "Data\\BMP\\przycisk_n.bmp");
    const auto indicators = imagesNamed(back, "Data\\BMP\\but_w.bmp");
    ASSERT_EQ(items.size(), 8u);
    ASSERT_EQ(indicators.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(topLeft(items[i]), (ui::Point{122, 80 + 70 * i}));
        EXPECT_EQ(topLeft(indicators[i]), (ui::Point{755, 85 + 70 * i}));
    }
    // Item 89 on button 0: its name in white over its black shadow, its number alone.
    EXPECT_TRUE(back.drewText(cp1250::toUtf8(itemName(89))));
    EXPECT_EQ(buttons.item[0]->numberText(), "89");
    EXPECT_EQ(buttons.item[7]->numberText(), "96");

    EXPECT_TRUE(drewButton("Data\\BMP\\poprzednie"));
    EXPECT_TRUE(drewButton("Data\\BMP\\nastepne"));
    const auto back_ = imagesNamed(back, "Data\\BMP\\powrot_n.bmp");
    ASSERT_EQ(back_.size(), 1u);
    EXPECT_EQ(topLeft(back_[0]), (ui::Point{77, 676}));
}

TEST_F(ItemListTest, DirectObservationListTakesTwelveCloserRows) {
    showList(44);
    const auto items = imagesNamed(frame.back(0), "Data\\BMP\\przycisk_n.bmp");
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[11].rect.top, 67 + 49 * 11);
    EXPECT_EQ(buttons.indicator[11]->y(), 72 + 49 * 11);
    EXPECT_EQ(buttons.item[11]->numberText(), "48");
    EXPECT_TRUE(drewButton("Data\\BMP\\poprzednie"));
    EXPECT_TRUE(drewButton("Data\\BMP\\nastepne"));
}

TEST_F(ItemListTest, IndicatorsShowTheScoresAndAreReadAgainOnEveryComposition) {
    state.record.scores[13] = kPass;
    state.record.scores[14] = kEmerging;
    state.record.scores[15] = kFail;
    showList(42);
    EXPECT_EQ(buttons.indicator[0]->normalImage()->name(), "Data\\BMP\\but_g.bmp");
    EXPECT_EQ(buttons.indicator[1]->normalImage()->name(), "Data\\BMP\\but_y.bmp");
    EXPECT_EQ(buttons.indicator[2]->normalImage()->name(), "Data\\BMP\\but_r.bmp");
    EXPECT_EQ(buttons.indicator[3]->normalImage()->name(), "Data\\BMP\\but_w.bmp");
    const auto yellow = imagesNamed(frame.back(0), "Data\\BMP\\but_y.bmp");
    ASSERT_EQ(yellow.size(), 1u);
    EXPECT_EQ(yellow[0].rect.top, 67 + 49 + 5);

    // Scoring on the item page shows on the list it returns to.
    moveAndClick(*buttons.item[3]);
    ASSERT_EQ(state.currentItem, 16);
    moveAndClick(buttons.red);
    const auto loadsBefore = frame.fakeImages().loaded().size();
    moveAndClick(buttons.back);
    ASSERT_EQ(state.screenId, 42);
    EXPECT_EQ(buttons.indicator[3]->normalImage()->name(), "Data\\BMP\\but_r.bmp");
    const auto& loaded = frame.fakeImages().loaded();
    EXPECT_EQ(std::count(loaded.begin() + loadsBefore, loaded.end(), "Data\\BMP\\but_w.bmp"), 8);

    // A byte that is no score code leaves the indicator as it was.
    state.record.scores[13] = 'q';
    controller.compose();
    EXPECT_EQ(buttons.indicator[0]->normalImage()->name(), "Data\\BMP\\but_g.bmp");
}

TEST_F(ItemListTest, NoPreviousOnTheFirstScaleNoNextOnTheLast) {
    showList(41);
    EXPECT_FALSE(drewButton("Data\\BMP\\poprzednie"));
    EXPECT_TRUE(drewButton("Data\\BMP\\nastepne"));
    moveAndClick(buttons.previous);
    EXPECT_EQ(state.screenId, 41);
    EXPECT_EQ(buttons.previous.state(), SkinButton::Normal);  // not even hover-tested

    showList(66);
    EXPECT_TRUE(drewButton("Data\\BMP\\poprzednie"));
    EXPECT_FALSE(drewButton("Data\\BMP\\nastepne"));
    moveAndClick(buttons.nextPage);
    EXPECT_EQ(state.screenId, 66);
    EXPECT_TRUE(frame.pauses.empty());

    // Stepping back onto the first scale: the arrow under the mouse has vanished, a second
    // click there does nothing.
    showList(42);
    moveAndClick(buttons.previous);
    ASSERT_EQ(state.screenId, 41);
    clickAt(centre(buttons.previous));
    EXPECT_EQ(state.screenId, 41);
    // Not even when the button was left lit by another screen.
    buttons.previous.setState(SkinButton::Hover);
    clickAt(centre(buttons.previous));
    EXPECT_EQ(state.screenId, 41);
    EXPECT_EQ(frame.pauses.size(), 1u);
}

TEST_F(ItemListTest, ArrowUnderTheMouseStaysLitSoClicksRepeatWithoutMoving) {
    showList(51);
    moveAndClick(buttons.nextPage);
    ASSERT_EQ(state.screenId, 52);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\nastepne_o.bmp"));
    clickAt(centre(buttons.nextPage));
    EXPECT_EQ(state.screenId, 53);
    EXPECT_EQ(frame.pauses, (std::vector<int>{100, 100}));
    EXPECT_EQ(frame.windowImagesAtPause[0], "Data\\BMP\\nastepne_p.bmp");
}

TEST_F(ItemListTest, BackLeadsToTheMainMenuNotTheAreaMenu) {
    showList(55);
    moveAndClick(buttons.back);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_TRUE(frame.back(0).drewImage("Data/BMP/tlo_glowne.bmp"));
}

TEST_F(ItemListTest, HoverLightsItemButtonsOnTheWindowOnly) {
    showList(61);
    clearDrawing();
    moveTo(centre(*buttons.item[2]));
    EXPECT_TRUE(frame.back(0).calls().empty());
    EXPECT_TRUE(frame.window().drewImage("Data\\BMP\\przycisk_o.bmp"));
    EXPECT_TRUE(frame.window().drewText(cp1250::toUtf8(itemName(123))));
    // Buttons 8..11 are not on an 8-item list: a point where button 11 sits for a 12-item
    // list, between the 8-item rows, lights nothing.
    frame.window().clearCalls();
    moveTo({300, 67 + 49 * 11 + 30});
    EXPECT_FALSE(frame.window().drewImage("Data\\BMP\\przycisk_o.bmp"));
}

// ----- item page -----

using ItemPageTest = AssessmentTest;

TEST_F(ItemPageTest, ComposesHeaderTitleButtonsAndTaskPage) {
    showItem(17);
    const auto& back = frame.back(0);
    const auto images = back.imagesDrawn();
    ASSERT_GE(images.size(), 2u);
    EXPECT_EQ(images[0], "Data\\BMP\\tlo_zad2.bmp");
    EXPECT_EQ(images[1], "Data\\BMP\\podswiatelka.bmp");
    EXPECT_EQ(imagesNamed(back, "Data\\BMP\\podswiatelka.bmp")[0].rect.left, 851);

    const auto area = textCall(back, "OBSZAR OBSERWACJI DIAGNOSTY");
    ASSERT_TRUE(area);
    EXPECT_EQ(area->colour, ui::kRed);
    EXPECT_EQ(area->rect, (ui::Rect{167, 37, 689, 60}));
    EXPECT_EQ(area->font, ui::FontId::Title);
    const auto scale = textCall(back, "Samodzielne funkcjonowanie");
    ASSERT_TRUE(scale);
    EXPECT_EQ(scale->colour, (ui::Rgb{204, 51, 153}));
    EXPECT_EQ(scale->rect, (ui::Rect{167, 64, 689, 91}));
    const auto title = textCall(back, "17. Znaki ostrzegawcze");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->colour, (ui::Rgb{0, 0, 255}));
    EXPECT_EQ(title->font, ui::FontId::Item);
    EXPECT_EQ(title->rect, (ui::Rect{95, 112, 773, 135}));
    EXPECT_EQ(title->flags, ui::text::kCenter | ui::text::kVCenter | ui::text::kSingleLine);

    const auto page = imagesNamed(back, "Data\\BMP\\Zad\\z17.asd");
    ASSERT_EQ(page.size(), 1u);
    EXPECT_EQ(page[0].rect, (ui::Rect{40, 150, 830, 620}));
    const auto powrot = imagesNamed(back, "Data\\BMP\\powrot_n.bmp");
    ASSERT_EQ(powrot.size(), 1u);
    EXPECT_EQ(topLeft(powrot[0]), (ui::Point{794, 67}));
    for (const char* drawn : {"green", "yellow", "red", "klucz", "prawo", "lewo"}) {
        EXPECT_TRUE(drewButton(std::string("Data\\BMP\\") + drawn)) << drawn;
    }
    EXPECT_FALSE(drewButton("Data\\BMP\\porady"));
    EXPECT_FALSE(drewButton("Data\\BMP\\edycja_zad"));
    EXPECT_EQ(state.returnScreen, 42);
    EXPECT_GE(frame.presentCount, 1);
}

TEST_F(ItemPageTest, MissingTaskPageLeavesAQuietPanelAndTheRestOfThePage) {
    frame.fakeImages().setMissing("Data\\BMP\\Zad\\z17.asd");
    showItem(17);
    const auto& back = frame.back(0);
    EXPECT_FALSE(back.drewImage("Data\\BMP\\Zad\\z17.asd"));
    const auto boxes = back.callsOf(DrawCall::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rect, (ui::Rect{40, 150, 830, 620}));
    const auto note = textCall(back, "Brak strony opisu zadania");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->colour.r, note->colour.g);  // grey, neither alarm red nor black
    EXPECT_GT(note->colour.r, 64);
    EXPECT_TRUE(back.drewText("Data\\BMP\\Zad\\z17.asd"));
    EXPECT_TRUE(drewButton("Data\\BMP\\prawo"));
    EXPECT_TRUE(drewButton("Data\\BMP\\lewo"));

    // The next item with its page shows the page and no panel.
    moveAndClick(buttons.nextItem);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\Zad\\z18.asd"));
}

// A page file that is there but cannot be decoded is called damaged, not missing; the key and
// advice pages say the same of theirs.
TEST_F(ItemPageTest, ADamagedPageSaysSoAndNamesItsFile) {
    frame.fakeImages().setDamaged("Data\\BMP\\Zad\\z17.asd");
    showItem(17);
    EXPECT_TRUE(textCall(frame.back(0), "Strona opisu zadania jest uszkodzona"));
    EXPECT_FALSE(textCall(frame.back(0), "Brak strony opisu zadania"));
    EXPECT_TRUE(frame.back(0).drewText("Data\\BMP\\Zad\\z17.asd"));
    frame.fakeImages().setDamaged("Data\\BMP\\Klu\\k17.asd");
    moveAndClick(buttons.key);
    ASSERT_EQ(state.screenId, screen::kKeyPage);
    EXPECT_TRUE(textCall(frame.back(0), "Strona klucza oceny jest uszkodzona"));
    EXPECT_TRUE(frame.back(0).drewText("Data\\BMP\\Klu\\k17.asd"));
}

TEST_F(ItemPageTest, StepOverTheScaleBorderThenBackReturnsToTheListHoldingTheItem) {
    showList(41);
    moveAndClick(*buttons.item[11]);
    ASSERT_EQ(state.currentItem, 12);
    EXPECT_EQ(state.returnScreen, 41);
    moveAndClick(buttons.nextItem);
    EXPECT_EQ(state.currentItem, 13);
    EXPECT_EQ(state.returnScreen, 42);
    moveAndClick(buttons.back);
    EXPECT_EQ(state.screenId, 42);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\n_2.bmp"));
    // The list has its back button home again.
    EXPECT_EQ(topLeft(buttons.back), (ui::Point{77, 676}));
}

TEST_F(ItemPageTest, NextItemCrossesIntoTheNextArea) {
    showList(46);
    moveAndClick(*buttons.item[11]);
    ASSERT_EQ(state.currentItem, 72);
    frame.back(0).clearCalls();
    moveAndClick(buttons.nextItem);
    EXPECT_EQ(state.currentItem, 73);
    EXPECT_EQ(state.returnScreen, 51);
    EXPECT_TRUE(frame.back(0).drewText("OBSZAR OBSERWACJI W DOMU"));
    EXPECT_TRUE(frame.back(0).drewText("Umiejętności wykonawcze"));
    EXPECT_TRUE(frame.back(0).drewText("73. " + cp1250::toUtf8(itemName(73))));

    showItem(120);
    moveAndClick(buttons.nextItem);
    EXPECT_EQ(state.currentItem, 121);
    EXPECT_TRUE(frame.back(0).drewText("OBSZAR OBSERWACJI W SZKOLE I PRACY"));
    moveAndClick(buttons.previousItem);
    EXPECT_EQ(state.currentItem, 120);
    EXPECT_EQ(state.returnScreen, 56);
}

TEST_F(ItemPageTest, ArrowsEndAtTheFirstAndLastItem) {
    showItem(168);
    EXPECT_FALSE(drewButton("Data\\BMP\\prawo"));
    EXPECT_TRUE(drewButton("Data\\BMP\\lewo"));
    moveAndClick(buttons.nextItem);
    EXPECT_EQ(state.currentItem, 168);
    EXPECT_TRUE(frame.pauses.empty());

    showItem(1);
    EXPECT_TRUE(drewButton("Data\\BMP\\prawo"));
    EXPECT_FALSE(drewButton("Data\\BMP\\lewo"));
    moveAndClick(buttons.previousItem);
    EXPECT_EQ(state.currentItem, 1);
    EXPECT_TRUE(frame.pauses.empty());
}

TEST_F(ItemPageTest, ArrowUnderTheMouseIsDrawnLitAndClicksAgainWithoutMoving) {
    showItem(30);
    moveAndClick(buttons.nextItem);
    ASSERT_EQ(state.currentItem, 31);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\prawo_o.bmp"));
    EXPECT_FALSE(frame.back(0).drewImage("Data\\BMP\\lewo_o.bmp"));
    clickAt(centre(buttons.nextItem));
    EXPECT_EQ(state.currentItem, 32);
}

TEST_F(ItemPageTest, KeyButtonUpToItem73Only) {
    showItem(73);
    EXPECT_TRUE(drewButton("Data\\BMP\\klucz"));
    moveAndClick(buttons.key);
    ASSERT_EQ(state.screenId, screen::kKeyPage);
    const auto& back = frame.back(0);
    const auto panel = imagesNamed(back, "Data\\BMP\\klucz.bmp");
    ASSERT_EQ(panel.size(), 1u);
    EXPECT_EQ(topLeft(panel[0]), (ui::Point{43, 178}));
    const auto page = imagesNamed(back, "Data\\BMP\\Klu\\k73.asd");
    ASSERT_EQ(page.size(), 1u);
    EXPECT_EQ(page[0].rect, (ui::Rect{86, 249, 86 + 793, 249 + 530}));
    EXPECT_EQ(topLeft(buttons.ok), (ui::Point{664, 657}));
    // Laid over the item page: the back buffer was not cleared first.
    EXPECT_EQ(back.imagesDrawn()[0], "Data\\BMP\\tlo_zad2.bmp");

    showItem(74);
    EXPECT_FALSE(drewButton("Data\\BMP\\klucz"));
    moveAndClick(buttons.key);
    EXPECT_EQ(state.screenId, screen::kItemPage);
    EXPECT_EQ(buttons.key.state(), SkinButton::Normal);
}

TEST_F(ItemPageTest, AdviceButtonOnAdviceItemsOnly) {
    for (int item : {4, 46, 44}) {
        SCOPED_TRACE(item);
        showItem(item);
        EXPECT_FALSE(drewButton("Data\\BMP\\porady"));
        moveAndClick(buttons.advice);
        EXPECT_EQ(state.screenId, screen::kItemPage);
    }
    showItem(45);
    EXPECT_TRUE(drewButton("Data\\BMP\\porady"));
    moveAndClick(buttons.advice);
    ASSERT_EQ(state.screenId, screen::kAdvicePage);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\porady.bmp"));
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\Pom\\p45.asd"));
}

TEST_F(ItemPageTest, HelpPageOkReturnsToTheSameItemInItsScoreState) {
    state.record.scores[45] = kFail;
    frame.fakeImages().setMissing("Data\\BMP\\Pom\\p45.asd");
    showItem(45);
    moveAndClick(buttons.advice);
    ASSERT_EQ(state.screenId, screen::kAdvicePage);
    // A missing page: the panel, a quiet note and OK are still there.
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\porady.bmp"));
    EXPECT_TRUE(frame.back(0).drewText("Brak strony porad"));
    EXPECT_TRUE(drewButton("Data\\BMP\\ok"));

    noteEditor().setVisible(true);  // whatever showed it, leaving a help page hides it
    frame.pauses.clear();
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kItemPage);
    EXPECT_EQ(state.currentItem, 45);
    EXPECT_FALSE(noteEditor().isVisible());
    EXPECT_EQ(frame.pauses, std::vector<int>{100});
    EXPECT_EQ(buttons.red.state(), SkinButton::Pressed);
    EXPECT_FALSE(buttons.red.isEnabled());
    EXPECT_TRUE(drewButton("Data\\BMP\\edycja_zad"));
}

// Yellow and red bring the item's default text into an empty note or over a default one;
// words of the diagnostician's own are replaced only when they say so; green keeps the note.
TEST_F(ItemPageTest, ScoresCarryTheDefaultTextsButAskBeforeReplacingOwnWords) {
    const int k = 121;
    const std::string emerging(defaultRecommendation(RecommendationKind::Emerging, k));
    const std::string fail(defaultRecommendation(RecommendationKind::Fail, k));
    ASSERT_NE(emerging, fail);
    showItem(k);

    moveAndClick(buttons.yellow);
    EXPECT_EQ(state.record.scores[k], kEmerging);
    EXPECT_EQ(note(k), emerging);
    EXPECT_TRUE(drewButton("Data\\BMP\\edycja_zad"));
    EXPECT_TRUE(frame.pauses.empty());  // scoring has no click pause

    // The diagnostician rewrote the text; yellow again must not bring the default back.
    setText(state.record.notes[k], "Zalecenie po edycji\r\n");
    const int presents = frame.presentCount;
    moveTo({centre(buttons.yellow).x + 1, centre(buttons.yellow).y});
    clickAt(centre(buttons.yellow));
    EXPECT_EQ(note(k), "Zalecenie po edycji\r\n");
    EXPECT_EQ(frame.presentCount, presents);

    // Red over own words asks; Enter's answer keeps them, and the score changes all the same.
    moveAndClick(buttons.red);
    ASSERT_EQ(frame.questions.size(), 1u);
    EXPECT_EQ(cp1250::toUtf8(frame.questions[0].caption), "Wskazania do pracy");
    EXPECT_TRUE(cp1250::toUtf8(frame.questions[0].text)
                    .ends_with("Zastąpić własne wskazania tekstem domyślnym?"));
    EXPECT_EQ(cp1250::toUtf8(frame.questions[0].first), "Zachowaj moje");
    EXPECT_EQ(cp1250::toUtf8(frame.questions[0].second), "Zastąp");
    EXPECT_EQ(state.record.scores[k], kFail);
    EXPECT_EQ(note(k), "Zalecenie po edycji\r\n");
    // The other answer writes the default.
    frame.answers.push_back(false);
    moveAndClick(buttons.yellow);
    EXPECT_EQ(frame.questions.size(), 2u);
    EXPECT_EQ(note(k), emerging);

    // A default text is the program's, not the diagnostician's: replaced without a question.
    moveAndClick(buttons.red);
    EXPECT_EQ(note(k), fail);
    clearDrawing();
    moveAndClick(buttons.green);
    EXPECT_EQ(state.record.scores[k], kPass);
    EXPECT_EQ(note(k), fail);
    EXPECT_FALSE(drewButton("Data\\BMP\\edycja_zad"));
    moveAndClick(buttons.editRecommendation);
    EXPECT_EQ(state.screenId, screen::kItemPage);
    moveAndClick(buttons.yellow);
    EXPECT_EQ(note(k), emerging);

    // A note of nothing but line breaks and blanks holds no words to keep.
    showItem(5);
    setText(state.record.notes[5], "\r\n \r\n");
    moveAndClick(buttons.red);
    EXPECT_EQ(note(5), defaultRecommendation(RecommendationKind::Fail, 5));
    EXPECT_EQ(frame.questions.size(), 2u);
}

TEST_F(ItemPageTest, CurrentScoreShowsPressedAndCannotBeClicked) {
    state.record.scores[20] = kPass;
    showItem(20);
    EXPECT_EQ(buttons.green.state(), SkinButton::Pressed);
    EXPECT_FALSE(buttons.green.isEnabled());
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\green_p.bmp"));
    EXPECT_TRUE(buttons.yellow.isEnabled());
    EXPECT_TRUE(buttons.red.isEnabled());

    const int presents = frame.presentCount;
    clearDrawing();
    moveAndClick(buttons.green);
    EXPECT_EQ(state.record.scores[20], kPass);
    EXPECT_EQ(frame.presentCount, presents);
    EXPECT_TRUE(frame.window().calls().empty());  // no hover, no feedback
    EXPECT_EQ(buttons.green.state(), SkinButton::Pressed);

    // Moving on to an unscored item offers all three again; back on the list, too.
    moveAndClick(buttons.nextItem);
    EXPECT_TRUE(buttons.green.isEnabled());
    EXPECT_EQ(buttons.green.state(), SkinButton::Normal);
    moveAndClick(buttons.yellow);
    moveAndClick(buttons.back);
    EXPECT_EQ(state.screenId, 42);
    EXPECT_TRUE(buttons.yellow.isEnabled());
}

TEST_F(ItemPageTest, StrayScoreByteOffersAllThreeScoresAndNoEditor) {
    state.record.scores[9] = kEmerging;
    showItem(9);
    ASSERT_FALSE(buttons.yellow.isEnabled());
    state.record.scores[10] = 'x';
    clearDrawing();
    moveAndClick(buttons.nextItem);
    EXPECT_TRUE(buttons.green.isEnabled());
    EXPECT_TRUE(buttons.yellow.isEnabled());
    EXPECT_TRUE(buttons.red.isEnabled());
    EXPECT_FALSE(drewButton("Data\\BMP\\edycja_zad"));
}

}  // namespace
}  // namespace lun4
