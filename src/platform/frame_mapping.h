#pragma once
// Where the 1024x768 frame lies on a window of another size: scaled to fit with its aspect
// kept and centred (black margins around it; 1:1 on a 1024x768 screen). Mouse positions are
// mapped back into the frame, the boxes over the frame onto the window.

#include <algorithm>
#include <cmath>

#include "ui/geometry.h"

namespace lun4::platform {

// Frame pixel (x, y) lies at offset + scale * (x, y) of the window.
struct FrameMapping {
    double scale = 1.0;
    int offsetX = 0;
    int offsetY = 0;
};

inline FrameMapping fitFrame(int windowWidth, int windowHeight) {
    FrameMapping m;
    const double scale = std::min(windowWidth / double(ui::kFrameWidth),
                                  windowHeight / double(ui::kFrameHeight));
    m.scale = scale > 0 ? scale : 1.0;
    m.offsetX = static_cast<int>(std::lround((windowWidth - ui::kFrameWidth * m.scale) / 2));
    m.offsetY = static_cast<int>(std::lround((windowHeight - ui::kFrameHeight * m.scale) / 2));
    return m;
}

// The frame point under a window point.
inline ui::Point toFrame(const FrameMapping& m, int x, int y) {
    return {static_cast<int>(std::floor((x - m.offsetX) / m.scale)),
            static_cast<int>(std::floor((y - m.offsetY) / m.scale))};
}

// A frame rectangle on the window.
inline ui::Rect toWindow(const FrameMapping& m, const ui::Rect& r) {
    return {m.offsetX + static_cast<int>(std::lround(r.left * m.scale)),
            m.offsetY + static_cast<int>(std::lround(r.top * m.scale)),
            m.offsetX + static_cast<int>(std::lround(r.right * m.scale)),
            m.offsetY + static_cast<int>(std::lround(r.bottom * m.scale))};
}

}  // namespace lun4::platform
