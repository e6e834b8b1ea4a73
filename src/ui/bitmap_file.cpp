#include "ui/bitmap_file.h"

#include <fstream>
#include <iterator>

namespace lun4::ui {
namespace {

constexpr std::int32_t kLargest = 16384;

std::uint32_t u32(std::string_view b, size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

std::uint16_t u16(std::string_view b, size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}

}  // namespace

std::optional<Bitmap> decodeBitmap(std::string_view b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const std::uint32_t dataOffset = u32(b, 10);
    const std::uint32_t headerSize = u32(b, 14);
    if (headerSize < 40 || headerSize > b.size() - 14) return std::nullopt;
    const auto width = static_cast<std::int32_t>(u32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(u32(b, 22));
    const std::uint16_t bits = u16(b, 28);
    const std::uint32_t compression = u32(b, 30);
    if (compression != 0) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
    if (width <= 0 || width > kLargest || rawHeight == 0 || rawHeight < -kLargest ||
        rawHeight > kLargest) {
        return std::nullopt;
    }
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    const size_t rowBytes = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    if (dataOffset > b.size() || rowBytes * height > b.size() - dataOffset) return std::nullopt;

    // The palette follows the header: blue, green, red and a spare byte per colour.
    std::vector<std::uint32_t> palette;
    if (bits <= 8) {
        std::uint32_t colours = u32(b, 46);
        if (colours == 0 || colours > (1u << bits)) colours = 1u << bits;
        const size_t at = 14 + headerSize;
        if (at + colours * 4 > dataOffset) return std::nullopt;
        for (std::uint32_t i = 0; i < colours; ++i) {
            palette.push_back(0xFF000000u | (u32(b, at + i * 4) & 0xFFFFFF));
        }
        palette.resize(1u << bits, 0xFF000000u);
    }

    Bitmap bitmap{width, height, std::vector<std::uint32_t>(size_t(width) * size_t(height))};
    for (int y = 0; y < height; ++y) {
        const int fileRow = bottomUp ? height - 1 - y : y;
        const auto* in =
            reinterpret_cast<const unsigned char*>(b.data() + dataOffset + rowBytes * fileRow);
        std::uint32_t* out = bitmap.pixels.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) {
            if (bits >= 24) {
                const unsigned char* p = in + size_t(x) * (bits / 8);
                out[x] = 0xFF000000u | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
            } else {
                const size_t bit = size_t(x) * bits;
                const unsigned index = (in[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                out[x] = palette[index];
            }
        }
    }
    return bitmap;
}

std::optional<Bitmap> readBitmap(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    return decodeBitmap(bytes);
}

}  // namespace lun4::ui
