#include "platform/qt/page_decoder.h"

#include <turbojpeg.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace lun4::platform {

std::optional<DecodedPage> decodeJpeg(const std::vector<std::uint8_t>& file) {
    if (file.empty()) return std::nullopt;
    tjhandle handle = tjInitDecompress();
    if (!handle) return std::nullopt;
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourspace = 0;
    auto* data = const_cast<unsigned char*>(file.data());
    const auto size = static_cast<unsigned long>(file.size());
    std::optional<DecodedPage> result;
    if (tjDecompressHeader3(handle, data, size, &width, &height, &subsampling, &colourspace) == 0 &&
        width > 0 && height > 0 && width <= 16384 && height <= 16384 && colourspace != TJCS_CMYK &&
        colourspace != TJCS_YCCK) {
        DecodedPage page;
        page.width = width;
        page.height = height;
        page.rowBytes = (3 * width + 3) / 4 * 4;
        page.bgr.assign(static_cast<size_t>(page.rowBytes) * height, 0);
        // A truncated or corrupt file is refused as a whole: no half-decoded page is shown.
        if (tjDecompress2(handle, data, size, page.bgr.data(), width, page.rowBytes, height,
                          TJPF_BGR, TJFLAG_ACCURATEDCT) == 0 &&
            tjGetErrorCode(handle) != TJERR_WARNING) {
            result = std::move(page);
        }
    }
    tjDestroy(handle);
    return result;
}

std::optional<DecodedPage> decodeJpegFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size <= 0) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
    return decodeJpeg(bytes);
}

std::vector<std::uint16_t> toRgb565(const DecodedPage& page) {
    std::vector<std::uint16_t> out;
    out.reserve(static_cast<size_t>(page.width) * page.height);
    for (int y = 0; y < page.height; ++y) {
        const std::uint8_t* p = page.bgr.data() + static_cast<size_t>(y) * page.rowBytes;
        for (int x = 0; x < page.width; ++x, p += 3) {
            const unsigned b = p[0], g = p[1], r = p[2];
            out.push_back(
                static_cast<std::uint16_t>(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3)));
        }
    }
    return out;
}


std::optional<QImage> pageImage(const DecodedPage& page, int depth) {
    const int w = page.width;
    const int h = page.height;
    switch (depth) {
        case 16: {
            const auto pixels = toRgb565(page);
            QImage image(w, h, QImage::Format_RGB16);
            for (int y = 0; y < h; ++y) {
                std::memcpy(image.scanLine(y), pixels.data() + static_cast<size_t>(y) * w, 2 * w);
            }
            return image;
        }
        case 24: {
            QImage image(w, h, QImage::Format_BGR888);
            for (int y = 0; y < h; ++y) {
                std::memcpy(image.scanLine(y),
                            page.bgr.data() + static_cast<size_t>(y) * page.rowBytes, 3 * w);
            }
            return image;
        }
        case 32: {
            // Blue, green, red and a fourth byte per pixel; Qt wants the fourth byte opaque.
            QImage image(w, h, QImage::Format_RGB32);
            for (int y = 0; y < h; ++y) {
                auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
                const std::uint8_t* p = page.bgr.data() + static_cast<size_t>(y) * page.rowBytes;
                for (int x = 0; x < w; ++x, p += 3) {
                    line[x] = 0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0];
                }
            }
            return image;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace lun4::platform
