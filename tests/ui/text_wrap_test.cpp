#include "ui/text_wrap.h"

#include <gtest/gtest.h>

namespace lun4::ui {
namespace {

using Lines = std::vector<std::string>;

// Ten pixels a character: a box 100 pixels wide holds ten.
int tenEach(std::string_view text) {
    return static_cast<int>(text.size()) * 10;
}

TEST(TextWrapTest, TheProgramsOwnRuleBreaksLinesTheSameWayEverywhere) {
    struct Case {
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {""}},
        {"abc def gh", {"abc def gh"}},  // exactly ten: fits
        // The blanks after a word stay on its line and take no room.
        {"abc def ghi", {"abc def ", "ghi"}},
        {"abcdefghij     x", {"abcdefghij     ", "x"}},
        // A word wider than the line is cut where it stops fitting.
        {"abcdefghijklmnopqrstuvwxyz", {"abcdefghij", "klmnopqrst", "uvwxyz"}},
        {"ab abcdefghijklm", {"ab ", "abcdefghij", "klm"}},
        // A break may follow "/" between words and "-" before a letter, not "-" before a digit.
        {"ab terapeuta/opiekun", {"ab ", "terapeuta/", "opiekun"}},
        {"abcd biało-czerwony", {"abcd ", "biało-", "czerwony"}},
        {"abcdefg 12-34", {"abcdefg ", "12-34"}},
        {"ab - cd - ef - gh", {"ab - cd - ", "ef - gh"}},
        // Line breaks, CR LF or LF alone, end a paragraph; empty paragraphs are empty lines.
        {"ab\r\n\r\ncd\n", {"ab", "", "cd", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wrapLines(c.text, 100, tenEach), c.lines) << c.text;
    }
}

}  // namespace
}  // namespace lun4::ui
