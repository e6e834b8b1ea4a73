#pragma once
// JPEG pages (".asd" task, key and advice pages, ".jpg" aid pictures) decoded by the system's
// imaging component (WIC): grey pictures come out grey, CMYK pictures are converted to RGB.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace lun4::platform {

// 32-bit pixels, blue, green, red and an unused byte (0xFF), rows from the top.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// Nullopt when the file cannot be read or holds no picture that decodes whole.
std::optional<DecodedPicture> decodePicture(const std::filesystem::path& path);

// The colours a display of `depth` bits per pixel shows: at 16 bits each pixel is reduced to
// red 5, green 6 and blue 5 bits (and widened back for drawing); other depths keep them.
void reduceToDepth(DecodedPicture& picture, int depth);

}  // namespace lun4::platform
