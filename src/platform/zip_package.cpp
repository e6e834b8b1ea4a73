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
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool has(int64_t at, int64_t size) const {
        return at >= 0 && size >= 0 && at <= int64_t(bytes_.size()) - size;
    }
    uint16_t u16(int64_t at) const {
        return uint16_t(uint8_t(bytes_[at]) | uint8_t(bytes_[at + 1]) << 8);
    }
    uint32_t u32(int64_t at) const { return u16(at) | uint32_t(u16(at + 2)) << 16; }

  private:
    std::string_view bytes_;
};

void put16(std::string& out, uint16_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8);
}

void put32(std::string& out, uint32_t v) {
    put16(out, uint16_t(v & 0xFFFF));
    put16(out, uint16_t(v >> 16));
}

std::optional<std::string> inflateRaw(std::string_view compressed, uint32_t size) {
    std::string out(size, '\0');
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

// Raw deflate (no zlib header), as zip holds it.
std::string deflateRaw(std::string_view data) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK) {
        return {};
    }
    std::string out(deflateBound(&stream, uLong(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return result == Z_STREAM_END ? out : std::string();
}

uint32_t crcOf(std::string_view data) {
    return uint32_t(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.data()),
                          uInt(data.size())));
}

}  // namespace

std::optional<std::vector<ZipEntry>> readZip(std::string_view archive) {
    const Reader in(archive);
    // The end record closes the archive; no archive we read carries a comment after it.
    int64_t end = archive.size() - 22;
    if (!in.has(end, 22) || in.u32(end) != kEndOfDirectory) return std::nullopt;
    const int count = in.u16(end + 10);
    int64_t at = in.u32(end + 16);
    std::vector<ZipEntry> entries;
    for (int i = 0; i < count; ++i) {
        if (!in.has(at, 46) || in.u32(at) != kCentralHeader) return std::nullopt;
        const uint16_t method = in.u16(at + 10);
        const uint32_t crc = in.u32(at + 16);
        const uint32_t packed = in.u32(at + 20);
        const uint32_t size = in.u32(at + 24);
        const uint16_t nameLength = in.u16(at + 28);
        const int64_t next = at + 46 + nameLength + in.u16(at + 30) + in.u16(at + 32);
        const int64_t local = in.u32(at + 42);
        if (!in.has(at + 46, nameLength) || !in.has(local, 30) || in.u32(local) != kLocalHeader) {
            return std::nullopt;
        }
        const int64_t data = local + 30 + in.u16(local + 26) + in.u16(local + 28);
        if (!in.has(data, packed)) return std::nullopt;
        ZipEntry entry;
        entry.name = std::string(archive.substr(at + 46, nameLength));
        const std::string_view bytes = archive.substr(data, packed);
        if (method == kStored && packed == size) {
            entry.data = std::string(bytes);
            entry.stored = true;
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

std::string writeZip(const std::vector<ZipEntry>& entries) {
    std::string out;
    std::string directory;
    for (const ZipEntry& entry : entries) {
        const std::string& name = entry.name;
        const uint32_t crc = crcOf(entry.data);
        const auto size = uint32_t(entry.data.size());
        const auto offset = uint32_t(out.size());
        std::string packed = entry.stored ? std::string() : deflateRaw(entry.data);
        const bool stored = entry.stored || packed.empty() || packed.size() >= entry.data.size();
        const uint16_t method = stored ? kStored : kDeflated;
        if (stored) packed = entry.data;
        // Names of our packages are plain ASCII: no flag for UTF-8 names is needed.
        put32(out, kLocalHeader);
        put16(out, kVersion);
        put16(out, 0);
        put16(out, method);
        put16(out, kDosTime);
        put16(out, kDosDate);
        put32(out, crc);
        put32(out, uint32_t(packed.size()));
        put32(out, size);
        put16(out, uint16_t(name.size()));
        put16(out, 0);
        out += name;
        out += packed;

        put32(directory, kCentralHeader);
        put16(directory, kVersion);
        put16(directory, kVersion);
        put16(directory, 0);
        put16(directory, method);
        put16(directory, kDosTime);
        put16(directory, kDosDate);
        put32(directory, crc);
        put32(directory, uint32_t(packed.size()));
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
