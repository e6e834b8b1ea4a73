// The keys each screen takes, said quietly where the screen has room: key caps in the page's
// colours, each followed by what it does.

#include <QFontMetrics>
#include <algorithm>
#include <vector>

#include "art.h"
#include "layout.h"

namespace datagen {
namespace {

using namespace layout;

// Keys of one step and what they do. A key written "Ctrl+S" is drawn as two caps with "+".
struct KeyStep {
    std::vector<QString> keys;
    QString does;
};

const QFont& capFont() {
    static const QFont f = sans(12, true);
    return f;
}
const QFont& wordFont() {
    static const QFont f = sans(13);
    return f;
}

constexpr int kCapHeight = 20;

// Arrows are drawn larger than letters, so that they read at a glance.
bool isArrow(const QString& key) {
    return key == QStringLiteral("←") || key == QStringLiteral("→") || key == QStringLiteral("↑") ||
           key == QStringLiteral("↓");
}
const QFont& arrowFont() {
    static const QFont f = sans(17, true);
    return f;
}

int capWidth(const QString& key) {
    return std::max(kCapHeight, QFontMetrics(capFont()).horizontalAdvance(key) + 12);
}

// A key cap with its top-left at (x, top); returns its width.
int cap(QPainter& p, int x, int top, const QString& key) {
    const int w = capWidth(key);
    const QRectF face(x + 0.5, top + 0.5, w - 1, kCapHeight - 2);
    roundedBox(p, face.translated(0, 1), 4, colour::fieldLine);  // the cap's lower edge
    roundedBox(p, face, 4, colour::card, colour::fieldLine);
    text(p, QRect(x, top - (isArrow(key) ? 1 : 0), w, kCapHeight - 1), Qt::AlignCenter, key,
         isArrow(key) ? arrowFont() : capFont(), colour::ink);
    return w;
}

// The caps of one step ("Ctrl+S" as Ctrl + S); returns the width taken.
int caps(QPainter& p, int x, int top, const std::vector<QString>& keys) {
    const int start = x;
    for (size_t k = 0; k < keys.size(); ++k) {
        if (k > 0) x += 3;
        const QStringList parts = keys[k].split(QLatin1Char('+'));
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0) {
                const int plus = QFontMetrics(wordFont()).horizontalAdvance(QLatin1Char('+')) + 4;
                text(p, QRect(x, top, plus, kCapHeight), Qt::AlignCenter, QStringLiteral("+"),
                     wordFont(), colour::inkSoft);
                x += plus;
            }
            x += cap(p, x, top, parts[i]);
        }
    }
    return x - start;
}

int wordsWidth(const QString& s) {
    return QFontMetrics(wordFont()).horizontalAdvance(s);
}

// The steps on one line, separated by a dot: "[Z] [P] [N] – ocena i następna · ...".
QImage hintLine(QSize size, const std::vector<KeyStep>& steps) {
    QImage image = blank(size, colour::background);
    QPainter p(&image);
    begin(p);
    const int top = (size.height() - kCapHeight) / 2;
    int x = 0;
    for (size_t i = 0; i < steps.size(); ++i) {
        if (i > 0) {
            const QString dot = QStringLiteral("  ·  ");
            text(p, QRect(x, 0, wordsWidth(dot), size.height()), Qt::AlignCenter, dot, wordFont(),
                 colour::inkFaint);
            x += wordsWidth(dot);
        }
        x += caps(p, x, top, steps[i].keys);
        const QString words = QStringLiteral(" – ") + steps[i].does;
        text(p, QRect(x, 0, wordsWidth(words) + 2, size.height()), Qt::AlignLeft | Qt::AlignVCenter,
             words, wordFont(), colour::inkSoft);
        x += wordsWidth(words);
    }
    return image;
}

// The steps one under the other on a card, under the caption "KLAWISZE".
QImage hintCard(QSize size, const std::vector<KeyStep>& steps) {
    QImage image = blank(size, colour::background);
    QPainter p(&image);
    begin(p);
    const QRect r(0, 0, size.width() - 5, size.height() - 5);
    card(p, r, 10);
    QFont f = sans(12, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    text(p, QRect(14, 12, 200, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KLAWISZE"), f,
         colour::inkSoft);
    int y = 38;
    for (const KeyStep& step : steps) {
        const int w = caps(p, 14, y, step.keys);
        text(p, QRect(14 + w + 6, y, r.width() - 20 - w - 6, kCapHeight),
             Qt::AlignLeft | Qt::AlignVCenter, step.does, wordFont(), colour::ink);
        y += kCapHeight + 6;
    }
    return image;
}

}  // namespace

void makeKeyHints(Output& out) {
    const QString left = QStringLiteral("←"), right = QStringLiteral("→");
    out.bmp("Data/BMP/klawisze_zad.bmp",
            hintLine(kItemHint, {{{QStringLiteral("Z"), QStringLiteral("P"), QStringLiteral("N")},
                                  QStringLiteral("ocena i następna")},
                                 {{left, right}, QStringLiteral("poprzednia/następna")},
                                 {{QStringLiteral("Enter")}, QStringLiteral("wskazania")},
                                 {{QStringLiteral("Esc")}, QStringLiteral("powrót")}}));
    // The note editor and the key and advice pages lie over the item page: their keys take
    // the item page's line.
    out.bmp("Data/BMP/klawisze_wskazania.bmp",
            hintLine(kItemHint, {{{QStringLiteral("Ctrl+Enter")}, QStringLiteral("OK, zapisz wskazania")},
                                 {{QStringLiteral("Esc")}, QStringLiteral("Anuluj, bez zapisywania")},
                                 {{QStringLiteral("Enter")}, QStringLiteral("nowy wiersz")}}));
    out.bmp("Data/BMP/klawisze_strona.bmp",
            hintLine(kItemHint, {{{QStringLiteral("Enter"), QStringLiteral("Esc")},
                                  QStringLiteral("powrót do pozycji")}}));
    out.bmp("Data/BMP/klawisze_lista.bmp",
            hintCard(kListHint, {{{QStringLiteral("↑"), QStringLiteral("↓")},
                                  QStringLiteral("wybór pozycji")},
                                 {{QStringLiteral("Enter")}, QStringLiteral("otwórz")},
                                 {{left, right}, QStringLiteral("skala")},
                                 {{QStringLiteral("Esc")}, QStringLiteral("powrót")}}));
    out.bmp("Data/BMP/klawisze_menu.bmp",
            hintLine(kMenuHint, {{{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                                  QStringLiteral("obszar")},
                                 {{QStringLiteral("Ctrl+S")}, QStringLiteral("zapisz")},
                                 {{QStringLiteral("Ctrl+O")}, QStringLiteral("wczytaj")},
                                 {{QStringLiteral("Ctrl+N")}, QStringLiteral("nowe badanie")},
                                 {{QStringLiteral("Ctrl+P")}, QStringLiteral("drukowanie")}}));
    out.bmp("Data/BMP/klawisze_obszar.bmp",
            hintLine(kAreaHint, {{{QStringLiteral("1"), QStringLiteral("…"), QStringLiteral("6")},
                                  QStringLiteral("skala")},
                                 {{QStringLiteral("Esc")}, QStringLiteral("powrót")}}));
}

}  // namespace datagen
