#pragma once
// How a multi-line box breaks its text into lines in the 1024x768 frame. The rule is the
// program's own, the same on every platform, so that a note keeps the same lines wherever it
// is edited: each paragraph (lines are separated by "\n" or "\r\n") fills a line with as many
// words as fit; the blanks after a word stay on its line and take no room; a break falls after
// blanks only, and never before a closing or separating mark (".", ",", ";", ":", "!", "?",
// ")", "]", "}", "/", "%") that follows them; a word wider than the whole line is cut at the
// last character that fits.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lun4::ui {

// Width in frame pixels of one line of text (cp1250) in the box's font.
using TextMeasure = std::function<int(std::string_view)>;

// The lines of `text` (cp1250) in a box `width` pixels wide, without their line breaks. An
// empty text, and an empty paragraph, give one empty line.
std::vector<std::string> wrapLines(std::string_view text, int width, const TextMeasure& measure);

}  // namespace lun4::ui
