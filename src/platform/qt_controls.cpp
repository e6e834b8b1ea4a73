#include "platform/qt_controls.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QValidator>
#include <cmath>

#include "model/cp1250.h"
#include "ui/qt/qt_fonts.h"

namespace lun4::platform {
namespace {

QRect mapped(const ui::Rect& r, const FrameMapping& m) {
    const int left = m.offsetX + static_cast<int>(std::lround(r.left * m.scale));
    const int top = m.offsetY + static_cast<int>(std::lround(r.top * m.scale));
    const int right = m.offsetX + static_cast<int>(std::lround(r.right * m.scale));
    const int bottom = m.offsetY + static_cast<int>(std::lround(r.bottom * m.scale));
    return QRect(left, top, right - left, bottom - top);
}

std::string toCp1250(const QString& text) {
    return cp1250::fromUtf8Lossy(text.toStdString());
}

// Single-line boxes: a validator keeps out what cannot be stored and what does not fit.
class FieldValidator : public QValidator {
  public:
    explicit FieldValidator(const QtTextControl& control)
        : QValidator(nullptr), control_(control) {}
    State validate(QString& input, int&) const override {
        return control_.accepts(input) ? Acceptable : Invalid;
    }

  private:
    const QtTextControl& control_;
};

}  // namespace

bool storable(const QString& text) {
    for (const QChar c : text) {
        if (c == QChar(0x00A7)) return false;
        if (c == QChar('\n') || c == QChar('\r')) continue;
        if (c.unicode() < 0x20) return false;
        if (!cp1250::fromUnicode(c.unicode())) return false;
    }
    return true;
}

QtTextControl::QtTextControl(QWidget* parent, const ui::ControlLayout& layout) : layout_(layout) {
    const Qt::Alignment align = layout.alignment == ui::Alignment::Center  ? Qt::AlignHCenter
                                : layout.alignment == ui::Alignment::Right ? Qt::AlignRight
                                                                           : Qt::AlignLeft;
    if (layout.multiLine) {
        multi_ = new QPlainTextEdit(parent);
        multi_->setFrameStyle(QFrame::NoFrame);
        multi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        multi_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        multi_->document()->setDocumentMargin(2);
        QTextOption option = multi_->document()->defaultTextOption();
        option.setAlignment(align);
        multi_->document()->setDefaultTextOption(option);
        multi_->setTabChangesFocus(true);
        QObject::connect(multi_, &QPlainTextEdit::textChanged, multi_, [this] { onEdited(); });
        QObject::connect(multi_, &QPlainTextEdit::cursorPositionChanged, multi_, [this] {
            if (!restoring_ && multi_->toPlainText() == lastAccepted_) {
                lastCursor_ = multi_->textCursor().position();
            }
        });
    } else {
        line_ = new QLineEdit(parent);
        line_->setFrame(false);
        line_->setAlignment(align | Qt::AlignVCenter);
        line_->setTextMargins(1, 0, 1, 0);
        line_->setValidator(new FieldValidator(*this));
    }
    QWidget* w = widget();
    w->setAutoFillBackground(true);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    w->setPalette(palette);
    w->hide();
    place(FrameMapping{});
}

QtTextControl::~QtTextControl() {
    QObject::disconnect(widget(), nullptr, widget(), nullptr);
}

QWidget* QtTextControl::widget() const {
    return multi_ ? static_cast<QWidget*>(multi_) : static_cast<QWidget*>(line_);
}

void QtTextControl::place(const FrameMapping& mapping) {
    widget()->setGeometry(mapped(layout_.rect, mapping));
    widget()->setFont(ui::qtFontScaled(layout_.font, mapping.scale));
}

void QtTextControl::setVisible(bool visible) {
    widget()->setVisible(visible);
}
bool QtTextControl::isVisible() const {
    return widget()->isVisible();
}
void QtTextControl::setPlaceholder(std::string_view utf8) {
    const QString hint = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    if (line_) line_->setPlaceholderText(hint);
    if (multi_) multi_->setPlaceholderText(hint);
}

void QtTextControl::setFocus() {
    widget()->setFocus();
}

void QtTextControl::setText(std::string_view text) {
    QString value = ui::toQString(text);
    value.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    restoring_ = true;
    if (multi_) {
        multi_->setPlainText(value);
    } else {
        // Text set by the program is shown as it is; the validator only judges typing.
        line_->setValidator(nullptr);
        line_->setText(value);
        line_->setValidator(new FieldValidator(*this));
        line_->setCursorPosition(0);
    }
    restoring_ = false;
    lastAccepted_ = multi_ ? multi_->toPlainText() : line_->text();
    lastCursor_ = 0;
}

std::string QtTextControl::text() const {
    QString value = multi_ ? multi_->toPlainText() : line_->text();
    value.replace(QChar('\n'), QStringLiteral("\r\n"));
    return toCp1250(value);
}

void QtTextControl::layOut() const {
    auto* documentLayout =
        qobject_cast<QPlainTextDocumentLayout*>(multi_->document()->documentLayout());
    if (!documentLayout) return;
    for (QTextBlock block = multi_->document()->begin(); block.isValid(); block = block.next()) {
        documentLayout->ensureBlockLayout(block);
    }
}

std::vector<std::string> QtTextControl::displayedLines() const {
    std::vector<std::string> lines;
    if (!multi_) {
        lines.push_back(toCp1250(line_->text()));
        return lines;
    }
    layOut();
    const QTextDocument* document = multi_->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QString text = block.text();
        if (!layout || layout->lineCount() == 0) {
            lines.push_back(toCp1250(text));
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.push_back(toCp1250(text.mid(line.textStart(), line.textLength())));
        }
    }
    return lines;
}

std::vector<QString> QtTextControl::wrappedLines(const QString& candidate) const {
    // The lines the box would show for this text: each paragraph laid out at the box's width
    // the way the box itself wraps it.
    std::vector<QString> lines;
    const qreal width = multi_->viewport()->width() - 2 * multi_->document()->documentMargin();
    QTextOption option = multi_->document()->defaultTextOption();
    for (const QString& paragraph : candidate.split(QChar('\n'))) {
        QTextLayout layout(paragraph, multi_->font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
        }
        layout.endLayout();
        if (layout.lineCount() == 0) lines.push_back(QString());
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            lines.push_back(paragraph.mid(line.textStart(), line.textLength()));
        }
    }
    return lines;
}

bool QtTextControl::accepts(const QString& candidate) const {
    if (!storable(candidate)) return false;
    if (!multi_) {
        if (candidate.contains(QChar('\n'))) return false;
        if (candidate.size() > layout_.maxChars) return false;
        // A box without scrolling holds only what it shows.
        const QFontMetrics metrics(line_->font());
        const int room = line_->contentsRect().width() - 4;
        return metrics.horizontalAdvance(candidate) <= room;
    }
    const std::vector<QString> lines = wrappedLines(candidate);
    // The note editor's text is kept as its displayed lines, each followed by "\r\n"; the other
    // boxes keep their text with "\r\n" line breaks.
    qsizetype stored = candidate.size() + candidate.count(QChar('\n'));
    if (layout_.id == ui::ControlId::NoteEditor) {
        stored = 0;
        for (const QString& line : lines) stored += line.size() + 2;
    }
    if (stored > layout_.maxChars) return false;
    // Only as many lines as the box shows, at the line height the box itself lays out.
    layOut();
    const QTextBlock first = multi_->document()->begin();
    const auto* documentLayout = multi_->document()->documentLayout();
    const int firstLines = first.layout() ? std::max(1, first.layout()->lineCount()) : 1;
    qreal lineHeight = documentLayout->blockBoundingRect(first).height() / firstLines;
    if (lineHeight <= 0) lineHeight = QFontMetricsF(multi_->font()).lineSpacing();
    const qreal room = multi_->viewport()->height() - 2 * multi_->document()->documentMargin();
    const int visibleLines = std::max(1, static_cast<int>(room / lineHeight));
    return static_cast<int>(lines.size()) <= visibleLines;
}

void QtTextControl::onEdited() {
    if (restoring_) return;
    const QString now = multi_->toPlainText();
    if (accepts(now)) {
        lastAccepted_ = now;
        lastCursor_ = multi_->textCursor().position();
        return;
    }
    // Refused: put back the last text the control could hold.
    restoring_ = true;
    const int cursor = std::min(lastCursor_, static_cast<int>(lastAccepted_.size()));
    multi_->setPlainText(lastAccepted_);
    QTextCursor c = multi_->textCursor();
    c.setPosition(cursor);
    multi_->setTextCursor(c);
    restoring_ = false;
}

QtCheckBox::QtCheckBox(QWidget* parent, const ui::CheckBoxLayout& layout)
    : layout_(layout), box_(new QCheckBox(parent)) {
    box_->setFocusPolicy(Qt::NoFocus);
    box_->hide();
    QObject::connect(box_, &QCheckBox::clicked, box_, [this] {
        if (onClicked_) onClicked_();
    });
    place(FrameMapping{});
}

QtCheckBox::~QtCheckBox() {
    QObject::disconnect(box_, nullptr, box_, nullptr);
}

void QtCheckBox::place(const FrameMapping& mapping) {
    box_->setGeometry(mapped(layout_.rect, mapping));
}

}  // namespace lun4::platform
