#pragma once
// The comparison of two assessments as a sheet for spreadsheets: one row per item with its
// number, area, scale, name, the score code of the earlier and of the later assessment and
// the change in words, under one row naming the columns. Written as the scores sheet is
// (UTF-8 with a byte-order mark, ';', CR LF, quoted texts); whose assessments they are and
// their dates go into the file's name.

#include <filesystem>
#include <string>
#include <string_view>

#include "model/comparison.h"
#include "model/examinee_record.h"

namespace lun4 {

class FileSystem;

// "bez zmian", "postęp", "regres", "nowo ocenione", "nieocenione" (UTF-8).
std::string_view changeInWords(ScoreChange change);

std::string comparisonSheet(const ExamineeRecord& earlier, const ExamineeRecord& later);

// Writes comparisonSheet atomically at `path`; false with `error` (UTF-8) when it could not.
bool writeComparisonSheet(const ExamineeRecord& earlier, const ExamineeRecord& later,
                          const std::filesystem::path& path, FileSystem& fileSystem,
                          std::string* error = nullptr);

}  // namespace lun4
