// The summary form's seven sheets as drawn: which sheet lands in which page buffer, every row's
// three cells, the bands of the sheet table, item 36's two lines, the cut lines and the
// signature block of both variants.

#include "reports/summary_form.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "polish_text.h"
#include "recorded_calls.h"
#include "native_surface.h"
#include "ui/recording_surface.h"

namespace lun4::reports {
namespace {

using testing::boxesAt;
using testing::copiedPage;
using testing::cp;
using testing::ofKind;
using testing::textAt;
using testing::textsAt;
using testing::topLeft;
using ui::DrawCall;
using ui::Rect;
using ui::Rgb;

constexpr Rgb kGrey{217, 217, 217};
constexpr Rgb kGreen{55, 181, 55};
constexpr Rgb kYellow{255, 255, 30};
constexpr Rgb kRedFill{255, 10, 10};

// Back buffer 0 drops what a later clear hides, as a page recorded for printing does, so
// that each page buffer's copy holds exactly one sheet.
struct Buffers {
    ui::RecordingSurface back0{"back0"}, back1{"back1"}, back2{"back2"};
    ui::FakeImageSource images;
    Buffers() { back0.setDropsHiddenCalls(true); }
    PageBuffers buffers() { return {back0, back1, back2}; }
};

// The seven sheets of a record in one variant, by sheet number.
std::map<int, std::vector<DrawCall>> allSheets(const ExamineeRecord& record, SummaryVariant v) {
    std::map<int, std::vector<DrawCall>> sheets;
    for (int part = 1; part <= 4; ++part) {
        Buffers b;
        composeSummaryForm(part, v, b.buffers(), b.images, record);
        sheets[2 * part - 1] = copiedPage(b.back1);
        if (part < 4) sheets[2 * part] = copiedPage(b.back2);
    }
    return sheets;
}

// Index of the text call showing this item number in the number column.
int numberTextIndex(const std::vector<DrawCall>& calls, int item) {
    for (size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].kind == DrawCall::Text && calls[i].rect.left == 105 &&
            calls[i].rect.right == 140 && calls[i].name == std::to_string(item))
            return int(i);
    }
    return -1;
}

char patternScore(int k) {
    static const char codes[4] = {'b', 'g', 'y', 'r'};
    return codes[k % 4];
}

Rgb patternFill(int k) {
    const Rgb fills[4] = {ui::kWhite, kGreen, kYellow, kRedFill};
    return fills[k % 4];
}

TEST(SummaryForm, EveryRowOfPartOneHasItsNumberNameAndScoreCell) {
    auto record = std::make_unique<ExamineeRecord>();
    for (int k = 1; k <= 168; ++k) record->scores[k] = patternScore(k);
    for (SummaryVariant v : {SummaryVariant::Screen, SummaryVariant::Print}) {
        const bool print = v == SummaryVariant::Print;
        const int p = print ? 22 : 17;
        const auto itemFont = print ? ui::FontId::ReportBody : ui::FontId::SummaryText;
        Buffers b;
        composeSummaryForm(1, v, b.buffers(), b.images, *record);
        const auto sheet1 = copiedPage(b.back1);
        for (int k = 1; k <= 24; ++k) {
            SCOPED_TRACE("item " + std::to_string(k) + (print ? " print" : " screen"));
            const int r0 = k <= 12 ? (print ? 184 : 176) : (print ? 470 : 397);
            const int y = r0 + p * ((k - 1) % 12);
            const bool extra = (k - 1) % 12 >= 8;
            const Rgb fill = extra ? kGrey : ui::kWhite;
            const int at = numberTextIndex(sheet1, k);
            ASSERT_GT(at, 0);
            ASSERT_LT(at + 3, int(sheet1.size()));
            // Number cell, number, name cell, name, score cell, in this order.
            const DrawCall& numberBox = sheet1[at - 1];
            EXPECT_EQ(numberBox.kind, DrawCall::Box);
            EXPECT_EQ(numberBox.rect, (Rect{100, y, 140, y + p + 1}));
            EXPECT_EQ(numberBox.colour, fill);
            EXPECT_EQ(sheet1[at].rect, (Rect{105, y + 2, 140, y + p + 1}));
            EXPECT_EQ(sheet1[at].font, itemFont);
            const DrawCall& nameBox = sheet1[at + 1];
            EXPECT_EQ(nameBox.kind, DrawCall::Box);
            // On sheet 1 the grey name cells reach under the remarks column.
            EXPECT_EQ(nameBox.rect, (Rect{139, y, extra ? 691 : 641, y + p + 1}));
            EXPECT_EQ(nameBox.colour, fill);
            const DrawCall& name = sheet1[at + 2];
            EXPECT_EQ(name.kind, DrawCall::Text);
            EXPECT_EQ(name.name, itemName(k));
            EXPECT_EQ(name.rect, (Rect{k <= 12 ? 149 : 144, y + 2, 641, y + p + 1}));
            EXPECT_EQ(name.font, itemFont);
            EXPECT_EQ(name.flags, ui::text::kLeft);
            const DrawCall& score = sheet1[at + 3];
            EXPECT_EQ(score.kind, DrawCall::Box);
            EXPECT_EQ(score.rect, (Rect{640, y, 700, y + p + 1}));
            EXPECT_EQ(score.colour, patternFill(k));
            EXPECT_EQ(score.outline, ui::kBlack);
        }
    }
}

TEST(SummaryForm, LaterSheetsGreyOnlyTheDirectObservationExtrasAndColourEveryScoreCell) {
    auto record = std::make_unique<ExamineeRecord>();
    for (int k = 1; k <= 168; ++k) record->scores[k] = patternScore(k);
    record->scores[150] = 'q';  // a byte no program writes: grey, as on the chart
    const auto sheets = allSheets(*record, SummaryVariant::Print);
    int rows = 0;
    for (const auto& [sheet, calls] : sheets) {
        for (int k = 1; k <= 168; ++k) {
            const int at = numberTextIndex(calls, k);
            if (at < 0) continue;
            ++rows;
            SCOPED_TRACE("item " + std::to_string(k));
            const bool extra = k <= 72 && (k - 1) % 12 >= 8;
            EXPECT_EQ(calls[at - 1].colour, extra ? kGrey : ui::kWhite);
            EXPECT_EQ(calls[at + 1].colour, extra ? kGrey : ui::kWhite);
            if (sheet > 1) {
                EXPECT_EQ(calls[at + 1].rect.right, 641);
            }
            // Items 36 and 149 are broken onto two lines at a blank.
            std::string name = calls[at + 2].name;
            if (k == 36 || k == 149) {
                ASSERT_NE(name.find('\n'), std::string::npos);
                name[name.find('\n')] = ' ';
            }
            EXPECT_EQ(name, std::string(itemName(k)));
            const Rgb score = k == 150 ? Rgb{180, 180, 180} : patternFill(k);
            EXPECT_EQ(calls[at + 3].colour, score);
            // The score's letter on its cell, readable without colour: Z, P, N; nothing for an
            // unscored item or an unknown byte.
            const char code = record->scores[k];
            const std::map<char, std::pair<std::string, Rgb>> letters = {
                {kPass, {"Z", ui::kBlack}},
                {kEmerging, {"P", ui::kBlack}},
                {kFail, {"N", ui::kWhite}},
            };
            const bool lettered = letters.count(code) == 1;
            const bool next = at + 4 < int(calls.size()) && calls[at + 4].kind == DrawCall::Text &&
                              calls[at + 4].rect.left == 640;
            ASSERT_EQ(next, lettered);
            if (lettered) {
                const DrawCall& letter = calls[at + 4];
                EXPECT_EQ(letter.name, letters.at(code).first);
                EXPECT_EQ(letter.colour, letters.at(code).second);
                EXPECT_EQ(letter.rect, (Rect{640, calls[at].rect.top, 700, calls[at + 3].rect.bottom}));
                EXPECT_EQ(letter.flags, ui::text::kCenter);
            }
        }
    }
    EXPECT_EQ(rows, 168);
}

struct SheetPlan {
    std::vector<int> bands;       // tops of the grey bands across the table, in order
    std::vector<int> firstItems;  // first item of each block
    std::vector<int> rowTops;     // first row of each block
};

TEST(SummaryForm, SheetsFollowTheSheetTableInBothVariants) {
    const auto record = std::make_unique<ExamineeRecord>();
    const std::map<int, SheetPlan> print = {
        {1, {{143, 164, 448}, {1, 13}, {184, 470}}},
        {2, {{100, 407}, {25, 37}, {121, 428}}},
        {3, {{100, 385}, {49, 61}, {121, 406}}},
        {4, {{100, 121, 318, 515}, {73, 81, 89}, {142, 339, 536}}},
        {5, {{100, 297, 494}, {97, 105, 113}, {121, 318, 515}}},
        {6, {{100, 121, 318, 515}, {121, 129, 137}, {142, 339, 536}}},
        // Item 149 takes two rows: the blocks after it start a row lower.
        {7, {{20, 239, 436}, {145, 153, 161}, {41, 260, 457}}},
    };
    const std::map<int, SheetPlan> screen = {
        {1, {{143, 160, 380}, {1, 13}, {176, 397}}},
        {2, {{100, 337}, {25, 37}, {116, 353}}},
        {3, {{100, 320}, {49, 61}, {116, 336}}},
        {4, {{100, 116, 268, 420}, {73, 81, 89}, {132, 284, 436}}},
        {5, {{100, 252, 404}, {97, 105, 113}, {116, 268, 420}}},
        {6, {{100, 116, 268, 420}, {121, 129, 137}, {132, 284, 436}}},
        {7, {{20, 189, 341}, {145, 153, 161}, {36, 205, 357}}},
    };
    const char* scaleLabels[6] = {"Umiejętności wykonawcze",
                                  "Samodzielne funkcjonowanie",
                                  "Umiejętności spędzania wolnego czasu",
                                  "Adaptacja do pracy",
                                  "Komunikatywność",
                                  "Zachowanie interpersonalne"};
    for (SummaryVariant v : {SummaryVariant::Print, SummaryVariant::Screen}) {
        const bool isPrint = v == SummaryVariant::Print;
        const auto& plans = isPrint ? print : screen;
        const int p = isPrint ? 22 : 17;
        const auto sheets = allSheets(*record, v);
        for (const auto& [sheet, plan] : plans) {
            SCOPED_TRACE("sheet " + std::to_string(sheet) + (isPrint ? " print" : " screen"));
            const auto& calls = sheets.at(sheet);
            std::vector<int> bands;
            for (const auto& c : calls) {
                if (c.kind == DrawCall::Box && c.rect.left == 100 && c.rect.right == 924 &&
                    c.colour == kGrey)
                    bands.push_back(c.rect.top);
            }
            EXPECT_EQ(bands, plan.bands);
            if (sheet > 1) {
                // Bands of sheets 2 to 7 are p high.
                for (int top : plan.bands)
                    EXPECT_EQ(boxesAt(calls, {100, top, 924, top + p}).size(), 1u) << top;
            }
            for (size_t i = 0; i < plan.firstItems.size(); ++i) {
                const int k0 = plan.firstItems[i];
                const int at = numberTextIndex(calls, k0);
                ASSERT_GT(at, 0) << k0;
                EXPECT_EQ(calls[at - 1].rect.top, plan.rowTops[i]) << k0;
                // Remarks column beside the block (sheet 1 has its own two, below).
                if (sheet > 1) {
                    const int n = k0 <= 72 ? 12 : 8;
                    const int end =
                        plan.rowTops[i] + p * n + 1 + (k0 == 25 || k0 == 145 ? p : 0);
                    EXPECT_EQ(testing::boxAt(calls, {699, plan.rowTops[i], 924, end}).colour,
                              ui::kWhite);
                }
                // The scale's label in its band (sheet 1's own text boxes are tested below).
                if (sheet == 1) continue;
                const int band = plan.bands[plan.bands.size() - plan.firstItems.size() + i];
                const DrawCall label = textAt(calls, {105, band + 2, 924, band + p + 1});
                EXPECT_EQ(label.font,
                          isPrint ? ui::FontId::ReportEmphasis : ui::FontId::SummaryLabel);
                EXPECT_EQ(cp1250::toUtf8(label.name), scaleLabels[int(scaleOf(k0))]);
            }
            // "Nota" header cells on every band of a block except on sheet 2.
            int notaCells = 0;
            for (const auto& c : calls)
                notaCells += c.kind == DrawCall::Box && c.rect.left == 640 && c.rect.right == 700 &&
                             c.colour == kGrey;
            EXPECT_EQ(notaCells, sheet == 2 ? 0 : int(plan.firstItems.size()));
        }
    }
}

TEST(SummaryForm, SheetOneCarriesTheHeaderCaptionsAndBothRemarksBoxes) {
    auto record = std::make_unique<ExamineeRecord>();
    for (SummaryVariant v : {SummaryVariant::Print, SummaryVariant::Screen}) {
        const bool print = v == SummaryVariant::Print;
        SCOPED_TRACE(print ? "print" : "screen");
        Buffers b;
        composeSummaryForm(1, v, b.buffers(), b.images, *record);
        const auto sheet = copiedPage(b.back1);
        const auto images = ofKind(sheet, DrawCall::Image);
        ASSERT_EQ(images.size(), 1u);
        EXPECT_EQ(images[0].name, "Data\\logo.bmp");
        EXPECT_EQ(topLeft(images[0]), (ui::Point{780, print ? 30 : 50}));

        const DrawCall title = textAt(sheet, {110, 80, 1024, 768});
        EXPECT_EQ(title.name, cp("Zbiorczy Formularz Wyników Testu"));
        EXPECT_EQ(title.font, print ? ui::FontId::ReportHeading : ui::FontId::SummaryHeading);
        const std::string caption = cp("Imię i nazwisko badanego :");
        EXPECT_EQ(textAt(sheet, {110, 123, 1024, 768}).name, caption);
        // An empty record's full name is a single blank, a blank after the caption (8 pixels
        // a character here).
        const int nameLeft = 110 + 8 * int(caption.size() + 1);
        EXPECT_EQ(textAt(sheet, {nameLeft, 123, 1024, 768}).name, " ");

        const DrawCall area =
            textAt(sheet, print ? Rect{100, 145, 924, 165} : Rect{100, 144, 924, 160});
        EXPECT_EQ(area.name, cp("OBSZAR BEZPOŚREDNIEJ OBSERWACJI"));
        EXPECT_EQ(area.flags, ui::text::kCenter);
        EXPECT_EQ(textAt(sheet, print ? Rect{105, 166, 924, 187} : Rect{105, 161, 924, 177}).name,
                  cp("Umiejętności wykonawcze"));
        EXPECT_EQ(textAt(sheet, print ? Rect{105, 450, 924, 471} : Rect{105, 382, 924, 398}).name,
                  "Samodzielne funkcjonowanie");
        EXPECT_EQ(textAt(sheet, print ? Rect{640, 166, 700, 186} : Rect{640, 161, 700, 177}).name,
                  "Nota");
        EXPECT_EQ(textAt(sheet, print ? Rect{700, 166, 924, 186} : Rect{700, 161, 924, 177}).name,
                  "Uwagi");
        // One box each: the bands of the area and of the two scales, the two "Nota" cells.
        for (const auto& [p, screen] :
             {std::pair<Rect, Rect>{{100, 143, 924, 165}, {100, 143, 924, 161}},
              {{100, 164, 924, 187}, {100, 160, 924, 177}},
              {{100, 448, 924, 471}, {100, 380, 924, 398}},
              {{640, 164, 700, 185}, {640, 160, 700, 177}},
              {{640, 448, 700, 471}, {640, 380, 700, 398}}}) {
            EXPECT_EQ(boxesAt(sheet, print ? p : screen).size(), 1u);
        }
        for (Rect r : print ? std::vector<Rect>{{690, 184, 924, 449}, {690, 448, 924, 735}}
                            : std::vector<Rect>{{690, 176, 924, 381}, {690, 380, 924, 602}}) {
            EXPECT_EQ(testing::boxAt(sheet, r).colour, ui::kWhite);
        }
        // Only sheet 1 has the captions.
        const auto sheet2 = copiedPage(b.back2);
        for (const auto& c : sheet2) {
            EXPECT_NE(c.name, "Nota");
            EXPECT_NE(c.name, "Uwagi");
        }
    }
}

TEST(SummaryForm, Items36And149BreakAtABlankAndTakeTwoRows) {
    const auto record = std::make_unique<ExamineeRecord>();
    for (SummaryVariant v : {SummaryVariant::Print, SummaryVariant::Screen}) {
        const bool print = v == SummaryVariant::Print;
        SCOPED_TRACE(print ? "print" : "screen");
        const int p = print ? 22 : 17;
        const auto sheets = allSheets(*record, v);
        int twoLineTexts = 0;
        for (const auto& [sheet, calls] : sheets) {
            for (const auto& c : calls)
                twoLineTexts += c.kind == DrawCall::Text && c.rect.left >= 144 &&
                                c.rect.right == 641 && c.name.find('\n') != std::string::npos;
        }
        EXPECT_EQ(twoLineTexts, 2);
        const auto& sheet2 = sheets.at(2);
        const int y = (print ? 121 : 116) + 11 * p;
        const int at = numberTextIndex(sheet2, 36);
        ASSERT_GT(at, 0);
        EXPECT_EQ(sheet2[at - 1].rect, (Rect{100, y, 140, y + 2 * p + 1}));
        EXPECT_EQ(sheet2[at].rect, (Rect{105, y + 3, 140, y + 2 * p + 1}));
        EXPECT_EQ(sheet2[at + 1].rect, (Rect{139, y, 641, y + 2 * p + 1}));
        EXPECT_EQ(sheet2[at + 2].rect, (Rect{144, y + 3, 641, y + 2 * p + 1}));
        EXPECT_EQ(sheet2[at + 2].name,
                  cp("Rozpoczęcie i utrzymywanie aktywności związanej z\nwykorzystaniem wolnego "
                     "czasu"));
        EXPECT_EQ(sheet2[at + 3].rect, (Rect{640, y, 700, y + 2 * p + 1}));
        EXPECT_EQ(2 * p + 1, print ? 45 : 35);
        // Item 35 above it is an ordinary one-row item.
        const int at35 = numberTextIndex(sheet2, 35);
        ASSERT_GT(at35, 0);
        EXPECT_EQ(sheet2[at35 - 1].rect, (Rect{100, y - p, 140, y + 1}));
        // Item 149, the fifth row of sheet 7's first block: two rows, the rows after it one
        // row lower.
        const auto& sheet7 = sheets.at(7);
        const int y149 = (print ? 41 : 36) + 4 * p;
        const int at149 = numberTextIndex(sheet7, 149);
        ASSERT_GT(at149, 0);
        EXPECT_EQ(sheet7[at149 - 1].rect, (Rect{100, y149, 140, y149 + 2 * p + 1}));
        EXPECT_EQ(sheet7[at149 + 2].name,
                  cp("Poszanowanie dla własności,\nprzestrzeganie przepisów i regulaminu"));
        EXPECT_EQ(sheet7[numberTextIndex(sheet7, 150) - 1].rect.top, y149 + 2 * p);
    }
}

TEST(SummaryForm, Item46KeepsItsLeadingBlank) {
    const auto record = std::make_unique<ExamineeRecord>();
    const auto sheets = allSheets(*record, SummaryVariant::Screen);
    const auto& sheet2 = sheets.at(2);
    const int at = numberTextIndex(sheet2, 46);
    ASSERT_GT(at, 0);
    EXPECT_EQ(sheet2[at + 2].name, " Pytanie o pomoc w razie potrzeby");
    EXPECT_EQ(sheet2[at + 2].rect.left, 144);
    const int at45 = numberTextIndex(sheet2, 45);
    EXPECT_EQ(sheet2[at45 + 2].rect.left, 144);
}

TEST(SummaryForm, PartFourComposesSheetSevenAndLeavesBackBufferTwoAlone) {
    auto record = std::make_unique<ExamineeRecord>();
    Buffers b;
    composeSummaryForm(3, SummaryVariant::Screen, b.buffers(), b.images, *record);
    const auto sheet6 = b.back2.calls();
    b.back1.clearCalls();
    composeSummaryForm(4, SummaryVariant::Screen, b.buffers(), b.images, *record);
    EXPECT_EQ(b.back2.calls().size(), sheet6.size());
    const auto sheet7 = copiedPage(b.back1);
    EXPECT_GT(numberTextIndex(sheet7, 161), 0);
    EXPECT_EQ(numberTextIndex(sheet7, 137), -1);
    // Back buffer 0 still holds sheet 7.
    EXPECT_GT(numberTextIndex(b.back0.calls(), 168), 0);
    EXPECT_EQ(b.back0.textColour(), ui::kBlack);

    // A part outside 1..4 draws nothing.
    Buffers none;
    composeSummaryForm(5, SummaryVariant::Print, none.buffers(), none.images, *record);
    composeSummaryForm(0, SummaryVariant::Print, none.buffers(), none.images, *record);
    EXPECT_TRUE(none.back0.calls().empty());
    EXPECT_TRUE(none.back1.calls().empty());
    EXPECT_TRUE(none.back2.calls().empty());
}

TEST(SummaryForm, SignatureBlockOfSheetSevenInBothVariants) {
    auto record = std::make_unique<ExamineeRecord>();
    setText(record->examDate, "14.03.2025");
    setText(record->diagnosticianName, "Anna Nowak");
    setText(record->diagnosticianPermitNo, "123/45");
    struct Expected {
        std::string text;
        Rect rect;
        ui::FontId font;
        unsigned flags;
        Rgb colour;
    };
    const std::string warning =
        cp("Uwaga! Formularz, na którym nie umieszczono nazwiska osoby diagnozującej oraz numeru "
           "jej uprawnień,\nnie ma wartości merytorycznej i nie może być podstawą do oceny "
           "umiejętności osoby diagnozowanej.");
    // Each column's dotted line fills its column less a dot (8 pixels a dot here).
    const auto dots = [](int left, int right) { return std::string((right - left) / 8 - 1, '.'); };
    const auto center = ui::text::kCenter;
    const auto small = ui::FontId::SmallHeading;
    const std::vector<Expected> print = {
        {"14.03.2025", {100, 648, 310, 678}, ui::FontId::ReportBody, center, ui::kBlack},
        {"Anna Nowak", {320, 648, 704, 678}, ui::FontId::ReportBody, center, ui::kBlack},
        {"123/45", {718, 648, 920, 678}, ui::FontId::ReportBody, center, ui::kBlack},
        {dots(100, 310), {100, 656, 310, 678}, ui::FontId::ReportBody, center, ui::kBlack},
        {dots(320, 704), {320, 656, 704, 678}, ui::FontId::ReportBody, center, ui::kBlack},
        {dots(718, 920), {718, 656, 920, 678}, ui::FontId::ReportBody, center, ui::kBlack},
        {"data badania", {100, 674, 310, 700}, small, center, ui::kBlack},
        {cp("imię i nazwisko"), {410, 674, 615, 700}, small, center, ui::kBlack},
        {cp("nr uprawnień"), {718, 674, 920, 700}, small, center, ui::kBlack},
        {warning, {100, 722, 924, 766}, small, ui::text::kLeft, kRedFill},
    };
    const std::vector<Expected> screen = {
        {"14.03.2025", {100, 507, 310, 528}, ui::FontId::SummaryText, center, ui::kBlack},
        {"Anna Nowak", {320, 507, 704, 528}, ui::FontId::SummaryText, center, ui::kBlack},
        {"123/45", {718, 507, 920, 528}, ui::FontId::SummaryText, center, ui::kBlack},
        {dots(100, 310), {100, 511, 310, 528}, ui::FontId::SummaryText, center, ui::kBlack},
        {dots(320, 704), {320, 511, 704, 528}, ui::FontId::SummaryText, center, ui::kBlack},
        {dots(718, 920), {718, 511, 920, 528}, ui::FontId::SummaryText, center, ui::kBlack},
        {"data badania", {100, 525, 310, 545}, small, center, ui::kBlack},
        {cp("imię i nazwisko"), {410, 525, 615, 545}, small, center, ui::kBlack},
        {cp("nr uprawnień"), {718, 525, 920, 545}, small, center, ui::kBlack},
        {warning, {100, 562, 924, 596}, small, ui::text::kLeft, kRedFill},
    };
    for (SummaryVariant v : {SummaryVariant::Print, SummaryVariant::Screen}) {
        const bool isPrint = v == SummaryVariant::Print;
        Buffers b;
        composeSummaryForm(4, v, b.buffers(), b.images, *record);
        const auto sheet = copiedPage(b.back1);
        for (const Expected& e : isPrint ? print : screen) {
            SCOPED_TRACE(cp1250::toUtf8(e.text) + (isPrint ? " print" : " screen"));
            const DrawCall found = textAt(sheet, e.rect);
            EXPECT_EQ(found.name, e.text);
            EXPECT_EQ(found.font, e.font);
            EXPECT_EQ(found.flags, e.flags);
            EXPECT_EQ(found.colour, e.colour);
        }
        EXPECT_EQ(b.back0.textColour(), ui::kBlack);
        for (const auto& t : b.back0.callsOf(DrawCall::Text))
            EXPECT_EQ(t.mode, ui::BackgroundMode::Transparent);
    }
}

TEST(SummaryForm, PrintVariantMarksItsCutLinesAndTheScreenVariantHasNone) {
    const auto record = std::make_unique<ExamineeRecord>();
    const auto print = allSheets(*record, SummaryVariant::Print);
    const std::map<int, int> cuts = {{2, 494}, {4, 449}, {6, 361}};
    for (const auto& [sheet, calls] : print) {
        const auto lines = ofKind(calls, DrawCall::Line);
        if (!cuts.count(sheet)) {
            EXPECT_TRUE(lines.empty()) << sheet;
            continue;
        }
        ASSERT_EQ(lines.size(), 1u) << sheet;
        EXPECT_EQ(lines[0].rect, (Rect{100, cuts.at(sheet), 924, cuts.at(sheet)}));
        EXPECT_EQ(lines[0].width, 1);
        EXPECT_EQ(lines[0].colour, ui::kBlack);
    }
    for (const auto& [sheet, calls] : allSheets(*record, SummaryVariant::Screen)) {
        for (const auto& c : calls) EXPECT_NE(c.kind, DrawCall::Line) << sheet;
    }
    // The area bands of sheets 4 and 6 carry the variant's own titles.
    const auto screen = allSheets(*record, SummaryVariant::Screen);
    auto areaTitle = [](const std::vector<DrawCall>& calls, int bottom) {
        const auto t = textsAt(calls, {100, 102, 924, bottom + 1});
        return t.size() == 1 ? cp1250::toUtf8(t[0].name) : std::string("?");
    };
    EXPECT_EQ(areaTitle(print.at(4), 122), "OBSZAR OBSERWACJI DOMOWEJ");
    EXPECT_EQ(areaTitle(print.at(6), 122), "OBSZAR OBSERWACJI W SZKOLE I PRACY");
    EXPECT_EQ(areaTitle(screen.at(4), 117), "OBSZAR DOMOWY");
    EXPECT_EQ(areaTitle(screen.at(6), 117), "OBSZAR SZKOŁA/PRACA");
}

TEST(SummaryForm, PixelsOfSheetOne) {
    auto record = std::make_unique<ExamineeRecord>();
    record->scores[1] = kPass;
    record->scores[9] = kFail;
    const auto native0 = testing::newNativeSurface(), native1 = testing::newNativeSurface(),
               native2 = testing::newNativeSurface();
    ui::Surface &back0 = *native0, &back1 = *native1, &back2 = *native2;
    ui::FakeImageSource images;
    composeSummaryForm(1, SummaryVariant::Print, {back0, back1, back2}, images, *record);
    const auto pixel = [&](int x, int y) { return testing::pixelAt(back1, x, y); };
    // Item 1's score cell green, item 9's red over its grey row, item 2's white (beside the
    // letters in the middle of the cells).
    EXPECT_EQ(pixel(645, 195), testing::rgb(55, 181, 55));
    EXPECT_EQ(pixel(645, 184 + 8 * 22 + 11), testing::rgb(255, 10, 10));
    EXPECT_EQ(pixel(120, 184 + 8 * 22 + 11), testing::rgb(217, 217, 217));
    EXPECT_EQ(pixel(670, 184 + 22 + 11), testing::rgb(255, 255, 255));
    // The remarks column is white and the band above it grey.
    EXPECT_EQ(pixel(800, 300), testing::rgb(255, 255, 255));
    EXPECT_EQ(pixel(110, 150), testing::rgb(217, 217, 217));
    // Sheet 2 went to back buffer 2: its first band at y 100.
    EXPECT_EQ(testing::pixelAt(back2, 900, 110), testing::rgb(217, 217, 217));
}

}  // namespace
}  // namespace lun4::reports
