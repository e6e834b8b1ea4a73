#pragma once
// What a page area shows when its page file is missing or cannot be decoded: a light, quiet
// panel that says which page it is, whether its file is missing ("brak"), cannot be read or is
// damaged ("uszkodzona"), and which file the program looked for, so that an institution
// replacing the pages can see what to supply.

#include <string>
#include <string_view>

#include "ui/surface.h"

namespace lun4 {

// The panel's first line for a page named by `page` in the genitive ("opisu zadania" for
// "strona opisu zadania"); cp1250.
std::string pageProblemText(ui::PageProblem problem, std::string_view page);

// `page` and `fileName` are cp1250.
void drawMissingPage(ui::Surface& target, ui::Rect area, ui::PageProblem problem,
                     std::string_view page, std::string_view fileName);

}  // namespace lun4
