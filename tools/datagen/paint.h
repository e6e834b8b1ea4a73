#pragma once
// The house style of the data folder: one palette, two faces, and the few shapes every
// picture is built from (cards, rounded buttons, fitted text, line pictograms).

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace datagen {

namespace colour {
inline const QColor background{237, 241, 245};  // light blue-grey page
inline const QColor dimmed{224, 230, 236};      // behind dialogs and message screens
inline const QColor band{255, 255, 255};        // header and footer bands
inline const QColor card{255, 255, 255};
inline const QColor line{203, 211, 219};   // card outlines, dividers
inline const QColor field{255, 255, 255};  // input fields
inline const QColor fieldLine{150, 164, 176};
inline const QColor ink{33, 45, 54};
inline const QColor inkSoft{88, 102, 113};
inline const QColor inkFaint{137, 149, 159};
inline const QColor accent{38, 112, 122};  // muted teal, the one accent
inline const QColor accentDark{27, 84, 92};
inline const QColor tint{223, 237, 239};  // light teal for tiles and badges
inline const QColor tintLine{176, 207, 211};
inline const QColor slate{92, 108, 122};  // back, cancel, close
inline const QColor brick{164, 76, 68};   // delete
inline const QColor pass{64, 145, 90};
inline const QColor emerging{226, 178, 58};
inline const QColor fail{193, 79, 70};
inline const QColor unscored{250, 251, 252};
}  // namespace colour

QColor mix(const QColor& a, const QColor& b, double towardsB);
QColor lighter(const QColor& c, double amount = 0.16);
QColor darker(const QColor& c, double amount = 0.18);

// "Liberation Sans" stands in for Arial, "DejaVu Sans" for Tahoma.
QFont sans(int pixelSize, bool bold = false);
QFont tahoma(int pixelSize, bool bold = false);
// Largest pixel size from `pixelSize` down to `minimum` at which `text` is at most `width`.
QFont fitted(const QString& text, int width, int pixelSize, bool bold, int minimum = 9);

QImage blank(QSize size, const QColor& fill);
void begin(QPainter& p);  // antialiasing on, the same hints for every picture

void roundedBox(QPainter& p, const QRectF& r, qreal radius, const QColor& fill,
                const QColor& outline = QColor());
// A white card with a soft shadow below and to the right (the shadow needs 5 px there).
void card(QPainter& p, const QRect& r, qreal radius = 10, const QColor& fill = colour::card);
// An input field exactly at `r` (what a control laid over it will cover), outline outside.
void inputField(QPainter& p, const QRect& r);
void hline(QPainter& p, int x1, int x2, int y, const QColor& c);

// Text in a rectangle; returns the height it took.
int text(QPainter& p, const QRect& r, int flags, const QString& s, const QFont& f, const QColor& c);
// Word-wrapped paragraph from the top of `r`; returns the height it took.
int paragraph(QPainter& p, const QRect& r, const QString& s, const QFont& f, const QColor& c,
              int lineSpacing = 0);

enum class Icon {
    ArrowLeft,
    ArrowRight,
    TriangleUp,
    TriangleDown,
    Check,
    Cross,
    HalfCircle,
    NewDocument,
    Folder,
    Disk,
    Pencil,
    Printer,
    Power,
    Key,
    Bulb,
    Eye,
    House,
    School,
    Gear,
    Shirt,
    Ball,
    Briefcase,
    Speech,
    People,
    Person,
    Info,
    Document,
    Pictures,
    Trash,
    Clipboard,
    Chart,
    Calendar,
    Enter,
    Sheet,
};
// Line pictogram in a square box, drawn in one colour.
void icon(QPainter& p, Icon which, const QRectF& box, const QColor& c, qreal stroke = 2.0);

}  // namespace datagen
