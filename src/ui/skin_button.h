#pragma once
// A bitmap button: normal, hover and pressed images, an optional label and number drawn
// over it, and a strict hit rule. Buttons do not know their screen: the screens ask them
// whether a mouse move changed their look and whether a click activated them.

#include <string>
#include <string_view>

#include "ui/geometry.h"
#include "ui/surface.h"

namespace lun4::ui {

class SkinButton {
  public:
    enum State { Normal = 0, Hover = 1, Pressed = 2 };

    // Explicit: three image files and the size; carries no text.
    SkinButton(ImageSource& images, int x, int y, int width, int height,
               std::string_view pressedFile, std::string_view normalFile,
               std::string_view hoverFile);
    // Base name: base + "_n.bmp", "_p.bmp", "_o.bmp"; the size is the normal image's.
    SkinButton(ImageSource& images, int x, int y, std::string_view baseName);
    // Single image: drawn only, never hit-tested (the score indicators).
    struct SingleImage {};
    SkinButton(ImageSource& images, int x, int y, std::string_view file, SingleImage);

    SkinButton(const SkinButton&) = delete;
    SkinButton& operator=(const SkinButton&) = delete;

    void release();
    void setState(int state) { state_ = state; }
    int state() const { return state_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isEnabled() const { return enabled_; }
    void setLabel(std::string_view cp1250);
    const std::string& label() const { return label_; }
    void setNumber(int number);
    const std::string& numberText() const { return number_; }
    void setRectangle(int x, int y, int width, int height);
    void setPosition(int x, int y);
    void setNormalImageFromFile(std::string_view file);

    int x() const { return x_; }
    int y() const { return y_; }
    int width() const { return width_; }
    int height() const { return height_; }
    Rect labelRect() const { return labelRect_; }
    Rect labelShadowRect() const { return shadowRect_; }
    Rect numberRect() const { return numberRect_; }
    const ImageHandle& normalImage() const { return normal_; }

    // Strict: the edge lines and the lines at x + width and y + height are outside.
    bool contains(int px, int py) const;
    // Updates the state for a mouse move; true when the look changed.
    bool hoverTest(int px, int py);
    // Updates the state for a left click; true when the button was activated (it was lit).
    bool clickTest(int px, int py);

    void draw(Surface& target) const;

  private:
    void computeLabelLayout();

    ImageSource& images_;
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    int state_ = Normal;
    std::string label_;
    std::string number_;
    ImageHandle pressed_;
    ImageHandle normal_;
    ImageHandle hover_;
    Rect labelRect_{};
    Rect shadowRect_{};
    Rect numberRect_{};
    bool enabled_ = true;
    bool singleImage_ = false;
};

}  // namespace lun4::ui
