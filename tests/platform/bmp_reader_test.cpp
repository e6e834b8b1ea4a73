#include "platform/qt/bmp_reader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <filesystem>
#include <fstream>
#include <string>

#include "test_files.h"

namespace lun4::platform {
namespace {

// A Windows bitmap as written by hand: 54-byte header, rows padded to 4 bytes.
std::string bitmapBytes(int width, int height, int bits, bool topDown) {
    const int bpp = bits / 8;
    const int row = (width * bpp + 3) / 4 * 4;
    std::string b(54 + row * height, '\0');
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, static_cast<std::uint32_t>(topDown ? -height : height));
    b[26] = 1;
    b[28] = static_cast<char>(bits);
    for (int y = 0; y < height; ++y) {
        const int fileRow = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            char* p = b.data() + 54 + fileRow * row + x * bpp;
            p[0] = static_cast<char>(x * 10);       // blue
            p[1] = static_cast<char>(y * 20);       // green
            p[2] = static_cast<char>(100 + x + y);  // red
        }
    }
    return b;
}

TEST(BmpReaderTest, ReadsUncompressedFilesBothWaysUpAndAgreesWithQt) {
    for (int bits : {24, 32}) {
        for (bool topDown : {false, true}) {
            const std::string bytes = bitmapBytes(5, 3, bits, topDown);  // 5 wide: padded rows
            const QImage image = readPlainBitmap(bytes);
            ASSERT_FALSE(image.isNull()) << bits << topDown;
            EXPECT_EQ(image.pixel(4, 2) & 0xFFFFFF, qRgb(106, 40, 40) & 0xFFFFFFu)
                << bits << topDown;
            QByteArray array(bytes.data(), static_cast<qsizetype>(bytes.size()));
            QBuffer buffer(&array);
            const QImage qt =
                QImageReader(&buffer, "bmp").read().convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(image, qt) << bits << topDown;
        }
    }
}

TEST(BmpReaderTest, RefusesWhatItCannotReadDirectly) {
    std::string bytes = bitmapBytes(4, 4, 24, false);
    EXPECT_TRUE(readPlainBitmap(bytes.substr(0, bytes.size() - 1)).isNull());  // cut short
    bytes[30] = 1;                                                             // RLE compression
    EXPECT_TRUE(readPlainBitmap(bytes).isNull());
    EXPECT_TRUE(readPlainBitmap("BM").isNull());
    EXPECT_TRUE(readBitmapFile("/nonexistent/x.bmp").isNull());
}

// A top-down file (negative height) on disk: the size query and the loader agree with it.
TEST(BmpReaderTest, TopDownFileThroughTheSizeQueryAndTheLoader) {
    const testing::TempFolder temp;
    const std::filesystem::path path = temp / "topdown.bmp";
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        std::ofstream(path, std::ios::binary) << bitmapBytes(5, 3, bits, true);
        EXPECT_EQ(bitmapFileSize(path), QSize(5, 3));
        const QImage image = readBitmapFile(path);
        ASSERT_EQ(image.size(), QSize(5, 3));
        // Row 0 of the picture is the first row in the file.
        EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, qRgb(100, 0, 0) & 0xFFFFFFu);
        EXPECT_EQ(image.pixel(4, 2) & 0xFFFFFF, qRgb(106, 40, 40) & 0xFFFFFFu);
    }
}

}  // namespace
}  // namespace lun4::platform
