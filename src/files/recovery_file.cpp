#include "files/recovery_file.h"

#include <memory>
#include <system_error>
#include <vector>

#include "files/examinee_file.h"
#include "model/cp1250.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".pcn";
constexpr std::string_view kSetAside = ".uszkodzony";
// Room left in a file name of 255 bytes for ".pcn" (the writer's temporary file has a short
// name of its own).
constexpr size_t kLongestName = 251;

std::string utf8Name(const fs::path& path) {
    const std::u8string name = path.filename().u8string();
    return {name.begin(), name.end()};
}

// The copies in the folder: regular files ending in ".pcn".
std::vector<fs::directory_entry> copiesIn(const fs::path& folder) {
    std::vector<fs::directory_entry> copies;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && utf8Name(it->path()).ends_with(kExtension)) {
            copies.push_back(*it);
        }
    }
    return copies;
}

}  // namespace

RecoveryStore::RecoveryStore(fs::path folder, FileSystem& fileSystem)
    : folder_(std::move(folder)), fileSystem_(fileSystem) {}

fs::path RecoveryStore::fileFor(std::string_view name) const {
    std::string utf8 = cp1250::toUtf8(name);
    if (utf8.size() > kLongestName || utf8.find('/') != std::string::npos) utf8.clear();
    utf8 += kExtension;
    return folder_ / fs::path(std::u8string(utf8.begin(), utf8.end()));
}

bool RecoveryStore::write(const ExamineeRecord& record, std::string_view name, std::string* error) {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    const fs::path file = fileFor(name);
    // Surviving the program's end is what counts here, not a power cut: no wait for the disk.
    if (!saveWithoutFlush(record, file, fileSystem_, error)) return false;
    if (file != lastWritten_) {
        removeAllBut(file);
        lastWritten_ = file;
    }
    return true;
}

void RecoveryStore::removeAllBut(const fs::path& keep) {
    for (const fs::directory_entry& copy : copiesIn(folder_)) {
        if (copy.path() != keep) fileSystem_.remove(copy.path());
    }
}

void RecoveryStore::clear() {
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = utf8Name(it->path());
        // The copies and what an interrupted write of one left; a copy set aside stays.
        if (name.ends_with(kExtension) || isTemporarySaveName(name)) {
            fileSystem_.remove(it->path());
        }
    }
    lastWritten_.clear();
}

std::optional<RecoveryStore::Copy> RecoveryStore::find() const {
    std::optional<Copy> newest;
    for (const fs::directory_entry& entry : copiesIn(folder_)) {
        std::error_code ec;
        const fs::file_time_type written = entry.last_write_time(ec);
        if (ec || (newest && written <= newest->written)) continue;
        const std::string utf8 = utf8Name(entry.path());
        const std::string stem = utf8.substr(0, utf8.size() - kExtension.size());
        newest = Copy{entry.path(), cp1250::fromUtf8(stem).value_or(""), written};
    }
    return newest;
}

bool RecoveryStore::read(const Copy& copy, ExamineeRecord& record) const {
    auto scratch = std::make_unique<ExamineeRecord>();
    if (load(*scratch, copy.path) != ReadOutcome::Complete) return false;
    record = *scratch;
    return true;
}

fs::path RecoveryStore::setAside(const Copy& copy) {
    fs::path aside = copy.path;
    aside += std::string(kSetAside);
    std::error_code ec;
    if (!fileSystem_.rename(copy.path, aside, ec)) return copy.path;
    return aside;
}

}  // namespace lun4
