#include "ui/skin_button.h"

#include <algorithm>

namespace lun4::ui {
namespace {

// Labels up to this many characters are drawn on one centred line; longer ones wrap.
constexpr size_t kSingleLineLabel = 65;
constexpr size_t kLabelCapacity = 99;
constexpr size_t kNumberCapacity = 41;
constexpr size_t kFileNameCapacity = 99;

std::string fileName(std::string_view base, std::string_view suffix) {
    std::string name(base);
    name += suffix;
    if (name.size() > kFileNameCapacity) name.resize(kFileNameCapacity);
    return name;
}

}  // namespace

SkinButton::SkinButton(ImageSource& images, int x, int y, int width, int height,
                       std::string_view pressedFile, std::string_view normalFile,
                       std::string_view hoverFile)
    : images_(images), x_(x), y_(y), width_(width), height_(height) {
    pressed_ = images_.loadBitmap(pressedFile);
    normal_ = images_.loadBitmap(normalFile);
    hover_ = images_.loadBitmap(hoverFile);
}

SkinButton::SkinButton(ImageSource& images, int x, int y, std::string_view baseName)
    : images_(images), x_(x), y_(y) {
    normal_ = images_.loadBitmap(fileName(baseName, "_n.bmp"));
    pressed_ = images_.loadBitmap(fileName(baseName, "_p.bmp"));
    hover_ = images_.loadBitmap(fileName(baseName, "_o.bmp"));
    if (normal_) {
        width_ = normal_->width();
        height_ = normal_->height();
    }
    computeLabelLayout();
}

SkinButton::SkinButton(ImageSource& images, int x, int y, std::string_view file, SingleImage)
    : images_(images), x_(x), y_(y), singleImage_(true) {
    normal_ = images_.loadBitmap(file);
    if (normal_) {
        width_ = normal_->width();
        height_ = normal_->height();
    }
}

void SkinButton::release() {
    pressed_.reset();
    normal_.reset();
    hover_.reset();
}

void SkinButton::setLabel(std::string_view text) {
    label_.assign(text.substr(0, std::min(text.size(), kLabelCapacity)));
}

void SkinButton::setNumber(int number) {
    number_ = std::to_string(number);
    if (number_.size() > kNumberCapacity) number_.resize(kNumberCapacity);
}

void SkinButton::setRectangle(int x, int y, int width, int height) {
    x_ = x;
    y_ = y;
    width_ = width;
    height_ = height;
}

void SkinButton::setPosition(int x, int y) {
    x_ = x;
    y_ = y;
    computeLabelLayout();
}

void SkinButton::setNormalImageFromFile(std::string_view file) {
    normal_ = images_.loadBitmap(file);
}

void SkinButton::computeLabelLayout() {
    labelRect_ = {x_ + 123, y_ + 3, x_ + width_ - 10, y_ + height_ - 3};
    shadowRect_ = {x_ + 125, y_ + 5, x_ + width_ - 8, y_ + height_ - 1};
    numberRect_ = {x_ + 30, y_ + 11, x_ + 85, y_ + 28};
}

bool SkinButton::contains(int px, int py) const {
    return px > x_ && px < x_ + width_ && py > y_ && py < y_ + height_;
}

bool SkinButton::hoverTest(int px, int py) {
    if (!enabled_ || singleImage_) return false;
    if (contains(px, py)) {
        if (state_ == Hover) return false;
        state_ = Hover;
        return true;
    }
    if (state_ == Normal) return false;
    state_ = Normal;
    return true;
}

bool SkinButton::clickTest(int px, int py) {
    if (!enabled_ || singleImage_) return false;
    if (contains(px, py)) {
        if (state_ != Hover) return false;
        state_ = Pressed;
        return true;
    }
    if (state_ == Pressed) state_ = Hover;
    return false;
}

void SkinButton::draw(Surface& target) const {
    const ImageHandle* image = &normal_;
    if (!singleImage_) {
        if (state_ == Hover) image = &hover_;
        if (state_ == Pressed) image = &pressed_;
    }
    if (*image) target.drawImage(*image, x_, y_, width_, height_);

    if (!label_.empty()) {
        target.setFont(FontId::Item);
        const unsigned flags = label_.size() <= kSingleLineLabel
                                   ? text::kCenter | text::kVCenter | text::kSingleLine
                                   : text::kCenter | text::kWordBreak;
        target.setTextColour(kBlack);
        target.drawText(label_, shadowRect_, flags);
        target.setTextColour(kWhite);
        target.drawText(label_, labelRect_, flags);
    }
    target.setTextColour(kBlack);
    target.setFont(FontId::Number);
    if (!number_.empty()) {
        target.drawText(number_, numberRect_, text::kCenter | text::kVCenter | text::kSingleLine);
    }
}

}  // namespace lun4::ui
