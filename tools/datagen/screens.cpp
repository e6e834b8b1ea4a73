// Full-screen backgrounds, the item screens' panels and indicators, the data form and the
// three area description pages.

#include <QFontMetrics>
#include <QLinearGradient>

#include "art.h"
#include "layout.h"

namespace datagen {
namespace {

using namespace layout;

const QRect kFull(QPoint(0, 0), kScreen);

void headerBand(QPainter& p, int height) {
    p.fillRect(QRect(0, 0, kScreen.width(), height), colour::band);
    hline(p, 0, kScreen.width(), height, colour::line);
}

void caption(QPainter& p, QPoint at, const QString& s, const QColor& c = colour::inkSoft) {
    QFont f = sans(12, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    text(p, QRect(at, QSize(400, 16)), Qt::AlignLeft | Qt::AlignVCenter, s, f, c);
}

void footerLine(QPainter& p, const QString& s) {
    hline(p, 40, kScreen.width() - 40, 662, colour::line);
    text(p, QRect(40, 732, 600, 20), Qt::AlignLeft | Qt::AlignVCenter, s, sans(13),
         colour::inkFaint);
}

const QString kTagline =
    QStringLiteral("Diagnoza funkcjonalna — obserwacja umiejętności praktycznych");

QImage entryScreen() {
    QImage image = blank(kScreen, colour::background);
    QPainter p(&image);
    begin(p);
    QLinearGradient g(0, 0, 0, kScreen.height());
    g.setColorAt(0, QColor(246, 248, 250));
    g.setColorAt(1, QColor(226, 233, 239));
    p.fillRect(kFull, g);
    const QRect panel(192, 96, 640, 560);
    card(p, panel, 16);
    // The program's mark, large.
    const QRectF mark(panel.center().x() - 36, panel.top() + 48, 72, 72);
    roundedBox(p, mark, 16, colour::accent);
    p.save();
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal x = mark.left() + 20 + 16 * i;
        p.drawLine(QPointF(x, mark.top() + 44 - 10 * i), QPointF(x, mark.top() + 54));
    }
    p.restore();
    text(p, QRect(panel.left(), panel.top() + 136, panel.width(), 56), Qt::AlignCenter,
         QStringLiteral("LUN4_TORVA"), sans(46, true), colour::accentDark);
    text(p, QRect(panel.left() + 40, panel.top() + 198, panel.width() - 80, 28), Qt::AlignCenter,
         kTagline, fitted(kTagline, panel.width() - 80, 20, false), colour::inkSoft);
    hline(p, panel.left() + 80, panel.right() - 80, panel.top() + 248, colour::line);
    static const char* kAreas[3] = {"Obserwacja\ndiagnosty", "Obserwacja\nw domu",
                                    "Obserwacja\nw szkole i pracy"};
    for (int a = 0; a < 3; ++a) {
        const int cx = panel.left() + 140 + 180 * a;
        const QPointF c(cx, panel.top() + 298);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(colour::tint);
        p.drawEllipse(c, 28, 28);
        p.restore();
        icon(p, areaIcon(a), QRectF(cx - 17, c.y() - 17, 34, 34), colour::accent, 2.0);
        text(p, QRect(cx - 85, panel.top() + 334, 170, 40), Qt::AlignHCenter | Qt::AlignTop,
             QString::fromUtf8(kAreas[a]), sans(14), colour::ink);
    }
    text(p, QRect(panel.left(), panel.top() + 392, panel.width(), 22), Qt::AlignCenter,
         QStringLiteral("6 skal funkcjonowania · 168 pozycji · ocena trzystopniowa"), sans(14),
         colour::inkFaint);
    text(p, QRect(0, 716, kScreen.width(), 20), Qt::AlignCenter, QStringLiteral("Wersja 1.0"),
         sans(13), colour::inkFaint);
    return image;
}

}  // namespace

QImage startScreen() {
    QImage image = blank(kScreen, colour::background);
    QPainter p(&image);
    begin(p);
    headerBand(p, 80);
    brandMark(p, QPoint(40, 27), 22);
    return image;
}

namespace {

QImage mainMenu() {
    QImage image = blank(kScreen, colour::background);
    QPainter p(&image);
    begin(p);
    headerBand(p, 80);
    brandMark(p, QPoint(40, 27), 22);
    p.fillRect(QRect(222, 28, 1, 26), colour::line);
    text(p, QRect(238, 27, 300, 28), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Menu główne"), sans(18), colour::inkSoft);
    caption(p, QPoint(kNew.x(), 98), QStringLiteral("BADANIE"));
    caption(p, QPoint(kNamePanel.left(), kNamePanel.top() - 21), QStringLiteral("OSOBA BADANA"));
    namePanel(p, true);
    caption(p, QPoint(kAreaX[0].x(), 228), QStringLiteral("OBSZARY OBSERWACJI"));
    const QString printHint =
        QStringLiteral("Profil wyników, arkusz podsumowania, raport opisowy, pomoce");
    text(p,
         QRect(kAreaX[0].x(), kPrintMenu.y(), kPrintMenu.x() - 16 - kAreaX[0].x(),
               kPrintMenuButton.height()),
         Qt::AlignRight | Qt::AlignVCenter, printHint, sans(14), colour::inkSoft);
    footerLine(p, kTagline);
    return image;
}

QImage greyScreen() {
    QImage image = blank(kScreen, colour::dimmed);
    QPainter p(&image);
    begin(p);
    brandMark(p, QPoint(40, 27), 18);
    caption(p, QPoint(kNamePanel.left(), kNamePanel.top() - 21), QStringLiteral("OSOBA BADANA"));
    namePanel(p);
    return image;
}

QImage areaMenu() {
    QImage image = blank(kScreen, colour::background);
    QPainter p(&image);
    begin(p);
    headerBand(p, 124);
    brandMark(p, QPoint(40, 22), 16);
    // The program writes the area title in red into kAreaTitle.
    text(p, QRect(0, 99, kScreen.width(), 18), Qt::AlignCenter,
         QStringLiteral("Wybierz skalę funkcjonowania"), sans(14), colour::inkSoft);
    footerLine(p, kTagline);
    return image;
}

QImage listScreen() {
    QImage image = blank(kScreen, colour::background);
    QPainter p(&image);
    begin(p);
    headerBand(p, 56);
    brandMark(p, QPoint(20, 19), 13);
    card(p, QRect(106, 58, 700, 602), 10);
    // Legend of the score dots under the scale heading.
    const QRect legend(kScaleHeadingAt.x(), 252, kScaleHeading.width(), 150);
    card(p, legend, 10);
    caption(p, legend.topLeft() + QPoint(14, 12), QStringLiteral("OCENA"));
    static const char kCodes[4] = {'g', 'y', 'r', 'b'};
    static const char* kNames[4] = {"zaliczone", "pojawiające się", "niezaliczone", "bez oceny"};
    for (int i = 0; i < 4; ++i) {
        const int y = legend.top() + 46 + 26 * i;
        scoreDot(p, QPointF(legend.left() + 24, y), 8, kCodes[i]);
        text(p, QRect(legend.left() + 40, y - 10, 116, 20), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8(kNames[i]), sans(13), colour::ink);
    }
    return image;
}

QImage scaleHeading(int scale) {
    QImage image = blank(kScaleHeading, colour::background);
    QPainter p(&image);
    begin(p);
    const QRect r(0, 0, kScaleHeading.width() - 5, kScaleHeading.height() - 5);
    card(p, r, 10);
    caption(p, QPoint(14, 12), QStringLiteral("SKALA %1").arg(scale + 1), colour::accent);
    const QPointF c(r.width() - 30, 22);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::tint);
    p.drawEllipse(c, 17, 17);
    p.restore();
    icon(p, scaleIcon(scale), QRectF(c.x() - 11, c.y() - 11, 22, 22), colour::accent, 1.8);
    // Every word of the name whole on its line: "Komunikatywność" takes a smaller type.
    const int width = r.width() - 24;
    QFont font = sans(17, true);
    for (const QString& word : scaleTitle(scale).split(QLatin1Char(' '))) {
        const QFont fits = fitted(word, width, 17, true, 12);
        if (fits.pixelSize() < font.pixelSize()) font = fits;
    }
    text(p, QRect(14, 46, width, r.height() - 54), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
         scaleTitle(scale), font, colour::ink);
    return image;
}

QImage indicator(char code) {
    QImage image = blank(kIndicator, colour::card);
    QPainter p(&image);
    begin(p);
    scoreDot(p, QPointF(18, 18), 13, code);
    return image;
}

QImage itemPage() {
    QImage image = blank(kScreen, colour::background);
    QPainter p(&image);
    begin(p);
    // Header card: area (red), scale and item title are written by the program.
    card(p, QRect(24, 12, 752, 130), 10);
    hline(p, 60, 740, 102, colour::line);
    // Frame of the task page.
    card(p, QRect(kTaskPage.adjusted(-4, -4, 4, 4)), 6);
    p.fillRect(kTaskPage, colour::card);
    text(p, QRect(40, 636, 580, 40), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
         QStringLiteral("Ocenę wybiera się przyciskiem po prawej stronie. Wskazania do pracy można "
                        "przejrzeć i zmienić przy ocenie „pojawiające się” lub „niezaliczone”."),
         sans(13), colour::inkSoft);
    return image;
}

QImage scorePanel() {
    QImage image = blank(kScorePanel, colour::background);
    QPainter p(&image);
    begin(p);
    roundedBox(p, QRect(QPoint(0, 0), kScorePanel), 12, colour::card, colour::line);
    return image;
}

// Panel laid over the item page for the key, the advice and the recommendation editor.
QImage overlayPanel(const QString& title, Icon glyph, bool editor) {
    QImage image = blank(kHelpPanel, colour::card);
    QPainter p(&image);
    begin(p);
    const QPoint origin = kHelpPanelAt;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(colour::fieldLine);
    p.drawRect(0, 0, kHelpPanel.width() - 1, kHelpPanel.height() - 1);
    p.fillRect(QRect(1, 1, kHelpPanel.width() - 2, 54), colour::accent);
    p.restore();
    icon(p, glyph, QRectF(24, 15, 26, 26), Qt::white, 2.0);
    text(p, QRect(62, 1, 600, 54), Qt::AlignLeft | Qt::AlignVCenter, title, sans(20, true),
         Qt::white);
    const QRect page = (editor ? kEditor : kHelpPage).translated(-origin);
    if (editor) {
        inputField(p, page);
        text(p, QRect(page.left(), page.bottom() + 8, 520, 20), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Wskazania trafiają do raportu opisowego."), sans(13), colour::inkSoft);
    } else {
        p.fillRect(page.adjusted(-1, -1, 1, 1), colour::line);
        p.fillRect(page, QColor(247, 249, 250));
    }
    return image;
}

void formLabel(QPainter& p, const QRect& field, const QString& s, bool left) {
    const QFont f = sans(15);
    if (left) {
        const int w = QFontMetrics(f).horizontalAdvance(s) + 2;
        text(p, QRect(field.left() - 10 - w, field.top() - 2, w, field.height() + 4),
             Qt::AlignRight | Qt::AlignVCenter, s, f, colour::ink);
    } else {
        text(p, QRect(field.left(), field.top() - 22, field.width(), 19),
             Qt::AlignLeft | Qt::AlignBottom, s, sans(15, true), colour::ink);
    }
}

QImage dataForm() {
    QImage image = blank(kScreen, colour::background);
    QPainter p(&image);
    begin(p);
    card(p, QRect(50, 12, 920, 748), 12);
    text(p, QRect(90, 30, 500, 40), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Dane osoby badanej"), sans(24, true), colour::accentDark);
    text(p, QRect(560, 30, 374, 40), Qt::AlignRight | Qt::AlignVCenter,
         QStringLiteral("Po wpisaniu danych zatwierdź przyciskiem OK."), sans(14), colour::inkSoft);
    hline(p, 90, 934, 78, colour::line);
    for (const QRect& r :
         {kFullName, kBirthDate, kExamDate, kHomeAddress, kContacts, kFacility, kSiblings,
          kGuardians, kAdditional, kDiagnostician, kPermit, kMaleBox, kFemaleBox}) {
        inputField(p, r);
    }
    formLabel(p, kFullName, QStringLiteral("Imię i nazwisko"), true);
    formLabel(p, kBirthDate, QStringLiteral("Data urodzenia"), true);
    formLabel(p, kExamDate, QStringLiteral("Data badania"), true);
    text(p, QRect(90, kMaleBox.top() - 5, 90, 23), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Płeć"), sans(15), colour::ink);
    text(p, QRect(kMaleBox.right() + 9, kMaleBox.top() - 5, 150, 23),
         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("mężczyzna"), sans(15), colour::ink);
    text(p, QRect(kFemaleBox.right() + 9, kFemaleBox.top() - 5, 150, 23),
         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("kobieta"), sans(15), colour::ink);
    hline(p, 90, 934, 172, colour::line);
    formLabel(p, kHomeAddress, QStringLiteral("Adres zamieszkania"), false);
    formLabel(p, kContacts, QStringLiteral("Telefony kontaktowe"), false);
    formLabel(p, kFacility, QStringLiteral("Placówka — nazwa i adres"), false);
    formLabel(p, kSiblings, QStringLiteral("Rodzeństwo"), false);
    formLabel(p, kGuardians, QStringLiteral("Rodzice lub opiekunowie"), false);
    formLabel(p, kAdditional, QStringLiteral("Informacje dodatkowe"), false);
    hline(p, 90, 934, 632, colour::line);
    formLabel(p, kDiagnostician, QStringLiteral("Diagnosta (imię i nazwisko)"), true);
    formLabel(p, kPermit, QStringLiteral("Nr uprawnień"), true);
    return image;
}

// Descriptions of the observation areas, drawn inside the "opisO" frame.
QImage areaDescription(int area) {
    static const char* kText[3] = {
        "Diagnosta sam obserwuje badanego podczas przygotowanych zadań, w spokojnym "
        "pomieszczeniu i bez pośpiechu. Ocenia to, co badany rzeczywiście wykonał w czasie "
        "badania: samodzielnie, z pomocą albo wcale. Każda skala obejmuje tu 12 pozycji, "
        "razem 72.",
        "Pozycje opisują codzienne funkcjonowanie badanego w domu: samoobsługę, obowiązki "
        "domowe, wolny czas, porozumiewanie się i kontakty z domownikami. Informacje pochodzą "
        "od rodziców lub opiekunów oraz, gdy to możliwe, z obserwacji w domu. Każda skala "
        "obejmuje 8 pozycji, razem 48.",
        "Pozycje opisują funkcjonowanie badanego w szkole, na warsztatach lub w miejscu pracy: "
        "wykonywanie zadań, samodzielność, przestrzeganie zasad i zachowanie w grupie. "
        "Informacje pochodzą od nauczyciela, instruktora lub opiekuna w pracy oraz z obserwacji "
        "zajęć. Każda skala obejmuje 8 pozycji, razem 48.",
    };
    QImage image = blank(kAreaInfoPage.size(), colour::card);
    QPainter p(&image);
    begin(p);
    const QPointF c(22, 22);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::tint);
    p.drawEllipse(c, 22, 22);
    p.restore();
    icon(p, areaIcon(area), QRectF(c.x() - 13, c.y() - 13, 26, 26), colour::accent, 2.0);
    text(p, QRect(56, 0, image.width() - 56, 44), Qt::AlignLeft | Qt::AlignVCenter, areaName(area),
         sans(20, true), colour::accentDark);
    const int used = paragraph(p, QRect(0, 58, image.width(), 140), QString::fromUtf8(kText[area]),
                               sans(15), colour::ink, 3);
    int y = 58 + used + 14;
    caption(p, QPoint(0, y), QStringLiteral("SKALE"));
    y += 22;
    // Two columns, scales 1-3 and 4-6; the first holds the longest name.
    for (int s = 0; s < 6; ++s) {
        const int x = s < 3 ? 0 : 262;
        const int row = y + (s % 3) * 20;
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(colour::accent);
        p.drawEllipse(QPointF(x + 4, row + 9), 2.5, 2.5);
        p.restore();
        text(p, QRect(x + 14, row, (s < 3 ? 262 : image.width() - 262) - 16, 18),
             Qt::AlignLeft | Qt::AlignVCenter, scaleTitle(s), sans(13), colour::inkSoft);
    }
    return image;
}

}  // namespace

void makeScreens(Output& out) {
    out.bmp("Data/BMP/entry.bmp", entryScreen());
    out.bmp("Data/BMP/tlo_glowne.bmp", mainMenu());
    out.bmp("Data/BMP/tlo.bmp", areaMenu());
    out.bmp("Data/tlo_gray.bmp", greyScreen());
    out.bmp("Data/BMP/tlo_zad.bmp", listScreen());
    out.bmp("Data/BMP/tlo_zad2.bmp", itemPage());
    out.bmp("Data/BMP/podswiatelka.bmp", scorePanel());
    for (int s = 0; s < 6; ++s)
        out.bmp(QStringLiteral("Data/BMP/n_%1.bmp").arg(s + 1), scaleHeading(s));
    out.bmp("Data/BMP/but_w.bmp", indicator('b'));
    out.bmp("Data/BMP/but_g.bmp", indicator('g'));
    out.bmp("Data/BMP/but_y.bmp", indicator('y'));
    out.bmp("Data/BMP/but_r.bmp", indicator('r'));
    out.bmp("Data/BMP/klucz.bmp", overlayPanel(QStringLiteral("Klucz oceny"), Icon::Key, false));
    out.bmp("Data/BMP/porady.bmp",
            overlayPanel(QStringLiteral("Porady do obserwacji"), Icon::Bulb, false));
    out.bmp("Data/BMP/wskazania_tlo.bmp",
            overlayPanel(QStringLiteral("Wskazania do pracy"), Icon::Clipboard, true));
    out.bmp("Data/edycja.bmp", dataForm());
    // The description buttons show these pictures crosswise: opis_o1 shows opis2.bmp,
    // opis_o2 shows opis3.bmp, opis_o3 shows opis1.bmp.
    out.bmp("Data/opis2.bmp", areaDescription(0));
    out.bmp("Data/opis3.bmp", areaDescription(1));
    out.bmp("Data/opis1.bmp", areaDescription(2));
}

}  // namespace datagen
