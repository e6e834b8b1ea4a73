#include "reports/narrative_report.h"

#include <array>
#include <vector>

#include "model/catalogue.h"
#include "model/scoring.h"
#include "reports/narrative_sentences.h"
#include "reports/narrative_texts.h"

namespace lun4::reports {

using narrative::kAreas;
using narrative::kScales;
using narrative::ReportTexts;
using narrative::reportTexts;

namespace {

constexpr ui::Rgb kLabelGrey{217, 217, 217};
constexpr ui::Rect kWholePage{0, 0, ui::kFrameWidth, ui::kFrameHeight};
constexpr ui::Rect kFrame{100, 10, 922, 760};

// The text column of the per-scale pages: every line is drawn at x 115 in a rectangle that
// reaches the frame's right edge and the foot of the page.
constexpr int kTextLeft = 115;
constexpr int kTextRight = 922;
constexpr int kTextBottom = 760;
constexpr int kTextWidth = kTextRight - kTextLeft;
constexpr int kLineHeight = 20;
constexpr int kPageTop = 60;
// A page is full once the line cursor passes this; the print job takes y 60..540 of a page.
constexpr int kPageFull = 520;
// "Wskazania:" is never the last line of a page: below this, after its blank line, it goes
// to the next page with the first recommendation.
constexpr int kLastHeadingLine = 500;
// The heading of the home and school/work areas has a blank line above it, unless it opens
// a page.
// Note lines of this many characters or fewer (a kept carriage return included) are empty
// lines or leftovers and are not printed.
constexpr size_t kShortLine = 3;
constexpr size_t kLineBufferLimit = 399;

// Line n of a text without its line feed, however long.
std::string_view fullLine(int n, std::string_view text) {
    size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const size_t feed = text.find('\n', start);
        if (feed == std::string_view::npos) return {};
        start = feed + 1;
    }
    const size_t feed = text.find('\n', start);
    return text.substr(start,
                       feed == std::string_view::npos ? std::string_view::npos : feed - start);
}

// A line as drawn: the carriage return kept before its line feed draws nothing.
std::string_view withoutReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string_view withoutTrailingBlanks(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

void drawFixedText(ui::Surface& page, ui::FontId font, std::string_view text, ui::Rect rect,
                   unsigned flags) {
    page.setFont(font);
    page.drawText(text, rect, flags);
}

void whiteBox(ui::Surface& page, ui::Rect rect) {
    page.setFillColour(ui::kWhite);
    page.box(rect);
}

void greyBox(ui::Surface& page, ui::Rect rect) {
    page.setFillColour(kLabelGrey);
    page.box(rect);
    page.setFillColour(ui::kWhite);
}

// ---------------------------------------------------------------------------------------
// Pages 1 to 3.

void composeCover(ui::Surface& page, ui::ImageSource& images, const ExamineeRecord& record,
                  const CoverTexts& cover, const ReportTexts& t) {
    using namespace ui::text;
    page.drawImage(images.loadBitmap("Data\\logo.bmp"), 100, 50);
    // A line of the body font tall, where report box B lies over the preview.
    drawFixedText(page, ui::FontId::ReportBody, cover.placeAndDate, {650, 92, 910, 112}, kRight);
    drawFixedText(page, ui::FontId::ReportBody, t.dateLine, {100, 100, 924, 600}, kRight);
    drawFixedText(page, ui::FontId::ReportText, t.dateCaption, {100, 120, 924, 600}, kRight);
    drawFixedText(page, ui::FontId::ReportEmphasis, t.coverHeading, {100, 160, 924, 600}, kCenter);
    whiteBox(page, {260, 225, 780, 291});
    // The institution's name wraps as report box A, which lies over this frame, shows it: what
    // the user typed there is what the page prints, inside the frame.
    drawFixedText(page, ui::FontId::ReportBody, cover.institution, {280, 228, 750, 291},
                  kCenter | kWordBreak);
    drawFixedText(page, ui::FontId::ReportText, t.institutionCaption, {100, 298, 924, 600},
                  kCenter);
    drawFixedText(page, ui::FontId::ReportBody, narrative::diagnosticianLine(record),
                  {100, 348, 924, 600}, kLeft);
    // A name that brings its own degree stands where the cover's "mgr" would.
    const int nameLeft = narrative::beginsWithDegree(text(record.diagnosticianName)) ? 100 : 150;
    drawFixedText(page, ui::FontId::ReportBody, text(record.diagnosticianName),
                  {nameLeft, 345, 924, 600}, kLeft);
    drawFixedText(page, ui::FontId::ReportText, t.diagnosticianCaption, {100, 363, 924, 600},
                  kLeft);
    drawFixedText(page, ui::FontId::ReportBody, t.permitLine, {100, 388, 924, 600}, kLeft);
    drawFixedText(page, ui::FontId::ReportBody, text(record.diagnosticianPermitNo),
                  {400, 385, 924, 600}, kLeft);
    drawFixedText(page, ui::FontId::ReportText, t.permitCaption, {100, 402, 924, 600}, kLeft);
}

struct DataRow {
    ui::Rect labelCell;
    ui::Rect labelText;
    ui::Rect valueCell;
    ui::Rect valueText;
};

// In the order of ReportTexts::dataLabels. The label columns are 175 pixels wide, so that the
// widest label line ("uczęszcza badana", "(data urodzenia)") fits in the bold font.
constexpr DataRow kDataRows[9] = {
    {{100, 100, 275, 140}, {100, 110, 275, 140}, {274, 100, 501, 140}, {274, 115, 501, 140}},
    {{500, 100, 675, 140}, {500, 110, 675, 140}, {674, 100, 924, 140}, {674, 115, 924, 140}},
    {{100, 139, 275, 219}, {100, 156, 275, 219}, {274, 139, 501, 219}, {284, 149, 501, 219}},
    {{500, 139, 675, 219}, {500, 169, 675, 219}, {674, 139, 924, 219}, {684, 149, 924, 219}},
    {{100, 218, 275, 298}, {100, 228, 275, 298}, {274, 218, 501, 298}, {284, 228, 501, 298}},
    {{500, 218, 675, 298}, {500, 238, 675, 298}, {674, 218, 924, 298}, {684, 228, 924, 298}},
    {{100, 297, 275, 357}, {100, 307, 275, 357}, {274, 297, 924, 357}, {284, 302, 924, 357}},
    {{100, 356, 275, 417}, {100, 368, 275, 417}, {274, 356, 924, 417}, {284, 361, 924, 417}},
    {{100, 415, 275, 497}, {100, 427, 275, 497}, {274, 415, 924, 497}, {274, 435, 924, 497}},
};

void composePersonalData(ui::Surface& page, const ExamineeRecord& record, const ReportTexts& t) {
    using namespace ui::text;
    whiteBox(page, {100, 100, 924, 457});
    const std::string values[8] = {
        record.fullName(),
        std::string(text(record.birthDate)),
        std::string(text(record.homeAddress)),
        std::string(text(record.phoneContacts)),
        std::string(text(record.facilityAddress)),
        std::string(text(record.siblings)),
        std::string(text(record.guardians)),
        std::string(text(record.additionalInfo)),
    };
    for (int row = 0; row < 9; ++row) {
        const DataRow& cells = kDataRows[row];
        greyBox(page, cells.labelCell);
        drawFixedText(page, ui::FontId::ReportEmphasis, t.dataLabels[row].of(record),
                      cells.labelText, kCenter);
        whiteBox(page, cells.valueCell);
        if (row == 8) {
            drawFixedText(page, ui::FontId::ReportEmphasis, t.examinationKind, cells.valueText,
                          kCenter);
        } else {
            // Addresses and notes typed in the data form's wide boxes wrap inside their cell
            // instead of running out of it.
            drawFixedText(page, ui::FontId::ReportSmallBold, values[row], cells.valueText,
                          row < 2 ? kCenter : kLeft | kWordBreak);
        }
    }
}

void composeGeneralRemarks(ui::Surface& page, const ExamineeRecord& record, const ReportTexts& t) {
    using namespace ui::text;
    constexpr ui::Rect kHeadingCells[3] = {
        {100, 50, 374, 110}, {373, 50, 648, 110}, {647, 50, 922, 110}};
    constexpr ui::Rect kHeadingTexts[3] = {
        {100, 60, 374, 110}, {373, 60, 648, 110}, {647, 60, 922, 110}};
    constexpr ui::Rect kListCells[3] = {
        {100, 109, 374, 239}, {373, 109, 648, 239}, {647, 109, 922, 239}};
    // The six lines of each list need 120 pixels from y 114: they may reach the cell's foot
    // (238) rather than stop at 229 with the last line cut through.
    constexpr ui::Rect kListTexts[3] = {
        {115, 114, 369, 238}, {388, 114, 643, 238}, {662, 114, 917, 238}};
    for (int i = 0; i < 3; ++i) {
        greyBox(page, kHeadingCells[i]);
        drawFixedText(page, ui::FontId::ReportEmphasis, t.areaColumnHeadings[i], kHeadingTexts[i],
                      kCenter);
    }
    for (int i = 0; i < 3; ++i) {
        whiteBox(page, kListCells[i]);
        drawFixedText(page, ui::FontId::ReportBody, t.sphereList, kListTexts[i], kLeft);
    }
    greyBox(page, {100, 238, 922, 263});
    drawFixedText(page, ui::FontId::ReportEmphasis, t.remarksHeading, {100, 241, 922, 263},
                  kCenter);
    // The remarks box runs past the foot of the page, as it always has.
    whiteBox(page, {100, 262, 922, 1062});
    const auto left = [&](int x, int y, const std::string& line) {
        drawFixedText(page, ui::FontId::ReportBody, line, {x, y, 922, 1062}, kLeft);
    };
    left(115, 264, narrative::subjectedSentence(record));
    left(115, 284, narrative::preparedBySentence(record));
    left(115, 324, narrative::assessedSentence(record));
    left(115, 364, t.spheresAssessed);
    drawFixedText(page, ui::FontId::ReportEmphasis, t.resultsHeading.of(record),
                  {115, 452, 922, 1062}, kCenter);
}

// ---------------------------------------------------------------------------------------
// Pages 4 and up: one section per function scale, flowing over as many pages as it needs.

enum class Step {
    Title,
    Description,
    AreaHeading,
    AreaText,
    FailLine,
    EmergingLine,
    PassLine,
    UnscoredLine,
    RecommendationsHeading,
    Recommendations,
    Comparison,
    EndOfScale,
};

// Widths of note lines in the body font, each measured once while the page's metrics stay
// the same.
class NoteLineWidths {
  public:
    using Cache = std::unordered_map<std::string, int, TextHash, std::equal_to<>>;
    NoteLineWidths(const ui::Surface& page, Cache& cache) : page_(page), cache_(cache) {}

    int operator()(std::string_view line) {
        if (const auto found = cache_.find(line); found != cache_.end()) return found->second;
        // Edited notes leave old lines behind; a long session must not keep them all.
        if (cache_.size() >= kMostKept) cache_.clear();
        const int width = page_.textWidth(line, ui::FontId::ReportBody);
        cache_.emplace(line, width);
        return width;
    }

  private:
    static constexpr size_t kMostKept = 20000;
    const ui::Surface& page_;
    Cache& cache_;
};

// Lays the sections out page after page. Every page before the one asked for is laid out
// with the same steps but not drawn; the page asked for starts white, so what it shows is
// exactly what drawing every page before it would leave.
class SectionFlow {
  public:
    SectionFlow(ui::Surface& page, const ExamineeRecord& record, const ReportTexts& texts,
                NoteLineWidths widths)
        : page_(page), record_(record), t_(texts), widths_(widths) {}

    // Lays the sections out to the end of the report, drawing page `target` on the way (if
    // the report has it). Returns the total page count.
    int run(int target);

  private:
    void startPage(bool draw);
    void runSteps();
    void advance(Step next) {
        step_ = next;
        line_ = 0;
    }

    // One line at the cursor, then the cursor moves down a line.
    void drawLine(std::string_view line, ui::FontId font);
    // The lines of a fixed text from the saved line on. True once its last line is drawn;
    // false when the page filled up before.
    bool drawTextLines(std::string_view text, ui::FontId font);
    void drawCountLine(int which);
    void drawRecommendations();
    // Moves to the next item of the area's list that prints a recommendation.
    void nextListedItem();
    // Whether line `from` or a later line of the current note prints anything.
    bool notePrintsFrom(int from, std::string_view note) const;
    // Displayed pieces of a note line: the line itself, or, when it is wider than the text
    // column, the line wrapped at blanks.
    void wrap(std::string_view line, std::vector<std::string_view>& pieces);

    ui::Surface& page_;
    const ExamineeRecord& record_;
    const ReportTexts& t_;
    NoteLineWidths widths_;
    bool drawing_ = false;

    // Layout state, carried from one page to the next.
    int pageCounter_ = 3;
    int y_ = kPageTop;
    int scale_ = 0;
    Step step_ = Step::Title;
    int area_ = 0;
    int line_ = 0;
    int piece_ = 0;  // displayed piece of a wrapped note line
    int item_ = 0;
    int itemsLeft_ = 0;
    bool pageFull_ = false;
    bool noteDrewLine_ = false;

    std::vector<std::string_view> pieces_;
};

int SectionFlow::run(int target) {
    for (;;) {
        startPage(pageCounter_ + 1 == target);
        runSteps();
        ++pageCounter_;
        if (scale_ >= kScales) return pageCounter_;
    }
}

void SectionFlow::startPage(bool draw) {
    drawing_ = draw;
    if (drawing_) {
        page_.fill(kWholePage, ui::kWhite);
        whiteBox(page_, kFrame);
    }
    y_ = kPageTop;
    pageFull_ = false;
}

void SectionFlow::drawLine(std::string_view line, ui::FontId font) {
    if (drawing_) {
        page_.setFont(font);
        page_.drawText(withoutReturn(line), {kTextLeft, y_, kTextRight, kTextBottom},
                       ui::text::kLeft);
    }
    y_ += kLineHeight;
}

bool SectionFlow::drawTextLines(std::string_view text, ui::FontId font) {
    const int lines = countLineFeeds(text) + 1;
    while (line_ < lines) {
        drawLine(fullLine(line_, text), font);
        ++line_;
        if (y_ > kPageFull) {
            pageFull_ = true;
            break;
        }
    }
    return line_ >= lines;
}

void SectionFlow::drawCountLine(int which) {
    drawLine(narrative::countLine(record_, scale_, area_, static_cast<narrative::CountLine>(which)),
             ui::FontId::ReportBody);
    if (y_ > kPageFull) pageFull_ = true;
}

bool SectionFlow::notePrintsFrom(int from, std::string_view note) const {
    const int lines = countLineFeeds(note) + 1;
    for (int n = from; n < lines; ++n) {
        if (fullLine(n, note).size() > kShortLine) return true;
    }
    return false;
}

void SectionFlow::nextListedItem() {
    // A note that prints nothing (empty, or only short lines) is passed over like an item
    // that is not listed, so that no blank line is left for it.
    while (itemsLeft_ > 0 && (!narrative::listsRecommendation(record_, item_) ||
                              !notePrintsFrom(0, text(record_.notes[item_])))) {
        ++item_;
        --itemsLeft_;
    }
}

void SectionFlow::wrap(std::string_view line, std::vector<std::string_view>& pieces) {
    pieces.clear();
    line = withoutReturn(line);
    const auto fits = [&](std::string_view s) {
        return widths_(withoutTrailingBlanks(s)) <= kTextWidth;
    };
    while (!line.empty()) {
        if (fits(line)) {
            pieces.push_back(line);
            return;
        }
        // The longest run of whole words that fits; the blank it breaks at is not drawn.
        size_t cut = std::string_view::npos;
        for (size_t blank = line.find(' '); blank != std::string_view::npos;
             blank = line.find(' ', blank + 1)) {
            if (blank == 0) continue;
            if (!fits(line.substr(0, blank))) break;
            cut = blank;
        }
        if (cut == std::string_view::npos) {
            // One word wider than the column: as many of its characters as fit.
            size_t low = 1;
            size_t high = line.find(' ', 1);
            if (high == std::string_view::npos) high = line.size();
            while (low < high) {
                const size_t mid = (low + high + 1) / 2;
                if (fits(line.substr(0, mid))) {
                    low = mid;
                } else {
                    high = mid - 1;
                }
            }
            pieces.push_back(line.substr(0, low));
            line.remove_prefix(low);
        } else {
            pieces.push_back(line.substr(0, cut));
            line.remove_prefix(cut + 1);
        }
    }
}

void SectionFlow::drawRecommendations() {
    nextListedItem();
    while (itemsLeft_ > 0) {
        const std::string_view note = text(record_.notes[item_]);
        const int lines = countLineFeeds(note) + 1;
        while (line_ < lines) {
            const std::string_view line = fullLine(line_, note);
            if (line.size() > kShortLine) {
                wrap(line, pieces_);
                const int pieces = static_cast<int>(pieces_.size());
                // Pieces of one wrapped line count as lines of their own: each moves the
                // cursor down and may fill the page.
                while (piece_ < pieces) {
                    drawLine(pieces_[piece_], ui::FontId::ReportBody);
                    noteDrewLine_ = true;
                    ++piece_;
                    if (piece_ < pieces && y_ >= kPageFull) {
                        pageFull_ = true;
                        return;
                    }
                }
                piece_ = 0;
            }
            ++line_;
            if (y_ >= kPageFull) {
                pageFull_ = true;
                break;
            }
        }
        // Lines left that print nothing (empty lines at the note's end) do not carry the
        // note onto the next page: it is done here, and the blank line after it goes nowhere.
        const bool done = line_ >= lines || !notePrintsFrom(line_, note);
        if (!done) return;
        ++item_;
        --itemsLeft_;
        nextListedItem();
        // The note is done: a blank line before the next listed note, unless the page ended.
        if (noteDrewLine_ && itemsLeft_ > 0 && !pageFull_) y_ += kLineHeight;
        line_ = 0;
        noteDrewLine_ = false;
        if (pageFull_) return;
    }
}

void SectionFlow::runSteps() {
    while (!pageFull_ && scale_ < kScales) {
        switch (step_) {
            case Step::Title:
                if (y_ + kLineHeight > kPageFull) {
                    pageFull_ = true;
                    break;
                }
                if (drawing_) {
                    page_.setFont(ui::FontId::ReportTitle);
                    page_.drawText(t_.sectionTitles[scale_],
                                   {kTextLeft, y_, kTextRight, y_ + kLineHeight}, ui::text::kLeft);
                }
                y_ += 2 * kLineHeight;
                area_ = 0;
                advance(Step::Description);
                if (y_ + kLineHeight > kPageFull) pageFull_ = true;
                break;
            case Step::Description:
                if (y_ > kPageFull) {
                    pageFull_ = true;
                    break;
                }
                if (drawTextLines(t_.descriptions[scale_].of(record_), ui::FontId::ReportBody)) {
                    y_ += kLineHeight;
                    advance(Step::AreaHeading);
                }
                break;
            case Step::AreaHeading:
                if (area_ > 0 && line_ == 0 && y_ > kPageTop) y_ += kLineHeight;
                if (y_ >= kPageFull) {
                    pageFull_ = true;
                    break;
                }
                if (drawTextLines(t_.areaHeadings[area_], ui::FontId::ReportTitle)) {
                    advance(Step::AreaText);
                }
                break;
            case Step::AreaText:
                if (y_ > kPageFull) {
                    pageFull_ = true;
                    break;
                }
                if (drawTextLines(t_.areaTexts[area_], ui::FontId::ReportBody)) {
                    y_ += kLineHeight;
                    advance(Step::FailLine);
                }
                break;
            case Step::UnscoredLine: {
                const int unscored = narrative::unscoredCount(record_, scale_, area_);
                if (unscored == 0) {
                    advance(Step::RecommendationsHeading);
                    break;
                }
                if (y_ > kPageFull) {
                    pageFull_ = true;
                    break;
                }
                drawLine(narrative::unscoredLine(unscored), ui::FontId::ReportBody);
                if (y_ > kPageFull) pageFull_ = true;
                advance(Step::RecommendationsHeading);
                break;
            }
            case Step::FailLine:
            case Step::EmergingLine:
            case Step::PassLine: {
                if (y_ > kPageFull) {
                    pageFull_ = true;
                    break;
                }
                const int which = static_cast<int>(step_) - static_cast<int>(Step::FailLine);
                drawCountLine(which);
                advance(static_cast<Step>(static_cast<int>(step_) + 1));
                break;
            }
            case Step::RecommendationsHeading:
                // A blank line, then "Wskazania:" with room for a recommendation after it; when
                // the page ends after the blank line, the next page starts with the heading at
                // its top, as it does when the page ended before it (line_ marks the blank line
                // as done; a page never starts with one).
                if (line_ == 0) {
                    line_ = 1;
                    if (y_ > kPageTop) {
                        y_ += kLineHeight;
                        if (y_ > kLastHeadingLine) {
                            pageFull_ = true;
                            break;
                        }
                    }
                }
                drawLine(t_.recommendationsHeading, ui::FontId::ReportBody);
                item_ = narrative::firstItemOf(scale_, area_);
                itemsLeft_ = narrative::itemCountOf(area_);
                piece_ = 0;
                noteDrewLine_ = false;
                advance(Step::Recommendations);
                if (y_ > kPageFull) pageFull_ = true;
                break;
            case Step::Recommendations:
                drawRecommendations();
                if (itemsLeft_ > 0) break;
                if (area_ < kAreas - 1) {
                    ++area_;
                    advance(Step::AreaHeading);
                } else {
                    advance(Step::Comparison);
                }
                break;
            case Step::Comparison:
                if (drawTextLines(narrative::comparisonSentence(record_, scale_),
                                  ui::FontId::ReportBody)) {
                    y_ += kLineHeight;
                    advance(Step::EndOfScale);
                    // The report ends with the last scale's comparison: no page is started
                    // for the blank lines after it.
                    if (scale_ == kScales - 1) scale_ = kScales;
                }
                break;
            case Step::EndOfScale:
                // When the page ends here, the next page adds the blank line again, so the
                // next title starts there at y 80.
                y_ += kLineHeight;
                if (y_ > kPageFull) {
                    pageFull_ = true;
                    break;
                }
                ++scale_;
                advance(Step::Title);
                break;
        }
    }
}

}  // namespace

void NarrativeReport::composePage(ui::Surface& page, ui::ImageSource& images,
                                  const ExamineeRecord& record, const CoverTexts& cover,
                                  int pageNumber) {
    const ReportTexts& t = reportTexts();
    page.setBackgroundMode(ui::BackgroundMode::Transparent);
    page.setTextColour(ui::kBlack);
    page.setLineColour(ui::kBlack);
    page.setFillColour(ui::kWhite);
    page.setFont(ui::FontId::ReportBody);

    if (pageNumber <= 3) {
        page.fill(kWholePage, ui::kWhite);
        if (pageNumber == 1) composeCover(page, images, record, cover, t);
        if (pageNumber == 2) composePersonalData(page, record, t);
        if (pageNumber == 3) composeGeneralRemarks(page, record, t);
    }
    // Any change of the page's metrics changes this width.
    const int probe = page.textWidth(t.widthProbe, ui::FontId::ReportBody);
    if (probe != widthProbe_) {
        noteLineWidths_.clear();
        widthProbe_ = probe;
    }
    // The whole report is laid out on every call: the page count is always the record's own,
    // however long the report.
    SectionFlow flow(page, record, t, NoteLineWidths(page, noteLineWidths_));
    pageCount_ = flow.run(pageNumber);
    if (pageNumber > pageCount_) {
        page.fill(kWholePage, ui::kWhite);
        whiteBox(page, kFrame);
    }
}

void NarrativeReport::drawSignatureBlock(ui::Surface& page) {
    const ReportTexts& t = reportTexts();
    page.setFillColour(ui::kWhite);
    page.setLineColour(ui::kBlack);
    page.box(kFrame);
    page.setFont(ui::FontId::ReportBody);
    page.setBackgroundMode(ui::BackgroundMode::Transparent);
    page.setTextColour(ui::kBlack);
    page.drawText(t.signatureLine, {600, 720, 900, 760}, ui::text::kCenter);
    page.drawText(t.signatureCaption, {600, 740, 900, 760}, ui::text::kCenter);
}

int countLineFeeds(std::string_view text) {
    int feeds = 0;
    for (char c : text) {
        if (c == '\n') ++feeds;
    }
    return feeds;
}

std::string lineOf(int n, std::string_view text) {
    if (n < 0) return {};
    const std::string_view line = fullLine(n, text);
    return std::string(line.substr(0, kLineBufferLimit));
}

}  // namespace lun4::reports
