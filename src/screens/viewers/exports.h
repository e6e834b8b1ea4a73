#pragma once
// The results as files people keep working with: the narrative report as an editable
// document ("Zapisz do edycji" in the report preview) and the scores as a sheet ("Wyniki do
// arkusza" on the print menu). Each asks where to save, proposing a name that says whose and
// what it is in the folder used last (the user's documents folder at first), writes the file
// in one step and reports a failure.

#include <filesystem>
#include <optional>
#include <string>

#include "model/examinee_record.h"
#include "reports/narrative_report.h"
#include "reports/print_job.h"
#include "ui/frame.h"

namespace lun4 {

// Proposed file names (cp1250): "<nazwisko imię> – raport.odt", "<nazwisko imię> – wyniki
// <data badania>.csv" and, for printing to a file, "<nazwisko imię> – profil.pdf" (also
// "formularz", "raport", "pomoc N"). The examination date goes into the sheet's name because
// the sheet itself holds nothing but the items. Characters a file name cannot hold become
// "-"; without a name (or date) that part is left out: "raport.odt", "wyniki.csv".
std::string editableReportFileName(const ExamineeRecord& record);
std::string scoresSheetFileName(const ExamineeRecord& record);
std::string printedFileName(reports::Document document, const ExamineeRecord& record,
                            int aidPage = 0);
// "<nazwisko imię> – porównanie 12.05.2025–03.10.2025.csv", named for the later assessment;
// a date that is missing is left out.
std::string comparisonSheetFileName(const ExamineeRecord& earlier, const ExamineeRecord& later);

// The user's settings these screens keep (UTF-8 values): the folder a file was last saved or
// printed to, proposed by the next dialog; the cover's place and date and institution,
// proposed the next time a report is opened.
inline constexpr std::string_view kLastFolderKey = "pliki/ostatni_folder";
inline constexpr std::string_view kCoverPlaceKey = "raport/miejscowosc_i_data";
inline constexpr std::string_view kCoverInstitutionKey = "raport/placowka";

// The folder used last (before any, the examinee folder chosen in the settings; empty when
// neither is kept), and keeping the folder of `file`.
std::filesystem::path lastFolder(ui::Frame& frame);
void rememberFolder(ui::Frame& frame, const std::filesystem::path& file);

// Asks where and writes; the file written, or nothing when the user cancelled or writing
// failed (a message box has said why then).
std::optional<std::filesystem::path> saveEditableReport(ui::Frame& frame,
                                                        const ExamineeRecord& record,
                                                        const reports::CoverTexts& cover);
std::optional<std::filesystem::path> saveScoresSheet(ui::Frame& frame,
                                                     const ExamineeRecord& record);
std::optional<std::filesystem::path> saveComparisonSheet(ui::Frame& frame,
                                                         const ExamineeRecord& earlier,
                                                         const ExamineeRecord& later);

// "Zapisano: <file name>", for the notice after a file was written (cp1250).
std::string savedNotice(const std::filesystem::path& path);

}  // namespace lun4
