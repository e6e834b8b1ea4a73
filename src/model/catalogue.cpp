#include "model/catalogue.h"

#include <array>
#include <string>

#include "model/cp1250.h"

namespace lun4 {
namespace {

// Names as the diagnostician reads them, indexed by item number - 1. Item 46 keeps its
// leading blank: it is printed that way everywhere.
constexpr const char8_t* kItemNamesUtf8[kItemCount] = {
    u8"Sortowanie",                                                                      // 1
    u8"Korygowanie błędów przy sortowaniu",                                              // 2
    u8"Dobieranie do szablonu",                                                          // 3
    u8"Dopasowywanie kształtów",                                                         // 4
    u8"Dopasowywanie kolorów",                                                           // 5
    u8"Zestawianie",                                                                     // 6
    u8"Uczenie się nowych zadań",                                                        // 7
    u8"Liczenie przedmiotów",                                                            // 8
    u8"Pisanie na maszynie",                                                             // 9
    u8"Proste i skomplikowane układanie w porządku alfabetycznym",                       // 10
    u8"Mierzenie",                                                                       // 11
    u8"Skoordynowane używanie narzędzi",                                                 // 12
    u8"Informacje o nagłych przypadkach",                                                // 13
    u8"Określanie czasu",                                                                // 14
    u8"Rozpoznawanie pieniędzy",                                                         // 15
    u8"Liczenie pieniędzy",                                                              // 16
    u8"Znaki ostrzegawcze",                                                              // 17
    u8"Śniadanie",                                                                       // 18
    u8"Poprawne nawyki przy jedzeniu",                                                   // 19
    u8"Mycie rąk",                                                                       // 20
    u8"Używanie automatów do sprzedaży",                                                 // 21
    u8"Używanie pieniędzy",                                                              // 22
    u8"Przekazywanie wiadomości",                                                        // 23
    u8"Używanie kalendarza",                                                             // 24
    u8"Umiejętności wykorzystania wolnego czasu",                                        // 25
    u8"Tarcza do rzucania pokryta rzepami",                                              // 26
    u8"Gra w domino",                                                                    // 27
    u8"Gra w karty",                                                                     // 28
    u8"Chwytanie piłki",                                                                 // 29
    u8"Rzucanie piłki do kosza",                                                         // 30
    u8"Zszywanie",                                                                       // 31
    u8"Czytanie magazynów lub katalogów",                                                // 32
    u8"Gra w karty na wyższym poziomie",                                                 // 33
    u8"Gry zespołowe",                                                                   // 34
    u8"Kręgle mechaniczne (wersja zabawkowa)",                                           // 35
    u8"Rozpoczęcie i utrzymywanie aktywności związanej z wykorzystaniem wolnego czasu",  // 36
    u8"Układanie",                                                                       // 37
    u8"Ciągła praca nad zadaniem",                                                       // 38
    u8"Rozpraszanie uwagi z powodu dźwięków warsztatowych",                              // 39
    u8"Praca bez nadzoru",                                                               // 40
    u8"Reakcja na środowisko",                                                           // 41
    u8"Praca staranna i systematyczna",                                                  // 42
    u8"Zmiana schematu działania",                                                       // 43
    u8"Płynność wykonywania zadań",                                                      // 44
    u8"Wykonywanie poleceń 2- i 3-członowych",                                           // 45
    u8" Pytanie o pomoc w razie potrzeby",                                               // 46
    u8"Wydajność",                                                                       // 47
    u8"Przestrzeganie rozkładu dnia",                                                    // 48
    u8"Pisanie własnego imienia",                                                        // 49
    u8"Rozumienie poleceń słownych i gestów",                                            // 50
    u8"Odpowiadanie na aktualne pytania",                                                // 51
    u8"Polecenia odroczone",                                                             // 52
    u8"Zgłaszanie potrzeb",                                                              // 53
    u8"Wykazywanie pozytywnej postawy",                                                  // 54
    u8"Rozumienie zakazów",                                                              // 55
    u8"Komunikowanie spontaniczne",                                                      // 56
    u8"Polecenia pisemne",                                                               // 57
    u8"Pisanie wiadomości",                                                              // 58
    u8"Dokonywanie prostych zakupów",                                                    // 59
    u8"Przekazywanie wiadomości",                                                        // 60
    u8"Reakcja na imię",                                                                 // 61
    u8"Prawidłowe powitanie",                                                            // 62
    u8"Częstowanie przekąską",                                                           // 63
    u8"Reakcja na obecność egzaminującego",                                              // 64
    u8"Uśmiechanie się",                                                                 // 65
    u8"Samokontrola",                                                                    // 66
    u8"Właściwe zachowania interpersonalne",                                             // 67
    u8"Niewłaściwe zachowania interpersonalne",                                          // 68
    u8"Nawiązywanie i podtrzymywanie współpracy",                                        // 69
    u8"Podróżowanie z osobą przeprowadzającą test",                                      // 70
    u8"Właściwa reakcja na kontakt fizyczny",                                            // 71
    u8"Gry zespołowe",                                                                   // 72
    u8"Proste narzędzia warsztatowe",                                                    // 73
    u8"Przybory biurowe",                                                                // 74
    u8"Sortowanie",                                                                      // 75
    u8"Zamiatanie i odkurzanie",                                                         // 76
    u8"Przybory do czyszczenia",                                                         // 77
    u8"Pranie i suszenie ubrań",                                                         // 78
    u8"Mycie i suszenie naczyń",                                                         // 79
    u8"Sprzęt kuchenny",                                                                 // 80
    u8"Ubieranie się i toaleta osobista",                                                // 81
    u8"Kąpanie się i mycie zębów",                                                       // 82
    u8"Załatwianie potrzeb fizjologicznych",                                             // 83
    u8"Higiena przy miesiączkowaniu/goleniu",                                            // 84
    u8"Gotowanie",                                                                       // 85
    u8"Proste zakupy",                                                                   // 86
    u8"Niezależne poruszanie się",                                                       // 87
    u8"Jedzenie",                                                                        // 88
    u8"Spędzanie wolnego czasu",                                                         // 89
    u8"Samodzielna zabawa",                                                              // 90
    u8"Zabawa zespołowa",                                                                // 91
    u8"Gry planszowe",                                                                   // 92
    u8"Radio i telewizja",                                                               // 93
    u8"Zajęcia domowe",                                                                  // 94
    u8"Zajęcia pozadomowe",                                                              // 95
    u8"Zainteresowanie wydarzeniami publicznymi",                                        // 96
    u8"Praca samodzielna",                                                               // 97
    u8"Przepisy bezpieczeństwa",                                                         // 98
    u8"Poszanowanie własności, przestrzeganie zasad i regulaminu",                       // 99
    u8"Nowe zadania",                                                                    // 100
    u8"Polecenia odroczone",                                                             // 101
    u8"Zmiana schematu działania",                                                       // 102
    u8"Dostosowanie się do rutynowych zmian",                                            // 103
    u8"Zachowanie własnej przestrzeni i posiadania",                                     // 104
    u8"Zgłaszanie podstawowych potrzeb",                                                 // 105
    u8"Reakcja na pytania dotyczące aktualnej sytuacji",                                 // 106
    u8"Rozumienie pojęć",                                                                // 107
    u8"Używanie pojęć",                                                                  // 108
    u8"Czytanie znaków",                                                                 // 109
    u8"Używanie telefonu",                                                               // 110
    u8"Życie towarzyskie",                                                               // 111
    u8"Spontaniczne rozmowy",                                                            // 112
    u8"Właściwe zachowania interpersonalne ze znanymi osobami",                          // 113
    u8"Właściwe zachowania interpersonalne z obcymi",                                    // 114
    u8"Niewłaściwe zachowania interpersonalne",                                          // 115
    u8"Spotkania towarzyskie",                                                           // 116
    u8"Reakcja na obecność innych osób",                                                 // 117
    u8"Właściwe zachowania wobec innych w miejscach publicznych",                        // 118
    u8"Szukanie towarzystwa innych osób",                                                // 119
    u8"Nieprzeszkadzanie innym podczas swoich zajęć",                                    // 120
    u8"Sortowanie przedmiotów",                                                          // 121
    u8"Składanie",                                                                       // 122
    u8"Sortowanie dokumentów",                                                           // 123
    u8"Używanie prostych maszyn i narzędzi",                                             // 124
    u8"Rozróżnianie wymiarów",                                                           // 125
    u8"Mierzenie",                                                                       // 126
    u8"Pakowanie",                                                                       // 127
    u8"Utrzymywanie w czystości miejsca pracy",                                          // 128
    u8"Toaleta osobista",                                                                // 129
    u8"Samodzielne jedzenie",                                                            // 130
    u8"Zachowanie przy stole",                                                           // 131
    u8"Samodzielne poruszanie się",                                                      // 132
    u8"Przestrzeganie planu zajęć",                                                      // 133
    u8"Zmiana schematu",                                                                 // 134
    u8"Dostosowanie się do zmiany rutyny",                                               // 135
    u8"Zachowanie się w miejscach publicznych",                                          // 136
    u8"Korzystanie z wolnego czasu",                                                     // 137
    u8"Samotne spędzanie wolnego czasu",                                                 // 138
    u8"Gra zespołowa",                                                                   // 139
    u8"Przerwa na posiłek",                                                              // 140
    u8"Imprezy grupowe",                                                                 // 141
    u8"Sporty/automaty sprzedające",                                                     // 142
    u8"Uczenie się nowego sposobu spędzania wolnego czasu",                              // 143
    u8"Zajęcia pozalekcyjne",                                                            // 144
    u8"Czas wykonania zadania",                                                          // 145
    u8"Wydajność pracy",                                                                 // 146
    u8"Współczynnik błędów",                                                             // 147
    u8"Przepisy bezpieczeństwa",                                                         // 148
    u8"Poszanowanie dla własności, przestrzeganie przepisów i regulaminu",               // 149
    u8"Praca w pobliżu innych osób",                                                     // 150
    u8"Stosunek do osób o znanym autorytecie",                                           // 151
    u8"Frekwencja w szkole i w pracy",                                                   // 152
    u8"Zgłaszanie podstawowych potrzeb",                                                 // 153
    u8"Zgłaszanie potrzeb w czasie zajęć",                                               // 154
    u8"Reakcja na proste polecenia",                                                     // 155
    u8"Reakcja na zakazy",                                                               // 156
    u8"Liczenie przedmiotów",                                                            // 157
    u8"Pisanie imienia",                                                                 // 158
    u8"Rozumienie nazw, kształtów, liter i cyfr",                                        // 159
    u8"Polecenia wymagające decyzji",                                                    // 160
    u8"Reakcja na obecność innych osób",                                                 // 161
    u8"Właściwe interpersonalne zachowania względem znajomych",                          // 162
    u8"Właściwe interpersonalne zachowania względem obcych",                             // 163
    u8"Niewłaściwe zachowania interpersonalne",                                          // 164
    u8"Zachowania podczas indywidualnych zajęć: samokontrola",                           // 165
    u8"Nieprzeszkadzanie innym podczas indywidualnych zajęć",                            // 166
    u8"Zachowanie w grupach",                                                            // 167
    u8"Szukanie towarzystwa innych osób",                                                // 168
};

constexpr const char8_t* kAreaTitlesUtf8[kAreaCount] = {
    u8"Obszar obserwacji diagnosty",
    u8"Obszar obserwacji w domu",
    u8"Obszar obserwacji w szkole i pracy",
};

constexpr const char8_t* kAreaTitlesUpperUtf8[kAreaCount] = {
    u8"OBSZAR OBSERWACJI DIAGNOSTY",
    u8"OBSZAR OBSERWACJI W DOMU",
    u8"OBSZAR OBSERWACJI W SZKOLE I PRACY",
};

constexpr const char8_t* kScaleNamesUtf8[kScaleCount] = {
    u8"Umiejętności wykonawcze",
    u8"Samodzielne funkcjonowanie",
    u8"Umiejętności spędzania wolnego czasu",
    u8"Adaptacja do pracy",
    u8"Komunikatywność",
    u8"Zachowania interpersonalne",
};

constexpr std::string_view kScaleButtonImages[kScaleCount] = {
    "Data\\BMP\\1", "Data\\BMP\\2", "Data\\BMP\\3", "Data\\BMP\\4", "Data\\BMP\\5", "Data\\BMP\\6",
};

constexpr std::string_view kScaleHeadingImages[kScaleCount] = {
    "Data\\BMP\\n_1.bmp", "Data\\BMP\\n_2.bmp", "Data\\BMP\\n_3.bmp",
    "Data\\BMP\\n_4.bmp", "Data\\BMP\\n_5.bmp", "Data\\BMP\\n_6.bmp",
};

template <size_t N>
std::array<std::string, N> convertAll(const char8_t* const (&source)[N]) {
    std::array<std::string, N> out;
    for (size_t i = 0; i < N; ++i) out[i] = cp1250::fromLiteral(source[i]);
    return out;
}

const std::array<std::string, kItemCount>& itemNames() {
    static const auto names = convertAll(kItemNamesUtf8);
    return names;
}

}  // namespace

int itemCount() {
    return kItemCount;
}

int itemsPerScale(ObservationArea area) {
    return area == ObservationArea::DirectObservation ? 12 : 8;
}

int firstItem(ObservationArea area, FunctionScale scale) {
    return itemNumber(area, scale, 0);
}

int itemNumber(ObservationArea area, FunctionScale scale, int position) {
    const int s = indexOf(scale);
    switch (area) {
        case ObservationArea::DirectObservation:
            return 12 * s + position + 1;
        case ObservationArea::Home:
            return 72 + 8 * s + position + 1;
        case ObservationArea::SchoolWork:
            return 120 + 8 * s + position + 1;
    }
    return 0;
}

ObservationArea areaOf(int item) {
    if (item <= 72) return ObservationArea::DirectObservation;
    if (item <= 120) return ObservationArea::Home;
    return ObservationArea::SchoolWork;
}

FunctionScale scaleOf(int item) {
    if (item <= 72) return scaleAt((item - 1) / 12);
    if (item <= 120) return scaleAt((item - 73) / 8);
    return scaleAt((item - 121) / 8);
}

int positionOf(int item) {
    if (item <= 72) return (item - 1) % 12;
    if (item <= 120) return (item - 73) % 8;
    return (item - 121) % 8;
}

std::string_view itemName(int item) {
    return itemNames()[item - 1];
}

std::string_view areaTitle(ObservationArea area) {
    static const auto titles = convertAll(kAreaTitlesUtf8);
    return titles[indexOf(area)];
}

std::string_view areaTitleUpper(ObservationArea area) {
    static const auto titles = convertAll(kAreaTitlesUpperUtf8);
    return titles[indexOf(area)];
}

std::string_view scaleName(FunctionScale scale) {
    static const auto names = convertAll(kScaleNamesUtf8);
    return names[indexOf(scale)];
}

std::string_view scaleButtonImage(FunctionScale scale) {
    return kScaleButtonImages[indexOf(scale)];
}

std::string_view scaleHeadingImage(FunctionScale scale) {
    return kScaleHeadingImages[indexOf(scale)];
}

int areaMenuScreen(ObservationArea area) {
    return 4 + indexOf(area);
}

int itemListScreen(ObservationArea area, FunctionScale scale) {
    return 41 + 10 * indexOf(area) + indexOf(scale);
}

}  // namespace lun4
