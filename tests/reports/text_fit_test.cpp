// Every fixed text of the documents fits the box it is drawn in, measured in its own font:
// nothing is clipped by its cell, on screen or on paper.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/catalogue.h"
#include "model/cp1250.h"
#include "polish_text.h"
#include "reports/chart.h"
#include "reports/comparison_document.h"
#include "reports/narrative_report.h"
#include "reports/summary_form.h"
#include "native_surface.h"
#include "ui/recording_surface.h"

namespace lun4::reports {
namespace {

using testing::cp;

// The texts of a page that do not fit their rectangle: wider than it (left-aligned texts
// from their left edge, centred ones as a whole) or with more lines than it is tall. Texts
// that wrap at words, and rectangles that run to the page's edge, are left to the page.
std::vector<std::string> clippedTexts(const std::vector<ui::DrawCall>& calls) {
    const auto metrics = testing::newNativeSurface();
    std::vector<std::string> clipped;
    for (const ui::DrawCall& call : calls) {
        if (call.kind != ui::DrawCall::Text || (call.flags & ui::text::kWordBreak)) continue;
        int lines = 0;
        int widest = 0;
        for (size_t start = 0; start <= call.name.size();) {
            size_t end = call.name.find('\n', start);
            if (end == std::string::npos) end = call.name.size();
            std::string line = call.name.substr(start, end - start);
            while (!line.empty() && line.back() == '\r') line.pop_back();
            widest = std::max(widest, metrics->textWidth(line, call.font));
            ++lines;
            start = end + 1;
        }
        const ui::Rect r = call.rect;
        const int height = lines * ui::fontSpec(call.font).cellHeight;
        const bool toPageEdge = r.right >= ui::kFrameWidth;
        const bool tooWide = !toPageEdge && widest > r.right - r.left;
        const bool tooTall = r.bottom < ui::kFrameHeight && r.top + height > r.bottom;
        if (tooWide || tooTall) {
            clipped.push_back(cp1250::toUtf8(call.name) + " in " + std::to_string(r.left) + "," +
                              std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                              std::to_string(r.bottom) + (tooWide ? " too wide" : " too tall"));
        }
    }
    return clipped;
}

// A record filled in as fully as a diagnostician does, with the longest gendered forms.
ExamineeRecord filledRecord(char gender) {
    ExamineeRecord r;
    setText(r.firstName, cp("Małgorzata"));
    setText(r.lastName, cp("Wiśniewska-Żółkiewska"));
    setText(r.birthDate, cp("12.05.1999"));
    setText(r.examDate, cp("14.03.2024"));
    setText(r.diagnosticianName, cp("dr hab. Joanna Przybyszewska-Kowalczyk"));
    setText(r.diagnosticianPermitNo, cp("1234/2020/WTZ"));
    for (int k = 1; k <= kItemCount; ++k) r.scores[k] = k % 3 == 0 ? kPass : k % 3 ? kFail : kEmerging;
    r.gender = gender;
    return r;
}

TEST(TextFit, EveryFixedTextOfTheReportsFixedPagesFitsItsBox) {
    for (char gender : {kGenderFemale, kGenderMale}) {
        NarrativeReport report;
        ui::FakeImageSource images;
        for (int p = 1; p <= 3; ++p) {
            ui::RecordingSurface page;
            report.composePage(page, images, filledRecord(gender),
                               {cp("Warszawa, 14 marca 2024 r."), cp("Poradnia nr 3")}, p);
            EXPECT_EQ(clippedTexts(page.calls()), std::vector<std::string>{})
                << "page " << p << ", gender " << gender;
        }
    }
}

TEST(TextFit, EveryTextOfTheChartsPagesFitsItsBox) {
    ui::FakeImageSource images;
    for (char gender : {kGenderFemale, kGenderMale}) {
        for (ChartMode mode : {ChartMode::Print, ChartMode::Preview}) {
            ui::RecordingSurface page1;
            composeChartPage1(page1, images, filledRecord(gender), mode);
            EXPECT_EQ(clippedTexts(page1.calls()), std::vector<std::string>{});
            ui::RecordingSurface page2;
            composeChartPage2(page2, images, filledRecord(gender), mode);
            EXPECT_EQ(clippedTexts(page2.calls()), std::vector<std::string>{});
        }
    }
}

// Item names on their cells too: every one of the 168 in both variants.
TEST(TextFit, EveryTextOfTheSummaryFormsSheetsFitsItsBox) {
    ui::FakeImageSource images;
    for (SummaryVariant variant : {SummaryVariant::Print, SummaryVariant::Screen}) {
        for (int part = 1; part <= kSummaryPartCount; ++part) {
            ui::RecordingSurface back0, back1, back2;
            back0.setDropsHiddenCalls(true);
            composeSummaryForm(part, variant, {back0, back1, back2}, images,
                               filledRecord(kGenderFemale));
            for (const ui::RecordingSurface* sheet : {&back1, &back2}) {
                for (const ui::DrawCall& copy : sheet->calls()) {
                    if (!copy.content) continue;
                    EXPECT_EQ(clippedTexts(*copy.content), std::vector<std::string>{})
                        << "part " << part << (variant == SummaryVariant::Print ? " print" : " screen");
                }
            }
        }
    }
}

// Every page of a comparison in which every item changed: all 168 names in the list's column,
// the table's labels and dates, the summary's lines as the page breaks them.
TEST(TextFit, EveryTextOfTheComparisonsPagesFitsItsBox) {
    const auto metrics = testing::newNativeSurface();
    ui::FakeImageSource images;
    for (char gender : {kGenderFemale, kGenderMale}) {
        auto earlier = std::make_unique<ExamineeRecord>(filledRecord(gender));
        auto later = std::make_unique<ExamineeRecord>(*earlier);
        setText(later->examDate, cp("3 października 2024 r."));
        for (int k = 1; k <= kItemCount; ++k) {
            later->scores[k] = earlier->scores[k] == kPass ? kEmerging : kPass;
        }
        const ComparisonDocument document(*earlier, *later);
        ASSERT_EQ(document.comparison().changes.size(), 168u);
        for (int p = 1; p <= document.pageCount(); ++p) {
            for (ChartMode mode : {ChartMode::Print, ChartMode::Preview}) {
                ui::RecordingSurface page;
                page.setTextMeasure([&](std::string_view text, ui::FontId font) {
                    return metrics->textWidth(text, font);
                });
                document.composePage(page, images, p, mode);
                EXPECT_EQ(clippedTexts(page.calls()), std::vector<std::string>{}) << "page " << p;
            }
        }
    }
}

}  // namespace
}  // namespace lun4::reports
