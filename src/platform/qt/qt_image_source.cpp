#include "platform/qt/qt_image_source.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <cctype>
#include <fstream>
#include <system_error>

#include "platform/qt/bmp_reader.h"
#include "platform/qt/page_decoder.h"
#include "ui/qt/qt_surface.h"

namespace lun4::platform {
namespace {

// One cache key for every spelling of a name.
std::string keyOf(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

}  // namespace

QtImageSource::QtImageSource(DataPaths& paths, int depth) : paths_(paths), depth_(depth) {}

ui::ImageHandle QtImageSource::loadBitmap(std::string_view name) {
    const std::string key = keyOf(name);
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

ui::ImageHandle QtImageSource::loadPage(std::string_view name) {
    const std::string key = keyOf(name);
    auto it =
        std::find_if(pages_.begin(), pages_.end(), [&](const auto& p) { return p.first == key; });
    if (it != pages_.end()) {
        auto entry = *it;
        pages_.erase(it);
        pages_.push_front(entry);
        return entry.second;
    }
    ui::ImageHandle handle;
    if (const auto path = paths_.resolve(name)) {
        if (const auto decoded = decodeJpegFile(*path)) {
            if (auto image = pageImage(*decoded, depth_)) {
                handle = std::make_shared<ui::QtImage>(std::move(*image), std::string(name));
            }
        }
    }
    // Missing and broken pages are not kept: a file put in place later is read.
    if (handle) {
        pages_.emplace_front(key, handle);
        if (pages_.size() > kKeptPages) pages_.pop_back();
    }
    return handle;
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
    const std::string key = keyOf(name);
    if (std::any_of(pages_.begin(), pages_.end(), [&](const auto& p) { return p.first == key; }))
        return;
    ahead_.emplace_back(name);
    if (!aheadScheduled_ && QCoreApplication::instance()) {
        aheadScheduled_ = true;
        QTimer::singleShot(0, [this] { decodeAhead(); });
    }
}

void QtImageSource::decodeAhead() {
    aheadScheduled_ = false;
    const auto names = std::move(ahead_);
    ahead_.clear();
    for (const auto& name : names) {
        // Decoded pages go behind the ones on display, so they do not push those out.
        const std::string key = keyOf(name);
        if (std::any_of(pages_.begin(), pages_.end(),
                        [&](const auto& p) { return p.first == key; }))
            continue;
        const auto path = paths_.resolve(name);
        if (!path) continue;
        const auto decoded = decodeJpegFile(*path);
        if (!decoded) continue;
        auto image = pageImage(*decoded, depth_);
        if (!image) continue;
        if (pages_.size() >= kKeptPages) pages_.pop_back();
        pages_.emplace_back(key, std::make_shared<ui::QtImage>(std::move(*image), name));
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
