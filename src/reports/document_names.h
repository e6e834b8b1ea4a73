#pragma once
// What each document is called, in the printer's queue, as a PDF's title and in the file
// names the dialogs propose: whose it is and what it is, "Nowak Jan – profil". Texts are
// cp1250.

#include <string>
#include <string_view>

#include "model/examinee_record.h"
#include "reports/print_job.h"

namespace lun4::reports {

// "Nowak Jan – profil", "… – formularz", "… – raport", "… – pomoc 5" (aid page 4), "… –
// porównanie" (named for the later record); without a name only what it is ("profil").
std::string documentName(Document document, const ExamineeRecord& record, int aidPage = 0);
// The examinee's surname and first name, then " – " and `what`; `what` alone without a name.
// Characters a file name cannot hold ("\ / : * ? " < > |", control characters) become "-".
std::string namedFor(const ExamineeRecord& record, std::string_view what);
// A record's text as part of a file name: what no file system takes becomes "-"; blanks,
// dots and dashes at either end go.
std::string fileNamePart(std::string_view cp1250Text);

}  // namespace lun4::reports
