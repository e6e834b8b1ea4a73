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

}  // namespace lun4::testing
