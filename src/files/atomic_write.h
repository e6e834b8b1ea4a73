#pragma once
// Writing a whole file in one step, for the files the program exports (the scores sheet, the
// editable report): the bytes go to a hidden temporary file beside the target, are flushed to
// the disk and only then renamed over it. A failure anywhere leaves no file behind and the
// file that was there as it was.

#include <filesystem>
#include <string>
#include <string_view>

namespace lun4 {

class FileSystem;

// Writes `bytes` as the file at `path`. False, with `error` (UTF-8, for the user) saying
// why, when the path names no file, a folder or a read-only file is in the way, or any step
// fails.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         FileSystem& fileSystem, std::string* error = nullptr);

}  // namespace lun4
