#include "ui/qt/qt_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#ifdef __linux__
#include <sys/mman.h>
#endif

#include "ui/qt/qt_fonts.h"
#include "ui/qt/qt_painting.h"

namespace lun4::ui {
namespace {

const QImage* imageOf(const ImageHandle& handle) {
    const auto* qt = dynamic_cast<const QtImage*>(handle.get());
    return qt && !qt->image().isNull() ? &qt->image() : nullptr;
}

TextStyle styleOf(const Surface& surface) {
    return {surface.font(), surface.textColour(), surface.backgroundMode(),
            surface.textBackground()};
}

}  // namespace

QImage newPicture(int width, int height, QImage::Format format) {
#ifdef __linux__
    const qsizetype bytesPerLine =
        (width * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32 * 4;
    const size_t bytes = static_cast<size_t>(bytesPerLine) * height;
    if (bytes >= 256 * 1024) {
        void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                            MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (memory != MAP_FAILED) {
            struct Mapping {
                void* memory;
                size_t bytes;
            };
            auto* mapping = new Mapping{memory, bytes};
            return QImage(
                static_cast<uchar*>(memory), width, height, bytesPerLine, format,
                [](void* info) {
                    auto* m = static_cast<Mapping*>(info);
                    munmap(m->memory, m->bytes);
                    delete m;
                },
                mapping);
        }
    }
#endif
    return QImage(width, height, format);
}

QtSurface::QtSurface(int width, int height)
    : image_(newPicture(width, height, QImage::Format_RGB32)) {
    image_.fill(Qt::black);
}

void QtSurface::drawImage(const ImageHandle& handle, int x, int y, int width, int height) {
    const QImage* source = imageOf(handle);
    if (!source) return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), *source, QRect(0, 0, width, height) & source->rect());
}

void QtSurface::stretchImage(const ImageHandle& handle, Rect source, Rect target) {
    const QImage* image = imageOf(handle);
    if (!image) return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(toQRect(target), *image, toQRect(source));
}

void QtSurface::copyFrom(const Surface& source, Rect sourceRect, int x, int y) {
    const auto* qt = dynamic_cast<const QtSurface*>(&source);
    if (!qt) return;
    if (x == 0 && y == 0 && sourceRect == Rect{0, 0, image_.width(), image_.height()} &&
        qt->image_.size() == image_.size() && qt->image_.format() == image_.format()) {
        // The whole frame: one straight copy of the pixels.
        std::memcpy(image_.bits(), qt->image_.constBits(), image_.sizeInBytes());
        return;
    }
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), qt->image_, toQRect(sourceRect));
}

void QtSurface::stretchFrom(const Surface& source, Rect sourceRect, Rect target) {
    const auto* qt = dynamic_cast<const QtSurface*>(&source);
    if (!qt) return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(toQRect(target), qt->image_, toQRect(sourceRect));
}

void QtSurface::box(Rect r) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    QPainter painter(&image_);
    paintBox(painter, r, fillColour(), lineColour());
}

void QtSurface::fill(Rect r, Rgb colour) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    QPainter painter(&image_);
    painter.fillRect(toQRect(r), toQColor(colour));
}

void QtSurface::line(int x1, int y1, int x2, int y2, int width, Rgb colour) {
    if (width <= 1) {
        // Bresenham from the start point up to, but not including, the end point.
        const QRgb pixel = qRgb(colour.r, colour.g, colour.b);
        forEachLinePixel(x1, y1, x2, y2, [&](int x, int y) {
            if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height()) {
                reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = pixel;
            }
        });
        return;
    }
    QPainter painter(&image_);
    paintLine(painter, x1, y1, x2, y2, width, colour);
}

void QtSurface::drawText(std::string_view cp1250, Rect rect, unsigned flags) {
    if (cp1250.empty()) return;
    QPainter painter(&image_);
    paintText(painter, styleOf(*this), cp1250, rect, flags);
}

void QtSurface::textOut(int x, int y, std::string_view cp1250) {
    if (cp1250.empty()) return;
    QPainter painter(&image_);
    paintTextOut(painter, styleOf(*this), cp1250, x, y);
}

int QtSurface::textWidth(std::string_view cp1250, FontId font) const {
    return QFontMetrics(qtFont(font)).horizontalAdvance(toQString(cp1250));
}

}  // namespace lun4::ui
