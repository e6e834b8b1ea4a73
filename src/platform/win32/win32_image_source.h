#pragma once
// Pictures from the run folder on Windows: bitmap files through the GDI layer's reader, JPEG
// pages through WIC, names resolved case-insensitively. Bitmaps are read once and kept for
// the whole run; the last few pages are kept, and a page asked for ahead is decoded when the
// program is idle.

#include <map>
#include <string>

#include "platform/data_paths.h"
#include "platform/page_cache.h"
#include "ui/surface.h"

namespace lun4::platform {

class Win32ImageSource : public ui::ImageSource {
  public:
    // depth: the display's bits per pixel.
    Win32ImageSource(DataPaths& paths, int depth);

    ui::ImageHandle loadBitmap(std::string_view name) override;
    ui::ImageHandle loadPage(std::string_view name) override;
    ui::PageProblem pageProblem(std::string_view name) override;
    void prefetchPage(std::string_view name) override;
    // Decodes one page asked for ahead; true when more are waiting.
    bool decodeAhead();

  private:
    ui::ImageHandle decode(std::string_view name);

    DataPaths& paths_;
    int depth_;
    std::map<std::string, ui::ImageHandle> bitmaps_;
    PageCache pages_;
};

// The display's bits per pixel.
int displayDepth();

}  // namespace lun4::platform
