#include "ui/keys.h"

namespace lun4::ui {

char programKey(char32_t c) {
    if (c >= U'a' && c <= U'z') return static_cast<char>(c - U'a' + 'A');
    if ((c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9')) return static_cast<char>(c);
    // The nine Polish letters with a mark, both cases: the key that types them with AltGr.
    struct Marked {
        char32_t small, capital;
        char base;
    };
    static constexpr Marked kPolish[] = {
        {U'ą', U'Ą', 'A'}, {U'ć', U'Ć', 'C'}, {U'ę', U'Ę', 'E'}, {U'ł', U'Ł', 'L'}, {U'ń', U'Ń', 'N'},
        {U'ó', U'Ó', 'O'}, {U'ś', U'Ś', 'S'}, {U'ź', U'Ź', 'X'}, {U'ż', U'Ż', 'Z'},
    };
    for (const Marked& m : kPolish) {
        if (c == m.small || c == m.capital) return m.base;
    }
    return 0;
}

KeyPress keyPress(Key key) {
    KeyPress k;
    k.key = key;
    return k;
}

KeyPress letter(char c) {
    KeyPress k;
    k.key = Key::Character;
    k.character = c;
    return k;
}

}  // namespace lun4::ui
