#pragma once
// How complete the assessment is, where the screens show it: "Ocenione: N ze 168" in the
// main menu's examinee panel, the areas with unscored items on the print menu, and a
// one-line notice on the first page a preview shows of a record with unscored items. The
// same notice line reports a file the program has just written.

#include <string>

#include "model/examinee_record.h"
#include "model/scoring.h"
#include "ui/surface.h"

namespace lun4 {

// Texts, cp1250.
// "Ocenione: 120 ze 168"
std::string scoredCountText(const Completeness& completeness);
// "bez oceny: 12", or "wszystkie ocenione" for an area with none left.
std::string areaStatusText(int unscored);
// "Ocena niepełna: ocenione 120 ze 168 pozycji. Bez oceny – obszar diagnosty: 12, w domu:
// 36." naming only the areas with unscored items.
std::string incompleteNotice(const Completeness& completeness);

// The third line of the main menu's examinee panel: the count and a bar that fills as items
// are scored.
void drawScoredCount(ui::Surface& target, const ExamineeRecord& record);

// The print menu's lower band: the count, then each area with what is left in it.
void drawPrintMenuCompleteness(ui::Surface& target, const ExamineeRecord& record);

enum class NoticeKind { Warning, Done };

// The one-line notice above a preview's buttons (x 36..988, y 664..690).
void drawPreviewNotice(ui::Surface& target, std::string_view text, NoticeKind kind);
// The line under the print menu's sheet button reporting a file written.
void drawPrintMenuNotice(ui::Surface& target, std::string_view text);

// Where the print menu puts its "Wyniki do arkusza" button.
inline constexpr ui::Point kScoresSheetButton{690, 598};
// Where the report preview puts its "Zapisz do edycji" button, between "Drukuj" and
// "Poprzednie".
inline constexpr ui::Point kSaveForEditingButton{395, 695};

}  // namespace lun4
