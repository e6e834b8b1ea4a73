#include "native_surface.h"

#include "ui/gdi/gdi_surface.h"

namespace lun4::testing {

std::unique_ptr<ui::Surface> newNativeSurface() {
    return std::make_unique<ui::GdiSurface>();
}

ui::ImageHandle newNativeImage(const ui::Bitmap& bitmap) {
    return std::make_shared<ui::GdiImage>(bitmap.width, bitmap.height, "test", bitmap.pixels);
}

std::uint32_t pixelAt(const ui::Surface& surface, int x, int y) {
    return static_cast<const ui::GdiSurface&>(surface).pixel(x, y);
}

}  // namespace lun4::testing
