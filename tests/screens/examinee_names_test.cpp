#include <gtest/gtest.h>

#include <algorithm>

#include "file_screens_fixture.h"

namespace lun4 {
namespace {

using testing::cp;
namespace fs = std::filesystem;

TEST(PolishOrder, FollowsThePolishAlphabetWithoutRegardToCase) {
    std::vector<std::string> utf8 = {"żaba", "Zenon",  "źdźbło", "łania",  "Lucyna", "Ćma",
                                     "cela", "Ania",   "ąkla",   "Bartek", "10",     "Ola",
                                     "ola",  "Ósemka", "ezop",   "ęta",    "Éva",    "eva",
                                     "Ewa",  "Śnieg",  "sowa",   "?"};
    const std::vector<std::string> expected = {
        "10",     "?",    "Ania",  "ąkla",  "Bartek", "cela",  "Ćma", "eva",
        "Éva",    "Ewa",  "ezop",  "ęta",   "Lucyna", "łania", "ola", "Ola",
        "Ósemka", "sowa", "Śnieg", "Zenon", "źdźbło", "żaba"};
    std::vector<std::string> names;
    for (const auto& n : utf8) names.push_back(cp(n));
    std::sort(names.begin(), names.end(), polishLess);
    std::vector<std::string> sorted;
    for (const auto& n : names) sorted.push_back(cp1250::toUtf8(n));
    EXPECT_EQ(sorted, expected);
    EXPECT_EQ(comparePolish(cp("Łoś"), cp("Łoś")), 0);
    EXPECT_LT(comparePolish("Ab", "Abc"), 0);
}

TEST(TypedNames, RefusedWithAReason) {
    const std::string tooLong = [] {
        std::string s;
        for (int i = 0; i < 126; ++i) s += "ą";  // 252 bytes on disk, 256 with ".pcn"
        return s;
    }();
    for (const std::string& utf8 :
         {std::string(""),      std::string("   "),   std::string("a/b"),      std::string("a\\b"),
          std::string(".."),    std::string("."),     std::string("abc."),     std::string("abc "),
          std::string("a<b"),   std::string("a>b"),   std::string("a:b"),      std::string("a\"b"),
          std::string("a|b"),   std::string("a?b"),   std::string("a*b"),      std::string("a\tb"),
          std::string("a\x01"), std::string("a\x7F"), std::string("a§b"),      std::string("CON"),
          std::string("nul"),   std::string("com1"),  std::string("LPT9.txt"), tooLong}) {
        const std::string reason = refusedNameReason(cp(utf8));
        EXPECT_FALSE(reason.empty()) << utf8;
        EXPECT_EQ(cp1250::toUtf8(reason).find("\xEF\xBF\xBD"), std::string::npos)
            << "unreadable message";
    }
    EXPECT_FALSE(refusedNameReason("a\x81").empty());  // a byte cp1250 does not define
    for (const char* utf8 :
         {"Anna Nowak", "żółć", "a..b", "  wcięcie", "com10", "x.y", "2024-01-01"}) {
        EXPECT_EQ(refusedNameReason(cp(utf8)), "") << utf8;
    }
    EXPECT_EQ(refusedNameReason(cp(tooLong.substr(2))), "");  // 250 + 4 bytes still fit
}

TEST(ExamineeFolder, ListsOnlyExamineeFilesInPolishOrder) {
    const testing::TempFolder root;
    const fs::path folder = root / "pacjenci";
    EXPECT_TRUE(listExamineeFiles(folder).empty());  // missing folder
    ASSERT_TRUE(ensureExamineeFolder(folder));
    EXPECT_TRUE(ensureExamineeFolder(folder));
    for (const char8_t* name :
         {u8"b.pcn", u8"A.PCN", u8"ćma.pcn", u8"notes.txt", u8"日本.pcn", u8"a b.pcn"}) {
        std::ofstream(folder / name) << "x";
    }
    fs::create_directories(folder / "katalog.pcn" / "x");
    const auto names = listExamineeFiles(folder);
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], "A.PCN");  // "A" before "a b": the extension does not take part
    EXPECT_EQ(names[1], "a b.pcn");
    EXPECT_EQ(names[2], "b.pcn");
    EXPECT_EQ(names[3], cp("ćma.pcn"));

    std::ofstream(root / "plik") << "x";
    EXPECT_FALSE(ensureExamineeFolder(root / "plik"));
}

}  // namespace
}  // namespace lun4
