#pragma once
// Turns a JPEG page (".asd" task, key and advice pages, ".jpg" aid pictures) into a picture in
// the display's pixel format, so that every later copy is a plain copy.

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace lun4::platform {

// Decoded samples: blue, green, red per pixel, rows padded to a multiple of 4 bytes. A grey
// picture comes out as three equal samples.
struct DecodedPage {
    int width = 0;
    int height = 0;
    int rowBytes = 0;
    std::vector<std::uint8_t> bgr;
};

std::optional<DecodedPage> decodeJpeg(const std::vector<std::uint8_t>& file);
std::optional<DecodedPage> decodeJpegFile(const std::filesystem::path& path);

// Pixel conversions by colour depth.
// 16 bits: red in the top 5 bits, green in the middle 6, blue in the low 5.
std::vector<std::uint16_t> toRgb565(const DecodedPage& page);

// The page as a picture for a display of `depth` bits per pixel (16, 24 or 32); nullopt for
// any other depth.
std::optional<QImage> pageImage(const DecodedPage& page, int depth);

}  // namespace lun4::platform
