#pragma once
// TEMPORARY STAND-IN so the file screens build and test before the real examinee file
// module lands; it is replaced on merge. Same API as the real one.

#include <filesystem>
#include <string>

#include "model/examinee_record.h"

namespace lun4 {

struct HeaderPeek {
    bool opened = false;
    bool signatureMatched = false;
    std::string examDate;
    std::string firstName;
    std::string lastName;
};

bool save(const ExamineeRecord& record, const std::filesystem::path& path,
          std::string* error = nullptr);
bool load(ExamineeRecord& record, const std::filesystem::path& path);
HeaderPeek peekHeader(const std::filesystem::path& path);

}  // namespace lun4
