#include "platform/qt/bmp_reader.h"

#include <QImageReader>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>

#include "ui/bitmap_file.h"
#include "ui/qt/qt_surface.h"

#ifdef __linux__
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lun4::platform {
namespace {

std::uint32_t u32(std::string_view b, size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

}  // namespace

QImage readPlainBitmap(std::string_view b) {
    const std::optional<ui::Bitmap> bitmap = ui::decodeBitmap(b);
    if (!bitmap) return {};
    // The bitmap's pixels are 0xFFRRGGBB, as QImage's RGB32 has them.
    QImage image = ui::newPicture(bitmap->width, bitmap->height, QImage::Format_RGB32);
    for (int y = 0; y < bitmap->height; ++y) {
        std::memcpy(image.scanLine(y), bitmap->pixels.data() + size_t(y) * size_t(bitmap->width),
                    size_t(bitmap->width) * 4);
    }
    return image;
}

QSize bitmapFileSize(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    char header[26];
    if (!in.read(header, sizeof header)) return {};
    const std::string_view b(header, sizeof header);
    if (b[0] != 'B' || b[1] != 'M') return {};
    const auto width = static_cast<std::int32_t>(u32(b, 18));
    const auto height = static_cast<std::int32_t>(u32(b, 22));
    if (width <= 0 || width > 16384 || height == 0 || height < -16384 || height > 16384) return {};
    return QSize(width, height < 0 ? -height : height);
}

QImage readBitmapFile(const std::filesystem::path& path) {
#ifdef __linux__
    // Mapped in one piece from the page cache rather than copied and faulted in page by page.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        struct stat info {};
        QImage image;
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
            const auto size = static_cast<size_t>(info.st_size);
            void* bytes = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
            if (bytes != MAP_FAILED) {
                image = readPlainBitmap(std::string_view(static_cast<const char*>(bytes), size));
                ::munmap(bytes, size);
            }
        }
        ::close(fd);
        if (!image.isNull()) return image;
    }
#endif
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    const std::streamoff size = in.tellg();
    if (size <= 0) return {};
    std::string bytes(static_cast<size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size)) return {};
    QImage image = readPlainBitmap(bytes);
    if (!image.isNull()) return image;
    // Palette, RLE and bit-field files.
    QImageReader reader(QString::fromStdString(path.string()), "bmp");
    image = reader.read();
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace lun4::platform
