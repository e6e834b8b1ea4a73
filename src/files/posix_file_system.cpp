// The POSIX implementation of the file-system seam (open, write, fsync, rename); the seam in
// file_system.h keeps the rest of the program free of it.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "files/file_system.h"

namespace lun4 {
namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

class PosixFile final : public WritableFile {
  public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override {
        if (fd_ >= 0) ::close(fd_);
    }

    void copyOwnershipFrom(const std::filesystem::path& replaced) override {
        struct stat old {};
        if (::stat(replaced.c_str(), &old) != 0) return;
        // The group first: changing it may clear the set-group bit that the mode then restores.
        struct stat mine {};
        if (::fstat(fd_, &mine) == 0 && mine.st_gid != old.st_gid) {
            [[maybe_unused]] const int ignored = ::fchown(fd_, static_cast<uid_t>(-1), old.st_gid);
        }
        ::fchmod(fd_, old.st_mode & 07777);
    }

    bool write(std::string_view bytes, std::error_code& error) override {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                error = lastError();
                return false;
            }
            bytes.remove_prefix(static_cast<size_t>(n));
        }
        return true;
    }

    bool sync(std::error_code& error) override {
        if (::fsync(fd_) == 0) return true;
        error = lastError();
        return false;
    }

    bool close(std::error_code& error) override {
        const int fd = fd_;
        fd_ = -1;
        // The descriptor is gone even when close reports an error; never close it twice.
        if (::close(fd) == 0) return true;
        error = lastError();
        return false;
    }

  private:
    int fd_;
};

class SystemFileSystem final : public FileSystem {
  public:
    std::optional<std::filesystem::path> saveTarget(const std::filesystem::path& path,
                                                    std::error_code& error) override {
        namespace fs = std::filesystem;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            error.clear();
            return path;
        }
        // Every link on the way is followed; the file at the end must exist.
        fs::path target = fs::canonical(path, error);
        if (error) return std::nullopt;
        return target;
    }

    std::unique_ptr<WritableFile> createNew(const std::filesystem::path& path,
                                            std::error_code& error) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = lastError();
            return nullptr;
        }
        return std::make_unique<PosixFile>(fd);
    }

    bool mayReplace(const std::filesystem::path& path, std::error_code& error) override {
        namespace fs = std::filesystem;
        const fs::file_status status = fs::symlink_status(path, error);
        if (status.type() == fs::file_type::not_found) {
            error.clear();
            return true;
        }
        if (error) return false;
        if (status.type() != fs::file_type::regular) {
            error = std::make_error_code(status.type() == fs::file_type::directory
                                             ? std::errc::is_a_directory
                                             : std::errc::operation_not_supported);
            return false;
        }
        // The permission bits, not access(): a read-only examinee file stays read-only for
        // every user, administrators included, as it does on the diagnostician's system.
        if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) {
            error = FileErrc::readOnlyFile;
            return false;
        }
        return true;
    }

    bool rename(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error) override {
        std::filesystem::rename(from, to, error);
        return !error;
    }

    void remove(const std::filesystem::path& path) override {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }

    bool createExclusive(const std::filesystem::path& path, std::string_view bytes,
                         std::error_code& error) override {
        // Written whole beside it, then hard-linked into place: link() never replaces, also
        // over NFS. A folder without hard links (some shares) gets the exclusive create and
        // the bytes written after it.
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::filesystem::path temp = temporaryFileBeside(path, attempt);
            const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0) {
                if (errno == EEXIST) continue;
                break;
            }
            PosixFile file(fd);
            if (!file.write(bytes, error) || !file.close(error)) {
                ::unlink(temp.c_str());
                return false;
            }
            const int linked = ::link(temp.c_str(), path.c_str());
            const int linkError = errno;
            ::unlink(temp.c_str());
            if (linked == 0) return true;
            if (linkError == EEXIST) {
                error = std::make_error_code(std::errc::file_exists);
                return false;
            }
            break;
        }
        return FileSystem::createExclusive(path, bytes, error);
    }

    void syncFolder(const std::filesystem::path& folder) override {
        const int fd =
            ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return;
        ::fsync(fd);
        ::close(fd);
    }
};

}  // namespace

bool FileSystem::removeFile(const std::filesystem::path& path, std::error_code& error) {
    // unlink, not remove: a folder of that name is never taken away.
    if (::unlink(path.c_str()) == 0) return true;
    error = lastError();
    return false;
}

FileSystem& systemFileSystem() {
    static SystemFileSystem fileSystem;
    return fileSystem;
}

std::unique_ptr<RegularFile> RegularFile::open(const std::filesystem::path& path,
                                               std::error_code& error) {
    // Without O_NONBLOCK, opening a named pipe waits for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        error = lastError();
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory
                                                           : std::errc::operation_not_supported);
        ::close(fd);
        return nullptr;
    }
    // A regular file never blocks; plain reads from here on.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return std::unique_ptr<RegularFile>(new RegularFile(fd));
}

RegularFile::~RegularFile() {
    ::close(fd_);
}

size_t RegularFile::read(char* buffer, size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size);
        if (n >= 0) return static_cast<size_t>(n);
        if (errno != EINTR) return 0;
    }
}

}  // namespace lun4
