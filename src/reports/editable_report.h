#pragma once
// The narrative report as an editable document: the same texts in the same order as its
// pages, flowing instead of placed. The cover (place and date, institution, the title
// sentence, diagnostician and permit number), the personal data as a table, the general
// remarks, then per scale a heading, its description, per area a heading, the area text,
// the three count lines (a fourth for unscored items), "Wskazania:" with the notes of the
// items scored emerging or fail, and the sentence naming the best area; the signature line
// last.
//
// The pages break their fixed texts into lines to fit the frame; here those lines are
// joined with one blank, so that the text flows again. A note keeps what its editor stored:
// its lines are the editor's wrapping and are joined, an empty line starts a new paragraph.
// Runs of blanks, which the pages use for indenting, become one blank.

#include "model/examinee_record.h"
#include "reports/narrative_report.h"
#include "ui/flow_document.h"

namespace lun4::reports {

ui::FlowDocument editableReport(const ExamineeRecord& record, const CoverTexts& cover);

// A text whose lines are wrapping, as one line: every line trimmed, joined with one blank,
// runs of blanks made one.
std::string flowingText(std::string_view cp1250Text);
// A note as paragraphs: lines joined, an empty line ending a paragraph.
std::vector<std::string> noteParagraphs(std::string_view cp1250Note);

}  // namespace lun4::reports
