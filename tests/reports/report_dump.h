#pragma once
// Recorded report pages as readable lines, and golden files of them. A golden file is a list
// of pages ("== page N") with one line per drawing call; lines starting with "#" are notes
// for the reader. Set LUN4_UPDATE_GOLDEN=1 to rewrite the files from what is drawn now.

#include <string>
#include <vector>

#include "ui/recording_surface.h"

namespace lun4::testing {

// Every call in full: "text L T R B font align "text"", "box L T R B fill=rrggbb
// line=rrggbb", "fill L T R B rrggbb", "image name L T R B". Texts are UTF-8 with CR and LF
// written as \r and \n.
std::vector<std::string> fullDump(const ui::RecordingSurface& page);
// Texts of a per-scale page only, as "y font text"; the rest of each call is checked by
// expectFlowPageShape.
std::vector<std::string> flowDump(const ui::RecordingSurface& page);
// A per-scale page starts white with the frame, and every text is one line at x 115 in the
// text column (a section title in a 20-pixel band), black on transparent, left-aligned.
void expectFlowPageShape(const ui::RecordingSurface& page, int pageNumber);

void appendPage(std::vector<std::string>& dump, int pageNumber,
                const std::vector<std::string>& lines);
// Compares against tests/reports/golden/<name>.txt line by line.
void expectGolden(const std::string& name, const std::vector<std::string>& actual);

}  // namespace lun4::testing
