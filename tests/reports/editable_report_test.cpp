// The narrative report as an editable document: the cover, the personal data table and the
// remarks block by block, the headings of the outline, the notes as paragraphs, and the
// per-scale texts word for word in the order the report's pages draw them.

#include "reports/editable_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "polish_text.h"
#include "reports/narrative_report.h"
#include "reports/narrative_texts.h"
#include "ui/recording_surface.h"

namespace lun4::reports {
namespace {

using testing::cp;
using ui::FlowAlign;
using ui::FlowBlock;
using ui::FlowStyle;
std::string utf8(const std::string& cp1250Text) {
    return cp1250::toUtf8(cp1250Text);
}

ExamineeRecord womansRecord() {
    ExamineeRecord r;
    setText(r.firstName, cp("Łucja"));
    setText(r.lastName, cp("Wiśniewska"));
    setText(r.birthDate, cp("03.02.2004"));
    setText(r.homeAddress, cp("ul. Źródlana 5\r\nŁódź"));
    setText(r.phoneContacts, cp("601 234 567"));
    setText(r.facilityAddress, cp("Zespół Szkół nr 3"));
    setText(r.siblings, cp("Jan (2008)"));
    setText(r.guardians, cp("Anna i Piotr Wiśniewscy"));
    setText(r.additionalInfo, cp("brak"));
    setText(r.diagnosticianName, cp("Ewa Żak"));
    setText(r.diagnosticianPermitNo, cp("123/2020"));
    r.gender = kGenderFemale;
    for (int k = 1; k <= kItemCount; ++k) r.scores[k] = "gyr"[k % 3];
    r.scores[2] = kNotScored;
    // As the note editor stores them: its wrapped lines, an empty line between paragraphs.
    setText(r.notes[1], cp("Ćwiczyć sortowanie przedmiotów według koloru, najpierw\r\nz pomocą, "
                           "potem samodzielnie.\r\n\r\nDrugi akapit; „cudzysłów”.\r\n"));
    setText(r.notes[5], cp("Jedna linia bez końca"));
    // Item 3 is passed: its note, kept from an earlier score, is no recommendation.
    setText(r.notes[3], cp("Notatka pozycji już zaliczonej.\r\n"));
    setText(r.notes[80], cp("Uwaga dla domu:\r\nćwiczenia   z rodzicami.\r\n"));
    return r;
}

CoverTexts coverTexts() {
    return {cp("Łódź, 12 maja 2026"), cp("Poradnia nr 2\r\nw Łodzi")};
}

struct Line {
    FlowStyle style;
    FlowAlign align;
    std::string text;  // UTF-8
    bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& l) {
    return out << static_cast<int>(l.style) << "/" << static_cast<int>(l.align) << " " << l.text;
}

std::vector<Line> paragraphs(const ui::FlowDocument& doc, size_t from, size_t to) {
    std::vector<Line> out;
    for (size_t i = from; i < to && i < doc.blocks.size(); ++i) {
        const FlowBlock& b = doc.blocks[i];
        if (b.kind == FlowBlock::Kind::Paragraph) out.push_back({b.style, b.align, utf8(b.text)});
    }
    return out;
}

std::vector<std::string> cellLines(const ui::FlowCell& cell) {
    std::vector<std::string> out;
    for (const std::string& l : cell.lines) out.push_back(utf8(l));
    return out;
}

TEST(EditableReport, CoverAndPersonalDataAsOnTheFirstPages) {
    const ui::FlowDocument doc = editableReport(womansRecord(), coverTexts());
    EXPECT_EQ(utf8(doc.title), "Raport opisowy – Łucja Wiśniewska");
    ASSERT_GE(doc.blocks.size(), 13u);
    EXPECT_EQ(doc.blocks[0].kind, FlowBlock::Kind::Picture);
    EXPECT_EQ(doc.blocks[0].text, "Data\\logo.bmp");
    const std::vector<Line> cover = {
        {FlowStyle::Body, FlowAlign::Right, "Łódź, 12 maja 2026"},
        {FlowStyle::Caption, FlowAlign::Right, "miejscowość i data"},
        {FlowStyle::Title, FlowAlign::Center,
         "Wyniki i pisemne sprawozdanie ze zindywidualizowanego badania TORVA, przeprowadzonego "
         "przez:"},
        {FlowStyle::Emphasis, FlowAlign::Center, "Poradnia nr 2"},
        {FlowStyle::Emphasis, FlowAlign::Center, "w Łodzi"},
        {FlowStyle::Caption, FlowAlign::Center,
         "nazwa placówki przeprowadzającej badania diagnostyczne"},
        {FlowStyle::Body, FlowAlign::Left, "mgr Ewa Żak"},
        {FlowStyle::Caption, FlowAlign::Left, "imię i nazwisko osoby diagnozującej, specjalizacja"},
        {FlowStyle::Body, FlowAlign::Left, "Numer uprawnień diagnostycznych: 123/2020"},
        {FlowStyle::Caption, FlowAlign::Left, "numer uprawnień"},
    };
    EXPECT_EQ(paragraphs(doc, 1, 11), cover);

    // The personal data: label and value cells as on page 2, row by row.
    const FlowBlock& table = doc.blocks[11];
    ASSERT_EQ(table.kind, FlowBlock::Kind::Table);
    EXPECT_EQ(table.columnPercents, (std::vector<int>{18, 31, 18, 33}));
    struct Cell {
        std::vector<std::string> lines;
        bool label;
        int span;
        FlowAlign align;
    };
    const std::vector<std::vector<Cell>> expected = {
        {{{"Imię i nazwisko"}, true, 1, FlowAlign::Center},
         {{"Łucja Wiśniewska"}, false, 1, FlowAlign::Center},
         {{"Data urodzenia"}, true, 1, FlowAlign::Center},
         {{"03.02.2004"}, false, 1, FlowAlign::Center}},
        {{{"Adres zamieszkania"}, true, 1, FlowAlign::Center},
         {{"ul. Źródlana 5", "Łódź"}, false, 1, FlowAlign::Left},
         {{"Kontakt/telefony"}, true, 1, FlowAlign::Center},
         {{"601 234 567"}, false, 1, FlowAlign::Left}},
        {{{"Adres placówki, do której uczęszcza badana"}, true, 1, FlowAlign::Center},
         {{"Zespół Szkół nr 3"}, false, 1, FlowAlign::Left},
         {{"Rodzeństwo (data urodzenia)"}, true, 1, FlowAlign::Center},
         {{"Jan (2008)"}, false, 1, FlowAlign::Left}},
        {{{"Opiekunowie prawni (rodzice)"}, true, 1, FlowAlign::Center},
         {{"Anna i Piotr Wiśniewscy"}, false, 3, FlowAlign::Left}},
        {{{"Dodatkowe informacje"}, true, 1, FlowAlign::Center},
         {{"brak"}, false, 3, FlowAlign::Left}},
        {{{"Rodzaj stosowanego badania"}, true, 1, FlowAlign::Center},
         {{"Test Rozwoju Psychoedukacyjnego oparty na elementach", "TORVA"},
          false,
          3,
          FlowAlign::Center}},
    };
    ASSERT_EQ(table.rows.size(), expected.size());
    for (size_t r = 0; r < expected.size(); ++r) {
        ASSERT_EQ(table.rows[r].size(), expected[r].size()) << r;
        for (size_t c = 0; c < expected[r].size(); ++c) {
            const ui::FlowCell& cell = table.rows[r][c];
            EXPECT_EQ(cellLines(cell), expected[r][c].lines) << r << "," << c;
            EXPECT_EQ(cell.label, expected[r][c].label) << r << "," << c;
            EXPECT_EQ(cell.columnSpan, expected[r][c].span) << r << "," << c;
            EXPECT_EQ(cell.align, expected[r][c].align) << r << "," << c;
        }
    }

    // Page 3 starts a new page: the three areas, then the general remarks.
    const FlowBlock& areas = doc.blocks[12];
    ASSERT_EQ(areas.kind, FlowBlock::Kind::Table);
    EXPECT_TRUE(areas.newPage);
    ASSERT_EQ(areas.rows.size(), 2u);
    EXPECT_EQ(cellLines(areas.rows[0][1]),
              std::vector<std::string>{"Badanie w Obszarze Szkoła/Praca"});
    EXPECT_EQ(cellLines(areas.rows[1][2]),
              std::vector<std::string>{
                  "umiejętności wykonawcze, samodzielne funkcjonowanie, umiejętność spędzania "
                  "wolnego czasu, adaptacja do pracy, komunikatywność, zachowania "
                  "interpersonalne."});
    const std::vector<Line> remarks = {
        {FlowStyle::Heading1, FlowAlign::Left, "Uwagi ogólne dotyczące diagnozy"},
        {FlowStyle::Body, FlowAlign::Left,
         "Łucja Wiśniewska została poddana diagnozie dla młodzieży i osób dorosłych."},
        {FlowStyle::Body, FlowAlign::Left,
         "Diagnozę na wniosek rodzica/opiekuna przygotował(a) Ewa Żak."},
        {FlowStyle::Body, FlowAlign::Left,
         "Podczas diagnozy oceniano funkcjonowanie badanej w zakresie następujących sfer:"},
        {FlowStyle::Body, FlowAlign::Left,
         "umiejętności wykonawcze, samodzielne funkcjonowanie, umiejętność spędzania wolnego "
         "czasu, adaptacja do pracy, komunikatywność, zachowania interpersonalne. Wymienione "
         "sfery oceniono w trzech obszarach: Obszar Bezpośredniej Obserwacji, Obszar Szkoła "
         "Praca, Obszar Domowy."},
        {FlowStyle::Heading1, FlowAlign::Left, "PODSUMOWANIE WYNIKÓW BADANEJ"},
    };
    EXPECT_EQ(paragraphs(doc, 13, 19), remarks);
}

TEST(EditableReport, EmptyCoverFieldsKeepTheirDottedLines) {
    ExamineeRecord r;
    const ui::FlowDocument doc = editableReport(r, {});
    EXPECT_EQ(utf8(doc.title), "Raport opisowy");
    const std::vector<Line> lines = paragraphs(doc, 1, 10);
    EXPECT_EQ(lines[0].text, std::string(50, '.'));
    EXPECT_EQ(lines[3].text, std::string(50, '.'));
    EXPECT_EQ(lines[5].text, "mgr" + std::string(108, '.'));
    EXPECT_EQ(lines[7].text, "Numer uprawnień diagnostycznych" + std::string(80, '.'));
    // A man, or no gender at all, is described in the male forms; with no diagnostician the
    // remarks leave a dotted line to sign on.
    EXPECT_EQ(paragraphs(doc, 13, 16)[2].text,
              "Podczas diagnozy oceniano funkcjonowanie badanego w zakresie następujących sfer:");
    EXPECT_EQ(paragraphs(doc, 13, 16)[1].text,
              "Diagnozę na wniosek rodzica/opiekuna przygotował(a): " + std::string(60, '.'));
    // A name with its own degree goes without the cover's "mgr".
    setText(r.diagnosticianName, cp("dr Ewa Żak"));
    EXPECT_EQ(paragraphs(editableReport(r, {}), 1, 10)[5].text, "dr Ewa Żak");
}

TEST(EditableReport, OutlineHeadingsNotesAndTheClosingSignature) {
    const ui::FlowDocument doc = editableReport(womansRecord(), coverTexts());
    std::vector<Line> headings;
    for (const Line& l : paragraphs(doc, 0, doc.blocks.size())) {
        if (ui::headingLevel(l.style) > 0) headings.push_back(l);
    }
    ASSERT_EQ(headings.size(), 2u + 6u * 4u);
    for (int s = 0; s < 6; ++s) {
        const std::string title = utf8(narrative::reportTexts().sectionTitles[s]);
        EXPECT_EQ(headings[2 + 4 * s], (Line{FlowStyle::Heading2, FlowAlign::Left, title}));
        EXPECT_EQ(headings[3 + 4 * s].text, "Obszar bezpośredniej obserwacji");
        EXPECT_EQ(headings[4 + 4 * s].text, "Obszar domowy");
        EXPECT_EQ(headings[5 + 4 * s].text, "Obszar szkoła/praca");
        EXPECT_EQ(headings[5 + 4 * s].style, FlowStyle::Heading3);
    }
    EXPECT_EQ(headings[5 * 4 + 2].text, "Zachowanie interpersonalne");

    // Scale 0 from its title to its first note.
    size_t title = 0;
    while (doc.blocks[title].text != narrative::reportTexts().sectionTitles[0]) ++title;
    const std::vector<Line> start = paragraphs(doc, title, title + 13);
    const std::vector<Line> expected = {
        {FlowStyle::Heading2, FlowAlign::Left, "Umiejętności wykonawcze"},
        {FlowStyle::Body, FlowAlign::Left,
         "Podczas badań z zakresu czynności wykonawczych oceniono badaną pod kątem wykonania "
         "różnych zadań wytwórczych. Umiejętności te będą wykorzystywane do samodzielnego "
         "funkcjonowania oraz nauki przyszłego zawodu."},
        {FlowStyle::Emphasis, FlowAlign::Left, "Wynik z 3 obszarów"},
        {FlowStyle::Heading3, FlowAlign::Left, "Obszar bezpośredniej obserwacji"},
        {FlowStyle::Body, FlowAlign::Left,
         "Przeprowadzono łącznie 12 obserwacji i procedur. Spośród 12 zadań 4 zadania były "
         "utrudnione, dokonywano ich oceny tylko w obszarze bezpośredniej obserwacji."},
        // Items 1..12 are scored by k % 3, item 2 left unscored: fail 5, 8, 11; emerging 1,
        // 4, 7, 10; pass 3, 6, 9, 12. Only the emerging and failed items' notes are listed.
        {FlowStyle::Body, FlowAlign::Left, "3 procedury oceniono jako – niezaliczone"},
        {FlowStyle::Body, FlowAlign::Left, "4 procedury oceniono jako – obiecujące"},
        {FlowStyle::Body, FlowAlign::Left, "4 procedury oceniono jako – zaliczone"},
        {FlowStyle::Body, FlowAlign::Left, "1 procedura – bez oceny"},
        {FlowStyle::Body, FlowAlign::Left, "Wskazania:"},
        {FlowStyle::Body, FlowAlign::Left,
         "Ćwiczyć sortowanie przedmiotów według koloru, najpierw z pomocą, potem samodzielnie."},
        {FlowStyle::Body, FlowAlign::Left, "Drugi akapit; „cudzysłów”."},
        {FlowStyle::Body, FlowAlign::Left, "Jedna linia bez końca"},
    };
    EXPECT_EQ(start, expected);
    const std::vector<Line> all = paragraphs(doc, 0, doc.blocks.size());
    // The lines of a note are joined; the spacing typed within a line stays.
    EXPECT_NE(std::find(all.begin(), all.end(),
                        Line{FlowStyle::Body, FlowAlign::Left,
                             "Uwaga dla domu: ćwiczenia   z rodzicami."}),
              all.end());
    // A passed item's note is no recommendation: the document leaves it out.
    for (const Line& l : all) EXPECT_EQ(l.text.find("już zaliczonej"), std::string::npos);
    // The last scale's sentence, then the signature line.
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[all.size() - 3].text.rfind("Wyniki 3 obszarów świadczą, że badana w danym "
                                             "zakresie najlepiej oceniona została w obszarze",
                                             0),
              0u);
    EXPECT_EQ(all[all.size() - 2], (Line{FlowStyle::Body, FlowAlign::Right, std::string(66, '.')}));
    EXPECT_EQ(all.back(),
              (Line{FlowStyle::Caption, FlowAlign::Right, "Podpis osoby diagnozującej"}));
}

// Everything the report's per-scale pages draw, page after page, is the text of the
// document's sections in the same order, once the pages' line breaks are undone.
TEST(EditableReport, SectionsSayWhatThePerScalePagesSay) {
    for (char gender : {kGenderFemale, kGenderMale}) {
        ExamineeRecord record = womansRecord();
        record.gender = gender;
        NarrativeReport report;
        ui::FakeImageSource images;
        ui::RecordingSurface counting;
        report.composePage(counting, images, record, coverTexts(), 1);
        std::string pages;
        for (int p = 4; p <= report.pageCount(); ++p) {
            ui::RecordingSurface page;
            report.composePage(page, images, record, coverTexts(), p);
            for (const std::string& text : page.textsDrawn()) pages += text + " ";
        }
        const ui::FlowDocument doc = editableReport(record, coverTexts());
        std::string sections;
        bool inSections = false;
        for (const FlowBlock& b : doc.blocks) {
            if (b.style == FlowStyle::Heading2) inSections = true;
            if (b.text == std::string(66, '.')) break;
            if (inSections) sections += utf8(b.text) + " ";
        }
        EXPECT_EQ(utf8(flowingText(cp(pages))), utf8(flowingText(cp(sections))));
    }
}

TEST(EditableReport, FlowingTextAndNoteParagraphs) {
    EXPECT_EQ(flowingText("  0 procedur  oceniono\r\nw obszarze \r\n"),
              "0 procedur oceniono w obszarze");
    EXPECT_EQ(flowingText(""), "");
    EXPECT_EQ(noteParagraphs("a\r\nb\r\n\r\n\r\nc  \r\n   \r\nd"),
              (std::vector<std::string>{"a b", "c", "d"}));
    EXPECT_TRUE(noteParagraphs("\r\n\r\n").empty());
    EXPECT_EQ(noteParagraphs("x"), std::vector<std::string>{"x"});
}

}  // namespace
}  // namespace lun4::reports
