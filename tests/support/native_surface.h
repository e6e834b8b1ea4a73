#pragma once
// The platform's own surface, for tests that measure text with the real fonts or look at the
// pixels drawn: the Qt surface on Linux, the GDI surface on Windows. One test, both platforms.

#include <cstdint>
#include <memory>

#include "ui/bitmap_file.h"
#include "ui/surface.h"

namespace lun4::testing {

std::unique_ptr<ui::Surface> newNativeSurface();
// A picture of the platform's own kind.
ui::ImageHandle newNativeImage(const ui::Bitmap& bitmap);
// A pixel of a surface newNativeSurface made, as 0xRRGGBB.
std::uint32_t pixelAt(const ui::Surface& surface, int x, int y);

inline std::uint32_t rgbOf(ui::Rgb c) {
    return std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
}
constexpr std::uint32_t rgb(int r, int g, int b) {
    return std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
}
// The grey a colour reads as, 0 to 255 (green counting most).
constexpr int gray(std::uint32_t rgb) {
    return int(((rgb >> 16) & 0xFF) * 11 + ((rgb >> 8) & 0xFF) * 16 + (rgb & 0xFF) * 5) / 32;
}

}  // namespace lun4::testing
