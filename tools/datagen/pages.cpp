// Page images: a task page for every item, a scoring-key page for items 1 to 73 and an
// advice page for the advice items. The content is deliberately generic: what is observed
// in the item's scale and area and what the three score levels mean. An institution may
// put its own pages under the same names.

#include <QFontMetrics>

#include "art.h"
#include "layout.h"
#include "model/catalogue.h"

namespace datagen {
namespace {

using namespace layout;

// What the diagnostician watches for, by scale.
const char* const kScaleFocus[6] = {
    "Zwraca się uwagę na to, jak badany rozumie zadanie, jak posługuje się materiałem "
    "i narzędziami oraz czy doprowadza pracę do końca.",
    "Zwraca się uwagę na to, na ile samodzielnie badany wykonuje codzienną czynność, czy "
    "zachowuje właściwą kolejność kroków i czy potrzebuje przypominania.",
    "Zwraca się uwagę na to, czy badany podejmuje aktywność z własnej inicjatywy, jak długo "
    "pozostaje nią zainteresowany i czy przestrzega prostych zasad.",
    "Zwraca się uwagę na tempo i staranność pracy, wytrwałość oraz reakcję badanego na "
    "zmiany, przerwy i zakłócenia.",
    "Zwraca się uwagę na to, jak badany rozumie kierowane do niego komunikaty i jak sam się "
    "porozumiewa: mową, gestem, obrazkiem lub pismem.",
    "Zwraca się uwagę na to, jak badany nawiązuje kontakt, jak reaguje na obecność i zachowanie "
    "innych osób oraz czy dostosowuje swoje zachowanie do sytuacji.",
};

// Where the information comes from, by area.
const char* const kAreaSource[3] = {
    "Obserwacja bezpośrednia. Diagnosta przygotowuje potrzebne przedmioty, przedstawia "
    "zadanie prostymi słowami i w razie potrzeby raz je pokazuje. Ocenia to, co badany "
    "rzeczywiście wykonał w czasie badania.",
    "Informacje z domu. Pochodzą z rozmowy z rodzicami lub opiekunami oraz, gdy to "
    "możliwe, z obserwacji badanego w jego zwykłym otoczeniu. Ocenia się to, jak badany "
    "zwykle funkcjonuje, a nie pojedyncze zdarzenia.",
    "Informacje ze szkoły lub pracy. Pochodzą od nauczyciela, instruktora lub opiekuna "
    "w miejscu pracy oraz z obserwacji badanego podczas zajęć. Ocenia się to, jak badany "
    "zwykle funkcjonuje w tym otoczeniu.",
};

struct Level {
    char code;
    const char* name;
    const char* task;  // short meaning on the task page
    const char* key;   // fuller criterion on the key page
};

const Level kLevels[3] = {
    {'g', "Zaliczone",
     "Badany radzi sobie w tym zakresie samodzielnie i właściwie, bez pomocy i bez przypominania.",
     "Cała czynność wykonana samodzielnie i poprawnie. Dopuszczalne są drobne błędy, które "
     "badany sam zauważa i poprawia."},
    {'y', "Pojawiające się",
     "Badany radzi sobie częściowo: potrzebuje wskazówki, pokazu, przypomnienia lub częściowej "
     "pomocy.",
     "Czynność wykonana częściowo albo dopiero po powtórzeniu polecenia, pokazie, wskazówce "
     "lub z częściową pomocą. Umiejętność zaczyna się kształtować."},
    {'r', "Niezaliczone",
     "Badany nie radzi sobie w tym zakresie nawet z pomocą albo nie podejmuje próby.",
     "Brak próby wykonania, wykonanie nieprawidłowe mimo pomocy albo wykonanie tylko przy "
     "pełnym prowadzeniu przez drugą osobę."},
};

const char* const kAdvice[5] = {
    "Materiały należy przygotować przed rozpoczęciem, a z pola widzenia usunąć przedmioty, "
    "które mogłyby rozpraszać badanego.",
    "Polecenie warto podać krótko i prostymi słowami; jeśli badany go nie rozumie, można raz "
    "pokazać, o co chodzi.",
    "Należy dać badanemu czas na samodzielne rozpoczęcie i nie wyręczać go zbyt wcześnie.",
    "Warto zanotować, jakiej pomocy badany potrzebował (słowo, gest, pokaz, prowadzenie): to "
    "podstawa oceny i wskazań do pracy.",
    "Przy oznakach zmęczenia lub niepokoju obserwację należy przerwać i dokończyć później.",
};

const char* const kScaleAdvice[6] = {
    "Przy zadaniach z przedmiotami dobrze jest zacząć od niewielkiej liczby elementów "
    "i stopniowo ją zwiększać.",
    "Czynność najlepiej obserwować w naturalnej sytuacji, np. w porze posiłku albo przed wyjściem.",
    "Warto zaproponować najpierw aktywność, którą badany zna, a potem nową, i porównać jego "
    "zaangażowanie.",
    "Tempo i wytrwałość najlepiej oceniać przy zadaniu, które trwa co najmniej kilka minut.",
    "Należy uwzględnić każdy sposób porozumiewania się badanego: mowę, gest, obrazek i pismo.",
    "Kontakt warto nawiązywać spokojnie, bez pośpiechu i z zachowaniem dystansu, który badany "
    "akceptuje.",
};

QString u(const char* s) {
    return QString::fromUtf8(s);
}

int areaIndex(int item) {
    return lun4::indexOf(lun4::areaOf(item));
}
int scaleIndex(int item) {
    return lun4::indexOf(lun4::scaleOf(item));
}

void caption(QPainter& p, QPoint at, const QString& s) {
    QFont f = sans(12, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    text(p, QRect(at, QSize(500, 16)), Qt::AlignLeft | Qt::AlignVCenter, s, f, colour::accent);
}

// Item name on one line if a readable size allows, else on two; returns the bottom.
int itemHeading(QPainter& p, const QRect& r, const QString& name, int largest) {
    for (int px = largest; px >= largest - 5; --px) {
        const QFont f = sans(px, true);
        if (QFontMetrics(f).horizontalAdvance(name) <= r.width()) {
            text(p, QRect(r.left(), r.top(), r.width(), px + 8), Qt::AlignLeft | Qt::AlignVCenter,
                 name, f, colour::ink);
            return r.top() + px + 8;
        }
    }
    const int used = paragraph(p, r, name, sans(largest - 5, true), colour::ink);
    return r.top() + used;
}

void footer(QPainter& p, QSize page, const QString& file) {
    hline(p, 20, page.width() - 20, page.height() - 32, colour::line);
    text(p, QRect(20, page.height() - 27, page.width() - 40, 20), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Ta strona jest zwykłym plikiem danych programu (%1) — placówka może "
                        "zastąpić ją własną.")
             .arg(file),
         sans(11), colour::inkFaint);
}

QString placeLine(int item) {
    return areaName(areaIndex(item)) + QStringLiteral("  ·  skala: ") +
           scaleTitle(scaleIndex(item));
}

QImage taskPage(int item) {
    const QSize size = kTaskPage.size();
    QImage image = blank(size, colour::card);
    QPainter p(&image);
    begin(p);
    // The top strip stays visible when the key or advice panel covers the rest of the page.
    caption(p, QPoint(24, 9),
            QStringLiteral("OPIS ZADANIA  ·  POZYCJA %1 Z %2").arg(item).arg(lun4::kItemCount));
    const QRect badge(24, 36, 64, 52);
    roundedBox(p, badge, 10, colour::accent);
    text(p, badge, Qt::AlignCenter, QString::number(item), sans(item > 99 ? 24 : 28, true),
         Qt::white);
    const int titleBottom =
        itemHeading(p, QRect(106, 32, size.width() - 130, 48), itemTitle(item), 23);
    text(p, QRect(106, qMax(titleBottom + 2, 68), size.width() - 130, 20),
         Qt::AlignLeft | Qt::AlignVCenter, placeLine(item), sans(13), colour::inkSoft);
    hline(p, 24, size.width() - 24, 104, colour::line);

    const int area = areaIndex(item), scale = scaleIndex(item);
    const QRect left(24, 118, 420, 310);
    caption(p, left.topLeft(), QStringLiteral("CO OBSERWUJEMY"));
    int y = left.top() + 24;
    const QString focus = QStringLiteral("Pozycja „%1” należy do skali „%2”. ")
                              .arg(itemTitle(item), scaleTitle(scale)) +
                          u(kScaleFocus[scale]);
    y += paragraph(p, QRect(left.left(), y, left.width(), 200), focus, sans(15), colour::ink, 4);
    y += 20;
    caption(p, QPoint(left.left(), y), QStringLiteral("JAK ZEBRAĆ INFORMACJE"));
    y += 24;
    paragraph(p, QRect(left.left(), y, left.width(), 200), u(kAreaSource[area]), sans(15),
              colour::ink, 4);

    const QRect right(472, 118, size.width() - 24 - 472, 310);
    caption(p, right.topLeft(), QStringLiteral("OCENA"));
    y = right.top() + 24;
    for (const Level& level : kLevels) {
        const QColor tone = scoreColour(level.code);
        const int top = y;
        scoreDot(p, QPointF(right.left() + 9, y + 10), 8, level.code);
        text(p, QRect(right.left() + 24, y, right.width() - 24, 20),
             Qt::AlignLeft | Qt::AlignVCenter, u(level.name), sans(15, true), colour::ink);
        y += 24;
        y += paragraph(p, QRect(right.left() + 24, y, right.width() - 24, 80), u(level.task),
                       sans(13), colour::inkSoft, 2);
        p.fillRect(QRect(right.left() + 8, top + 22, 2, y - top - 22), lighter(tone, 0.45));
        y += 16;
    }
    footer(p, size, QStringLiteral("Zad/z%1.asd").arg(item));
    return image;
}

int helpHeader(QPainter& p, QSize size, int item, const QString& kind) {
    caption(p, QPoint(20, 14), kind);
    const QString title = QStringLiteral("%1. %2").arg(item).arg(itemTitle(item));
    const int bottom = itemHeading(p, QRect(20, 32, size.width() - 40, 44), title, 20);
    text(p, QRect(20, bottom, size.width() - 40, 18), Qt::AlignLeft | Qt::AlignVCenter,
         placeLine(item), sans(12), colour::inkSoft);
    hline(p, 20, size.width() - 20, bottom + 26, colour::line);
    return bottom + 38;
}

QImage keyPage(int item) {
    const QSize size = kHelpPage.size();
    QImage image = blank(size, colour::card);
    QPainter p(&image);
    begin(p);
    int y = helpHeader(p, size, item, QStringLiteral("KLUCZ OCENY"));
    const QString basis =
        areaIndex(item) == 0
            ? QStringLiteral(
                  "Ocenę ustala się na podstawie tego, co badany rzeczywiście wykonał w czasie "
                  "badania, a nie tego, co według innych osób potrafi.")
            : QStringLiteral(
                  "Ocenę ustala się na podstawie rozmowy z rodzicami lub opiekunami i, gdy to "
                  "możliwe, własnej obserwacji: liczy się to, jak badany zwykle funkcjonuje.");
    y += paragraph(p, QRect(20, y, size.width() - 40, 60), basis, sans(14), colour::ink, 2) + 12;
    for (const Level& level : kLevels) {
        const int top = y;
        const QRect body(190, y + 8, size.width() - 20 - 190 - 12, 80);
        const int h = qMax(40, paragraph(p, body, u(level.key), sans(13), colour::ink, 2) + 16);
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(20, top, size.width() - 40, h), lighter(scoreColour(level.code), 0.86));
        p.fillRect(QRect(20, top, 4, h), scoreColour(level.code));
        p.restore();
        paragraph(p, body, u(level.key), sans(13), colour::ink, 2);
        scoreDot(p, QPointF(44, top + h / 2.0), 8, level.code);
        text(p, QRect(60, top, 126, h), Qt::AlignLeft | Qt::AlignVCenter, u(level.name),
             sans(14, true), colour::ink);
        y = top + h + 6;
    }
    paragraph(
        p, QRect(20, y + 8, size.width() - 40, 60),
        QStringLiteral(
            "Przy ocenie „pojawiające się” i „niezaliczone” program proponuje wskazania do pracy."),
        sans(13), colour::inkSoft, 2);
    footer(p, size, QStringLiteral("Klu/k%1.asd").arg(item));
    return image;
}

QImage advicePage(int item) {
    const QSize size = kHelpPage.size();
    QImage image = blank(size, colour::card);
    QPainter p(&image);
    begin(p);
    int y = helpHeader(p, size, item, QStringLiteral("PORADY DO OBSERWACJI"));
    QStringList points;
    for (const char* s : kAdvice) points << u(s);
    points << u(kScaleAdvice[scaleIndex(item)]);
    for (const QString& point : points) {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(colour::accent);
        p.drawEllipse(QPointF(27, y + 9), 3, 3);
        p.restore();
        y += paragraph(p, QRect(40, y, size.width() - 60, 60), point, sans(14), colour::ink, 2) + 9;
    }
    footer(p, size, QStringLiteral("Pom/p%1.asd").arg(item));
    return image;
}

}  // namespace

// The items that have an advice page.
constexpr int kAdviceItems[] = {1,  2,  3,  6,  8,  11, 12, 14, 15, 16,
                                18, 20, 22, 27, 28, 30, 37, 39, 45};

void makePages(Output& out) {
    for (int k = 1; k <= lun4::kItemCount; ++k)
        out.jpeg(QStringLiteral("Data/BMP/Zad/z%1.asd").arg(k), taskPage(k));
    for (int k = 1; k <= 73; ++k)
        out.jpeg(QStringLiteral("Data/BMP/Klu/k%1.asd").arg(k), keyPage(k));
    for (int k : kAdviceItems)
        out.jpeg(QStringLiteral("Data/BMP/Pom/p%1.asd").arg(k), advicePage(k));
}

}  // namespace datagen
