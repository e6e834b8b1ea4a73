// Printing draws recorded pages again at the device's resolution. These tests hold the
// replay to what the screen draws, and the PDF output to what a reader of the file finds.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include "model/cp1250.h"
#include "platform/qt/qt_print_target.h"
#include "sample_page.h"
#include "test_files.h"
#include "ui/qt/qt_painting.h"
#include "ui/qt/qt_surface.h"

namespace lun4::platform {
namespace {

namespace fs = std::filesystem;
using testing::pdfPageCount;
using testing::pdfText;
using testing::runTool;

int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
    return n;
}

QImage replayed(const ui::RecordingSurface& page, int scale) {
    QImage image(1024 * scale, 768 * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    ui::replayOnto(painter, page.calls(), {0, 0, 1024, 768}, image.rect());
    return image;
}

TEST(ReplayTest, AtScreenSizeTheReplayIsThePicture) {
    ui::QtSurface screen;
    ui::RecordingSurface page;
    testing::drawSamplePage(screen);
    testing::drawSamplePage(page);
    EXPECT_EQ(differingPixels(replayed(page, 1), screen.image()), 0);
}

TEST(ReplayTest, CopiesBetweenRecordingsReplayTheirSourceMovedAndClipped) {
    ui::QtSurface screenSource, screen;
    ui::RecordingSurface source, page;
    for (ui::Surface* s :
         {static_cast<ui::Surface*>(&screenSource), static_cast<ui::Surface*>(&source)})
        testing::drawSamplePage(*s);
    for (ui::Surface* s : {static_cast<ui::Surface*>(&screen), static_cast<ui::Surface*>(&page)}) {
        s->fill({0, 0, 1024, 768}, ui::kWhite);
    }
    screen.copyFrom(screenSource, {90, 100, 400, 460}, 500, 50);
    page.copyFrom(source, {90, 100, 400, 460}, 500, 50);
    screen.stretchFrom(screenSource, {100, 100, 300, 200}, {10, 500, 110, 550});
    page.stretchFrom(source, {100, 100, 300, 200}, {10, 500, 110, 550});
    const QImage image = replayed(page, 1);
    // The plain copy is exact; the stretched one is smoothed on screen, so only its place
    // is compared: nothing of it outside its target.
    QImage copyScreen = screen.image().copy(500, 50, 310, 360);
    EXPECT_EQ(differingPixels(image.copy(500, 50, 310, 360), copyScreen), 0);
    for (int x = 0; x < 1024; ++x) {
        EXPECT_EQ(image.pixel(x, 499) & 0xFFFFFF, 0xFFFFFFu) << x;
        if (x >= 110) {
            EXPECT_EQ(image.pixel(x, 520) & 0xFFFFFF, 0xFFFFFFu) << x;
        }
    }
    // The grey box's left outline (source x 100, y 105..129) at the target's left edge.
    EXPECT_EQ(image.pixel(10, 506) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(10, 501) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(ReplayTest, ScaledReplayPutsEveryEdgeWhereTheStretchedPictureWould) {
    ui::RecordingSurface page;
    testing::drawSamplePage(page);
    const QImage big = replayed(page, 3);
    // The green box (147, 129, 196, 155): outline from 3 x 147 to 3 x 196 - 1.
    EXPECT_EQ(big.pixel(3 * 147, 3 * 140) & 0xFFFFFF, 0u);
    EXPECT_EQ(big.pixel(3 * 147 + 2, 3 * 140) & 0xFFFFFF, 0u);
    EXPECT_EQ(big.pixel(3 * 147 + 3, 3 * 140) & 0xFFFFFF, qRgb(55, 181, 55) & 0xFFFFFFu);
    EXPECT_EQ(big.pixel(3 * 196 - 1, 3 * 140) & 0xFFFFFF, 0u);
    EXPECT_EQ(big.pixel(3 * 196, 3 * 140) & 0xFFFFFF, 0xFFFFFFu);
    // The one-pixel vertical line at x 689 is three device pixels wide, ending before y 512.
    EXPECT_EQ(big.pixel(3 * 689 + 2, 3 * 511 + 2) & 0xFFFFFF, 0u);
    EXPECT_EQ(big.pixel(3 * 689 + 3, 3 * 400) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(big.pixel(3 * 689, 3 * 512) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(ReplayTest, APlacedRectangleShowsOnlyItsSource) {
    ui::RecordingSurface page;
    testing::drawSamplePage(page);
    QImage image(500, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    // The red fill (300..339, 300..319) lies half inside the source rectangle.
    ui::replayOnto(painter, page.calls(), {320, 290, 420, 390}, QRect(100, 100, 200, 200));
    painter.end();
    EXPECT_EQ(image.pixel(100, 130) & 0xFFFFFF, qRgb(255, 10, 10) & 0xFFFFFFu);
    EXPECT_EQ(image.pixel(99, 130) & 0xFFFFFF, 0xFFFFFFu);   // left of the target: untouched
    EXPECT_EQ(image.pixel(150, 130) & 0xFFFFFF, 0xFFFFFFu);  // x 345 of the page: white
}

// ---------------------------------------------------------------------------------------------
// PDF files

class PdfTest : public ::testing::Test {
  protected:
    std::set<std::string> files() const { return testing::fileNames(folder); }

    testing::TempFolder temp;
    const fs::path folder = temp.path();
};

TEST_F(PdfTest, TwoPagesOfSearchableTextWithTheJobName) {
    const fs::path out = folder / "wynik.pdf";
    auto target = QtPrintTarget::pdfFile(out);
    ui::RecordingSurface page;
    page.setDropsHiddenCalls(true);
    testing::drawSamplePage(page);
    ASSERT_TRUE(target->begin("LUN - drukowanie", false));
    const ui::PageSize size = target->printableSize();
    // A4 at 1200 dpi, the whole sheet.
    EXPECT_NEAR(size.width, 9917, 5);
    EXPECT_NEAR(size.height, 14033, 5);
    target->place(page, {47, 80, 977, 605},
                  {size.width / 10, size.height / 5, 9 * size.width / 10, size.height / 2});
    target->newPage();
    target->place(page, {100, 380, 922, 460}, {0, 0, size.width, size.height / 4});
    ASSERT_TRUE(target->end()) << target->error();
    EXPECT_EQ(files(), std::set<std::string>{"wynik.pdf"});
    EXPECT_EQ(pdfPageCount(out), 2);
    const std::string text = pdfText(out);
    EXPECT_NE(text.find("Zażółć gęślą jaźń"), std::string::npos) << text;
    EXPECT_NE(text.find("UW"), std::string::npos);
    // The second page shows only the text's rectangle: nothing of the page around it.
    const std::string second = pdfText(out, 2);
    EXPECT_NE(second.find("Zażółć gęślą jaźń"), std::string::npos) << second;
    EXPECT_EQ(second.find("UW"), std::string::npos) << second;
    EXPECT_EQ(second.find("prawa"), std::string::npos) << second;
    EXPECT_NE(runTool("pdfinfo '" + out.string() + "'").find("LUN - drukowanie"),
              std::string::npos);
    EXPECT_NE(runTool("pdffonts '" + out.string() + "'").find("Liberation"), std::string::npos);
}

TEST_F(PdfTest, LandscapeSwapsTheSheet) {
    auto target = QtPrintTarget::pdfFile(folder / "pomoc.pdf");
    ASSERT_TRUE(target->begin("LUN - drukowanie", true));
    EXPECT_GT(target->printableSize().width, target->printableSize().height);
    ASSERT_TRUE(target->end());
}

TEST_F(PdfTest, AnOutputThatCannotBeWrittenLeavesNothingBehind) {
    {
        auto target = QtPrintTarget::pdfFile(folder / "brak" / "wynik.pdf");
        EXPECT_FALSE(target->begin("LUN - drukowanie", false));
        EXPECT_NE(target->error().find("wynik.pdf"), std::string::npos);
    }
    // The name of an existing folder: the document is written, then cannot replace it.
    fs::create_directories(folder / "katalog.pdf");
    auto target = QtPrintTarget::pdfFile(folder / "katalog.pdf");
    ASSERT_TRUE(target->begin("LUN - drukowanie", false));
    EXPECT_FALSE(target->end());
    EXPECT_FALSE(target->error().empty());
    EXPECT_EQ(files(), std::set<std::string>{"katalog.pdf"});
    EXPECT_TRUE(fs::is_directory(folder / "katalog.pdf"));
}

TEST_F(PdfTest, ThePrintDialogDecidesAndPrintsLandscapeWhenAsked) {
    QtPrintTarget target(nullptr);
    bool landscapeAsked = false;
    target.setDialogFunction([&](QPrinter& printer) {
        landscapeAsked = printer.pageLayout().orientation() == QPageLayout::Landscape;
        return false;
    });
    EXPECT_FALSE(target.begin("LUN - drukowanie", true));
    EXPECT_TRUE(landscapeAsked);
    EXPECT_TRUE(target.error().empty());  // a cancel is not a failure

    const fs::path out = folder / "drukarka.pdf";
    target.setDialogFunction([&](QPrinter& printer) {
        EXPECT_EQ(printer.docName(), QStringLiteral("LUN - drukowanie"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(out.string()));
        return true;
    });
    ui::RecordingSurface page;
    testing::drawSamplePage(page);
    ASSERT_TRUE(target.begin("LUN - drukowanie", false));
    const ui::PageSize size = target.printableSize();
    target.place(page, {0, 0, 1024, 768}, {0, 0, size.width, size.height / 2});
    EXPECT_TRUE(target.end());
    EXPECT_EQ(pdfPageCount(out), 1);
}

// The dialog proposes the document's file for printing to a file, in its folder, and the
// document goes by its name; where it was printed to is known afterwards.
TEST_F(PdfTest, ThePrintDialogProposesTheDocumentsFile) {
    QtPrintTarget target(nullptr);
    const fs::path proposed = folder / fs::path(u8"Nowak Jan – profil.pdf");
    target.proposeFile(proposed);
    QString offered;
    target.setDialogFunction([&](QPrinter& printer) {
        offered = printer.outputFileName();
        EXPECT_EQ(printer.docName(), QStringLiteral("Nowak Jan – profil"));
        // The user keeps the file offered and prints to it.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(offered);
        return true;
    });
    ASSERT_TRUE(target.begin("Nowak Jan – profil", false));
    EXPECT_EQ(offered, QString::fromStdU16String(proposed.u16string()));
    ui::RecordingSurface page;
    testing::drawSamplePage(page);
    target.place(page, {0, 0, 1024, 768}, {0, 0, 1000, 750});
    ASSERT_TRUE(target.end());
    EXPECT_EQ(target.printedFile(), proposed);
    EXPECT_NE(runTool("pdfinfo '" + proposed.string() + "'").find("Title:           Nowak Jan – profil"),
              std::string::npos);

    // A name without a folder (none used yet) is proposed in the documents folder.
    target.proposeFile(fs::path(u8"Nowak Jan – raport.pdf"));
    target.setDialogFunction([&](QPrinter& printer) {
        offered = printer.outputFileName();
        return false;
    });
    EXPECT_FALSE(target.begin("Nowak Jan – raport", false));
    EXPECT_TRUE(QFileInfo(offered).isAbsolute()) << offered.toStdString();
    EXPECT_TRUE(offered.endsWith(QStringLiteral("/Nowak Jan – raport.pdf"))) << offered.toStdString();
}

}  // namespace
}  // namespace lun4::platform
