#pragma once
// Backups of the examinee folder ("Kopia zapasowa"): every file lying directly in the folder
// (the examinee files, their previous versions ".bak", whatever else the centre keeps there)
// but the program's own passing files (the lock beside an open file, what an interrupted save
// left), in one zip archive written in one step; and restoring such a backup into the folder
// ("Przywróć z kopii"), which never touches a file the backup does not hold.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lun4 {
class FileSystem;
}

namespace lun4::platform {

// "LUN4 kopia 2026-12-06.zip" for the day of `now` in the computer's time zone.
std::string backupFileName(std::time_t now);

// Whether a file of the examinee folder named so goes into a backup (and may come back).
bool belongsInBackup(std::string_view fileName);

struct BackupWritten {
    bool written = false;
    int files = 0;
    std::string error;  // UTF-8, Polish, when not written
};
// Writes the backup of `folder` to `archive` in one step; a failure leaves no partial file
// and whatever was at `archive` as it was.
BackupWritten writeBackup(const std::filesystem::path& folder,
                          const std::filesystem::path& archive, FileSystem& fileSystem);

struct BackupFile {
    std::string name;  // UTF-8
    std::string bytes;
    std::int64_t modified = -1;  // seconds since 1970-01-01 UTC; -1 when unknown
};
// The files of a backup in the archive's order; nothing, with `error` (UTF-8, Polish), when
// the file cannot be read or is no zip archive the program can read.
std::optional<std::vector<BackupFile>> readBackup(const std::filesystem::path& archive,
                                                  std::string& error);

enum class RestoreState {
    Missing,      // not in the folder: written
    Same,         // the folder holds the same bytes: nothing to do
    OlderOnDisk,  // the folder's file was last changed before the backup's: replaced
    NewerOnDisk,  // the folder's file was changed after the backup's: replaced only if wanted
    InUse,        // open in this or another copy of the program now: left alone
    Refused,      // not a plain file name of the folder, or no regular file in its place
};
struct RestoreItem {
    BackupFile file;
    RestoreState state = RestoreState::Missing;
    std::int64_t onDisk = -1;  // when the folder's file was last changed; -1 when absent
};
// What restoring each file of a backup into `folder` would do, in the backup's order.
std::vector<RestoreItem> planRestore(std::vector<BackupFile> files,
                                     const std::filesystem::path& folder);

// Writes one file of a backup into `folder` in one step, with the backup's time. False, with
// `error` (UTF-8, Polish), when it cannot.
bool restoreFile(const std::filesystem::path& folder, const BackupFile& file,
                 FileSystem& fileSystem, std::string& error);

}  // namespace lun4::platform
