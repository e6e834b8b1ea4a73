#pragma once
// A page with every kind of call the documents make, for the tests that hold printing (the
// replay of a recorded page) against the screen.

#include "ui/surface.h"

namespace lun4::testing {

void drawSamplePage(ui::Surface& s);

}  // namespace lun4::testing
