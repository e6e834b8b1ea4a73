// The Windows file-system seam under Wine: the reasons its failures are given in, the rename's
// write-through, UTF-16 names at the system's calls, and the causes a real save meets there.

#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <vector>

#include "files/atomic_write.h"
#include "files/examinee_file.h"
#include "files/file_messages.h"
#include "files/windows_file_system.h"
#include "model/cp1250.h"
#include "test_files.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;
using testing::fileNames;
using testing::readFile;
using testing::writeFile;

std::string reason(FileAction action, std::error_code cause) {
    return cp1250::toUtf8(failureReason(action, cause));
}

// Every Win32 code the seam names, with the POSIX cause it stands for and what a failed save
// then says; any other code is told by its number.
TEST(WindowsFileSystem, EveryErrorCodeGivesTheMessageOfItsPosixCause) {
    struct Case {
        DWORD win32;
        int posix;  // 0: the code itself
        const char* save;
    };
    const Case cases[] = {
        {ERROR_FILE_NOT_FOUND, ENOENT, "folder plików badanych nie istnieje"},
        {ERROR_PATH_NOT_FOUND, ENOENT, "folder plików badanych nie istnieje"},
        {ERROR_INVALID_DRIVE, ENOENT, "folder plików badanych nie istnieje"},
        {ERROR_BAD_NETPATH, ENOENT, "folder plików badanych nie istnieje"},
        {ERROR_BAD_NET_NAME, ENOENT, "folder plików badanych nie istnieje"},
        {ERROR_DIRECTORY, ENOTDIR, "folder plików badanych nie istnieje"},
        {ERROR_ACCESS_DENIED, EACCES, "brak uprawnień do zapisu w folderze plików badanych"},
        {ERROR_NETWORK_ACCESS_DENIED, EACCES,
         "brak uprawnień do zapisu w folderze plików badanych"},
        {ERROR_PRIVILEGE_NOT_HELD, EACCES, "brak uprawnień do zapisu w folderze plików badanych"},
        {ERROR_DISK_FULL, ENOSPC, "brak miejsca na dysku"},
        {ERROR_HANDLE_DISK_FULL, ENOSPC, "brak miejsca na dysku"},
        {1295 /* disk quota exceeded */, ENOSPC, "brak miejsca na dysku"},
        {ERROR_FILE_TOO_LARGE, EFBIG, "brak miejsca na dysku"},
        {ERROR_WRITE_PROTECT, EROFS, "dysk jest tylko do odczytu"},
        {ERROR_SHARING_VIOLATION, EBUSY, "plik jest używany przez inny program"},
        {ERROR_LOCK_VIOLATION, EBUSY, "plik jest używany przez inny program"},
        {ERROR_USER_MAPPED_FILE, EBUSY, "plik jest używany przez inny program"},
        {ERROR_DRIVE_LOCKED, EBUSY, "plik jest używany przez inny program"},
        {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG, "nazwa pliku jest za długa"},
        {ERROR_CRC, EIO, "dysk zgłosił błąd odczytu lub zapisu"},
        {ERROR_SECTOR_NOT_FOUND, EIO, "dysk zgłosił błąd odczytu lub zapisu"},
        {ERROR_WRITE_FAULT, EIO, "dysk zgłosił błąd odczytu lub zapisu"},
        {ERROR_READ_FAULT, EIO, "dysk zgłosił błąd odczytu lub zapisu"},
        {ERROR_GEN_FAILURE, EIO, "dysk zgłosił błąd odczytu lub zapisu"},
        {ERROR_IO_DEVICE, EIO, "dysk zgłosił błąd odczytu lub zapisu"},
        {ERROR_FILE_EXISTS, EEXIST, "błąd systemu nr 17"},
        {ERROR_ALREADY_EXISTS, EEXIST, "błąd systemu nr 17"},
        {ERROR_NOT_SAME_DEVICE, EXDEV, "błąd systemu nr 18"},
        {ERROR_INVALID_NAME, 0, "błąd systemu nr 123"},
        {ERROR_NOT_READY, 0, "błąd systemu nr 21"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.win32);
        const std::error_code windows = windows::errorCode(c.win32);
        EXPECT_EQ(reason(FileAction::Save, windows), c.save);
        if (c.posix == 0) continue;
        const std::error_code posix(c.posix, std::generic_category());
        EXPECT_EQ(windows, posix);
        for (FileAction action : {FileAction::Open, FileAction::Delete, FileAction::Export}) {
            EXPECT_EQ(reason(action, windows), reason(action, posix));
        }
    }
}

TEST(WindowsFileSystem, SystemPathsAreAbsoluteUtf16WithTheLongPathPrefix) {
    wchar_t here[MAX_PATH];
    ASSERT_GT(::GetCurrentDirectoryW(MAX_PATH, here), 0u);
    std::wstring cwd = here;
    if (!cwd.ends_with(L'\\')) cwd += L'\\';
    EXPECT_EQ(windows::systemPath(pathFromUtf8("pacjenci/Żółć.pcn")),
              L"\\\\?\\" + cwd + L"pacjenci\\\u017B\u00F3\u0142\u0107.pcn");
    // A device's name is a plain file name there.
    EXPECT_EQ(windows::systemPath("C:\\dane\\con.pcn"), L"\\\\?\\C:\\dane\\con.pcn");
    EXPECT_EQ(windows::systemPath(pathFromUtf8("\\\\serwer\\udział\\a.pcn")),
              L"\\\\?\\UNC\\serwer\\udział\\a.pcn");
    EXPECT_EQ(windows::systemPath("\\\\?\\C:\\a.pcn"), L"\\\\?\\C:\\a.pcn");
}

class WindowsSave : public ::testing::Test {
  protected:
    fs::path file(const std::string& utf8) const { return temp_.path() / pathFromUtf8(utf8); }

    std::unique_ptr<FileSystem> recording() {
        return windows::makeFileSystem([this](const wchar_t* from, const wchar_t* to, DWORD flags) {
            moves.push_back(flags);
            return ::MoveFileExW(from, to, flags) != 0;
        });
    }

    testing::TempFolder temp_;
    std::vector<DWORD> moves;
};

// A save's new file goes in place with write-through, so the rename is on the disk when the
// save returns; the recovery copy, written after every change, does not wait for the disk.
TEST_F(WindowsSave, AFlushedFileIsRenamedWithWriteThroughAndTheRecoveryCopyWithout) {
    const auto fs = recording();
    ExamineeRecord r;
    setText(r.firstName, "Jan");
    ASSERT_TRUE(save(r, file("a.pcn"), *fs));
    ASSERT_TRUE(save(r, file("a.pcn"), *fs));
    ASSERT_TRUE(saveWithoutFlush(r, file("b.pcn"), *fs));
    ASSERT_TRUE(writeFileAtomically(file("c.csv"), "x", *fs));
    const DWORD durable = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    EXPECT_EQ(moves, (std::vector<DWORD>{durable, durable, MOVEFILE_REPLACE_EXISTING, durable}));
    EXPECT_EQ(readFile(file("a.pcn")), encode(r));
    EXPECT_EQ(fileNames(temp_.path()), (std::set<std::string>{"a.pcn", "b.pcn", "c.csv"}));
}

TEST_F(WindowsSave, PolishNamesReachTheDiskAsUtf16) {
    ASSERT_TRUE(save(ExamineeRecord{}, file("Łucja Żółć.pcn")));
    WIN32_FIND_DATAW found{};
    const HANDLE search =
        ::FindFirstFileW((temp_.path().wstring() + L"\\*.pcn").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    ::FindClose(search);
    EXPECT_EQ(std::wstring(found.cFileName), L"\u0141ucja \u017B\u00F3\u0142\u0107.pcn");
    ExamineeRecord back;
    EXPECT_EQ(load(back, file("Łucja Żółć.pcn")), ReadOutcome::Complete);
}

// Another program holding the file open without letting others delete it (a word processor, a
// backup tool): the save says the file is in use and the file stays as it was.
TEST_F(WindowsSave, AFileOpenElsewhereIsReportedInUseAndKept) {
    ExamineeRecord old;
    setText(old.firstName, "Jan");
    ASSERT_TRUE(save(old, file("a.pcn")));
    const HANDLE held = ::CreateFileW(file("a.pcn").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::error_code cause;
    EXPECT_FALSE(save(ExamineeRecord{}, file("a.pcn"), systemFileSystem(), nullptr, &cause));
    EXPECT_EQ(reason(FileAction::Save, cause), "plik jest używany przez inny program");
    EXPECT_FALSE(systemFileSystem().removeFile(file("a.pcn"), cause));
    EXPECT_EQ(reason(FileAction::Delete, cause), "plik jest używany przez inny program");
    ::CloseHandle(held);
    EXPECT_EQ(readFile(file("a.pcn")), encode(old));
    EXPECT_EQ(fileNames(temp_.path()), std::set<std::string>{"a.pcn"});
}

// A device's name is an ordinary examinee name; a pipe or a folder where a file was listed is
// refused at once.
TEST_F(WindowsSave, DeviceNamesAreFilesAndPipesAndFoldersAreRefused) {
    ExamineeRecord r;
    setText(r.firstName, "Jan");
    ASSERT_TRUE(save(r, file("con.pcn")));
    ExamineeRecord back;
    ASSERT_EQ(load(back, file("con.pcn")), ReadOutcome::Complete);
    EXPECT_EQ(text(back.firstName), "Jan");
    EXPECT_EQ(fileNames(temp_.path()), std::set<std::string>{"con.pcn"});
    std::error_code cause;
    EXPECT_TRUE(systemFileSystem().removeFile(file("con.pcn"), cause));
    EXPECT_TRUE(fileNames(temp_.path()).empty());

    const HANDLE pipe = ::CreateNamedPipeW(L"\\\\.\\pipe\\lun4_test", PIPE_ACCESS_DUPLEX,
                                           PIPE_TYPE_BYTE | PIPE_WAIT, 1, 512, 512, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    EXPECT_EQ(RegularFile::open("\\\\.\\pipe\\lun4_test", cause), nullptr);
    EXPECT_EQ(cause, std::errc::operation_not_supported);
    ::CloseHandle(pipe);
    fs::create_directory(file("d.pcn"));
    EXPECT_EQ(RegularFile::open(file("d.pcn"), cause), nullptr);
    EXPECT_EQ(cause, std::errc::is_a_directory);
    EXPECT_FALSE(systemFileSystem().removeFile(file("d.pcn"), cause));
    EXPECT_EQ(cause, std::errc::is_a_directory);
}

}  // namespace
}  // namespace lun4
