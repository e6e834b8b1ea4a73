// Pixel probes of the platform's own surface (Qt on Linux, GDI on Windows) against one set of
// expectations: boxes, lines, text clipped and placed by every layout flag, the text
// background, and plain and stretched copies.

#include <gtest/gtest.h>

#include <algorithm>

#include "native_surface.h"

namespace lun4::ui {
namespace {

using testing::newNativeImage;
using testing::newNativeSurface;
using testing::pixelAt;
using testing::rgbOf;

std::unique_ptr<Surface> whiteSurface() {
    auto s = newNativeSurface();
    s->fill({0, 0, kFrameWidth, kFrameHeight}, kWhite);
    return s;
}

// The smallest rectangle holding every pixel of `area` that is not white; empty when none.
Rect ink(const Surface& s, Rect area) {
    Rect found{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (pixelAt(s, x, y) == 0xFFFFFF) continue;
            found = {std::min(found.left, x), std::min(found.top, y), std::max(found.right, x + 1),
                     std::max(found.bottom, y + 1)};
        }
    }
    return found.right > found.left ? found : Rect{};
}

TEST(SurfaceProbe, BoxCoversLeftToRightMinusOneWithItsOutline) {
    const auto s = whiteSurface();
    s->setFillColour({55, 181, 55});
    s->setLineColour(kBlack);
    s->box({10, 20, 30, 40});
    EXPECT_EQ(pixelAt(*s, 10, 20), 0x000000u);
    EXPECT_EQ(pixelAt(*s, 29, 39), 0x000000u);
    EXPECT_EQ(pixelAt(*s, 30, 39), 0xFFFFFFu);
    EXPECT_EQ(pixelAt(*s, 29, 40), 0xFFFFFFu);
    EXPECT_EQ(pixelAt(*s, 15, 25), 0x37B537u);
    EXPECT_EQ(ink(*s, {0, 0, 60, 60}), (Rect{10, 20, 30, 40}));
}

TEST(SurfaceProbe, LinesLeaveTheirEndPointUnset) {
    const auto s = whiteSurface();
    s->line(5, 5, 15, 5, 1, kBlack);
    EXPECT_EQ(pixelAt(*s, 5, 5), 0u);
    EXPECT_EQ(pixelAt(*s, 14, 5), 0u);
    EXPECT_EQ(pixelAt(*s, 15, 5), 0xFFFFFFu);
    s->line(40, 40, 40, 30, 1, kRed);
    EXPECT_EQ(pixelAt(*s, 40, 31), 0xFF0000u);
    EXPECT_EQ(pixelAt(*s, 40, 30), 0xFFFFFFu);
    s->line(100, 100, 110, 105, 1, kBlack);  // a slope: one pixel a column
    EXPECT_EQ(ink(*s, {90, 90, 120, 120}), (Rect{100, 100, 110, 106}));
}

TEST(SurfaceProbe, TextIsClippedToItsRectangleUnlessToldNotTo) {
    const auto s = whiteSurface();
    s->setFont(FontId::Title);
    s->setBackgroundMode(BackgroundMode::Transparent);
    s->drawText("WWWWWWWWWWWWWWWWWWWW", {100, 100, 140, 124}, text::kLeft | text::kSingleLine);
    const Rect clipped = ink(*s, {90, 90, 400, 140});
    EXPECT_GE(clipped.left, 100);
    EXPECT_LE(clipped.right, 140);
    EXPECT_GT(clipped.right, 130);
    s->drawText("WWWWWWWWWWWWWWWWWWWW", {100, 200, 140, 224}, text::kSingleLine | text::kNoClip);
    EXPECT_GT(ink(*s, {90, 190, 600, 240}).right, 300);
}

// Each layout flag places the text where DrawText puts it, measured from its ink.
TEST(SurfaceProbe, EveryLayoutFlagPlacesTheText) {
    const Rect box{100, 100, 500, 160};
    const auto inkOf = [&](std::string_view text, unsigned flags) {
        const auto s = whiteSurface();
        s->setFont(FontId::Title);
        s->setBackgroundMode(BackgroundMode::Transparent);
        s->drawText(text, box, flags);
        return ink(*s, box);
    };
    const int width = newNativeSurface()->textWidth("Ala", FontId::Title);
    const Rect left = inkOf("Ala", text::kLeft | text::kSingleLine);
    EXPECT_LE(left.left - box.left, 3);
    EXPECT_LE(left.top - box.top, 8);
    const Rect right = inkOf("Ala", text::kRight | text::kSingleLine);
    EXPECT_LE(box.right - right.right, 3);
    EXPECT_GT(right.left, box.right - width - 3);
    const Rect centre = inkOf("Ala", text::kCenter | text::kSingleLine);
    EXPECT_LE(std::abs((centre.left + centre.right) / 2 - 300), 3);
    // Centred across: the ink of a 22-pixel cell sits in the middle of the 60-pixel box.
    const Rect middle = inkOf("Ala", text::kVCenter | text::kSingleLine);
    EXPECT_GE(middle.top - box.top, 19);
    EXPECT_LE(middle.bottom, 142);
    // ...which needs one line: alone it leaves the lines as they are, at the top.
    const Rect lines = inkOf("Ala\nma", text::kVCenter);
    EXPECT_LE(lines.top - box.top, 8);
    EXPECT_GE(lines.bottom - box.top, 30);
    // Lines break at "\n" unless on one line; words wrap only when told.
    EXPECT_GE(inkOf("Ala\nma", 0).bottom - box.top, 30);
    EXPECT_LE(inkOf("Ala\nma", text::kSingleLine).bottom - box.top, 22);
    const std::string words = "Ala ma kota, a kot ma Ale i jeszcze dwa slowa";
    EXPECT_LE(inkOf(words, 0).bottom - box.top, 22);
    EXPECT_GE(inkOf(words, text::kWordBreak).bottom - box.top, 30);
}

TEST(SurfaceProbe, AnOpaqueTextFillsItsCellsWithTheTextBackground) {
    const auto s = whiteSurface();
    s->setFont(FontId::Item);
    s->setTextColour(kBlack);
    s->setTextBackground({255, 255, 0});
    s->setBackgroundMode(BackgroundMode::Opaque);
    s->textOut(10, 10, "Ala");
    const int width = s->textWidth("Ala", FontId::Item);
    EXPECT_EQ(pixelAt(*s, 10, 10), 0xFFFF00u);
    EXPECT_EQ(pixelAt(*s, 10 + width - 1, 10 + fontSpec(FontId::Item).cellHeight - 1), 0xFFFF00u);
    EXPECT_EQ(pixelAt(*s, 10 + width + 1, 12), 0xFFFFFFu);
    s->setBackgroundMode(BackgroundMode::Transparent);
    s->textOut(10, 50, "Ala");
    EXPECT_EQ(pixelAt(*s, 10, 50), 0xFFFFFFu);
}

TEST(SurfaceProbe, PlainAndStretchedCopies) {
    // Four quarters of four colours.
    Bitmap quarters{4, 4, std::vector<std::uint32_t>(16)};
    const std::uint32_t colours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) quarters.pixels[y * 4 + x] = colours[(y / 2) * 2 + x / 2];
    }
    const ImageHandle image = newNativeImage(quarters);
    const auto s = whiteSurface();
    s->drawImage(image, 10, 10, 40, 40);  // only the picture's own 4x4 pixels
    EXPECT_EQ(pixelAt(*s, 10, 10), 0xFF0000u);
    EXPECT_EQ(pixelAt(*s, 13, 13), 0x000000u);
    EXPECT_EQ(pixelAt(*s, 14, 14), 0xFFFFFFu);
    s->stretchImage(image, {0, 0, 4, 4}, {100, 100, 140, 140});
    EXPECT_EQ(pixelAt(*s, 105, 105), 0xFF0000u);
    EXPECT_EQ(pixelAt(*s, 135, 105), 0x00FF00u);
    EXPECT_EQ(pixelAt(*s, 105, 135), 0x0000FFu);
    EXPECT_EQ(pixelAt(*s, 135, 135), 0x000000u);
    EXPECT_EQ(pixelAt(*s, 140, 140), 0xFFFFFFu);

    const auto copy = whiteSurface();
    copy->copyFrom(*s, {100, 100, 140, 140}, 0, 0);
    EXPECT_EQ(pixelAt(*copy, 5, 35), 0x0000FFu);
    EXPECT_EQ(pixelAt(*copy, 40, 40), 0xFFFFFFu);
    copy->stretchFrom(*s, {100, 100, 140, 140}, {200, 200, 220, 220});
    EXPECT_EQ(pixelAt(*copy, 202, 202), 0xFF0000u);
    EXPECT_EQ(pixelAt(*copy, 218, 218), 0x000000u);
}

}  // namespace
}  // namespace lun4::ui
