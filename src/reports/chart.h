#pragma once
// The profile chart: two 1024x768 pages and the portrait miniature of the printed chart
// sheet. Page 1 holds the six scale blocks of three stacked bars with their counts and the
// extra direct-observation boxes; page 2 the two summary graphs. In preview mode the pages
// lie over the preview background; in print mode they are plain white with the header block
// (page 1) or the signature block (page 2) that only paper carries.

#include "model/examinee_record.h"
#include "reports/page_buffers.h"
#include "ui/surface.h"

namespace lun4::reports {

enum class ChartMode { Preview, Print };

// Each draws its page into `page` (back buffer 0) and leaves the text background opaque.
// Nothing is presented: the viewer does that.
void composeChartPage1(ui::Surface& page, ui::ImageSource& images, const ExamineeRecord& record,
                       ChartMode mode);
void composeChartPage2(ui::Surface& page, ui::ImageSource& images, const ExamineeRecord& record,
                       ChartMode mode);
// Both pages in print mode into back buffers 1 and 2, and the miniature of the printed sheet
// (header block, page 1's plot, page 2's graphs) into back buffer 0.
void composeChartOverview(PageBuffers buffers, ui::ImageSource& images,
                          const ExamineeRecord& record);

}  // namespace lun4::reports
