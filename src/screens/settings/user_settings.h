#pragma once
// What the settings screen keeps per user (UTF-8 values in the frame's settings store) and
// where it is proposed: the examinee folder chosen (empty for the program's default), the
// place proposed on the report's cover, the diagnostician and permit number proposed for new
// records, and the folder backups were last written to or read from. The cover's institution
// is the key the report's cover keeps (viewers/exports.h), so both places edit one text.

#include <ctime>
#include <string>
#include <string_view>

#include "model/examinee_record.h"
#include "ui/settings.h"

namespace lun4 {

inline constexpr std::string_view kExamineeFolderKey = "pliki/folder_badanych";
inline constexpr std::string_view kPlaceKey = "raport/miejscowosc";
inline constexpr std::string_view kDiagnosticianKey = "badanie/diagnosta";
inline constexpr std::string_view kPermitKey = "badanie/numer_uprawnien";
inline constexpr std::string_view kBackupFolderKey = "kopia/folder";

// A new record (the blank one at the start, one begun with "Nowe badanie") gets the
// diagnostician and permit number kept in the settings, where its own are empty.
void proposeDiagnostician(ExamineeRecord& record, const ui::Settings& settings);

// The cover's place and date for a report made on the day of `now` (cp1250): "Kraków,
// 7 grudnia 2026 r."; empty when no place is kept.
std::string coverPlaceAndDate(const ui::Settings& settings, std::time_t now);

// "1 plik", "3 pliki", "5 plików", "22 pliki" (cp1250).
std::string fileCount(int n);

}  // namespace lun4
