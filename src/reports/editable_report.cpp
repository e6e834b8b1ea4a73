#include "reports/editable_report.h"

#include "model/cp1250.h"
#include "reports/narrative_sentences.h"
#include "reports/narrative_texts.h"

namespace lun4::reports {
namespace {

using narrative::kAreas;
using narrative::kScales;
using narrative::ReportTexts;
using ui::FlowAlign;
using ui::FlowBlock;
using ui::FlowCell;
using ui::FlowDocument;
using ui::FlowStyle;

bool isBlank(char c) {
    return c == ' ' || c == '\r' || c == '\t';
}

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
    return line;
}

template <class F>
void forEachLine(std::string_view text, F f) {
    for (;;) {
        const size_t feed = text.find('\n');
        f(text.substr(0, feed));
        if (feed == std::string_view::npos) return;
        text.remove_prefix(feed + 1);
    }
}

// The lines of a text each on its own, trimmed; for cells that keep the lines of a field.
std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view line) { lines.emplace_back(trimmed(line)); });
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

// A form line of the cover: the label before its dots.
std::string withoutDots(const std::string& line) {
    return std::string(trimmed(line.substr(0, line.find_last_not_of('.') + 1)));
}

FlowCell label(std::string_view text) {
    FlowCell cell;
    cell.lines = {flowingText(text)};
    cell.label = true;
    cell.bold = true;
    cell.align = FlowAlign::Center;
    return cell;
}

FlowCell value(std::string_view text, int span = 1, FlowAlign align = FlowAlign::Left) {
    FlowCell cell;
    cell.lines = linesOf(text);
    cell.bold = true;
    cell.align = align;
    cell.columnSpan = span;
    return cell;
}

void addCover(FlowDocument& doc, const ExamineeRecord& record, const CoverTexts& cover,
              const ReportTexts& t) {
    FlowBlock logo;
    logo.kind = FlowBlock::Kind::Picture;
    logo.text = "Data\\logo.bmp";
    doc.blocks.push_back(logo);

    // A field left empty keeps its dotted line, to be filled in by hand.
    const std::string place = flowingText(cover.placeAndDate);
    doc.paragraph(place.empty() ? t.dateLine : place, FlowStyle::Body, FlowAlign::Right);
    doc.paragraph(flowingText(t.dateCaption), FlowStyle::Caption, FlowAlign::Right);
    doc.paragraph(flowingText(t.coverHeading), FlowStyle::Title, FlowAlign::Center);
    const std::vector<std::string> institution = linesOf(cover.institution);
    if (institution.empty()) doc.paragraph(t.dateLine, FlowStyle::Body, FlowAlign::Center);
    for (const std::string& line : institution) {
        doc.paragraph(line, FlowStyle::Emphasis, FlowAlign::Center);
    }
    doc.paragraph(flowingText(t.institutionCaption), FlowStyle::Caption, FlowAlign::Center);

    // The name follows the cover's "mgr", which a name with a degree of its own goes without.
    const std::string diagnostician = flowingText(text(record.diagnosticianName));
    const std::string& line = narrative::diagnosticianLine(record);
    const std::string degree = withoutDots(line);
    doc.paragraph(diagnostician.empty() ? line
                  : degree.empty()      ? diagnostician
                                        : degree + " " + diagnostician);
    doc.paragraph(flowingText(t.diagnosticianCaption), FlowStyle::Caption);
    const std::string permit = flowingText(text(record.diagnosticianPermitNo));
    doc.paragraph(permit.empty() ? t.permitLine : withoutDots(t.permitLine) + ": " + permit);
    doc.paragraph(flowingText(t.permitCaption), FlowStyle::Caption);
}

void addPersonalData(FlowDocument& doc, const ExamineeRecord& record, const ReportTexts& t) {
    // As on the page: two label and value pairs a row, then rows of one pair across.
    FlowBlock table;
    table.kind = FlowBlock::Kind::Table;
    table.columnPercents = {18, 31, 18, 33};
    const auto l = [&](int row) { return label(t.dataLabels[row].of(record)); };
    table.rows = {
        {l(0), value(record.fullName(), 1, FlowAlign::Center), l(1),
         value(text(record.birthDate), 1, FlowAlign::Center)},
        {l(2), value(text(record.homeAddress)), l(3), value(text(record.phoneContacts))},
        {l(4), value(text(record.facilityAddress)), l(5), value(text(record.siblings))},
        {l(6), value(text(record.guardians), 3)},
        {l(7), value(text(record.additionalInfo), 3)},
        {l(8), value(t.examinationKind, 3, FlowAlign::Center)},
    };
    doc.blocks.push_back(std::move(table));
}

void addGeneralRemarks(FlowDocument& doc, const ExamineeRecord& record, const ReportTexts& t) {
    FlowBlock areas;
    areas.kind = FlowBlock::Kind::Table;
    areas.newPage = true;
    areas.columnPercents = {33, 34, 33};
    areas.rows.resize(2);
    for (int i = 0; i < 3; ++i) {
        areas.rows[0].push_back(label(t.areaColumnHeadings[i]));
        FlowCell list;
        list.lines = {flowingText(t.sphereList)};
        areas.rows[1].push_back(list);
    }
    doc.blocks.push_back(std::move(areas));

    doc.paragraph(flowingText(t.remarksHeading), FlowStyle::Heading1);
    doc.paragraph(flowingText(narrative::subjectedSentence(record)));
    doc.paragraph(flowingText(narrative::preparedBySentence(record)));
    doc.paragraph(flowingText(narrative::assessedSentence(record)));
    doc.paragraph(flowingText(t.spheresAssessed));
    doc.paragraph(flowingText(t.resultsHeading.of(record)), FlowStyle::Heading1);
}

void addScale(FlowDocument& doc, const ExamineeRecord& record, int scale, const ReportTexts& t) {
    doc.paragraph(flowingText(t.sectionTitles[scale]), FlowStyle::Heading2);
    doc.paragraph(flowingText(t.descriptions[scale].of(record)));
    for (int area = 0; area < kAreas; ++area) {
        // The last line of an area heading names the area; a line before it introduces
        // the three areas ("Wynik z 3 obszarów").
        const std::vector<std::string> heading = linesOf(t.areaHeadings[area]);
        for (size_t i = 0; i + 1 < heading.size(); ++i) {
            doc.paragraph(heading[i], FlowStyle::Emphasis);
        }
        if (!heading.empty()) doc.paragraph(heading.back(), FlowStyle::Heading3);
        doc.paragraph(flowingText(t.areaTexts[area]));
        for (const auto which :
             {narrative::kFailLine, narrative::kEmergingLine, narrative::kPassLine}) {
            doc.paragraph(flowingText(narrative::countLine(record, scale, area, which)));
        }
        if (const int unscored = narrative::unscoredCount(record, scale, area); unscored > 0) {
            doc.paragraph(flowingText(narrative::unscoredLine(unscored)));
        }
        doc.paragraph(t.recommendationsHeading);
        const int first = narrative::firstItemOf(scale, area);
        for (int k = first; k < first + narrative::itemCountOf(area); ++k) {
            if (!narrative::listsRecommendation(record, k)) continue;
            for (std::string& paragraph : noteParagraphs(text(record.notes[k]))) {
                doc.paragraph(std::move(paragraph));
            }
        }
    }
    doc.paragraph(flowingText(narrative::comparisonSentence(record, scale)));
}

}  // namespace

std::string flowingText(std::string_view text) {
    std::string out;
    forEachLine(text, [&](std::string_view line) {
        for (char c : trimmed(line)) {
            if (isBlank(c)) c = ' ';
            if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
            out += c;
        }
        if (!out.empty() && out.back() != ' ') out += ' ';
    });
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::vector<std::string> noteParagraphs(std::string_view note) {
    std::vector<std::string> paragraphs;
    std::string current;
    forEachLine(note, [&](std::string_view line) {
        line = trimmed(line);
        if (line.empty()) {
            if (!current.empty()) paragraphs.push_back(std::move(current));
            current.clear();
            return;
        }
        if (!current.empty()) current += ' ';
        current += line;
    });
    if (!current.empty()) paragraphs.push_back(std::move(current));
    return paragraphs;
}

ui::FlowDocument editableReport(const ExamineeRecord& record, const CoverTexts& cover) {
    const ReportTexts& t = narrative::reportTexts();
    FlowDocument doc;
    static const std::string kTitle = cp1250::fromUtf8Lossy("Raport opisowy");
    static const std::string kDash = cp1250::fromUtf8Lossy(" – ");
    doc.title = kTitle;
    if (const std::string name = flowingText(record.fullName()); !name.empty()) {
        doc.title += kDash + name;
    }
    addCover(doc, record, cover, t);
    addPersonalData(doc, record, t);
    addGeneralRemarks(doc, record, t);
    for (int scale = 0; scale < kScales; ++scale) addScale(doc, record, scale, t);
    doc.paragraph(t.signatureLine, FlowStyle::Body, FlowAlign::Right);
    doc.paragraph(flowingText(t.signatureCaption), FlowStyle::Caption, FlowAlign::Right);
    return doc;
}

}  // namespace lun4::reports
