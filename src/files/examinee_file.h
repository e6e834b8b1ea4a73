#pragma once
// The examinee file (".pcn"): every field of the record as text, byte for byte the same on
// every system.
//
// On disk: the signature "§§§§" (four bytes 0xA7); examDate, firstName, lastName,
// birthDate, each closed by 0xA7; the gender byte and 0xA7; homeAddress, phoneContacts,
// facilityAddress, siblings, guardians, additionalInfo, diagnosticianName,
// diagnosticianPermitNo, each closed by 0xA7; the score codes of items 1..168, one byte each;
// then for items 1..168 a 0xA7 followed by the item's note. The last note runs to the end of
// the file. A blank record is 354 bytes.
//
// The bytes pass through the line-break translation of Windows text files, done here by
// hand so that every system writes the same file: writing stores each 0x0A as 0x0D 0x0A;
// reading drops a 0x0D that is followed by 0x0A, keeps a lone 0x0D, and stops at 0x1A as if
// the file ended there. A text holding CR LF in memory is thus 0x0D 0x0D 0x0A on disk.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "model/examinee_record.h"

namespace lun4 {

class FileSystem;

// The file's bytes for `record`, translation included. The caller checks storageProblem
// first: a text holding 0xA7 or 0x1A would be written as it is and read back wrongly.
std::string encode(const ExamineeRecord& record);

// Why `record` cannot be written faithfully (a text or note holding the separator 0xA7 or
// the end-of-data byte 0x1A, or 0x1A as the gender or a score), or an empty string.
std::string storageProblem(const ExamineeRecord& record);

// Writes `record` to `path` atomically: the bytes go to a temporary file in the same folder,
// are flushed to the disk, and only then replace the file at `path`, which keeps its
// permissions. A symbolic link at `path` stays: the file it leads to is the one replaced. Returns
// false, with the previous file untouched and no temporary file left behind, when any step
// fails, when the file at `path` is read-only or not a regular file, when a link leads nowhere,
// or when storageProblem reports something (nothing is written then). `error`, when given,
// receives the reason in words; `cause` the reason as a code: the system's (std::errc: no
// permission, a full disk, a read-only disk, a missing folder, a name too long) or the
// program's own (FileErrc).
bool save(const ExamineeRecord& record, const std::filesystem::path& path,
          std::string* error = nullptr);
bool save(const ExamineeRecord& record, const std::filesystem::path& path, FileSystem& fileSystem,
          std::string* error = nullptr, std::error_code* cause = nullptr);

// The same atomic replacement without waiting for the disk: the file survives the end of the
// program (a crash, a kill) but not necessarily a power cut. For the recovery copy, written
// after every change to the record.
bool saveWithoutFlush(const ExamineeRecord& record, const std::filesystem::path& path,
                      FileSystem& fileSystem, std::string* error = nullptr);

// Removes what interrupted saves left in `folder`: the program's own hidden temporary files
// (isTemporarySaveName), when they were last written at least a minute ago; a younger one may
// be a save another copy of the program is making right now. Nothing else is touched. Returns
// how many were removed.
int removeInterruptedSaves(const std::filesystem::path& folder, FileSystem& fileSystem);

// What reading a file gave.
enum class ReadOutcome {
    Refused,    // not an examinee file (or unreadable): the record was not touched
    Complete,   // every field, score and note was in the file
    EndedEarly  // the file was cut off: the record holds what it had, the rest is blank
};

// Reads the file's bytes (as on disk, before translation) into `record`. A refused file
// leaves the record untouched. Otherwise the record is cleared first, so a file that ends
// early never leaves anything of the examinee in memory: the fields, scores and notes it does
// not reach are empty, "not scored" and unset, as in a new record. Texts longer than their
// field are cut to capacity - 1 bytes.
ReadOutcome decode(std::string_view bytes, ExamineeRecord& record);

// decode on the file at `path`; Refused, with the record untouched, when it cannot be opened
// or is not a regular file (opening never waits on a named pipe). `cause`, when given, then
// holds why it could not be opened (no permission, gone, a folder); it stays clear when the
// file was read and is not an examinee file.
ReadOutcome load(ExamineeRecord& record, const std::filesystem::path& path,
                 std::error_code* cause = nullptr);

// The first three texts of a file, for the file list's preview. Texts are cp1250, cut to
// 199 bytes; they are empty unless the signature matched.
struct HeaderPeek {
    bool opened = false;
    bool signatureMatched = false;
    std::string examDate;
    std::string firstName;
    std::string lastName;
};

HeaderPeek peekHeader(const std::filesystem::path& path);
HeaderPeek peekHeaderBytes(std::string_view bytes);

}  // namespace lun4
