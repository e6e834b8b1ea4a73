#pragma once
// The results as files people keep working with: the narrative report as an editable
// document ("Zapisz do edycji" in the report preview) and the scores as a sheet ("Wyniki do
// arkusza" on the print menu). Each asks where to save, proposing a name in the user's
// documents folder, writes the file in one step and reports a failure.

#include <filesystem>
#include <optional>
#include <string>

#include "model/examinee_record.h"
#include "reports/narrative_report.h"
#include "ui/frame.h"

namespace lun4 {

// Proposed file names (cp1250): "<imię nazwisko> – raport.odt" and "<imię nazwisko> –
// wyniki <data badania>.csv". The examination date goes into the sheet's name because the
// sheet itself holds nothing but the items. Characters a file name cannot hold become "-";
// without a name (or date) that part is left out: "raport.odt", "wyniki.csv".
std::string editableReportFileName(const ExamineeRecord& record);
std::string scoresSheetFileName(const ExamineeRecord& record);

// Asks where and writes; the file written, or nothing when the user cancelled or writing
// failed (a message box has said why then).
std::optional<std::filesystem::path> saveEditableReport(ui::Frame& frame,
                                                        const ExamineeRecord& record,
                                                        const reports::CoverTexts& cover);
std::optional<std::filesystem::path> saveScoresSheet(ui::Frame& frame,
                                                     const ExamineeRecord& record);

// "Zapisano: <file name>", for the notice after a file was written (cp1250).
std::string savedNotice(const std::filesystem::path& path);

}  // namespace lun4
