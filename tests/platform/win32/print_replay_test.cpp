// Printing draws recorded pages again onto the printer's device context. These tests hold the
// replay to what the screen draws, and a metafile of it to what a printer receives: text.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/win32/win32_print_target.h"
#include "sample_page.h"
#include "ui/gdi/gdi_replay.h"
#include "ui/gdi/gdi_surface.h"

namespace lun4::platform {
namespace {

int differingPixels(const ui::GdiSurface& a, const ui::GdiSurface& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    }
    return n;
}

TEST(PrintReplayTest, AtScreenSizeTheReplayIsThePicture) {
    ui::GdiSurface screen;
    ui::RecordingSurface page;
    testing::drawSamplePage(screen);
    testing::drawSamplePage(page);
    ui::GdiSurface printed;
    ui::replayOnto(printed.dc(), page.calls(), {0, 0, 1024, 768}, {0, 0, 1024, 768});
    EXPECT_EQ(differingPixels(printed, screen), 0);
}

TEST(PrintReplayTest, ScaledReplayPutsEveryEdgeWhereTheStretchedPictureWould) {
    ui::RecordingSurface page;
    testing::drawSamplePage(page);
    ui::GdiSurface big(3 * 1024, 3 * 768);
    ui::replayOnto(big.dc(), page.calls(), {0, 0, 1024, 768}, {0, 0, 3 * 1024, 3 * 768});
    // The green box (147, 129, 196, 155): outline from 3 x 147 to 3 x 196 - 1.
    EXPECT_EQ(big.pixel(3 * 147, 3 * 140), 0u);
    EXPECT_EQ(big.pixel(3 * 147 + 2, 3 * 140), 0u);
    EXPECT_EQ(big.pixel(3 * 147 + 3, 3 * 140), 0x37B537u);
    EXPECT_EQ(big.pixel(3 * 196 - 1, 3 * 140), 0u);
    EXPECT_EQ(big.pixel(3 * 196, 3 * 140), 0xFFFFFFu);
    // The one-pixel vertical line at x 689 is three device pixels wide, ending before y 512.
    EXPECT_EQ(big.pixel(3 * 689 + 2, 3 * 511 + 2), 0u);
    EXPECT_EQ(big.pixel(3 * 689 + 3, 3 * 400), 0xFFFFFFu);
    EXPECT_EQ(big.pixel(3 * 689, 3 * 512), 0xFFFFFFu);
    // The centred heading lies in the middle of its scaled box.
    int left = 3 * 248;
    int right = 3 * 100;
    for (int x = 3 * 100 + 6; x < 3 * 248 - 6; ++x) {
        for (int y = 3 * 107; y < 3 * 129; ++y) {
            if (big.pixel(x, y) == 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    EXPECT_NEAR((left + right) / 2, 3 * 174, 6);
}

TEST(PrintReplayTest, APlacedRectangleShowsOnlyItsSource) {
    ui::RecordingSurface page;
    testing::drawSamplePage(page);
    ui::GdiSurface sheet(500, 500);
    sheet.fill({0, 0, 500, 500}, ui::kWhite);
    // The red fill (300..339, 300..319) lies half inside the source rectangle.
    ui::replayOnto(sheet.dc(), page.calls(), {320, 290, 420, 390}, {100, 100, 300, 300});
    EXPECT_EQ(sheet.pixel(100, 130), 0xFF0A0Au);
    EXPECT_EQ(sheet.pixel(99, 130), 0xFFFFFFu);   // left of the target: untouched
    EXPECT_EQ(sheet.pixel(150, 130), 0xFFFFFFu);  // x 345 of the page: white
}

// What a printer receives for a page: a metafile's records. The texts are there as texts (the
// recorded page's and no hidden ones), not as a picture of them.
TEST(PrintReplayTest, APrinterReceivesTheTextsAsText) {
    ui::RecordingSurface page;
    testing::drawSamplePage(page);
    HDC metafile = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(metafile, nullptr);
    Win32PrintTarget target;
    target.setDialogFunction([&](bool) { return metafile; });
    ASSERT_TRUE(target.begin("LUN - drukowanie", false));
    // The lower half of the page, where its texts are, on the whole sheet.
    const ui::PageSize size = target.printableSize();
    target.place(page, {0, 384, 1024, 768}, {0, 0, size.width, size.height});
    ASSERT_TRUE(target.end());
    HENHMETAFILE records = ::CloseEnhMetaFile(metafile);
    struct Found {
        std::set<std::wstring> texts;
        int pictures = 0;
    } found;
    ::EnumEnhMetaFile(
        nullptr, records,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) -> int {
            auto& found = *reinterpret_cast<Found*>(data);
            if (record->iType == EMR_EXTTEXTOUTW) {
                const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
                const auto* chars = reinterpret_cast<const wchar_t*>(
                    reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
                found.texts.insert(std::wstring(chars, text->emrtext.nChars));
            }
            // Fills are copies without a source; a picture has one.
            if ((record->iType == EMR_BITBLT &&
                 reinterpret_cast<const EMRBITBLT*>(record)->cbBmiSrc > 0) ||
                (record->iType == EMR_STRETCHBLT &&
                 reinterpret_cast<const EMRSTRETCHBLT*>(record)->cbBmiSrc > 0) ||
                record->iType == EMR_STRETCHDIBITS) {
                ++found.pictures;
            }
            return 1;
        },
        &found, nullptr);
    ::DeleteEnhMetaFile(records);
    EXPECT_TRUE(found.texts.count(L"Zażółć gęślą jaźń")) << found.texts.size();
    EXPECT_TRUE(found.texts.count(L"druga linia"));
    EXPECT_TRUE(found.texts.count(L"prawa"));
    EXPECT_FALSE(found.texts.count(L"UW"));  // above the placed rectangle
    EXPECT_EQ(found.pictures, 0);
}

TEST(PrintReplayTest, ACancelledPrintDialogPrintsNothing) {
    Win32PrintTarget target;
    bool landscape = false;
    target.setDialogFunction([&](bool asked) {
        landscape = asked;
        return static_cast<HDC>(nullptr);
    });
    EXPECT_FALSE(target.begin("LUN - drukowanie", true));
    EXPECT_TRUE(landscape);
    EXPECT_EQ(target.error(), "");
}

}  // namespace
}  // namespace lun4::platform
