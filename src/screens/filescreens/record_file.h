#pragma once
// The examinee file the record belongs to, kept so that nothing typed is overwritten unawares:
// the lock beside it while it is open (one file, one writer), the stamp of the version the
// program last read or wrote, and whether it was opened only for reading because another copy
// of the program has it. Opening and saving go through here and ask what has to be asked: who
// holds a file, and what to do with a file that changed on disk behind the program's back. A
// save keeps the version it replaces as "<name>.pcn.bak".

#include <filesystem>
#include <optional>
#include <string>

#include "files/examinee_file.h"
#include "files/examinee_lock.h"
#include "files/file_guard.h"
#include "model/examinee_record.h"
#include "ui/frame.h"

namespace lun4 {

class FileSystem;

class RecordFile {
  public:
    RecordFile(ui::Frame& frame, FileSystem& fileSystem);

    enum class Opened {
        Complete,    // the record holds the file
        EndedEarly,  // the file was cut off: the record holds what it had
        WrongFormat, // not an examinee file: the record is untouched
        Unreadable,  // could not be read (`cause` says why): the record is untouched
        Cancelled,   // another copy has the file and the user went back: nothing changed
    };
    // Reads the file at `path` into `record`. When another running copy holds the file, says who
    // and since when and offers to open it only for reading.
    Opened open(const std::filesystem::path& path, ExamineeRecord& record, std::error_code& cause);

    enum class Saved {
        Yes,
        No,             // refused or failed, and the user was told why; or cancelled
        UnderOtherName  // the user chose to save under another name instead
    };
    // Writes `record` to `path` (a new file, or the record's own file again). Refused, with a
    // message, for a file another running copy holds, and for the record's own file while it is
    // open only for reading. When the record's own file changed on disk since it was opened or
    // last saved, asks first. The replaced version is kept as "<name>.pcn.bak".
    Saved save(const ExamineeRecord& record, const std::filesystem::path& path);

    // The record belongs to no file any more (a new record, the end of the program): the lock
    // goes.
    void close();
    // A record given back after a crash, belonging to the file at `path`: its lock is taken
    // again (only reading when another copy has the file meanwhile), and the file as it is now
    // is the version known.
    void adopt(const std::filesystem::path& path);

    const std::filesystem::path& path() const { return path_; }
    // The file is open only for reading: another copy of the program has it.
    bool readOnly() const { return readOnly_; }

  private:
    ui::Frame& frame_;
    FileSystem& fileSystem_;
    std::filesystem::path path_;
    ExamineeLock lock_;
    std::optional<FileStamp> known_;
    bool readOnly_ = false;
};

// Who has a file, for the messages: "w innym oknie programu na tym komputerze (użytkownik „jan”,
// od 07.12.2026, godz. 12:03)" or "na komputerze „PORADNIA-2” (...)" (cp1250).
std::string holderDescription(const LockHolder& holder);

}  // namespace lun4
