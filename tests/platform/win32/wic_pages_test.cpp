// JPEG pages through the system's imaging component, and the page problems a screen names.

#include "platform/win32/wic_pages.h"

#include <gtest/gtest.h>
#include <wincodec.h>

#include <fstream>

#include "platform/data_paths.h"
#include "platform/win32/win32_image_source.h"
#include "test_files.h"

namespace lun4::platform {
namespace {

namespace fs = std::filesystem;

// A JPEG file of one colour in the pixel format given (grey, blue-green-red, or CMYK values).
void writeJpeg(const fs::path& path, int width, int height, const WICPixelFormatGUID& format,
               const std::vector<BYTE>& pixel) {
    IWICImagingFactory* wic = nullptr;
    ASSERT_EQ(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&wic)),
              S_OK);
    IWICStream* stream = nullptr;
    wic->CreateStream(&stream);
    ASSERT_EQ(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE), S_OK);
    IWICBitmapEncoder* encoder = nullptr;
    wic->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, &encoder);
    encoder->Initialize(stream, WICBitmapEncoderNoCache);
    IWICBitmapFrameEncode* frame = nullptr;
    encoder->CreateNewFrame(&frame, nullptr);
    frame->Initialize(nullptr);
    frame->SetSize(width, height);
    WICPixelFormatGUID asked = format;
    frame->SetPixelFormat(&asked);
    ASSERT_TRUE(asked == format);
    const UINT stride = (width * static_cast<UINT>(pixel.size()) + 3) / 4 * 4;
    std::vector<BYTE> rows(stride * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::copy(pixel.begin(), pixel.end(), rows.begin() + y * stride + x * pixel.size());
        }
    }
    ASSERT_EQ(frame->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data()), S_OK);
    frame->Commit();
    encoder->Commit();
    frame->Release();
    encoder->Release();
    stream->Release();
    wic->Release();
}

std::uint32_t rgbAt(const DecodedPicture& p, int x, int y) {
    return p.pixels[static_cast<size_t>(y) * p.width + x] & 0xFFFFFF;
}

bool similar(std::uint32_t a, std::uint32_t b) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 6) return false;
    }
    return true;
}

class WicPagesTest : public ::testing::Test {
  protected:
    WicPagesTest() { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    testing::TempFolder temp;
};

TEST_F(WicPagesTest, ColourGreyAndCmykPagesComeOutAsRgbWithTheirRowsInPlace) {
    writeJpeg(temp.path() / "rgb.jpg", 7, 5, GUID_WICPixelFormat24bppBGR, {40, 30, 200});
    writeJpeg(temp.path() / "grey.jpg", 7, 5, GUID_WICPixelFormat8bppGray, {67});
    const auto rgb = decodePicture(temp.path() / "rgb.jpg");
    ASSERT_TRUE(rgb);
    EXPECT_EQ(rgb->width, 7);  // an odd width, rows not shifted
    EXPECT_EQ(rgb->height, 5);
    EXPECT_TRUE(similar(rgbAt(*rgb, 6, 4), 0xC81E28u)) << std::hex << rgbAt(*rgb, 6, 4);
    EXPECT_TRUE(similar(rgbAt(*rgb, 0, 1), 0xC81E28u));
    const auto grey = decodePicture(temp.path() / "grey.jpg");
    ASSERT_TRUE(grey);
    EXPECT_TRUE(similar(rgbAt(*grey, 3, 2), 0x434343u));
    // A CMYK page, as print shops send them (9 x 7 of red 200, green 30, blue 40).
    const auto cmyk = decodePicture(fs::path(LUN4_TEST_DATA) / "cmyk.jpg");
    ASSERT_TRUE(cmyk);
    EXPECT_EQ(cmyk->width, 9);
    EXPECT_TRUE(similar(rgbAt(*cmyk, 8, 6), 0xC81E28u)) << std::hex << rgbAt(*cmyk, 8, 6);
}

TEST_F(WicPagesTest, SixteenBitDisplaysShowFiveSixFiveColours) {
    DecodedPicture p{2, 1, {0xFF0804F8u, 0xFFFFFFFFu}};
    reduceToDepth(p, 16);
    EXPECT_EQ(rgbAt(p, 0, 0), 0x0804FFu);  // 0x08, 0x04, 0xF8 -> 5, 6, 5 bits and widened
    EXPECT_EQ(rgbAt(p, 1, 0), 0xFFFFFFu);
    DecodedPicture q{1, 1, {0xFF010203u}};
    reduceToDepth(q, 32);
    EXPECT_EQ(rgbAt(q, 0, 0), 0x010203u);
}

TEST_F(WicPagesTest, AMissingAnUnreadableAndADamagedPageAreToldApart) {
    writeJpeg(temp.path() / "z1.asd", 16, 16, GUID_WICPixelFormat24bppBGR, {1, 2, 3});
    std::string bytes;
    {
        std::ifstream in(temp.path() / "z1.asd", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::ofstream(temp.path() / "z2.asd", std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    std::ofstream(temp.path() / "z3.asd", std::ios::binary) << "not a picture";
    DataPaths paths(temp.path());
    Win32ImageSource images(paths, 32);
    EXPECT_TRUE(images.loadPage("Z1.ASD"));
    EXPECT_EQ(images.pageProblem("z1.asd"), ui::PageProblem::None);
    for (const char* damaged : {"z2.asd", "z3.asd"}) {
        EXPECT_FALSE(images.loadPage(damaged)) << damaged;
        EXPECT_EQ(images.pageProblem(damaged), ui::PageProblem::Damaged) << damaged;
    }
    EXPECT_EQ(images.pageProblem("z4.asd"), ui::PageProblem::Missing);
    // A page that is there but may not be read (locked by another program).
    const HANDLE locked = ::CreateFileW((temp.path() / "z1.asd").c_str(), GENERIC_READ, 0,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Win32ImageSource(paths, 32).pageProblem("z1.asd"), ui::PageProblem::Unreadable);
    ::CloseHandle(locked);
}

}  // namespace
}  // namespace lun4::platform
