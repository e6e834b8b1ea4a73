#include "model/default_recommendations.h"

#include <array>
#include <string>

#include "model/catalogue.h"
#include "model/cp1250.h"

namespace lun4 {
namespace {

struct SourceEntry {
    int item;
    const char* emerging;  // UTF-8
    const char* fail;      // UTF-8; kSameText when the item has one text for both scores
};

constexpr const char* kSameText = nullptr;

constexpr SourceEntry kSource[] = {
#include "model/default_recommendation_texts.inc"
};

constexpr bool entriesInItemOrder() {
    for (int i = 0; i < kItemCount; ++i) {
        if (kSource[i].item != i + 1 || kSource[i].emerging == nullptr) return false;
    }
    return true;
}
static_assert(std::size(kSource) == kItemCount && entriesInItemOrder(),
              "one entry per item, in item order");

const char* sourceText(RecommendationKind kind, int item) {
    const SourceEntry& entry = kSource[item - 1];
    if (kind == RecommendationKind::Fail && entry.fail != kSameText) return entry.fail;
    return entry.emerging;
}

struct Tables {
    std::array<std::string, kItemCount> emerging;
    std::array<std::string, kItemCount> fail;
};

const Tables& tables() {
    static const Tables converted = [] {
        Tables t;
        for (int k = 1; k <= kItemCount; ++k) {
            // The source holds only characters cp1250 carries (the content tests prove it),
            // so nothing is replaced here.
            t.emerging[k - 1] = cp1250::fromUtf8Lossy(sourceText(RecommendationKind::Emerging, k));
            t.fail[k - 1] = cp1250::fromUtf8Lossy(sourceText(RecommendationKind::Fail, k));
        }
        return t;
    }();
    return converted;
}

}  // namespace

std::string_view defaultRecommendation(RecommendationKind kind, int item) {
    const Tables& t = tables();
    return kind == RecommendationKind::Emerging ? t.emerging[item - 1] : t.fail[item - 1];
}

std::string_view defaultRecommendationSource(RecommendationKind kind, int item) {
    return sourceText(kind, item);
}

}  // namespace lun4
