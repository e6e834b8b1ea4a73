#pragma once
// The Windows side of the file-system seam, as far as the rest of the program and the tests
// need to see it: how a Win32 error code becomes one of the reasons file_messages.h puts into
// words, the UTF-16 path the system is given, and the file system with its rename step
// replaceable (tests watch the flags it is given).

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

#include "files/file_system.h"

namespace lun4::windows {

// The reason behind a Win32 error code (GetLastError): the same std::errc the POSIX side
// gives for the same cause (a full disk, no permission, a read-only disk, a file in use, a
// name too long, a missing folder...), or the code itself in the system category.
std::error_code errorCode(std::uint32_t win32Error);

// The path as the Win32 calls take it: absolute, in UTF-16, with the "\\?\" prefix that lifts
// the 260-character limit and takes every name as a plain name ("con.pcn" is a file there).
std::wstring systemPath(const std::filesystem::path& path);

// MoveFileExW's place: from, to, flags; false with GetLastError set.
using MoveFileCall = std::function<bool(const wchar_t*, const wchar_t*, std::uint32_t)>;

// The machine's file system. A file that was flushed (WritableFile::sync) is put in place
// with write-through, so the rename is on the disk when it returns, as the folder's fsync
// makes it on POSIX; a file written without flushing (the recovery copy) is renamed without.
std::unique_ptr<FileSystem> makeFileSystem(MoveFileCall moveFile);

}  // namespace lun4::windows
