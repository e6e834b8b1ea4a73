// The pictures of the document previews: the preview background with its dark title band, the
// title strips laid on that band, the caption of the full-page chart view, and the program's
// logo that the chart and the summary form carry on paper.

#include <QFontMetrics>

#include "art.h"
#include "layout.h"

namespace datagen {
namespace {

using namespace layout;

QImage previewBackground() {
    QImage image = blank(kScreen, colour::background);
    QPainter p(&image);
    begin(p);
    // The band carries the title strip and the white page label; it is one flat colour so
    // that the strips, drawn over it, sit on it without a seam.
    p.fillRect(QRect(0, 0, kScreen.width(), kPreviewBandHeight), colour::accentDark);
    programMark(p, QRectF(24, 14, 24, 24), Qt::white, colour::accentDark);
    text(p, QRect(58, 0, 240, kPreviewBandHeight), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("LUN4_TORVA"), sans(17, true), Qt::white);
    // The page lies on a white sheet in the middle; the buttons stand below it.
    card(p, kPreviewSheet, 6);
    return image;
}

// A title strip for the band: icon and title in white.
QImage titleStrip(const QString& title, Icon glyph) {
    QImage image = blank(kTitleStrip, colour::accentDark);
    QPainter p(&image);
    begin(p);
    const QFont f = fitted(title, kTitleStrip.width() - 44, 20, true);
    const int w = QFontMetrics(f).horizontalAdvance(title);
    const int left = (kTitleStrip.width() - 30 - w) / 2;
    icon(p, glyph, QRectF(left, (kTitleStrip.height() - 22) / 2.0, 22, 22), Qt::white, 1.8);
    text(p, QRect(left + 30, 0, w + 2, kTitleStrip.height()), Qt::AlignLeft | Qt::AlignVCenter,
         title, f, Qt::white);
    return image;
}

// The caption of the full-page view, on the white around the miniature sheet.
QImage viewCaption() {
    QImage image = blank(kViewCaption, Qt::white);
    QPainter p(&image);
    begin(p);
    icon(p, Icon::Eye, QRectF(2, (kViewCaption.height() - 20) / 2.0, 20, 20), colour::accent, 1.7);
    text(p, QRect(30, 0, kViewCaption.width() - 30, kViewCaption.height()),
         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Podgląd wydruku"), sans(17, true),
         colour::accentDark);
    return image;
}

// The logo printed on the reports: white ground, so that it sits on the paper.
QImage logo() {
    QImage image = blank(kLogo, Qt::white);
    QPainter p(&image);
    begin(p);
    programMark(p, QRectF(4, 8, 40, 40), colour::accent, Qt::white);
    text(p, QRect(52, 6, 70, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("LUN4"),
         sans(24, true), colour::accentDark);
    QFont small = sans(12, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    text(p, QRect(53, 32, 70, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TORVA"), small,
         colour::inkSoft);
    return image;
}

}  // namespace

void makeReportPictures(Output& out) {
    out.bmp("Data/skala1.bmp", previewBackground());
    out.bmp("Data/opisF.bmp",
            titleStrip(QStringLiteral("Zbiorczy formularz wyników"), Icon::Clipboard));
    out.bmp("Data/opisE.bmp", titleStrip(QStringLiteral("Raport opisowy"), Icon::Document));
    out.bmp("Data/opisP.bmp", titleStrip(QStringLiteral("Pomoce"), Icon::Pictures));
    out.bmp("Data/opisPor.bmp", titleStrip(QStringLiteral("Porównanie badań"), Icon::Chart));
    out.bmp("Data/view.bmp", viewCaption());
    out.bmp("Data/logo.bmp", logo());
}

}  // namespace datagen
