#pragma once
// The drawing interface on Qt: surfaces are QImages of 1024x768 in the RGB32 format,
// pictures are QImages as well.

#include <QImage>
#include <functional>
#include <string>

#include "ui/surface.h"

namespace lun4::ui {

// A picture whose memory is mapped in one piece up front: on this kind of machine faulting a
// few megabytes in page by page costs more than drawing them.
QImage newPicture(int width, int height, QImage::Format format);

class QtImage : public Image {
  public:
    QtImage(QImage image, std::string name)
        : image_(std::move(image)),
          name_(std::move(name)),
          width_(image_.width()),
          height_(image_.height()) {}
    // A picture whose size is known and whose pixels are read when it is first drawn.
    QtImage(int width, int height, std::string name, std::function<QImage()> load)
        : name_(std::move(name)), width_(width), height_(height), load_(std::move(load)) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    const std::string& name() const override { return name_; }
    const QImage& image() const {
        if (load_) {
            image_ = load_();
            load_ = nullptr;
        }
        return image_;
    }

  private:
    mutable QImage image_;
    std::string name_;
    int width_;
    int height_;
    mutable std::function<QImage()> load_;
};

class QtSurface : public Surface {
  public:
    // Allocated once: a fresh frame costs milliseconds.
    QtSurface(int width = kFrameWidth, int height = kFrameHeight);

    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

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
    QImage image_;
};

}  // namespace lun4::ui
