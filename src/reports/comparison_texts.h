#pragma once
// The Polish of the comparison document: the summary paragraph, the group headings of the
// changed items and the numbers with the forms Polish gives a noun after them ("1 pozycja",
// "2 pozycje", "5 pozycji", "22 pozycje"). Texts are cp1250.

#include <string>
#include <string_view>

#include "model/comparison.h"
#include "model/examinee_record.h"

namespace lun4::reports::comparison {

// The case a counted noun stands in: "jest 5 pozycji" (nominative), "oceniono 1 pozycję"
// (accusative), "w 2 pozycjach" (locative).
enum class Form { Nominative, Accusative, Locative };

// "1 pozycja", "3 pozycje", "12 pozycji", "22 pozycje"; the number in digits.
std::string items(int n, Form form);

// A change in a count: "+3", "0", "–1" (with the dash print uses for minus).
std::string signedChange(int n);

// The three groups of the changed items, in the document's order.
enum class Group { Progress, Regress, ScoredOnce };
inline constexpr int kGroupCount = 3;
// Whether a change belongs to the group (newly scored and no longer scored items share one).
bool inGroup(ScoreChange change, Group group);
// "Postęp – 15 pozycji", "Regres – 1 pozycja", "Nowo ocenione / nieocenione – 2 pozycje";
// with "(cd.)" after it on a page the group continues on.
std::string groupHeading(Group group, int count, bool continued);

// One paragraph: how many more (or fewer) items are passed than at the earlier examination,
// how many items were scored differently and how, and the scales with the largest progress
// and regress. Gendered by the later record ("badana uzyskała", "badany uzyskał").
std::string summary(const Comparison& comparison, const ExamineeRecord& earlier,
                    const ExamineeRecord& later);

}  // namespace lun4::reports::comparison
