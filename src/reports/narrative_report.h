#pragma once
// The narrative report: a cover, the personal data, the general remarks, then one section
// per function scale with the counts of each observation area in words, the recommendations
// of its items ("Wskazania:") and the area in which the examinee did best. Pages are 1024x768
// and composed one at a time; pages 4 and up are laid out afresh from page 4 on every call,
// so a page always shows the record as it stands.

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/examinee_record.h"
#include "ui/surface.h"

namespace lun4::reports {

// The two texts typed on the cover page's preview (cp1250): report box B and report box A.
struct CoverTexts {
    std::string placeAndDate;
    std::string institution;
};

// Hashes a text kept as a string and a text looked up as a view alike.
struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

class NarrativeReport {
  public:
    // Draws page `pageNumber` (1-based) into `page` and lays the whole report out to learn
    // its page count, however long. Pages 1-3 are fixed; a page after the last one is an
    // empty framed page. Per-scale pages other than the one asked for are laid out but not
    // drawn.
    void composePage(ui::Surface& page, ui::ImageSource& images, const ExamineeRecord& record,
                     const CoverTexts& cover, int pageNumber);
    // The page count of the record of the last composition; 0 before the first.
    int pageCount() const { return pageCount_; }

    // The closing signature block that the print job adds on the last printed sheet.
    static void drawSignatureBlock(ui::Surface& page);

  private:
    int pageCount_ = 0;
    // Widths of the note lines measured so far, kept while pages give a fixed probe text the
    // width `widthProbe_`: laying out a long report measures every note line, and the preview
    // lays the report out twice for every page it shows.
    std::unordered_map<std::string, int, TextHash, std::equal_to<>> noteLineWidths_;
    int widthProbe_ = -1;
};

// Number of line feeds in a text; the text has that many lines plus one.
int countLineFeeds(std::string_view text);
// Line n (from 0) of a text whose lines end in line feeds, without its line feed (a carriage
// return before it stays), at most 399 characters.
std::string lineOf(int n, std::string_view text);

}  // namespace lun4::reports
