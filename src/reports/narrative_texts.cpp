#include "reports/narrative_texts.h"

#include <algorithm>
#include <string_view>

#include "model/cp1250.h"

namespace lun4::reports::narrative {
namespace {

std::string cp(std::u8string_view utf8) {
    return cp1250::fromLiteral(utf8);
}

template <size_t N>
std::array<std::string, N> cpAll(const std::u8string_view (&utf8)[N]) {
    std::array<std::string, N> out;
    for (size_t i = 0; i < N; ++i) out[i] = cp(utf8[i]);
    return out;
}

Gendered gendered(std::u8string_view male, std::u8string_view female) {
    return {cp(male), cp(female)};
}

// One text for both: a label that says nothing about the examinee.
Gendered neutral(std::u8string_view text) {
    return {cp(text), cp(text)};
}

std::string repeated(char c, int n, std::string_view after = {}) {
    return std::string(static_cast<size_t>(n), c) + std::string(after);
}

// Section titles: the last one is singular, unlike the catalogue's scale name.
constexpr std::u8string_view kSectionTitles[kScales] = {
    u8"Umiejętności wykonawcze",
    u8"Samodzielne funkcjonowanie",
    u8"Umiejętności spędzania wolnego czasu",
    u8"Adaptacja do pracy",
    u8"Komunikatywność",
    u8"Zachowanie interpersonalne",
};

// The descriptions, masculine and feminine. Komunikatywność describes its own scale: what was
// observed of understanding and passing on messages.
constexpr std::u8string_view kDescriptionsMale[kScales] = {
    u8"Podczas badań z zakresu czynności wykonawczych oceniono badanego pod kątem wykonania\r\n"
    u8"różnych zadań wytwórczych. Umiejętności te będą wykorzystywane do samodzielnego\r\n"
    u8"funkcjonowania oraz nauki przyszłego zawodu. ",

    u8"Podczas obserwacji w sferze samodzielnego funkcjonowania zwrócono szczególną uwagę na\r\n"
    u8"samoobsługę i samodzielność. Oceniono zakres umiejętności pozwalających w przyszłości\r\n"
    u8"na uzyskanie samodzielności. ",

    u8"W sferze tej oceniana jest umiejętność spędzania wolnego czasu, polega ona na wykonaniu\r\n"
    u8"przyjemnej i akceptowanej aktywności. ",

    u8"Obserwacja badanego w zakresie adaptacji do pracy ma na celu identyfikację umiejętności\r\n"
    u8"związanych z aklimatyzacją do pracy. W teście oceniono, jak badany reaguje na: "
    u8"przerywanie\r\n"
    u8"i przedłużanie pracy, jaki jest stopień rozpraszalności jego uwagi, czy potrafi wykonać "
    u8"określone\r\n"
    u8"zadanie bez nadzoru?",

    u8"Obserwowano, jak badany rozumie i przekazuje komunikaty (mową lub w inny sposób), jak "
    u8"zadaje\r\n"
    u8"pytania i odpowiada na nie w trzech obszarach: podczas badania, w domu oraz w szkole lub "
    u8"pracy. ",

    u8"W skali tej oceniono, jak badany zachowuje się w grupie, czy potrafi nawiązać kontakt.\r\n"
    u8"Dokonano obserwacji badanego podczas różnych zajęć, w tym zajęć plastycznych, podczas\r\n"
    u8"grupowych zajęć sportowych, a także innych zajęć realizowanych podczas pobytu w domu "
    u8"i różnym\r\n"
    u8"środowisku. Oceniono, jak badany reaguje na obce osoby, czy nie przeszkadza innym\r\n"
    u8"w zajęciach, czy dąży do nawiązywania kontaktów, czy prawidłowo reaguje na swoje imię, "
    u8"czy potrafi\r\n"
    u8"eksponować swoje emocje, czy posiada jakieś trudne zachowania uniemożliwiające normalne\r\n"
    u8"funkcjonowanie?",
};

constexpr std::u8string_view kDescriptionsFemale[kScales] = {
    u8"Podczas badań z zakresu czynności wykonawczych oceniono badaną pod kątem wykonania\r\n"
    u8"różnych zadań wytwórczych. Umiejętności te będą wykorzystywane do samodzielnego\r\n"
    u8"funkcjonowania oraz nauki przyszłego zawodu. ",

    kDescriptionsMale[1],
    kDescriptionsMale[2],

    u8"Obserwacja badanej w zakresie adaptacji do pracy ma na celu identyfikację umiejętności\r\n"
    u8"związanych z aklimatyzacją do pracy. W teście oceniono, jak badana reaguje na: "
    u8"przerywanie\r\n"
    u8"i przedłużanie pracy, jaki jest stopień rozpraszalności jej uwagi, czy potrafi wykonać "
    u8"określone\r\n"
    u8"zadanie bez nadzoru?",

    u8"Obserwowano, jak badana rozumie i przekazuje komunikaty (mową lub w inny sposób), jak "
    u8"zadaje\r\n"
    u8"pytania i odpowiada na nie w trzech obszarach: podczas badania, w domu oraz w szkole lub "
    u8"pracy. ",

    u8"W skali tej oceniono, jak badana zachowuje się w grupie, czy potrafi nawiązać kontakt.\r\n"
    u8"Dokonano obserwacji badanej podczas różnych zajęć, w tym zajęć plastycznych, podczas\r\n"
    u8"grupowych zajęć sportowych, a także innych zajęć realizowanych podczas pobytu w domu "
    u8"i różnym\r\n"
    u8"środowisku. Oceniono, jak badana reaguje na obce osoby, czy nie przeszkadza innym\r\n"
    u8"w zajęciach, czy dąży do nawiązywania kontaktów, czy prawidłowo reaguje na swoje imię, "
    u8"czy potrafi\r\n"
    u8"eksponować swoje emocje, czy posiada jakieś trudne zachowania uniemożliwiające normalne\r\n"
    u8"funkcjonowanie?",
};

constexpr std::u8string_view kAreaHeadings[kAreas] = {
    u8"Wynik z 3 obszarów\r\nObszar bezpośredniej obserwacji",
    u8"Obszar domowy",
    u8"Obszar szkoła/praca",
};

constexpr std::u8string_view kAreaTexts[kAreas] = {
    u8"Przeprowadzono łącznie 12 obserwacji i procedur. Spośród 12 zadań 4 zadania były "
    u8"utrudnione,\r\n"
    u8"dokonywano ich oceny tylko w obszarze bezpośredniej obserwacji.",
    u8"Przeprowadzono łącznie 8 obserwacji i procedur.",
    u8"Przeprowadzono łącznie 8 obserwacji i procedur.",
};

// Only the phrase for 0 ends with a blank.
constexpr std::u8string_view kCountPhrases[kMaxCount + 1] = {
    u8"  0 procedur ", u8"  1 procedurę", u8"  2 procedury", u8"  3 procedury", u8"  4 procedury",
    u8"  5 procedur",  u8"  6 procedur",  u8"  7 procedur",  u8"  8 procedur",  u8"  9 procedur",
    u8"  10 procedur", u8"  11 procedur", u8"  12 procedur",
};

constexpr std::u8string_view kSuffixSingular[3] = {
    u8" oceniono jako – niezaliczoną",
    u8" oceniono jako – obiecującą",
    u8" oceniono jako – zaliczoną",
};
constexpr std::u8string_view kSuffixPlural[3] = {
    u8" oceniono jako – niezaliczone",
    u8" oceniono jako – obiecujące",
    u8" oceniono jako – zaliczone",
};

constexpr std::u8string_view kComparisonEndings[7] = {
    u8" obserwacji bezpośredniej.",
    u8" obserwacji domowej.",
    u8" obserwacji szkoła/praca.",
    u8" obserwacji bezpośredniej i obszarze obserwacji domowej.",
    u8" obserwacji bezpośredniej i obszarze obserwacji szkoła/praca.",
    u8" obserwacji domowej i obszarze obserwacji szkoła/praca.",
    u8"",
};

// Row order of the personal data table: 1 left, 1 right, 2 left, 2 right, 3 left, 3 right,
// 4, 5, 6.
constexpr std::u8string_view kDataLabels[9] = {
    u8"Imię i nazwisko",
    u8"Data urodzenia",
    u8"Adres\r\nzamieszkania",
    u8"Kontakt/telefony",
    u8"Adres placówki,\r\ndo której\r\nuczęszcza badany",
    u8"Rodzeństwo\r\n(data urodzenia)",
    u8"Opiekunowie\r\nprawni (rodzice)",
    u8"Dodatkowe\r\ninformacje",
    u8"Rodzaj\r\nstosowanego\r\nbadania",
};

constexpr std::u8string_view kAreaColumnHeadings[3] = {
    u8"Badanie w Obszarze\r\nBezpośredniej Obserwacji",
    u8"Badanie w Obszarze\r\nSzkoła/Praca",
    u8"Badanie w Obszarze\r\nObserwacji Domowej",
};

ReportTexts makeTexts() {
    ReportTexts t;
    t.sectionTitles = cpAll(kSectionTitles);
    for (int i = 0; i < kScales; ++i) {
        t.descriptions[i] = gendered(kDescriptionsMale[i], kDescriptionsFemale[i]);
    }
    t.areaHeadings = cpAll(kAreaHeadings);
    t.areaTexts = cpAll(kAreaTexts);
    t.countPhrases = cpAll(kCountPhrases);
    t.suffixSingular = cpAll(kSuffixSingular);
    t.suffixPlural = cpAll(kSuffixPlural);
    t.unscoredNouns = {cp(u8"procedura"), cp(u8"procedury"), cp(u8"procedur")};
    t.unscoredSuffix = cp(u8" – bez oceny");
    t.recommendationsHeading = "Wskazania:";
    t.comparisonOpening =
        gendered(u8"Wyniki 3 obszarów świadczą, że badany w danym zakresie najlepiej oceniony "
                 u8"został \r\nw obszarze",
                 u8"Wyniki 3 obszarów świadczą, że badana w danym zakresie najlepiej oceniona "
                 u8"została \r\nw obszarze");
    t.comparisonEndings = cpAll(kComparisonEndings);
    t.comparisonAllAlike =
        gendered(u8"Wyniki 3 obszarów świadczą, że badany w danym zakresie został oceniony\r\n"
                 u8"we wszystkich obszarach tak samo.",
                 u8"Wyniki 3 obszarów świadczą, że badana w danym zakresie została oceniona\r\n"
                 u8"we wszystkich obszarach tak samo.");
    t.nothingScored = cp(u8"Żadnej pozycji tej skali nie oceniono.");

    t.dateLine = repeated('.', 50);
    t.dateCaption = cp(u8"miejscowość i data");
    t.coverHeading =
        cp(u8"Wyniki i pisemne sprawozdanie ze zindywidualizowanego badania TORVA,\r\n"
           u8"przeprowadzonego przez:");
    t.institutionCaption = cp(u8"nazwa placówki przeprowadzającej badania diagnostyczne");
    t.diagnosticianLine = "mgr" + repeated('.', 108);
    // "mgr" is as wide as six dots in the body font.
    t.diagnosticianLineNoDegree = repeated('.', 114);
    t.diagnosticianCaption =
        repeated(' ', 26, cp(u8"imię i nazwisko osoby diagnozującej, specjalizacja"));
    t.permitLine = cp(u8"Numer uprawnień diagnostycznych") + repeated('.', 80);
    t.permitCaption = repeated(' ', 93, cp(u8"numer uprawnień"));

    for (int i = 0; i < 9; ++i) t.dataLabels[i] = neutral(kDataLabels[i]);
    t.dataLabels[4].female = cp(u8"Adres placówki,\r\ndo której\r\nuczęszcza badana");
    t.examinationKind = cp(u8"Test Rozwoju Psychoedukacyjnego oparty na elementach\r\nTORVA");

    t.areaColumnHeadings = cpAll(kAreaColumnHeadings);
    t.sphereList =
        cp(u8"umiejętności wykonawcze,\r\nsamodzielne funkcjonowanie,\r\numiejętność spędzania\r\n"
           u8"wolnego czasu, adaptacja\r\ndo pracy, komunikatywność,\r\n"
           u8"zachowania interpersonalne.");
    t.remarksHeading = cp(u8"Uwagi ogólne dotyczące diagnozy");
    t.subjected = gendered(u8" został poddany diagnozie dla młodzieży i osób dorosłych.",
                           u8" została poddana diagnozie dla młodzieży i osób dorosłych.");
    t.preparedBy = cp(u8"Diagnozę na wniosek rodzica/opiekuna przygotował(a) ");
    t.preparedByNobody =
        cp(u8"Diagnozę na wniosek rodzica/opiekuna przygotował(a): ") + repeated('.', 60);
    t.assessed =
        gendered(u8"Podczas diagnozy oceniano funkcjonowanie badanego w zakresie następujących sfer:",
                 u8"Podczas diagnozy oceniano funkcjonowanie badanej w zakresie następujących sfer:");
    // Broken one word earlier than it used to be: "adaptacja" ended past the frame and was
    // cut off. Two blanks before "Domowy", as the text has always been printed.
    t.spheresAssessed =
        cp(u8"umiejętności wykonawcze, samodzielne funkcjonowanie, umiejętność spędzania wolnego "
           u8"czasu,\r\n"
           u8"adaptacja do pracy, komunikatywność, zachowania interpersonalne. Wymienione sfery "
           u8"oceniono\r\n"
           u8"w trzech obszarach: Obszar Bezpośredniej Obserwacji, Obszar Szkoła Praca, Obszar  "
           u8"Domowy.");
    t.resultsHeading =
        gendered(u8"PODSUMOWANIE WYNIKÓW BADANEGO", u8"PODSUMOWANIE WYNIKÓW BADANEJ");

    t.widthProbe = cp(u8"Zażółć gęślą jaźń – WMQ@ ilj.,;:1234567890 ĄĘŚĆŻŹŁÓŃ (?!) /x\\");
    t.signatureLine = repeated('.', 66);
    t.signatureCaption = cp(u8"Podpis osoby diagnozującej");
    return t;
}

// The area whose count is greater than each of the other two, or -1.
int soleHighest(const std::array<int, kAreas>& counts) {
    const int top = *std::max_element(counts.begin(), counts.end());
    if (std::count(counts.begin(), counts.end(), top) != 1) return -1;
    return static_cast<int>(std::find(counts.begin(), counts.end(), top) - counts.begin());
}

// The area left out when exactly two areas share a count greater than the third's, or -1.
int lowestOfSharedHighest(const std::array<int, kAreas>& counts) {
    const int top = *std::max_element(counts.begin(), counts.end());
    if (std::count(counts.begin(), counts.end(), top) != 2) return -1;
    return static_cast<int>(
        std::find_if(counts.begin(), counts.end(), [top](int n) { return n != top; }) -
        counts.begin());
}

Ending single(int area) {
    return area == 0 ? Ending::Direct : area == 1 ? Ending::Home : Ending::SchoolWork;
}

Ending pairWithout(int area) {
    return area == 2   ? Ending::DirectAndHome
           : area == 1 ? Ending::DirectAndSchoolWork
                       : Ending::HomeAndSchoolWork;
}

}  // namespace

const ReportTexts& reportTexts() {
    static const ReportTexts texts = makeTexts();
    return texts;
}

Ending comparisonEnding(const std::array<int, kAreas>& pass,
                        const std::array<int, kAreas>& emerging) {
    if (const int best = soleHighest(pass); best >= 0) return single(best);
    // No area has the most passes on its own: the most emerging results decide first, even
    // over two areas that share the most passes.
    if (const int best = soleHighest(emerging); best >= 0) return single(best);
    if (const int left = lowestOfSharedHighest(pass); left >= 0) return pairWithout(left);
    // Every area has as many passes as the others.
    if (const int left = lowestOfSharedHighest(emerging); left >= 0) return pairWithout(left);
    return Ending::AllAlike;
}

}  // namespace lun4::reports::narrative
