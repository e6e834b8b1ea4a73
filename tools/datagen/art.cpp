#include "art.h"

#include <QFontMetrics>
#include <QLinearGradient>

#include "layout.h"
#include "model/catalogue.h"
#include "model/cp1250.h"

namespace datagen {

Look primary(const QColor& backdrop) {
    return {colour::accent, Qt::white, backdrop};
}
Look secondary(const QColor& backdrop) {
    return {colour::slate, Qt::white, backdrop};
}
Look danger(const QColor& backdrop) {
    return {colour::brick, Qt::white, backdrop};
}
Look tile(const QColor& backdrop) {
    return {colour::tint, colour::accentDark, backdrop, 12, true};
}

ButtonImages drawButton(QSize size, const Look& look, const Content& content) {
    ButtonImages images;
    for (int s = 0; s < 3; ++s) {
        const State state = static_cast<State>(s);
        QColor fill = look.base;
        if (state == State::Hover) fill = lighter(look.base, look.tile ? 0.55 : 0.16);
        if (state == State::Pressed) fill = darker(look.base, look.tile ? 0.08 : 0.18);
        QImage image = blank(size, look.backdrop);
        QPainter p(&image);
        begin(p);
        const QRectF face(0, 0, size.width(), size.height());
        QColor outline = darker(fill, look.tile ? 0.14 : 0.22);
        if (look.tile && state == State::Hover) outline = colour::accent;
        // A faint darker lip under raised buttons; pressed ones sit flat.
        if (state != State::Pressed) {
            roundedBox(p, face, look.radius, darker(fill, 0.3));
        }
        QLinearGradient g(0, 0, 0, size.height());
        g.setColorAt(0, lighter(fill, 0.06));
        g.setColorAt(1, darker(fill, 0.04));
        p.save();
        p.setPen(QPen(outline, 1.0));
        p.setBrush(g);
        const QRectF body = state == State::Pressed ? face : face.adjusted(0, 0, 0, -1.5);
        p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), look.radius, look.radius);
        if (state == State::Pressed) {
            // Inner shadow along the top edge.
            p.setPen(QPen(darker(fill, 0.25), 1.5));
            p.setBrush(Qt::NoBrush);
            p.setClipRect(QRectF(0, 0, size.width(), look.radius));
            p.drawRoundedRect(face.adjusted(1.5, 1.5, -1.5, -1.5), look.radius - 1,
                              look.radius - 1);
        }
        p.restore();
        if (look.tile && state == State::Hover) {
            p.save();
            p.setPen(QPen(colour::accent, 2.0));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(body.adjusted(1, 1, -1, -1), look.radius - 1, look.radius - 1);
            p.restore();
        }
        QRect inner(0, 0, size.width(), size.height() - 1);
        if (state == State::Pressed) {
            p.translate(1, 1);
            inner = QRect(0, 0, size.width(), size.height());
        }
        content(p, inner, Skin{fill, look.ink, state});
        p.end();
        images[s] = image;
    }
    return images;
}

ButtonImages labelButton(QSize size, const Look& look, const QString& label,
                         std::optional<Icon> glyph, int pixelSize, bool glyphAfter) {
    return drawButton(size, look, [&](QPainter& p, const QRect& face, const Skin& skin) {
        const int iconSize = glyph ? qRound(pixelSize * 1.25) : 0;
        const int gap = glyph && !label.isEmpty() ? 8 : 0;
        const int room = face.width() - 24 - iconSize - gap;
        const QFont f = fitted(label, room, pixelSize, true, 10);
        const int textWidth = label.isEmpty() ? 0 : QFontMetrics(f).horizontalAdvance(label);
        const int group = iconSize + gap + textWidth;
        const int left = face.left() + (face.width() - group) / 2;
        const int textX = glyph && !glyphAfter ? left + iconSize + gap : left;
        if (glyph) {
            const int iconX = glyphAfter ? left + textWidth + gap : left;
            const qreal top = face.top() + (face.height() - iconSize) / 2.0;
            icon(p, *glyph, QRectF(iconX, top, iconSize, iconSize), skin.ink, 2.0);
        }
        if (!label.isEmpty()) {
            text(p, QRect(textX, face.top(), textWidth + 2, face.height()),
                 Qt::AlignLeft | Qt::AlignVCenter, label, f, skin.ink);
        }
    });
}

QColor scoreColour(char code) {
    switch (code) {
        case 'g':
            return colour::pass;
        case 'y':
            return colour::emerging;
        case 'r':
            return colour::fail;
        default:
            return colour::unscored;
    }
}

void scoreDot(QPainter& p, const QPointF& c, qreal r, char code) {
    const QColor fill = scoreColour(code);
    p.save();
    p.setPen(QPen(code == 'b' ? colour::inkFaint : darker(fill, 0.22), 1.2));
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
    p.restore();
    // A sign inside as well as the colour, for readers who do not tell the colours apart.
    const QRectF box(c.x() - r * 0.7, c.y() - r * 0.7, r * 1.4, r * 1.4);
    const QColor ink = code == 'y' ? QColor(92, 66, 8) : Qt::white;
    if (code == 'g') icon(p, Icon::Check, box, ink, r * 0.22);
    if (code == 'r') icon(p, Icon::Cross, box, ink, r * 0.22);
    if (code == 'y') {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPie(QRectF(c.x() - r * 0.45, c.y() - r * 0.45, r * 0.9, r * 0.9), 90 * 16, 180 * 16);
        p.setPen(QPen(ink, r * 0.12));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r * 0.45, r * 0.45);
        p.restore();
    }
}

void namePanel(QPainter& p, bool withScoredLine) {
    const QRect r = withScoredLine ? layout::kMainNamePanel : layout::kNamePanel;
    roundedBox(p, r, 8, colour::card, colour::line);
    if (withScoredLine) {
        // A divider between the examinee and the count below.
        hline(p, r.left() + 12, r.right() - 12, layout::kScoredText.top() - 5, colour::line);
    }
    const QFont f = sans(13);
    const int x = r.left() + 12;
    // The program writes the date from x 710 and the name from x 670; the labels end before.
    // "Badany:" or "Badana:" before the name is the program's, as the record's gender says.
    text(p, QRect(x, layout::kDateText.top(), 96, layout::kDateText.height()),
         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Data badania:"), f, colour::inkSoft);
}

// The mark of the program: a teal square with three rising bars (the three observation
// areas), as in the screens' header mark.
void programMark(QPainter& p, const QRectF& r, const QColor& square, const QColor& bars) {
    roundedBox(p, r, r.width() * 0.22, square);
    p.save();
    p.setPen(QPen(bars, qMax(1.5, r.width() * 0.1), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal x = r.left() + r.width() * (0.28 + 0.22 * i);
        p.drawLine(QPointF(x, r.top() + r.height() * (0.58 - 0.14 * i)),
                   QPointF(x, r.top() + r.height() * 0.74));
    }
    p.restore();
}

void brandMark(QPainter& p, QPoint at, int px) {
    const QFont f = sans(px, true);
    const int h = QFontMetrics(f).height();
    roundedBox(p, QRectF(at.x(), at.y() + h * 0.12, h * 0.76, h * 0.76), h * 0.18, colour::accent);
    p.save();
    p.setPen(QPen(Qt::white, qMax(1.2, h * 0.08)));
    const qreal s = h * 0.76;
    const qreal ox = at.x(), oy = at.y() + h * 0.12;
    // Three little bars: the three observation areas.
    for (int i = 0; i < 3; ++i) {
        const qreal bx = ox + s * (0.28 + 0.22 * i);
        p.drawLine(QPointF(bx, oy + s * (0.58 - 0.14 * i)), QPointF(bx, oy + s * 0.72));
    }
    p.restore();
    text(p, QRect(at.x() + int(h * 0.76) + h / 3, at.y(), 400, h), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("LUN4_TORVA"), f, colour::accentDark);
}

QString itemTitle(int item) {
    return QString::fromStdString(lun4::cp1250::toUtf8(lun4::itemName(item))).trimmed();
}

QString areaName(int area) {
    return QString::fromStdString(lun4::cp1250::toUtf8(lun4::areaTitle(lun4::areaAt(area))));
}

QString scaleTitle(int scale) {
    return QString::fromStdString(lun4::cp1250::toUtf8(lun4::scaleName(lun4::scaleAt(scale))));
}

Icon areaIcon(int area) {
    static constexpr Icon icons[3] = {Icon::Eye, Icon::House, Icon::School};
    return icons[area];
}

Icon scaleIcon(int scale) {
    static constexpr Icon icons[6] = {Icon::Gear,      Icon::Shirt,  Icon::Ball,
                                      Icon::Briefcase, Icon::Speech, Icon::People};
    return icons[scale];
}

}  // namespace datagen
