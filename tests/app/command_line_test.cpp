// `lun4 --export` writes the documents as PDF files without a window: run as a script runs
// it, from a folder of its own, with no display.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "files/examinee_file.h"
#include "files/scores_sheet.h"
#include "model/cp1250.h"
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
                                 "text:outline-level=\"2\"><text:span text:style-name=\"c",
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
    for (const char* option : {"--export", "chart", "summary", "report", "aid", "scores", ".odt",
                               ".csv", "--aid", "--place", "--institution"}) {
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace lun4
