#include "ui/qt/qt_painting.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

#include "ui/qt/qt_fonts.h"
#include "ui/qt/qt_surface.h"

namespace lun4::ui {
namespace {

// Splits a text into the lines DrawText would show: "\r\n" and "\n" break lines; with
// word wrapping, words that do not fit start a new line.
QStringList layoutLines(const QString& text, const QFontMetrics& metrics, int width, bool wrap) {
    QStringList lines;
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.remove(QChar('\r'));
    const QStringList paragraphs = normalised.split(QChar('\n'));
    for (const QString& paragraph : paragraphs) {
        if (!wrap || metrics.horizontalAdvance(paragraph) <= width) {
            lines << paragraph;
            continue;
        }
        QString current;
        const QStringList words = paragraph.split(QChar(' '));
        for (int i = 0; i < words.size(); ++i) {
            const QString candidate =
                current.isEmpty() && i == 0 ? words[i] : current + QChar(' ') + words[i];
            if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
                lines << current;
                current = words[i];
            } else {
                current = candidate;
            }
        }
        lines << current;
    }
    return lines;
}

const QImage* imageOf(const ImageHandle& handle) {
    const auto* qt = dynamic_cast<const QtImage*>(handle.get());
    return qt && !qt->image().isNull() ? &qt->image() : nullptr;
}

TextStyle styleOf(const DrawCall& call) {
    return {call.font, call.colour, call.mode, call.background};
}

// Where a call can set pixels, in frame coordinates; an empty rectangle for calls that may
// draw anywhere. A little generous: it only decides what need not be replayed.
QRectF reachOf(const DrawCall& call) {
    const Rect& r = call.rect;
    switch (call.kind) {
        case DrawCall::Line: {
            const int pad = std::max(call.width, 1);
            return QRectF(QPointF(std::min(r.left, r.right) - pad, std::min(r.top, r.bottom) - pad),
                          QPointF(std::max(r.left, r.right) + pad, std::max(r.top, r.bottom) + pad));
        }
        case DrawCall::Text: {
            if (call.flags & text::kNoClip) return {};
            // Lines start at the top of the rectangle, one cell each (wrapped text may use the
            // whole rectangle).
            int lines = 1;
            for (char c : call.name) lines += c == '\n';
            const int bottom = (call.flags & text::kWordBreak)
                                   ? r.bottom
                                   : std::min(r.bottom, r.top + lines * fontSpec(call.font).cellHeight + 2);
            return QRectF(QPointF(r.left, r.top), QPointF(r.right, bottom));
        }
        case DrawCall::TextOut:
            return {};
        default:
            return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom));
    }
}

// Replays a copy or stretch of another recording: its calls, mapped from the source
// rectangle onto the target rectangle and clipped to the target.
void replayContent(QPainter& painter, const DrawCall& call) {
    if (call.content) replayOnto(painter, *call.content, call.source, toQRect(call.rect));
}

}  // namespace

void paintText(QPainter& painter, const TextStyle& style, std::string_view cp1250, Rect rect,
               unsigned flags) {
    if (cp1250.empty()) return;
    const QFont& font = qtFont(style.font);
    const QFontMetrics metrics(font);
    QString text = toQString(cp1250);
    QStringList lines;
    if (flags & text::kSingleLine) {
        text.remove(QChar('\r'));
        text.remove(QChar('\n'));
        lines << text;
    } else {
        lines = layoutLines(text, metrics, rect.width(), flags & text::kWordBreak);
    }
    painter.save();
    painter.setFont(font);
    painter.setPen(toQColor(style.colour));
    if (!(flags & text::kNoClip)) painter.setClipRect(toQRect(rect), Qt::IntersectClip);
    const int lineHeight = metrics.ascent() + metrics.descent();
    int top = rect.top;
    if ((flags & text::kSingleLine) && (flags & text::kVCenter)) {
        top = rect.top + (rect.height() - lineHeight) / 2;
    }
    for (const QString& line : lines) {
        const int advance = metrics.horizontalAdvance(line);
        int left = rect.left;
        if (flags & text::kCenter) left = rect.left + (rect.width() - advance) / 2;
        if (flags & text::kRight) left = rect.right - advance;
        if (style.mode == BackgroundMode::Opaque && !line.isEmpty()) {
            painter.fillRect(QRect(left, top, advance, lineHeight), toQColor(style.background));
        }
        if (!line.isEmpty()) painter.drawText(QPoint(left, top + metrics.ascent()), line);
        top += lineHeight;
    }
    painter.restore();
}

void paintTextOut(QPainter& painter, const TextStyle& style, std::string_view cp1250, int x,
                  int y) {
    if (cp1250.empty()) return;
    const QFont& font = qtFont(style.font);
    const QFontMetrics metrics(font);
    const QString text = toQString(cp1250);
    painter.save();
    painter.setFont(font);
    if (style.mode == BackgroundMode::Opaque) {
        painter.fillRect(
            QRect(x, y, metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()),
            toQColor(style.background));
    }
    painter.setPen(toQColor(style.colour));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    painter.restore();
}

void paintBox(QPainter& painter, Rect r, Rgb fill, Rgb outline) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    painter.fillRect(toQRect(r), toQColor(fill));
    const QColor edge = toQColor(outline);
    painter.fillRect(QRect(r.left, r.top, r.width(), 1), edge);
    painter.fillRect(QRect(r.left, r.bottom - 1, r.width(), 1), edge);
    painter.fillRect(QRect(r.left, r.top, 1, r.height()), edge);
    painter.fillRect(QRect(r.right - 1, r.top, 1, r.height()), edge);
}

void paintLine(QPainter& painter, int x1, int y1, int x2, int y2, int width, Rgb colour) {
    if (width <= 1 && (x1 == x2 || y1 == y2)) {
        // A one-pixel line along an axis is the row or column of pixels it sets.
        const QColor c = toQColor(colour);
        if (y1 == y2 && x1 != x2) {
            painter.fillRect(QRect(x2 > x1 ? x1 : x2 + 1, y1, std::abs(x2 - x1), 1), c);
        } else if (x1 == x2 && y1 != y2) {
            painter.fillRect(QRect(x1, y2 > y1 ? y1 : y2 + 1, 1, std::abs(y2 - y1)), c);
        }
        return;
    }
    painter.save();
    painter.setPen(QPen(toQColor(colour), std::max(width, 1), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(x1, y1, x2, y2);
    painter.restore();
}

void replayOnto(QPainter& painter, const std::vector<DrawCall>& calls, Rect source, QRect target) {
    if (source.width() <= 0 || source.height() <= 0 || target.isEmpty()) return;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    QTransform map;
    map.translate(target.left(), target.top());
    map.scale(double(target.width()) / source.width(), double(target.height()) / source.height());
    map.translate(-source.left, -source.top);
    painter.setTransform(map, true);
    painter.setClipRect(toQRect(source), Qt::IntersectClip);
    replayCalls(painter, calls);
    painter.restore();
}

void replayCalls(QPainter& painter, const std::vector<DrawCall>& calls) {
    // Calls wholly outside the clip are left out: a PDF would otherwise carry every page's
    // hidden texts under each printed rectangle, and a text reader would find them.
    const QRectF visible = painter.hasClipping() ? painter.clipBoundingRect() : QRectF();
    for (const DrawCall& call : calls) {
        if (!visible.isNull()) {
            const QRectF reach = reachOf(call);
            if (!reach.isNull() && !reach.intersects(visible)) continue;
        }
        switch (call.kind) {
            case DrawCall::Image:
                if (const QImage* image = imageOf(call.image)) {
                    const QRect part =
                        QRect(0, 0, call.rect.width(), call.rect.height()) & image->rect();
                    painter.drawImage(
                        QRect(call.rect.left, call.rect.top, part.width(), part.height()), *image,
                        part);
                }
                break;
            case DrawCall::StretchImage:
                if (const QImage* image = imageOf(call.image)) {
                    painter.save();
                    painter.setRenderHint(QPainter::SmoothPixmapTransform);
                    painter.drawImage(toQRect(call.rect), *image, toQRect(call.source));
                    painter.restore();
                }
                break;
            case DrawCall::Copy:
            case DrawCall::Stretch:
                replayContent(painter, call);
                break;
            case DrawCall::Box:
                paintBox(painter, call.rect, call.colour, call.outline);
                break;
            case DrawCall::Fill:
                if (call.rect.width() > 0 && call.rect.height() > 0)
                    painter.fillRect(toQRect(call.rect), toQColor(call.colour));
                break;
            case DrawCall::Line:
                paintLine(painter, call.rect.left, call.rect.top, call.rect.right, call.rect.bottom,
                          call.width, call.colour);
                break;
            case DrawCall::Text:
                paintText(painter, styleOf(call), call.name, call.rect, call.flags);
                break;
            case DrawCall::TextOut:
                paintTextOut(painter, styleOf(call), call.name, call.rect.left, call.rect.top);
                break;
        }
    }
}

}  // namespace lun4::ui
