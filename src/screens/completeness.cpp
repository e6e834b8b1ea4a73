#include "screens/completeness.h"

#include "model/catalogue.h"
#include "model/cp1250.h"

namespace lun4 {
namespace {

std::string polish(std::string_view utf8) {
    return cp1250::fromUtf8Lossy(utf8);
}

constexpr ui::Rgb kInk{33, 45, 54};
constexpr ui::Rgb kInkSoft{88, 102, 113};
constexpr ui::Rgb kAccent{38, 112, 122};
constexpr ui::Rgb kTrack{220, 226, 232};
constexpr ui::Rgb kPassInk{40, 120, 70};
constexpr ui::Rgb kLeftInk{160, 70, 30};

// The areas as the notice names them, after "obszar".
constexpr std::string_view kAreaShortNames[kAreaCount] = {"diagnosty", "w domu",
                                                          "w szkole i pracy"};

// The main menu's panel: its third line, below the name.
constexpr ui::Rect kCountText{612, 202, 770, 218};
constexpr ui::Rect kCountBar{772, 207, 852, 213};

// The print menu's lower band (its picture is drawn at (94, 172)).
constexpr int kBandLeft = 120;
constexpr int kBandTop = 580;
constexpr int kStatusLeft = 400;
constexpr int kBandLine = 20;
// Under the sheet button, right-aligned with it, clear of the area lines on the left.
constexpr ui::Rect kPrintNotice{500, 650, 920, 668};

constexpr ui::Rect kPreviewNotice{36, 664, 988, 690};

}  // namespace

std::string scoredCountText(const Completeness& c) {
    return "Ocenione: " + std::to_string(c.scored) + " ze " + std::to_string(kItemCount);
}

std::string areaStatusText(int unscored) {
    if (unscored == 0) return "wszystkie ocenione";
    return "bez oceny: " + std::to_string(unscored);
}

std::string incompleteNotice(const Completeness& c) {
    std::string text = polish("Ocena niepełna: ocenione ") + std::to_string(c.scored) + " ze " +
                       std::to_string(kItemCount) + polish(" pozycji. Bez oceny – obszar ");
    bool first = true;
    for (int a = 0; a < kAreaCount; ++a) {
        if (c.unscored[a] == 0) continue;
        if (!first) text += ", ";
        first = false;
        text += polish(kAreaShortNames[a]) + ": " + std::to_string(c.unscored[a]);
    }
    return text + ".";
}

void drawScoredCount(ui::Surface& target, const ExamineeRecord& record) {
    const Completeness c = completeness(record);
    target.setFont(ui::FontId::SmallHeading);
    target.setTextColour(kInk);
    target.drawText(scoredCountText(c), kCountText, ui::text::kLeft | ui::text::kSingleLine);
    target.fill(kCountBar, kTrack);
    const int filled = (kCountBar.right - kCountBar.left) * c.scored / kItemCount;
    if (filled > 0) {
        target.fill({kCountBar.left, kCountBar.top, kCountBar.left + filled, kCountBar.bottom},
                    c.complete() ? kPassInk : kAccent);
    }
    target.setTextColour(ui::kBlack);
}

void drawPrintMenuCompleteness(ui::Surface& target, const ExamineeRecord& record) {
    const Completeness c = completeness(record);
    const unsigned flags = ui::text::kLeft | ui::text::kSingleLine;
    target.setBackgroundMode(ui::BackgroundMode::Transparent);
    target.setFont(ui::FontId::SmallHeading);
    target.setTextColour(kInk);
    target.drawText(scoredCountText(c), {kBandLeft, kBandTop, kStatusLeft + 200, kBandTop + 18},
                    flags);
    for (int a = 0; a < kAreaCount; ++a) {
        const int y = kBandTop + kBandLine * (a + 1) + 2;
        target.setFont(ui::FontId::SummaryText);
        target.setTextColour(kInkSoft);
        target.drawText(areaTitle(areaAt(a)), {kBandLeft, y, kStatusLeft - 10, y + 18}, flags);
        target.setFont(ui::FontId::SummaryLabel);
        target.setTextColour(c.unscored[a] == 0 ? kPassInk : kLeftInk);
        target.drawText(areaStatusText(c.unscored[a]), {kStatusLeft, y, 660, y + 18}, flags);
    }
    target.setTextColour(ui::kBlack);
}

void drawPreviewNotice(ui::Surface& target, std::string_view text, NoticeKind kind) {
    const bool warning = kind == NoticeKind::Warning;
    target.setFillColour(warning ? ui::Rgb{255, 244, 214} : ui::Rgb{223, 237, 239});
    target.setLineColour(warning ? ui::Rgb{214, 170, 80} : ui::Rgb{176, 207, 211});
    target.box(kPreviewNotice);
    target.setBackgroundMode(ui::BackgroundMode::Transparent);
    target.setFont(ui::FontId::SummaryText);
    target.setTextColour(warning ? ui::Rgb{92, 60, 10} : ui::Rgb{27, 84, 92});
    target.drawText(text,
                    {kPreviewNotice.left + 12, kPreviewNotice.top, kPreviewNotice.right - 12,
                     kPreviewNotice.bottom},
                    ui::text::kLeft | ui::text::kVCenter | ui::text::kSingleLine);
    target.setTextColour(ui::kBlack);
    target.setFillColour(ui::kWhite);
    target.setLineColour(ui::kBlack);
}

void drawPrintMenuNotice(ui::Surface& target, std::string_view text) {
    target.setBackgroundMode(ui::BackgroundMode::Transparent);
    target.setFont(ui::FontId::SummaryText);
    target.setTextColour(kAccent);
    target.drawText(text, kPrintNotice, ui::text::kRight | ui::text::kSingleLine);
    target.setTextColour(ui::kBlack);
}

}  // namespace lun4
