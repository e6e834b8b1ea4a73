// The scores sheet as a spreadsheet reads it: the file is read back by the CSV reader of
// Python's standard library (with the dialect a spreadsheet set to Polish uses: ';', '"'
// doubled, UTF-8 with a byte-order mark) to the same cells; and writing it, like every file
// the program exports, fails without leaving anything behind.

#include "files/scores_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

#include "failing_file_system.h"
#include "files/atomic_write.h"
#include "files/comparison_sheet.h"
#include "files/file_system.h"
#include "model/catalogue.h"
#include "model/cp1250.h"
#include "polish_text.h"
#include "test_files.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;
using testing::cp;
using testing::FailingFileSystem;
using testing::readFile;
using Step = FailingFileSystem::Step;

class ScoresSheet : public ::testing::Test {
  protected:
    std::set<std::string> listing() const { return testing::fileNames(folder_); }

    // The file's rows as Python's csv module reads them; each cell comes over as the hex
    // digits of its UTF-8 bytes.
    static Rows readWithPython(const fs::path& path) {
        const std::string script = R"(
import csv, sys
with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:
    for row in csv.reader(f, delimiter=';'):
        print(' '.join(c.encode('utf-8').hex() for c in row))
)";
        const fs::path scriptPath = path.parent_path() / "read.py";
        std::ofstream(scriptPath) << script;
        const std::string out =
            testing::runTool("python3 '" + scriptPath.string() + "' '" + path.string() + "'");
        fs::remove(scriptPath);
        Rows rows;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) {
            std::vector<std::string> row(1);
            for (size_t i = 0; i < line.size(); ++i) {
                if (line[i] == ' ') {
                    row.emplace_back();
                } else if (i + 1 < line.size()) {
                    row.back() += static_cast<char>(std::stoi(line.substr(i++, 2), nullptr, 16));
                }
            }
            rows.push_back(std::move(row));
        }
        return rows;
    }

    testing::TempFolder temp_;
    const fs::path folder_ = temp_.path();
};

TEST_F(ScoresSheet, EveryItemReadsBackToTheSameCells) {
    ExamineeRecord r;
    setText(r.firstName, cp("Łucja"));
    setText(r.examDate, "12.05.2026");
    r.scores[1] = kPass;
    r.scores[46] = kEmerging;
    r.scores[73] = kFail;
    r.scores[100] = 'x';     // a byte an altered file brought
    r.scores[168] = '\x1A';  // and one that is no visible character
    // Quotes, semicolons, the editor's line ends, an empty line, Polish letters.
    setText(r.notes[1], cp("Ćwiczyć „sortowanie”; potem \"na czas\";\r\nz pomocą.\r\n\r\nDrugi "
                           "akapit: 50%;;\r\n"));
    setText(r.notes[46], cp("- prosić o pomoc\r\n"));  // a spreadsheet would take it for a formula
    setText(r.notes[121], cp("=SUMA(A1)"));
    setText(r.notes[168], cp("\"\"\r\n;"));
    const fs::path path = folder_ / "wyniki.csv";
    ASSERT_TRUE(writeScoresSheet(r, path, systemFileSystem()));

    const std::string bytes = readFile(path);
    ASSERT_EQ(bytes.rfind("\xEF\xBB\xBF\"Nr\";\"Obszar\";", 0), 0u);
    // 169 rows ended by CR LF; the breaks inside notes are plain LF.
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 169);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_NE(bytes.find("1;\"Obszar obserwacji diagnosty\""), std::string::npos);

#ifndef _WIN32
    // Read by a spreadsheet's rules (Python's csv module, on Linux only: the bytes are the same).
    const Rows rows = readWithPython(path);
    ASSERT_EQ(rows.size(), 169u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Nr", "Obszar", "Skala", "Pozycja", "Kod oceny",
                                                 "Ocena", "Wskazania"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{
                           "1", "Obszar obserwacji diagnosty", "Umiejętności wykonawcze",
                           "Sortowanie", "g", "zaliczone",
                           "Ćwiczyć „sortowanie”; potem \"na czas\";\nz pomocą.\n\nDrugi akapit: "
                           "50%;;"}));
    EXPECT_EQ(rows[46],
              (std::vector<std::string>{"46", "Obszar obserwacji diagnosty", "Adaptacja do pracy",
                                        "Pytanie o pomoc w razie potrzeby", "y", "pojawiające się",
                                        "'- prosić o pomoc"}));
    EXPECT_EQ(rows[73],
              (std::vector<std::string>{"73", "Obszar obserwacji w domu", "Umiejętności wykonawcze",
                                        "Proste narzędzia warsztatowe", "r", "niezaliczone", ""}));
    EXPECT_EQ(rows[100][4], "x");
    EXPECT_EQ(rows[100][5], "nieznana ocena");
    EXPECT_EQ(rows[121], (std::vector<std::string>{
                             "121", "Obszar obserwacji w szkole i pracy", "Umiejętności wykonawcze",
                             "Sortowanie przedmiotów", "b", "bez oceny", "'=SUMA(A1)"}));
    EXPECT_EQ(rows[168],
              (std::vector<std::string>{
                  "168", "Obszar obserwacji w szkole i pracy", "Zachowania interpersonalne",
                  "Szukanie towarzystwa innych osób", "0x1A", "nieznana ocena", "\"\"\n;"}));
    // Every row: its number, its area, scale and name as the catalogue has them.
    for (int k = 1; k <= kItemCount; ++k) {
        ASSERT_EQ(rows[k].size(), 7u) << k;
        EXPECT_EQ(rows[k][0], std::to_string(k));
        EXPECT_EQ(rows[k][1], cp1250::toUtf8(areaTitle(areaOf(k)))) << k;
        EXPECT_EQ(rows[k][2], cp1250::toUtf8(scaleName(scaleOf(k)))) << k;
        EXPECT_NE(rows[k][3].front(), ' ') << k;
        EXPECT_NE(cp1250::toUtf8(itemName(k)).find(rows[k][3]), std::string::npos) << k;
    }
#endif
    EXPECT_EQ(listing(), std::set<std::string>{"wyniki.csv"});
}

// The comparison sheet: both codes and the change of every item, whatever kind it is.
TEST_F(ScoresSheet, TheComparisonSheetReadsBackItemByItem) {
    auto earlier = std::make_unique<ExamineeRecord>();
    auto later = std::make_unique<ExamineeRecord>();
    const std::string before = "rygbgyrbx";
    const std::string after = "gggyyrbrg";
    for (size_t i = 0; i < before.size(); ++i) {
        earlier->scores[1 + i] = before[i];
        later->scores[1 + i] = after[i];
    }
    later->scores[168] = '\x1A';
    const fs::path path = folder_ / "porownanie.csv";
    ASSERT_TRUE(writeComparisonSheet(*earlier, *later, path, systemFileSystem()));
    EXPECT_NE(readFile(path).find("\r\n1;\"Obszar obserwacji diagnosty\";\"Umiejętności "
                                  "wykonawcze\";\"Sortowanie\";\"r\";\"g\";\"postęp\"\r\n2;"),
              std::string::npos);
#ifndef _WIN32
    const Rows rows = readWithPython(path);
    ASSERT_EQ(rows.size(), 169u);
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"Nr", "Obszar", "Skala", "Pozycja", "Kod oceny wcześniej",
                                        "Kod oceny później", "Zmiana"}));
    const char* changes[] = {"postęp", "postęp",      "bez zmian",     "nowo ocenione", "regres",
                             "regres", "nieocenione", "nowo ocenione", "nowo ocenione"};
    for (size_t i = 0; i < before.size(); ++i) {
        const std::vector<std::string>& row = rows[1 + i];
        ASSERT_EQ(row.size(), 7u);
        EXPECT_EQ(row[4], std::string(1, before[i]));
        EXPECT_EQ(row[5], std::string(1, after[i]));
        EXPECT_EQ(row[6], changes[i]) << i + 1;
    }
    EXPECT_EQ(rows[1], (std::vector<std::string>{"1", "Obszar obserwacji diagnosty",
                                                 "Umiejętności wykonawcze", "Sortowanie", "r", "g",
                                                 "postęp"}));
    EXPECT_EQ(rows[168][4], "b");
    EXPECT_EQ(rows[168][5], "0x1A");
    EXPECT_EQ(rows[168][6], "bez zmian");
    for (int k = 1; k <= kItemCount; ++k) {
        ASSERT_EQ(rows[k].size(), 7u) << k;
        EXPECT_EQ(rows[k][0], std::to_string(k));
        EXPECT_EQ(rows[k][1], cp1250::toUtf8(areaTitle(areaOf(k)))) << k;
        EXPECT_EQ(rows[k][2], cp1250::toUtf8(scaleName(scaleOf(k)))) << k;
        EXPECT_NE(cp1250::toUtf8(itemName(k)).find(rows[k][3]), std::string::npos) << k;
        if (k > 9 && k < 168) {
            EXPECT_EQ(rows[k][6], "bez zmian") << k;
        }
    }
#endif
}

TEST_F(ScoresSheet, EveryFailingStepIsReportedAndLeavesTheOldFile) {
    ExamineeRecord r;
    r.scores.fill(kPass);
    const fs::path path = folder_ / "wyniki.csv";
    for (Step step : {Step::Create, Step::Write, Step::Sync, Step::Close, Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        FailingFileSystem failing(step, scoresSheet(r).size() / 2);  // a write stops halfway
        failing.reason = std::make_error_code(std::errc::no_space_on_device);
        std::string error;
        EXPECT_FALSE(writeScoresSheet(r, path, failing, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(listing().empty());
        std::ofstream(path) << "earlier";
        EXPECT_FALSE(writeScoresSheet(r, path, failing));
        EXPECT_EQ(readFile(path), "earlier");
        EXPECT_EQ(listing(), std::set<std::string>{"wyniki.csv"});
        fs::remove(path);
    }
    FailingFileSystem failingNowhere(Step::None);
    std::ofstream(path) << "earlier";
    ASSERT_TRUE(writeScoresSheet(r, path, failingNowhere));
    EXPECT_EQ(readFile(path), scoresSheet(r));
    EXPECT_EQ(listing(), std::set<std::string>{"wyniki.csv"});
}

TEST_F(ScoresSheet, APlaceThatCannotHoldTheFileIsRefused) {
    const std::string bytes = "a;b\r\n";
    std::string error;
    EXPECT_FALSE(
        writeFileAtomically(folder_ / "brak" / "x.csv", bytes, systemFileSystem(), &error));
    EXPECT_NE(error.find("brak"), std::string::npos) << error;
    fs::create_directories(folder_ / "katalog.csv");
    EXPECT_FALSE(writeFileAtomically(folder_ / "katalog.csv", bytes, systemFileSystem(), &error));
    EXPECT_TRUE(fs::is_empty(folder_ / "katalog.csv"));
    std::ofstream(folder_ / "tylko.csv") << "kept";
    fs::permissions(folder_ / "tylko.csv", fs::perms::owner_read);
    EXPECT_FALSE(writeFileAtomically(folder_ / "tylko.csv", bytes, systemFileSystem(), &error));
    EXPECT_EQ(readFile(folder_ / "tylko.csv"), "kept");
    EXPECT_FALSE(writeFileAtomically(folder_ / "", bytes, systemFileSystem(), &error));
    EXPECT_EQ(listing(), (std::set<std::string>{"katalog.csv", "tylko.csv"}));
}

}  // namespace
}  // namespace lun4
