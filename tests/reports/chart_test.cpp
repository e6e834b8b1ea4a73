// The profile chart as drawn: every bar box, count cell and extra box with its coordinates and
// fill, the page-2 slots, the mode-dependent blocks and the overview's copies; a few pixel
// probes on a real surface where draw order decides what is seen.

#include "reports/chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/cp1250.h"
#include "model/scoring.h"
#include "polish_text.h"
#include "recorded_calls.h"
#include "native_surface.h"
#include "ui/recording_surface.h"

namespace lun4::reports {
namespace {

using testing::boxAt;
using testing::cp;
using testing::drewText;
using testing::ofKind;
using testing::textAt;
using testing::textsAt;
using testing::topLeft;
using ui::DrawCall;
using ui::Rect;
using ui::Rgb;

constexpr Rgb kGreen{55, 181, 55};
constexpr Rgb kYellow{255, 255, 30};
constexpr Rgb kRedFill{255, 10, 10};
constexpr Rgb kLightGrey{235, 235, 235};
constexpr Rgb kGrey{217, 217, 217};
constexpr Rgb kUnknownGrey{180, 180, 180};

std::unique_ptr<ExamineeRecord> blankRecord() {
    return std::make_unique<ExamineeRecord>();
}

struct Page {
    ui::RecordingSurface surface{"back0"};
    ui::FakeImageSource images;
};

std::vector<DrawCall> page1(const ExamineeRecord& record, ChartMode mode) {
    Page p;
    composeChartPage1(p.surface, p.images, record, mode);
    return p.surface.calls();
}

std::vector<DrawCall> page2(const ExamineeRecord& record, ChartMode mode) {
    Page p;
    composeChartPage2(p.surface, p.images, record, mode);
    return p.surface.calls();
}

// The bar boxes of page 1 as the chart table lays them out: column c = 3s + a at
// x0 = 104 + 48c, slot j from the bottom at 418 - 24j .. 443 - 24j.
struct BarBox {
    Rect rect;
    int area;
    int scale;
    int slot;
};
std::vector<BarBox> expectedBarBoxes() {
    struct Offsets {
        int dl, dr, topDr;
    };
    std::vector<BarBox> boxes;
    for (int a = 0; a < 3; ++a) {
        for (int s = 0; s < 6; ++s) {
            Offsets o{};
            if (a == 0) o = s == 0 ? Offsets{1, 49, 49} : Offsets{0, 48, 48};
            if (a == 1) o = s == 0 ? Offsets{0, 49, 51} : Offsets{-2, 49, 51};
            if (a == 2) o = {0, 47, 47};
            const int x0 = 104 + 48 * (3 * s + a);
            for (int j = 0; j < 8; ++j) {
                const int top = (j == 7 && a != 0) ? 251 : 418 - 24 * j;
                boxes.push_back(
                    {{x0 + o.dl, top, x0 + (j == 7 ? o.topDr : o.dr), 443 - 24 * j}, a, s, j});
            }
        }
    }
    return boxes;
}

// The 144 bar boxes are the last boxes of a page-1 preview.
std::vector<DrawCall> barBoxCalls(const std::vector<DrawCall>& calls) {
    const auto boxes = ofKind(calls, DrawCall::Box);
    EXPECT_GE(boxes.size(), 144u);
    return {boxes.end() - 144, boxes.end()};
}

// Items 9-12 of scale s: box and number text rectangles.
struct ExtraBox {
    int item;
    Rect box;
    Rect number;
};
std::vector<ExtraBox> expectedExtraBoxes() {
    std::vector<ExtraBox> out;
    for (int s = 0; s < 6; ++s) {
        const int e = s == 0 ? 105 : 104 + 144 * s;
        out.push_back({12 * s + 9, {e, 226, e + 47, 251}, {e, 233, e + 47, 251}});
        out.push_back({12 * s + 10, {e, 202, e + 47, 227}, {e, 209, e + 47, 227}});
        out.push_back({12 * s + 11, {e, 178, e + 47, 203}, {e, 185, e + 47, 203}});
        out.push_back({12 * s + 12, {e, 156, e + 47, 179}, {e, 161, e + 47, 179}});
    }
    return out;
}

TEST(ChartPage1, UnscoredRecordDrawsWhiteBarsZeroCountsAndLightGreyExtraBoxes) {
    const auto record = blankRecord();
    const auto calls = page1(*record, ChartMode::Preview);

    const auto bars = barBoxCalls(calls);
    const auto expected = expectedBarBoxes();
    ASSERT_EQ(expected.size(), bars.size());
    for (size_t i = 0; i < bars.size(); ++i) {
        EXPECT_EQ(bars[i].rect, expected[i].rect)
            << "area " << expected[i].area << " scale " << expected[i].scale << " slot "
            << expected[i].slot;
        EXPECT_EQ(bars[i].colour, ui::kWhite) << i;
        EXPECT_EQ(bars[i].outline, ui::kBlack) << i;
    }

    // Count rows: passes green, emerging yellow, failures red; totals by area colour.
    const Rgb rowFill[3] = {kGreen, kYellow, kRedFill};
    for (int row = 0; row < 4; ++row) {
        const int y = 492 + 24 * row;
        for (int c = 0; c < 18; ++c) {
            const Rect cell{103 + 48 * c, y, 152 + 48 * c, y + 25};
            EXPECT_EQ(boxAt(calls, cell).colour, row < 3 ? rowFill[row] : rowFill[c % 3])
                << "row " << row << " column " << c;
            const DrawCall number = textAt(calls, {cell.left, y + 5, cell.right, y + 25});
            EXPECT_EQ(number.name, "0");
            EXPECT_EQ(number.font, ui::FontId::SmallHeading);
            EXPECT_EQ(number.flags, ui::text::kCenter);
            // White on red, black on the other fills: readable on a black-and-white copy.
            const bool red = (row < 3 ? row : c % 3) == 2;
            EXPECT_EQ(number.colour, red ? ui::kWhite : ui::kBlack) << "row " << row;
        }
    }

    for (const ExtraBox& e : expectedExtraBoxes()) {
        const DrawCall b = boxAt(calls, e.box);
        EXPECT_EQ(b.colour, kLightGrey) << "item " << e.item;
        const DrawCall number = textAt(calls, e.number);
        EXPECT_EQ(number.name, std::to_string(e.item));
        EXPECT_EQ(number.colour, (Rgb{100, 100, 100})) << "item " << e.item;
        EXPECT_EQ(number.flags, ui::text::kCenter);
    }
}

TEST(ChartPage1, FramesHeadersAndLabelsStandWhereTheChartPutsThem) {
    const auto record = blankRecord();
    const auto calls = page1(*record, ChartMode::Print);
    const char* scales[] = {"UW", "SF", "USC", "AP", "K", "ZI"};
    for (int s = 0; s < 6; ++s) {
        const int l = s == 0 ? 104 : 103 + 144 * s;
        const int r = 248 + 144 * s;
        EXPECT_EQ(boxAt(calls, {l, 105, r, 130}).colour, kGrey);
        const DrawCall label = textAt(calls, {l, 107, r, 130});
        EXPECT_EQ(label.name, scales[s]);
        EXPECT_EQ(label.font, ui::FontId::ReportHeading);
        // Plot frame, its inner frame and the grey cover of levels 9-12 of home and school/work.
        EXPECT_EQ(boxAt(calls, {104 + 144 * s, 155, 248 + 144 * s, 493}).colour, kGrey);
        EXPECT_EQ(boxAt(calls, {s == 0 ? 105 : 104 + 144 * s, 156, 247 + 144 * s, 493}).colour,
                  kGrey);
        const int a = s == 0 ? 151 : 150 + 144 * s;
        EXPECT_EQ(boxAt(calls, {a, 154, 247 + 144 * s, 250}).colour, kGrey);
        EXPECT_EQ(boxAt(calls, {a + 1, 154, a + 3, 250}).colour, kGrey);
        EXPECT_EQ(boxAt(calls, {a, 250, 247 + 144 * s, 252}).colour, kGrey);
    }
    for (int c = 0; c < 18; ++c) {
        const int l = c == 0 ? 104 : 103 + 48 * c;
        const int r = c == 0 ? 153 : 152 + 48 * c;
        EXPECT_EQ(boxAt(calls, {l, 129, r, 155}).colour, kGrey);
        const DrawCall label = textAt(calls, {l, 133, r, 155});
        EXPECT_EQ(label.name, c % 3 == 0 ? "OB." : c % 3 == 1 ? "D" : "S/P");
        EXPECT_EQ(label.font, ui::FontId::ChartLabel);
    }
    for (int n = 12; n >= 1; --n) {
        const int t = n == 12 ? 155 : 154 + 24 * (12 - n);
        const int b = 179 + 24 * (12 - n);
        EXPECT_EQ(boxAt(calls, {50, t, 104, b}).colour, kGrey);
        EXPECT_EQ(textAt(calls, {50, t + 5, 104, b}).name, std::to_string(n));
    }
    const char* rows[] = {"Zali.", "Ob.", "Nz", "Suma"};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(boxAt(calls, {50, 492 + 24 * row, 104, 517 + 24 * row}).colour, kGrey);
        EXPECT_EQ(textAt(calls, {50, 498 + 24 * row, 104, 517 + 24 * row}).name, rows[row]);
    }
    EXPECT_EQ(boxAt(calls, {967, 154, 969, 493}).colour, kGrey);
    EXPECT_EQ(boxAt(calls, {103, 156, 105, 493}).colour, kGrey);
    EXPECT_EQ(textAt(calls, {391, 443, 536, 493}).name,
              cp("Umiejętności\nspędzania\nwolnego czasu"));
    EXPECT_EQ(textAt(calls, {679, 458, 824, 493}).name, cp("Komunikatywność"));
}

TEST(ChartPage1, MixedBlockStacksThreeGreenTwoYellowTwoRedAndOneWhiteFromTheBottom) {
    auto record = blankRecord();
    // Home, scale 2 (items 89-96): column 7.
    const char block[8] = {'r', 'g', 'b', 'y', 'g', 'y', 'g', 'r'};
    for (int i = 0; i < 8; ++i) record->scores[89 + i] = block[i];
    // One failure of the same scale at school/work (column 8), so that the scale's totals of
    // emerging items and failures differ.
    record->scores[140] = kFail;
    const auto calls = page1(*record, ChartMode::Preview);

    const auto bars = barBoxCalls(calls);
    const auto expected = expectedBarBoxes();
    const Rgb stacked[8] = {kGreen,  kGreen,   kGreen,   kYellow,
                            kYellow, kRedFill, kRedFill, ui::kWhite};
    for (size_t i = 0; i < bars.size(); ++i) {
        Rgb want = ui::kWhite;
        if (expected[i].area == 1 && expected[i].scale == 2) want = stacked[expected[i].slot];
        if (expected[i].area == 2 && expected[i].scale == 2 && expected[i].slot == 0)
            want = kRedFill;
        EXPECT_EQ(bars[i].colour, want) << i;
    }
    auto countIn = [&](int c, int y) {
        const auto t = textsAt(calls, {103 + 48 * c, y + 5, 152 + 48 * c, y + 25});
        return t.size() == 1 ? t[0].name : std::string("?");
    };
    for (int c = 0; c < 18; ++c) {
        EXPECT_EQ(countIn(c, 492), c == 7 ? "3" : "0") << c;
        EXPECT_EQ(countIn(c, 516), c == 7 ? "2" : "0") << c;
        EXPECT_EQ(countIn(c, 540), c == 7 ? "2" : c == 8 ? "1" : "0") << c;
    }
    // Scale 2's totals: passes under its first column, emerging under its second, failures
    // under its third.
    for (int c = 0; c < 18; ++c) {
        const char* total = c == 6 ? "3" : c == 7 ? "2" : c == 8 ? "3" : "0";
        EXPECT_EQ(countIn(c, 564), total) << c;
    }
}

TEST(ChartPage1, ScoringItem12ChangesOnlyItsOwnBox) {
    auto record = blankRecord();
    const auto before = page1(*record, ChartMode::Preview);
    record->scores[12] = kPass;
    const auto after = page1(*record, ChartMode::Preview);
    ASSERT_EQ(before.size(), after.size());
    int differences = 0;
    for (size_t i = 0; i < before.size(); ++i) {
        const bool same = before[i].kind == after[i].kind && before[i].rect == after[i].rect &&
                          before[i].colour == after[i].colour && before[i].name == after[i].name;
        if (same) continue;
        ++differences;
        EXPECT_EQ(after[i].kind, DrawCall::Box);
        EXPECT_EQ(after[i].rect, (Rect{105, 156, 152, 179}));
        EXPECT_EQ(after[i].colour, kGreen);
    }
    EXPECT_EQ(differences, 1);
}

TEST(ChartPages, AllItemsPassedFillEveryBarAndLeaveTheEmptyLevelsLightGrey) {
    auto record = blankRecord();
    for (int k = 1; k <= 168; ++k) record->scores[k] = kPass;
    const auto calls1 = page1(*record, ChartMode::Preview);
    for (const auto& b : barBoxCalls(calls1)) EXPECT_EQ(b.colour, kGreen);
    for (const ExtraBox& e : expectedExtraBoxes()) EXPECT_EQ(boxAt(calls1, e.box).colour, kGreen);
    int eights = 0, totals = 0;
    for (int row = 0; row < 4; ++row) {
        for (int c = 0; c < 18; ++c) {
            const int y = 492 + 24 * row;
            const DrawCall t = textAt(calls1, {103 + 48 * c, y + 5, 152 + 48 * c, y + 25});
            const char* want = row == 0 ? "8" : row == 3 && c % 3 == 0 ? "24" : "0";
            EXPECT_EQ(t.name, want) << "row " << row << " column " << c;
            eights += t.name == "8";
            totals += t.name == "24";
        }
    }
    EXPECT_EQ(eights, 18);
    EXPECT_EQ(totals, 6);

    const auto calls2 = page2(*record, ChartMode::Preview);
    int slotCount = 0;
    for (const auto& b : ofKind(calls2, DrawCall::Box)) {
        if (b.outline != Rgb{150, 150, 150}) continue;
        ++slotCount;
        EXPECT_EQ(b.colour, kGreen);
    }
    EXPECT_EQ(slotCount, 6 * 24 + 3 * 48);

    // On pixels: the left graph's levels 9-12 stay light grey, its level 8 and below is green.
    const auto native = testing::newNativeSurface();
    ui::Surface& surface = *native;
    ui::FakeImageSource images;
    composeChartPage2(surface, images, *record, ChartMode::Print);
    EXPECT_EQ(testing::pixelAt(surface, 170, 260), testing::rgb(235, 235, 235));
    EXPECT_EQ(testing::pixelAt(surface, 170, 330), testing::rgb(55, 181, 55));
    EXPECT_EQ(testing::pixelAt(surface, 730, 330), testing::rgb(55, 181, 55));
}

// Page 2's slot boxes of the left bar of scale s and of the right bar of area a.
Rect leftSlot(int s, int j) {
    const int x = 129 + 80 * s;
    return {x, 503 - 8 * j, x + 81, 512 - 8 * j};
}
Rect rightSlot(int a, int j) {
    const int x = 689 + 80 * a;
    return {x, 507 - 4 * j, x + 81, 512 - 4 * j};
}

TEST(ChartPage2, ScaleBarStacksThePassesOfAllThreeAreasAtTheBottom) {
    auto record = blankRecord();
    // Scale 4: 3 passes under direct observation, 1 at home, 2 at school/work, scattered.
    for (int k : {50, 53, 56, 110, 154, 160}) record->scores[k] = kPass;
    record->scores[51] = kEmerging;
    record->scores[108] = kFail;
    const auto calls = page2(*record, ChartMode::Preview);
    for (int s = 0; s < 6; ++s) {
        for (int j = 0; j < 24; ++j) {
            Rgb want = ui::kWhite;
            if (s == 4) want = j < 6 ? kGreen : j == 6 ? kYellow : j == 7 ? kRedFill : ui::kWhite;
            const DrawCall b = boxAt(calls, leftSlot(s, j));
            EXPECT_EQ(b.colour, want) << "scale " << s << " slot " << j;
            EXPECT_EQ(b.outline, (Rgb{150, 150, 150}));
        }
    }
    // Right graph: direct observation has 3 passes and 1 emerging item, home 1 pass and
    // 1 failure, school/work 2 passes.
    const std::vector<std::vector<Rgb>> areaBars = {
        {kGreen, kGreen, kGreen, kYellow}, {kGreen, kRedFill}, {kGreen, kGreen}};
    for (int a = 0; a < 3; ++a) {
        for (int j = 0; j < 48; ++j) {
            const Rgb want = j < int(areaBars[a].size()) ? areaBars[a][j] : ui::kWhite;
            EXPECT_EQ(boxAt(calls, rightSlot(a, j)).colour, want) << "area " << a << " slot " << j;
        }
    }
}

TEST(ChartPage2, GraphFramesLinesAndLabels) {
    const auto record = blankRecord();
    const auto calls = page2(*record, ChartMode::Print);
    for (int n = 12; n >= 1; --n) {
        const int t = 223 + 24 * (12 - n);
        EXPECT_EQ(boxAt(calls, {50, t, 130, t + 25}).colour, kGrey);
        const DrawCall number = textAt(calls, {50, t + 5, 130, t + 25});
        EXPECT_EQ(number.name, std::to_string(n));
        EXPECT_EQ(number.font, ui::FontId::ChartLabel);
    }
    const char* scales[] = {"UW", "SF", "USC", "AP", "K", "ZI"};
    for (int s = 0; s < 6; ++s) {
        const int l = 129 + 80 * s;
        const DrawCall header = boxAt(calls, {l, 200, 210 + 80 * s, 224});
        EXPECT_EQ(header.colour, kGrey);
        EXPECT_EQ(header.outline, ui::kBlack);
        EXPECT_EQ(textAt(calls, {l, 202, 210 + 80 * s, 224}).name, scales[s]);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(boxAt(calls, {l, 223 + 24 * i, 210 + 80 * s, 248 + 24 * i}).colour,
                      kLightGrey);
        }
    }
    // The area headers come after the grey-outlined slots: black outlines again.
    const char* areas[] = {"OB", "D", "S/P"};
    for (int a = 0; a < 3; ++a) {
        const DrawCall header = boxAt(calls, {689 + 80 * a, 295, 770 + 80 * a, 320});
        EXPECT_EQ(header.colour, kGrey);
        EXPECT_EQ(header.outline, ui::kBlack);
        const DrawCall label = textAt(calls, {689 + 80 * a, 297, 770 + 80 * a, 320});
        EXPECT_EQ(label.name, areas[a]);
        EXPECT_EQ(label.font, ui::FontId::ReportHeading);
    }

    // Lines: per bar two verticals, eight level lines and the bottom line, black, 1 pixel;
    // then the 3-pixel ceiling line.
    std::vector<Rect> want;
    for (int s = 0; s < 6; ++s) {
        const int x = 129 + 80 * s;
        want.push_back({x, 201, x, 512});
        want.push_back({x + 80, 201, x + 80, 512});
        for (int i = 0; i < 8; ++i) want.push_back({x, 487 - 24 * i, x + 80, 487 - 24 * i});
        want.push_back({x, 511, x + 80, 511});
    }
    for (int a = 0; a < 3; ++a) {
        const int x = 689 + 80 * a;
        want.push_back({x, 297, x, 512});
        want.push_back({x + 80, 297, x + 80, 512});
        for (int i = 0; i < 8; ++i) want.push_back({x, 487 - 24 * i, x + 80, 487 - 24 * i});
        want.push_back({x, 511, x + 80, 511});
    }
    want.push_back({130, 319, 928, 319});
    const auto lines = ofKind(calls, DrawCall::Line);
    ASSERT_EQ(lines.size(), want.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rect, want[i]) << i;
        EXPECT_EQ(lines[i].colour, ui::kBlack) << i;
        EXPECT_EQ(lines[i].width, i + 1 == lines.size() ? 3 : 1) << i;
    }

    for (int n = 8; n >= 1; --n) {
        const DrawCall level = textAt(calls, {609, 324 + 24 * (8 - n), 685, 344 + 24 * (8 - n)});
        EXPECT_EQ(level.name, std::to_string(n));
        EXPECT_EQ(level.flags, ui::text::kRight);
    }
    const DrawCall left = textAt(calls, {230, 160, 1024, 655});
    EXPECT_EQ(left.name, cp("Obszar umiejętności rozwojowych"));
    EXPECT_EQ(left.font, ui::FontId::ReportEmphasis);
    EXPECT_EQ(textAt(calls, {710, 160, 1024, 655}).name, "Obszar trzech obserwacji");
}

TEST(ChartPages, PreviewShowsTheBackgroundAndPrintShowsTheHeaderAndSignatureBlocks) {
    auto record = blankRecord();
    setText(record->firstName, "Jan");
    setText(record->lastName, "Kowalski");
    setText(record->examDate, "14.03.2025");
    setText(record->diagnosticianName, "Anna Nowak");
    setText(record->diagnosticianPermitNo, "123/45");
    const std::string warning =
        cp("Uwaga! Wykres, na którym nie umieszczono nazwiska osoby diagnozującej oraz numeru "
           "jej uprawnień, nie ma wartości\nmerytorycznej i nie może być podstawą do oceny "
           "umiejętności osoby diagnozowanej.");

    for (int pageNumber : {1, 2}) {
        Page preview;
        Page print;
        auto compose = pageNumber == 1 ? composeChartPage1 : composeChartPage2;
        compose(preview.surface, preview.images, *record, ChartMode::Preview);
        compose(print.surface, print.images, *record, ChartMode::Print);
        // The background comes right after the white page, before anything else.
        const auto& pc = preview.surface.calls();
        ASSERT_GE(pc.size(), 2u);
        EXPECT_EQ(pc[0].kind, DrawCall::Box);
        EXPECT_EQ(pc[0].rect, (Rect{0, 0, 1024, 768}));
        EXPECT_EQ(pc[0].colour, ui::kWhite);
        EXPECT_EQ(pc[1].kind, DrawCall::Image);
        EXPECT_EQ(pc[1].name, "Data\\skala1.bmp");
        EXPECT_EQ(topLeft(pc[1]), (ui::Point{0, 0}));
        EXPECT_EQ(preview.surface.imagesDrawn(), std::vector<std::string>{"Data\\skala1.bmp"});
        for (const char* t : {"Jan Kowalski", "14.03.2025", "Anna Nowak", "123/45"})
            EXPECT_FALSE(drewText(pc, t)) << t;
        EXPECT_FALSE(drewText(pc, warning));
        EXPECT_FALSE(drewText(pc, "Profil testu: Punktacja"));
        EXPECT_FALSE(print.surface.drewImage("Data\\skala1.bmp"));
        // Both carry the page label, black then white.
        const std::string label = "STRONA " + std::to_string(pageNumber) + "/2";
        for (const auto* calls : {&pc, &print.surface.calls()}) {
            const DrawCall black = textAt(*calls, {821, 29, 948, 45});
            const DrawCall white = textAt(*calls, {821, 26, 948, 44});
            EXPECT_EQ(black.name, label);
            EXPECT_EQ(black.colour, ui::kBlack);
            EXPECT_EQ(white.name, label);
            EXPECT_EQ(white.colour, ui::kWhite);
        }
    }

    struct Expected {
        std::string text;
        Rect rect;
        ui::FontId font;
    };
    const auto header = page1(*record, ChartMode::Print);
    // The name and the date start a blank after their captions (8 pixels a character here).
    const std::string nameCaption = cp("Imię i nazwisko badanego :");
    const int nameLeft = 50 + 8 * int(nameCaption.size() + 1);
    const int dateLeft = 600 + 8 * int(std::string("Data badania : ").size());
    const std::vector<Expected> headerTexts = {
        {"Profil testu: Punktacja", {50, 610, 1024, 633}, ui::FontId::ReportHeading},
        {nameCaption, {50, 635, 1024, 655}, ui::FontId::ReportBody},
        {"Jan Kowalski", {nameLeft, 635, 1024, 655}, ui::FontId::ReportBody},
        {cp("Z – zaliczone (zielony), P – pojawiające się (żółty), N – niezaliczone (czerwony)"),
         {50, 659, 1024, 677},
         ui::FontId::ReportText},
        {cp("Obserwacja diagnosty: słupki – pozycje 1–8, pola 9–12 – pozycje utrudnione, "
            "oceniane osobno"),
         {50, 677, 1024, 695},
         ui::FontId::ReportText},
        {"Data badania :", {600, 740, 1024, 760}, ui::FontId::ReportBody},
        {"14.03.2025", {dateLeft, 740, 1024, 760}, ui::FontId::ReportBody},
        {"OB", {50, 700, 1024, 760}, ui::FontId::ReportEmphasis},
        {"D", {50, 720, 1024, 760}, ui::FontId::ReportEmphasis},
        {"S/P", {50, 740, 1024, 760}, ui::FontId::ReportEmphasis},
        {cp("- Obserwacja bezpośrednia"), {105, 700, 1024, 760}, ui::FontId::ReportBody},
        {"- Dom", {105, 720, 1024, 760}, ui::FontId::ReportBody},
        {cp("- Szkoła/Praca"), {105, 740, 1024, 760}, ui::FontId::ReportBody},
    };
    for (const Expected& e : headerTexts) {
        const DrawCall found = textAt(header, e.rect);
        EXPECT_EQ(found.name, e.text);
        EXPECT_EQ(found.font, e.font) << cp1250::toUtf8(e.text);
        EXPECT_EQ(found.flags, ui::text::kLeft);
    }
    const auto logo = ofKind(header, DrawCall::Image);
    ASSERT_EQ(logo.size(), 1u);
    EXPECT_EQ(logo[0].name, "Data\\logo.bmp");
    EXPECT_EQ(topLeft(logo[0]), (ui::Point{850, 610}));

    const auto signature = page2(*record, ChartMode::Print);
    const std::string dots(54, '.');
    const std::vector<Expected> signatureTexts = {
        {"Anna Nowak", {60, 580, 1024, 655}, ui::FontId::ReportEmphasis},
        {dots, {60, 590, 1024, 655}, ui::FontId::ReportBody},
        {dots, {660, 590, 1024, 655}, ui::FontId::ReportBody},
        {"123/45", {660, 580, 1024, 655}, ui::FontId::ReportEmphasis},
        {cp("Imię i nazwisko osoby diagnozującej"), {60, 610, 1024, 655}, ui::FontId::ReportBody},
        {cp("Nr uprawnień"), {660, 610, 1024, 655}, ui::FontId::ReportBody},
        {warning, {60, 630, 1024, 760}, ui::FontId::SmallHeading},
    };
    for (const Expected& e : signatureTexts) {
        const DrawCall found = textAt(signature, e.rect);
        EXPECT_EQ(found.name, e.text);
        EXPECT_EQ(found.font, e.font) << cp1250::toUtf8(e.text);
        EXPECT_EQ(found.colour, (e.text == warning ? Rgb{255, 10, 10} : ui::kBlack));
    }
}

TEST(ChartPages, EveryTextIsTransparentAndThePageLeavesOpaqueModeAndBlackText) {
    auto record = blankRecord();
    record->scores[9] = kFail;
    for (int pageNumber : {1, 2}) {
        for (ChartMode mode : {ChartMode::Preview, ChartMode::Print}) {
            Page p;
            p.surface.setBackgroundMode(ui::BackgroundMode::Opaque);
            p.surface.setTextColour(ui::kRed);
            (pageNumber == 1 ? composeChartPage1 : composeChartPage2)(p.surface, p.images, *record,
                                                                      mode);
            for (const auto& t : p.surface.callsOf(DrawCall::Text))
                EXPECT_EQ(t.mode, ui::BackgroundMode::Transparent) << t.name;
            EXPECT_EQ(p.surface.backgroundMode(), ui::BackgroundMode::Opaque);
            EXPECT_EQ(p.surface.textColour(), ui::kBlack);
            EXPECT_EQ(p.surface.lineColour(), ui::kBlack);
        }
    }
}

TEST(ChartPages, AnUnknownScoreByteIsGreyAndCountedNowhere) {
    auto record = blankRecord();
    record->scores[3] = 'q';   // in the first direct-observation bar
    record->scores[10] = 'q';  // an extra box
    record->scores[100] = 'q';
    const auto calls1 = page1(*record, ChartMode::Preview);
    for (const auto& b : barBoxCalls(calls1)) EXPECT_EQ(b.colour, ui::kWhite);
    EXPECT_EQ(boxAt(calls1, {105, 202, 152, 227}).colour, kUnknownGrey);
    EXPECT_EQ(boxAt(calls1, {105, 226, 152, 251}).colour, kLightGrey);  // item 9, not scored
    for (const auto& t : ofKind(calls1, DrawCall::Text)) {
        if (t.rect.left >= 103 && t.rect.top >= 497 && t.rect.bottom <= 589) {
            EXPECT_EQ(t.name, "0");
        }
    }
    const auto calls2 = page2(*record, ChartMode::Preview);
    for (const auto& b : ofKind(calls2, DrawCall::Box)) {
        if (b.outline == Rgb{150, 150, 150}) {
            EXPECT_EQ(b.colour, ui::kWhite);
        }
    }
}

TEST(ChartPage1, ALongNameIsCutAtThePageEdgeNotWrapped) {
    auto record = blankRecord();
    setText(record->firstName, std::string(90, 'W'));
    setText(record->lastName, std::string(90, 'M'));
    setText(record->examDate, std::string(80, '8'));
    const auto calls = page1(*record, ChartMode::Print);
    for (const auto& call : ofKind(calls, DrawCall::Text)) {
        EXPECT_EQ(call.flags & ui::text::kWordBreak, 0u);
    }

    const auto native = testing::newNativeSurface();
    ui::Surface& surface = *native;
    ui::FakeImageSource images;
    composeChartPage1(surface, images, *record, ChartMode::Print);
    auto inkIn = [&](int x0, int x1, int y0, int y1) {
        int ink = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) ink += testing::gray(testing::pixelAt(surface, x, y)) < 128;
        return ink;
    };
    // The name runs to the right edge of the page (x 1023 is the page's outline) ...
    EXPECT_GT(inkIn(1000, 1023, 635, 655), 0);
    // ... and nothing of it continues on the line below, right of the legend.
    EXPECT_EQ(inkIn(760, 1023, 656, 700), 0);
    // The date is cut at the edge as well: nothing of it below its line.
    EXPECT_GT(inkIn(1000, 1023, 740, 760), 0);
    EXPECT_EQ(inkIn(600, 1023, 761, 767), 0);
}

// Pixel probes where the drawing order decides what is seen.
TEST(ChartPage1, PixelsShowTheBarsAndExtraBoxesOverThePlotFrames) {
    auto record = blankRecord();
    const char block[8] = {'r', 'g', 'b', 'y', 'g', 'y', 'g', 'r'};
    for (int i = 0; i < 8; ++i) record->scores[89 + i] = block[i];
    record->scores[70] = kEmerging;
    const auto native = testing::newNativeSurface();
    ui::Surface& surface = *native;
    ui::FakeImageSource images;
    composeChartPage1(surface, images, *record, ChartMode::Print);
    const auto pixel = [&](int x, int y) { return testing::pixelAt(surface, x, y); };
    const std::uint32_t stacked[8] = {testing::rgb(55, 181, 55),  testing::rgb(55, 181, 55),  testing::rgb(55, 181, 55),
                             testing::rgb(255, 255, 30), testing::rgb(255, 255, 30), testing::rgb(255, 10, 10),
                             testing::rgb(255, 10, 10),  testing::rgb(255, 255, 255)};
    const int x7 = 104 + 48 * 7 + 24;
    for (int j = 0; j < 8; ++j) EXPECT_EQ(pixel(x7, 430 - 24 * j), stacked[j]) << j;
    // The box outlines are black where neighbouring boxes meet.
    EXPECT_EQ(pixel(x7, 418), testing::rgb(0, 0, 0));
    // Extra boxes of scale 5: item 69 unscored light grey, item 70 yellow; the grey frame
    // beside them.
    EXPECT_EQ(pixel(104 + 144 * 5 + 4, 240), testing::rgb(235, 235, 235));
    EXPECT_EQ(pixel(104 + 144 * 5 + 4, 205), testing::rgb(255, 255, 30));
    EXPECT_EQ(pixel(104 + 144 * 5 + 100, 200), testing::rgb(217, 217, 217));
    // The count cell of column 7's passes is green.
    EXPECT_EQ(pixel(104 + 48 * 7 + 4, 494), testing::rgb(55, 181, 55));
}

TEST(ChartOverview, KeepsBothPrintedPagesAndStretchesThemOntoTheSheet) {
    auto record = blankRecord();
    setText(record->diagnosticianName, "Anna Nowak");
    ui::RecordingSurface back0("back0"), back1("back1"), back2("back2");
    ui::FakeImageSource images;
    composeChartOverview({back0, back1, back2}, images, *record);

    EXPECT_EQ(back1.calls().size(), 1u);
    EXPECT_EQ(back2.calls().size(), 1u);
    const auto kept1 = testing::copiedPage(back1);
    const auto kept2 = testing::copiedPage(back2);
    EXPECT_TRUE(drewText(kept1, "Profil testu: Punktacja"));
    EXPECT_FALSE(drewText(kept1, "Anna Nowak"));
    EXPECT_TRUE(drewText(kept2, "Anna Nowak"));
    for (const auto* kept : {&kept1, &kept2}) {
        for (const auto& c : *kept) EXPECT_NE(c.name, "Data\\skala1.bmp");
    }

    // The miniature: a white page, the sheet outline, then the three stretches.
    const auto& calls = back0.calls();
    ASSERT_GE(calls.size(), 5u);
    const auto tail = std::vector<DrawCall>(calls.end() - 5, calls.end());
    EXPECT_EQ(tail[0].kind, DrawCall::Box);
    EXPECT_EQ(tail[0].rect, (Rect{0, 0, 1024, 768}));
    EXPECT_EQ(tail[0].colour, ui::kWhite);
    EXPECT_EQ(tail[0].outline, ui::kWhite);
    EXPECT_EQ(tail[1].kind, DrawCall::Box);
    EXPECT_EQ(tail[1].rect, (Rect{100, 8, 710, 760}));
    EXPECT_EQ(tail[1].colour, ui::kWhite);
    EXPECT_EQ(tail[1].outline, ui::kBlack);
    struct Stretch {
        const char* from;
        Rect source;
        Rect target;
    };
    const Stretch stretches[3] = {
        {"back1", {47, 80, 977, 605}, {120, 110, 690, 432}},
        {"back1", {47, 610, 977, 760}, {120, 70, 690, 120}},
        {"back2", {47, 142, 952, 662}, {120, 440, 690, 720}},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(tail[2 + i].kind, DrawCall::Stretch) << i;
        EXPECT_EQ(tail[2 + i].name, stretches[i].from) << i;
        EXPECT_EQ(tail[2 + i].source, stretches[i].source) << i;
        EXPECT_EQ(tail[2 + i].rect, stretches[i].target) << i;
    }
    EXPECT_EQ(back0.lineColour(), ui::kBlack);
    EXPECT_EQ(back0.backgroundMode(), ui::BackgroundMode::Opaque);
}

// The printed sheet takes page 1 from x 47 to 977 and page 2 from x 47 to 952: a left-aligned
// text line that runs further would lose its end on paper.
TEST(ChartPages, EveryPrintedTextLineEndsInsideThePrintedArea) {
    auto record = blankRecord();
    setText(record->diagnosticianName, "Anna Nowak");
    const auto measure = testing::newNativeSurface();
    for (const auto& [calls, right] : {std::pair{page1(*record, ChartMode::Print), 977},
                                       std::pair{page2(*record, ChartMode::Print), 952}}) {
        for (const DrawCall& c : calls) {
            if (c.kind != DrawCall::Text || c.flags != ui::text::kLeft) continue;
            size_t start = 0;
            while (start <= c.name.size()) {
                const size_t end = std::min(c.name.find('\n', start), c.name.size());
                const std::string line = c.name.substr(start, end - start);
                EXPECT_LE(c.rect.left + measure->textWidth(line, c.font), right)
                    << cp1250::toUtf8(line);
                start = end + 1;
            }
        }
    }
}

}  // namespace
}  // namespace lun4::reports
