#include "screens/selection_ring.h"

namespace lun4 {

void drawRing(ui::Surface& target, ui::Rect r, ui::Rgb colour) {
    const int left = r.left - 4, top = r.top - 4, right = r.right + 3, bottom = r.bottom + 3;
    target.line(left, top, right + 1, top, 2, colour);
    target.line(left, bottom, right + 1, bottom, 2, colour);
    target.line(left, top, left, bottom + 1, 2, colour);
    target.line(right, top, right, bottom + 1, 2, colour);
}

}  // namespace lun4
