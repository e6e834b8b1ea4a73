#include "screens/assessment/recommendation_editor.h"

#include "model/cp1250.h"
#include "model/examinee_record.h"
#include "screens/screen_ids.h"

namespace lun4 {

namespace {

constexpr size_t kLongestNote = kNoteCapacity - 1;

constexpr ui::Point kOk{664, 657};
constexpr ui::Point kCancel{558, 657};

// "1 znak", "2 znaki", "5 znaków", "22 znaki", "12 znaków".
std::string characters(size_t n) {
    const size_t lastDigit = n % 10;
    const size_t lastTwo = n % 100;
    const char* word = "znaków";
    if (n == 1) {
        word = "znak";
    } else if (lastDigit >= 2 && lastDigit <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        word = "znaki";
    }
    return std::to_string(n) + " " + word;
}

}  // namespace

std::string noteFromDisplayedLines(const std::vector<std::string>& lines) {
    std::string note;
    for (const std::string& line : lines) {
        note += line;
        note += "\r\n";
    }
    if (lines.empty()) note = "\r\n";
    return note;
}

std::string editorTextOf(std::string_view note) {
    if (note.ends_with("\r\n")) note.remove_suffix(2);
    return std::string(note);
}

RecommendationEditor::RecommendationEditor(ScreenController& controller)
    : controller_(controller) {}

bool RecommendationEditor::ownsScreen(int screenId) const {
    return screenId == screen::kRecommendationEditor;
}

void RecommendationEditor::compose(int screenId) {
    const AppState& state = controller_.state();
    if (state.screenId != screenId || !ownsScreen(screenId)) return;
    ui::Frame& frame = controller_.frame();
    ui::Surface& target = frame.backBuffer(0);
    ui::TextControl& editor = frame.control(ui::ControlId::NoteEditor);
    ui::SkinButton& ok = controller_.buttons().ok;

    target.drawImage(frame.images().loadBitmap("Data\\BMP\\wskazania_tlo.bmp"), 43, 178);
    // The editor is filled when it opens; composing the screen again keeps what is being typed.
    if (!editor.isVisible()) {
        editor.setText(editorTextOf(text(state.record.notes[state.currentItem])));
        shownText_ = editor.text();
        editor.setVisible(true);
        editor.setFocus();
    }
    frame.present();
    ok.setPosition(kOk.x, kOk.y);
    ok.draw(target);
    ui::SkinButton& cancel = controller_.buttons().cancel;
    cancel.setPosition(kCancel.x, kCancel.y);
    controller_.hoverFromLastMouse(cancel);
    cancel.draw(target);
    // Over the item page's line of keys: the editor's own.
    target.drawImage(frame.images().loadBitmap("Data\\BMP\\klawisze_wskazania.bmp"), 40, 726);
    frame.present();
}

void RecommendationEditor::hover(int x, int y) {
    controller_.hoverAndRedraw(controller_.buttons().ok, x, y);
    controller_.hoverAndRedraw(controller_.buttons().cancel, x, y);
}

bool RecommendationEditor::storeNote() {
    AppState& state = controller_.state();
    ui::TextControl& editor = controller_.frame().control(ui::ControlId::NoteEditor);
    // Nothing typed: the note stays as it is, also one whose lines the editor would break
    // differently (a default text, a file written elsewhere).
    if (editor.text() == shownText_) return true;
    const std::string note = noteFromDisplayedLines(editor.displayedLines());
    if (note.size() > kLongestNote) {
        refuseTooLong(note.size());
        return false;
    }
    auto& stored = state.record.notes[state.currentItem];
    if (note == text(stored)) return true;
    setText(stored, note);
    controller_.recordChanged();
    return true;
}

void RecommendationEditor::click(int x, int y) {
    ui::SkinButton& ok = controller_.buttons().ok;
    ui::SkinButton& cancel = controller_.buttons().cancel;
    if (ok.clickTest(x, y)) {
        if (storeNote()) leave(ok);
    } else if (cancel.clickTest(x, y)) {
        leave(cancel);  // the note stays as it was
    }
}

void RecommendationEditor::leave(ui::SkinButton& button) {
    controller_.frame().control(ui::ControlId::NoteEditor).setVisible(false);
    controller_.feedback(button);
    controller_.state().screenId = screen::kItemPage;
    controller_.compose();
}

bool RecommendationEditor::key(const ui::KeyPress& key) {
    Buttons& b = controller_.buttons();
    if (key.key == ui::Key::Enter && key.ctrl && !key.alt) {
        controller_.pressByKey(b.ok);
    } else if (key.plain(ui::Key::Escape)) {
        controller_.pressByKey(b.cancel);
    } else {
        return false;
    }
    return true;
}

bool RecommendationEditor::keepEditsBeforeExit(int) {
    ui::TextControl& editor = controller_.frame().control(ui::ControlId::NoteEditor);
    if (!editor.isVisible()) return true;
    if (!storeNote()) return false;
    editor.setVisible(false);
    return true;
}

bool RecommendationEditor::resumeAfterExitQuestion(int) {
    AppState& state = controller_.state();
    state.screenId = screen::kItemPage;
    controller_.compose();
    // Shown before composing, the editor keeps its text instead of taking the stored note.
    ui::TextControl& editor = controller_.frame().control(ui::ControlId::NoteEditor);
    editor.setVisible(true);
    state.screenId = screen::kRecommendationEditor;
    controller_.compose();
    editor.setFocus();
    return true;
}

// Every displayed line is stored with its own line break, so a full editor can hold more
// than a note does. Nothing is cut: the editor stays open with the text as typed, and the
// diagnostician is told how much to shorten it.
void RecommendationEditor::refuseTooLong(size_t length) {
    ui::Frame& frame = controller_.frame();
    const std::string message =
        "Tekst zalecenia jest za długi, aby go zapisać: razem z końcami wierszy zajmuje " +
        characters(length) + ", a zmieści się najwyżej " + characters(kLongestNote) +
        ". Skróć go o co najmniej " + characters(length - kLongestNote) +
        " i ponownie naciśnij OK.";
    frame.showMessage("Zalecenia", cp1250::fromUtf8Lossy(message));

    ui::SkinButton& ok = controller_.buttons().ok;
    ok.setState(ui::SkinButton::Normal);
    controller_.hoverFromLastMouse(ok);
    ok.draw(frame.windowSurface());
    frame.showWindowSurface();
    frame.control(ui::ControlId::NoteEditor).setFocus();
}

}  // namespace lun4
