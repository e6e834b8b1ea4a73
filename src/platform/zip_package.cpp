#include "platform/zip_package.h"

#include <zlib.h>

#include <cstdint>

namespace lun4::platform {
namespace {

constexpr uint32_t kLocalHeader = 0x04034b50;
constexpr uint32_t kCentralHeader = 0x02014b50;
constexpr uint32_t kEndOfDirectory = 0x06054b50;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
constexpr uint16_t kVersion = 20;
// 1 January 1980, midnight: the same bytes for the same document.
constexpr uint16_t kDosDate = (0 << 9) | (1 << 5) | 1;
constexpr uint16_t kDosTime = 0;

class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
    bool has(qsizetype at, qsizetype size) const {
        return at >= 0 && size >= 0 && at <= bytes_.size() - size;
    }
    uint16_t u16(qsizetype at) const {
        return uint16_t(uint8_t(bytes_[at]) | uint8_t(bytes_[at + 1]) << 8);
    }
    uint32_t u32(qsizetype at) const { return u16(at) | uint32_t(u16(at + 2)) << 16; }

  private:
    const QByteArray& bytes_;
};

void put16(QByteArray& out, uint16_t v) {
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, uint32_t v) {
    put16(out, uint16_t(v & 0xFFFF));
    put16(out, uint16_t(v >> 16));
}

std::optional<QByteArray> inflateRaw(const QByteArray& compressed, uint32_t size) {
    QByteArray out(qsizetype(size), '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = uInt(compressed.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool whole = result == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    if (!whole) return std::nullopt;
    return out;
}

uint32_t crcOf(const QByteArray& data) {
    return uint32_t(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.data()),
                          uInt(data.size())));
}

}  // namespace

std::optional<std::vector<ZipEntry>> readZip(const QByteArray& archive) {
    const Reader in(archive);
    // The end record closes the archive; no archive we read carries a comment after it.
    qsizetype end = archive.size() - 22;
    if (!in.has(end, 22) || in.u32(end) != kEndOfDirectory) return std::nullopt;
    const int count = in.u16(end + 10);
    qsizetype at = in.u32(end + 16);
    std::vector<ZipEntry> entries;
    for (int i = 0; i < count; ++i) {
        if (!in.has(at, 46) || in.u32(at) != kCentralHeader) return std::nullopt;
        const uint16_t method = in.u16(at + 10);
        const uint32_t crc = in.u32(at + 16);
        const uint32_t packed = in.u32(at + 20);
        const uint32_t size = in.u32(at + 24);
        const uint16_t nameLength = in.u16(at + 28);
        const qsizetype next = at + 46 + nameLength + in.u16(at + 30) + in.u16(at + 32);
        const qsizetype local = in.u32(at + 42);
        if (!in.has(at + 46, nameLength) || !in.has(local, 30) || in.u32(local) != kLocalHeader) {
            return std::nullopt;
        }
        const qsizetype data = local + 30 + in.u16(local + 26) + in.u16(local + 28);
        if (!in.has(data, packed)) return std::nullopt;
        ZipEntry entry;
        entry.name = QString::fromUtf8(archive.mid(at + 46, nameLength));
        const QByteArray bytes = archive.mid(data, packed);
        if (method == kStored && packed == size) {
            entry.data = bytes;
        } else if (method == kDeflated) {
            auto inflated = inflateRaw(bytes, size);
            if (!inflated) return std::nullopt;
            entry.data = std::move(*inflated);
        } else {
            return std::nullopt;
        }
        if (crcOf(entry.data) != crc) return std::nullopt;
        entries.push_back(std::move(entry));
        at = next;
    }
    return entries;
}

QByteArray writeZip(const std::vector<ZipEntry>& entries) {
    QByteArray out;
    QByteArray directory;
    for (const ZipEntry& entry : entries) {
        const QByteArray name = entry.name.toUtf8();
        const uint32_t crc = crcOf(entry.data);
        const auto size = uint32_t(entry.data.size());
        const auto offset = uint32_t(out.size());
        // Names of our packages are plain ASCII: no flag for UTF-8 names is needed.
        put32(out, kLocalHeader);
        put16(out, kVersion);
        put16(out, 0);
        put16(out, kStored);
        put16(out, kDosTime);
        put16(out, kDosDate);
        put32(out, crc);
        put32(out, size);
        put32(out, size);
        put16(out, uint16_t(name.size()));
        put16(out, 0);
        out += name;
        out += entry.data;

        put32(directory, kCentralHeader);
        put16(directory, kVersion);
        put16(directory, kVersion);
        put16(directory, 0);
        put16(directory, kStored);
        put16(directory, kDosTime);
        put16(directory, kDosDate);
        put32(directory, crc);
        put32(directory, size);
        put32(directory, size);
        put16(directory, uint16_t(name.size()));
        put16(directory, 0);  // extra field
        put16(directory, 0);  // comment
        put16(directory, 0);  // disk
        put16(directory, 0);  // internal attributes
        put32(directory, 0);  // external attributes
        put32(directory, offset);
        directory += name;
    }
    const auto directoryOffset = uint32_t(out.size());
    out += directory;
    put32(out, kEndOfDirectory);
    put16(out, 0);
    put16(out, 0);
    put16(out, uint16_t(entries.size()));
    put16(out, uint16_t(entries.size()));
    put32(out, uint32_t(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0);
    return out;
}

}  // namespace lun4::platform
