// Keys on the menus, item lists, item page, help pages and note editor, held against the
// clicks they stand for.

#include <gtest/gtest.h>

#include <vector>

#include "assessment_fixture.h"
#include "model/cp1250.h"
#include "model/default_recommendations.h"

namespace lun4 {
namespace {

using Event = ScreenController::RecordEvent;
using testing::centre;
using ui::Key;
using ui::SkinButton;

ui::KeyPress withCtrl(ui::KeyPress key) {
    key.ctrl = true;
    return key;
}
ui::KeyPress withAlt(ui::KeyPress key) {
    key.alt = true;
    return key;
}

class KeysTest : public testing::AssessmentTest {
  protected:
    KeysTest() {
        controller.setRecordObserver([this](Event e) { events.push_back(e); });
    }
    bool press(ui::KeyPress key) { return controller.keyPressed(key); }
    bool press(Key key) { return press(ui::keyPress(key)); }
    bool press(char c) { return press(ui::letter(c)); }

    // What scoring item `k` by `act` leaves: the record, the questions asked, the events.
    struct Outcome {
        char score;
        std::string note;
        size_t questions;
        std::vector<Event> events;
    };
    template <typename Act>
    Outcome scoreItem(int k, const char* ownWords, bool replace, Act act) {
        state.record = ExamineeRecord{};
        setText(state.record.notes[k], ownWords);
        frame.questions.clear();
        frame.answers = {!replace};
        showItem(k);
        events.clear();
        act();
        return {state.record.scores[k], note(k), frame.questions.size(), events};
    }

    std::vector<Event> events;
};

// Each score key does what its button's click does (the score, the default recommendation or
// the question over own words, the recovery copy's event) and then shows the next item, also
// across an area's border.
TEST_F(KeysTest, ScoreKeysDoWhatTheButtonsDoThenShowTheNextItem) {
    const struct {
        char key;
        SkinButton* button;
    } cases[] = {{'Z', &buttons.green}, {'1', &buttons.green},  {'P', &buttons.yellow},
                 {'2', &buttons.yellow}, {'N', &buttons.red}, {'3', &buttons.red}};
    for (const auto& c : cases) {
        for (const char* words : {"", "Moje wskazania\r\n"}) {
            for (bool replace : {false, true}) {
                SCOPED_TRACE(std::string(1, c.key) + " over '" + words + "'");
                const Outcome clicked =
                    scoreItem(72, words, replace, [&] { moveAndClick(*c.button); });
                const Outcome keyed = scoreItem(72, words, replace, [&] {
                    clearDrawing();
                    EXPECT_TRUE(press(c.key));
                });
                EXPECT_EQ(keyed.score, clicked.score);
                EXPECT_EQ(keyed.note, clicked.note);
                EXPECT_EQ(keyed.questions, clicked.questions);
                EXPECT_EQ(keyed.events, clicked.events);
                EXPECT_EQ(keyed.events, std::vector<Event>{Event::Changed});
                EXPECT_EQ(state.screenId, screen::kItemPage);
                EXPECT_EQ(state.currentItem, 73);
                EXPECT_EQ(state.returnScreen, 51);
                EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\Zad\\z73.asd"));
            }
        }
    }
    // Escape on the question keeps the diagnostician's own words.
    ASSERT_FALSE(frame.questions.empty());
    EXPECT_EQ(frame.questions.back().escape, ui::Answer::First);
}

TEST_F(KeysTest, ScoreKeysKeepTheCurrentScoreStopOnTheLastItemAndIgnoreHeldCtrlAndAltKeys) {
    // The current score's button is not offered: the key leaves the item as it is.
    state.record.scores[30] = kFail;
    setText(state.record.notes[30], "Moje\r\n");
    showItem(30);
    EXPECT_TRUE(press('N'));
    EXPECT_EQ(state.record.scores[30], kFail);
    EXPECT_EQ(note(30), "Moje\r\n");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(state.currentItem, 31);

    // The page a key shows next was asked for ahead, when the item before it was shown.
    const auto& ahead = frame.fakeImages().prefetched();
    ASSERT_GE(ahead.size(), 2u);
    EXPECT_EQ(ahead[ahead.size() - 2], "Data\\BMP\\Zad\\z32.asd");
    EXPECT_EQ(ahead.back(), "Data\\BMP\\Zad\\z30.asd");

    showItem(168);
    EXPECT_TRUE(press('2'));
    EXPECT_EQ(state.record.scores[168], kEmerging);
    EXPECT_EQ(state.currentItem, 168);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\Zad\\z168.asd"));

    // A key held down scores the item it was pressed on, and no more.
    showItem(40);
    ui::KeyPress held = ui::letter('Z');
    held.repeat = true;
    EXPECT_TRUE(press(held));
    EXPECT_EQ(state.currentItem, 40);
    for (const ui::KeyPress key : {withCtrl(ui::letter('Z')), withAlt(ui::letter('P')),
                                   ui::letter('X'), ui::letter('4')}) {
        EXPECT_FALSE(press(key));
    }
    EXPECT_EQ(state.record.scores[40], kNotScored);
    EXPECT_EQ(state.currentItem, 40);
}

TEST_F(KeysTest, ItemPageArrowsEnterAndEscape) {
    showItem(1);
    press(Key::Left);  // no arrow is drawn that way: nothing acts, nothing lights
    EXPECT_EQ(state.currentItem, 1);
    EXPECT_EQ(buttons.previousItem.state(), SkinButton::Normal);
    EXPECT_FALSE(frame.window().drewImage("Data\\BMP\\lewo_p.bmp"));
    press(Key::Right);
    EXPECT_EQ(state.currentItem, 2);
    press(Key::Left);
    EXPECT_EQ(state.currentItem, 1);
    EXPECT_TRUE(frame.pauses.empty());  // stepping by key waits for nothing
    showItem(168);
    press(Key::Right);
    EXPECT_EQ(state.currentItem, 168);
    EXPECT_EQ(buttons.nextItem.state(), SkinButton::Normal);

    // Enter opens the editor only where the page offers it.
    showItem(14);
    press(Key::Enter);
    EXPECT_EQ(state.screenId, screen::kItemPage);
    press('P');
    press(Key::Left);
    press(Key::Enter);
    EXPECT_EQ(state.screenId, screen::kRecommendationEditor);

    // Escape leaves the note as it was; Ctrl+Enter stores it, as OK does.
    const std::string before = note(14);
    noteEditor().setText("Nowe");
    noteEditor().setDisplayedLines({"Nowe"});
    EXPECT_FALSE(press(Key::Enter));  // a line break in the text, not the screen's
    press(Key::Escape);
    EXPECT_EQ(state.screenId, screen::kItemPage);
    EXPECT_EQ(note(14), before);
    press(Key::Enter);
    noteEditor().setText("Nowe");
    noteEditor().setDisplayedLines({"Nowe"});
    press(withCtrl(ui::keyPress(Key::Enter)));
    EXPECT_EQ(state.screenId, screen::kItemPage);
    EXPECT_EQ(note(14), "Nowe\r\n");

    // The help pages close with Enter or Escape.
    for (Key key : {Key::Enter, Key::Escape}) {
        moveAndClick(buttons.key);
        ASSERT_EQ(state.screenId, screen::kKeyPage);
        press(key);
        EXPECT_EQ(state.screenId, screen::kItemPage);
    }

    // Escape is "Powrót": the list holding the item, with the item selected on it.
    showItem(15);
    press(Key::Escape);
    EXPECT_EQ(state.screenId, 42);
    EXPECT_EQ(itemScreens.selectedItem(), 15);
}

TEST_F(KeysTest, ListsMoveASelectionOpenItAndStepScales) {
    showList(41);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\klawisze_lista.bmp"));
    EXPECT_EQ(itemScreens.selectedItem(), 1);
    press(Key::Up);  // stays on the first
    press(Key::Down);
    press(Key::Down);
    EXPECT_EQ(itemScreens.selectedItem(), 3);
    // The selected row is drawn lit, whatever the mouse does.
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\przycisk_o.bmp"));
    press(Key::End);
    press(Key::Down);
    EXPECT_EQ(itemScreens.selectedItem(), 12);
    press(Key::Enter);
    EXPECT_EQ(state.screenId, screen::kItemPage);
    EXPECT_EQ(state.currentItem, 12);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\klawisze_zad.bmp"));
    press(Key::Escape);
    EXPECT_EQ(state.screenId, 41);
    EXPECT_EQ(itemScreens.selectedItem(), 12);

    press(Key::Left);  // no previous scale on the area's first list
    EXPECT_EQ(state.screenId, 41);
    EXPECT_EQ(buttons.previous.state(), SkinButton::Normal);
    press(Key::Right);
    EXPECT_EQ(state.screenId, 42);
    EXPECT_EQ(itemScreens.selectedItem(), 13);
    showList(46);
    press(Key::Right);
    EXPECT_EQ(state.screenId, 46);
    press(Key::Escape);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
}

TEST_F(KeysTest, MenusTakeTheDigitsOfTheirButtons) {
    state.screenId = screen::kEntry;
    controller.compose();
    press(Key::Enter);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\klawisze_menu.bmp"));
    EXPECT_FALSE(press('4'));
    press('3');
    EXPECT_EQ(state.screenId, 6);
    EXPECT_TRUE(frame.back(0).drewImage("Data\\BMP\\klawisze_obszar.bmp"));
    EXPECT_FALSE(press('7'));
    press('6');
    EXPECT_EQ(state.screenId, 66);
    press(Key::Escape);
    press('1');
    press(Key::Escape);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
}

}  // namespace
}  // namespace lun4
