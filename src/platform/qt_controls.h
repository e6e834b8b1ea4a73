#pragma once
// The edit controls and check boxes laid over the frame. They sit exactly over their frame
// rectangles at any scale of the frame, accept only what they show (no scrolling), never
// more than their field holds, and refuse "§" and characters cp1250 cannot carry.

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <memory>

#include "ui/controls.h"

namespace lun4::platform {

// The frame's place on the window: frame pixel (x, y) lies at offset + scale * (x, y).
struct FrameMapping {
    double scale = 1.0;
    int offsetX = 0;
    int offsetY = 0;
};

class QtTextControl : public ui::TextControl {
  public:
    QtTextControl(QWidget* parent, const ui::ControlLayout& layout);
    ~QtTextControl() override;

    void setVisible(bool visible) override;
    bool isVisible() const override;
    void setText(std::string_view cp1250) override;
    std::string text() const override;
    std::vector<std::string> displayedLines() const override;
    void setFocus() override;
    void setPlaceholder(std::string_view utf8) override;

    void place(const FrameMapping& mapping);
    QWidget* widget() const;

    // Whether a candidate text (Unicode, "\n" line breaks) may stand in the control.
    bool accepts(const QString& candidate) const;

  private:
    void onEdited();
    void layOut() const;  // brings the multi-line layout up to date
    std::vector<QString> wrappedLines(const QString& candidate) const;

    ui::ControlLayout layout_;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* multi_ = nullptr;
    QString lastAccepted_;
    int lastCursor_ = 0;
    bool restoring_ = false;
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

// True when every character of the text can be stored: cp1250 holds it and it is not the
// file's separator "§".
bool storable(const QString& text);

}  // namespace lun4::platform
