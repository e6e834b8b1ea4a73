#include "platform/qt/page_decoder.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <filesystem>
#include <fstream>

#include "platform/qt/qt_image_source.h"
#include "test_files.h"

namespace lun4::platform {
namespace {

DecodedPage pageOf(std::initializer_list<std::array<std::uint8_t, 3>> rgbPixels) {
    DecodedPage page;
    page.width = static_cast<int>(rgbPixels.size());
    page.height = 1;
    page.rowBytes = (3 * page.width + 3) / 4 * 4;
    page.bgr.assign(page.rowBytes, 0xEE);  // padding must be skipped
    int i = 0;
    for (const auto& p : rgbPixels) {
        page.bgr[3 * i] = p[2];
        page.bgr[3 * i + 1] = p[1];
        page.bgr[3 * i + 2] = p[0];
        ++i;
    }
    return page;
}

std::vector<std::uint8_t> jpegBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return {bytes.begin(), bytes.end()};
}

TEST(PageDecoderTest, SixteenBitPixelsAreFiveSixFive) {
    const auto page = pageOf({{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {8, 4, 8}});
    EXPECT_EQ(toRgb565(page), (std::vector<std::uint16_t>{0xF800, 0x07E0, 0x001F, 0xFFFF, 0x0821}));
}

TEST(PageDecoderTest, ThirtyTwoBitPixelsAreBlueGreenRedZero) {
    const auto page = pageOf({{1, 2, 3}});
    const auto image = pageImage(page, 32);
    ASSERT_TRUE(image);
    // In memory: blue, green, red, then the fourth byte.
    const uchar* bytes = image->constScanLine(0);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], 2);
    EXPECT_EQ(bytes[2], 1);
    EXPECT_EQ(image->pixel(0, 0) & 0xFFFFFF, 0x010203u);
    EXPECT_FALSE(pageImage(page, 8));
}

TEST(PageDecoderTest, OddWidthsKeepTheirRowsAndGreyStaysGrey) {
    // 7 pixels wide: 21 bytes a row, padded to 24.
    QImage grey(7, 5, QImage::Format_Grayscale8);
    grey.fill(0);
    for (int y = 0; y < 5; ++y)
        grey.setPixelColor(y, y, QColor(230, 230, 230));  // a diagonal would shear if rows shifted
    const auto decoded = decodeJpeg(jpegBytes(grey));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 7);
    EXPECT_EQ(decoded->rowBytes, 24);
    for (int depth : {16, 24, 32}) {
        const auto image = pageImage(*decoded, depth);
        ASSERT_TRUE(image) << depth;
        for (int y = 0; y < 5; ++y) {
            const QColor c = image->pixelColor(y, y);
            EXPECT_GT(c.red(), 120) << depth;
            EXPECT_LE(std::abs(c.red() - c.green()), 4) << depth;
            EXPECT_LE(std::abs(c.green() - c.blue()), 8) << depth;
            EXPECT_LT(image->pixelColor((y + 3) % 7, y).red(), 90) << depth;
        }
    }
}

TEST(PageDecoderTest, BrokenFilesGiveNoPage) {
    QImage colour(64, 48, QImage::Format_RGB32);
    colour.fill(QColor(10, 120, 200));
    auto bytes = jpegBytes(colour);
    ASSERT_TRUE(decodeJpeg(bytes));
    EXPECT_FALSE(decodeJpeg({}));
    EXPECT_FALSE(decodeJpeg({0xFF, 0xD8, 0x00, 0x11}));
    bytes.resize(bytes.size() / 2);
    EXPECT_FALSE(decodeJpeg(bytes));
    EXPECT_FALSE(decodeJpegFile("/nonexistent/z1.asd"));
}

// The page area says "brak" for a page that is not there and "uszkodzona" for one that is
// there but holds no picture: the image source tells the two apart.
TEST(PageDecoderTest, APageIsMissingOrDamagedAndTheSourceSaysWhich) {
    namespace fs = std::filesystem;
    const testing::TempFolder root;
    fs::create_directories(root / "Data" / "BMP" / "Zad");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(200, 40, 40));
    const auto good = jpegBytes(picture);
    std::ofstream(root / "Data" / "BMP" / "Zad" / "z1.asd", std::ios::binary)
        .write(reinterpret_cast<const char*>(good.data()), std::streamsize(good.size()));
    std::ofstream(root / "Data" / "BMP" / "Zad" / "z2.asd", std::ios::binary)
        .write(reinterpret_cast<const char*>(good.data()), std::streamsize(good.size() / 2));
    std::ofstream(root / "Data" / "BMP" / "Zad" / "z3.asd") << "not a picture";
    DataPaths paths(root.path());
    QtImageSource images(paths, 32);
    EXPECT_TRUE(images.loadPage("Data\\BMP\\Zad\\z1.asd"));
    EXPECT_EQ(images.pageProblem("Data\\BMP\\Zad\\z1.asd"), ui::PageProblem::None);
    for (const char* damaged : {"Data\\BMP\\Zad\\z2.asd", "Data\\BMP\\Zad\\z3.asd"}) {
        EXPECT_FALSE(images.loadPage(damaged)) << damaged;
        EXPECT_EQ(images.pageProblem(damaged), ui::PageProblem::Damaged) << damaged;
    }
    EXPECT_FALSE(images.loadPage("Data\\BMP\\Zad\\z4.asd"));
    EXPECT_EQ(images.pageProblem("Data\\BMP\\Zad\\z4.asd"), ui::PageProblem::Missing);
    // Gone after the folder was first looked at: missing, not damaged.
    fs::remove(root / "Data" / "BMP" / "Zad" / "z3.asd");
    EXPECT_EQ(images.pageProblem("Data\\BMP\\Zad\\z3.asd"), ui::PageProblem::Missing);
}

}  // namespace
}  // namespace lun4::platform
