#include "files/atomic_write.h"

#include <memory>
#include <system_error>

#include "files/file_system.h"

namespace lun4 {
namespace {

std::filesystem::path temporaryPath(const std::filesystem::path& target, int attempt) {
    // Hidden, so a folder listing shows no half-written file.
    return target.parent_path() /
           ("." + target.filename().string() + "." + std::to_string(attempt) + ".tmp");
}

}  // namespace

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes, FileSystem& fs,
                         std::string* error) {
    const auto fail = [error](std::string why) {
        if (error) *error = std::move(why);
        return false;
    };
    if (path.filename().empty() || path.filename() == "." || path.filename() == "..") {
        return fail("brak nazwy pliku w " + path.string());
    }
    std::error_code ec;
    if (!fs.mayReplace(path, ec)) {
        return fail("nie można zastąpić " + path.string() + ": " + ec.message());
    }

    std::filesystem::path temp;
    std::unique_ptr<WritableFile> file;
    // A file left by an interrupted export keeps its name; take the next one.
    for (int attempt = 0; attempt < 100 && !file; ++attempt) {
        temp = temporaryPath(path, attempt);
        ec.clear();
        file = fs.createNew(temp, ec);
        if (!file && ec != std::errc::file_exists) break;
    }
    if (!file) {
        return fail("nie można utworzyć pliku w folderze " + path.parent_path().string() + ": " +
                    ec.message());
    }

    bool written = file->write(bytes, ec) && file->sync(ec);
    std::error_code closeError;
    if (!file->close(closeError) && written) {
        written = false;
        ec = closeError;
    }
    file.reset();
    if (!written) {
        fs.remove(temp);
        return fail("nie można zapisać " + path.string() + ": " + ec.message());
    }
    if (!fs.rename(temp, path, ec)) {
        fs.remove(temp);
        return fail("nie można zapisać " + path.string() + ": " + ec.message());
    }
    fs.syncFolder(path.parent_path());
    return true;
}

}  // namespace lun4
