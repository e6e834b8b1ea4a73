#pragma once
// Shared between the parts of the generator: button drawing, the pieces several screens
// repeat, the catalogue's texts in Unicode, and the entry points of each group of files.

#include <QString>
#include <functional>
#include <optional>

#include "output.h"
#include "paint.h"

namespace datagen {

enum class State { Normal, Hover, Pressed };

// What a button's content is drawn with in one state.
struct Skin {
    QColor fill;
    QColor ink;
    State state;
};

struct Look {
    QColor base;
    QColor ink;
    QColor backdrop;  // the colour around the rounded corners, i.e. where the button sits
    qreal radius = 8;
    bool tile = false;  // light tiles get an accent outline when lit
};

Look primary(const QColor& backdrop = colour::background);
Look secondary(const QColor& backdrop = colour::background);
Look danger(const QColor& backdrop = colour::background);
Look tile(const QColor& backdrop = colour::background);

using Content = std::function<void(QPainter&, const QRect& face, const Skin&)>;

// Normal, hover (lighter) and pressed (darker, content one pixel down and right).
ButtonImages drawButton(QSize size, const Look& look, const Content& content);
// Icon and label centred as one group.
ButtonImages labelButton(QSize size, const Look& look, const QString& label,
                         std::optional<Icon> glyph = std::nullopt, int pixelSize = 16,
                         bool glyphAfter = false);

// The score dot of the item lists: 'b' not scored, 'g', 'y', 'r'.
void scoreDot(QPainter& p, const QPointF& centre, qreal radius, char code);
QColor scoreColour(char code);

// The labelled panel behind the examinee's name and examination date, in screen
// coordinates (the program writes the two texts into it); the main menu's has a third line
// for how many items are scored.
void namePanel(QPainter& p, bool withScoredLine = false);
// The mark of the program: a rounded square with three rising bars (the three observation
// areas); the documents' logo and the program's icon.
void programMark(QPainter& p, const QRectF& r, const QColor& square, const QColor& bars);
// Small program mark used in headers: "LUN4_TORVA" with a teal square.
void brandMark(QPainter& p, QPoint topLeft, int pixelSize);

// Catalogue texts as Unicode.
QString itemTitle(int item);    // without the stray leading blank some names carry
QString areaName(int area);     // 0..2
QString scaleTitle(int scale);  // 0..5
Icon areaIcon(int area);
Icon scaleIcon(int scale);

// The first picture the frame shows, before the entry screen is composed.
QImage startScreen();

void makeButtons(Output& out);
void makeScreens(Output& out);
void makeDialogs(Output& out);
void makePages(Output& out);
void makeAids(Output& out);
void makeReportPictures(Output& out);
void makeKeyHints(Output& out);
// The settings screen, its buttons and the restore list (after the dialogs: it needs the grey
// screen).
void makeSettings(Output& out);
// Mock screens composed the way the program composes them, for looking at the style.
bool writeMockups(const Output& out, const QString& folder);

}  // namespace datagen
