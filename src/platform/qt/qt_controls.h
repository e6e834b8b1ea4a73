#pragma once
// The edit controls and check boxes laid over the frame. They sit exactly over their frame
// rectangles at any scale of the frame. What they hold is judged as it lies in the 1024x768
// frame, whatever the display's size: a box accepts only what it shows there (no scrolling),
// never more than its field holds, and the note editor's lines are its lines in the frame.
// Typed and pasted text is filtered the same way: characters the examinee file cannot hold
// ("§", its separator, and everything cp1250 cannot carry) are refused, and a short note under
// the box names them; control characters are left out quietly; what would not fit is cut off.
// Editing never traps: a box that holds more than it shows (text from a file written
// elsewhere) accepts every edit that does not make the text longer.

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <memory>

#include "platform/frame_mapping.h"
#include "ui/controls.h"

namespace lun4::platform {

class QtTextControl : public ui::TextControl {
  public:
    QtTextControl(QWidget* parent, const ui::ControlLayout& layout);
    ~QtTextControl() override;

    void setVisible(bool visible) override;
    bool isVisible() const override;
    void setText(std::string_view cp1250) override;
    std::string text() const override;
    // The lines as they wrap in the frame (not on the scaled screen).
    std::vector<std::string> displayedLines() const override;
    void setFocus() override;
    void setPlaceholder(std::string_view utf8) override;

    void place(const FrameMapping& mapping);
    QWidget* widget() const;
    bool multiLine() const { return multi_ != nullptr; }

    // Whether a candidate text (Unicode, "\n" line breaks) may stand in the control: every
    // character storable, and it fits the box in the frame.
    bool accepts(const QString& candidate) const;

    // What an edit from `before` to `after` leaves in the box, where the cursor goes, and the
    // characters it refused.
    struct Edit {
        QString text;
        int cursor = 0;
        QString refused;
    };
    Edit judge(const QString& before, const QString& after) const;

  private:
    void onEdited();
    // Says under the box, for a few seconds, which characters were not taken and why.
    void noteRefused(const QString& refused);
    bool fits(const QString& candidate) const;
    std::vector<QString> frameLines(const QString& candidate) const;
    QString current() const;

    ui::ControlLayout layout_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* multi_ = nullptr;
    QString lastAccepted_;
    bool restoring_ = false;
    int visibleLines_ = 1;  // lines the box shows in the frame
};

class QtCheckBox : public ui::CheckBox {
  public:
    QtCheckBox(QWidget* parent, const ui::CheckBoxLayout& layout);
    ~QtCheckBox() override;

    void setVisible(bool visible) override { box_->setVisible(visible); }
    bool isVisible() const override { return box_->isVisible(); }
    void setChecked(bool checked) override { box_->setChecked(checked); }
    bool isChecked() const override { return box_->isChecked(); }
    void setOnClicked(std::function<void()> handler) override { onClicked_ = std::move(handler); }

    void place(const FrameMapping& mapping);
    QCheckBox* widget() const { return box_; }

  private:
    ui::CheckBoxLayout layout_;
    QCheckBox* box_;
    std::function<void()> onClicked_;
};

// The program's input rules (ui/typed_text.h) on Qt's strings.
bool storable(const QString& text);
QString storableInput(const QString& text, bool multiLine, QString* refused = nullptr);
QString refusedNote(const QString& refused);

}  // namespace lun4::platform
