#pragma once
// Windows bitmap files. The uncompressed 24- and 32-bit files that make up nearly all of a
// data folder are read directly (the start of the program reads over a hundred of them);
// every other kind goes through Qt's reader.

#include <QImage>
#include <filesystem>
#include <string_view>

namespace lun4::platform {

// The picture in the RGB32 format; a null image when the file is missing or unreadable.
QImage readBitmapFile(const std::filesystem::path& path);

// Width and height from a bitmap file's header; an empty size when the file is missing or not
// a Windows bitmap.
QSize bitmapFileSize(const std::filesystem::path& path);

// The direct reader alone: a null image for anything but an uncompressed 24- or 32-bit file.
QImage readPlainBitmap(std::string_view bytes);

}  // namespace lun4::platform
