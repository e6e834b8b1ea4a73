// Every button of the data folder: the main menu, area menus, item screens, dialogs, the
// file list and the print menu.

#include <QFontMetrics>

#include "art.h"
#include "layout.h"

namespace datagen {
namespace {

using namespace layout;

ButtonImages areaTile(int area) {
    static const char* kSubtitle[3] = {"w czasie badania", "codzienne życie w domu",
                                       "szkoła, zajęcia, praca"};
    static const char* kCount[3] = {"6 skal · 72 pozycje", "6 skal · 48 pozycji",
                                    "6 skal · 48 pozycji"};
    return drawButton(kAreaTile, tile(), [area](QPainter& p, const QRect& f, const Skin& s) {
        const QPointF centre(f.center().x() + 0.5, f.top() + 76);
        p.save();
        p.setPen(QPen(colour::tintLine, 1.0));
        p.setBrush(Qt::white);
        p.drawEllipse(centre, 40, 40);
        p.restore();
        icon(p, areaIcon(area), QRectF(centre.x() - 24, centre.y() - 24, 48, 48), colour::accent,
             2.2);
        // "Obszar obserwacji" on the first line, so that no one-letter word ends a line.
        QString title = areaName(area);
        const int second = title.indexOf(QChar(' '), title.indexOf(QChar(' ')) + 1);
        if (second > 0) title[second] = QChar('\n');
        text(p, QRect(f.left() + 14, f.top() + 128, f.width() - 28, 52),
             Qt::AlignHCenter | Qt::AlignTop, title, sans(20, true), s.ink);
        text(p, QRect(f.left() + 14, f.top() + 186, f.width() - 28, 20), Qt::AlignCenter,
             QString::fromUtf8(kSubtitle[area]), sans(14), colour::inkSoft);
        text(p, QRect(f.left() + 14, f.top() + 208, f.width() - 28, 20), Qt::AlignCenter,
             QString::fromUtf8(kCount[area]), sans(13), colour::inkFaint);
    });
}

ButtonImages scaleTile(int scale) {
    return drawButton(kScaleTile, tile(), [scale](QPainter& p, const QRect& f, const Skin& s) {
        text(p, QRect(f.left(), f.top() + 14, f.width(), 18), Qt::AlignCenter,
             QStringLiteral("SKALA %1").arg(scale + 1), sans(12, true), colour::inkSoft);
        const QPointF centre(f.center().x() + 0.5, f.top() + 80);
        p.save();
        p.setPen(QPen(colour::tintLine, 1.0));
        p.setBrush(Qt::white);
        p.drawEllipse(centre, 36, 36);
        p.restore();
        icon(p, scaleIcon(scale), QRectF(centre.x() - 22, centre.y() - 22, 44, 44), colour::accent,
             2.2);
        text(p, QRect(f.left() + 14, f.top() + 130, f.width() - 28, 70),
             Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, scaleTitle(scale), sans(19, true),
             s.ink);
    });
}

// The item row: a light badge on the left for the number (the program writes it centred in
// x + 30 .. x + 85, y + 11 .. y + 28) and a teal field for the white label (x + 123 ..).
ButtonImages itemRow() {
    return drawButton(kItemRow, primary(colour::card),
                      [](QPainter& p, const QRect& f, const Skin& s) {
                          QColor badge = colour::tint;
                          if (s.state == State::Hover) badge = lighter(badge, 0.5);
                          if (s.state == State::Pressed) badge = darker(badge, 0.08);
                          roundedBox(p, QRectF(f.left() + 5, f.top() + 5, 105, 30), 6, badge);
                          p.save();
                          p.setPen(QPen(darker(s.fill, 0.2), 1.0));
                          p.drawLine(QPointF(f.left() + 116.5, f.top() + 9),
                                     QPointF(f.left() + 116.5, f.bottom() - 8));
                          p.restore();
                      });
}

ButtonImages scoreButton(char code) {
    static const char* kLabels[] = {"Zaliczone", "Pojawiające się", "Niezaliczone"};
    const int index = code == 'g' ? 0 : code == 'y' ? 1 : 2;
    const Icon glyph = code == 'g' ? Icon::Check : code == 'y' ? Icon::HalfCircle : Icon::Cross;
    Look look{scoreColour(code), code == 'y' ? QColor(74, 52, 6) : QColor(Qt::white), colour::card,
              10};
    return drawButton(kScore, look, [&](QPainter& p, const QRect& f, const Skin& s) {
        icon(p, glyph, QRectF(f.center().x() - 15.5, f.top() + 13, 32, 32), s.ink, 3.0);
        const QString label = QString::fromUtf8(kLabels[index]);
        text(p, QRect(f.left() + 4, f.top() + 52, f.width() - 8, 26), Qt::AlignCenter, label,
             fitted(label, f.width() - 18, 15, true), s.ink);
        if (s.state == State::Pressed) {
            // The current score stays pressed on the item page: a ring marks it as chosen.
            p.save();
            p.setPen(QPen(QColor(255, 255, 255, 170), 2.0));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(f).adjusted(3.5, 3.5, -4.5, -4.5), 7, 7);
            p.restore();
        }
    });
}

}  // namespace

void makeButtons(Output& out) {
    const QColor white = colour::card;
    // Entry screen and main menu.
    out.button("Data/BMP/wej",
               labelButton(kEnter, primary(white), QStringLiteral("Rozpocznij pracę"),
                           Icon::ArrowRight, 20, true));
    out.button("Data/BMP/nowe", labelButton(kMenuButton, primary(), QStringLiteral("Nowe badanie"),
                                            Icon::NewDocument));
    out.button("Data/BMP/zapisz",
               labelButton(kMenuButton, primary(), QStringLiteral("Zapisz"), Icon::Disk));
    out.button("Data/BMP/wczytaj",
               labelButton(kMenuButton, primary(), QStringLiteral("Wczytaj"), Icon::Folder));
    out.button("Data/BMP/edycja",
               labelButton(kMenuButton, primary(), QStringLiteral("Dane badanego"), Icon::Pencil));
    out.button("Data/BMP/drukuj", labelButton(kPrintMenuButton, primary(),
                                              QStringLiteral("Drukowanie"), Icon::Printer, 17));
    out.button("Data/BMP/zakoncz",
               labelButton(kQuit, secondary(white), QStringLiteral("Zakończ"), Icon::Power));
    for (int a = 0; a < 3; ++a) {
        out.button(QStringLiteral("Data/BMP/obszar%1").arg(a + 1), areaTile(a));
        Look info = tile();
        info.radius = 8;
        out.button(QStringLiteral("Data/BMP/opis_o%1").arg(a + 1),
                   labelButton(kAreaInfo, info, QStringLiteral("Opis obszaru"), Icon::Info, 15));
    }
    // Area menus.
    for (int s = 0; s < 6; ++s) out.button(QStringLiteral("Data/BMP/%1").arg(s + 1), scaleTile(s));
    // Navigation shared by the lists, the item page and the previews.
    out.button("Data/BMP/powrot",
               labelButton(kBack, secondary(), QStringLiteral("Powrót"), Icon::ArrowLeft));
    out.button("Data/BMP/poprzednie",
               labelButton(kPageStep, primary(), QStringLiteral("Poprzednia"), Icon::ArrowLeft));
    out.button("Data/BMP/nastepne", labelButton(kPageStep, primary(), QStringLiteral("Następna"),
                                                Icon::ArrowRight, 16, true));
    out.button("Data/BMP/ok", labelButton(kDialogButton, primary(white), QStringLiteral("OK")));
    out.button("Data/BMP/anuluj",
               labelButton(kDialogButton, secondary(white), QStringLiteral("Anuluj")));
    // Item lists and the item page.
    out.button("Data/BMP/przycisk", itemRow());
    out.button("Data/BMP/green", scoreButton('g'));
    out.button("Data/BMP/yellow", scoreButton('y'));
    out.button("Data/BMP/red", scoreButton('r'));
    out.button("Data/BMP/klucz",
               labelButton(kHelpButton, primary(), QStringLiteral("Klucz oceny"), Icon::Key, 15));
    out.button("Data/BMP/porady",
               labelButton(kHelpButton, primary(), QStringLiteral("Porady"), Icon::Bulb, 15));
    out.button("Data/BMP/edycja_zad", labelButton(kRecommendation, primary(),
                                                  QStringLiteral("Wskazania"), Icon::Clipboard));
    out.button("Data/BMP/prawo",
               labelButton(kItemStep, primary(), QString(), Icon::ArrowRight, 22));
    out.button("Data/BMP/lewo", labelButton(kItemStep, primary(), QString(), Icon::ArrowLeft, 22));
    // Dialogs, the file list and the print menu (folder Data).
    out.button("Data/tak", labelButton(kDialogButton, primary(white), QStringLiteral("Tak")));
    out.button("Data/nie", labelButton(kDialogButton, danger(white), QStringLiteral("Nie")));
    out.button("Data/dalej", labelButton(kOpenDocument, primary(white), QStringLiteral("Otwórz"),
                                         Icon::ArrowRight, 16, true));
    out.button("Data/pomoce",
               labelButton(kAids, primary(), QStringLiteral("Pomoce"), Icon::Pictures));
    out.button("Data/podglad",
               labelButton(kPreviewButton, primary(), QStringLiteral("Podgląd"), Icon::Document));
    out.button("Data/drukuj",
               labelButton(kPreviewButton, primary(), QStringLiteral("Drukuj"), Icon::Printer));
    // No pictogram: the label alone fills the room between "Drukuj" and "Poprzednia".
    out.button("Data/do_edycji",
               labelButton(kSaveForEditing, primary(), QStringLiteral("Zapisz do edycji")));
    out.button("Data/arkusz", labelButton(kScoresSheet, primary(),
                                          QStringLiteral("Wyniki do arkusza"), Icon::Sheet));
    out.button("Data/porownanie",
               labelButton(kCompareButton, primary(),
                           QStringLiteral("Porównanie z poprzednim badaniem"), Icon::Chart));
    out.button("Data/nowe_osoba",
               labelButton(kReassess, primary(white), QStringLiteral("Nowe badanie tej osoby"),
                           Icon::Person));
    out.button("Data/porownaj",
               labelButton(kListButton, primary(white), QStringLiteral("Porównaj"), Icon::Chart));
    out.button("Data/porownanie_csv",
               labelButton(kCompareSheet, primary(), QStringLiteral("Do arkusza"), Icon::Sheet));
    Look arrow = primary(white);
    arrow.radius = 5;
    out.button("Data/u", labelButton(kListArrow, arrow, QString(), Icon::TriangleUp, 16));
    out.button("Data/d", labelButton(kListArrow, arrow, QString(), Icon::TriangleDown, 16));
    out.button("Data/wczytaj",
               labelButton(kListButton, primary(white), QStringLiteral("Wczytaj"), Icon::Folder));
    out.button("Data/usun",
               labelButton(kListButton, danger(white), QStringLiteral("Usuń"), Icon::Trash));
    out.button("Data/zamknij",
               labelButton(kListButton, secondary(white), QStringLiteral("Zamknij"), Icon::Cross));
}

}  // namespace datagen
