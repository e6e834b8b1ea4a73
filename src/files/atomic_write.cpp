#include "files/atomic_write.h"

#include <memory>
#include <optional>

#include "files/file_messages.h"
#include "files/file_system.h"
#include "model/cp1250.h"

namespace lun4 {

bool replaceFile(const std::filesystem::path& path, std::string_view bytes, FileSystem& fs,
                 bool flush, std::string* error, std::error_code* cause) {
    const auto fail = [error, cause](std::string why, std::error_code code) {
        if (error) *error = std::move(why);
        if (cause) *cause = code;
        return false;
    };
    if (path.filename().empty() || path.filename() == "." || path.filename() == "..") {
        return fail("no file name in " + pathToUtf8(path),
                    std::make_error_code(std::errc::invalid_argument));
    }
    std::error_code ec;
    const std::optional<std::filesystem::path> resolved = fs.saveTarget(path, ec);
    if (!resolved) {
        return fail(pathToUtf8(path) + " is a link to a file that cannot be reached: " + ec.message(),
                    FileErrc::brokenLink);
    }
    const std::filesystem::path& target = *resolved;
    if (!fs.mayReplace(target, ec)) {
        return fail(pathToUtf8(target) + " cannot be replaced: " + ec.message(), ec);
    }

    std::filesystem::path temp;
    std::unique_ptr<WritableFile> file;
    // A file left by an interrupted save, or one another copy of the program is writing,
    // keeps its name; take the next one.
    for (int attempt = 0; attempt < 100 && !file; ++attempt) {
        temp = temporaryFileBeside(target, attempt);
        ec.clear();
        file = fs.createNew(temp, ec);
        if (!file && ec != std::errc::file_exists) break;
    }
    if (!file) {
        return fail(
            "cannot create a temporary file next to " + pathToUtf8(target) + ": " + ec.message(), ec);
    }

    // The replacement keeps who may read and write the file.
    file->copyOwnershipFrom(target);
    const char* step = "writing";
    bool written = file->write(bytes, ec);
    if (written && flush) {
        step = "flushing";
        written = file->sync(ec);
    }
    std::error_code closeError;
    if (!file->close(closeError) && written) {
        step = "closing";
        written = false;
        ec = closeError;
    }
    file.reset();
    if (!written) {
        fs.remove(temp);
        return fail(std::string(step) + " " + pathToUtf8(temp) + " failed: " + ec.message(), ec);
    }
    if (!fs.rename(temp, target, ec)) {
        fs.remove(temp);
        return fail("cannot put the new file in place of " + pathToUtf8(target) + ": " + ec.message(),
                    ec);
    }
    if (flush) fs.syncFolder(target.parent_path());
    return true;
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes, FileSystem& fs,
                         std::string* error) {
    std::error_code cause;
    if (replaceFile(path, bytes, fs, true, nullptr, &cause)) return true;
    if (error) {
        *error = "nie można zapisać " + pathToUtf8(path) + ": " +
                 cp1250::toUtf8(failureReason(FileAction::Export, cause));
    }
    return false;
}

}  // namespace lun4
