#include "platform/win32/win32_image_source.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "platform/win32/wic_pages.h"
#include "ui/gdi/gdi_surface.h"

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

Win32ImageSource::Win32ImageSource(DataPaths& paths, int depth) : paths_(paths), depth_(depth) {}

ui::ImageHandle Win32ImageSource::loadBitmap(std::string_view name) {
    const std::string key = keyOf(name);
    if (auto it = bitmaps_.find(key); it != bitmaps_.end()) return it->second;
    ui::ImageHandle handle;
    if (const auto path = paths_.resolve(name)) handle = ui::loadBitmapFile(*path, std::string(name));
    bitmaps_.emplace(key, handle);
    return handle;
}

bool Win32ImageSource::kept(const std::string& key) const {
    return std::any_of(pages_.begin(), pages_.end(), [&](const auto& p) { return p.first == key; });
}

ui::ImageHandle Win32ImageSource::decode(std::string_view name) {
    const auto path = paths_.resolve(name);
    if (!path) return {};
    auto picture = decodePicture(*path);
    if (!picture) return {};
    reduceToDepth(*picture, depth_);
    return std::make_shared<ui::GdiImage>(picture->width, picture->height, std::string(name),
                                          std::move(picture->pixels));
}

ui::ImageHandle Win32ImageSource::loadPage(std::string_view name) {
    const std::string key = keyOf(name);
    auto it =
        std::find_if(pages_.begin(), pages_.end(), [&](const auto& p) { return p.first == key; });
    if (it != pages_.end()) {
        auto entry = *it;
        pages_.erase(it);
        pages_.push_front(entry);
        return entry.second;
    }
    ui::ImageHandle handle = decode(name);
    // Missing and broken pages are not kept: a file put in place later is read.
    if (handle) {
        pages_.emplace_front(key, handle);
        if (pages_.size() > kKeptPages) pages_.pop_back();
    }
    return handle;
}

ui::PageProblem Win32ImageSource::pageProblem(std::string_view name) {
    const auto path = paths_.resolve(name);
    std::error_code ec;
    if (!path || !std::filesystem::exists(*path, ec)) return ui::PageProblem::Missing;
    if (!std::ifstream(*path, std::ios::binary)) return ui::PageProblem::Unreadable;
    return decodePicture(*path) ? ui::PageProblem::None : ui::PageProblem::Damaged;
}

void Win32ImageSource::prefetchPage(std::string_view name) {
    const std::string key = keyOf(name);
    if (!kept(key)) ahead_.emplace_back(name);
}

bool Win32ImageSource::decodeAhead() {
    if (ahead_.empty()) return false;
    const std::string name = std::move(ahead_.front());
    ahead_.pop_front();
    const std::string key = keyOf(name);
    if (!kept(key)) {
        // Decoded pages go behind the ones on display, so they do not push those out.
        if (ui::ImageHandle handle = decode(name)) {
            if (pages_.size() >= kKeptPages) pages_.pop_back();
            pages_.emplace_back(key, std::move(handle));
        }
    }
    return !ahead_.empty();
}

int displayDepth() {
    HDC screen = ::GetDC(nullptr);
    const int depth = ::GetDeviceCaps(screen, BITSPIXEL);
    ::ReleaseDC(nullptr, screen);
    return depth == 16 ? 16 : 32;
}

}  // namespace lun4::platform
