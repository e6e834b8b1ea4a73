#pragma once
// The print job: composes a document's pages as recordings and places rectangles of them on
// the printed sheets, as shares of the printable width H and height V. The chart prints on
// one sheet, the summary form on four, the report two report pages per sheet inside one
// continuous frame with the signature block at the end, an aid picture on one landscape
// sheet, the comparison of two assessments one page per landscape sheet. The same job serves
// the print dialog and the PDF export.

#include <string>

#include "model/examinee_record.h"
#include "reports/narrative_report.h"
#include "ui/print_target.h"
#include "ui/surface.h"

namespace lun4::reports {

enum class Document {
    ProfileChart = 1,
    SummaryForm = 2,
    NarrativeReport = 3,
    AidPicture = 10,
    Comparison = 20,
};

inline constexpr int kAidCount = 17;
// "Pomoce\1.jpg" for page 0 up to "Pomoce\17.jpg" for page 16.
std::string aidPictureName(int page);

struct PrintSources {
    ui::ImageSource& images;
    const ExamineeRecord& record;
    NarrativeReport& report;  // keeps the page count the job learns
    CoverTexts cover;
    int aidPage = 0;  // 0..16, the aid picture printed
    // The earlier assessment a comparison sets against `record`, the later one; a comparison
    // without it prints nothing.
    const ExamineeRecord* earlier = nullptr;
};

enum class PrintResult { Cancelled, Printed, Failed };

// Asks the target where to print (nothing is composed when the user cancels), then prints.
// The document goes by its own name ("Nowak Jan – profil"), in the queue and as a PDF's title.
// Failed when the target could not write the document (its error() says why).
PrintResult printDocument(Document document, ui::PrintTarget& target, const PrintSources& sources);

}  // namespace lun4::reports
