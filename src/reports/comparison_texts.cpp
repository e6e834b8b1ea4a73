#include "reports/comparison_texts.h"

#include <algorithm>
#include <vector>

#include "model/catalogue.h"
#include "model/cp1250.h"

namespace lun4::reports::comparison {
namespace {

// The texts are put together in UTF-8 and converted once at the end.
std::string utf8(std::string_view cp1250Text) {
    return cp1250::toUtf8(cp1250Text);
}

// Polish numbers take the noun in the singular after 1, in the plural after 2-4, 22-24,
// 32-34 ... (but not 12-14), and in the genitive plural after every other number.
enum class Number { One, Few, Many };

Number numberOf(int n) {
    if (n == 1) return Number::One;
    const int units = n % 10;
    const int tens = n % 100;
    if (units >= 2 && units <= 4 && (tens < 12 || tens > 14)) return Number::Few;
    return Number::Many;
}

std::string_view pick(int n, std::string_view one, std::string_view few, std::string_view many) {
    switch (numberOf(n)) {
        case Number::One:
            return one;
        case Number::Few:
            return few;
        default:
            return many;
    }
}

std::string_view noun(int n, Form form) {
    switch (form) {
        case Form::Nominative:
            return pick(n, "pozycja", "pozycje", "pozycji");
        case Form::Accusative:
            return pick(n, "pozycję", "pozycje", "pozycji");
        case Form::Locative:
            return n == 1 ? "pozycji" : "pozycjach";
    }
    return {};
}

// "o 14 pozycji zaliczonych więcej", "o jedną pozycję zaliczoną mniej".
std::string passedMoreOrLess(int change) {
    const int n = std::abs(change);
    std::string out = "o ";
    out += n == 1 ? std::string("jedną") : std::to_string(n);
    out += " " + std::string(noun(n, Form::Accusative)) + " ";
    out += pick(n, "zaliczoną", "zaliczone", "zaliczonych");
    out += change > 0 ? " więcej" : " mniej";
    return out;
}

std::string joined(const std::vector<std::string>& parts, std::string_view last) {
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += i + 1 == parts.size() ? std::string(last) : std::string(", ");
        out += parts[i];
    }
    return out;
}

std::string quotedScale(int s) {
    return "„" + utf8(scaleName(scaleAt(s))) + "”";
}

// "W porównaniu z badaniem z 12.05.2025 badana uzyskała o 14 pozycji zaliczonych więcej
// (56 wobec 42)."
std::string passesSentence(const Comparison& c, const ExamineeRecord& earlier,
                           const ExamineeRecord& later) {
    const std::string date = utf8(text(earlier.examDate));
    std::string out = date.empty() ? "W porównaniu z poprzednim badaniem "
                                   : "W porównaniu z badaniem z " + date + " ";
    out += later.gender == kGenderFemale ? "badana uzyskała " : "badany uzyskał ";
    const int change = c.allItems.passChange();
    const int now = c.allItems.later.pass;
    if (change == 0) {
        return out + "tyle samo pozycji zaliczonych co wtedy (" + std::to_string(now) + ").";
    }
    return out + passedMoreOrLess(change) + " (" + std::to_string(now) + " wobec " +
           std::to_string(c.allItems.earlier.pass) + ").";
}

// The one kind all changes are of, said of all of them: "we wszystkich nastąpił postęp".
std::string allOfOneKind(ScoreChange kind, int n) {
    const bool one = n == 1;
    const bool two = n == 2;
    switch (kind) {
        case ScoreChange::Progress:
        case ScoreChange::Regress: {
            const std::string what = kind == ScoreChange::Progress ? "postęp" : "regres";
            if (one) return "nastąpił w niej " + what;
            return std::string(two ? "w obu" : "we wszystkich") + " nastąpił " + what;
        }
        case ScoreChange::NewlyScored:
            return one ? "oceniono ją po raz pierwszy"
                       : std::string(two ? "obie" : "wszystkie") + " oceniono po raz pierwszy";
        case ScoreChange::NoLongerScored:
            return one ? "tym razem pozostała bez oceny"
                       : std::string(two ? "obie" : "wszystkie") + " tym razem pozostały bez oceny";
        case ScoreChange::Same:
            break;
    }
    return {};
}

// "Inaczej niż poprzednio oceniono 22 pozycje: w 15 nastąpił postęp, w 5 regres,
// 1 oceniono po raz pierwszy i 1 tym razem pozostała bez oceny."
std::string changesSentence(const Comparison& c) {
    const int total = static_cast<int>(c.changes.size());
    if (total == 0) return "Wszystkie pozycje oceniono tak samo jak poprzednio.";
    std::string out = "Inaczej niż poprzednio oceniono " + std::to_string(total) + " " +
                      std::string(noun(total, Form::Accusative));
    const ScoreChange kinds[] = {ScoreChange::Progress, ScoreChange::Regress,
                                 ScoreChange::NewlyScored, ScoreChange::NoLongerScored};
    std::vector<std::string> parts;
    ScoreChange only = ScoreChange::Same;
    for (ScoreChange kind : kinds) {
        const int n = c.count(kind);
        if (n == 0) continue;
        only = kind;
        const std::string count = std::to_string(n);
        switch (kind) {
            case ScoreChange::Progress:
                parts.push_back("w " + count + " nastąpił postęp");
                break;
            case ScoreChange::Regress:
                // After "w 15 nastąpił postęp" the verb is understood.
                parts.push_back("w " + count + (parts.empty() ? " nastąpił regres" : " regres"));
                break;
            case ScoreChange::NewlyScored:
                parts.push_back(count + " oceniono po raz pierwszy");
                break;
            case ScoreChange::NoLongerScored:
                parts.push_back(count + " tym razem " +
                                std::string(pick(n, "pozostała", "pozostały", "pozostało")) +
                                " bez oceny");
                break;
            case ScoreChange::Same:
                break;
        }
    }
    if (parts.size() == 1) return out + " – " + allOfOneKind(only, total) + ".";
    return out + ": " + joined(parts, " i ") + ".";
}

// "Największy postęp w skali „Komunikatywność” (o 5 pozycji zaliczonych więcej), regres
// w skali „Adaptacja do pracy” (o 2 pozycje zaliczone mniej)."
std::string scalesSentence(const Comparison& c) {
    std::array<int, kScaleCount> change{};
    for (int s = 0; s < kScaleCount; ++s) change[s] = c.scales[s].all.passChange();
    const int best = *std::max_element(change.begin(), change.end());
    const int worst = *std::min_element(change.begin(), change.end());
    if (best <= 0 && worst >= 0) {
        return c.changes.empty() ? std::string()
                                 : "W żadnej skali liczba pozycji zaliczonych się nie zmieniła.";
    }
    // The scales that reach `extreme`, and how many moved that way at all.
    auto clause = [&](int extreme, bool up) {
        std::vector<std::string> names;
        int moved = 0;
        for (int s = 0; s < kScaleCount; ++s) {
            if (up ? change[s] > 0 : change[s] < 0) ++moved;
            if (change[s] == extreme) names.push_back(quotedScale(s));
        }
        std::string out = up ? "postęp" : "regres";
        if (moved > 1) out = "największy " + out;
        out += names.size() == 1 ? " w skali " : " w skalach ";
        out += joined(names, " i ");
        out += names.size() == 1 ? " (" : " (w każdej ";
        return out + passedMoreOrLess(extreme) + ")";
    };
    std::vector<std::string> parts;
    if (best > 0) parts.push_back(clause(best, true));
    if (worst < 0) parts.push_back(clause(worst, false));
    std::string out = joined(parts, ", ");
    out[0] = static_cast<char>(out[0] - 'a' + 'A');  // "największy", "postęp", "regres"
    return out + ".";
}

}  // namespace

std::string items(int n, Form form) {
    return cp1250::fromUtf8Lossy(std::to_string(n) + " " + std::string(noun(n, form)));
}

std::string signedChange(int n) {
    if (n > 0) return "+" + std::to_string(n);
    if (n < 0) return cp1250::fromLiteral(u8"–") + std::to_string(-n);
    return "0";
}

bool inGroup(ScoreChange change, Group group) {
    switch (group) {
        case Group::Progress:
            return change == ScoreChange::Progress;
        case Group::Regress:
            return change == ScoreChange::Regress;
        case Group::ScoredOnce:
            return change == ScoreChange::NewlyScored || change == ScoreChange::NoLongerScored;
    }
    return false;
}

std::string groupHeading(Group group, int count, bool continued) {
    static constexpr std::string_view kTitles[kGroupCount] = {"Postęp", "Regres",
                                                              "Nowo ocenione / nieocenione"};
    std::string out = std::string(kTitles[static_cast<int>(group)]) + " – " +
                      std::to_string(count) + " " + std::string(noun(count, Form::Nominative));
    if (continued) out += " (cd.)";
    return cp1250::fromUtf8Lossy(out);
}

std::string summary(const Comparison& comparison, const ExamineeRecord& earlier,
                    const ExamineeRecord& later) {
    std::string out =
        passesSentence(comparison, earlier, later) + " " + changesSentence(comparison);
    const std::string scales = scalesSentence(comparison);
    if (!scales.empty()) out += " " + scales;
    return cp1250::fromUtf8Lossy(out);
}

}  // namespace lun4::reports::comparison
