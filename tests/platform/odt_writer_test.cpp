// The editable report as a word processor receives it: the package unzipped (by the system's
// unzip tool on Linux) and its XML read back, holding the report's texts in order with outline
// headings, the personal data as a real table, Polish letters intact, an A4 page; and
// writing it failing without leaving a file.

#include "platform/odt_writer.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "files/file_system.h"
#include "model/catalogue.h"
#include "model/cp1250.h"
#include "platform/data_paths.h"
#include "platform/zip_package.h"
#include "polish_text.h"
#include "reports/editable_report.h"
#include "test_files.h"
#include "xml_reader.h"

namespace lun4::platform {
namespace {

namespace fs = std::filesystem;

const std::string kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
const std::string kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
const std::string kStyle = "urn:oasis:names:tc:opendocument:xmlns:style:1.0";
const std::string kFo = "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0";

using testing::cp;
using testing::fileNames;
using testing::XmlReader;

// The package as the system's unzip tool lists and unpacks it, on Linux; Wine has no such
// tool, and the package's own reader stands in (the bytes are the same on both).
#ifdef _WIN32
std::vector<ZipEntry> entriesOf(const fs::path& package) {
    return readZip(testing::readFile(package)).value_or(std::vector<ZipEntry>{});
}
std::string memberNames(const fs::path& package) {
    std::string names;
    for (const ZipEntry& e : entriesOf(package)) names += e.name + "\n";
    return names;
}
std::string unzipped(const fs::path& package, const std::string& member) {
    for (const ZipEntry& e : entriesOf(package)) {
        if (e.name == member) return e.data;
    }
    return {};
}
#else
using testing::unzipped;
std::string memberNames(const fs::path& package) {
    EXPECT_NE(testing::runTool("unzip -tq '" + package.string() + "'").find("No errors"),
              std::string::npos);
    return testing::runTool("unzip -Z1 '" + package.string() + "'");
}
#endif

ExamineeRecord record() {
    ExamineeRecord r;
    setText(r.firstName, cp("Łucja"));
    setText(r.lastName, cp("Wiśniewska"));
    setText(r.homeAddress, cp("ul. Źródlana 5\r\nŁódź"));
    setText(r.guardians, cp("Anna i Piotr Wiśniewscy"));
    setText(r.diagnosticianName, cp("Ewa Żak"));
    r.gender = kGenderFemale;
    for (int k = 1; k <= kItemCount; ++k) r.scores[k] = "gyr"[k % 3];
    setText(r.notes[1], cp("Ćwiczyć sortowanie według koloru,\r\nnajpierw z pomocą.\r\n\r\n"
                           "Drugi akapit: „zadanie” & <nawiasy>.\r\n"));
    return r;
}

// A paragraph or heading of the body, outside tables: level 0 for a paragraph.
struct Paragraph {
    int level;
    std::string text;
    bool operator==(const Paragraph&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Paragraph& p) {
    return out << p.level << " " << p.text;
}

struct Cell {
    std::string style;  // empty for a covered cell
    int span = 1;
    std::string text;  // line breaks as "\n"
};

struct Content {
    std::vector<Paragraph> paragraphs;
    std::vector<std::vector<std::vector<Cell>>> tables;
    std::set<std::string> labelStylesGrey;  // cell styles with the grey background
};

// The text of the element the reader stands on, as a word processor shows it: runs of
// white space in the characters are one blank and none at either end; text:s, line breaks
// and tabs are what they stand for.
std::string elementText(XmlReader& in) {
    std::string text;
    bool blank = true;  // the last character is a collapsible blank (or there is none)
    int depth = 1;
    while (depth > 0 && !in.atEnd()) {
        in.readNext();
        if (in.isStartElement()) {
            ++depth;
            const size_t before = text.size();
            if (in.name() == "line-break") text += "\n";
            if (in.name() == "tab") text += "\t";
            if (in.name() == "s") {
                const int c = std::atoi(in.attribute(kText, "c").c_str());
                text += std::string(std::max(c, 1), ' ');
            }
            if (text.size() > before) blank = false;
        } else if (in.isEndElement()) {
            --depth;
        } else if (in.isCharacters()) {
            for (char c : in.text()) {
                const bool white = c == ' ' || c == '\n' || c == '\r' || c == '\t';
                if (white && blank) continue;
                text += white ? ' ' : c;
                blank = white;
            }
        }
    }
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

Content readContent(const std::string& xml) {
    Content c;
    XmlReader in(xml);
    int tableDepth = 0;
    std::string style;
    while (!in.atEnd()) {
        in.readNext();
        if (in.isStartElement()) {
            const auto name = in.name();
            if (in.namespaceUri() == kStyle && name == "style") {
                style =
                    in.attribute(kStyle, "name");
            } else if (name == "table-cell-properties" &&
                       in.attribute(kFo, "background-color") ==
                           "#d9d9d9") {
                c.labelStylesGrey.insert(style);
            } else if (in.namespaceUri() == kTable && name == "table") {
                ++tableDepth;
                c.tables.emplace_back();
            } else if (in.namespaceUri() == kTable && name == "table-row") {
                c.tables.back().emplace_back();
            } else if (in.namespaceUri() == kTable && name == "table-cell") {
                Cell cell;
                cell.style = in.attribute(kTable, "style-name");
                cell.span = std::max(1, std::atoi(in.attribute(kTable, "number-columns-spanned").c_str()));
                std::string text;
                int depth = 1;
                while (depth > 0 && !in.atEnd()) {
                    in.readNext();
                    if (in.isStartElement() && in.name() == "p") {
                        if (!text.empty()) text += "|";  // a second paragraph in one cell
                        text += elementText(in);
                    } else if (in.isStartElement()) {
                        ++depth;
                    } else if (in.isEndElement()) {
                        --depth;
                    }
                }
                cell.text = text;
                c.tables.back().back().push_back(cell);
            } else if (in.namespaceUri() == kTable &&
                       name == "covered-table-cell") {
                c.tables.back().back().push_back({});
            } else if (tableDepth == 0 && in.namespaceUri() == kText &&
                       (name == "p" || name == "h")) {
                const int level =
                    name == "h"
                        ? std::atoi(in.attribute(kText, "outline-level").c_str())
                        : 0;
                const std::string styleName = in.attribute(kText, "style-name");
                const std::string text = elementText(in);
                if (level > 0) {
                    EXPECT_EQ(styleName, "Heading_20_" + std::to_string(level)) << text;
                }
                c.paragraphs.push_back({level, text});
            }
        } else if (in.isEndElement() && in.namespaceUri() == kTable &&
                   in.name() == "table") {
            --tableDepth;
        }
    }
    EXPECT_FALSE(in.hasError()) << in.errorString();
    return c;
}

class OdtWriter : public ::testing::Test {
  protected:
    testing::TempFolder temp_;
    const fs::path folder_ = temp_.path();
};

TEST_F(OdtWriter, TheReportReadsBackInOrderWithHeadingsTableAndPolishLetters) {
    const ExamineeRecord r = record();
    const ui::FlowDocument doc = reports::editableReport(r, {cp("Łódź, 12 maja 2026"), {}});
    DataPaths data(LUN4_RUN_DIR);
    const fs::path path = folder_ / "raport.odt";
    std::string error;
    ASSERT_TRUE(writeOdt(doc, path, data, systemFileSystem(), error)) << error;
    EXPECT_EQ(fileNames(folder_), std::set<std::string>{"raport.odt"});
    // The package: mimetype first (stored, as readers sniff it), every file in the manifest.
    const std::string names = memberNames(path);
    EXPECT_EQ(names.rfind("mimetype\n", 0), 0u) << names;
    EXPECT_EQ(unzipped(path, "mimetype"), "application/vnd.oasis.opendocument.text");
    const std::string manifest = unzipped(path, "META-INF/manifest.xml");
    std::istringstream files(names);
    int pictures = 0;
    for (std::string name; std::getline(files, name);) {
        if (name == "mimetype" || name == "META-INF/manifest.xml") continue;
        EXPECT_NE(manifest.find("manifest:full-path=\"" + name + "\""), std::string::npos) << name;
        if (name.rfind("Pictures/", 0) == 0) ++pictures;
    }
    EXPECT_EQ(pictures, 1);  // the logo

    // Styles: an A4 page, the report's font, three outline heading styles.
    const std::string styles = unzipped(path, "styles.xml");
    for (const char* expected :
         {"fo:page-width=\"21cm\"", "fo:page-height=\"29.7cm\"", "style:font-name=\"Arial\"",
          "style:name=\"Heading_20_1\"", "style:default-outline-level=\"3\""}) {
        EXPECT_NE(styles.find(expected), std::string::npos) << expected;
    }
    EXPECT_NE(
        unzipped(path, "meta.xml").find("<dc:title>Raport opisowy – Łucja Wiśniewska</dc:title>"),
        std::string::npos);

    // The body: the document's paragraphs, in order, as headings where they are headings.
    const Content content = readContent(unzipped(path, "content.xml"));
    std::vector<Paragraph> expected;
    for (const ui::FlowBlock& b : doc.blocks) {
        if (b.kind == ui::FlowBlock::Kind::Paragraph) {
            expected.push_back({ui::headingLevel(b.style), cp1250::toUtf8(b.text)});
        }
    }
    // The logo stands in a paragraph of its own before the cover's texts.
    ASSERT_FALSE(content.paragraphs.empty());
    EXPECT_EQ(content.paragraphs.front(), (Paragraph{0, ""}));
    EXPECT_EQ(std::vector<Paragraph>(content.paragraphs.begin() + 1, content.paragraphs.end()),
              expected);
    EXPECT_EQ(content.paragraphs[1], (Paragraph{0, "Łódź, 12 maja 2026"}));
    const auto has = [&](const Paragraph& p) {
        return std::find(content.paragraphs.begin(), content.paragraphs.end(), p) !=
               content.paragraphs.end();
    };
    EXPECT_TRUE(has({1, "Uwagi ogólne dotyczące diagnozy"}));
    EXPECT_TRUE(has({2, "Komunikatywność"}));
    EXPECT_TRUE(has({3, "Obszar szkoła/praca"}));
    EXPECT_TRUE(has({0, "Ćwiczyć sortowanie według koloru, najpierw z pomocą."}));
    EXPECT_TRUE(has({0, "Drugi akapit: „zadanie” & <nawiasy>."}));

    // The personal data: six rows of four columns, label cells grey, a field's lines kept.
    ASSERT_EQ(content.tables.size(), 2u);
    const auto& table = content.tables[0];
    ASSERT_EQ(table.size(), 6u);
    for (const auto& row : table) EXPECT_EQ(row.size(), 4u);
    EXPECT_EQ(table[0][0].text, "Imię i nazwisko");
    EXPECT_EQ(table[0][1].text, "Łucja Wiśniewska");
    EXPECT_EQ(table[1][1].text, "ul. Źródlana 5\nŁódź");
    EXPECT_EQ(table[3][1].text, "Anna i Piotr Wiśniewscy");
    EXPECT_EQ(table[3][1].span, 3);
    EXPECT_TRUE(table[3][2].style.empty());  // covered by the cell before
    EXPECT_EQ(table[5][1].text,
              "Test Rozwoju Psychoedukacyjnego oparty na elementach\nTORVA");
    for (const auto& row : table) {
        EXPECT_EQ(content.labelStylesGrey.count(row[0].style), 1u) << row[0].text;
        EXPECT_EQ(content.labelStylesGrey.count(row[1].style), 0u) << row[1].text;
    }
    EXPECT_EQ(content.tables[1].size(), 2u);
    EXPECT_EQ(content.tables[1][0][2].text, "Badanie w Obszarze Obserwacji Domowej");
}

// How a block of the body looks in the word processor: its alignment ("left", "center",
// "right"), whether its text is bold, whether it starts a new page; a table's cells alike.
struct Look {
    std::string align = "left";
    bool bold = false;
    bool newPage = false;
    std::vector<Look> cells;
    bool operator==(const Look&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Look& l) {
    out << l.align << (l.bold ? " bold" : "") << (l.newPage ? " new page" : "");
    for (const Look& c : l.cells) out << " [" << c << "]";
    return out;
}

std::vector<Look> readLooks(const std::string& xml) {
    struct Properties {
        std::string align;
        bool bold = false;
        bool breakBefore = false;
    };
    std::map<std::string, Properties> styles;
    std::vector<Look> looks;
    XmlReader in(xml);
    std::string style;
    Look* table = nullptr;
    auto normal = [](const std::string& align) {
        if (align == "center") return std::string("center");
        if (align == "end" || align == "right") return std::string("right");
        return std::string("left");
    };
    // A paragraph is bold when all its text is (a heading always is).
    auto paragraph = [&](bool heading) {
        Look look;
        const Properties& own = styles[in.attribute(kText, "style-name")];
        look.align = normal(own.align);
        look.newPage = own.breakBefore;
        bool allBold = true, anyText = false;
        int depth = 1;
        while (depth > 0 && !in.atEnd()) {
            in.readNext();
            if (in.isStartElement()) {
                ++depth;
                if (in.name() == "span") {
                    const bool bold =
                        styles[in.attribute(kText, "style-name")].bold;
                    const std::string text = in.readElementText();
                    --depth;
                    if (text.find_first_not_of(" \t\r\n") != std::string::npos) {
                        anyText = true;
                        allBold = allBold && bold;
                    }
                }
            } else if (in.isEndElement()) {
                --depth;
            } else if (in.isCharacters() && !in.isWhitespace()) {
                anyText = true;
                allBold = allBold && own.bold;
            }
        }
        look.bold = heading || (anyText && allBold) || own.bold;
        return look;
    };
    while (!in.atEnd()) {
        in.readNext();
        if (in.isStartElement()) {
            const auto name = in.name();
            if (in.namespaceUri() == kStyle && name == "style") {
                style = in.attribute(kStyle, "name");
            } else if (name == "paragraph-properties" ||
                       name == "table-properties") {
                if (in.hasAttribute(kFo, "text-align"))
                    styles[style].align = in.attribute(kFo, "text-align");
                if (in.attribute(kFo, "break-before") == "page")
                    styles[style].breakBefore = true;
            } else if (name == "text-properties") {
                if (in.attribute(kFo, "font-weight") == "bold")
                    styles[style].bold = true;
            } else if (in.namespaceUri() == kTable && name == "table") {
                Look look;
                look.newPage =
                    styles[in.attribute(kTable, "style-name")].breakBefore;
                looks.push_back(look);
                table = &looks.back();
            } else if (in.namespaceUri() == kText &&
                       (name == "p" || name == "h")) {
                const Look look = paragraph(name == "h");
                if (table) {
                    table->cells.push_back(look);
                } else {
                    looks.push_back(look);
                }
            }
        } else if (in.isEndElement() && in.namespaceUri() == kTable &&
                   in.name() == "table") {
            table = nullptr;
        }
    }
    EXPECT_FALSE(in.hasError()) << in.errorString();
    return looks;
}

// Alignment, bold text and page breaks are the report's: every paragraph and every table
// cell of the document looks as the document says it should.
TEST_F(OdtWriter, AlignmentBoldCellsAndPageBreaksAsTheReportHasThem) {
    const ui::FlowDocument doc =
        reports::editableReport(record(), {cp("Łódź, 12 maja 2026"), cp("Poradnia nr 2")});
    DataPaths data(LUN4_RUN_DIR);
    const fs::path path = folder_ / "raport.odt";
    std::string error;
    ASSERT_TRUE(writeOdt(doc, path, data, systemFileSystem(), error)) << error;
    auto align = [](ui::FlowAlign a) {
        return a == ui::FlowAlign::Center ? "center" : a == ui::FlowAlign::Right ? "right" : "left";
    };
    std::vector<Look> expected;
    for (const ui::FlowBlock& b : doc.blocks) {
        Look look;
        look.newPage = b.newPage;
        if (b.kind == ui::FlowBlock::Kind::Table) {
            for (const auto& row : b.rows) {
                // One paragraph a cell (its lines broken within it); an empty cell has no
                // text to be bold.
                for (const ui::FlowCell& cell : row) {
                    const bool empty = cell.lines.empty();
                    look.cells.push_back(
                        {align(cell.align), (cell.bold || cell.label) && !empty, false, {}});
                }
            }
        } else {
            look.align = align(b.align);
            look.bold = b.style != ui::FlowStyle::Body && b.style != ui::FlowStyle::Caption &&
                        b.kind == ui::FlowBlock::Kind::Paragraph;
        }
        expected.push_back(look);
    }
    const std::vector<Look> looks = readLooks(unzipped(path, "content.xml"));
    ASSERT_EQ(looks.size(), expected.size());
    for (size_t i = 0; i < looks.size(); ++i) {
        EXPECT_EQ(looks[i], expected[i]) << i << " " << cp1250::toUtf8(doc.blocks[i].text);
    }
    // The general remarks start a new page, as page 3 does.
    EXPECT_EQ(std::count_if(looks.begin(), looks.end(), [](const Look& l) { return l.newPage; }), 1);
}

TEST_F(OdtWriter, EveryFailureIsReportedAndLeavesNoFile) {
    const ui::FlowDocument doc = reports::editableReport(record(), {});
    DataPaths data(folder_);  // a data folder without the logo: the document goes without it
    std::string error;
    EXPECT_FALSE(writeOdt(doc, folder_ / "brak" / "raport.odt", data, systemFileSystem(), error));
    EXPECT_NE(error.find("brak"), std::string::npos) << error;
    fs::create_directories(folder_ / "katalog.odt");
    error.clear();
    EXPECT_FALSE(writeOdt(doc, folder_ / "katalog.odt", data, systemFileSystem(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_empty(folder_ / "katalog.odt"));
    EXPECT_EQ(fileNames(folder_), std::set<std::string>{"katalog.odt"});

    ASSERT_TRUE(writeOdt(doc, folder_ / "raport.odt", data, systemFileSystem(), error)) << error;
    EXPECT_EQ(memberNames(folder_ / "raport.odt").find("Pictures"), std::string::npos);
}

TEST(ZipPackage, EntriesComeBackAndBrokenArchivesAreRefused) {
    const std::vector<ZipEntry> entries = {{"mimetype", "abc", true},
                                           {"a/b.xml", std::string(70000, 'x')},
                                           {"empty", std::string()}};
    const std::string archive = writeZip(entries);
    const auto back = readZip(archive);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 3u);
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ((*back)[i].name, entries[i].name);
        EXPECT_EQ((*back)[i].data, entries[i].data);
    }
    EXPECT_FALSE(readZip(std::string()));
    EXPECT_FALSE(readZip(archive.substr(0, archive.size() - 1)));
    std::string corrupted = archive;
    corrupted[40] = 'y';  // inside the first file: its checksum no longer matches
    EXPECT_FALSE(readZip(corrupted));
}

}  // namespace
}  // namespace lun4::platform
