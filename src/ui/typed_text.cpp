#include "ui/typed_text.h"

#include <vector>

#include "model/cp1250.h"

namespace lun4::ui {
namespace {

constexpr char16_t kSection = 0x00A7;
constexpr char16_t kLineSeparator = 0x2028;
constexpr char16_t kParagraphSeparator = 0x2029;

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

bool storable(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c == u'\n' || c == u'\r') continue;
        if (c == kSection || c < 0x20 || !cp1250::fromUnicode(c)) return false;
    }
    return true;
}

std::u16string storableInput(std::u16string_view text, bool multiLine, std::u16string* refused) {
    std::u16string kept;
    kept.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        if (c == u'\r' || c == kLineSeparator || c == kParagraphSeparator) c = u'\n';
        if (c == u'\n') {
            // A one-line box puts a blank between pasted lines and drops a closing break.
            if (multiLine) {
                kept += c;
            } else if (i + 1 < text.size()) {
                kept += u' ';
            }
            continue;
        }
        if (c < 0x20 || c == 0x7F) continue;
        std::u16string character(1, c);
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            character += text[++i];
        }
        if (character.size() > 1 || c == kSection || !cp1250::fromUnicode(c)) {
            if (refused && refused->find(character) == std::u16string::npos) *refused += character;
            continue;
        }
        kept += c;
    }
    return kept;
}

std::u16string refusedNote(std::u16string_view refused) {
    std::vector<std::u16string> shown;
    for (size_t i = 0; i < refused.size(); ++i) {
        std::u16string character(1, refused[i]);
        if (isHighSurrogate(refused[i]) && i + 1 < refused.size()) character += refused[++i];
        shown.push_back(u"\u201E" + character + u"\u201D");
    }
    std::u16string list;
    for (size_t i = 0; i < shown.size(); ++i) list += (i ? u", " : u"") + shown[i];
    std::u16string note = (shown.size() == 1 ? u"Znaku " : u"Znaków ") + list +
                          u" nie można zapisać w pliku badania.";
    if (refused.find(kSection) != std::u16string_view::npos) {
        note += u" Zamiast \u201E§\u201D wpisz \u201Epar.\u201D.";
    }
    return note;
}

}  // namespace lun4::ui
