#include <gtest/gtest.h>

#include "assessment_fixture.h"
#include "model/cp1250.h"

namespace lun4 {
namespace {

using testing::centre;
using testing::topLeft;
using ui::SkinButton;

class RecommendationEditorTest : public testing::AssessmentTest {
  protected:
    // Item 14 scored emerging with `text` as its note, the editor opened from its page.
    void openEditorOn(std::string_view text) {
        state.record.scores[14] = kEmerging;
        setText(state.record.notes[14], cp1250::fromUtf8Lossy(text));
        showItem(14);
        moveAndClick(buttons.editRecommendation);
        ASSERT_EQ(state.screenId, screen::kRecommendationEditor);
    }
    // What the editor shows after typing: `lines`, as it wraps them.
    void typeLines(std::vector<std::string> lines) {
        std::string typed;
        for (const std::string& line : lines) typed += line;
        noteEditor().setText(typed);
        noteEditor().setDisplayedLines(std::move(lines));
    }
    std::string lastMessage() const {
        return frame.messages.empty() ? std::string()
                                      : cp1250::toUtf8(frame.messages.back().second);
    }
};

TEST_F(RecommendationEditorTest, OpensOverTheItemPageWithTheNote) {
    state.record.scores[14] = kFail;
    setText(state.record.notes[14], cp1250::fromUtf8Lossy("Ćwiczenia z zegarem\r\n"));
    showItem(14);
    const int presents = frame.presentCount;
    moveAndClick(buttons.editRecommendation);
    ASSERT_EQ(state.screenId, screen::kRecommendationEditor);
    EXPECT_EQ(frame.windowImagesAtPause.back(), "Data\\BMP\\edycja_zad_p.bmp");

    const auto& back = frame.back(0);
    const auto images = back.imagesDrawn();
    EXPECT_EQ(images.front(), "Data\\BMP\\tlo_zad2.bmp");  // the item page stays underneath
    bool panel = false;
    for (const auto& c : back.callsOf(ui::DrawCall::Image)) {
        if (c.name == "Data\\BMP\\wskazania_tlo.bmp") {
            panel = true;
            EXPECT_EQ(topLeft(c), (ui::Point{43, 178}));
        }
    }
    EXPECT_TRUE(panel);
    EXPECT_TRUE(back.drewImage("Data\\BMP\\ok_n.bmp"));
    EXPECT_EQ(topLeft(buttons.ok), (ui::Point{664, 657}));
    EXPECT_TRUE(noteEditor().isVisible());
    // The break that ends the last line is not a line of its own.
    EXPECT_EQ(cp1250::toUtf8(noteEditor().text()), "Ćwiczenia z zegarem");
    // Shown once with the editor, once more with OK on it.
    EXPECT_EQ(frame.presentCount - presents, 2);
}

// OK stores what was typed in the stored form, every line ending in "\r\n"; OK again and again
// gives the same bytes: one trailing empty line where the note had one, never more. A note
// nobody changed keeps its bytes, also one not in the stored form (a long default line).
TEST_F(RecommendationEditorTest, OkAgainAndAgainLeavesTheNoteAsItWas) {
    int changes = 0;
    controller.setRecordObserver([&](ScreenController::RecordEvent e) {
        changes += e == ScreenController::RecordEvent::Changed;
    });
    const auto okTenTimes = [&] {
        for (int i = 0; i < 10; ++i) {
            moveAndClick(buttons.ok);
            moveAndClick(buttons.editRecommendation);
        }
    };
    for (const std::string typed : {"Pierwszy\r\nDrugi\r\nTrzeci", "Pierwszy\r\nDrugi\r\n"}) {
        SCOPED_TRACE(typed);
        openEditorOn("stary tekst");
        noteEditor().setText(typed);
        frame.pauses.clear();
        changes = 0;
        moveAndClick(buttons.ok);
        const std::string stored = typed + "\r\n";
        EXPECT_EQ(note(14), stored);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(state.screenId, screen::kItemPage);
        EXPECT_FALSE(noteEditor().isVisible());
        EXPECT_EQ(frame.pauses, std::vector<int>{100});
        EXPECT_EQ(frame.windowImagesAtPause.back(), "Data\\BMP\\ok_p.bmp");
        EXPECT_FALSE(buttons.yellow.isEnabled());  // the item page again, yellow still current
        moveAndClick(buttons.editRecommendation);
        EXPECT_EQ(noteEditor().text(), typed);
        okTenTimes();
        EXPECT_EQ(note(14), stored);
        EXPECT_EQ(changes, 1);
        moveAndClick(buttons.ok);
    }
    const std::string longLine(300, 'x');
    openEditorOn(longLine + " koniec");
    noteEditor().setDisplayedLines({std::string(200, 'x'), std::string(100, 'x') + " koniec"});
    okTenTimes();
    EXPECT_EQ(note(14), longLine + " koniec");
    EXPECT_EQ(changes, 1);
}

TEST_F(RecommendationEditorTest, WrappedLineIsStoredAsTwoLines) {
    openEditorOn("");
    noteEditor().setText("Ćwiczenia z zegarem analogowym i cyfrowym");
    noteEditor().setDisplayedLines(
        {cp1250::fromUtf8Lossy("Ćwiczenia z zegarem "), "analogowym i cyfrowym"});
    moveAndClick(buttons.ok);
    EXPECT_EQ(cp1250::toUtf8(note(14)), "Ćwiczenia z zegarem \r\nanalogowym i cyfrowym\r\n");
}

TEST_F(RecommendationEditorTest, EmptyEditorStoresOneLineBreak) {
    openEditorOn("Do usunięcia");
    noteEditor().setText("");
    moveAndClick(buttons.ok);
    EXPECT_EQ(note(14), "\r\n");
    EXPECT_EQ(noteFromDisplayedLines({}), "\r\n");
}

TEST_F(RecommendationEditorTest, ComposingAgainKeepsWhatIsBeingTyped) {
    openEditorOn("Stary tekst");
    noteEditor().setText("Nowy tekst w trakcie pisania");
    controller.compose();
    EXPECT_EQ(noteEditor().text(), "Nowy tekst w trakcie pisania");
    EXPECT_EQ(note(14), "Stary tekst");
}

TEST_F(RecommendationEditorTest, NoteOfExactly1499CharactersIsStored) {
    openEditorOn("");
    typeLines({std::string(1497, 'a')});
    moveAndClick(buttons.ok);
    EXPECT_TRUE(frame.messages.empty());
    EXPECT_EQ(note(14).size(), 1499u);
    EXPECT_EQ(state.screenId, screen::kItemPage);
}

TEST_F(RecommendationEditorTest, OneCharacterTooManyIsRefusedNotCut) {
    openEditorOn("Zalecenie sprzed edycji");
    typeLines({std::string(1498, 'a')});
    frame.pauses.clear();
    moveAndClick(buttons.ok);
    EXPECT_EQ(note(14), "Zalecenie sprzed edycji");
    EXPECT_EQ(state.screenId, screen::kRecommendationEditor);
    EXPECT_TRUE(noteEditor().isVisible());
    EXPECT_TRUE(frame.pauses.empty());
    EXPECT_EQ(frame.onlyMessage().caption, "Zalecenia");
    EXPECT_NE(lastMessage().find("1500 znaków"), std::string::npos) << lastMessage();
    EXPECT_NE(lastMessage().find("najwyżej 1499 znaków"), std::string::npos) << lastMessage();
    EXPECT_NE(lastMessage().find("o co najmniej 1 znak "), std::string::npos) << lastMessage();
}

// The editor takes up to 1,499 typed characters, but every displayed line is stored with its
// own line break: seventeen wrapped lines of 87 characters (1,479 typed) need 1,513.
TEST_F(RecommendationEditorTest, LineBreaksOfWrappedLinesCanOverflowAndAreRefusedUntilShortened) {
    openEditorOn("");
    typeLines(std::vector<std::string>(17, std::string(87, 'b')));
    moveAndClick(buttons.ok);
    EXPECT_EQ(state.screenId, screen::kRecommendationEditor);
    EXPECT_EQ(note(14), "");
    EXPECT_NE(lastMessage().find("zajmuje 1513 znaków"), std::string::npos) << lastMessage();
    EXPECT_NE(lastMessage().find("o co najmniej 14 znaków"), std::string::npos) << lastMessage();
    // OK is lit again under the mouse, so after shortening a click without moving works.
    EXPECT_EQ(buttons.ok.state(), SkinButton::Hover);
    EXPECT_TRUE(frame.window().drewImage("Data\\BMP\\ok_o.bmp"));

    typeLines(std::vector<std::string>(19, std::string(77, 'b')));
    clickAt(centre(buttons.ok));
    EXPECT_EQ(state.screenId, screen::kRecommendationEditor);
    EXPECT_NE(lastMessage().find("zajmuje 1501 znaków"), std::string::npos) << lastMessage();
    EXPECT_NE(lastMessage().find("o co najmniej 2 znaki "), std::string::npos) << lastMessage();

    typeLines(std::vector<std::string>(14, std::string(98, 'b')));
    clickAt(centre(buttons.ok));
    EXPECT_EQ(state.screenId, screen::kItemPage);
    EXPECT_EQ(note(14).size(), 14u * 100u);
    EXPECT_EQ(frame.messages.size(), 2u);
}

}  // namespace
}  // namespace lun4
