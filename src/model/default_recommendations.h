#pragma once
// The default recommendation of every item for an emerging and for a fail score. Scoring an
// item yellow or red copies the matching text into the item's note.

#include <string_view>

namespace lun4 {

enum class RecommendationKind { Emerging, Fail };

// cp1250 text of item 1..168; lines end with "\r\n".
std::string_view defaultRecommendation(RecommendationKind kind, int item);

}  // namespace lun4
