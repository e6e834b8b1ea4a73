#include "reports/summary_form.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "model/scoring.h"
#include "reports/palette.h"

namespace lun4::reports {
namespace {

using ui::FontId;
using ui::Rect;
using ui::Surface;

constexpr ui::Rgb kGrey = rgb(kHeaderGrey);

std::string cp(std::u8string_view utf8) {
    return cp1250::fromLiteral(utf8);
}

// The band and first row of one scale block on its sheet.
struct BlockPlace {
    int band;
    int rows;
};

// What differs between the printed form and the one on screen.
struct Variant {
    int pitch;  // row pitch; a row box is one pixel taller, so that neighbours share an edge
    FontId titleFont;
    FontId itemFont;
    FontId bandFont;
    ui::Point logo;
    std::string homeTitle;
    std::string schoolWorkTitle;
    bool cutLines;

    // Sheet 1's own band boxes and text boxes.
    Rect areaBand, areaTitle;
    Rect band0, label0, nota0, notaCaption, remarksCaption;
    Rect band1, label1, nota1;
    Rect remarks0, remarks1;
    BlockPlace sheet1[2];
    // Sheets 2 to 7 (the area bands of sheets 4 and 6 lie at y 100 in both variants).
    BlockPlace sheet2[2];
    BlockPlace sheet3[2];
    BlockPlace sheets4and6[3];
    BlockPlace sheet5[3];
    BlockPlace sheet7[3];

    // The signature block of sheet 7: three columns (date, name, permit number), each with
    // its value on a dotted line and its caption under it.
    Rect examDate, diagnostician, permit;
    int dotsTop, dotsBottom;
    Rect dateCaption, nameCaption, permitCaption, warningBox;
    std::string warning;
};

const Variant& printVariant() {
    static const Variant v{
        22,
        FontId::ReportHeading,
        FontId::ReportBody,
        FontId::ReportEmphasis,
        {780, 30},
        "OBSZAR OBSERWACJI DOMOWEJ",
        "OBSZAR OBSERWACJI W SZKOLE I PRACY",
        true,
        {100, 143, 924, 165},
        {100, 145, 924, 165},
        {100, 164, 924, 187},
        {105, 166, 924, 187},
        {640, 164, 700, 185},
        {640, 166, 700, 186},
        {700, 166, 924, 186},
        {100, 448, 924, 471},
        {105, 450, 924, 471},
        {640, 448, 700, 471},
        {690, 184, 924, 449},
        {690, 448, 924, 735},
        {{164, 184}, {448, 470}},
        {{100, 121}, {407, 428}},
        {{100, 121}, {385, 406}},
        {{121, 142}, {318, 339}, {515, 536}},
        {{100, 121}, {297, 318}, {494, 515}},
        // Item 149 takes two rows: the blocks after it start one row lower.
        {{20, 41}, {239, 260}, {436, 457}},
        {100, 648, 310, 678},
        {320, 648, 704, 678},
        {718, 648, 920, 678},
        656,
        678,
        {100, 674, 310, 700},
        {410, 674, 615, 700},
        {718, 674, 920, 700},
        {100, 722, 924, 766},
        cp(u8"Uwaga! Formularz, na którym nie umieszczono nazwiska osoby diagnozującej oraz "
           u8"numeru jej uprawnień,\nnie ma wartości merytorycznej i nie może być podstawą do "
           u8"oceny umiejętności osoby diagnozowanej."),
    };
    return v;
}

const Variant& screenVariant() {
    static const Variant v{
        17,
        FontId::SummaryHeading,
        FontId::SummaryText,
        FontId::SummaryLabel,
        {780, 50},
        "OBSZAR DOMOWY",
        cp(u8"OBSZAR SZKOŁA/PRACA"),
        false,
        {100, 143, 924, 161},
        {100, 144, 924, 160},
        {100, 160, 924, 177},
        {105, 161, 924, 177},
        {640, 160, 700, 177},
        {640, 161, 700, 177},
        {700, 161, 924, 177},
        {100, 380, 924, 398},
        {105, 382, 924, 398},
        {640, 380, 700, 398},
        {690, 176, 924, 381},
        {690, 380, 924, 602},
        {{160, 176}, {380, 397}},
        {{100, 116}, {337, 353}},
        {{100, 116}, {320, 336}},
        {{116, 132}, {268, 284}, {420, 436}},
        {{100, 116}, {252, 268}, {404, 420}},
        {{20, 36}, {189, 205}, {341, 357}},
        {100, 507, 310, 528},
        {320, 507, 704, 528},
        {718, 507, 920, 528},
        511,
        528,
        {100, 525, 310, 545},
        {410, 525, 615, 545},
        {718, 525, 920, 545},
        {100, 562, 924, 596},
        // The screen variant once read "orza" here, and both called the form a chart.
        cp(u8"Uwaga! Formularz, na którym nie umieszczono nazwiska osoby diagnozującej oraz "
           u8"numeru jej uprawnień,\nnie ma wartości merytorycznej i nie może być podstawą do "
           u8"oceny umiejętności osoby diagnozowanej."),
    };
    return v;
}

// Texts both variants share.
struct FormTexts {
    std::string title = cp(u8"Zbiorczy Formularz Wyników Testu");
    std::string nameCaptionMale = cp(u8"Imię i nazwisko badanego :");
    std::string nameCaptionFemale = cp(u8"Imię i nazwisko badanej :");
    std::string directObservationTitle = cp(u8"OBSZAR BEZPOŚREDNIEJ OBSERWACJI");
    // The form writes the last scale in the singular.
    std::array<std::string, kScaleCount> scaleLabels = {
        cp(u8"Umiejętności wykonawcze"),
        cp(u8"Samodzielne funkcjonowanie"),
        cp(u8"Umiejętności spędzania wolnego czasu"),
        cp(u8"Adaptacja do pracy"),
        cp(u8"Komunikatywność"),
        cp(u8"Zachowanie interpersonalne"),
    };
    std::string dateCaption = "data badania";
    std::string nameSignatureCaption = cp(u8"imię i nazwisko");
    std::string permitCaption = cp(u8"nr uprawnień");
};

const FormTexts& texts() {
    static const FormTexts t;
    return t;
}

// Names too long for their cell are printed on two lines, broken at a blank; their row is
// one row taller, and the rows and blocks after it move down a row. Item 36 breaks at its
// 50th character (the blank after "z"), item 149 after "własności,".
struct TwoLineItem {
    int item;
    size_t breakAt;
};
constexpr TwoLineItem kTwoLineItems[] = {{36, 49}, {149, 27}};

const TwoLineItem* twoLineItem(int k) {
    for (const TwoLineItem& two : kTwoLineItems) {
        if (two.item == k) return &two;
    }
    return nullptr;
}

int twoLineItemsIn(int k0, int n) {
    int count = 0;
    for (int k = k0; k < k0 + n; ++k) count += twoLineItem(k) != nullptr;
    return count;
}

class SheetWriter {
  public:
    SheetWriter(Surface& page, const Variant& v, const ExamineeRecord& record)
        : page_(page), v_(v), record_(record) {}

    void clear() {
        page_.setLineColour(ui::kBlack);
        box({0, 0, ui::kFrameWidth, ui::kFrameHeight}, ui::kWhite);
    }

    void sheet1Header(ui::ImageSource& images) {
        page_.drawImage(images.loadBitmap("Data\\logo.bmp"), v_.logo.x, v_.logo.y);
        page_.setFont(v_.titleFont);
        left(texts().title, {110, 80, 1024, 768});
        page_.setFont(v_.itemFont);
        // The name starts a blank after the caption, however wide the caption is drawn.
        const std::string& caption = record_.gender == kGenderFemale ? texts().nameCaptionFemale
                                                                     : texts().nameCaptionMale;
        left(caption, {110, 123, 1024, 768});
        const int nameLeft =
            110 + page_.textWidth(caption, v_.itemFont) + page_.textWidth(" ", v_.itemFont);
        left(record_.fullName(), {nameLeft, 123, 1024, 768});
    }

    // Sheet 1 has band boxes of its own and the only "Nota" and "Uwagi" captions; its two
    // remarks boxes are drawn once, under the first scale band.
    void sheet1Blocks() {
        const FormTexts& t = texts();
        box(v_.areaBand, kGrey);
        page_.setFont(v_.bandFont);
        centred(t.directObservationTitle, v_.areaTitle);

        box(v_.band0, kGrey);
        left(t.scaleLabels[0], v_.label0);
        box(v_.nota0, kGrey);
        centred("Nota", v_.notaCaption);
        centred("Uwagi", v_.remarksCaption);
        box(v_.remarks0, ui::kWhite);
        box(v_.remarks1, ui::kWhite);
        rows(firstItem(ObservationArea::DirectObservation, scaleAt(0)), 12, v_.sheet1[0].rows,
             true);

        box(v_.band1, kGrey);
        page_.setFont(v_.bandFont);
        left(t.scaleLabels[1], v_.label1);
        box(v_.nota1, kGrey);
        rows(firstItem(ObservationArea::DirectObservation, scaleAt(1)), 12, v_.sheet1[1].rows,
             true);
    }

    void areaBand(int y, std::string_view title) {
        box({100, y, 924, y + v_.pitch}, kGrey);
        page_.setFont(v_.bandFont);
        // Down to the band's lower edge: the band font's descenders need the pixel.
        centred(title, {100, y + 2, 924, y + v_.pitch + 1});
    }

    void block(ObservationArea area, int scale, BlockPlace at, bool notaCell) {
        const int p = v_.pitch;
        const int n = itemsPerScale(area);
        const int k0 = firstItem(area, scaleAt(scale));
        box({100, at.band, 924, at.band + p}, kGrey);
        page_.setFont(v_.bandFont);
        left(texts().scaleLabels[scale], {105, at.band + 2, 924, at.band + p + 1});
        if (notaCell) box({640, at.band, 700, at.band + p}, kGrey);
        const int end = at.rows + p * (n + twoLineItemsIn(k0, n)) + 1;
        box({699, at.rows, 924, end}, ui::kWhite);
        rows(k0, n, at.rows, false);
    }

    void cutLine(int y) { page_.line(100, y, 924, y, 1, ui::kBlack); }

    void signatureBlock() {
        page_.setFont(v_.itemFont);
        centred(text(record_.examDate), v_.examDate);
        centred(text(record_.diagnosticianName), v_.diagnostician);
        centred(text(record_.diagnosticianPermitNo), v_.permit);
        // Each column's dotted line as wide as the column leaves, with a dot to spare.
        const int dot = std::max(1, page_.textWidth(".", v_.itemFont));
        for (const Rect& column : {v_.examDate, v_.diagnostician, v_.permit}) {
            const int dots = std::max(0, (column.right - column.left) / dot - 1);
            centred(std::string(static_cast<size_t>(dots), '.'),
                    {column.left, v_.dotsTop, column.right, v_.dotsBottom});
        }
        page_.setFont(FontId::SmallHeading);
        centred(texts().dateCaption, v_.dateCaption);
        centred(texts().nameSignatureCaption, v_.nameCaption);
        centred(texts().permitCaption, v_.permitCaption);
        page_.setTextColour(kWarningRed);
        left(v_.warning, v_.warningBox);
        page_.setTextColour(ui::kBlack);
    }

  private:
    void box(Rect r, ui::Rgb fill) {
        page_.setFillColour(fill);
        page_.box(r);
    }
    void left(std::string_view s, Rect r) { page_.drawText(s, r, ui::text::kLeft); }
    void centred(std::string_view s, Rect r) { page_.drawText(s, r, ui::text::kCenter); }

    // Number, name and score cell of items k0 .. k0 + n - 1 from row top y0.
    void rows(int k0, int n, int y0, bool sheet1) {
        const int p = v_.pitch;
        int y = y0;
        for (int i = 0; i < n; ++i, y += p) {
            page_.setFont(v_.itemFont);
            const int k = k0 + i;
            const TwoLineItem* two = twoLineItem(k);
            const bool twoLines = two != nullptr;
            const int bottom = y + (twoLines ? 2 * p + 1 : p + 1);
            const int textTop = y + (twoLines ? 3 : 2);
            // Items 9-12 of a direct-observation scale enter no chart: greyed on the form.
            const bool extra = areaOf(k) == ObservationArea::DirectObservation &&
                               positionOf(k) >= kChartBlockLength;
            const ui::Rgb fill = extra ? kGrey : ui::kWhite;
            box({100, y, 140, bottom}, fill);
            left(std::to_string(k), {105, textTop, 140, bottom});
            box({139, y, extra && sheet1 ? 691 : 641, bottom}, fill);
            std::string name(itemName(k));
            if (twoLines && name.size() > two->breakAt) name[two->breakAt] = '\n';
            left(name, {k <= 12 ? 149 : 144, textTop, 641, bottom});
            const char code = record_.scores[k];
            box({640, y, 700, bottom}, scoreFill(code));
            if (const std::string_view letter = scoreLetter(code); !letter.empty()) {
                page_.setFont(v_.bandFont);
                page_.setTextColour(scoreLetterColour(code));
                centred(letter, {640, textTop, 700, bottom});
                page_.setTextColour(ui::kBlack);
            }
            if (twoLines) y += p;
        }
    }

    Surface& page_;
    const Variant& v_;
    const ExamineeRecord& record_;
};

void composeSheet(int sheet, SheetWriter& w, const Variant& v, ui::ImageSource& images) {
    using enum ObservationArea;
    w.clear();
    switch (sheet) {
        case 1:
            w.sheet1Header(images);
            w.sheet1Blocks();
            break;
        case 2:
            // Both blocks of this sheet have a plain band without the "Nota" cell.
            w.block(DirectObservation, 2, v.sheet2[0], false);
            w.block(DirectObservation, 3, v.sheet2[1], false);
            if (v.cutLines) w.cutLine(494);
            break;
        case 3:
            w.block(DirectObservation, 4, v.sheet3[0], true);
            w.block(DirectObservation, 5, v.sheet3[1], true);
            break;
        case 4:
            w.areaBand(100, v.homeTitle);
            for (int s = 0; s < 3; ++s) w.block(Home, s, v.sheets4and6[s], true);
            if (v.cutLines) w.cutLine(449);
            break;
        case 5:
            for (int s = 3; s < 6; ++s) w.block(Home, s, v.sheet5[s - 3], true);
            break;
        case 6:
            w.areaBand(100, v.schoolWorkTitle);
            for (int s = 0; s < 3; ++s) w.block(SchoolWork, s, v.sheets4and6[s], true);
            if (v.cutLines) w.cutLine(361);
            break;
        case 7:
            for (int s = 3; s < 6; ++s) w.block(SchoolWork, s, v.sheet7[s - 3], true);
            w.signatureBlock();
            break;
        default:
            break;
    }
}

}  // namespace

void composeSummaryForm(int part, SummaryVariant variant, PageBuffers buffers,
                        ui::ImageSource& images, const ExamineeRecord& record) {
    if (part < 1 || part > kSummaryPartCount) return;
    const Variant& v = variant == SummaryVariant::Print ? printVariant() : screenVariant();
    Surface& page = buffers.back0;
    SheetWriter writer(page, v, record);
    page.setBackgroundMode(ui::BackgroundMode::Transparent);
    const int first = 2 * part - 1;
    composeSheet(first, writer, v, images);
    buffers.back1.copyWhole(page);
    if (first + 1 <= kSummarySheetCount) {
        composeSheet(first + 1, writer, v, images);
        buffers.back2.copyWhole(page);
    }
    page.setTextColour(ui::kBlack);
}

}  // namespace lun4::reports
