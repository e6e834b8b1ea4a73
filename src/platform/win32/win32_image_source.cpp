#include "platform/win32/win32_image_source.h"

#include <windows.h>

#include <fstream>
#include <system_error>

#include "platform/win32/wic_pages.h"
#include "ui/gdi/gdi_surface.h"

namespace lun4::platform {
Win32ImageSource::Win32ImageSource(DataPaths& paths, int depth)
    : paths_(paths), depth_(depth), pages_([this](std::string_view name) { return decode(name); }) {}

ui::ImageHandle Win32ImageSource::loadBitmap(std::string_view name) {
    const std::string key = dataNameKey(name);
    if (auto it = bitmaps_.find(key); it != bitmaps_.end()) return it->second;
    ui::ImageHandle handle;
    if (const auto path = paths_.resolve(name)) handle = ui::loadBitmapFile(*path, std::string(name));
    bitmaps_.emplace(key, handle);
    return handle;
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
    return pages_.load(name);
}

ui::PageProblem Win32ImageSource::pageProblem(std::string_view name) {
    const auto path = paths_.resolve(name);
    std::error_code ec;
    if (!path || !std::filesystem::exists(*path, ec)) return ui::PageProblem::Missing;
    if (!std::ifstream(*path, std::ios::binary)) return ui::PageProblem::Unreadable;
    return decodePicture(*path) ? ui::PageProblem::None : ui::PageProblem::Damaged;
}

void Win32ImageSource::prefetchPage(std::string_view name) {
    pages_.askAhead(name);
}

bool Win32ImageSource::decodeAhead() {
    return pages_.decodeOneAhead();
}

int displayDepth() {
    HDC screen = ::GetDC(nullptr);
    const int depth = ::GetDeviceCaps(screen, BITSPIXEL);
    ::ReleaseDC(nullptr, screen);
    return depth == 16 ? 16 : 32;
}

}  // namespace lun4::platform
