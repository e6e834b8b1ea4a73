// The print job's sheets: which rectangle of which page lands where on each printed sheet,
// for a printable area of 4960 x 7016 device pixels (A4 at 600 dpi).

#include "reports/print_job.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_frame.h"
#include "model/catalogue.h"
#include "recorded_calls.h"

namespace lun4::reports {
namespace {

using testing::FakePrintTarget;
using testing::holdsImage;
using testing::holdsText;
using ui::Rect;

constexpr int H = 4960;
constexpr int V = 7016;

Rect area(int x, int y, int w, int h) {
    return {x, y, x + w, y + h};
}

struct Placed {
    Rect source;
    Rect target;
    bool operator==(const Placed&) const = default;
};

std::vector<Placed> placements(const std::vector<FakePrintTarget::Placement>& page) {
    std::vector<Placed> out;
    for (const auto& p : page) out.push_back({p.source, p.target});
    return out;
}

class PrintJobTest : public ::testing::Test {
  protected:
    FakePrintTarget target;
    ui::FakeImageSource images;
    ExamineeRecord record;
    NarrativeReport report;

    PrintJobTest() {
        target.size = {H, V};
        setText(record.firstName, "Jan");
        setText(record.lastName, "Nowak");
    }

    // The document goes by its own name: in the queue and as a PDF's title.
    const FakePrintTarget::Document& print(Document document, const std::string& name,
                                           int aidPage = 0) {
        const PrintSources sources{images, record, report, {}, aidPage};
        EXPECT_EQ(printDocument(document, target, sources), PrintResult::Printed);
        EXPECT_TRUE(target.documents.back().ended);
        EXPECT_EQ(target.documents.back().name, name);
        return target.documents.back();
    }
};

TEST_F(PrintJobTest, ChartOnOneSheetHeaderPlotGraphs) {
    const auto& doc = print(Document::ProfileChart, "Nowak Jan – profil");
    EXPECT_FALSE(doc.landscape);
    ASSERT_EQ(doc.pages.size(), 1u);
    const int x = H / 10, right = x + 8 * (H / 10);
    EXPECT_EQ(placements(doc.pages[0]),
              (std::vector<Placed>{
                  {area(47, 80, 930, 525), {x, V * 20 / 100, right, V * 20 / 100 + V * 35 / 100}},
                  {area(47, 610, 930, 150), {x, V * 10 / 100, right, V * 10 / 100 + V * 10 / 100}},
                  {area(47, 142, 905, 520), {x, V * 55 / 100, right, V * 55 / 100 + V * 35 / 100}},
              }));
    // Pages in print mode: the header block on page 1, the signature block on page 2, never
    // the preview background.
    EXPECT_TRUE(holdsText(doc.pages[0][1].calls, "Profil testu: Punktacja"));
    EXPECT_TRUE(holdsText(doc.pages[0][2].calls, "Nr uprawnie\xF1"));
    for (const auto& p : doc.pages[0]) EXPECT_FALSE(holdsImage(p.calls, "Data\\skala1.bmp"));
}

TEST_F(PrintJobTest, SummaryFormOnFourSheetsSplitAtTheCutLines) {
    const auto& doc = print(Document::SummaryForm, "Nowak Jan – formularz");
    ASSERT_EQ(doc.pages.size(), 4u);
    const int x = H / 20, right = x + 9 * (H / 10);
    auto at = [&](int y, int h) { return Rect{x, y, right, y + h}; };
    auto v = [](int percent) { return V * percent / 100; };
    EXPECT_EQ(placements(doc.pages[0]),
              (std::vector<Placed>{{area(95, 30, 845, 705), at(v(5), v(55))},
                                   {area(95, 100, 845, 395), at(v(60) - 2, v(30))}}));
    EXPECT_EQ(placements(doc.pages[1]),
              (std::vector<Placed>{
                  {area(95, 494, 845, 200), at(v(5), v(15))},
                  {area(95, 100, 845, 572), at(V / 5 - V / 400, v(45))},
                  {area(95, 100, 845, 350), at(6 * V / 10 + V / 20 - 2 * (V / 400), v(30))}}));
    EXPECT_EQ(placements(doc.pages[2]),
              (std::vector<Placed>{{area(95, 449, 845, 263), at(v(5), v(20))},
                                   {area(95, 100, 845, 591), at(v(25), v(45))},
                                   {area(95, 100, 845, 262), at(v(70), v(20))}}));
    EXPECT_EQ(placements(doc.pages[3]),
              (std::vector<Placed>{{area(95, 361, 845, 352), at(v(5), v(27))},
                                   {area(95, 20, 845, 739), at(v(32), v(60))}}));
    // The rest of a split sheet comes from the sheet before the next part was composed: the
    // second printed page starts with sheet 2 (items of scale 3), then sheet 3.
    EXPECT_TRUE(holdsText(doc.pages[1][0].calls, "48"));
    EXPECT_TRUE(holdsText(doc.pages[1][1].calls, "49"));
    EXPECT_TRUE(holdsText(doc.pages[3][1].calls, "168"));
}

TEST_F(PrintJobTest, ThirteenPageReportOnSevenSheetsWithTheSignatureAtTheEnd) {
    std::fill(record.scores.begin() + 1, record.scores.end(), kPass);
    const auto& doc = print(Document::NarrativeReport, "Nowak Jan – raport");
    ASSERT_EQ(report.pageCount(), 13);
    ASSERT_EQ(doc.pages.size(), 7u);
    const int x = H / 20, right = x + 9 * (H / 10);
    auto at = [&](int percent, int heightPercent) {
        return Rect{x, V * percent / 100, right, V * percent / 100 + V * heightPercent / 100};
    };
    EXPECT_EQ(placements(doc.pages[0]),
              (std::vector<Placed>{{area(95, 50, 845, 400), at(5, 35)},
                                   {area(95, 50, 845, 460), at(40, 40)}}));
    EXPECT_EQ(placements(doc.pages[1]), (std::vector<Placed>{{area(95, 50, 845, 430), at(10, 40)},
                                                             {area(95, 50, 845, 490), at(50, 40)},
                                                             {area(95, 750, 845, 10), at(90, 1)}}));
    for (int sheet = 2; sheet < 7; ++sheet) {
        const bool last = sheet == 6;
        EXPECT_EQ(placements(doc.pages[sheet]),
                  (std::vector<Placed>{{area(95, 9, 845, 10), at(9, 1)},
                                       {area(95, 60, 845, 480), at(10, 40)},
                                       {area(95, 60, 845, 480), at(50, 40)},
                                       last ? Placed{area(95, 730, 845, 35), at(90, 3)}
                                            : Placed{area(95, 750, 845, 10), at(90, 1)}}))
            << sheet;
    }
    EXPECT_TRUE(holdsText(doc.pages[6][3].calls,
                          "Podpis osoby diagnozuj\xB9"
                          "cej"));
    EXPECT_FALSE(holdsText(doc.pages[5][3].calls,
                           "Podpis osoby diagnozuj\xB9"
                           "cej"));
}

// A report of more than 100 pages prints whole, with the signature after its last page, also
// when a shorter report was printed before it.
TEST_F(PrintJobTest, AReportOfOverAHundredPagesPrintsToItsEnd) {
    std::fill(record.scores.begin() + 1, record.scores.end(), kPass);
    print(Document::NarrativeReport, "Nowak Jan – raport");
    for (int k = 1; k <= kItemCount; ++k) {
        record.scores[k] = kFail;
        std::string note;
        for (int i = 1; i <= 12; ++i) note += "Wiersz " + std::to_string(i) + ".\r\n";
        setText(record.notes[k], note);
    }
    const auto& doc = print(Document::NarrativeReport, "Nowak Jan – raport");
    const int pages = report.pageCount();
    ASSERT_GT(pages, 100);
    // Two sheets for pages 1 to 4, then one for every two pages from page 5.
    ASSERT_EQ(int(doc.pages.size()), 2 + (pages - 4 + 1) / 2);
    EXPECT_TRUE(holdsText(doc.pages.back().back().calls, "Podpis osoby diagnozuj\xB9"
                                                         "cej"));
    EXPECT_FALSE(holdsText(doc.pages[doc.pages.size() - 2].back().calls,
                           "Podpis osoby diagnozuj\xB9"
                           "cej"));
}

TEST_F(PrintJobTest, AnAidPictureOnOneLandscapeSheetFromItsFile) {
    const auto& doc = print(Document::AidPicture, "Nowak Jan – pomoc 5", 4);
    EXPECT_TRUE(doc.landscape);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(
        placements(doc.pages[0]),
        (std::vector<Placed>{{area(100, 80, 800, 560),
                              {H / 10, V / 10, H / 10 + H * 80 / 100, V / 10 + V * 80 / 100}}}));
    EXPECT_TRUE(holdsImage(doc.pages[0][0].calls, "Pomoce\\5.jpg"));
    EXPECT_EQ(aidPictureName(0), "Pomoce\\1.jpg");
    EXPECT_EQ(aidPictureName(16), "Pomoce\\17.jpg");
}

TEST_F(PrintJobTest, ACancelledDialogComposesNothing) {
    target.confirm = false;
    const PrintSources sources{images, record, report, {}, 0};
    for (Document d : {Document::ProfileChart, Document::SummaryForm, Document::NarrativeReport,
                       Document::AidPicture}) {
        EXPECT_EQ(printDocument(d, target, sources), PrintResult::Cancelled);
    }
    EXPECT_EQ(target.dialogs, 4);
    EXPECT_TRUE(target.documents.empty());
    EXPECT_TRUE(images.loaded().empty());
    EXPECT_EQ(report.pageCount(), 0);
}

TEST_F(PrintJobTest, ADocumentThatCannotBeWrittenFails) {
    target.failOnEnd = true;
    const PrintSources sources{images, record, report, {}, 0};
    EXPECT_EQ(printDocument(Document::ProfileChart, target, sources), PrintResult::Failed);
}

}  // namespace
}  // namespace lun4::reports
