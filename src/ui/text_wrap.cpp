#include "ui/text_wrap.h"

namespace lun4::ui {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A break may fall right after a "/" between two words ("terapeuta/opiekun"), or after a
// "-" inside a word that goes on with a letter ("biało-czerwony", not "2-3").
bool breaksAfter(std::string_view text, size_t i) {
    if (text[i] != '/' && text[i] != '-') return false;
    if (i == 0 || i + 1 >= text.size()) return false;
    const char before = text[i - 1];
    const char after = text[i + 1];
    const auto wordChar = [](char c) { return c != ' ' && c != '/' && c != '-'; };
    if (!wordChar(before) || !wordChar(after)) return false;
    return text[i] == '/' || !isDigit(after);
}

// Lays out one paragraph (no line breaks in it) and appends its lines.
void wrapParagraph(std::string_view paragraph, int width, const TextMeasure& measure,
                   std::vector<std::string>& lines) {
    if (paragraph.empty()) {
        lines.emplace_back();
        return;
    }
    size_t start = 0;
    while (start < paragraph.size()) {
        const std::string_view rest = paragraph.substr(start);
        // The end of the longest run of whole words that fits, blanks after it included.
        size_t end = 0;
        size_t pos = 0;
        while (pos < rest.size()) {
            // A word: up to the next blank that may be followed by a break.
            size_t wordEnd = pos;
            while (wordEnd < rest.size() && rest[wordEnd] != ' ' && !breaksAfter(rest, wordEnd)) {
                ++wordEnd;
            }
            if (wordEnd < rest.size() && rest[wordEnd] != ' ') ++wordEnd;  // "/" or "-" stays
            if (measure(rest.substr(0, wordEnd)) > width) break;
            pos = wordEnd;
            while (pos < rest.size() && rest[pos] == ' ') ++pos;
            end = pos;
        }
        if (end == 0) {
            // Not even the first word fits: as many of its characters as do, at least one.
            size_t fit = 1;
            while (fit < rest.size() && rest[fit] != ' ' &&
                   measure(rest.substr(0, fit + 1)) <= width) {
                ++fit;
            }
            end = fit;
            while (end < rest.size() && rest[end] == ' ') ++end;
        }
        lines.emplace_back(rest.substr(0, end));
        start += end;
    }
}

}  // namespace

std::vector<std::string> wrapLines(std::string_view text, int width, const TextMeasure& measure) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t next = text.find('\n', start);
        std::string_view paragraph = text.substr(start, next - start);
        if (paragraph.ends_with('\r')) paragraph.remove_suffix(1);
        wrapParagraph(paragraph, width, measure, lines);
        if (next == std::string_view::npos) break;
        start = next + 1;
    }
    return lines;
}

}  // namespace lun4::ui
