#pragma once
// The drawing interface on GDI: surfaces are 32-bit top-down DIB sections of 1024x768 in
// memory DCs of their own, pictures are DIB sections as well; copies are BitBlt, stretched
// copies StretchBlt with HALFTONE.

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/bitmap_file.h"
#include "ui/surface.h"

namespace lun4::ui {

class GdiImage : public Image {
  public:
    // Pixels top row first, each 0x..RRGGBB (blue, green, red, spare in memory).
    GdiImage(int width, int height, std::string name, const std::vector<std::uint32_t>& pixels);
    // Takes over a bitmap (a DIB section).
    GdiImage(HBITMAP bitmap, std::string name);
    ~GdiImage() override;
    GdiImage(const GdiImage&) = delete;
    GdiImage& operator=(const GdiImage&) = delete;

    int width() const override { return width_; }
    int height() const override { return height_; }
    const std::string& name() const override { return name_; }
    HBITMAP bitmap() const { return bitmap_; }

  private:
    HBITMAP bitmap_ = nullptr;
    std::string name_;
    int width_ = 0;
    int height_ = 0;
};

// A bitmap file read by the program's own reader; an empty handle when it cannot be read.
ImageHandle loadBitmapFile(const std::filesystem::path& path, std::string name);

class GdiSurface : public Surface {
  public:
    // Allocated once: a fresh frame costs milliseconds.
    explicit GdiSurface(int width = kFrameWidth, int height = kFrameHeight);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixels, top row first, 0x00RRGGBB; whatever GDI still has queued is drawn first.
    const std::uint32_t* pixels() const;
    std::uint32_t pixel(int x, int y) const { return pixels()[y * width_ + x] & 0xFFFFFF; }

    void drawImage(const ImageHandle& image, int x, int y, int width, int height) override;
    using Surface::drawImage;
    void stretchImage(const ImageHandle& image, Rect source, Rect target) override;
    void copyFrom(const Surface& source, Rect sourceRect, int x, int y) override;
    void stretchFrom(const Surface& source, Rect sourceRect, Rect target) override;
    void box(Rect rect) override;
    void fill(Rect rect, Rgb colour) override;
    void line(int x1, int y1, int x2, int y2, int width, Rgb colour) override;
    void drawText(std::string_view cp1250, Rect rect, unsigned flags) override;
    void textOut(int x, int y, std::string_view cp1250) override;
    int textWidth(std::string_view cp1250, FontId font) const override;

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_;
    int height_;
};

}  // namespace lun4::ui
