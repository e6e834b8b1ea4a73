#pragma once
// The few zip operations a word processor's package needs: writing the package, and reading
// one back. Files are deflated with zlib, but for those asked to be stored: the first file of
// an OpenDocument package ("mimetype"), which readers sniff, and pictures already packed.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lun4::platform {

struct ZipEntry {
    std::string name;  // plain ASCII
    std::string data;
    bool stored = false;  // written as it is rather than deflated
};

// The files of a zip archive in their order, stored or deflated; nothing when the bytes are
// not a zip archive this can read.
std::optional<std::vector<ZipEntry>> readZip(std::string_view archive);

// A zip archive of `entries` in their order.
std::string writeZip(const std::vector<ZipEntry>& entries);

}  // namespace lun4::platform
