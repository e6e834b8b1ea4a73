#pragma once
// The machine's file system behind the seam the saves go through, writing down every step a
// save takes and failing the one step a test names, with the reason the test gives (a full
// disk after so many bytes, a failing flush, no permission, a refused rename...).

#include <string>
#include <system_error>
#include <vector>

#include "files/file_system.h"

namespace lun4::testing {

class FailingFileSystem final : public FileSystem {
  public:
    enum class Step { None, Create, Write, Sync, Close, Rename, Remove };

    explicit FailingFileSystem(Step failAt = Step::None, size_t bytesBeforeFailure = 0)
        : failAt(failAt), bytesBeforeFailure(bytesBeforeFailure) {}

    Step failAt;
    // How much of a failing write reaches the file before the disk is full.
    size_t bytesBeforeFailure;
    std::error_code reason = std::make_error_code(std::errc::io_error);
    // "target a.pcn", "create .lun4-0.tmp", "write 354", "flush", "rename .lun4-0.tmp a.pcn"...
    std::vector<std::string> steps;

    std::optional<std::filesystem::path> saveTarget(const std::filesystem::path& path,
                                                    std::error_code& error) override;
    std::unique_ptr<WritableFile> createNew(const std::filesystem::path& path,
                                            std::error_code& error) override;
    bool mayReplace(const std::filesystem::path& path, std::error_code& error) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error) override;
    void remove(const std::filesystem::path& path) override;
    bool removeFile(const std::filesystem::path& path, std::error_code& error) override;
    void syncFolder(const std::filesystem::path& folder) override;
    bool createExclusive(const std::filesystem::path& path, std::string_view bytes,
                         std::error_code& error) override;

  private:
    class File;
    bool fails(Step step, std::error_code& error) const;

    FileSystem& real_ = systemFileSystem();
};

}  // namespace lun4::testing
