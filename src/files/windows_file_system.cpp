// The Windows implementation of the file-system seam (CreateFileW, WriteFile, FlushFileBuffers,
// MoveFileExW with write-through). Paths are UTF-16 at the system's calls only; every failure
// becomes the same reason the POSIX side gives for the same cause.

#include "files/windows_file_system.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <climits>
#include <mutex>
#include <set>
#include <thread>

namespace lun4 {
namespace windows {
namespace {

constexpr size_t kLongestName = 255;
// Not in every SDK's headers.
constexpr DWORD kDiskQuotaExceeded = 1295;

std::error_code lastError() {
    return errorCode(::GetLastError());
}

// A code with no POSIX cause of its own keeps its number and the system's words for it, and
// is equal to no other cause (the runtime's own table would take a name Windows refuses for a
// missing folder).
class Win32Category final : public std::error_category {
  public:
    const char* name() const noexcept override { return "win32"; }
    std::string message(int code) const override {
        wchar_t* text = nullptr;
        const DWORD n = ::FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        std::string words = n ? pathToUtf8(std::filesystem::path(std::wstring(text, n)))
                              : "error " + std::to_string(code);
        ::LocalFree(text);
        while (!words.empty() && (words.back() == '\n' || words.back() == '\r')) words.pop_back();
        return words;
    }
};

const std::error_category& win32Category() {
    static const Win32Category category;
    return category;
}

// The file's attributes, or INVALID_FILE_ATTRIBUTES with GetLastError set.
DWORD attributesOf(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str());
}

bool isSymbolicLink(const std::wstring& path) {
    const DWORD attributes = attributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return false;
    }
    // Only a link is followed: other reparse points (a file kept in the cloud, say) are files.
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    ::FindClose(search);
    return found.dwReserved0 == IO_REPARSE_TAG_SYMLINK;
}

// Whether another program holds `path` open so that it cannot be replaced or deleted.
bool inUse(const std::wstring& path) {
    const HANDLE h = ::CreateFileW(path.c_str(), DELETE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        ::CloseHandle(h);
        return false;
    }
    return ::GetLastError() == ERROR_SHARING_VIOLATION;
}

class SystemFileSystem;

class WindowsFile final : public WritableFile {
  public:
    WindowsFile(HANDLE handle, std::wstring path, SystemFileSystem& owner)
        : handle_(handle), path_(std::move(path)), owner_(owner) {}
    ~WindowsFile() override {
        if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    }

    void copyOwnershipFrom(const std::filesystem::path& replaced) override {
        // Who may read and write the file comes from the folder, as it did for the file
        // replaced; what is left to keep is how it shows (hidden, not indexed).
        const DWORD old = attributesOf(systemPath(replaced));
        if (old == INVALID_FILE_ATTRIBUTES) return;
        const DWORD kept = old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        if (kept == 0) return;
        FILE_BASIC_INFO info{};
        info.FileAttributes = FILE_ATTRIBUTE_ARCHIVE | kept;
        ::SetFileInformationByHandle(handle_, FileBasicInfo, &info, sizeof info);
    }

    bool write(std::string_view bytes, std::error_code& error) override {
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!::WriteFile(handle_, bytes.data(), chunk, &written, nullptr)) {
                error = lastError();
                return false;
            }
            bytes.remove_prefix(written);
        }
        return true;
    }

    bool sync(std::error_code& error) override;

    bool close(std::error_code& error) override {
        const HANDLE h = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (::CloseHandle(h)) return true;
        error = lastError();
        return false;
    }

  private:
    HANDLE handle_;
    std::wstring path_;
    SystemFileSystem& owner_;
};

class SystemFileSystem final : public FileSystem {
  public:
    explicit SystemFileSystem(MoveFileCall moveFile) : moveFile_(std::move(moveFile)) {}

    void flushed(const std::wstring& path) {
        const std::lock_guard<std::mutex> lock(mutex_);
        flushed_.insert(path);
    }

    std::optional<std::filesystem::path> saveTarget(const std::filesystem::path& path,
                                                    std::error_code& error) override {
        const std::wstring wide = systemPath(path);
        if (!isSymbolicLink(wide)) return path;
        // Opening follows every link on the way; the file at the end must exist.
        const HANDLE h = ::CreateFileW(wide.c_str(), 0,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            error = lastError();
            return std::nullopt;
        }
        std::wstring target(32768, L'\0');
        const DWORD n = ::GetFinalPathNameByHandleW(h, target.data(),
                                                    static_cast<DWORD>(target.size()),
                                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n == 0 || n >= target.size()) error = lastError();
        ::CloseHandle(h);
        if (error) return std::nullopt;
        target.resize(n);
        return std::filesystem::path(target);
    }

    std::unique_ptr<WritableFile> createNew(const std::filesystem::path& path,
                                            std::error_code& error) override {
        std::wstring wide = systemPath(path);
        const HANDLE h = ::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            error = lastError();
            return nullptr;
        }
        return std::make_unique<WindowsFile>(h, std::move(wide), *this);
    }

    bool mayReplace(const std::filesystem::path& path, std::error_code& error) override {
        // Windows' file systems hold names of up to 255 UTF-16 units; the calls themselves
        // tell a longer one by different codes, or as a missing file.
        if (path.filename().wstring().size() > kLongestName) {
            error = std::make_error_code(std::errc::filename_too_long);
            return false;
        }
        const DWORD attributes = attributesOf(systemPath(path));
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const DWORD why = ::GetLastError();
            // Nothing there: the file is new (a missing folder is told when it is created).
            if (why == ERROR_FILE_NOT_FOUND || why == ERROR_PATH_NOT_FOUND) return true;
            error = errorCode(why);
            return false;
        }
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            error = std::make_error_code(std::errc::is_a_directory);
            return false;
        }
        if (attributes & FILE_ATTRIBUTE_DEVICE) {
            error = std::make_error_code(std::errc::operation_not_supported);
            return false;
        }
        // The read-only mark is kept: the program does not replace such a file.
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            error = FileErrc::readOnlyFile;
            return false;
        }
        return true;
    }

    bool rename(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error) override {
        const std::wstring source = systemPath(from);
        const std::wstring target = systemPath(to);
        bool durable = false;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            durable = flushed_.erase(source) > 0;
        }
        const DWORD flags = MOVEFILE_REPLACE_EXISTING | (durable ? MOVEFILE_WRITE_THROUGH : 0);
        // A virus scanner or an indexer may hold the new file for a moment; try a few times.
        DWORD why = 0;
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (moveFile_(source.c_str(), target.c_str(), flags)) return true;
            why = ::GetLastError();
            if (why != ERROR_SHARING_VIOLATION && why != ERROR_ACCESS_DENIED) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        // A file another program keeps open refuses to be replaced as "access denied".
        if (why == ERROR_ACCESS_DENIED && inUse(target)) why = ERROR_SHARING_VIOLATION;
        error = errorCode(why);
        return false;
    }

    void remove(const std::filesystem::path& path) override {
        const std::wstring wide = systemPath(path);
        ::DeleteFileW(wide.c_str());
        const std::lock_guard<std::mutex> lock(mutex_);
        flushed_.erase(wide);
    }

    // The rename was made with write-through: nothing is left to flush in the folder.
    void syncFolder(const std::filesystem::path&) override {}

  private:
    MoveFileCall moveFile_;
    std::mutex mutex_;
    std::set<std::wstring> flushed_;
};

bool WindowsFile::sync(std::error_code& error) {
    if (!::FlushFileBuffers(handle_)) {
        error = lastError();
        return false;
    }
    owner_.flushed(path_);
    return true;
}

}  // namespace

std::error_code errorCode(std::uint32_t code) {
    const auto is = [](std::errc e) { return std::make_error_code(e); };
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return is(std::errc::no_such_file_or_directory);
        case ERROR_DIRECTORY:
            return is(std::errc::not_a_directory);
        case ERROR_ACCESS_DENIED:
        case ERROR_NETWORK_ACCESS_DENIED:
        case ERROR_PRIVILEGE_NOT_HELD:
            return is(std::errc::permission_denied);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
        case kDiskQuotaExceeded:
            return is(std::errc::no_space_on_device);
        case ERROR_FILE_TOO_LARGE:
            return is(std::errc::file_too_large);
        case ERROR_WRITE_PROTECT:
            return is(std::errc::read_only_file_system);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
        case ERROR_DRIVE_LOCKED:
            return is(std::errc::device_or_resource_busy);
        case ERROR_FILENAME_EXCED_RANGE:
            return is(std::errc::filename_too_long);
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return is(std::errc::file_exists);
        case ERROR_CRC:
        case ERROR_SECTOR_NOT_FOUND:
        case ERROR_WRITE_FAULT:
        case ERROR_READ_FAULT:
        case ERROR_GEN_FAILURE:
        case ERROR_IO_DEVICE:
            return is(std::errc::io_error);
        case ERROR_NOT_SAME_DEVICE:
            return is(std::errc::cross_device_link);
        default:
            return {static_cast<int>(code), win32Category()};
    }
}

std::wstring systemPath(const std::filesystem::path& path) {
    std::wstring wide = path.wstring();
    for (wchar_t& c : wide) c = c == L'/' ? L'\\' : c;
    if (wide.starts_with(L"\\\\?\\") || wide.starts_with(L"\\\\.\\")) return wide;
    // The folder is made absolute by the system, the name is added as it is: the system would
    // take "con.pcn" for its console.
    const std::filesystem::path whole(wide);
    const std::wstring name = whole.filename().wstring();
    std::wstring folder = name.empty() ? wide : whole.parent_path().wstring();
    if (folder.empty()) folder = L".";
    std::wstring full(::GetFullPathNameW(folder.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD n = ::GetFullPathNameW(folder.c_str(), static_cast<DWORD>(full.size()),
                                       full.data(), nullptr);
    if (n == 0 || n >= full.size()) return wide;
    full.resize(n);
    if (!name.empty()) {
        if (!full.ends_with(L'\\')) full += L'\\';
        full += name;
    }
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

std::unique_ptr<FileSystem> makeFileSystem(MoveFileCall moveFile) {
    return std::make_unique<SystemFileSystem>(std::move(moveFile));
}

}  // namespace windows

FileSystem& systemFileSystem() {
    static const std::unique_ptr<FileSystem> fileSystem =
        windows::makeFileSystem([](const wchar_t* from, const wchar_t* to, std::uint32_t flags) {
            return ::MoveFileExW(from, to, flags) != 0;
        });
    return *fileSystem;
}

bool FileSystem::removeFile(const std::filesystem::path& path, std::error_code& error) {
    const std::wstring wide = windows::systemPath(path);
    if (::DeleteFileW(wide.c_str())) return true;
    const DWORD why = ::GetLastError();
    // A folder is never taken away, and says so as it does on POSIX.
    const DWORD attributes = windows::attributesOf(wide);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        error = std::make_error_code(std::errc::is_a_directory);
    } else if (why == ERROR_ACCESS_DENIED && windows::inUse(wide)) {
        error = windows::errorCode(ERROR_SHARING_VIOLATION);
    } else {
        error = windows::errorCode(why);
    }
    return false;
}

std::unique_ptr<RegularFile> RegularFile::open(const std::filesystem::path& path,
                                               std::error_code& error) {
    const std::wstring wide = windows::systemPath(path);
    // Backup semantics let a folder be opened, so that it can be told from a file.
    const HANDLE h = ::CreateFileW(wide.c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = windows::lastError();
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool disk = ::GetFileType(h) == FILE_TYPE_DISK;
    const bool folder = ::GetFileInformationByHandle(h, &info) &&
                        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    if (!disk || folder) {
        error = std::make_error_code(folder ? std::errc::is_a_directory
                                            : std::errc::operation_not_supported);
        ::CloseHandle(h);
        return nullptr;
    }
    // A C runtime descriptor owning the handle: reads and the close go through it.
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        error = std::make_error_code(std::errc::too_many_files_open);
        ::CloseHandle(h);
        return nullptr;
    }
    return std::unique_ptr<RegularFile>(new RegularFile(fd));
}

RegularFile::~RegularFile() {
    ::_close(fd_);
}

size_t RegularFile::read(char* buffer, size_t size) {
    const int n = ::_read(fd_, buffer, static_cast<unsigned>(std::min<size_t>(size, INT_MAX)));
    return n > 0 ? static_cast<size_t>(n) : 0;
}

}  // namespace lun4
