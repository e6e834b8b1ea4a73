#pragma once
// The drawing interface every screen and report draws through. A Surface is a 1024x768
// picture (a back buffer or the window's own buffer) with the small drawing state the
// screens rely on: selected font, text colour, text background mode and colour, and the
// shared fill colour and line colour.

#include <memory>
#include <string>
#include <string_view>

#include "ui/fonts.h"
#include "ui/geometry.h"

namespace lun4::ui {

// A loaded picture (bitmap file or decoded page). Owned through ImageHandle; an empty handle
// draws nothing.
class Image {
  public:
    virtual ~Image() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // The data name it was loaded from, for diagnostics and tests.
    virtual const std::string& name() const = 0;
};
using ImageHandle = std::shared_ptr<const Image>;

// Where pictures come from. Names are data names as the program writes them ("Data\BMP\ok_n.bmp",
// "data/otworz.bmp"): any separator, any letter case. Missing or unreadable files give an empty
// handle, never an error.
// Why a page gives no picture.
enum class PageProblem {
    None,        // the page is there and shows
    Missing,     // no file of that name
    Unreadable,  // the file is there but may not be read
    Damaged,     // the file is read but holds no picture the program can decode
};

class ImageSource {
  public:
    virtual ~ImageSource() = default;
    virtual ImageHandle loadBitmap(std::string_view name) = 0;
    // A JPEG page (".asd" or ".jpg") converted to the display's pixel format.
    virtual ImageHandle loadPage(std::string_view name) = 0;
    // Why loadPage gives no picture for `name`; asked after it gave none.
    virtual PageProblem pageProblem(std::string_view /*name*/) { return PageProblem::Missing; }
    // A page the screen is likely to show next; it may be decoded ahead, when the program is
    // idle, so that showing it later is quick. What is shown never depends on it.
    virtual void prefetchPage(std::string_view /*name*/) {}
};

enum class BackgroundMode { Transparent, Opaque };

// Text layout flags, combined with |.
namespace text {
inline constexpr unsigned kLeft = 0x0;
inline constexpr unsigned kCenter = 0x1;
inline constexpr unsigned kRight = 0x2;
inline constexpr unsigned kVCenter = 0x4;      // with kSingleLine only
inline constexpr unsigned kSingleLine = 0x20;  // line breaks are not honoured
inline constexpr unsigned kWordBreak = 0x10;   // wrap at word boundaries inside the rectangle
inline constexpr unsigned kNoClip = 0x100;
}  // namespace text

class Surface {
  public:
    virtual ~Surface() = default;

    // Drawing state, kept per surface.
    void setFont(FontId font) { font_ = font; }
    FontId font() const { return font_; }
    void setTextColour(Rgb colour) { textColour_ = colour; }
    Rgb textColour() const { return textColour_; }
    void setBackgroundMode(BackgroundMode mode) { backgroundMode_ = mode; }
    BackgroundMode backgroundMode() const { return backgroundMode_; }
    void setTextBackground(Rgb colour) { textBackground_ = colour; }
    Rgb textBackground() const { return textBackground_; }
    void setFillColour(Rgb colour) { fillColour_ = colour; }
    Rgb fillColour() const { return fillColour_; }
    void setLineColour(Rgb colour) { lineColour_ = colour; }
    Rgb lineColour() const { return lineColour_; }

    // Plain copy of width x height pixels from the image's origin to (x, y); the part outside
    // the image draws nothing. An empty handle draws nothing.
    virtual void drawImage(const ImageHandle& image, int x, int y, int width, int height) = 0;
    void drawImage(const ImageHandle& image, int x, int y);  // at the image's own size
    // Stretched copy of `source` (a rectangle of the image) into `target`.
    virtual void stretchImage(const ImageHandle& image, Rect source, Rect target) = 0;

    // Plain copy of a rectangle of another surface to (x, y).
    virtual void copyFrom(const Surface& source, Rect sourceRect, int x, int y) = 0;
    void copyWhole(const Surface& source) {
        copyFrom(source, {0, 0, kFrameWidth, kFrameHeight}, 0, 0);
    }
    virtual void stretchFrom(const Surface& source, Rect sourceRect, Rect target) = 0;

    // A box: filled with the fill colour and outlined with a 1-pixel line in the line colour;
    // it covers left..right-1 x top..bottom-1.
    virtual void box(Rect rect) = 0;
    // Solid fill of left..right-1 x top..bottom-1, no outline.
    virtual void fill(Rect rect, Rgb colour) = 0;
    // A line from (x1, y1) towards (x2, y2); the end point itself is not set.
    virtual void line(int x1, int y1, int x2, int y2, int width, Rgb colour) = 0;

    // Text in a rectangle with the current font, text colour and background mode. Texts are
    // cp1250; "\r\n" and "\n" start new lines unless kSingleLine is given.
    virtual void drawText(std::string_view cp1250, Rect rect, unsigned flags) = 0;
    // Text at a point (top-left of the first character cell), one line.
    virtual void textOut(int x, int y, std::string_view cp1250) = 0;
    // Width in pixels of one line of text in a font.
    virtual int textWidth(std::string_view cp1250, FontId font) const = 0;

  private:
    FontId font_ = FontId::SystemDefault;
    Rgb textColour_ = kBlack;
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    Rgb textBackground_ = kWhite;
    Rgb fillColour_ = kWhite;
    Rgb lineColour_ = kBlack;
};

inline void Surface::drawImage(const ImageHandle& image, int x, int y) {
    if (image) drawImage(image, x, y, image->width(), image->height());
}

}  // namespace lun4::ui
