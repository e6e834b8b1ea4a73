#include "ui/qt/qt_surface.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "ui/qt/qt_fonts.h"

namespace lun4::ui {
namespace {

QRgb at(const QtSurface& s, int x, int y) {
    return s.image().pixel(x, y) & 0xFFFFFF;
}

TEST(QtSurfaceTest, BoxCoversLeftToRightMinusOneWithItsOutline) {
    QtSurface s;
    s.fill({0, 0, 1024, 768}, kWhite);
    s.setFillColour({55, 181, 55});
    s.setLineColour(kBlack);
    s.box({10, 20, 30, 40});
    EXPECT_EQ(at(s, 10, 20), 0x000000u);
    EXPECT_EQ(at(s, 29, 39), 0x000000u);
    EXPECT_EQ(at(s, 30, 39), 0xFFFFFFu);
    EXPECT_EQ(at(s, 29, 40), 0xFFFFFFu);
    EXPECT_EQ(at(s, 15, 25), qRgb(55, 181, 55) & 0xFFFFFFu);
}

TEST(QtSurfaceTest, LineLeavesItsEndPointUnset) {
    QtSurface s;
    s.fill({0, 0, 1024, 768}, kWhite);
    s.line(5, 5, 15, 5, 1, kBlack);
    EXPECT_EQ(at(s, 5, 5), 0u);
    EXPECT_EQ(at(s, 14, 5), 0u);
    EXPECT_EQ(at(s, 15, 5), 0xFFFFFFu);
    s.line(40, 40, 40, 30, 1, kRed);
    EXPECT_EQ(at(s, 40, 31), 0xFF0000u);
    EXPECT_EQ(at(s, 40, 30), 0xFFFFFFu);
}

TEST(QtSurfaceTest, TextIsClippedToItsRectangle) {
    QtSurface s;
    s.fill({0, 0, 1024, 768}, kWhite);
    s.setFont(FontId::Title);
    s.setTextColour(kBlack);
    s.setBackgroundMode(BackgroundMode::Transparent);
    s.drawText("WWWWWWWWWWWWWWWWWWWW", {100, 100, 140, 124}, text::kLeft | text::kSingleLine);
    bool inside = false;
    for (int x = 100; x < 140; ++x)
        for (int y = 100; y < 124; ++y) inside |= at(s, x, y) != 0xFFFFFFu;
    EXPECT_TRUE(inside);
    for (int y = 95; y < 130; ++y) EXPECT_EQ(at(s, 141, y), 0xFFFFFFu) << y;
}

TEST(QtFontsTest, CellHeightIsAscentPlusDescent) {
    for (FontId id :
         {FontId::Title, FontId::Item, FontId::ReportBody, FontId::List, FontId::ReportSmallBold}) {
        const QFontMetrics m(qtFont(id));
        EXPECT_LE(m.ascent() + m.descent(), fontSpec(id).cellHeight);
        EXPECT_GE(m.ascent() + m.descent(), fontSpec(id).cellHeight - 2);
    }
    EXPECT_EQ(toQString("\xB9\x9C\xA7"), QStringLiteral(u"ąś§"));
}

}  // namespace
}  // namespace lun4::ui
