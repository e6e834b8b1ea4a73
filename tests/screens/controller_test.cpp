#include <gtest/gtest.h>

#include "fake_frame.h"
#include "screen_clicks.h"
#include "screens/controller/screen_controller.h"
#include "screens/screen_ids.h"

namespace lun4 {
namespace {

// Buttons are 100x40 unless a test says otherwise (the fake image source's default size).
class ControllerTest : public ::testing::Test {
  protected:
    testing::FakeFrame frame;
    Buttons buttons{frame.fakeImages()};
    AppState state;
    ScreenController controller{frame, buttons, state};

    void moveAndClick(const ui::SkinButton& b) {
        testing::moveAndClick(controller, state, testing::centre(b));
    }
};

TEST_F(ControllerTest, EnterNeedsAHoverBeforeTheClick) {
    controller.compose();
    EXPECT_TRUE(frame.back(0).drewImage("Data/BMP/entry.bmp"));
    const int x = buttons.enter.x() + 10;
    const int y = buttons.enter.y() + 10;
    controller.leftButtonDown(x, y);
    EXPECT_EQ(state.screenId, screen::kEntry);
    EXPECT_TRUE(frame.pauses.empty());

    controller.mouseMoved(x, y);
    controller.leftButtonDown(x, y);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
    ASSERT_EQ(frame.pauses, std::vector<int>{100});
    // The pressed image was on the window during the pause, and the button is normal again.
    EXPECT_EQ(frame.windowImagesAtPause[0], "Data\\BMP\\wej_p.bmp");
    EXPECT_EQ(buttons.enter.state(), ui::SkinButton::Normal);
    EXPECT_TRUE(frame.back(0).drewImage("Data/BMP/tlo_glowne.bmp"));
}

TEST_F(ControllerTest, HoverDrawsOnTheWindowOnly) {
    controller.compose();
    frame.back(0).clearCalls();
    frame.window().clearCalls();
    controller.mouseMoved(buttons.enter.x() + 5, buttons.enter.y() + 5);
    EXPECT_TRUE(frame.back(0).calls().empty());
    EXPECT_TRUE(frame.window().drewImage("Data\\BMP\\wej_o.bmp"));
    frame.window().clearCalls();
    controller.mouseMoved(buttons.enter.x() + 6, buttons.enter.y() + 5);  // no change of look
    EXPECT_TRUE(frame.window().calls().empty());
    controller.mouseMoved(0, 0);
    EXPECT_TRUE(frame.window().drewImage("Data\\BMP\\wej_n.bmp"));
}

TEST_F(ControllerTest, AreaMenusOpenTheirListsAndLeadBackToTheMainMenu) {
    state.screenId = screen::kMainMenu;
    moveAndClick(*buttons.area[1]);
    ASSERT_EQ(state.screenId, 5);
    EXPECT_TRUE(frame.back(0).drewText("Obszar obserwacji w domu"));
    // Title twice: black shadow one pixel below and right of the red title.
    const auto texts = frame.back(0).callsOf(ui::DrawCall::Text);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].colour, ui::kBlack);
    EXPECT_EQ(texts[0].rect, (ui::Rect{220, 72, 775, 94}));
    EXPECT_EQ(texts[1].colour, ui::kRed);
    EXPECT_EQ(texts[1].rect, (ui::Rect{219, 71, 774, 93}));

    moveAndClick(*buttons.scale[2]);
    EXPECT_EQ(state.screenId, 53);

    state.screenId = 6;
    moveAndClick(buttons.back);
    EXPECT_EQ(state.screenId, screen::kMainMenu);
}

TEST_F(ControllerTest, QuitButtonRunsTheExitHandler) {
    bool asked = false;
    controller.setExitHandler([&] { asked = true; });
    state.screenId = screen::kMainMenu;
    moveAndClick(buttons.quit);
    EXPECT_TRUE(asked);
}

TEST_F(ControllerTest, NameBoxShowsFullNameAndExamDate) {
    setText(state.record.firstName, "Anna");
    setText(state.record.lastName, "Nowak");
    setText(state.record.examDate, "12.05.2026");
    state.screenId = screen::kMainMenu;
    controller.compose();
    EXPECT_TRUE(frame.back(0).drewText("Anna Nowak"));
    EXPECT_TRUE(frame.back(0).drewText("12.05.2026"));
}

}  // namespace
}  // namespace lun4
