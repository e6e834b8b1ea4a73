#pragma once
// The few file-system steps an atomic save needs, behind an interface so that tests can make
// each of them fail (a full disk after N bytes, a failing flush, a refused rename) and check
// that the previous examinee file survives; and the reading of an examinee file, which must
// never block on something that is not a regular file.

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

namespace lun4 {

// Why a file operation failed when the system's own reasons do not say it: the program refuses
// these itself. Carried in a std::error_code, beside the system's reasons (std::errc).
enum class FileErrc {
    readOnlyFile = 1,  // the file is marked read-only: the program does not replace it
    brokenLink,        // a link that leads to no file
    notStorable,       // the record holds a byte the file format cannot carry
};
const std::error_category& fileCategory();
std::error_code make_error_code(FileErrc e);

}  // namespace lun4

template <>
struct std::is_error_code_enum<lun4::FileErrc> : std::true_type {};

namespace lun4 {

// A path from UTF-8 text and back. The program's texts are UTF-8 (or cp1250) inside; a
// narrow string is not taken as UTF-8 by every system's paths (Windows reads it in the
// system's code page), so text becomes a path and a path text through these only.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string pathToUtf8(const std::filesystem::path& path);

// A save writes a hidden temporary file beside its target first and renames it over the
// target. Its name is short and the same for every target (".lun4-<attempt>.tmp"), so that a
// target of the longest name a file system holds can still be saved.
std::filesystem::path temporaryFileBeside(const std::filesystem::path& target, int attempt);
// Whether a file name is one a save writes first: the program's own (also those of earlier
// versions, ".<name>.pcn.<n>.tmp"), and only those.
bool isTemporarySaveName(std::string_view fileName);

// A file opened for writing. Every call reports success; on failure `error` says why.
class WritableFile {
  public:
    virtual ~WritableFile() = default;
    // Gives the file the permission bits (and, where the system lets us, the group) of the file
    // it is about to replace; nothing when there is none. Best effort: a file system without
    // permissions refuses, which does not stop a save.
    virtual void copyOwnershipFrom(const std::filesystem::path& replaced) = 0;
    // Writes all of `bytes` or fails.
    virtual bool write(std::string_view bytes, std::error_code& error) = 0;
    // Pushes the written data to the disk itself, not only to the system's cache.
    virtual bool sync(std::error_code& error) = 0;
    virtual bool close(std::error_code& error) = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The file a save to `path` writes: `path` itself, or, when it is a symbolic link, the
    // file the link leads to (the link stays a link). nullopt (and `error`) for a link that
    // leads nowhere.
    virtual std::optional<std::filesystem::path> saveTarget(const std::filesystem::path& path,
                                                            std::error_code& error) = 0;
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
    // Deletes the file at `path` (never a folder); false and `error` when it cannot.
    virtual bool removeFile(const std::filesystem::path& path, std::error_code& error);
    // Makes a rename in `folder` durable. Best effort: the rename has already happened.
    virtual void syncFolder(const std::filesystem::path& folder) = 0;
    // Puts a new file holding `bytes` at `path` only when nothing is there (false with
    // std::errc::file_exists when something is), so that of two programs creating it at once
    // one succeeds. Works on a mounted network folder too: it relies on no advisory lock. By
    // default the file is created exclusively (createNew) and then written, so a reader may
    // find it empty for a moment; a system that can write it under another name first and
    // link or move it into place without replacing does so.
    virtual bool createExclusive(const std::filesystem::path& path, std::string_view bytes,
                                 std::error_code& error);
};

// The real file system of the machine.
FileSystem& systemFileSystem();

// A regular file opened for reading. Opening never waits: a named pipe or a device put where
// an examinee file was listed is refused instead of blocking the program until a writer
// appears.
class RegularFile {
  public:
    // nullptr (and `error`) when the path cannot be opened or is not a regular file.
    static std::unique_ptr<RegularFile> open(const std::filesystem::path& path,
                                             std::error_code& error);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // Reads up to `size` bytes; 0 at the end of the file or on an error.
    size_t read(char* buffer, size_t size);

  private:
    explicit RegularFile(int fd) : fd_(fd) {}
    int fd_;
};

}  // namespace lun4
