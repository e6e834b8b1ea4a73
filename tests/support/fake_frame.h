#pragma once
// A frame for screen tests: recording back buffers and window surface, controls that keep
// their text, a pause that only counts, message boxes that are remembered, a save dialog
// that answers from a queue and editable documents that are kept instead of written.

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/frame.h"
#include "ui/recording_surface.h"

namespace lun4::testing {

class FakeTextControl : public ui::TextControl {
  public:
    void setVisible(bool visible) override { visible_ = visible; }
    bool isVisible() const override { return visible_; }
    void setText(std::string_view text) override { text_ = text; }
    std::string text() const override { return text_; }
    // Lines split at "\r\n" / "\n"; a test may set displayed lines directly to mimic wrapping.
    std::vector<std::string> displayedLines() const override;
    void setDisplayedLines(std::vector<std::string> lines) { lines_ = std::move(lines); }
    void setFocus() override {}

  private:
    bool visible_ = false;
    std::string text_;
    std::vector<std::string> lines_;
};

class FakeCheckBox : public ui::CheckBox {
  public:
    void setVisible(bool visible) override { visible_ = visible; }
    bool isVisible() const override { return visible_; }
    void setChecked(bool checked) override { checked_ = checked; }
    bool isChecked() const override { return checked_; }
    void setOnClicked(std::function<void()> handler) override { onClicked_ = std::move(handler); }
    // What a user's click does: the platform ticks the box, then reports the click.
    void click() {
        checked_ = true;
        if (onClicked_) onClicked_();
    }

  private:
    bool visible_ = false;
    bool checked_ = false;
    std::function<void()> onClicked_;
};

// A printer whose dialog answers as the test says and which keeps every page it is given.
class FakePrintTarget : public ui::PrintTarget {
  public:
    struct Placement {
        ui::Rect source;
        ui::Rect target;
        std::vector<ui::DrawCall> calls;  // what the page held when it was placed
    };
    struct Document {
        std::string name;
        bool landscape = false;
        std::vector<std::vector<Placement>> pages;
        bool ended = false;
    };

    bool confirm = true;     // the print dialog's answer
    bool failOnEnd = false;  // the document cannot be written
    ui::PageSize size{4960, 7016};
    int dialogs = 0;
    std::vector<Document> documents;

    // The file the dialog proposes (kept per document), and the file a confirmed dialog
    // prints to: empty for a printer.
    std::filesystem::path proposed;
    std::filesystem::path printToFile;
    std::vector<std::filesystem::path> proposedFiles;

    bool begin(std::string_view documentName, bool landscape) override;
    void proposeFile(const std::filesystem::path& file) override { proposed = file; }
    std::filesystem::path printedFile() const override { return printToFile; }
    ui::PageSize printableSize() const override { return size; }
    void newPage() override { documents.back().pages.emplace_back(); }
    void place(const ui::RecordingSurface& page, ui::Rect source, ui::Rect target) override {
        documents.back().pages.back().push_back({source, target, page.calls()});
    }
    bool end() override {
        documents.back().ended = true;
        return !failOnEnd;
    }
    std::string error() const override { return failOnEnd ? "dysk pełny" : ""; }
    int textWidth(std::string_view text, ui::FontId) const override {
        return static_cast<int>(text.size()) * 8;
    }
};

// Settings kept in memory.
class FakeSettings : public ui::Settings {
  public:
    std::map<std::string, std::string, std::less<>> values;
    std::string value(std::string_view key) const override {
        const auto found = values.find(key);
        return found == values.end() ? std::string() : found->second;
    }
    void setValue(std::string_view key, std::string_view text) override {
        values.insert_or_assign(std::string(key), std::string(text));
    }
};

class FakeFrame : public ui::Frame {
  public:
    FakeFrame();

    ui::RecordingSurface& back(int index) { return *buffers_[index]; }
    ui::RecordingSurface& window() { return window_; }
    ui::FakeImageSource& fakeImages() { return images_; }
    FakeTextControl& fakeControl(ui::ControlId id) { return controls_[static_cast<int>(id)]; }
    FakeCheckBox& fakeCheckBox(ui::CheckBoxId id) { return checkBoxes_[static_cast<int>(id)]; }

    int presentCount = 0;
    std::vector<int> pauses;                       // every pause, in milliseconds
    std::vector<std::string> windowImagesAtPause;  // images on the window when each pause began
    std::vector<std::pair<std::string, std::string>> messages;  // caption, text (cp1250)
    bool quitRequested = false;

    ui::Surface& backBuffer(int index) override { return *buffers_[index]; }
    ui::Surface& windowSurface() override { return window_; }
    void present() override;
    void showWindowSurface() override {}
    void pause(int ms) override;
    ui::ImageSource& images() override { return images_; }
    ui::TextControl& control(ui::ControlId id) override { return fakeControl(id); }
    ui::CheckBox& checkBox(ui::CheckBoxId id) override { return fakeCheckBox(id); }
    ui::PrintTarget& printer() override { return printer_; }
    FakePrintTarget& fakePrinter() { return printer_; }
    ui::Settings& settings() override { return settings_; }
    FakeSettings& fakeSettings() { return settings_; }
    void showMessage(std::string_view caption, std::string_view text) override {
        messages.emplace_back(caption, text);
    }
    // The one message shown, in UTF-8: a test failure, and empty texts, when there was not
    // exactly one.
    struct Message {
        std::string caption, text;
    };
    Message onlyMessage() const;
    // Questions are answered from `answers`, first in first out; "first" when none is left.
    struct Question {
        std::string caption, text, first, second;
        ui::Answer escape;  // the answer Escape gives
    };
    std::vector<Question> questions;
    std::deque<bool> answers;
    bool ask(std::string_view caption, std::string_view text, std::string_view first,
             std::string_view second, ui::Answer escape) override {
        questions.push_back({std::string(caption), std::string(text), std::string(first),
                             std::string(second), escape});
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // Questions that can be cancelled, answered from `threeWayAnswers` first in first out;
    // Cancel when none is left.
    struct ThreeWayQuestion {
        std::string caption, text, first, second, cancel;
    };
    std::vector<ThreeWayQuestion> threeWayQuestions;
    std::deque<ui::Answer> threeWayAnswers;
    ui::Answer askOrCancel(std::string_view caption, std::string_view text, std::string_view first,
                           std::string_view second, std::string_view cancel) override {
        threeWayQuestions.push_back({std::string(caption), std::string(text), std::string(first),
                                     std::string(second), std::string(cancel)});
        if (threeWayAnswers.empty()) return ui::Answer::Cancel;
        const ui::Answer answer = threeWayAnswers.front();
        threeWayAnswers.pop_front();
        return answer;
    }

    // The save dialog's answers, taken in turn (a path, or nullopt for cancel); with none
    // left the dialog is cancelled. Every request is kept.
    std::deque<std::optional<std::filesystem::path>> saveAnswers;
    std::vector<ui::SaveRequest> saveRequests;
    std::optional<std::filesystem::path> askSavePath(const ui::SaveRequest& request) override {
        saveRequests.push_back(request);
        if (saveAnswers.empty()) return std::nullopt;
        auto answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    // The open and folder dialogs, answered like the save dialog.
    std::deque<std::optional<std::filesystem::path>> openAnswers, folderAnswers;
    std::vector<ui::SaveRequest> openRequests;
    std::vector<std::filesystem::path> folderStarts;
    std::optional<std::filesystem::path> askOpenPath(const ui::SaveRequest& request) override {
        openRequests.push_back(request);
        return takeAnswer(openAnswers);
    }
    std::optional<std::filesystem::path> askFolder(std::string_view,
                                                   const std::filesystem::path& start) override {
        folderStarts.push_back(start);
        return takeAnswer(folderAnswers);
    }
    static std::optional<std::filesystem::path> takeAnswer(
        std::deque<std::optional<std::filesystem::path>>& answers) {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // Editable documents "written": kept with their paths; failWrite makes the writing fail.
    bool failWrite = false;
    std::vector<std::pair<std::filesystem::path, ui::FlowDocument>> writtenDocuments;
    bool writeEditableDocument(const ui::FlowDocument& document, const std::filesystem::path& path,
                               std::string& error) override {
        if (failWrite) {
            error = "dysk pełny";
            return false;
        }
        writtenDocuments.emplace_back(path, document);
        return true;
    }
    void quit() override { quitRequested = true; }

  private:
    std::array<std::unique_ptr<ui::RecordingSurface>, 3> buffers_;
    ui::RecordingSurface window_{"window"};
    ui::FakeImageSource images_;
    std::array<FakeTextControl, ui::kControlCount> controls_;
    std::array<FakeCheckBox, 2> checkBoxes_;
    FakePrintTarget printer_;
    FakeSettings settings_;
};

}  // namespace lun4::testing
