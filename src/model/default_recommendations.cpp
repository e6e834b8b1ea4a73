#include "model/default_recommendations.h"

#include <array>
#include <string>

#include "model/cp1250.h"

namespace lun4 {
namespace {

// Only the texts of items 69, 121 and 168 are written so far; the other items get an empty
// note until their texts arrive.
struct Entry {
    int item;
    const char8_t* emerging;
    const char8_t* fail;
};

constexpr Entry kTexts[] = {
    {69,
     u8"Prowokowanie do różnego rodzaju aktywności i wydłużenie czasu koncentracji uwagi oraz \r\nnawiązanie odpowiedniej współpracy z terapeutą/opiekunem.\r\nAranżowanie ćwiczeń z naśladownictwa ruchowego w celu prowokowania do obserwowania \r\ni skupiania uwagi na prowadzącym zajęcia.\r\n",
     u8"Prowokowanie do różnego rodzaju aktywności i wydłużenie czasu koncentracji uwagi oraz \r\nnawiązanie odpowiedniej współpracy z terapeutą/opiekunem.\r\nAranżowanie ćwiczeń z naśladownictwa ruchowego w celu prowokowania do obserwowania \r\ni skupiania uwagi na prowadzącym zajęcia.\r\n"},
    {121,
     u8"Aranżowanie sytuacji zadaniowej związanej z sortowaniem różnych \r\nelementów, np. guzików, koralików, ubrań, sztućców, zabawek, suszonych \r\nkwiatów, elementów kompozycji. \r\n",
     u8"Aranżowanie sytuacji zadaniowej związanej z sortowaniem różnych elementów, np. guzików, \r\nkoralików, ubrań, sztućców, zabawek, innych. Jeśli podopieczny ma problem z wyodrębnieniem \r\nelementów terapeuta wspomaga jego działanie.\r\n"},
    {168,
     u8"Aranżowanie sytuacji związanej z uczestniczeniem podopiecznego w różnego rodzaju spotkaniach. \r\n",
     u8"Aranżowanie sytuacji związanej z uczestniczeniem podopiecznego w różnego rodzaju \r\nspotkaniach. \r\n"},
};

struct Tables {
    std::array<std::string, 169> emerging;
    std::array<std::string, 169> fail;
};

const Tables& tables() {
    static const Tables t = [] {
        Tables out;
        for (const Entry& e : kTexts) {
            out.emerging[e.item] = cp1250::fromUtf8Lossy(reinterpret_cast<const char*>(e.emerging));
            out.fail[e.item] = cp1250::fromUtf8Lossy(reinterpret_cast<const char*>(e.fail));
        }
        return out;
    }();
    return t;
}

}  // namespace

std::string_view defaultRecommendation(RecommendationKind kind, int item) {
    if (item < 1 || item > 168) return {};
    return kind == RecommendationKind::Emerging ? tables().emerging[item] : tables().fail[item];
}

}  // namespace lun4
