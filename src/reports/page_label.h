#pragma once
// "STRONA p/n" in the top right corner of a preview page: black, then white three pixels
// higher, which reads as white text with a shadow on the preview's background.

#include "ui/surface.h"

namespace lun4::reports {

void drawPageLabel(ui::Surface& target, int page, int pageCount);

}  // namespace lun4::reports
