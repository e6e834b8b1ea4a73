#pragma once
// The few file-system steps an atomic save needs, behind an interface so that tests can make
// each of them fail (a full disk after N bytes, a failing flush, a refused rename) and check
// that the previous examinee file survives.

#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

namespace lun4 {

// A file opened for writing. Every call reports success; on failure `error` says why.
class WritableFile {
  public:
    virtual ~WritableFile() = default;
    // Writes all of `bytes` or fails.
    virtual bool write(std::string_view bytes, std::error_code& error) = 0;
    // Pushes the written data to the disk itself, not only to the system's cache.
    virtual bool sync(std::error_code& error) = 0;
    virtual bool close(std::error_code& error) = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Creates a file that must not exist yet; nullptr (and `error`) when it cannot.
    virtual std::unique_ptr<WritableFile> createNew(const std::filesystem::path& path,
                                                    std::error_code& error) = 0;
    // Whether an examinee file may be written at `path`: true when nothing is there or a
    // regular file that is not read-only is.
    virtual bool mayReplace(const std::filesystem::path& path, std::error_code& error) = 0;
    // Puts `from` in the place of `to` in one step, so a reader sees the old file or the new
    // one, never a mixture.
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to,
                        std::error_code& error) = 0;
    virtual void remove(const std::filesystem::path& path) = 0;
    // Makes a rename in `folder` durable. Best effort: the rename has already happened.
    virtual void syncFolder(const std::filesystem::path& folder) = 0;
};

// The real file system of the machine.
FileSystem& systemFileSystem();

}  // namespace lun4
