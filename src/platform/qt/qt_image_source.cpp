#include "platform/qt/qt_image_source.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <fstream>
#include <system_error>

#include "platform/qt/bmp_reader.h"
#include "platform/qt/page_decoder.h"
#include "ui/qt/qt_surface.h"

namespace lun4::platform {
QtImageSource::QtImageSource(DataPaths& paths, int depth)
    : paths_(paths), depth_(depth), pages_([this](std::string_view name) { return decode(name); }) {}

ui::ImageHandle QtImageSource::loadBitmap(std::string_view name) {
    const std::string key = dataNameKey(name);
    if (auto it = bitmaps_.find(key); it != bitmaps_.end()) return it->second;
    ui::ImageHandle handle;
    if (const auto path = paths_.resolve(name)) {
        // Only the size is read now: the start of the program makes over a hundred buttons and
        // shows a handful of them.
        const QSize size = bitmapFileSize(*path);
        if (!size.isEmpty()) {
            handle = std::make_shared<ui::QtImage>(size.width(), size.height(), std::string(name),
                                                   [file = *path] { return readBitmapFile(file); });
        }
    }
    bitmaps_.emplace(key, handle);
    return handle;
}

ui::ImageHandle QtImageSource::decode(std::string_view name) {
    if (const auto path = paths_.resolve(name)) {
        if (const auto decoded = decodeJpegFile(*path)) {
            if (auto image = pageImage(*decoded, depth_)) {
                return std::make_shared<ui::QtImage>(std::move(*image), std::string(name));
            }
        }
    }
    return {};
}

ui::ImageHandle QtImageSource::loadPage(std::string_view name) {
    return pages_.load(name);
}

ui::PageProblem QtImageSource::pageProblem(std::string_view name) {
    // The folder listings are kept: a file that has gone since is looked for again.
    const auto path = paths_.resolve(name);
    std::error_code ec;
    if (!path || !std::filesystem::exists(*path, ec)) return ui::PageProblem::Missing;
    if (!std::ifstream(*path, std::ios::binary)) return ui::PageProblem::Unreadable;
    const auto decoded = decodeJpegFile(*path);
    return decoded && pageImage(*decoded, depth_) ? ui::PageProblem::None
                                                  : ui::PageProblem::Damaged;
}

void QtImageSource::prefetchPage(std::string_view name) {
    if (pages_.askAhead(name) && !aheadScheduled_ && QCoreApplication::instance()) {
        aheadScheduled_ = true;
        QTimer::singleShot(0, [this] { decodeAhead(); });
    }
}

void QtImageSource::decodeAhead() {
    aheadScheduled_ = false;
    while (pages_.decodeOneAhead()) {
    }
}

void keepPictureMemory() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
}

int displayDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 32;
    // A 24-bit X display keeps 32 bits per pixel.
    return depth == 16 ? 16 : 32;
}

}  // namespace lun4::platform
