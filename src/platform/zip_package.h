#pragma once
// The few zip operations the program needs: writing a word processor's package or a backup
// of the examinee folder, and reading one back. Files are deflated with zlib, but for those
// asked to be stored: the first file of an OpenDocument package ("mimetype"), which readers
// sniff, and pictures already packed. Names that are not plain ASCII are UTF-8 and flagged so
// (general purpose bit 11), which the systems' own zip tools honour.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lun4::platform {

struct ZipEntry {
    std::string name;  // UTF-8
    std::string data;
    bool stored = false;  // written as it is rather than deflated
    // When the file was last changed, in seconds since 1970-01-01 UTC; kept both as the local
    // date and time every zip tool shows and exactly (the "UT" extra field). Negative: the
    // fixed 1 January 1980 of a package, so that the same document gives the same bytes.
    std::int64_t modified = -1;
};

// The files of a zip archive in their order, stored or deflated; nothing when the bytes are
// not a zip archive this can read.
std::optional<std::vector<ZipEntry>> readZip(std::string_view archive);

// A zip archive of `entries` in their order.
std::string writeZip(const std::vector<ZipEntry>& entries);

}  // namespace lun4::platform
