#include "ui/gdi/gdi_fonts.h"

#include <gtest/gtest.h>

#include "model/cp1250.h"

namespace lun4::ui {
namespace {

// Every font of the table: its face, weight, underline and East European character set as
// asked, and GDI's cell (ascent plus descent) about the height the screens were laid out with.
TEST(GdiFonts, EveryFontHasItsFaceAndItsCellHeight) {
    const HDC dc = ::CreateCompatibleDC(nullptr);
    for (int i = 0; i < kFontCount; ++i) {
        const auto id = static_cast<FontId>(i);
        SCOPED_TRACE(i);
        const FontSpec& wanted = fontSpec(id);
        const LOGFONTW asked = gdiLogFont(id);
        EXPECT_EQ(asked.lfCharSet, EASTEUROPE_CHARSET);
        EXPECT_EQ(asked.lfWeight, wanted.weight == 0 ? FW_NORMAL : wanted.weight);
        EXPECT_EQ(asked.lfUnderline != 0, wanted.underline);
        const std::wstring face = asked.lfFaceName;
        if (wanted.face == Face::Arial) {
            EXPECT_EQ(face, L"Arial");
        } else {
            EXPECT_TRUE(face == L"Tahoma" || face == L"DejaVu Sans");
        }
        const HGDIOBJ old = ::SelectObject(dc, gdiFont(id));
        TEXTMETRICW metrics{};
        ASSERT_TRUE(::GetTextMetricsW(dc, &metrics));
        // As on Qt: the cell holds the font, within the rounding of its outline's size.
        EXPECT_LE(metrics.tmAscent + metrics.tmDescent, wanted.cellHeight);
        EXPECT_GE(metrics.tmAscent + metrics.tmDescent, wanted.cellHeight - 2);
        EXPECT_EQ(metrics.tmCharSet, EASTEUROPE_CHARSET);
        ::SelectObject(dc, old);
    }
    ::DeleteDC(dc);
    EXPECT_GT(gdiTextWidth("WWW", FontId::Title), gdiTextWidth("iii", FontId::Title));
    EXPECT_EQ(gdiTextWidth("", FontId::Title), 0);
}

// The program's code page table against the system's own, byte for byte.
TEST(GdiFonts, TextReachesTheSystemAsItsCodePageHasIt) {
    for (int byte = 1; byte < 256; ++byte) {
        if (!cp1250::toUnicode(static_cast<unsigned char>(byte))) continue;
        const char in = static_cast<char>(byte);
        wchar_t system = 0;
        ASSERT_EQ(::MultiByteToWideChar(1250, MB_ERR_INVALID_CHARS, &in, 1, &system, 1), 1);
        EXPECT_EQ(toWide(std::string_view(&in, 1)), std::wstring(1, system)) << byte;
    }
}

}  // namespace
}  // namespace lun4::ui
