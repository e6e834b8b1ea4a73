#include "platform/qt/qt_controls.h"

#include <QFontMetricsF>
#include <QMimeData>
#include <QPainter>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>
#include <QValidator>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "model/cp1250.h"
#include "ui/qt/qt_fonts.h"
#include "ui/typed_text.h"
#include "ui/text_wrap.h"

namespace lun4::platform {
namespace {

constexpr int kDocumentMargin = ui::kBoxTextMargin;
// A single-line box's text starts 1 pixel in (its text margin) and the line edit keeps 2 more
// on each side; the cursor after the last character needs one pixel of its own.
constexpr int kLineEditSideRoom = 2 * (1 + 2) + 1;

QRect mapped(const ui::Rect& r, const FrameMapping& m) {
    const ui::Rect w = toWindow(m, r);
    return QRect(w.left, w.top, w.width(), w.height());
}

std::string toCp1250(const QString& text) {
    return cp1250::fromUtf8Lossy(text.toStdString());
}

// The multi-line boxes take only plain text from the clipboard or a drop. The toolkit's own
// insertion reads the first of the offered formats without asking whether there is one, and
// an empty X11 clipboard offers data with no format at all: Ctrl+V with nothing copied ended
// the program. Here nothing is taken unless there is text.
class PlainTextBox final : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override {
        return source != nullptr && source->hasText();
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (source == nullptr || !source->hasText()) return;
        const QString text = source->text();
        // Filtered and fitted like typing once the box sees the change.
        if (!text.isEmpty()) insertPlainText(text);
    }
};

// Single-line boxes: every change passes the control's judgement, which may cut or clean it.
class FieldValidator : public QValidator {
  public:
    using Judge = std::function<QtTextControl::Edit(const QString&)>;
    explicit FieldValidator(Judge judge) : QValidator(nullptr), judge_(std::move(judge)) {}
    State validate(QString& input, int& cursor) const override {
        const QtTextControl::Edit edit = judge_(input);
        if (edit.text != input) {
            input = edit.text;
            cursor = edit.cursor;
        }
        return Acceptable;
    }

  private:
    Judge judge_;
};

QTextOption wrapOption(ui::Alignment alignment) {
    QTextOption option;
    option.setAlignment(alignment == ui::Alignment::Center  ? Qt::AlignHCenter
                        : alignment == ui::Alignment::Right ? Qt::AlignRight
                                                            : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// The control's font in the frame. Without kerning a text is exactly as wide as its characters
// together, which the screen font below relies on.
QFont frameFont(ui::FontId id) {
    QFont font = ui::qtFont(id);
    font.setKerning(false);
    return font;
}

// Height of one line of a multi-line box, as the box's own layout stacks them.
qreal lineHeight(const QFont& font) {
    QTextLayout probe(QStringLiteral("Xg"), font);
    probe.beginLayout();
    QTextLine line = probe.createLine();
    line.setLeadingIncluded(true);
    line.setLineWidth(1000);
    probe.endLayout();
    qreal height = line.height();
    if (line.leading() < 0) height += std::ceil(line.leading());
    return height > 0 ? height : QFontMetricsF(font).lineSpacing();
}

// How wide a line is in the frame, in the box's frame font: its characters' advances
// together (the font has no kerning), and the ink of a last character that reaches past its
// advance, as the toolkit's own layout counts it. Pixel-sized fonts make this the same on
// every display, whatever its size or scaling.
ui::TextMeasure frameMeasure(ui::FontId id) {
    struct Widths {
        std::array<qreal, 256> advance{};
        std::array<qreal, 256> overhang{};
    };
    static std::map<int, std::shared_ptr<const Widths>> made;
    auto& slot = made[static_cast<int>(id)];
    if (!slot) {
        const QFontMetricsF metrics(frameFont(id));
        auto widths = std::make_shared<Widths>();
        for (int byte = 0; byte < 256; ++byte) {
            const auto c = cp1250::toUnicode(static_cast<unsigned char>(byte));
            if (!c) continue;
            const QChar ch(static_cast<char16_t>(*c));
            widths->advance[byte] = metrics.horizontalAdvance(ch);
            widths->overhang[byte] = std::max<qreal>(0, -metrics.rightBearing(ch));
        }
        slot = widths;
    }
    return [widths = slot](std::string_view text) {
        qreal width = 0;
        for (const char c : text) width += widths->advance[static_cast<unsigned char>(c)];
        if (!text.empty()) width += widths->overhang[static_cast<unsigned char>(text.back())];
        return static_cast<int>(std::ceil(width - 1.0 / 128));
    };
}

// The font a box shows its text in on a frame drawn at `scale`. Font sizes come in whole
// pixels and their characters' widths are rounded each its own way, so no font wraps exactly as
// the frame's does at every scale; this is the largest font whose lines are no taller than the
// frame font's scaled and whose every character, set a pixel or two closer where needed, is no
// wider. A text then needs no more lines on the screen than in the frame, and what the box holds
// in the frame is on the screen whole, without scrolling, in type as large as the frame's.
QFont screenFont(ui::FontId id, double scale) {
    static std::map<std::pair<int, double>, QFont> made;
    const auto key = std::make_pair(static_cast<int>(id), scale);
    if (const auto found = made.find(key); found != made.end()) return found->second;

    const QFont frame = frameFont(id);
    QFont screen = frame;
    if (scale != 1.0) {
        const QFontMetricsF frameMetrics(frame);
        const qreal frameLine = lineHeight(frame);
        // How much closer the characters must be set for none to be wider than in the frame
        // scaled; no more than a tenth of the type's size, else a smaller type is taken.
        const auto closer = [&](const QFont& font) -> std::optional<int> {
            if (lineHeight(font) > frameLine * scale) return std::nullopt;
            const QFontMetricsF metrics(font);
            qreal worst = 0;
            for (int byte = 0x20; byte <= 0xFF; ++byte) {
                const auto c = cp1250::toUnicode(static_cast<unsigned char>(byte));
                if (!c || *c == 0x7F) continue;
                const QChar ch(static_cast<char16_t>(*c));
                worst = std::max(worst, metrics.horizontalAdvance(ch) -
                                            frameMetrics.horizontalAdvance(ch) * scale);
            }
            const int pixels = static_cast<int>(std::ceil(worst - 1.0 / 64));
            if (pixels > font.pixelSize() / 10) return std::nullopt;
            return pixels;
        };
        int pixels = std::max(1, static_cast<int>(std::floor(frame.pixelSize() * scale)));
        std::optional<int> spacing;
        for (; pixels > 1; --pixels) {
            screen.setPixelSize(pixels);
            if ((spacing = closer(screen))) break;
        }
        screen.setPixelSize(pixels);
        if (spacing && *spacing > 0) screen.setLetterSpacing(QFont::AbsoluteSpacing, -*spacing);
    }
    made.emplace(key, screen);
    return screen;
}

}  // namespace

bool storable(const QString& text) {
    return ui::storable(text.toStdU16String());
}

QString storableInput(const QString& text, bool multiLine, QString* refused) {
    std::u16string out;
    const std::u16string kept = ui::storableInput(text.toStdU16String(), multiLine, &out);
    if (refused) *refused += QString::fromStdU16String(out);
    return QString::fromStdU16String(kept);
}

QString refusedNote(const QString& refused) {
    return QString::fromStdU16String(ui::refusedNote(refused.toStdU16String()));
}

QtTextControl::QtTextControl(QWidget* parent, const ui::ControlLayout& layout) : layout_(layout) {
    const QTextOption option = wrapOption(layout.alignment);
    if (layout.multiLine) {
        multi_ = new PlainTextBox(parent);
        multi_->setFrameStyle(QFrame::NoFrame);
        multi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        multi_->document()->setDefaultTextOption(option);
        multi_->document()->setDocumentMargin(kDocumentMargin);
        multi_->setTabChangesFocus(true);
        QObject::connect(multi_, &QPlainTextEdit::textChanged, multi_, [this] { onEdited(); });
        const int room = layout.rect.height() - 2 * kDocumentMargin;
        visibleLines_ = std::max(1, static_cast<int>(room / lineHeight(frameFont(layout.font))));
    } else {
        line_ = new QLineEdit(parent);
        line_->setFrame(false);
        line_->setAlignment(option.alignment() | Qt::AlignVCenter);
        line_->setTextMargins(1, 0, 1, 0);
        // Text set by the program passes as it is; only editing is judged.
        line_->setValidator(new FieldValidator([this](const QString& input) {
            if (restoring_) return Edit{input, line_->cursorPosition(), {}};
            Edit edit = judge(lastAccepted_, input);
            noteRefused(edit.refused);
            return edit;
        }));
        QObject::connect(line_, &QLineEdit::textChanged, line_, [this](const QString& now) {
            if (!restoring_) lastAccepted_ = now;
        });
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
    widget()->setFont(screenFont(layout_.font, mapping.scale));
    if (multi_) multi_->document()->setDocumentMargin(kDocumentMargin * mapping.scale);
}

void QtTextControl::setVisible(bool visible) {
    // A hidden box gives the keyboard back to the screens (the toolkit may leave it the focus
    // when the box is hidden while it handles a key).
    if (!visible && widget()->hasFocus()) widget()->clearFocus();
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

QString QtTextControl::current() const {
    if (!multi_) return line_->text();
    // The raw text keeps a no-break space as it is; blocks are separated by U+2029.
    QString text = multi_->document()->toRawText();
    text.replace(QChar(QChar::ParagraphSeparator), QChar('\n'));
    text.replace(QChar(QChar::LineSeparator), QChar('\n'));
    return text;
}

void QtTextControl::setText(std::string_view text) {
    QString value = ui::toQString(text);
    value.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Text set by the program is shown whole, also when it holds more than the box shows.
    restoring_ = true;
    if (multi_) {
        multi_->setPlainText(value);
    } else {
        line_->setText(value);
        line_->setCursorPosition(0);
    }
    restoring_ = false;
    lastAccepted_ = current();
}

std::string QtTextControl::text() const {
    QString value = current();
    value.replace(QChar('\n'), QStringLiteral("\r\n"));
    return toCp1250(value);
}

std::vector<QString> QtTextControl::frameLines(const QString& candidate) const {
    // Each paragraph broken by the program's own rule at the box's width in the frame, measured
    // with the frame's font, as the box wraps it on a 1024x768 screen.
    const std::vector<std::string> wrapped = ui::wrapLines(
        toCp1250(candidate), layout_.rect.width() - 2 * kDocumentMargin, frameMeasure(layout_.font));
    std::vector<QString> lines;
    lines.reserve(wrapped.size());
    for (const std::string& line : wrapped) lines.push_back(ui::toQString(line));
    return lines;
}

std::vector<std::string> QtTextControl::displayedLines() const {
    std::vector<std::string> lines;
    if (!multi_) {
        lines.push_back(toCp1250(line_->text()));
        return lines;
    }
    for (const QString& line : frameLines(current())) lines.push_back(toCp1250(line));
    return lines;
}

bool QtTextControl::fits(const QString& candidate) const {
    if (!multi_) {
        if (candidate.contains(QChar('\n'))) return false;
        if (candidate.size() > layout_.maxChars) return false;
        // A box without scrolling holds only what it shows.
        const qreal room = layout_.rect.width() - kLineEditSideRoom;
        return QFontMetricsF(frameFont(layout_.font)).horizontalAdvance(candidate) <= room;
    }
    const std::vector<QString> lines = frameLines(candidate);
    // The note editor's text is kept as its lines, each followed by "\r\n"; the other boxes
    // keep their text with "\r\n" line breaks.
    qsizetype stored = candidate.size() + candidate.count(QChar('\n'));
    if (layout_.id == ui::ControlId::NoteEditor) {
        stored = 0;
        for (const QString& line : lines) stored += line.size() + 2;
    }
    if (stored > layout_.maxChars) return false;
    return static_cast<int>(lines.size()) <= visibleLines_;
}

bool QtTextControl::accepts(const QString& candidate) const {
    return storable(candidate) && fits(candidate);
}

QtTextControl::Edit QtTextControl::judge(const QString& before, const QString& after) const {
    // The change is what lies between the text the two share at their start and at their end.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    const QString start = after.left(head);
    const QString end = after.right(tail);
    QString refused;
    const QString inserted =
        storableInput(after.mid(head, after.size() - head - tail), multi_ != nullptr, &refused);
    // A deletion, or a change that does not make the text longer, always stands: a box that
    // holds more than it shows can always be shortened. Anything longer must fit.
    const auto stands = [&](qsizetype n) {
        const QString candidate = start + inserted.left(n) + end;
        return candidate.size() <= before.size() || fits(candidate);
    };
    qsizetype kept = inserted.size();
    if (!stands(kept)) {
        // As much of the insertion as fits, as if it were typed character by character. With
        // nothing inserted the change is a deletion and stands.
        qsizetype low = 0;
        qsizetype high = kept;
        while (high - low > 1) {
            const qsizetype middle = (low + high) / 2;
            (stands(middle) ? low : high) = middle;
        }
        kept = low;
    }
    return {start + inserted.left(kept) + end, static_cast<int>(head + kept), refused};
}

void QtTextControl::noteRefused(const QString& refused) {
    if (refused.isEmpty()) return;
    QWidget* box = widget();
    // Just below the box, so the eye finds it where it was typing; it goes by itself.
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height() + 2)), refusedNote(refused), box,
                       QRect(), 5000);
}

void QtTextControl::onEdited() {
    if (restoring_) return;
    const QString now = current();
    if (now == lastAccepted_) return;
    const Edit edit = judge(lastAccepted_, now);
    noteRefused(edit.refused);
    lastAccepted_ = edit.text;
    if (edit.text == now) return;
    // Cut or cleaned: the box shows what it keeps, the cursor after the part that went in.
    restoring_ = true;
    multi_->setPlainText(edit.text);
    QTextCursor cursor = multi_->textCursor();
    cursor.setPosition(std::min(edit.cursor, static_cast<int>(edit.text.size())));
    multi_->setTextCursor(cursor);
    restoring_ = false;
}

namespace {

// The gender boxes are 13x13 pixels in the frame: drawn by the program at whatever size the
// frame is shown, so that a small screen shows the whole box and its tick, not a cut-off
// corner of the toolkit's larger one.
class FrameCheckBox final : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // The box fills its rectangle on the screen, which rounding may make a pixel wider or
        // taller than square.
        const qreal w = width();
        const qreal h = height();
        const QRectF box(0.5, 0.5, w - 1, h - 1);
        p.setPen(QPen(QColor(150, 164, 176), 1));
        p.setBrush(isEnabled() ? QColor(Qt::white) : QColor(237, 241, 245));
        p.drawRect(box);
        if (!isChecked()) return;
        QPen tick(QColor(33, 45, 54), std::max(1.2, std::min(w, h) / 7.0));
        tick.setCapStyle(Qt::RoundCap);
        tick.setJoinStyle(Qt::RoundJoin);
        p.setPen(tick);
        p.setBrush(Qt::NoBrush);
        const QPointF points[3] = {
            {w * 0.24, h * 0.52}, {w * 0.42, h * 0.72}, {w * 0.76, h * 0.28}};
        p.drawPolyline(points, 3);
    }
    // The whole rectangle answers the mouse, at every size.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace

QtCheckBox::QtCheckBox(QWidget* parent, const ui::CheckBoxLayout& layout)
    : layout_(layout), box_(new FrameCheckBox(parent)) {
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
