#pragma once
// A Surface that records every drawing call instead of drawing, and an ImageSource that
// hands out named placeholder images of configurable sizes. Tests assert on what was drawn;
// printing records a document page the same way and replays the calls at the printer's
// resolution, so that paper gets text and lines rather than a stretched screen picture.

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/surface.h"

namespace lun4::ui {

struct DrawCall {
    enum Kind { Image, StretchImage, Copy, Stretch, Box, Fill, Line, Text, TextOut };
    Kind kind;
    std::string name;  // image name, text (cp1250) or source surface name
    Rect rect{};       // target rectangle (images: x, y, x + w, y + h; lines: x1, y1, x2, y2)
    Rect source{};     // source rectangle of copies and stretches
    Rgb colour{};      // text colour, fill colour or line colour
    Rgb outline{};     // box outline
    FontId font = FontId::SystemDefault;
    unsigned flags = 0;
    BackgroundMode mode = BackgroundMode::Transparent;
    Rgb background{};
    int width = 0;        // line width
    ImageHandle image{};  // the picture of image calls, kept for replaying
    // What the source surface held when a copy or stretch was made from another recording
    // surface; replaying the copy replays these calls, moved and clipped to the target.
    std::shared_ptr<const std::vector<DrawCall>> content{};
};

class RecordingSurface : public Surface {
  public:
    explicit RecordingSurface(std::string name = "surface") : name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    const std::vector<DrawCall>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }

    // A page recorded for printing only needs what is still visible: with this set, a call
    // that covers the whole 1024x768 frame with opaque pixels (a box, a fill, a picture or a
    // copy) drops every call before it. Tests keep the default, which keeps every call.
    void setDropsHiddenCalls(bool drop) { dropsHidden_ = drop; }
    // Text widths from real font metrics instead of the 8-pixel estimate, for layouts that
    // measure text while being recorded for printing.
    void setTextMeasure(std::function<int(std::string_view, FontId)> measure) {
        measure_ = std::move(measure);
    }

    // Helpers for tests.
    std::vector<DrawCall> callsOf(DrawCall::Kind kind) const;
    std::vector<std::string> imagesDrawn() const;  // names of images drawn, in order
    std::vector<std::string> textsDrawn() const;   // texts drawn, converted to UTF-8
    bool drewImage(std::string_view name) const;
    bool drewText(std::string_view utf8) const;

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
    // 8 pixels per character unless a text measure is set: enough for layout decisions in
    // tests.
    int textWidth(std::string_view cp1250, FontId font) const override;

  private:
    void add(DrawCall call, bool coversFrame);

    std::string name_;
    std::vector<DrawCall> calls_;
    bool dropsHidden_ = false;
    std::function<int(std::string_view, FontId)> measure_;
};

class FakeImage : public Image {
  public:
    FakeImage(std::string name, int width, int height)
        : name_(std::move(name)), width_(width), height_(height) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    const std::string& name() const override { return name_; }

  private:
    std::string name_;
    int width_;
    int height_;
};

// Every name loads as a FakeImage of the default size unless a size is set for it or it is
// marked missing. Names are kept as the program wrote them.
class FakeImageSource : public ImageSource {
  public:
    void setDefaultSize(int width, int height) {
        defaultWidth_ = width;
        defaultHeight_ = height;
    }
    void setSize(const std::string& name, int width, int height) { sizes_[name] = {width, height}; }
    void setMissing(const std::string& name) { sizes_[name] = {0, 0}; }
    // The file is there but decodes to nothing.
    void setDamaged(const std::string& name) {
        sizes_[name] = {0, 0};
        damaged_.insert(name);
    }
    const std::vector<std::string>& loaded() const { return loaded_; }
    // The pages asked for ahead, in order.
    const std::vector<std::string>& prefetched() const { return prefetched_; }

    ImageHandle loadBitmap(std::string_view name) override;
    ImageHandle loadPage(std::string_view name) override;
    PageProblem pageProblem(std::string_view name) override;
    void prefetchPage(std::string_view name) override { prefetched_.emplace_back(name); }

  private:
    int defaultWidth_ = 100;
    int defaultHeight_ = 40;
    std::map<std::string, std::pair<int, int>> sizes_;
    std::vector<std::string> loaded_;
    std::vector<std::string> prefetched_;
    std::set<std::string> damaged_;
};

}  // namespace lun4::ui
