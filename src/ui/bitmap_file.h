#pragma once
// The program's own reader of bitmap files (".bmp": the screens, buttons and dialogs of the
// data folder); no toolkit needed, so every platform reads the same pixels.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace lun4::ui {

// Pixels top row first, each 0xFFRRGGBB.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// An uncompressed bitmap of 1, 4, 8 (with its palette), 24 or 32 bits per pixel, stored bottom
// up or top down; nothing for anything else or a file that ends early.
std::optional<Bitmap> decodeBitmap(std::string_view bytes);
std::optional<Bitmap> readBitmap(const std::filesystem::path& path);

}  // namespace lun4::ui
