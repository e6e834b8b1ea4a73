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
// and its suffix, singular for a count of 1 ("  1 procedurę oceniono jako – nie zaliczoną").
std::string countLine(const ExamineeRecord& record, int scale, int area, CountLine which);

// The sentence that closes scale s: the opening by gender and the ending chosen from the
// pass and emerging counts of the three areas. Two lines, the second "w obszarze ...".
std::string comparisonSentence(const ExamineeRecord& record, int scale);

// The general remarks, in page order: the examinee was assessed, who prepared the
// diagnosis, what was assessed.
std::string subjectedSentence(const ExamineeRecord& record);
std::string preparedBySentence(const ExamineeRecord& record);
const std::string& assessedSentence(const ExamineeRecord& record);

}  // namespace lun4::reports::narrative
