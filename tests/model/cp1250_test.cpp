#include "model/cp1250.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/catalogue.h"

namespace lun4 {
namespace {

TEST(Cp1250, EveryDefinedByteSurvivesTheRoundTrip) {
    const std::vector<int> undefined = {0x81, 0x83, 0x88, 0x90, 0x98};
    for (int b = 1; b <= 0xFF; ++b) {
        SCOPED_TRACE(b);
        const auto cp = cp1250::toUnicode(static_cast<unsigned char>(b));
        const bool defined = std::find(undefined.begin(), undefined.end(), b) == undefined.end();
        ASSERT_EQ(cp.has_value(), defined);
        if (!defined) continue;
        EXPECT_EQ(cp1250::fromUnicode(*cp), b);
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(cp1250::fromUtf8(cp1250::toUtf8(byte)), byte);
    }
    EXPECT_EQ(cp1250::fromUtf8("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ § – „”"),
              "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF "
              "\xA7 \x96 \x84\x94");
}

TEST(Cp1250, RefusesWhatItCannotCarry) {
    EXPECT_EQ(cp1250::fromUtf8("漢"), std::nullopt);
    EXPECT_EQ(cp1250::fromUtf8("\xC0\xA7"), std::nullopt);  // overlong "'"
    EXPECT_EQ(cp1250::fromUtf8("\xE2\x82"), std::nullopt);  // cut short
    EXPECT_EQ(cp1250::fromUtf8Lossy("a漢b"), "a?b");
    EXPECT_EQ(cp1250::toUtf8("\x81"), "\xEF\xBF\xBD");
}

TEST(Cp1250, EveryCatalogueTextSurvivesTheRoundTrip) {
    std::vector<std::string_view> texts;
    for (int k = 1; k <= kItemCount; ++k) texts.push_back(itemName(k));
    for (int a = 0; a < kAreaCount; ++a) {
        texts.push_back(areaTitle(areaAt(a)));
        texts.push_back(areaTitleUpper(areaAt(a)));
    }
    for (int s = 0; s < kScaleCount; ++s) texts.push_back(scaleName(scaleAt(s)));
    for (std::string_view text : texts) {
        SCOPED_TRACE(cp1250::toUtf8(text));
        // The catalogue is converted once with replacement; a '?' would mean a lost letter.
        EXPECT_EQ(text.find('?'), std::string_view::npos);
        EXPECT_EQ(cp1250::fromUtf8(cp1250::toUtf8(text)), std::string(text));
    }
}

}  // namespace
}  // namespace lun4
