#pragma once
// The default therapy recommendations: for every item one text proposed when the item is
// scored emerging (yellow) and one when it is scored fail (red). Scoring an item copies the
// matching text into the item's note, which the diagnostician may then rewrite.

#include <string_view>

namespace lun4 {

enum class RecommendationKind { Emerging, Fail };

// The cp1250 default text of `item` (1..168): lines separated by "\r\n". Stays valid for the
// whole run.
std::string_view defaultRecommendation(RecommendationKind kind, int item);

// The same text as written in the source table, in UTF-8; lets a check prove that every
// character survives the conversion to cp1250.
std::string_view defaultRecommendationSource(RecommendationKind kind, int item);

}  // namespace lun4
