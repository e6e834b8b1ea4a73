#include "platform/examinee_backup.h"

#include <algorithm>
#include <chrono>
#include <system_error>

#include "files/atomic_write.h"
#include "files/examinee_lock.h"
#include "files/file_guard.h"
#include "files/file_messages.h"
#include "files/file_system.h"
#include "files/host.h"
#include "model/cp1250.h"
#include "platform/zip_package.h"

namespace lun4::platform {
namespace {

namespace fs = std::filesystem;

// What one zip archive of the classic format can hold.
constexpr size_t kMostFiles = 0xFFFF;
constexpr std::uintmax_t kMostBytes = 0xF0000000;

std::int64_t secondsOf(fs::file_time_type time) {
    const auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

fs::file_time_type timeOf(std::int64_t seconds) {
    const std::chrono::sys_seconds system{std::chrono::seconds(seconds)};
    return std::chrono::file_clock::from_sys(system);
}

std::string reason(FileAction action, const std::error_code& cause) {
    return cp1250::toUtf8(failureReason(action, cause));
}

bool validUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + extra >= text.size() + (extra == 0 ? 1 : 0)) return false;
        for (int k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += 1 + extra;
    }
    return true;
}

// A name that can only be a file directly in the folder, on every system.
bool plainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || name.size() > 255) return false;
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            return false;
        }
    }
    return name.back() != '.' && name.back() != ' ';
}

}  // namespace

std::string backupFileName(std::time_t now) {
    const std::tm local = host::localTime(now).value_or(std::tm{});
    char day[16];
    std::strftime(day, sizeof day, "%Y-%m-%d", &local);
    return std::string("LUN4 kopia ") + day + ".zip";
}

bool belongsInBackup(std::string_view name) {
    // The lock beside an open file (".~lock.<name>#") and what a save writes first.
    if (name.starts_with(".~lock.") && name.ends_with("#")) return false;
    return !isTemporarySaveName(name);
}

BackupWritten writeBackup(const fs::path& folder, const fs::path& archive, FileSystem& fileSystem) {
    BackupWritten result;
    std::vector<ZipEntry> entries;
    std::uintmax_t total = 0;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        result.error = "nie można odczytać folderu plików badanych " + pathToUtf8(folder) + ": " +
                       reason(FileAction::Open, ec);
        return result;
    }
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        std::error_code typeError;
        const std::string name = pathToUtf8(it->path().filename());
        if (!it->is_regular_file(typeError) || !belongsInBackup(name)) continue;
        ZipEntry entry;
        entry.name = name;
        std::error_code readError;
        if (!readWholeFile(it->path(), entry.data, readError)) {
            result.error = "nie można odczytać pliku „" + name + "”: " +
                           reason(FileAction::Open, readError);
            return result;
        }
        std::error_code timeError;
        const auto written = fs::last_write_time(it->path(), timeError);
        if (!timeError) entry.modified = secondsOf(written);
        total += entry.data.size();
        entries.push_back(std::move(entry));
    }
    if (ec) {
        result.error = "nie można odczytać folderu plików badanych " + pathToUtf8(folder) + ": " +
                       reason(FileAction::Open, ec);
        return result;
    }
    if (entries.size() > kMostFiles || total > kMostBytes) {
        result.error = "folder plików badanych jest za duży na jedną kopię (najwyżej 65 535 plików "
                       "i 3,7 GB)";
        return result;
    }
    // The same order on every system: the archive lists the files as the folder sorts them.
    std::sort(entries.begin(), entries.end(),
              [](const ZipEntry& a, const ZipEntry& b) { return a.name < b.name; });
    std::string error;
    if (!writeFileAtomically(archive, writeZip(entries), fileSystem, &error)) {
        result.error = error;
        return result;
    }
    result.written = true;
    result.files = static_cast<int>(entries.size());
    return result;
}

std::optional<std::vector<BackupFile>> readBackup(const fs::path& archive, std::string& error) {
    std::string bytes;
    std::error_code cause;
    if (!readWholeFile(archive, bytes, cause)) {
        error = "nie można odczytać pliku " + pathToUtf8(archive) + ": " +
                reason(FileAction::Open, cause);
        return std::nullopt;
    }
    std::optional<std::vector<ZipEntry>> entries = readZip(bytes);
    if (!entries) {
        error = "plik " + pathToUtf8(archive) +
                " nie jest archiwum zip, które program potrafi odczytać, albo jest uszkodzony";
        return std::nullopt;
    }
    std::vector<BackupFile> files;
    for (ZipEntry& entry : *entries) {
        // Folders an archiving tool listed on their own hold nothing to restore.
        if (entry.name.ends_with('/') && entry.data.empty()) continue;
        files.push_back({std::move(entry.name), std::move(entry.data), entry.modified});
    }
    return files;
}

std::vector<RestoreItem> planRestore(std::vector<BackupFile> files, const fs::path& folder) {
    std::vector<RestoreItem> plan;
    for (BackupFile& file : files) {
        RestoreItem item;
        item.file = std::move(file);
        const std::string& name = item.file.name;
        if (!plainFileName(name) || !belongsInBackup(name) || !validUtf8(name)) {
            item.state = RestoreState::Refused;
            plan.push_back(std::move(item));
            continue;
        }
        const fs::path target = folder / pathFromUtf8(name);
        std::error_code ec;
        const fs::file_status status = fs::status(target, ec);
        if (!fs::exists(status)) {
            item.state = RestoreState::Missing;
        } else if (!fs::is_regular_file(status)) {
            item.state = RestoreState::Refused;
        } else if (ExamineeLock::holderOf(target)) {
            item.state = RestoreState::InUse;
        } else {
            std::string bytes;
            std::error_code readError;
            const auto written = fs::last_write_time(target, ec);
            item.onDisk = ec ? -1 : secondsOf(written);
            if (readWholeFile(target, bytes, readError) && bytes == item.file.bytes) {
                item.state = RestoreState::Same;
            } else if (item.file.modified >= 0 && item.onDisk >= 0 &&
                       item.onDisk < item.file.modified) {
                item.state = RestoreState::OlderOnDisk;
            } else {
                // Newer, changed within the same second (zip tools keep times in two-second
                // steps), or either time unknown: only the diagnostician can say.
                item.state = RestoreState::NewerOnDisk;
            }
        }
        plan.push_back(std::move(item));
    }
    return plan;
}

bool restoreFile(const fs::path& folder, const BackupFile& file, FileSystem& fileSystem,
                 std::string& error) {
    const fs::path target = folder / pathFromUtf8(file.name);
    std::error_code cause;
    if (!replaceFile(target, file.bytes, fileSystem, true, nullptr, &cause)) {
        error = "nie można zapisać pliku „" + file.name + "”: " + reason(FileAction::Save, cause);
        return false;
    }
    // The file is as old as its version in the backup: a second restore finds it the same.
    if (file.modified >= 0) {
        std::error_code ignored;
        fs::last_write_time(target, timeOf(file.modified), ignored);
    }
    return true;
}

}  // namespace lun4::platform
