#include "ui/gdi/gdi_surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "ui/gdi/gdi_fonts.h"
#include "ui/gdi/gdi_painting.h"

namespace lun4::ui {
namespace {

HBITMAP newDibSection(int width, int height, std::uint32_t** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    *bits = static_cast<std::uint32_t*>(memory);
    return bitmap;
}

// A picture is selected into this DC while it is copied from: one DC for all of them.
class SourceDc {
  public:
    explicit SourceDc(HBITMAP bitmap) : dc_(shared()), old_(::SelectObject(dc_, bitmap)) {}
    ~SourceDc() { ::SelectObject(dc_, old_); }
    SourceDc(const SourceDc&) = delete;
    SourceDc& operator=(const SourceDc&) = delete;
    HDC dc() const { return dc_; }

  private:
    static HDC shared() {
        static const HDC dc = ::CreateCompatibleDC(nullptr);
        return dc;
    }
    HDC dc_;
    HGDIOBJ old_;
};

const GdiImage* imageOf(const ImageHandle& handle) {
    const auto* gdi = dynamic_cast<const GdiImage*>(handle.get());
    return gdi && gdi->bitmap() ? gdi : nullptr;
}

TextStyle styleOf(const Surface& surface) {
    return {surface.font(), surface.textColour(), surface.backgroundMode(),
            surface.textBackground()};
}

// Stretched copies average the source pixels they shrink, rather than dropping them.
void halftone(HDC dc) {
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
}

}  // namespace

GdiImage::GdiImage(int width, int height, std::string name,
                   const std::vector<std::uint32_t>& pixels)
    : name_(std::move(name)) {
    if (width <= 0 || height <= 0 || pixels.size() < size_t(width) * size_t(height)) return;
    std::uint32_t* bits = nullptr;
    bitmap_ = newDibSection(width, height, &bits);
    if (!bitmap_) return;
    std::memcpy(bits, pixels.data(), size_t(width) * size_t(height) * 4);
    width_ = width;
    height_ = height;
}

GdiImage::GdiImage(HBITMAP bitmap, std::string name) : bitmap_(bitmap), name_(std::move(name)) {
    BITMAP info{};
    if (bitmap_ && ::GetObjectW(bitmap_, sizeof info, &info)) {
        width_ = info.bmWidth;
        height_ = std::abs(info.bmHeight);
    }
}

GdiImage::~GdiImage() {
    if (bitmap_) ::DeleteObject(bitmap_);
}

ImageHandle loadBitmapFile(const std::filesystem::path& path, std::string name) {
    const std::optional<Bitmap> bitmap = readBitmap(path);
    if (!bitmap) return nullptr;
    auto image =
        std::make_shared<GdiImage>(bitmap->width, bitmap->height, std::move(name), bitmap->pixels);
    return image->bitmap() ? image : nullptr;
}

GdiSurface::GdiSurface(int width, int height) : width_(width), height_(height) {
    dc_ = ::CreateCompatibleDC(nullptr);
    bitmap_ = newDibSection(width, height, &bits_);
    oldBitmap_ = ::SelectObject(dc_, bitmap_);
    // Black, as a new frame is everywhere.
    std::memset(bits_, 0, size_t(width) * size_t(height) * 4);
}

GdiSurface::~GdiSurface() {
    ::SelectObject(dc_, oldBitmap_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
}

const std::uint32_t* GdiSurface::pixels() const {
    ::GdiFlush();
    return bits_;
}

void GdiSurface::drawImage(const ImageHandle& handle, int x, int y, int width, int height) {
    const GdiImage* image = imageOf(handle);
    if (!image) return;
    // The part outside the picture draws nothing.
    width = std::min(width, image->width());
    height = std::min(height, image->height());
    if (width <= 0 || height <= 0) return;
    const SourceDc source(image->bitmap());
    ::BitBlt(dc_, x, y, width, height, source.dc(), 0, 0, SRCCOPY);
}

void GdiSurface::stretchImage(const ImageHandle& handle, Rect from, Rect to) {
    const GdiImage* image = imageOf(handle);
    if (!image || from.width() <= 0 || from.height() <= 0) return;
    const SourceDc source(image->bitmap());
    halftone(dc_);
    ::StretchBlt(dc_, to.left, to.top, to.width(), to.height(), source.dc(), from.left, from.top,
                 from.width(), from.height(), SRCCOPY);
}

void GdiSurface::copyFrom(const Surface& source, Rect from, int x, int y) {
    const auto* gdi = dynamic_cast<const GdiSurface*>(&source);
    if (!gdi) return;
    ::BitBlt(dc_, x, y, from.width(), from.height(), gdi->dc_, from.left, from.top, SRCCOPY);
}

void GdiSurface::stretchFrom(const Surface& source, Rect from, Rect to) {
    const auto* gdi = dynamic_cast<const GdiSurface*>(&source);
    if (!gdi || from.width() <= 0 || from.height() <= 0) return;
    halftone(dc_);
    ::StretchBlt(dc_, to.left, to.top, to.width(), to.height(), gdi->dc_, from.left, from.top,
                 from.width(), from.height(), SRCCOPY);
}

void GdiSurface::box(Rect r) {
    paintBox(dc_, r, fillColour(), lineColour());
}

void GdiSurface::fill(Rect r, Rgb colour) {
    paintFill(dc_, r, colour);
}

void GdiSurface::line(int x1, int y1, int x2, int y2, int width, Rgb colour) {
    if (width > 1) {
        paintLine(dc_, x1, y1, x2, y2, width, colour);
        return;
    }
    // Bresenham from the start point up to, but not including, the end point, pixel for pixel
    // as the Qt surface sets them.
    ::GdiFlush();
    const std::uint32_t pixel = std::uint32_t(colour.r) << 16 | std::uint32_t(colour.g) << 8 | colour.b;
    forEachLinePixel(x1, y1, x2, y2, [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) bits_[y * width_ + x] = pixel;
    });
}

void GdiSurface::drawText(std::string_view cp1250, Rect rect, unsigned flags) {
    paintText(dc_, styleOf(*this), cp1250, rect, flags);
}

void GdiSurface::textOut(int x, int y, std::string_view cp1250) {
    paintTextOut(dc_, styleOf(*this), cp1250, x, y);
}

int GdiSurface::textWidth(std::string_view cp1250, FontId font) const {
    return gdiTextWidth(cp1250, font);
}

}  // namespace lun4::ui
