#include "native_surface.h"

#include "ui/qt/qt_surface.h"

namespace lun4::testing {

std::unique_ptr<ui::Surface> newNativeSurface() {
    return std::make_unique<ui::QtSurface>();
}

ui::ImageHandle newNativeImage(const ui::Bitmap& bitmap) {
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) image.setPixel(x, y, bitmap.at(x, y));
    }
    return std::make_shared<ui::QtImage>(std::move(image), "test");
}

std::uint32_t pixelAt(const ui::Surface& surface, int x, int y) {
    return static_cast<const ui::QtSurface&>(surface).image().pixel(x, y) & 0xFFFFFF;
}

}  // namespace lun4::testing
