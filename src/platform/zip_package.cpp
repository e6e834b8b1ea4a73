#include "platform/zip_package.h"

#include <zlib.h>

#include <cstdint>
#include <ctime>

#include "files/host.h"

namespace lun4::platform {
namespace {

constexpr uint32_t kLocalHeader = 0x04034b50;
constexpr uint32_t kCentralHeader = 0x02014b50;
constexpr uint32_t kEndOfDirectory = 0x06054b50;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
constexpr uint16_t kVersion = 20;
constexpr uint16_t kUtf8Names = 1 << 11;
constexpr uint16_t kExtendedTime = 0x5455;  // "UT": modification time in seconds, UTC
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

bool plainAscii(std::string_view name) {
    for (char c : name) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// The local date and time the zip format keeps (two-second steps, years 1980 to 2107).
void dosTime(int64_t seconds, uint16_t& date, uint16_t& time) {
    date = kDosDate;
    time = kDosTime;
    if (seconds < 0) return;
    const std::time_t t = static_cast<std::time_t>(seconds);
    const std::optional<std::tm> converted = host::localTime(t);
    if (!converted) return;
    const std::tm& local = *converted;
    const int year = local.tm_year + 1900;
    if (year < 1980 || year > 2107) return;
    date = uint16_t((year - 1980) << 9 | (local.tm_mon + 1) << 5 | local.tm_mday);
    time = uint16_t(local.tm_hour << 11 | local.tm_min << 5 | local.tm_sec / 2);
}

int64_t fromDosTime(uint16_t date, uint16_t time) {
    std::tm local{};
    local.tm_year = (date >> 9) + 80;
    local.tm_mon = ((date >> 5) & 0x0F) - 1;
    local.tm_mday = date & 0x1F;
    local.tm_hour = time >> 11;
    local.tm_min = (time >> 5) & 0x3F;
    local.tm_sec = (time & 0x1F) * 2;
    local.tm_isdst = -1;
    const std::time_t t = std::mktime(&local);
    return t == std::time_t(-1) ? -1 : int64_t(t);
}

// The "UT" extra field with the modification time only (the central directory's form).
std::string extendedTime(int64_t seconds) {
    std::string field;
    if (seconds < 0 || seconds > 0xFFFFFFFFLL) return field;
    put16(field, kExtendedTime);
    put16(field, 5);
    field += char(1);  // the modification time follows
    put32(field, uint32_t(seconds));
    return field;
}

uint32_t crcOf(std::string_view data) {
    return uint32_t(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.data()),
                          uInt(data.size())));
}

}  // namespace

std::optional<std::vector<ZipEntry>> readZip(std::string_view archive) {
    const Reader in(archive);
    // The end record closes the archive, followed only by its comment (the program writes
    // none; a tool that rewrote the archive may have).
    int64_t end = int64_t(archive.size()) - 22;
    const int64_t earliest = end - 0xFFFF;
    while (end >= 0 && end >= earliest &&
           !(in.has(end, 22) && in.u32(end) == kEndOfDirectory &&
             end + 22 + in.u16(end + 20) == int64_t(archive.size()))) {
        --end;
    }
    if (end < 0 || end < earliest) return std::nullopt;
    const int count = in.u16(end + 10);
    int64_t at = in.u32(end + 16);
    std::vector<ZipEntry> entries;
    for (int i = 0; i < count; ++i) {
        if (!in.has(at, 46) || in.u32(at) != kCentralHeader) return std::nullopt;
        const uint16_t method = in.u16(at + 10);
        const uint16_t time = in.u16(at + 12);
        const uint16_t date = in.u16(at + 14);
        const uint32_t crc = in.u32(at + 16);
        const uint32_t packed = in.u32(at + 20);
        const uint32_t size = in.u32(at + 24);
        const uint16_t nameLength = in.u16(at + 28);
        const uint16_t extraLength = in.u16(at + 30);
        const int64_t next = at + 46 + nameLength + extraLength + in.u16(at + 32);
        const int64_t local = in.u32(at + 42);
        if (!in.has(at + 46, nameLength) || !in.has(local, 30) || in.u32(local) != kLocalHeader) {
            return std::nullopt;
        }
        const int64_t data = local + 30 + in.u16(local + 26) + in.u16(local + 28);
        if (!in.has(data, packed)) return std::nullopt;
        if (!in.has(at + 46 + nameLength, extraLength)) return std::nullopt;
        ZipEntry entry;
        entry.name = std::string(archive.substr(at + 46, nameLength));
        entry.modified = fromDosTime(date, time);
        // The exact time, when the archive keeps it.
        for (int64_t field = at + 46 + nameLength; field + 4 <= at + 46 + nameLength + extraLength;
             field += 4 + in.u16(field + 2)) {
            if (in.u16(field) == kExtendedTime && in.u16(field + 2) >= 5 &&
                (uint8_t(archive[field + 4]) & 1) != 0) {
                entry.modified = in.u32(field + 5);
            }
        }
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
        const uint16_t flags = plainAscii(name) ? 0 : kUtf8Names;
        uint16_t date = kDosDate;
        uint16_t time = kDosTime;
        dosTime(entry.modified, date, time);
        const std::string extra = extendedTime(entry.modified);
        const uint32_t crc = crcOf(entry.data);
        const auto size = uint32_t(entry.data.size());
        const auto offset = uint32_t(out.size());
        std::string packed = entry.stored ? std::string() : deflateRaw(entry.data);
        const bool stored = entry.stored || packed.empty() || packed.size() >= entry.data.size();
        const uint16_t method = stored ? kStored : kDeflated;
        if (stored) packed = entry.data;
        put32(out, kLocalHeader);
        put16(out, kVersion);
        put16(out, flags);
        put16(out, method);
        put16(out, time);
        put16(out, date);
        put32(out, crc);
        put32(out, uint32_t(packed.size()));
        put32(out, size);
        put16(out, uint16_t(name.size()));
        put16(out, uint16_t(extra.size()));
        out += name;
        out += extra;
        out += packed;

        put32(directory, kCentralHeader);
        put16(directory, kVersion);
        put16(directory, kVersion);
        put16(directory, flags);
        put16(directory, method);
        put16(directory, time);
        put16(directory, date);
        put32(directory, crc);
        put32(directory, uint32_t(packed.size()));
        put32(directory, size);
        put16(directory, uint16_t(name.size()));
        put16(directory, uint16_t(extra.size()));
        put16(directory, 0);  // comment
        put16(directory, 0);  // disk
        put16(directory, 0);  // internal attributes
        put32(directory, 0);  // external attributes
        put32(directory, offset);
        directory += name;
        directory += extra;
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
