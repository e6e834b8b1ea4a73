#include <gtest/gtest.h>

#include <QFontMetrics>

#include "ui/qt/qt_fonts.h"

namespace lun4::ui {
namespace {

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
