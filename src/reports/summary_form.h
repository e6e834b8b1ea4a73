#pragma once
// The summary form: every item with its number, name and score cell, by area and scale, on
// seven 1024x768 sheets composed two at a time into back buffers 1 and 2.

#include "model/examinee_record.h"
#include "reports/page_buffers.h"
#include "ui/surface.h"

namespace lun4::reports {

// The print variant has larger fonts, 22-pixel rows and the cut lines where the print job
// splits a sheet between two printed pages; the screen variant 17-pixel rows.
enum class SummaryVariant { Screen, Print };

inline constexpr int kSummarySheetCount = 7;
inline constexpr int kSummaryPartCount = 4;

// The form comes in four parts: the first gives sheets 1 and 2, the second sheets 3 and 4, the
// third sheets 5 and 6, the fourth sheet 7.
// Each sheet is composed in back buffer 0; the part's first sheet is copied into back buffer
// 1, its second into back buffer 2 (part 4 leaves back buffer 2 as it was). Back buffer 0
// keeps the last sheet; the text colour is black afterwards.
void composeSummaryForm(int part, SummaryVariant variant, PageBuffers buffers,
                        ui::ImageSource& images, const ExamineeRecord& record);

}  // namespace lun4::reports
