#pragma once
#include <cstdint>

namespace lun4::ui {

inline constexpr int kFrameWidth = 1024;
inline constexpr int kFrameHeight = 768;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Left, top, right, bottom as the screens give them; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};

}  // namespace lun4::ui
