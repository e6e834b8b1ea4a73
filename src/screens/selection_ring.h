#pragma once
// The ring a key moves over a list or a dialog's answers, in the program's accent colour.

#include "ui/surface.h"

namespace lun4 {

// A ring 2 pixels wide just outside `rect` (4 pixels off its edges); drawn in the colour of
// what lies under it, it is gone again.
void drawRing(ui::Surface& target, ui::Rect rect, ui::Rgb colour);

inline constexpr ui::Rgb kAccent{38, 112, 122};

}  // namespace lun4
