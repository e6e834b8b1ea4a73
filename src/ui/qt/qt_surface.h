#pragma once
// The drawing interface on Qt: surfaces are QImages of 1024x768 in the RGB32 format,
// pictures are QImages as well.

#include <QImage>
#include <string>

#include "ui/surface.h"

namespace lun4::ui {

class QtImage : public Image {
public:
    QtImage(QImage image, std::string name) : image_(std::move(image)), name_(std::move(name)) {}
    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    const std::string& name() const override { return name_; }
    const QImage& image() const { return image_; }

private:
    QImage image_;
    std::string name_;
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
