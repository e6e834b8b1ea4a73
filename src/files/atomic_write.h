#pragma once
// Writing a whole file in one step, for the examinee files and for the files the program
// exports (the scores sheet, the editable report): the bytes go to a hidden temporary file
// beside the target, are flushed to the disk and only then renamed over it. A failure anywhere
// leaves no temporary file behind and the file that was there as it was.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace lun4 {

class FileSystem;

// Replaces the file at `path` by `bytes`; a symbolic link keeps leading to the file it names,
// which is the one replaced, and the replacement keeps the old file's permissions. Without
// `flush` the data is not pushed to the disk before the rename (a copy that must survive a
// crash of the program, not of the machine). On failure `error` describes the step that
// failed and `cause` gives its code, which file_messages.h puts into words.
bool replaceFile(const std::filesystem::path& path, std::string_view bytes, FileSystem& fileSystem,
                 bool flush, std::string* error = nullptr, std::error_code* cause = nullptr);

// replaceFile for an exported file, flushed; on failure `error` says in Polish (UTF-8) which
// file could not be written and why.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         FileSystem& fileSystem, std::string* error = nullptr);

}  // namespace lun4
