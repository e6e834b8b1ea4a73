#pragma once
// The three 1024x768 pictures a document is composed in: back buffer 0, where every page
// is drawn, and the page buffers 1 and 2 that keep composed sheets for the previews and for
// printing. On screen they are the frame's back buffers; for printing they are recordings.

#include "ui/surface.h"

namespace lun4::reports {

struct PageBuffers {
    ui::Surface& back0;
    ui::Surface& back1;
    ui::Surface& back2;
};

}  // namespace lun4::reports
