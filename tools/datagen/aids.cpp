// Aid pictures for therapy work, printed one per landscape sheet: plain picture cards of
// everyday things with their Polish name underneath.

#include <QPainterPath>
#include <QtMath>
#include <functional>

#include "art.h"
#include "layout.h"

namespace datagen {
namespace {

const QColor kOutline(52, 62, 72);
const QColor kSky(120, 170, 210), kLeaf(110, 170, 110), kSun(240, 196, 80), kBrick(205, 110, 90),
    kCloth(90, 140, 200), kGrey(190, 198, 205), kWood(196, 150, 100), kRed(214, 84, 72),
    kCream(250, 244, 228);

void outlined(QPainter& p, const QBrush& fill, qreal width = 6) {
    p.setPen(QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

// Every drawing works in a 400 x 300 box centred on the card.
using Drawing = std::function<void(QPainter&)>;

void clock(QPainter& p) {
    outlined(p, kCream, 8);
    p.drawEllipse(QPointF(200, 150), 135, 135);
    p.setPen(QPen(kOutline, 5, Qt::SolidLine, Qt::RoundCap));
    for (int h = 0; h < 12; ++h) {
        const double a = h * M_PI / 6;
        const double r1 = h % 3 == 0 ? 100 : 110;
        p.drawLine(QPointF(200 + r1 * qSin(a), 150 - r1 * qCos(a)),
                   QPointF(200 + 122 * qSin(a), 150 - 122 * qCos(a)));
    }
    p.setPen(QPen(kOutline, 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(200, 150), QPointF(270, 150));  // hour hand at 3
    p.setPen(QPen(kRed, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(200, 150), QPointF(200, 45));  // minute hand at 12
    p.setBrush(kOutline);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(200, 150), 9, 9);
}

void coins(QPainter& p) {
    struct Coin {
        QPointF c;
        qreal r;
        const char* v;
        QColor fill;
    };
    const Coin list[3] = {{{95, 170}, 62, "1 zł", QColor(214, 200, 150)},
                          {{215, 140}, 72, "2 zł", QColor(226, 200, 120)},
                          {{325, 185}, 66, "5 zł", QColor(200, 190, 150)}};
    for (const Coin& c : list) {
        outlined(p, c.fill, 6);
        p.drawEllipse(c.c, c.r, c.r);
        p.setPen(QPen(darker(c.fill, 0.25), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c.c, c.r - 12, c.r - 12);
        text(p, QRect(int(c.c.x() - c.r), int(c.c.y() - 30), int(2 * c.r), 60), Qt::AlignCenter,
             QString::fromUtf8(c.v), sans(int(c.r * 0.55), true), kOutline);
    }
}

void mug(QPainter& p) {
    outlined(p, kCloth);
    QPainterPath body;
    body.moveTo(110, 90);
    body.lineTo(270, 90);
    body.lineTo(262, 260);
    body.quadTo(190, 280, 118, 260);
    body.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(230, 120, 90, 100), -90 * 16, 180 * 16);
    p.setBrush(kCloth);
    p.drawPath(body);
    p.setPen(QPen(kGrey, 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QPainterPath steam;
        const qreal x = 145 + 45 * i;
        steam.moveTo(x, 70);
        steam.cubicTo(x - 15, 50, x + 15, 35, x, 12);
        p.drawPath(steam);
    }
}

void cutlery(QPainter& p) {
    outlined(p, kGrey);
    // Fork.
    p.drawRoundedRect(QRectF(92, 140, 16, 150), 8, 8);
    p.drawRoundedRect(QRectF(72, 40, 56, 110), 14, 14);
    p.setPen(QPen(kOutline, 5));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(86 + 14 * i, 40), QPointF(86 + 14 * i, 95));
    // Spoon.
    outlined(p, kGrey);
    p.drawRoundedRect(QRectF(192, 140, 16, 150), 8, 8);
    p.drawEllipse(QRectF(166, 30, 68, 118));
    // Knife.
    QPainterPath knife;
    knife.moveTo(300, 30);
    knife.quadTo(345, 70, 320, 160);
    knife.lineTo(300, 160);
    knife.closeSubpath();
    p.drawPath(knife);
    outlined(p, kWood);
    p.drawRoundedRect(QRectF(294, 155, 22, 135), 9, 9);
}

void handWashing(QPainter& p) {
    outlined(p, kGrey);
    p.drawRoundedRect(QRectF(120, 40, 160, 40), 12, 12);
    p.drawRoundedRect(QRectF(230, 70, 40, 60), 10, 10);
    p.drawRoundedRect(QRectF(180, 10, 40, 34), 8, 8);
    outlined(p, kSky, 4);
    for (int i = 0; i < 3; ++i) {
        QPainterPath drop;
        const qreal x = 236 + (i % 2) * 20, y = 138 + i * 11;
        drop.moveTo(x, y);
        drop.quadTo(x + 12, y + 18, x, y + 24);
        drop.quadTo(x - 12, y + 18, x, y);
        p.drawPath(drop);
    }
    // An open hand under the water.
    outlined(p, QColor(240, 206, 180), 5);
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(190, 232, 100, 62), 22, 22);
    for (int i = 0; i < 4; ++i)
        hand.addRoundedRect(QRectF(196 + 23 * i, 186 + (i == 0 || i == 3 ? 12 : 0), 21, 70), 10,
                            10);
    hand.addRoundedRect(QRectF(150, 240, 62, 24), 12, 12);
    p.drawPath(hand.simplified());
    outlined(p, QColor(246, 220, 236), 5);
    p.drawRoundedRect(QRectF(300, 230, 80, 46), 14, 14);
    text(p, QRect(300, 230, 80, 46), Qt::AlignCenter, QStringLiteral("mydło"), sans(16, true),
         kOutline);
}

void toothbrush(QPainter& p) {
    p.save();
    p.translate(200, 150);
    p.rotate(-20);
    outlined(p, kCloth);
    p.drawRoundedRect(QRectF(-170, -14, 260, 28), 14, 14);
    p.drawRoundedRect(QRectF(80, -14, 80, 24), 8, 8);
    outlined(p, Qt::white, 4);
    for (int i = 0; i < 6; ++i) p.drawRect(QRectF(88 + 12 * i, -52, 9, 38));
    p.restore();
    outlined(p, Qt::white);
    p.drawRoundedRect(QRectF(60, 220, 230, 56), 20, 20);
    outlined(p, kRed);
    p.drawRect(QRectF(290, 232, 40, 32));
}

void shirt(QPainter& p) {
    outlined(p, kCloth);
    QPainterPath s;
    s.moveTo(150, 30);
    s.lineTo(60, 75);
    s.lineTo(95, 150);
    s.lineTo(130, 132);
    s.lineTo(130, 280);
    s.lineTo(270, 280);
    s.lineTo(270, 132);
    s.lineTo(305, 150);
    s.lineTo(340, 75);
    s.lineTo(250, 30);
    s.quadTo(200, 80, 150, 30);
    p.drawPath(s);
}

void ball(QPainter& p) {
    // A beach ball: six segments in turn coloured and white.
    const QRectF r(70, 20, 260, 260);
    const QColor segments[6] = {kRed, Qt::white, kCloth, Qt::white, kSun, Qt::white};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(segments[i]);
        p.drawPie(r, (90 + 60 * i) * 16, 60 * 16);
    }
    p.setPen(QPen(kOutline, 4));
    for (int i = 0; i < 3; ++i) {
        const double a = qDegreesToRadians(90.0 + 60 * i);
        p.drawLine(QPointF(200 + 130 * qCos(a), 150 - 130 * qSin(a)),
                   QPointF(200 - 130 * qCos(a), 150 + 130 * qSin(a)));
    }
    outlined(p, Qt::white, 4);
    p.drawEllipse(QPointF(200, 150), 22, 22);
    outlined(p, Qt::NoBrush, 6);
    p.drawEllipse(r);
}

void phone(QPainter& p) {
    outlined(p, QColor(70, 80, 92));
    p.drawRoundedRect(QRectF(130, 10, 140, 280), 22, 22);
    outlined(p, QColor(200, 225, 240), 4);
    p.drawRect(QRectF(148, 44, 104, 190));
    outlined(p, kGrey, 4);
    p.drawEllipse(QPointF(200, 260), 12, 12);
    p.setPen(QPen(kGrey, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(182, 27), QPointF(218, 27));
}

void house(QPainter& p) {
    outlined(p, kBrick);
    p.drawPolygon(QPolygonF({QPointF(60, 130), QPointF(200, 20), QPointF(340, 130)}));
    outlined(p, kCream);
    p.drawRect(QRectF(90, 130, 220, 150));
    outlined(p, kWood);
    p.drawRect(QRectF(180, 190, 50, 90));
    outlined(p, kSky, 5);
    p.drawRect(QRectF(110, 160, 50, 45));
    p.drawRect(QRectF(250, 160, 45, 45));
}

void bus(QPainter& p) {
    outlined(p, kSun);
    p.drawRoundedRect(QRectF(30, 60, 340, 170), 24, 24);
    outlined(p, QColor(200, 225, 240), 5);
    for (int i = 0; i < 4; ++i) p.drawRoundedRect(QRectF(52 + 72 * i, 82, 58, 60), 6, 6);
    p.drawRoundedRect(QRectF(340, 82, 20, 60), 4, 4);
    outlined(p, QColor(70, 80, 92));
    p.drawEllipse(QPointF(100, 235), 30, 30);
    p.drawEllipse(QPointF(300, 235), 30, 30);
    outlined(p, kGrey, 4);
    p.drawEllipse(QPointF(100, 235), 10, 10);
    p.drawEllipse(QPointF(300, 235), 10, 10);
}

void calendar(QPainter& p) {
    outlined(p, Qt::white);
    p.drawRoundedRect(QRectF(90, 30, 220, 250), 16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(93, 33, 214, 64), 13, 13);
    p.drawRect(QRectF(93, 70, 214, 27));
    outlined(p, Qt::NoBrush);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(90, 30, 220, 250), 16, 16);
    text(p, QRect(93, 33, 214, 64), Qt::AlignCenter, QStringLiteral("MAJ"), sans(32, true),
         Qt::white);
    text(p, QRect(93, 100, 214, 170), Qt::AlignCenter, QStringLiteral("15"), sans(110, true),
         kOutline);
}

void apple(QPainter& p) {
    outlined(p, kRed);
    QPainterPath a;
    a.moveTo(200, 85);
    a.cubicTo(130, 40, 60, 90, 80, 180);
    a.cubicTo(95, 255, 150, 290, 200, 265);
    a.cubicTo(250, 290, 305, 255, 320, 180);
    a.cubicTo(340, 90, 270, 40, 200, 85);
    p.drawPath(a);
    p.setPen(QPen(kWood, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(200, 85), QPointF(210, 30));
    outlined(p, kLeaf, 5);
    QPainterPath leaf;
    leaf.moveTo(212, 50);
    leaf.quadTo(250, 10, 290, 30);
    leaf.quadTo(255, 70, 212, 50);
    p.drawPath(leaf);
}

void key(QPainter& p) {
    outlined(p, kSun);
    QPainterPath ring, bar, teeth, hole;
    ring.addEllipse(QPointF(110, 150), 70, 70);
    bar.addRect(QRectF(170, 132, 190, 36));
    teeth.addRect(QRectF(300, 160, 24, 46));
    teeth.addRect(QRectF(250, 160, 20, 32));
    hole.addEllipse(QPointF(100, 150), 26, 26);
    p.drawPath(ring.united(bar).united(teeth).subtracted(hole));
}

void shapes(QPainter& p) {
    outlined(p, kRed);
    p.drawEllipse(QPointF(60, 160), 58, 58);
    outlined(p, kCloth);
    p.drawRect(QRectF(145, 102, 116, 116));
    outlined(p, kSun);
    p.drawPolygon(QPolygonF({QPointF(285, 218), QPointF(340, 100), QPointF(395, 218)}));
}

void colours(QPainter& p) {
    const QColor list[6] = {kRed, kSun, kLeaf, kCloth, QColor(150, 110, 190), kWood};
    for (int i = 0; i < 6; ++i) {
        outlined(p, list[i], 5);
        p.drawRoundedRect(QRectF(20 + (i % 3) * 130, 40 + (i / 3) * 125, 100, 100), 18, 18);
    }
}

void numbers(QPainter& p) {
    // Dice faces 1 to 5 with their numbers below.
    static const QPointF pips[5][5] = {
        {{0.5, 0.5}},
        {{0.25, 0.25}, {0.75, 0.75}},
        {{0.25, 0.25}, {0.5, 0.5}, {0.75, 0.75}},
        {{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}},
        {{0.25, 0.25}, {0.75, 0.25}, {0.5, 0.5}, {0.25, 0.75}, {0.75, 0.75}},
    };
    for (int n = 1; n <= 5; ++n) {
        const QRectF box(-20 + (n - 1) * 90, 50, 76, 76);
        outlined(p, Qt::white, 4);
        p.drawRoundedRect(box, 14, 14);
        p.setPen(Qt::NoPen);
        p.setBrush(kOutline);
        for (int d = 0; d < n; ++d) {
            p.drawEllipse(QPointF(box.left() + pips[n - 1][d].x() * box.width(),
                                  box.top() + pips[n - 1][d].y() * box.height()),
                          7, 7);
        }
        text(p, QRect(int(box.left()), 150, int(box.width()), 90), Qt::AlignCenter,
             QString::number(n), sans(72, true), kCloth);
    }
}

struct Aid {
    const char* name;
    Drawing draw;
};

QImage aidCard(const Aid& aid, int number) {
    const QSize size = layout::kAidPicture;
    QImage image = blank(size, Qt::white);
    QPainter p(&image);
    begin(p);
    roundedBox(p, QRectF(16, 16, size.width() - 32, size.height() - 32), 24, Qt::white,
               colour::line);
    p.save();
    p.translate(200, 60);
    aid.draw(p);
    p.restore();
    text(p, QRect(16, 410, size.width() - 32, 70), Qt::AlignCenter, QString::fromUtf8(aid.name),
         sans(48, true), colour::ink);
    text(p, QRect(16, 500, size.width() - 48, 30), Qt::AlignRight | Qt::AlignVCenter,
         QStringLiteral("Pomoc %1 z 17").arg(number), sans(14), colour::inkFaint);
    return image;
}

}  // namespace

void makeAids(Output& out) {
    const Aid aids[17] = {
        {"Zegar", clock},
        {"Pieniądze", coins},
        {"Kubek", mug},
        {"Sztućce", cutlery},
        {"Mycie rąk", handWashing},
        {"Mycie zębów", toothbrush},
        {"Koszulka", shirt},
        {"Piłka", ball},
        {"Telefon", phone},
        {"Dom", house},
        {"Autobus", bus},
        {"Kalendarz", calendar},
        {"Jabłko", apple},
        {"Klucz", key},
        {"Kształty", shapes},
        {"Kolory", colours},
        {"Liczby", numbers},
    };
    for (int i = 0; i < 17; ++i)
        out.jpeg(QStringLiteral("Pomoce/%1.jpg").arg(i + 1), aidCard(aids[i], i + 1));
}

}  // namespace datagen
