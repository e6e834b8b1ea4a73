#pragma once
// The item lists, item page, help pages and recommendation editor plugged into a real
// controller over the fake frame, with button images of plausible sizes so that buttons sit
// where they do on screen (the lists' item buttons are wide, the arrows narrow).

#include <gtest/gtest.h>

#include <string>

#include "fake_frame.h"
#include "recorded_calls.h"
#include "screen_clicks.h"
#include "screens/assessment/help_pages.h"
#include "screens/assessment/item_screens.h"
#include "screens/assessment/recommendation_editor.h"
#include "screens/controller/screen_controller.h"
#include "screens/screen_ids.h"

namespace lun4::testing {

struct ImageSizes {
    explicit ImageSizes(ui::FakeImageSource& images) {
        auto button = [&](const std::string& base, int w, int h) {
            for (const char* suffix : {"_n.bmp", "_o.bmp", "_p.bmp"})
                images.setSize(base + suffix, w, h);
        };
        button("Data\\BMP\\przycisk", 600, 45);
        button("Data\\BMP\\prawo", 90, 45);
        button("Data\\BMP\\lewo", 90, 45);
        button("Data\\BMP\\powrot", 150, 50);
        button("Data\\BMP\\poprzednie", 180, 50);
        button("Data\\BMP\\nastepne", 180, 50);
        button("Data\\BMP\\green", 120, 90);
        button("Data\\BMP\\yellow", 120, 90);
        button("Data\\BMP\\red", 120, 90);
        button("Data\\BMP\\klucz", 150, 45);
        button("Data\\BMP\\porady", 150, 45);
        button("Data\\BMP\\ok", 150, 50);
        button("Data\\BMP\\edycja_zad", 180, 50);
        for (const char* indicator : {"Data\\BMP\\but_w.bmp", "Data\\BMP\\but_g.bmp",
                                      "Data\\BMP\\but_y.bmp", "Data\\BMP\\but_r.bmp"}) {
            images.setSize(indicator, 40, 35);
        }
    }
};

class AssessmentTest : public ::testing::Test {
  protected:
    FakeFrame frame;
    ImageSizes sizes{frame.fakeImages()};
    Buttons buttons{frame.fakeImages()};
    AppState state;
    ScreenController controller{frame, buttons, state};
    ItemScreens itemScreens{controller};
    HelpPages helpPages{controller};
    RecommendationEditor editor{controller};

    AssessmentTest() {
        controller.addModule(itemScreens);
        controller.addModule(helpPages);
        controller.addModule(editor);
    }

    void moveTo(ui::Point p) { testing::moveTo(controller, state, p); }
    void clickAt(ui::Point p) { controller.leftButtonDown(p.x, p.y); }
    void moveAndClick(const ui::SkinButton& b) {
        testing::moveAndClick(controller, state, centre(b));
    }

    // Each composes afresh, forgetting what was drawn before.
    void showList(int screenId) {
        clearDrawing();
        state.screenId = screenId;
        controller.compose();
    }
    void showItem(int item) {
        clearDrawing();
        state.screenId = screen::kItemPage;
        state.currentItem = item;
        controller.compose();
    }
    void clearDrawing() {
        frame.back(0).clearCalls();
        frame.window().clearCalls();
    }

    // Whether any of the button's three images was drawn into back buffer 0.
    bool drewButton(const std::string& base) { return testing::drewButton(frame.back(0), base); }
    std::string note(int item) const { return std::string(text(state.record.notes[item])); }
    FakeTextControl& noteEditor() { return frame.fakeControl(ui::ControlId::NoteEditor); }
};

}  // namespace lun4::testing
