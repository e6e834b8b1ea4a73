#pragma once
// What a page area shows when its page file is missing or cannot be decoded: a light, quiet
// panel that says which page is missing and which file the program looked for, so that an
// institution replacing the pages can see what to supply.

#include <string_view>

#include "ui/surface.h"

namespace lun4 {

// `whatIsMissing` and `fileName` are cp1250.
void drawMissingPage(ui::Surface& target, ui::Rect area, std::string_view whatIsMissing,
                     std::string_view fileName);

}  // namespace lun4
