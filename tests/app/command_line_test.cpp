// `lun4 --export` writes the documents as PDF files without a window: run as a script runs
// it, from a folder of its own, with no display.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "files/comparison_sheet.h"
#include "files/examinee_file.h"
#include "files/scores_sheet.h"
#include "model/cp1250.h"
#include "model/default_recommendations.h"
#include "test_files.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::runTool;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ExamineeRecord r;
        setText(r.firstName, *cp1250::fromUtf8("Łucja"));
        setText(r.lastName, *cp1250::fromUtf8("Wiśniewska"));
        setText(r.examDate, "12.05.2026");
        r.gender = kGenderFemale;
        std::fill(r.scores.begin() + 1, r.scores.end(), kPass);
        ASSERT_TRUE(save(r, folder / "lucja.pcn"));
    }

    // The program started in the test's folder, with neither a display nor a platform set.
    Outcome lun4(const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QString::fromStdString(folder.string()));
        process.start(QStringLiteral(LUN4_PROGRAM), args);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }
    int pages(const std::string& pdf) { return testing::pdfPageCount(folder / pdf); }
    std::string text(const std::string& pdf) { return testing::pdfText(folder / pdf); }
    std::set<std::string> files() { return testing::fileNames(folder); }

    testing::TempFolder temp;
    const fs::path folder = temp.path();
};

TEST_F(CommandLineTest, EachDocumentAsAnA4Pdf) {
    Outcome r = lun4({"--export", "chart", "lucja.pcn", "wykres.pdf"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(pages("wykres.pdf"), 1);
    const std::string chart = text("wykres.pdf");
    EXPECT_NE(chart.find("Łucja"), std::string::npos);
    EXPECT_NE(chart.find("Wiśniewska"), std::string::npos);
    // Each text once: rectangles of a page printed apart do not carry each other's texts.
    EXPECT_EQ(chart.find("Profil testu: Punktacja"), chart.rfind("Profil testu: Punktacja"));

    r = lun4({"--export", "summary", "lucja.pcn", "formularz.pdf"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pages("formularz.pdf"), 4);

    r = lun4({"--export", "report", "lucja.pcn", "raport.pdf", "--place", "Kraków, 3 marca 2026",
              "--institution", "Poradnia nr 2"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pages("raport.pdf"), 7);
    const std::string report = text("raport.pdf");
    for (const char* expected : {"Kraków, 3 marca 2026", "Poradnia nr 2", "Łucja Wiśniewska",
                                 "oceniono jako – zaliczone", "Podpis osoby diagnozującej"}) {
        EXPECT_NE(report.find(expected), std::string::npos) << expected;
    }
    EXPECT_LT(fs::file_size(folder / "raport.pdf"), 1024u * 1024u);
    // On the cover, each in its place: the place and date at the top right, above the title
    // sentence; the institution under it, in the middle.
    const std::string words =
        runTool("pdftotext -f 1 -l 1 -bbox '" + (folder / "raport.pdf").string() + "' - 2>/dev/null");
    auto topLeftOf = [&](const std::string& word) {
        const size_t end = words.find(">" + word + "</word>");
        double x = -1, y = -1;
        if (end != std::string::npos) {
            std::sscanf(words.c_str() + words.rfind("<word", end), "<word xMin=\"%lf\" yMin=\"%lf\"",
                        &x, &y);
        }
        return std::pair{x, y};
    };
    const auto [placeX, placeY] = topLeftOf("Kraków,");
    const auto [titleX, titleY] = topLeftOf("Wyniki");
    const auto [institutionX, institutionY] = topLeftOf("Poradnia");
    EXPECT_GT(placeX, 595 / 2) << words;
    EXPECT_LT(placeY, titleY);
    EXPECT_LT(titleY, institutionY);
    EXPECT_GT(institutionX, 595 / 4);
    EXPECT_LT(institutionX, 595 / 2);

    r = lun4({"--export", "aid", "lucja.pcn", "pomoc.pdf", "--aid", "17"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pages("pomoc.pdf"), 1);
    EXPECT_NE(
        runTool("pdfinfo '" + (folder / "pomoc.pdf").string() + "'").find("842 x 595 pts (A4)"),
        std::string::npos);

    EXPECT_EQ(files(), (std::set<std::string>{"formularz.pdf", "lucja.pcn", "pomoc.pdf",
                                              "raport.pdf", "wykres.pdf"}));
}

TEST_F(CommandLineTest, EveryFailureSaysWhyInOneLineAndLeavesNoFile) {
    std::ofstream(folder / "obcy.pcn") << "to nie jest plik badanego";
    fs::create_directories(folder / "katalog.pdf");
    fs::create_directories(folder / "katalog.odt");
    fs::create_directories(folder / "katalog.csv");
    struct Case {
        QStringList args;
        int status;
    };
    const Case cases[] = {
        {{"--export", "wykres", "lucja.pcn", "x.pdf"}, 2},  // unknown document
        {{"--export", "chart", "lucja.pcn"}, 2},            // no output
        {{"--export", "chart", "lucja.pcn", "x.odt"}, 2},   // not a PDF
        {{"--export", "aid", "lucja.pcn", "x.pdf"}, 2},     // no aid number
        {{"--export", "aid", "lucja.pcn", "x.pdf", "--aid", "18"}, 2},
        {{"--export", "chart", "lucja.pcn", "x.pdf", "--kolor"}, 2},  // unknown option
        {{"--export", "report", "lucja.pcn", "x.pdf", "--place", "№ 5"}, 2},
        {{"--export", "chart", "brak.pcn", "x.pdf"}, 1},         // missing examinee file
        {{"--export", "chart", "obcy.pcn", "x.pdf"}, 1},         // wrong format
        {{"--export", "chart", "lucja.pcn", "brak/x.pdf"}, 1},   // folder missing
        {{"--export", "chart", "lucja.pcn", "katalog.pdf"}, 1},  // cannot replace a folder
        // The editable report and the scores sheet: by the output's extension.
        {{"--export", "report", "lucja.pcn", "x.txt"}, 2},
        {{"--export", "chart", "lucja.pcn", "x.csv"}, 2},
        {{"--export", "scores", "lucja.pcn", "x.pdf"}, 2},
        {{"--export", "scores", "lucja.pcn", "x.csv", "--place", "Kraków"}, 2},
        {{"--export", "scores", "lucja.pcn", "x.csv", "--aid", "3"}, 2},
        {{"--export", "scores", "obcy.pcn", "x.csv"}, 1},
        {{"--export", "scores", "lucja.pcn", "brak/x.csv"}, 1},
        {{"--export", "scores", "lucja.pcn", "katalog.csv"}, 1},
        {{"--export", "report", "lucja.pcn", "brak/x.odt"}, 1},
        {{"--export", "report", "lucja.pcn", "katalog.odt"}, 1},
    };
    for (const Case& c : cases) {
        const Outcome r = lun4(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.rfind("lun4: ", 0), 0u) << r.err;
    }
    EXPECT_EQ(files(), (std::set<std::string>{"katalog.csv", "katalog.odt", "katalog.pdf",
                                              "lucja.pcn", "obcy.pcn"}));
    for (const char* kept : {"katalog.pdf", "katalog.odt", "katalog.csv"}) {
        EXPECT_TRUE(fs::is_empty(folder / kept)) << kept;
    }
}

TEST_F(CommandLineTest, TheReportForEditingAndTheScoresSheet) {
    Outcome r = lun4({"--export", "report", "lucja.pcn", "Raport.ODT", "--place",
                      "Kraków, 3 marca 2026", "--institution", "Poradnia nr 2"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(testing::unzipped(folder / "Raport.ODT", "mimetype"),
              "application/vnd.oasis.opendocument.text");
    const std::string content = testing::unzipped(folder / "Raport.ODT", "content.xml");
    for (const char* expected : {"Kraków, 3 marca 2026", "Poradnia nr 2", "Łucja Wiśniewska",
                                 "text:outline-level=\"2\">Umiejętności wykonawcze</text:h>",
                                 "Podpis osoby diagnozującej"}) {
        EXPECT_NE(content.find(expected), std::string::npos) << expected;
    }

    r = lun4({"--export", "scores", "lucja.pcn", "wyniki.csv"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    ExamineeRecord record;
    ASSERT_EQ(load(record, folder / "lucja.pcn"), ReadOutcome::Complete);
    EXPECT_EQ(readFile(folder / "wyniki.csv"), scoresSheet(record));
    EXPECT_EQ(files(), (std::set<std::string>{"Raport.ODT", "lucja.pcn", "wyniki.csv"}));
}

// Two assessments of the same person compared: the PDF on landscape sheets, read back; the
// sheet the comparison of every item; the order of the dates and another person said on the
// error output; a wrong count of files refused.
TEST_F(CommandLineTest, TheComparisonOfTwoAssessments) {
    ExamineeRecord earlier;
    ASSERT_EQ(load(earlier, folder / "lucja.pcn"), ReadOutcome::Complete);
    setText(earlier.examDate, "3 marca 2025");
    for (int k = 1; k <= 30; ++k) earlier.scores[k] = k % 2 ? kFail : kEmerging;
    earlier.scores[100] = kNotScored;
    ASSERT_TRUE(save(earlier, folder / "lucja wiosna.pcn"));

    Outcome r = lun4({"--export", "compare", "lucja wiosna.pcn", "lucja.pcn", "zmiany.pdf"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(pages("zmiany.pdf"), 3);  // the overview, then 31 items over two pages
    EXPECT_NE(
        runTool("pdfinfo '" + (folder / "zmiany.pdf").string() + "'").find("842 x 595 pts (A4)"),
        std::string::npos);
    EXPECT_NE(runTool("pdfinfo '" + (folder / "zmiany.pdf").string() + "'")
                  .find("Wiśniewska Łucja – porównanie"),
              std::string::npos);
    // The summary's lines joined again.
    std::string first = testing::pdfText(folder / "zmiany.pdf", 1);
    std::replace(first.begin(), first.end(), '\n', ' ');
    for (const char* expected :
         {"Porównanie wyników badań", "Łucja Wiśniewska", "3 marca 2025", "12.05.2026",
          "badana uzyskała o 31 pozycji zaliczonych więcej (168 wobec 137)",
          "w 30 nastąpił postęp"}) {
        EXPECT_NE(first.find(expected), std::string::npos) << expected << "\n" << first;
    }
    const std::string items = testing::pdfText(folder / "zmiany.pdf", 2);
    EXPECT_NE(items.find("Postęp – 30 pozycji"), std::string::npos) << items;
    EXPECT_NE(testing::pdfText(folder / "zmiany.pdf", 3).find("Nowo ocenione / nieocenione"),
              std::string::npos);

    r = lun4({"--export", "compare", "lucja wiosna.pcn", "lucja.pcn", "zmiany.csv"});
    EXPECT_EQ(r.status, 0) << r.err;
    ExamineeRecord later;
    ASSERT_EQ(load(later, folder / "lucja.pcn"), ReadOutcome::Complete);
    EXPECT_EQ(readFile(folder / "zmiany.csv"), comparisonSheet(earlier, later));

    // Named the other way round, the files are compared in the order of their dates.
    r = lun4({"--export", "compare", "lucja.pcn", "lucja wiosna.pcn", "odwrotnie.csv"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("porównano je w kolejności dat"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(folder / "odwrotnie.csv"), comparisonSheet(earlier, later));

    ExamineeRecord other = later;
    setText(other.firstName, "Jan");
    ASSERT_TRUE(save(other, folder / "jan.pcn"));
    r = lun4({"--export", "compare", "lucja wiosna.pcn", "jan.pcn", "inni.csv"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("porównano badania różnych osób (Łucja Wiśniewska i Jan Wiśniewska)"),
              std::string::npos)
        << r.err;

    for (const QStringList& wrong :
         {QStringList{"--export", "compare", "lucja.pcn", "x.pdf"},
          QStringList{"--export", "compare", "lucja.pcn", "jan.pcn", "x.odt"},
          QStringList{"--export", "compare", "lucja.pcn", "jan.pcn", "x.pdf", "--place", "X"}}) {
        EXPECT_EQ(lun4(wrong).status, 2) << wrong.join(' ').toStdString();
    }
    EXPECT_FALSE(fs::exists(folder / "x.pdf"));
}

TEST_F(CommandLineTest, ACutOffFileGivesItsDocumentWithAWarningAndAPipeIsNeverWaitedOn) {
    testing::writeFile(folder / "urwany.pcn", readFile(folder / "lucja.pcn").substr(0, 200));
    Outcome r = lun4({"--export", "summary", "urwany.pcn", "urwany.pdf"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("niepełny"), std::string::npos) << r.err;
    EXPECT_EQ(pages("urwany.pdf"), 4);

    ASSERT_EQ(::mkfifo((folder / "rura.pcn").c_str(), 0600), 0);
    r = lun4({"--export", "chart", "rura.pcn", "rura.pdf"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists(folder / "rura.pdf"));
}

TEST_F(CommandLineTest, HelpListsTheOptions) {
    const Outcome r = lun4({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--export", "chart", "summary", "report", "aid", "scores", "compare",
                               ".odt", ".csv", "--aid", "--place", "--institution"}) {
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }
    // "-h" says the same; an option without its value is a wrong command.
    const Outcome h = lun4({"-h"});
    EXPECT_EQ(h.status, 0);
    EXPECT_EQ(h.out, r.out);
    for (const char* option : {"--aid", "--place", "--institution"}) {
        const Outcome missing = lun4({"--export", "report", "lucja.pcn", "x.pdf", option});
        EXPECT_EQ(missing.status, 2) << option;
        EXPECT_NE(missing.err.find(std::string(option) + ": brak wartości"), std::string::npos)
            << missing.err;
    }
    EXPECT_EQ(files(), std::set<std::string>{"lucja.pcn"});
}

// The aid asked for is the aid written: the picture in the PDF is that aid's file, and the
// PDF is titled after it.
TEST_F(CommandLineTest, TheAidOptionWritesThatAid) {
    const fs::path aids = fs::path(LUN4_PROGRAM).parent_path() / "Pomoce";
    // A picture as 32 by 24 grey levels, to compare a picture with its copy in a PDF: the
    // mean difference of two pictures' levels.
    auto thumbnail = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_Grayscale8)
            .scaled(32, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    auto distance = [](const QImage& a, const QImage& b) {
        int sum = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 32; ++x) sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        return sum / (32 * 24);
    };
    for (int aid : {5, 12}) {
        const std::string pdf = "pomoc" + std::to_string(aid) + ".pdf";
        const Outcome r = lun4({"--export", "aid", "lucja.pcn", QString::fromStdString(pdf),
                                "--aid", QString::number(aid)});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(runTool("pdfinfo '" + (folder / pdf).string() + "'")
                      .find("Wiśniewska Łucja – pomoc " + std::to_string(aid)),
                  std::string::npos);
        runTool("pdfimages -png '" + (folder / pdf).string() + "' '" + (folder / "obraz").string() +
                "'");
        const QImage printed = thumbnail(QImage(QString::fromStdString((folder / "obraz-000.png").string())));
        ASSERT_FALSE(printed.isNull());
        const auto picture = [&](int n) {
            return thumbnail(QImage(QString::fromStdString((aids / (std::to_string(n) + ".jpg")).string())));
        };
        // Like its own picture, unlike its neighbours.
        EXPECT_LE(distance(printed, picture(aid)), 2) << aid;
        EXPECT_GE(distance(printed, picture(aid + 1)), 6) << aid;
        EXPECT_GE(distance(printed, picture(aid - 1)), 6) << aid;
        fs::remove(folder / "obraz-000.png");
    }
}

// Words a text uses for the examinee of the other gender: none may appear.
std::vector<std::string> otherGenderWords(const std::string& text, bool woman) {
    static const std::set<std::string> male = {"badany",  "badanego", "badanemu", "badanym",
                                               "został",  "oceniony", "poddany",  "podopieczny",
                                               "podopiecznego", "podopiecznemu", "podopiecznym"};
    static const std::set<std::string> female = {"badana",  "badanej",  "badaną",
                                                 "została", "oceniona", "poddana",
                                                 "podopieczna"};
    std::vector<std::string> found;
    std::string word;
    for (size_t i = 0; i <= text.size(); ++i) {
        const unsigned char c = i < text.size() ? text[i] : ' ';
        if (std::isalnum(c) || c >= 0x80) {
            word += char(c);
            continue;
        }
        if ((woman ? male : female).count(word)) found.push_back(word);
        word.clear();
    }
    // "jej" also stands for the diagnostician ("numeru jej uprawnień"): only its use for the
    // examinee counts.
    if (text.find(woman ? "jego uwagi" : "jej uwagi") != std::string::npos) {
        found.push_back(woman ? "jego uwagi" : "jej uwagi");
    }
    return found;
}

// Read back from the PDF as a family reads it: a woman's report (with unscored items and the
// default recommendations) and a man's (all passed) use their own forms throughout.
TEST_F(CommandLineTest, TheReportSpeaksOfAWomanAndOfAManInTheirOwnForms) {
    ExamineeRecord woman;
    ASSERT_EQ(load(woman, folder / "lucja.pcn"), ReadOutcome::Complete);
    for (int k = 1; k <= 168; ++k) {
        woman.scores[k] = "bgyr"[k % 4];
        if (k % 4 >= 2) {
            setText(woman.notes[k], defaultRecommendation(k % 4 == 2 ? RecommendationKind::Emerging
                                                                     : RecommendationKind::Fail,
                                                          k));
        }
    }
    ASSERT_TRUE(save(woman, folder / "kobieta.pcn"));
    ExamineeRecord man = woman;
    setText(man.firstName, *cp1250::fromUtf8("Jan"));
    setText(man.lastName, *cp1250::fromUtf8("Kowalski"));
    man.gender = kGenderMale;
    for (int k = 1; k <= 168; ++k) {
        man.scores[k] = kPass;
        setText(man.notes[k], "");
    }
    ASSERT_TRUE(save(man, folder / "mezczyzna.pcn"));
    for (const auto& [file, isWoman] : {std::pair{"kobieta", true}, std::pair{"mezczyzna", false}}) {
        const std::string pdf = std::string(file) + ".pdf";
        const Outcome r =
            lun4({"--export", "report", QString::fromStdString(std::string(file) + ".pcn"),
                  QString::fromStdString(pdf)});
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string report = text(pdf);
        EXPECT_EQ(otherGenderWords(report, isWoman), std::vector<std::string>{}) << file;
        EXPECT_NE(report.find(isWoman ? "PODSUMOWANIE WYNIKÓW BADANEJ" : "PODSUMOWANIE WYNIKÓW BADANEGO"),
                  std::string::npos);
        for (const char* chartOrForm : {"chart", "summary"}) {
            const std::string out = std::string(file) + "-" + chartOrForm + ".pdf";
            ASSERT_EQ(lun4({"--export", chartOrForm, QString::fromStdString(std::string(file) + ".pcn"),
                            QString::fromStdString(out)})
                          .status,
                      0);
            EXPECT_EQ(otherGenderWords(text(out), isWoman), std::vector<std::string>{})
                << file << " " << chartOrForm;
        }
    }
}

// On the printed chart and summary form the name starts a blank after its caption's colon,
// measured on the PDF: never over it, never far from it, for a woman and for a man.
TEST_F(CommandLineTest, TheNameStandsABlankAfterItsCaptionOnPaper) {
    ExamineeRecord man;
    ASSERT_EQ(load(man, folder / "lucja.pcn"), ReadOutcome::Complete);
    setText(man.firstName, "Jan");
    setText(man.lastName, "Kowalski");
    man.gender = kGenderMale;
    ASSERT_TRUE(save(man, folder / "jan.pcn"));
    for (const auto& [file, first] : {std::pair{"lucja.pcn", "Łucja"}, std::pair{"jan.pcn", "Jan"}}) {
        for (const char* document : {"chart", "summary"}) {
            SCOPED_TRACE(std::string(file) + " " + document);
            const std::string pdf = std::string(document) + ".pdf";
            ASSERT_EQ(lun4({"--export", document, file, QString::fromStdString(pdf)}).status, 0);
            const std::string words =
                runTool("pdftotext -f 1 -l 1 -bbox '" + (folder / pdf).string() + "' - 2>/dev/null");
            // <word xMin="…" yMin="…" xMax="…" yMax="…">text</word>
            auto box = [&](const std::string& text, size_t from = 0) {
                const size_t end = words.find(">" + text + "</word>", from);
                std::array<double, 4> b{};
                if (end == std::string::npos) return std::pair{b, end};
                const size_t start = words.rfind("<word", end);
                std::sscanf(words.c_str() + start,
                            "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"", &b[0],
                            &b[1], &b[2], &b[3]);
                return std::pair{b, end};
            };
            const auto [caption, at] = box("nazwisko");
            ASSERT_NE(at, std::string::npos);
            const auto [colon, colonAt] = box(":", at);
            const auto [name, nameAt] = box(first, colonAt);
            ASSERT_NE(nameAt, std::string::npos) << words;
            EXPECT_NEAR(colon[1], name[1], 1.0);  // on one line
            const double gap = name[0] - colon[2];
            EXPECT_GT(gap, 1.0);
            EXPECT_LT(gap, 8.0);
        }
    }
}

}  // namespace
}  // namespace lun4
