#pragma once
// Pictures from the run folder: bitmap files (Windows BMP of any common depth) and JPEG
// pages, resolved case-insensitively. Bitmaps are read once and kept for the whole run;
// recently decoded pages are kept so that stepping back and forth between items is quick.

#include <map>
#include <string>

#include "platform/data_paths.h"
#include "platform/page_cache.h"
#include "ui/surface.h"

namespace lun4::platform {

class QtImageSource : public ui::ImageSource {
  public:
    // depth: the display's bits per pixel, 16, 24 or 32.
    QtImageSource(DataPaths& paths, int depth);

    ui::ImageHandle loadBitmap(std::string_view name) override;
    ui::ImageHandle loadPage(std::string_view name) override;
    ui::PageProblem pageProblem(std::string_view name) override;
    void prefetchPage(std::string_view name) override;
    // Decodes the pages asked for ahead (normally run when the event loop is idle).
    void decodeAhead();

    int depth() const { return depth_; }

  private:
    ui::ImageHandle decode(std::string_view name);

    DataPaths& paths_;
    int depth_;
    std::map<std::string, ui::ImageHandle> bitmaps_;
    PageCache pages_;
    bool aheadScheduled_ = false;
};

// Pictures of a few megabytes are read and dropped all the time: freed memory is kept for the
// next one instead of being handed back and faulted in again. Called once at the start.
void keepPictureMemory();

// The display's bits per pixel as the page decoder uses it.
int displayDepth();

}  // namespace lun4::platform
