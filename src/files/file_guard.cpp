#include "files/file_guard.h"

#include "files/atomic_write.h"
#include "files/file_system.h"

namespace lun4 {
namespace fs = std::filesystem;

namespace {

// 64-bit FNV-1a: enough to tell two versions of a file apart, and quick.
std::uint64_t hashOf(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

}  // namespace

bool readWholeFile(const fs::path& path, std::string& bytes, std::error_code& error) {
    const std::unique_ptr<RegularFile> file = RegularFile::open(path, error);
    if (!file) return false;
    bytes.clear();
    char buffer[16384];
    while (const size_t n = file->read(buffer, sizeof buffer)) bytes.append(buffer, n);
    return true;
}

FileStamp stampOf(const fs::path& path, std::string_view bytes) {
    FileStamp stamp;
    stamp.exists = true;
    stamp.size = bytes.size();
    stamp.hash = hashOf(bytes);
    std::error_code ignored;
    stamp.modified = fs::last_write_time(path, ignored);
    return stamp;
}

std::optional<FileStamp> currentStamp(const fs::path& path, std::string& bytes,
                                      std::error_code& error) {
    bytes.clear();
    if (readWholeFile(path, bytes, error)) return stampOf(path, bytes);
    if (error == std::errc::no_such_file_or_directory) {
        error.clear();
        return FileStamp{};
    }
    return std::nullopt;
}

bool changedSince(const FileStamp& known, const FileStamp& now) {
    if (!now.exists) return false;
    return !known.exists || now.size != known.size || now.hash != known.hash;
}

fs::path previousVersionPath(const fs::path& examineeFile) {
    fs::path bak = examineeFile;
    bak += ".bak";
    return bak;
}

bool keepPreviousVersion(const fs::path& examineeFile, std::string_view bytes, FileSystem& fileSystem,
                         std::error_code& error) {
    return replaceFile(previousVersionPath(examineeFile), bytes, fileSystem, true, nullptr, &error);
}

}  // namespace lun4
