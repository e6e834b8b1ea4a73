#pragma once
// The report's sentences that depend on the record, composed once for the pages and for the
// editable document alike. Texts are cp1250.

#include <string>

#include "model/examinee_record.h"
#include "reports/narrative_texts.h"

namespace lun4::reports::narrative {

// The items of scale s (0..5) in area a (0..2) as the report counts and lists them: all 12
// of a direct-observation scale, the 8 of home and of school and work.
int firstItemOf(int scale, int area);
int itemCountOf(int area);

// A count line of area a of scale s: the count phrase of the fail, emerging or pass count
// and its suffix, singular for a count of 1 ("  1 procedurę oceniono jako – niezaliczoną").
std::string countLine(const ExamineeRecord& record, int scale, int area, CountLine which);
// The number of items of area a of scale s that are not scored, and the line that says so
// ("  1 procedura – bez oceny", "  3 procedury – bez oceny", "  5 procedur – bez oceny").
// The report prints it after the pass line when the number is not 0.
int unscoredCount(const ExamineeRecord& record, int scale, int area);
std::string unscoredLine(int count);

// An item whose note the report lists under "Wskazania:": scored emerging or fail. A passed
// item keeps its note in the record, but no recommendation is printed for a skill it has.
bool listsRecommendation(const ExamineeRecord& record, int item);

// The sentence that closes scale s: the opening by gender and the ending chosen from the
// pass and emerging counts of the three areas, on two lines, the second "w obszarze ...";
// "... została oceniona" / "we wszystkich obszarach tak samo." when no area did better; one
// line saying that nothing was scored when no item of the scale is scored in any area.
std::string comparisonSentence(const ExamineeRecord& record, int scale);

// The general remarks, in page order: the examinee was assessed, who prepared the
// diagnosis (a dotted line to sign on when the record names nobody), what was assessed.
std::string subjectedSentence(const ExamineeRecord& record);
std::string preparedBySentence(const ExamineeRecord& record);
const std::string& assessedSentence(const ExamineeRecord& record);

// Whether a diagnostician's name already begins with a degree (mgr, dr, dr hab., prof.,
// lic., inż.), so that the cover does not print its own "mgr" before it.
bool beginsWithDegree(std::string_view cp1250Name);
// The cover's line under which the diagnostician's name stands: "mgr" and dots, or only
// dots when the name brings its own degree.
const std::string& diagnosticianLine(const ExamineeRecord& record);

}  // namespace lun4::reports::narrative
