#include "paint.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QtMath>

namespace datagen {

QColor mix(const QColor& a, const QColor& b, double t) {
    auto blend = [t](int x, int y) { return qRound(x + (y - x) * t); };
    return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()));
}

QColor lighter(const QColor& c, double amount) {
    return mix(c, Qt::white, amount);
}
QColor darker(const QColor& c, double amount) {
    return mix(c, Qt::black, amount);
}

namespace {
QFont face(const QString& family, int pixelSize, bool bold) {
    QFont f(family);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}
}  // namespace

QFont sans(int pixelSize, bool bold) {
    return face(QStringLiteral("Liberation Sans"), pixelSize, bold);
}
QFont tahoma(int pixelSize, bool bold) {
    return face(QStringLiteral("DejaVu Sans"), pixelSize, bold);
}

QFont fitted(const QString& s, int width, int pixelSize, bool bold, int minimum) {
    for (int px = pixelSize; px > minimum; --px) {
        QFont f = sans(px, bold);
        if (QFontMetrics(f).horizontalAdvance(s) <= width) return f;
    }
    return sans(minimum, bold);
}

QImage blank(QSize size, const QColor& fill) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void begin(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void roundedBox(QPainter& p, const QRectF& r, qreal radius, const QColor& fill,
                const QColor& outline) {
    p.save();
    if (outline.isValid()) {
        p.setPen(QPen(outline, 1.0));
        p.setBrush(fill);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(r, radius, radius);
    }
    p.restore();
}

void card(QPainter& p, const QRect& r, qreal radius, const QColor& fill) {
    // Three widening translucent layers give a soft shadow without a blur pass.
    for (int i = 3; i >= 1; --i) {
        QColor shade(20, 40, 60, 10 + 6 * (3 - i));
        roundedBox(p, QRectF(r).translated(1 + i / 2.0, 1 + i).adjusted(-i / 2.0, 0, i / 2.0, 0),
                   radius + i, shade);
    }
    roundedBox(p, r, radius, fill, colour::line);
}

void inputField(QPainter& p, const QRect& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r.adjusted(-1, -1, 1, 1), colour::fieldLine);
    p.fillRect(r, colour::field);
    p.restore();
}

void hline(QPainter& p, int x1, int x2, int y, const QColor& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(x1, y, x2 - x1, 1), c);
    p.restore();
}

int text(QPainter& p, const QRect& r, int flags, const QString& s, const QFont& f,
         const QColor& c) {
    p.save();
    p.setFont(f);
    p.setPen(c);
    QRect used;
    p.drawText(r, flags, s, &used);
    p.restore();
    return used.height();
}

int paragraph(QPainter& p, const QRect& r, const QString& s, const QFont& f, const QColor& c,
              int lineSpacing) {
    if (lineSpacing <= 0)
        return text(p, r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, s, f, c);
    // With extra leading: lay the words out line by line.
    const QFontMetrics m(f);
    const QStringList words = s.split(QChar(' '), Qt::SkipEmptyParts);
    QStringList lines;
    QString current;
    for (const QString& w : words) {
        const QString candidate = current.isEmpty() ? w : current + QChar(' ') + w;
        if (!current.isEmpty() && m.horizontalAdvance(candidate) > r.width()) {
            lines << current;
            current = w;
        } else {
            current = candidate;
        }
    }
    if (!current.isEmpty()) lines << current;
    p.save();
    p.setFont(f);
    p.setPen(c);
    int y = r.top();
    for (const QString& l : lines) {
        p.drawText(QPoint(r.left(), y + m.ascent()), l);
        y += m.height() + lineSpacing;
    }
    p.restore();
    return y - r.top() - (lines.isEmpty() ? 0 : lineSpacing);
}

void icon(QPainter& p, Icon which, const QRectF& box, const QColor& c, qreal stroke) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 24.0);
    QPen pen(c, stroke * 24.0 / box.width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    auto poly = [&p](std::initializer_list<QPointF> pts) {
        p.drawPolyline(QPolygonF(QList<QPointF>(pts)));
    };
    switch (which) {
        case Icon::ArrowLeft:
            p.drawLine(QPointF(19, 12), QPointF(5, 12));
            poly({{11, 6}, {5, 12}, {11, 18}});
            break;
        case Icon::ArrowRight:
            p.drawLine(QPointF(5, 12), QPointF(19, 12));
            poly({{13, 6}, {19, 12}, {13, 18}});
            break;
        case Icon::Enter:
            p.drawLine(QPointF(3, 12), QPointF(15, 12));
            poly({{10, 7}, {15, 12}, {10, 17}});
            poly({{13, 4}, {20, 4}, {20, 20}, {13, 20}});
            break;
        case Icon::TriangleUp:
            p.setBrush(c);
            p.drawPolygon(QPolygonF({QPointF(5, 16), QPointF(12, 7), QPointF(19, 16)}));
            break;
        case Icon::TriangleDown:
            p.setBrush(c);
            p.drawPolygon(QPolygonF({QPointF(5, 8), QPointF(12, 17), QPointF(19, 8)}));
            break;
        case Icon::Check:
            poly({{5, 12.5}, {10, 17.5}, {19, 7}});
            break;
        case Icon::Cross:
            p.drawLine(QPointF(6.5, 6.5), QPointF(17.5, 17.5));
            p.drawLine(QPointF(17.5, 6.5), QPointF(6.5, 17.5));
            break;
        case Icon::HalfCircle: {
            p.drawEllipse(QPointF(12, 12), 8, 8);
            QPainterPath half;
            half.moveTo(12, 4);
            half.arcTo(QRectF(4, 4, 16, 16), 90, 180);
            half.closeSubpath();
            p.setBrush(c);
            p.drawPath(half);
            break;
        }
        case Icon::NewDocument:
            poly({{14, 3}, {6, 3}, {6, 21}, {18, 21}, {18, 7}, {14, 3}, {14, 7}, {18, 7}});
            p.drawLine(QPointF(12, 10.5), QPointF(12, 17.5));
            p.drawLine(QPointF(8.5, 14), QPointF(15.5, 14));
            break;
        case Icon::Folder:
            poly({{3, 19}, {3, 5}, {9, 5}, {11, 7.5}, {21, 7.5}, {21, 19}, {3, 19}});
            p.drawLine(QPointF(3, 10.5), QPointF(21, 10.5));
            break;
        case Icon::Disk:
            p.drawRoundedRect(QRectF(4, 4, 16, 16), 2, 2);
            p.drawRect(QRectF(8, 4, 8, 5));
            p.drawRect(QRectF(7.5, 13, 9, 7));
            break;
        case Icon::Pencil:
            p.drawPolygon(QPolygonF({QPointF(4, 20), QPointF(5, 15.5), QPointF(16, 4.5),
                                     QPointF(19.5, 8), QPointF(8.5, 19)}));
            p.drawLine(QPointF(13.5, 7), QPointF(17, 10.5));
            break;
        case Icon::Printer:
            p.drawRect(QRectF(7, 3.5, 10, 5));
            p.drawRoundedRect(QRectF(3, 8.5, 18, 8.5), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 13.5, 10, 7));
            p.setBrush(Qt::NoBrush);
            break;
        case Icon::Power:
            p.drawArc(QRectF(4.5, 5, 15, 15), 120 * 16, -240 * 16);
            p.drawLine(QPointF(12, 3), QPointF(12, 11));
            break;
        case Icon::Key:
            p.drawEllipse(QPointF(7.5, 12), 4, 4);
            p.drawLine(QPointF(11.5, 12), QPointF(21, 12));
            p.drawLine(QPointF(18, 12), QPointF(18, 16));
            p.drawLine(QPointF(15, 12), QPointF(15, 15));
            break;
        case Icon::Bulb:
            p.drawArc(QRectF(6, 3, 12, 12), -40 * 16, 260 * 16);
            poly({{8.3, 13.8}, {9.5, 16.5}, {14.5, 16.5}, {15.7, 13.8}});
            p.drawLine(QPointF(9.5, 19), QPointF(14.5, 19));
            p.drawLine(QPointF(10.5, 21.5), QPointF(13.5, 21.5));
            break;
        case Icon::Eye: {
            QPainterPath eye;
            eye.moveTo(2.5, 12);
            eye.quadTo(12, 2.5, 21.5, 12);
            eye.quadTo(12, 21.5, 2.5, 12);
            p.drawPath(eye);
            p.drawEllipse(QPointF(12, 12), 3.2, 3.2);
            break;
        }
        case Icon::House:
            poly({{3, 12}, {12, 4}, {21, 12}});
            poly({{6, 10}, {6, 20}, {18, 20}, {18, 10}});
            p.drawRect(QRectF(10, 14, 4, 6));
            break;
        case Icon::School:
            poly({{3, 9}, {12, 3.5}, {21, 9}});
            p.drawRect(QRectF(5, 9, 14, 11.5));
            p.drawRect(QRectF(10, 15, 4, 5.5));
            p.drawRect(QRectF(7, 11.5, 2.5, 2.5));
            p.drawRect(QRectF(14.5, 11.5, 2.5, 2.5));
            break;
        case Icon::Gear: {
            // Eight teeth: each a trapezoid standing on a circle of radius 6.8.
            QPolygonF gear;
            for (int i = 0; i < 8; ++i) {
                const double a = qDegreesToRadians(45.0 * i);
                for (auto [da, r] : {std::pair{-16.0, 6.8}, {-9.0, 9.6}, {9.0, 9.6}, {16.0, 6.8}}) {
                    const double t = a + qDegreesToRadians(da);
                    gear << QPointF(12 + r * qCos(t), 12 + r * qSin(t));
                }
            }
            p.drawPolygon(gear);
            p.drawEllipse(QPointF(12, 12), 2.8, 2.8);
            break;
        }
        case Icon::Shirt: {
            QPainterPath s;
            s.moveTo(9, 3.5);
            s.lineTo(3, 7);
            s.lineTo(5, 11.5);
            s.lineTo(7, 10.5);
            s.lineTo(7, 20.5);
            s.lineTo(17, 20.5);
            s.lineTo(17, 10.5);
            s.lineTo(19, 11.5);
            s.lineTo(21, 7);
            s.lineTo(15, 3.5);
            s.quadTo(12, 7.5, 9, 3.5);
            p.drawPath(s);
            break;
        }
        case Icon::Ball: {
            p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
            QPainterPath seam;
            seam.moveTo(3.5, 12);
            seam.lineTo(20.5, 12);
            seam.moveTo(12, 3.5);
            seam.lineTo(12, 20.5);
            seam.moveTo(6, 6);
            seam.quadTo(9.5, 12, 6, 18);
            seam.moveTo(18, 6);
            seam.quadTo(14.5, 12, 18, 18);
            p.drawPath(seam);
            break;
        }
        case Icon::Briefcase:
            p.drawRoundedRect(QRectF(3, 8, 18, 12.5), 2, 2);
            poly({{9, 8}, {9, 5}, {15, 5}, {15, 8}});
            p.drawLine(QPointF(3, 13.5), QPointF(21, 13.5));
            p.drawLine(QPointF(12, 12.5), QPointF(12, 15));
            break;
        case Icon::Speech: {
            QPainterPath a;
            a.addRoundedRect(QRectF(2.5, 3.5, 13, 9), 3, 3);
            p.drawPath(a);
            poly({{5.5, 12.5}, {5, 16}, {9, 12.5}});
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(9, 9, 12.5, 8.5), 3, 3);
            p.setBrush(Qt::NoBrush);
            poly({{18, 17.5}, {19, 21}, {15, 17.5}});
            break;
        }
        case Icon::People:
            p.drawEllipse(QPointF(8.5, 8), 3, 3);
            p.drawArc(QRectF(3, 13, 11, 12), 10 * 16, 160 * 16);
            p.drawEllipse(QPointF(16, 8.5), 2.7, 2.7);
            p.drawArc(QRectF(12, 13.5, 10, 11), 15 * 16, 150 * 16);
            break;
        case Icon::Person:
            p.drawEllipse(QPointF(12, 8), 3.8, 3.8);
            p.drawArc(QRectF(4.5, 14, 15, 14), 10 * 16, 160 * 16);
            break;
        case Icon::Info:
            p.drawEllipse(QPointF(12, 12), 9, 9);
            p.drawLine(QPointF(12, 11), QPointF(12, 17));
            p.setBrush(c);
            p.drawEllipse(QPointF(12, 7.5), 0.6, 0.6);
            break;
        case Icon::Document:
            poly({{14, 3}, {5, 3}, {5, 21}, {19, 21}, {19, 8}, {14, 3}, {14, 8}, {19, 8}});
            p.drawLine(QPointF(8, 12), QPointF(16, 12));
            p.drawLine(QPointF(8, 15), QPointF(16, 15));
            p.drawLine(QPointF(8, 18), QPointF(13, 18));
            break;
        case Icon::Pictures:
            p.drawRoundedRect(QRectF(3, 5, 18, 14), 2, 2);
            poly({{4.5, 17}, {9.5, 11}, {13, 15}, {15.5, 12.5}, {19.5, 17}});
            p.drawEllipse(QPointF(15.5, 8.8), 1.4, 1.4);
            break;
        case Icon::Trash:
            p.drawLine(QPointF(4, 6.5), QPointF(20, 6.5));
            poly({{9, 6.5}, {9.5, 3.5}, {14.5, 3.5}, {15, 6.5}});
            poly({{6, 6.5}, {7, 20.5}, {17, 20.5}, {18, 6.5}});
            p.drawLine(QPointF(10.3, 10), QPointF(10.3, 17));
            p.drawLine(QPointF(13.7, 10), QPointF(13.7, 17));
            break;
        case Icon::Clipboard:
            p.drawRoundedRect(QRectF(5, 4.5, 14, 17), 2, 2);
            p.drawRect(QRectF(9, 3, 6, 3));
            p.drawLine(QPointF(8.5, 11), QPointF(15.5, 11));
            p.drawLine(QPointF(8.5, 14.5), QPointF(15.5, 14.5));
            p.drawLine(QPointF(8.5, 18), QPointF(13, 18));
            break;
        case Icon::Chart:
            poly({{4, 3.5}, {4, 20}, {20.5, 20}});
            p.drawRect(QRectF(7.5, 12, 3, 8));
            p.drawRect(QRectF(12.5, 8, 3, 12));
            p.drawRect(QRectF(17.5, 14, 2, 6));
            break;
        case Icon::Sheet:
            p.drawRoundedRect(QRectF(3.5, 4.5, 17, 15), 2, 2);
            p.drawLine(QPointF(3.5, 9.5), QPointF(20.5, 9.5));
            p.drawLine(QPointF(3.5, 14.5), QPointF(20.5, 14.5));
            p.drawLine(QPointF(9.5, 4.5), QPointF(9.5, 19.5));
            p.drawLine(QPointF(15, 4.5), QPointF(15, 19.5));
            break;
        case Icon::Calendar:
            p.drawRoundedRect(QRectF(3.5, 5, 17, 15.5), 2, 2);
            p.drawLine(QPointF(3.5, 9.5), QPointF(20.5, 9.5));
            p.drawLine(QPointF(8, 3), QPointF(8, 6.5));
            p.drawLine(QPointF(16, 3), QPointF(16, 6.5));
            break;
    }
    p.restore();
}

}  // namespace datagen
