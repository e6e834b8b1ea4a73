#pragma once
// What the diagnostician is told when an examinee file cannot be saved, opened or deleted, or
// an exported file cannot be written: which file, and why, in words a person can act on (no
// permission, a full disk, a read-only disk or file, a folder that is gone, a name too long, a
// file gone since the list was made).

#include <string>
#include <string_view>
#include <system_error>

namespace lun4 {

// Save, Open and Delete are about examinee files in their folder; Export about a file written
// wherever the user chose.
enum class FileAction { Save, Open, Delete, Export };

// The reason of a failed `action` in Polish (cp1250), starting in lower case, from the code
// the files layer gives (the system's std::errc or the program's own FileErrc).
std::string failureReason(FileAction action, std::error_code cause);

// The message box's caption and text for a failed `action` on the file `fileName` (cp1250,
// with its extension).
struct FailureMessage {
    std::string caption;
    std::string text;
};
FailureMessage failureMessage(FileAction action, std::string_view fileName, std::error_code cause);

}  // namespace lun4
