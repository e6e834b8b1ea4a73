// What the file-system seam's implementations share: the program's own error codes and the
// names of the temporary files a save writes. The system calls are in posix_file_system.cpp
// and windows_file_system.cpp, of which CMake builds the one the target needs.

#include "files/file_system.h"

#include <string>

namespace lun4 {
namespace {

class FileCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "lun4 file"; }
    std::string message(int value) const override {
        switch (static_cast<FileErrc>(value)) {
            case FileErrc::readOnlyFile:
                return "the file is read-only";
            case FileErrc::brokenLink:
                return "the link leads to no file";
            case FileErrc::notStorable:
                return "the record holds a byte the file cannot carry";
        }
        return "unknown";
    }
};

constexpr std::string_view kTemporaryPrefix = ".lun4-";
constexpr std::string_view kTemporarySuffix = ".tmp";

bool allDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

const std::error_category& fileCategory() {
    static const FileCategory category;
    return category;
}

std::error_code make_error_code(FileErrc e) {
    return {static_cast<int>(e), fileCategory()};
}

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::filesystem::path temporaryFileBeside(const std::filesystem::path& target, int attempt) {
    // Hidden, and not matching "*.pcn", so the file list never shows a half-written file.
    return target.parent_path() / (std::string(kTemporaryPrefix) + std::to_string(attempt) +
                                   std::string(kTemporarySuffix));
}

bool isTemporarySaveName(std::string_view name) {
    if (!name.starts_with('.') || !name.ends_with(kTemporarySuffix)) return false;
    name.remove_suffix(kTemporarySuffix.size());
    if (name.starts_with(kTemporaryPrefix)) return allDigits(name.substr(kTemporaryPrefix.size()));
    // Earlier versions named it after the target: ".<name>.pcn.<attempt>.tmp".
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || !allDigits(name.substr(dot + 1))) return false;
    std::string target(name.substr(1, dot - 1));
    for (char& c : target) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return target.ends_with(".pcn");
}

bool FileSystem::createExclusive(const std::filesystem::path& path, std::string_view bytes,
                                 std::error_code& error) {
    std::unique_ptr<WritableFile> file = createNew(path, error);
    if (!file) return false;
    std::error_code closeError;
    const bool written = file->write(bytes, error);
    if (file->close(closeError) && written) return true;
    if (written) error = closeError;
    file.reset();
    remove(path);
    return false;
}

}  // namespace lun4
