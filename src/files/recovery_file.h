#pragma once
// The recovery copy: the record as it stands, written after every change so that a crash or a
// killed program loses nothing typed. It is an ordinary examinee file, byte for byte, in a
// folder of its own (not among the examinee files), named after the record's file name
// ("Nowak.pcn"; ".pcn" while the record has none), so that the record and its name are
// replaced together in one atomic step.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_system.h"
#include "model/examinee_record.h"

namespace lun4 {

class RecoveryStore {
  public:
    explicit RecoveryStore(std::filesystem::path folder,
                           FileSystem& fileSystem = systemFileSystem());

    const std::filesystem::path& folder() const { return folder_; }

    // Replaces the copy by `record` under `name` (cp1250, without ".pcn"), atomically; a copy
    // under an earlier name goes once the new one is in place. A name too long to be part of
    // a file name is not kept (the copy is then nameless). False, with the reason in `error`,
    // when it cannot be written; the previous copy is then as it was.
    bool write(const ExamineeRecord& record, std::string_view name, std::string* error = nullptr);

    // Removes every copy, and anything an interrupted write left: after a save, at a clean end.
    void clear();

    struct Copy {
        std::filesystem::path path;
        std::string name;  // cp1250, without ".pcn"
        std::filesystem::file_time_type written;
    };
    // The newest copy in the folder, if there is one.
    std::optional<Copy> find() const;
    // Reads a copy into `record`. Only a complete examinee file is trusted: for anything else
    // the record is left untouched and the answer is false.
    bool read(const Copy& copy, ExamineeRecord& record) const;
    // Moves a copy that cannot be trusted out of find's sight (".uszkodzony" is added to its
    // name) and returns where it went; its own path when it could not be moved.
    std::filesystem::path setAside(const Copy& copy);
    // Removes every copy but `keep`.
    void removeAllBut(const std::filesystem::path& keep);

  private:
    std::filesystem::path fileFor(std::string_view name) const;

    std::filesystem::path folder_;
    FileSystem& fileSystem_;
    std::filesystem::path lastWritten_;
};

}  // namespace lun4
