#include "model/cp1250.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
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

// Code page 1250 as published, bytes 0x80..0xFF, written out here rather than taken from the
// program; 0 marks the five bytes the code page leaves undefined.
// clang-format off
constexpr char16_t kPublished[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};
// clang-format on

std::string utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

TEST(Cp1250, EveryByteAndEveryLatin1CodePointAgainstThePublishedTable) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        SCOPED_TRACE(b);
        const char16_t published = kPublished[b - 0x80];
        const auto unicode = cp1250::toUnicode(static_cast<unsigned char>(b));
        if (published == 0) {
            EXPECT_FALSE(unicode.has_value());
            continue;
        }
        ASSERT_TRUE(unicode.has_value());
        EXPECT_EQ(*unicode, published);
        EXPECT_EQ(cp1250::fromUnicode(published), b);
    }
    // Every code point U+0080..U+00FF: the code page's byte for it, or refused outright, never
    // a look-alike (ñ is not n, £ is not L).
    for (char32_t c = 0x80; c <= 0xFF; ++c) {
        SCOPED_TRACE(static_cast<int>(c));
        const auto* at = std::find(std::begin(kPublished), std::end(kPublished), c);
        const auto byte = cp1250::fromUnicode(c);
        const std::string utf8 = utf8Of(c);
        if (at == std::end(kPublished)) {
            EXPECT_FALSE(byte.has_value());
            EXPECT_EQ(cp1250::fromUtf8(utf8), std::nullopt);
            EXPECT_EQ(cp1250::fromUtf8Lossy(utf8), "?");
        } else {
            ASSERT_TRUE(byte.has_value());
            EXPECT_EQ(*byte, 0x80 + (at - std::begin(kPublished)));
            EXPECT_EQ(cp1250::fromUtf8(utf8), std::string(1, static_cast<char>(*byte)));
        }
    }
    for (const char* refused : {"ñ", "£", "ø", "ã", "¥"}) {
        EXPECT_EQ(cp1250::fromUtf8(refused), std::nullopt) << refused;
        EXPECT_EQ(cp1250::fromUtf8Lossy(std::string("a") + refused), "a?") << refused;
    }
}

}  // namespace
}  // namespace lun4
