#pragma once
// The comparison of two assessments of one person, as 1024x768 pages drawn once for the
// screen, paper and PDF. Page 1: the person, both examination dates and diagnosticians, the
// pass, emerging and fail counts of both assessments per scale and area with the change in
// passes, paired bars per scale, and the summary paragraph. Pages 2 on: the items whose score
// changed, grouped "Postęp", "Regres" and "Nowo ocenione / nieocenione", with both scores. A
// comparison in which no score changed has page 1 only.

#include <vector>

#include "model/comparison.h"
#include "model/examinee_record.h"
#include "reports/chart.h"
#include "ui/surface.h"

namespace lun4::reports {

class ComparisonDocument {
  public:
    // Both records are read, not copied: they must outlive the document.
    ComparisonDocument(const ExamineeRecord& earlier, const ExamineeRecord& later);

    int pageCount() const { return pageCount_; }
    const Comparison& comparison() const { return comparison_; }

    // Draws page 1..pageCount() into `page`. In preview mode the page lies over the preview
    // background with its title strip and page label; in print mode it is plain white with
    // the page number, and the signature under the last page. The text background is left
    // opaque.
    void composePage(ui::Surface& page, ui::ImageSource& images, int pageNumber,
                     ChartMode mode) const;

    // One line of the changed items' list: a group's heading or an item.
    struct ListLine {
        int group = 0;  // comparison::Group
        bool heading = false;
        bool continued = false;  // a heading repeated at the top of a page
        ChangedItem item;        // for an item line
    };
    // The lines of list page `pageNumber` (2..pageCount()).
    const std::vector<ListLine>& listPage(int pageNumber) const;

    // Rows of the changed items' list per page, headings included.
    static constexpr int kListRows = 25;

  private:
    void paginate();

    const ExamineeRecord& earlier_;
    const ExamineeRecord& later_;
    Comparison comparison_;
    std::vector<std::vector<ListLine>> listPages_;
    int pageCount_ = 1;
};

}  // namespace lun4::reports
