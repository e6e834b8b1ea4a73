#pragma once
// The pages decoded last, kept so that stepping back and forth between items is quick, and the
// pages asked for ahead, decoded when the program is idle. A page's name may be written in any
// spelling ("Data\BMP\Zad\z1.asd" and "data/bmp/zad/Z1.ASD" are one page).

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "ui/surface.h"

namespace lun4::platform {

// One key for every spelling of a data name.
std::string dataNameKey(std::string_view name);

class PageCache {
  public:
    // `decode` reads a page, or gives an empty handle when it cannot.
    using Decode = std::function<ui::ImageHandle(std::string_view name)>;
    explicit PageCache(Decode decode) : decode_(std::move(decode)) {}

    // The page, decoded now unless it is kept. Missing and broken pages are not kept: a file
    // put in place later is read.
    ui::ImageHandle load(std::string_view name);
    // Remembers a page to decode ahead unless it is kept already; true when it was added.
    bool askAhead(std::string_view name);
    // Decodes one page asked for ahead and keeps it behind the ones on display, so it pushes
    // none of those out; true while more wait.
    bool decodeOneAhead();

  private:
    static constexpr std::size_t kKept = 6;
    bool kept(const std::string& key) const;

    Decode decode_;
    std::deque<std::pair<std::string, ui::ImageHandle>> pages_;  // most recent first
    std::deque<std::string> ahead_;
};

}  // namespace lun4::platform
