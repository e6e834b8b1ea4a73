#pragma once
// What keeps an examinee file from being overwritten unawares: the stamp of the version the
// program last read or wrote (its size, its time and a hash of its bytes), against which a
// save first compares the file on disk, and the copy of the version a save replaces
// ("<name>.pcn.bak" beside it, one generation).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace lun4 {

class FileSystem;

struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    std::uint64_t hash = 0;  // of every byte
};

// Reads the whole regular file at `path` (a link is followed). False, with `error`, when it
// cannot be read; a file that is not there gives error std::errc::no_such_file_or_directory.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::error_code& error);

// The stamp of the file at `path` holding `bytes`, its time as the disk gives it now.
FileStamp stampOf(const std::filesystem::path& path, std::string_view bytes);

// The stamp of the file at `path` as it is now: one that does not exist when nothing is there.
// nullopt, with `error`, when something is there but cannot be read. `bytes` receives what it
// holds.
std::optional<FileStamp> currentStamp(const std::filesystem::path& path, std::string& bytes,
                                      std::error_code& error);

// Whether another program changed the file since the program knew it as `known`: it is there
// and holds other bytes. A file that has gone, or only got a new time, has lost nothing.
bool changedSince(const FileStamp& known, const FileStamp& now);

// "<name>.pcn.bak" beside the examinee file: the version the last save replaced.
std::filesystem::path previousVersionPath(const std::filesystem::path& examineeFile);

// Keeps `bytes`, the examinee file about to be replaced, as its previous version, written to
// the disk and put in place in one step. False, with `error`, when it cannot be kept.
bool keepPreviousVersion(const std::filesystem::path& examineeFile, std::string_view bytes,
                         FileSystem& fileSystem, std::error_code& error);

}  // namespace lun4
