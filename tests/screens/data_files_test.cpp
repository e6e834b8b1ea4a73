// The start's check of the data folder: which files it asks for and what it says when some
// are missing. (That the table matches the sources and the generated folder is checked by the
// platform tests, which see both.)

#include "screens/data_files.h"

#include <gtest/gtest.h>

#include <set>

#include "model/cp1250.h"

namespace lun4 {
namespace {

TEST(DataFiles, EachKindOfSetNamesItsFiles) {
    const auto files = [](DataFileSet set) { return filesOf(set); };
    using Kind = DataFileSet::Kind;
    EXPECT_EQ(files({"Data/druk.bmp", Kind::Picture}), std::vector<std::string>{"Data/druk.bmp"});
    EXPECT_EQ(files({"Data/tak", Kind::Button}),
              (std::vector<std::string>{"Data/tak_n.bmp", "Data/tak_o.bmp", "Data/tak_p.bmp"}));
    EXPECT_EQ(files({"Pomoce/", Kind::Numbered, 16, 17, ".jpg"}),
              (std::vector<std::string>{"Pomoce/16.jpg", "Pomoce/17.jpg"}));
    EXPECT_EQ(files({"Data/BMP/obszar", Kind::NumberedButtons, 1, 2}),
              (std::vector<std::string>{"Data/BMP/obszar1_n.bmp", "Data/BMP/obszar1_o.bmp",
                                        "Data/BMP/obszar1_p.bmp", "Data/BMP/obszar2_n.bmp",
                                        "Data/BMP/obszar2_o.bmp", "Data/BMP/obszar2_p.bmp"}));
    EXPECT_EQ(files({"Data/BMP/Pom/p", Kind::Numbered, 1, 4, ".asd", false,
                     [](int k) { return k % 2 == 0; }}),
              (std::vector<std::string>{"Data/BMP/Pom/p2.asd", "Data/BMP/Pom/p4.asd"}));
}

// The pages may be missing (a note names the file); every other picture must be there.
TEST(DataFiles, OnlyThePagesAreLeftOutOfTheStartsCheck) {
    std::vector<std::string> asked;
    const auto missing = missingDataFiles([&](const std::string& name) {
        asked.push_back(name);
        return true;
    });
    EXPECT_TRUE(missing.empty());
    const std::set<std::string> askedSet(asked.begin(), asked.end());
    EXPECT_EQ(askedSet.size(), asked.size());  // each file once
    for (const std::string& name : asked) EXPECT_FALSE(name.ends_with(".asd")) << name;
    for (const char* name : {"Data/BMP/entry.bmp", "Data/BMP/ok_p.bmp", "Data/BMP/6_o.bmp",
                             "Data/tlo_gray.bmp", "Data/otworz.bmp", "Data/logo.bmp",
                             "Data/BMP/n_6.bmp", "Pomoce/17.jpg", "Data/u_p.bmp"}) {
        EXPECT_TRUE(askedSet.count(name)) << name;
    }
}

TEST(DataFiles, TheMessageNamesTheFirstFiveMissingAndHowManyThereAre) {
    const std::set<std::string> gone = {
        "Data/BMP/ok_n.bmp", "Data/BMP/ok_o.bmp", "Data/BMP/ok_p.bmp", "Data/tak_n.bmp",
        "Data/tak_o.bmp",    "Data/tak_p.bmp",    "Data/druk.bmp"};
    const auto missing =
        missingDataFiles([&](const std::string& name) { return !gone.count(name); });
    ASSERT_EQ(missing.size(), 7u);
    EXPECT_EQ(std::set<std::string>(missing.begin(), missing.end()), gone);

    const StartProblem problem = missingDataMessage(missing, false, "/opt/lun4");
    const std::string text = cp1250::toUtf8(problem.text);
    EXPECT_EQ(cp1250::toUtf8(problem.caption), "LUN4_TORVA – brak plików programu");
    EXPECT_TRUE(
        text.starts_with("Nie można uruchomić programu: w jego folderze danych brakuje 7 "
                         "plików z obrazami, bez których nie może działać:\n"))
        << text;
    for (size_t i = 0; i < missing.size(); ++i) {
        EXPECT_EQ(text.find("    " + missing[i] + "\n") != std::string::npos, i < 5) << i;
    }
    EXPECT_NE(text.find("    … i 2 innych\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Folder programu: /opt/lun4"), std::string::npos);
    EXPECT_NE(text.find("scripts/build.sh"), std::string::npos);

    const std::string one =
        cp1250::toUtf8(missingDataMessage({"Data/druk.bmp"}, false, "/opt/lun4").text);
    EXPECT_NE(one.find("brakuje 1 pliku z obrazami"), std::string::npos) << one;
    EXPECT_EQ(one.find("innych"), std::string::npos);
    const std::string six =
        cp1250::toUtf8(missingDataMessage({"a", "b", "c", "d", "e", "f"}, false, "/opt/lun4").text);
    EXPECT_NE(six.find("    … i 1 inny\n"), std::string::npos) << six;
}

TEST(DataFiles, AMissingDataFolderIsNamedAsSuch) {
    const auto missing = missingDataFiles([](const std::string&) { return false; });
    const std::string text = cp1250::toUtf8(missingDataMessage(missing, true, "/opt/lun4").text);
    EXPECT_TRUE(text.starts_with("Nie można uruchomić programu: nie znaleziono folderu „Data”"))
        << text;
    EXPECT_NE(text.find("\n/opt/lun4\n"), std::string::npos);
    EXPECT_NE(text.find("scripts/build.sh"), std::string::npos);
    EXPECT_EQ(text.find("Data/BMP/entry.bmp"), std::string::npos);  // no list of every file
}

}  // namespace
}  // namespace lun4
