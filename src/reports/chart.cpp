#include "reports/chart.h"

#include <array>
#include <string>
#include <string_view>

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "model/scoring.h"
#include "reports/page_label.h"
#include "reports/palette.h"

namespace lun4::reports {
namespace {

using ui::FontId;
using ui::Rect;
using ui::Surface;

constexpr ui::Rgb kGrey = rgb(kHeaderGrey);
constexpr ui::Rgb kLightGrey = rgb(kExtraItemNotScoredColour);
constexpr ui::Rgb kNumberGrey = rgb(kItemNumberGrey);
constexpr ui::Rgb kSlotOutline = rgb(kPage2OutlineGrey);

constexpr std::string_view kPreviewBackground = "Data\\skala1.bmp";
constexpr std::string_view kLogo = "Data\\logo.bmp";

constexpr std::array<std::string_view, kScaleCount> kScaleShortNames = {"UW", "SF", "USC",
                                                                        "AP", "K",  "ZI"};
constexpr std::array<std::string_view, kAreaCount> kAreaShortNames = {"OB.", "D", "S/P"};

struct CaptionText {
    const char8_t* utf8;
    int top;
};
// The scale names under the plot; the three-line one starts higher so that all end at 493.
constexpr std::array<CaptionText, kScaleCount> kScaleCaptions = {{
    {u8"Umiejętności\nwykonawcze", 450},
    {u8"Samodzielne\nfunkcjonowanie", 450},
    {u8"Umiejętności\nspędzania\nwolnego czasu", 443},
    {u8"Adaptacja do\npracy", 450},
    {u8"Komunikatywność", 458},
    {u8"Zachowania\ninterpersonalne", 450},
}};

std::string cp(std::u8string_view utf8) {
    return cp1250::fromLiteral(utf8);
}

// The texts of the page, converted once.
struct ChartTexts {
    std::array<std::string, kScaleCount> scaleCaptions;
    std::string nameCaptionMale = cp(u8"Imię i nazwisko badanego :");
    std::string nameCaptionFemale = cp(u8"Imię i nazwisko badanej :");
    // The legend of the printed chart: the colours by name, for a copy in black and white,
    // and how the bars count direct observation (the report counts all 12 items).
    std::string legendColours =
        cp(u8"Z – zaliczone (zielony), P – pojawiające się (żółty), N – niezaliczone (czerwony)");
    std::string legendDirectObservation =
        cp(u8"Obserwacja diagnosty: słupki – pozycje 1–8, pola 9–12 – pozycje utrudnione, "
           u8"oceniane osobno");
    std::string directObservation = cp(u8"- Obserwacja bezpośrednia");
    std::string schoolWork = cp(u8"- Szkoła/Praca");
    std::string leftGraphTitle = cp(u8"Obszar umiejętności rozwojowych");
    std::string diagnosticianCaption = cp(u8"Imię i nazwisko osoby diagnozującej");
    std::string permitCaption = cp(u8"Nr uprawnień");
    // Broken after "wartości" as on the summary form: the printed sheet takes page 2 up to
    // x 952 only, and a longer first line would lose its last word on paper.
    std::string warning = cp(
        u8"Uwaga! Wykres, na którym nie umieszczono nazwiska osoby diagnozującej oraz numeru jej "
        u8"uprawnień, nie ma wartości\nmerytorycznej i nie może być podstawą do oceny "
        u8"umiejętności osoby diagnozowanej.");

    ChartTexts() {
        for (int s = 0; s < kScaleCount; ++s) scaleCaptions[s] = cp(kScaleCaptions[s].utf8);
    }
};

const ChartTexts& texts() {
    static const ChartTexts t;
    return t;
}

void box(Surface& page, Rect r, ui::Rgb fill) {
    page.setFillColour(fill);
    page.box(r);
}

void centred(Surface& page, std::string_view s, Rect r) {
    page.drawText(s, r, ui::text::kCenter);
}

void left(Surface& page, std::string_view s, Rect r) {
    page.drawText(s, r, ui::text::kLeft);
}

// The fill of a bar slot: the colour of its item's score, white for an empty slot.
ui::Rgb slotFill(const ExamineeRecord& record, int item) {
    return item == kEmptySlot ? rgb(kNotScoredColour) : scoreFill(record.scores[item]);
}

// Page 1's columns: column c belongs to scale c / 3 and area c % 3.
int columnX(int c) {
    return 104 + 48 * c;
}
int blockLeft(int s) {
    return s == 0 ? 104 : 103 + 144 * s;
}
int blockRight(int s) {
    return 248 + 144 * s;
}

void beginPage(Surface& page, ui::ImageSource& images, ChartMode mode, int pageNumber) {
    page.setBackgroundMode(ui::BackgroundMode::Transparent);
    page.setLineColour(ui::kBlack);
    box(page, {0, 0, ui::kFrameWidth, ui::kFrameHeight}, ui::kWhite);
    if (mode == ChartMode::Preview) page.drawImage(images.loadBitmap(kPreviewBackground), 0, 0);
    drawPageLabel(page, pageNumber, 2);
}

void headerRows(Surface& page) {
    page.setFont(FontId::ReportHeading);
    for (int s = 0; s < kScaleCount; ++s) {
        box(page, {blockLeft(s), 105, blockRight(s), 130}, kGrey);
        centred(page, kScaleShortNames[s], {blockLeft(s), 107, blockRight(s), 130});
    }
    page.setFont(FontId::ChartLabel);
    for (int c = 0; c < 3 * kScaleCount; ++c) {
        const int l = c == 0 ? 104 : 103 + 48 * c;
        const int r = c == 0 ? 153 : 152 + 48 * c;
        box(page, {l, 129, r, 155}, kGrey);
        centred(page, kAreaShortNames[c % 3], {l, 133, r, 155});
    }
}

void levelColumn(Surface& page) {
    for (int n = 12; n >= 1; --n) {
        const int t = n == 12 ? 155 : 154 + 24 * (12 - n);
        const int b = 179 + 24 * (12 - n);
        box(page, {50, t, 104, b}, kGrey);
        centred(page, std::to_string(n), {50, t + 5, 104, b});
    }
}

void plotFrames(Surface& page) {
    page.setFillColour(kGrey);
    for (int s = 0; s < kScaleCount; ++s) page.box({104 + 144 * s, 155, 248 + 144 * s, 493});
    for (int s = 0; s < kScaleCount; ++s) {
        page.box({s == 0 ? 105 : 104 + 144 * s, 156, 247 + 144 * s, 493});
    }
    page.box({967, 154, 969, 493});
    page.box({103, 156, 105, 493});
}

void countRowLabels(Surface& page) {
    page.setFillColour(kGrey);
    for (int row = 0; row < 4; ++row) page.box({50, 492 + 24 * row, 104, 517 + 24 * row});
    page.setFont(FontId::SmallHeading);
    static constexpr std::array<std::string_view, 4> kLabels = {"Zali.", "Ob.", "Nz", "Suma"};
    for (int row = 0; row < 4; ++row)
        centred(page, kLabels[row], {50, 498 + 24 * row, 104, 517 + 24 * row});
}

// Home and school/work have 8 items: their levels 9 to 12 are closed off in grey.
void upperAreas(Surface& page) {
    page.setFillColour(kGrey);
    for (int s = 0; s < kScaleCount; ++s) {
        const int a = s == 0 ? 151 : 150 + 144 * s;
        const int r = 247 + 144 * s;
        page.box({a, 154, r, 250});
        page.box({a + 1, 154, a + 3, 250});
        page.box({a, 250, r, 252});
    }
}

void scaleCaptions(Surface& page) {
    page.setFont(FontId::SmallHeading);
    for (int s = 0; s < kScaleCount; ++s) {
        centred(page, texts().scaleCaptions[s],
                {blockLeft(s), kScaleCaptions[s].top, blockRight(s), 493});
    }
}

void countRows(Surface& page, const ExamineeRecord& record) {
    page.setFont(FontId::SmallHeading);
    std::array<AreaScaleCounts, 3 * kScaleCount> counts;
    std::array<ScaleTotals, kScaleCount> totals;
    for (int s = 0; s < kScaleCount; ++s) {
        totals[s] = scaleTotals(record, scaleAt(s));
        for (int a = 0; a < kAreaCount; ++a)
            counts[3 * s + a] = areaScaleCounts(record, areaAt(a), scaleAt(s));
    }
    const std::array<ui::Rgb, 3> fills = {rgb(kPassColour), rgb(kEmergingColour), rgb(kFailColour)};
    // Numbers on red are white, as the summary form's letters: black on red is hard to read
    // on a black-and-white copy.
    auto cell = [&](int c, int y, ui::Rgb fill, int number) {
        box(page, {103 + 48 * c, y, 152 + 48 * c, y + 25}, fill);
        page.setTextColour(fill == fills[2] ? scoreLetterColour(kFail) : ui::kBlack);
        centred(page, std::to_string(number), {103 + 48 * c, y + 5, 152 + 48 * c, y + 25});
        page.setTextColour(ui::kBlack);
    };
    for (int c = 0; c < 3 * kScaleCount; ++c) cell(c, 492, fills[0], counts[c].pass);
    for (int c = 0; c < 3 * kScaleCount; ++c) cell(c, 516, fills[1], counts[c].emerging);
    for (int c = 0; c < 3 * kScaleCount; ++c) cell(c, 540, fills[2], counts[c].fail);
    // The totals row: the scale's passes under direct observation, its emerging items under
    // home and its failures under school/work.
    for (int c = 0; c < 3 * kScaleCount; ++c) {
        const ScaleTotals& t = totals[c / 3];
        const int a = c % 3;
        cell(c, 564, fills[a], a == 0 ? t.pass : a == 1 ? t.emerging : t.fail);
    }
}

// Items 9-12 of each direct-observation scale enter no bar; each is a box of its own on
// levels 9 to 12 of the direct-observation column, with its number in grey.
void extraItems(Surface& page, const ExamineeRecord& record) {
    for (int s = 0; s < kScaleCount; ++s) {
        const int e = s == 0 ? 105 : 104 + 144 * s;
        for (int i = 0; i < 4; ++i) {
            const int k = 12 * s + 9 + i;
            const char code = record.scores[k];
            const int top = i < 3 ? 226 - 24 * i : 156;
            const int bottom = 251 - 24 * i;
            box(page, {e, top, e + 47, bottom}, code == kNotScored ? kLightGrey : scoreFill(code));
            page.setTextColour(kNumberGrey);
            centred(page, std::to_string(k),
                    i < 3 ? Rect{e, top + 7, e + 47, bottom} : Rect{e, 161, e + 47, 179});
            page.setTextColour(ui::kBlack);
        }
    }
}

struct BarOffsets {
    int left;
    int right;
    int topRight;  // right offset of the top box
};

BarOffsets barOffsets(int a, int s) {
    switch (a) {
        case 0:
            return s == 0 ? BarOffsets{1, 49, 49} : BarOffsets{0, 48, 48};
        case 1:
            return s == 0 ? BarOffsets{0, 49, 51} : BarOffsets{-2, 49, 51};
        default:
            return {0, 47, 47};
    }
}

void bars(Surface& page, const ExamineeRecord& record) {
    for (int a = 0; a < kAreaCount; ++a) {
        for (int s = 0; s < kScaleCount; ++s) {
            const int x = columnX(3 * s + a);
            const BarOffsets o = barOffsets(a, s);
            const std::vector<int> slots = barSlots(record, chartBlock(areaAt(a), scaleAt(s)));
            for (int j = 0; j < kChartBlockLength; ++j) {
                const bool top = j == kChartBlockLength - 1;
                // The top box of home and school/work starts below the grey floor at 250.
                const int t = top && a != 0 ? 251 : 418 - 24 * j;
                const int r = top ? o.topRight : o.right;
                box(page, {x + o.left, t, x + r, 443 - 24 * j}, slotFill(record, slots[j]));
            }
        }
    }
}

// Draws `caption` at x and `value` a blank after it, however wide the caption is drawn.
void captioned(Surface& page, std::string_view caption, std::string_view value, Rect r) {
    left(page, caption, r);
    r.left += page.textWidth(caption, FontId::ReportBody) + page.textWidth(" ", FontId::ReportBody);
    left(page, value, r);
}

// From the top: the heading, the examinee, the two-line legend, the three areas and the date.
void headerBlock(Surface& page, ui::ImageSource& images, const ExamineeRecord& record) {
    const ChartTexts& t = texts();
    page.setFont(FontId::ReportHeading);
    left(page, "Profil testu: Punktacja", {50, 610, 1024, 633});
    page.setFont(FontId::ReportBody);
    captioned(page, record.gender == kGenderFemale ? t.nameCaptionFemale : t.nameCaptionMale,
              record.fullName(), {50, 635, 1024, 655});
    page.setFont(FontId::ReportText);
    left(page, t.legendColours, {50, 659, 1024, 677});
    left(page, t.legendDirectObservation, {50, 677, 1024, 695});
    page.setFont(FontId::ReportBody);
    captioned(page, "Data badania :", lun4::text(record.examDate), {600, 740, 1024, 760});
    page.setFont(FontId::ReportEmphasis);
    left(page, "OB", {50, 700, 1024, 760});
    left(page, "D", {50, 720, 1024, 760});
    left(page, "S/P", {50, 740, 1024, 760});
    page.setFont(FontId::ReportBody);
    left(page, t.directObservation, {105, 700, 1024, 760});
    left(page, "- Dom", {105, 720, 1024, 760});
    left(page, t.schoolWork, {105, 740, 1024, 760});
    page.drawImage(images.loadBitmap(kLogo), 850, 610);
}

// Page 2's left graph: one bar per scale over its three areas, three items to a level.
void scaleGraph(Surface& page, const ExamineeRecord& record) {
    page.setFillColour(kGrey);
    page.setFont(FontId::ChartLabel);
    for (int n = 12; n >= 1; --n) {
        const int t = 223 + 24 * (12 - n);
        page.box({50, t, 130, t + 25});
        centred(page, std::to_string(n), {50, t + 5, 130, t + 25});
    }
    page.setFont(FontId::ReportHeading);
    for (int s = 0; s < kScaleCount; ++s) {
        const int l = 129 + 80 * s;
        page.box({l, 200, 210 + 80 * s, 224});
        centred(page, kScaleShortNames[s], {l, 202, 210 + 80 * s, 224});
    }
    // Levels 9 to 12 stay empty: 24 items make 8 levels.
    page.setFillColour(kLightGrey);
    for (int s = 0; s < kScaleCount; ++s) {
        for (int i = 0; i < 4; ++i)
            page.box({129 + 80 * s, 223 + 24 * i, 210 + 80 * s, 248 + 24 * i});
    }
    for (int s = 0; s < kScaleCount; ++s) {
        const int x = 129 + 80 * s;
        const auto blocks = scaleBarBlocks(scaleAt(s));
        const std::vector<int> slots = barSlots(record, blocks);
        page.setLineColour(kSlotOutline);
        for (int j = 0; j < static_cast<int>(slots.size()); ++j) {
            box(page, {x, 503 - 8 * j, x + 81, 512 - 8 * j}, slotFill(record, slots[j]));
        }
        page.setLineColour(ui::kBlack);
        page.line(x, 201, x, 512, 1, ui::kBlack);
        page.line(x + 80, 201, x + 80, 512, 1, ui::kBlack);
        for (int i = 0; i < 8; ++i) page.line(x, 487 - 24 * i, x + 80, 487 - 24 * i, 1, ui::kBlack);
        page.line(x, 511, x + 80, 511, 1, ui::kBlack);
    }
}

// Page 2's right graph: one bar per area over its six scales, six items to a level.
void areaGraph(Surface& page, const ExamineeRecord& record) {
    for (int a = 0; a < kAreaCount; ++a) {
        const int x = 689 + 80 * a;
        const auto blocks = areaBarBlocks(areaAt(a));
        const std::vector<int> slots = barSlots(record, blocks);
        page.setLineColour(kSlotOutline);
        for (int j = 0; j < static_cast<int>(slots.size()); ++j) {
            box(page, {x, 507 - 4 * j, x + 81, 512 - 4 * j}, slotFill(record, slots[j]));
        }
        page.setLineColour(ui::kBlack);
        page.line(x, 297, x, 512, 1, ui::kBlack);
        page.line(x + 80, 297, x + 80, 512, 1, ui::kBlack);
        for (int i = 0; i < 8; ++i) page.line(x, 487 - 24 * i, x + 80, 487 - 24 * i, 1, ui::kBlack);
        page.line(x, 511, x + 80, 511, 1, ui::kBlack);
    }
    page.setFont(FontId::ReportHeading);
    page.setFillColour(kGrey);
    static constexpr std::array<std::string_view, kAreaCount> kLabels = {"OB", "D", "S/P"};
    for (int a = 0; a < kAreaCount; ++a) {
        page.box({689 + 80 * a, 295, 770 + 80 * a, 320});
        centred(page, kLabels[a], {689 + 80 * a, 297, 770 + 80 * a, 320});
    }
}

void signatureBlock(Surface& page, const ExamineeRecord& record) {
    const ChartTexts& t = texts();
    const std::string dots(54, '.');
    page.setFont(FontId::ReportEmphasis);
    left(page, lun4::text(record.diagnosticianName), {60, 580, 1024, 655});
    page.setFont(FontId::ReportBody);
    left(page, dots, {60, 590, 1024, 655});
    left(page, dots, {660, 590, 1024, 655});
    page.setFont(FontId::ReportEmphasis);
    left(page, lun4::text(record.diagnosticianPermitNo), {660, 580, 1024, 655});
    page.setFont(FontId::ReportBody);
    left(page, t.diagnosticianCaption, {60, 610, 1024, 655});
    left(page, t.permitCaption, {660, 610, 1024, 655});
    page.setFont(FontId::SmallHeading);
    page.setTextColour(kWarningRed);
    left(page, t.warning, {60, 630, 1024, 760});
    page.setTextColour(ui::kBlack);
}

}  // namespace

void composeChartPage1(Surface& page, ui::ImageSource& images, const ExamineeRecord& record,
                       ChartMode mode) {
    page.setFont(FontId::ReportHeading);
    beginPage(page, images, mode, 1);
    headerRows(page);
    levelColumn(page);
    plotFrames(page);
    countRowLabels(page);
    upperAreas(page);
    scaleCaptions(page);
    countRows(page, record);
    extraItems(page, record);
    bars(page, record);
    if (mode == ChartMode::Print) headerBlock(page, images, record);
    page.setBackgroundMode(ui::BackgroundMode::Opaque);
}

void composeChartPage2(Surface& page, ui::ImageSource& images, const ExamineeRecord& record,
                       ChartMode mode) {
    beginPage(page, images, mode, 2);
    scaleGraph(page, record);
    areaGraph(page, record);
    page.line(130, 319, 928, 319, 3, ui::kBlack);
    page.setFont(FontId::ChartLabel);
    for (int n = 8; n >= 1; --n) {
        page.drawText(std::to_string(n), {609, 324 + 24 * (8 - n), 685, 344 + 24 * (8 - n)},
                      ui::text::kRight);
    }
    page.setFont(FontId::ReportEmphasis);
    left(page, texts().leftGraphTitle, {230, 160, 1024, 655});
    left(page, "Obszar trzech obserwacji", {710, 160, 1024, 655});
    if (mode == ChartMode::Print) signatureBlock(page, record);
    page.setBackgroundMode(ui::BackgroundMode::Opaque);
}

void composeChartOverview(PageBuffers buffers, ui::ImageSource& images,
                          const ExamineeRecord& record) {
    Surface& page = buffers.back0;
    page.setBackgroundMode(ui::BackgroundMode::Transparent);
    composeChartPage1(page, images, record, ChartMode::Print);
    buffers.back1.copyWhole(page);
    composeChartPage2(page, images, record, ChartMode::Print);
    buffers.back2.copyWhole(page);

    page.setLineColour(ui::kWhite);
    box(page, {0, 0, ui::kFrameWidth, ui::kFrameHeight}, ui::kWhite);
    page.setLineColour(ui::kBlack);
    page.box({100, 8, 710, 760});  // the sheet
    // Source rectangles as origin and size: page 1's chart, its header block, page 2's graphs.
    page.stretchFrom(buffers.back1, {47, 80, 47 + 930, 80 + 525}, {120, 110, 120 + 570, 110 + 322});
    page.stretchFrom(buffers.back1, {47, 610, 47 + 930, 610 + 150}, {120, 70, 120 + 570, 70 + 50});
    page.stretchFrom(buffers.back2, {47, 142, 47 + 905, 142 + 520},
                     {120, 440, 120 + 570, 440 + 280});
    page.setLineColour(ui::kBlack);
}

}  // namespace lun4::reports
