#include "reports/comparison_document.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "reports/comparison_texts.h"
#include "reports/page_label.h"
#include "reports/palette.h"

namespace lun4::reports {
namespace {

using comparison::Group;
using ui::FontId;
using ui::Rect;
using ui::Surface;
namespace text = ui::text;

constexpr ui::Rgb kGrey = rgb(kHeaderGrey);
constexpr ui::Rgb kLightGrey = rgb(kExtraItemNotScoredColour);

constexpr std::string_view kPreviewBackground = "Data\\skala1.bmp";
constexpr std::string_view kTitleStrip = "Data\\opisPor.bmp";
constexpr std::string_view kLogo = "Data\\logo.bmp";

constexpr std::array<std::string_view, kScaleCount> kScaleShortNames = {"UW", "SF", "USC",
                                                                        "AP", "K",  "ZI"};
constexpr std::array<std::string_view, kAreaCount> kAreaShortNames = {"OB", "D", "S/P"};

// Page 1's table: the scale and area columns, three count cells for each assessment and the
// change in passes. Neighbouring boxes overlap by one pixel.
constexpr int kScaleLeft = 40, kAreaLeft = 195, kCountsLeft = 259, kCountWidth = 36;
constexpr int kChangeLeft = kCountsLeft + 6 * kCountWidth;  // 475
constexpr int kTableRight = 536;
constexpr int kHeaderTop = 158, kLettersTop = 180, kBodyTop = 201, kRowPitch = 17;
constexpr int kRowsPerScale = 4;  // OB 1-8, D, S/P, OB 9-12

// Page 1's bars: one pair per scale, levels of three items as on the chart's second page.
constexpr int kPanelLeft = 560, kPanelRight = 984;
constexpr int kBarBase = 396, kSlotPitch = 7, kBarWidth = 27;
constexpr int kLevel = 3 * kSlotPitch;  // three items to a level, eight levels
constexpr int kPairLeft = 600, kPairPitch = 64;
constexpr int kSummaryTop = 468, kSummaryBottom = 656, kSummaryLine = 18;

// The list pages' columns.
constexpr int kNumberLeft = 40, kNameLeft = 79, kPlaceLeft = 659, kEarlierLeft = 779,
              kLaterLeft = 881, kListRight = 984;
constexpr int kListHeaderTop = 116, kListTop = 137, kListPitch = 20;

std::string cp(std::u8string_view utf8) {
    return cp1250::fromLiteral(utf8);
}

struct Texts {
    std::string title = cp(u8"Porównanie wyników badań");
    std::string listTitle = cp(u8"Porównanie wyników badań – zmiany ocen");
    std::string nameMale = cp(u8"Imię i nazwisko badanego:");
    std::string nameFemale = cp(u8"Imię i nazwisko badanej:");
    std::string born = cp(u8"Data urodzenia:");
    std::string earlier = cp(u8"Badanie wcześniejsze:");
    std::string later = cp(u8"Badanie późniejsze:");
    std::string noDate = cp(u8"bez daty");
    std::string earlierColumn = cp(u8"wcześniej");
    std::string laterColumn = cp(u8"później");
    std::string change = cp(u8"Zmiana\nZ");
    std::string extraItems = cp(u8"OB 9–12");
    std::string chartItems = cp(u8"OB 1–8");
    std::string chartTotal = cp(u8"Razem – jak na wykresie");
    std::string allTotal = cp(u8"Razem – 168 pozycji");
    std::string scaleTotal = cp(u8"razem:");
    std::string barsTitle = cp(u8"Słupki skal – liczone jak na wykresie");
    std::string pass = cp(u8"zaliczone");
    std::string emerging = cp(u8"pojawiające się");
    std::string fail = cp(u8"niezaliczone");
    std::string summaryTitle = cp(u8"Podsumowanie");
    std::string number = "Nr";
    std::string item = "Pozycja";
    std::string place = cp(u8"Obszar, skala");
    std::string signature = cp(u8"podpis osoby diagnozującej");
    std::string diagnostician = cp(u8"Osoba diagnozująca:");
    std::array<std::string, kScaleCount> scaleNames;
    Texts() {
        for (int s = 0; s < kScaleCount; ++s) scaleNames[s] = std::string(scaleName(scaleAt(s)));
    }
};

const Texts& texts() {
    static const Texts t;
    return t;
}

void box(Surface& page, Rect r, ui::Rgb fill) {
    page.setFillColour(fill);
    page.box(r);
}

// Every text of the page is one line, broken by the page where it breaks at all, except the
// change column's two-line head: said so, the surface draws it without laying lines out.
void write(Surface& page, FontId font, std::string_view s, Rect r, unsigned flags = text::kLeft) {
    page.setFont(font);
    if (s.find('\n') == std::string_view::npos) flags |= text::kSingleLine;
    page.drawText(s, r, flags);
}

// An examination date as the document names it.
std::string dateOf(const ExamineeRecord& record) {
    const std::string_view date = lun4::text(record.examDate);
    return date.empty() ? texts().noDate : std::string(date);
}

// A score as a coloured cell with its letter; "–" for an item not scored, "?" for a byte no
// score has.
void scoreCell(Surface& page, Rect r, char code) {
    box(page, r, scoreFill(code));
    std::string letter(scoreLetter(code));
    if (letter.empty()) letter = code == kNotScored ? cp1250::fromLiteral(u8"–") : "?";
    page.setTextColour(scoreLetterColour(code));
    write(page, FontId::SummaryLabel, letter, {r.left, r.top + 2, r.right, r.bottom},
          text::kCenter);
    page.setTextColour(ui::kBlack);
}

// The words of a paragraph as a line may break them: a one-letter word ("w", "i", "o") or a
// number stays with the word after it, as Polish typesetting keeps them.
std::vector<std::string> unbreakableRuns(std::string_view paragraph) {
    std::vector<std::string> runs;
    bool glue = false;
    size_t start = 0;
    while (start <= paragraph.size()) {
        size_t end = paragraph.find(' ', start);
        if (end == std::string_view::npos) end = paragraph.size();
        const std::string_view word = paragraph.substr(start, end - start);
        if (glue && !runs.empty()) {
            runs.back() += " " + std::string(word);
        } else {
            runs.emplace_back(word);
        }
        glue = word.size() == 1 ||
               (!word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos);
        start = end + 1;
    }
    return runs;
}

// The longest runs of whole words that fit `width` in `font`. Each run is measured once and
// a line's width taken as the sum of its runs and blanks; a few pixels are kept in hand for
// what the sum leaves out (kerning across a blank).
std::vector<std::string> wrapped(const Surface& page, std::string_view paragraph, FontId font,
                                 int width) {
    const int blank = page.textWidth(" ", font);
    width -= 4;
    std::vector<std::string> lines;
    std::string line;
    int lineWidth = 0;
    for (const std::string& run : unbreakableRuns(paragraph)) {
        const int runWidth = page.textWidth(run, font);
        if (!line.empty() && lineWidth + blank + runWidth > width) {
            lines.push_back(line);
            line.clear();
        }
        lineWidth = line.empty() ? runWidth : lineWidth + blank + runWidth;
        line = line.empty() ? run : line + " " + run;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void beginPage(Surface& page, ui::ImageSource& images, ChartMode mode, int pageNumber,
               int pageCount) {
    page.setBackgroundMode(ui::BackgroundMode::Transparent);
    page.setLineColour(ui::kBlack);
    page.setTextColour(ui::kBlack);
    // On screen the preview background covers the whole frame; paper is plain white, with no
    // frame around the page.
    const ui::ImageHandle background =
        mode == ChartMode::Preview ? images.loadBitmap(kPreviewBackground) : nullptr;
    if (!background || background->width() < ui::kFrameWidth ||
        background->height() < ui::kFrameHeight) {
        page.fill({0, 0, ui::kFrameWidth, ui::kFrameHeight}, ui::kWhite);
    }
    if (mode == ChartMode::Preview) {
        page.drawImage(background, 0, 0);
        page.drawImage(images.loadBitmap(kTitleStrip), 375, 2);
        drawPageLabel(page, pageNumber, pageCount);
    }
}

// Paper only: the page number and, under the last page, the signature; the logo on page 1.
void footer(Surface& page, ui::ImageSource& images, const ExamineeRecord& later, int pageNumber,
            int pageCount) {
    const Texts& t = texts();
    if (pageNumber == 1) page.drawImage(images.loadBitmap(kLogo), 40, 692);
    write(page, FontId::ReportText,
          "Strona " + std::to_string(pageNumber) + " z " + std::to_string(pageCount),
          {40, 748, kListRight, 766}, text::kCenter);
    if (pageNumber != pageCount) return;
    write(page, FontId::SmallHeading, lun4::text(later.diagnosticianName),
          {kPanelLeft, 682, kListRight, 700}, text::kCenter);
    write(page, FontId::ReportBody, std::string(48, '.'), {kPanelLeft, 692, kListRight, 716},
          text::kCenter);
    write(page, FontId::ReportText, t.signature, {kPanelLeft, 716, kListRight, 736}, text::kCenter);
}

// The caption and, a blank after it, the value: one text.
void captioned(Surface& page, FontId font, const std::string& caption, std::string_view value,
               Rect r) {
    write(page, font, caption + " " + std::string(value), r);
}

void personHeader(Surface& page, const ExamineeRecord& later, std::string_view title) {
    const Texts& t = texts();
    write(page, FontId::ReportHeading, title, {40, 60, kListRight, 84});
    captioned(page, FontId::ReportBody, later.gender == kGenderFemale ? t.nameFemale : t.nameMale,
              later.fullName(), {40, 88, 640, 110});
    if (!lun4::text(later.birthDate).empty()) {
        captioned(page, FontId::ReportBody, t.born, lun4::text(later.birthDate),
                  {640, 88, kListRight, 110});
    }
}

// An examination date where a column's head has room for a short one: "03.10.2024" for
// "3 października 2024 r."; a text that is no date gives `otherwise`.
std::string shortDate(const ExamineeRecord& record, const std::string& otherwise) {
    const auto value = examDateValue(lun4::text(record.examDate));
    if (!value) return otherwise;
    char out[16];
    std::snprintf(out, sizeof out, "%02d.%02d.%04d", *value % 100, *value / 100 % 100,
                  *value / 10000);
    return out;
}

// Under the title, per assessment: its date and, when given, who examined.
void assessmentLines(Surface& page, const ExamineeRecord& record, const std::string& caption,
                     int left, int right) {
    captioned(page, FontId::ReportText, caption, dateOf(record), {left, 114, right, 132});
    const std::string_view diagnostician = lun4::text(record.diagnosticianName);
    if (!diagnostician.empty()) {
        captioned(page, FontId::ReportText, texts().diagnostician, diagnostician,
                  {left, 134, right, 152});
    }
}

// The seven numbers of a row: both assessments' pass, emerging and fail counts, and the change
// in passes. The row's cells are drawn by rowGrid.
void countTexts(Surface& page, int top, const CountsPair& pair) {
    const AreaScaleCounts* sides[2] = {&pair.earlier, &pair.later};
    for (int side = 0; side < 2; ++side) {
        const AreaScaleCounts& c = *sides[side];
        const int values[3] = {c.pass, c.emerging, c.fail};
        for (int i = 0; i < 3; ++i) {
            const int l = kCountsLeft + kCountWidth * (3 * side + i);
            write(page, FontId::SummaryText, std::to_string(values[i]),
                  {l, top + 1, l + kCountWidth + 1, top + kRowPitch + 1}, text::kCenter);
        }
    }
    write(page, FontId::SummaryLabel, comparison::signedChange(pair.passChange()),
          {kChangeLeft, top + 1, kTableRight, top + kRowPitch + 1}, text::kCenter);
}

// The cells of `rows` rows from `left` to the table's right edge as one box, its row and
// column lines drawn over it: the same pixels as a box per cell, in far fewer drawing calls.
void rowGrid(Surface& page, int left, int top, int rows, ui::Rgb fill) {
    const int bottom = top + kRowPitch * rows;
    box(page, {left, top, kTableRight, bottom + 1}, fill);
    for (int r = 1; r < rows; ++r) {
        page.line(left, top + kRowPitch * r, kTableRight, top + kRowPitch * r, 1, ui::kBlack);
    }
    for (int x = kCountsLeft; x <= kChangeLeft; x += kCountWidth) {
        if (x > left) page.line(x, top, x, bottom, 1, ui::kBlack);
    }
}

void countsTable(Surface& page, const Comparison& c, const ExamineeRecord& earlier,
                 const ExamineeRecord& later) {
    const Texts& t = texts();
    // Two header rows: the dates over the letters Z, P, N of each assessment.
    box(page, {kScaleLeft, kHeaderTop, kAreaLeft + 1, kBodyTop + 1}, kGrey);
    box(page, {kAreaLeft, kHeaderTop, kCountsLeft + 1, kBodyTop + 1}, kGrey);
    box(page, {kChangeLeft, kHeaderTop, kTableRight, kBodyTop + 1}, kGrey);
    write(page, FontId::SmallHeading, "Skala",
          {kScaleLeft + 5, kHeaderTop + 12, kAreaLeft, kBodyTop});
    write(page, FontId::SmallHeading, "Obszar",
          {kAreaLeft, kHeaderTop + 12, kCountsLeft + 1, kBodyTop}, text::kCenter);
    write(page, FontId::SmallHeading, t.change,
          {kChangeLeft, kHeaderTop + 3, kTableRight, kBodyTop}, text::kCenter);
    const std::string dates[2] = {shortDate(earlier, t.earlierColumn),
                                  shortDate(later, t.laterColumn)};
    static constexpr char kLetters[3] = {kPass, kEmerging, kFail};
    for (int side = 0; side < 2; ++side) {
        const int l = kCountsLeft + 3 * kCountWidth * side;
        box(page, {l, kHeaderTop, l + 3 * kCountWidth + 1, kLettersTop + 1}, kGrey);
        write(page, FontId::SmallHeading, dates[side],
              {l, kHeaderTop + 3, l + 3 * kCountWidth + 1, kLettersTop},
              text::kCenter | text::kSingleLine);
        for (int i = 0; i < 3; ++i) {
            const int cl = l + kCountWidth * i;
            scoreCell(page, {cl, kLettersTop, cl + kCountWidth + 1, kBodyTop + 1}, kLetters[i]);
        }
    }
    // Per scale: the chart's three areas, then items 9-12 of direct observation in grey.
    for (int s = 0; s < kScaleCount; ++s) {
        const ScaleComparison& scale = c.scales[s];
        const int top = kBodyTop + kRowsPerScale * kRowPitch * s;
        const int bottom = top + kRowsPerScale * kRowPitch + 1;
        box(page, {kScaleLeft, top, kAreaLeft + 1, bottom}, ui::kWhite);
        // Broken by the page's own measure, so that paper breaks the name where the screen does.
        int y = top + 2;
        for (const std::string& line :
             wrapped(page, t.scaleNames[s], FontId::SummaryLabel, kAreaLeft - kScaleLeft - 8)) {
            write(page, FontId::SummaryLabel, line, {kScaleLeft + 5, y, kAreaLeft, y + 16},
                  text::kLeft | text::kSingleLine);
            y += 16;
        }
        captioned(page, FontId::SummaryText, t.scaleTotal,
                  comparison::signedChange(scale.all.passChange()),
                  {kScaleLeft + 5, bottom - kRowPitch, kAreaLeft, bottom});
        const std::string_view labels[kRowsPerScale] = {t.chartItems, kAreaShortNames[1],
                                                        kAreaShortNames[2], t.extraItems};
        const CountsPair* rows[kRowsPerScale] = {&scale.areas[0], &scale.areas[1], &scale.areas[2],
                                                 &scale.extraItems};
        // The chart's three rows on white, the fourth on grey.
        rowGrid(page, kAreaLeft, top, kRowsPerScale - 1, ui::kWhite);
        rowGrid(page, kAreaLeft, top + kRowPitch * (kRowsPerScale - 1), 1, kLightGrey);
        for (int r = 0; r < kRowsPerScale; ++r) {
            const int y = top + kRowPitch * r;
            write(page, FontId::SummaryText, labels[r],
                  {kAreaLeft, y + 1, kCountsLeft + 1, y + kRowPitch + 1}, text::kCenter);
            countTexts(page, y, *rows[r]);
        }
    }
    // The totals: as the chart counts, and over every item.
    const int totalsTop = kBodyTop + kRowsPerScale * kRowPitch * kScaleCount + 4;
    const std::string_view labels[2] = {t.chartTotal, t.allTotal};
    const CountsPair* totals[2] = {&c.chartItems, &c.allItems};
    rowGrid(page, kScaleLeft, totalsTop, 2, kGrey);
    for (int r = 0; r < 2; ++r) {
        const int y = totalsTop + kRowPitch * r;
        write(page, FontId::SummaryLabel, labels[r],
              {kScaleLeft + 5, y + 1, kCountsLeft, y + kRowPitch + 1},
              text::kLeft | text::kSingleLine);
        countTexts(page, y, *totals[r]);
    }
}

// One stacked bar: passes at the bottom, then emerging, then failed items, then empty slots,
// each colour as one box; the level lines drawn over the bars mark every three items.
void bar(Surface& page, const ExamineeRecord& record, int s, int left) {
    const auto blocks = scaleBarBlocks(scaleAt(s));
    const std::vector<int> slots = barSlots(record, blocks);
    auto fillOf = [&](int slot) {
        return slot == kEmptySlot ? rgb(kNotScoredColour) : scoreFill(record.scores[slot]);
    };
    const int count = static_cast<int>(slots.size());
    for (int first = 0; first < count;) {
        int end = first + 1;
        while (end < count && fillOf(slots[end]) == fillOf(slots[first])) ++end;
        box(page,
            {left, kBarBase - kSlotPitch * end, left + kBarWidth,
             kBarBase - kSlotPitch * first + 1},
            fillOf(slots[first]));
        first = end;
    }
}

void barsPanel(Surface& page, const ExamineeRecord& earlier, const ExamineeRecord& later) {
    const Texts& t = texts();
    write(page, FontId::SmallHeading, t.barsTitle, {kPanelLeft, 158, kPanelRight, 176});
    const std::string dash = cp(u8" – ");
    write(page, FontId::SummaryText,
          "1" + dash + shortDate(earlier, t.earlierColumn) + ",   2" + dash +
              shortDate(later, t.laterColumn),
          {kPanelLeft, 178, kPanelRight, 196}, text::kLeft | text::kSingleLine);
    const int top = kBarBase - 8 * kLevel;  // the bars' top edge, level 8
    // The level column, 1 to 8.
    for (int n = 1; n <= 8; ++n) {
        const int b = kBarBase - kLevel * (n - 1);
        box(page, {kPanelLeft, b - kLevel, kPanelLeft + 32, b + 1}, kGrey);
        write(page, FontId::ChartLabel, std::to_string(n),
              {kPanelLeft, b - kLevel + 3, kPanelLeft + 32, b}, text::kCenter);
    }
    for (int s = 0; s < kScaleCount; ++s) {
        const int l = kPairLeft + kPairPitch * s;
        const int r = l + 2 * kBarWidth - 1;
        box(page, {l, top - 25, r, top + 1}, kGrey);
        write(page, FontId::ReportHeading, kScaleShortNames[s], {l, top - 23, r, top},
              text::kCenter);
        bar(page, earlier, s, l);
        bar(page, later, s, l + kBarWidth - 1);
        write(page, FontId::SummaryText, "1", {l, kBarBase + 3, l + kBarWidth, kBarBase + 21},
              text::kCenter);
        write(page, FontId::SummaryText, "2", {l + kBarWidth - 1, kBarBase + 3, r, kBarBase + 21},
              text::kCenter);
    }
    // The level lines over each pair: three items to a level.
    for (int s = 0; s < kScaleCount; ++s) {
        const int l = kPairLeft + kPairPitch * s;
        for (int i = 1; i < 8; ++i) {
            page.line(l, kBarBase - kLevel * i, l + 2 * kBarWidth - 1, kBarBase - kLevel * i, 1,
                      ui::kBlack);
        }
    }
    // The colours by name, for a copy in black and white.
    const std::pair<char, const std::string*> legend[3] = {
        {kPass, &t.pass}, {kEmerging, &t.emerging}, {kFail, &t.fail}};
    int x = kPanelLeft;
    for (const auto& [code, name] : legend) {
        scoreCell(page, {x, 422, x + 20, 440}, code);
        write(page, FontId::SummaryText, *name, {x + 26, 423, kPanelRight, 441});
        x += 26 + page.textWidth(*name, FontId::SummaryText) + 18;
    }
}

void summaryParagraph(Surface& page, const Comparison& c, const ExamineeRecord& earlier,
                      const ExamineeRecord& later) {
    write(page, FontId::SmallHeading, texts().summaryTitle, {kPanelLeft, 448, kPanelRight, 466});
    const std::string paragraph = comparison::summary(c, earlier, later);
    int y = kSummaryTop;
    for (const std::string& line :
         wrapped(page, paragraph, FontId::ReportText, kPanelRight - kPanelLeft)) {
        if (y + kSummaryLine > kSummaryBottom) break;
        write(page, FontId::ReportText, line, {kPanelLeft, y, kPanelRight, y + kSummaryLine},
              text::kLeft | text::kSingleLine);
        y += kSummaryLine;
    }
}

void listHeader(Surface& page, const ExamineeRecord& earlier, const ExamineeRecord& later) {
    const Texts& t = texts();
    const int b = kListTop + 1;
    const std::pair<int, int> cells[5] = {{kNumberLeft, kNameLeft + 1},
                                          {kNameLeft, kPlaceLeft + 1},
                                          {kPlaceLeft, kEarlierLeft + 1},
                                          {kEarlierLeft, kLaterLeft + 1},
                                          {kLaterLeft, kListRight}};
    const std::string dates[2] = {shortDate(earlier, t.earlierColumn),
                                  shortDate(later, t.laterColumn)};
    const std::string_view captions[5] = {t.number, t.item, t.place, dates[0], dates[1]};
    for (int i = 0; i < 5; ++i) {
        box(page, {cells[i].first, kListHeaderTop, cells[i].second, b}, kGrey);
        write(page, FontId::SmallHeading, captions[i],
              {cells[i].first + (i == 1 ? 5 : 0), kListHeaderTop + 3, cells[i].second, b},
              (i == 1 ? text::kLeft : text::kCenter) | text::kSingleLine);
    }
}

std::string_view withoutLeadingBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    return s;
}

void listRow(Surface& page, int y, const ComparisonDocument::ListLine& line, int groupCount) {
    const int b = y + kListPitch + 1;
    if (line.heading) {
        box(page, {kNumberLeft, y, kListRight, b}, kGrey);
        write(page, FontId::SummaryLabel,
              comparison::groupHeading(static_cast<Group>(line.group), groupCount, line.continued),
              {kNumberLeft + 5, y + 2, kListRight, b}, text::kLeft | text::kSingleLine);
        return;
    }
    const int k = line.item.item;
    box(page, {kNumberLeft, y, kNameLeft + 1, b}, ui::kWhite);
    write(page, FontId::SummaryText, std::to_string(k), {kNumberLeft, y + 2, kNameLeft + 1, b},
          text::kCenter);
    box(page, {kNameLeft, y, kPlaceLeft + 1, b}, ui::kWhite);
    write(page, FontId::SummaryText, withoutLeadingBlanks(itemName(k)),
          {kNameLeft + 5, y + 2, kPlaceLeft, b}, text::kLeft | text::kSingleLine);
    box(page, {kPlaceLeft, y, kEarlierLeft + 1, b}, ui::kWhite);
    write(page, FontId::SummaryText,
          std::string(kAreaShortNames[indexOf(areaOf(k))]) + ", " +
              std::string(kScaleShortNames[indexOf(scaleOf(k))]),
          {kPlaceLeft, y + 2, kEarlierLeft + 1, b}, text::kCenter);
    scoreCell(page, {kEarlierLeft, y, kLaterLeft + 1, b}, line.item.earlier);
    scoreCell(page, {kLaterLeft, y, kListRight, b}, line.item.later);
}

}  // namespace

ComparisonDocument::ComparisonDocument(const ExamineeRecord& earlier, const ExamineeRecord& later)
    : earlier_(earlier), later_(later), comparison_(compare(earlier, later)) {
    paginate();
}

void ComparisonDocument::paginate() {
    listPages_.clear();
    std::vector<ListLine> page;
    auto newPage = [&] {
        listPages_.push_back(std::move(page));
        page.clear();
    };
    for (int g = 0; g < comparison::kGroupCount; ++g) {
        std::vector<ChangedItem> group;
        for (const ChangedItem& c : comparison_.changes) {
            if (comparison::inGroup(c.change, static_cast<Group>(g))) group.push_back(c);
        }
        if (group.empty()) continue;
        // A heading never ends a page: with no room for an item under it, it starts the next.
        if (static_cast<int>(page.size()) >= kListRows - 1) newPage();
        page.push_back({g, true, false, {}});
        for (const ChangedItem& item : group) {
            if (static_cast<int>(page.size()) == kListRows) {
                newPage();
                page.push_back({g, true, true, {}});
            }
            page.push_back({g, false, false, item});
        }
    }
    if (!page.empty()) newPage();
    pageCount_ = 1 + static_cast<int>(listPages_.size());
}

const std::vector<ComparisonDocument::ListLine>& ComparisonDocument::listPage(
    int pageNumber) const {
    static const std::vector<ListLine> kNone;
    const int index = pageNumber - 2;
    if (index < 0 || index >= static_cast<int>(listPages_.size())) return kNone;
    return listPages_[index];
}

void ComparisonDocument::composePage(Surface& page, ui::ImageSource& images, int pageNumber,
                                     ChartMode mode) const {
    beginPage(page, images, mode, pageNumber, pageCount_);
    const Texts& t = texts();
    if (pageNumber <= 1) {
        personHeader(page, later_, t.title);
        assessmentLines(page, earlier_, t.earlier, 40, kTableRight);
        assessmentLines(page, later_, t.later, kPanelLeft, kListRight);
        countsTable(page, comparison_, earlier_, later_);
        barsPanel(page, earlier_, later_);
        summaryParagraph(page, comparison_, earlier_, later_);
    } else {
        personHeader(page, later_, t.listTitle);
        listHeader(page, earlier_, later_);
        int y = kListTop;
        for (const ListLine& line : listPage(pageNumber)) {
            int groupCount = 0;
            for (const ChangedItem& c : comparison_.changes) {
                groupCount += comparison::inGroup(c.change, static_cast<Group>(line.group)) ? 1 : 0;
            }
            listRow(page, y, line, groupCount);
            y += kListPitch;
        }
    }
    if (mode == ChartMode::Print) footer(page, images, later_, pageNumber, pageCount_);
    page.setBackgroundMode(ui::BackgroundMode::Opaque);
}

}  // namespace lun4::reports
