#include "failing_file_system.h"

namespace lun4::testing {

namespace fs = std::filesystem;

namespace {

std::string nameOf(const fs::path& path) {
    return path.filename().string();
}

}  // namespace

class FailingFileSystem::File final : public WritableFile {
  public:
    File(FailingFileSystem& fs, std::unique_ptr<WritableFile> real)
        : fs_(fs), real_(std::move(real)) {}

    void copyOwnershipFrom(const fs::path& replaced) override {
        fs_.steps.push_back("ownership of " + nameOf(replaced));
        real_->copyOwnershipFrom(replaced);
    }
    bool write(std::string_view bytes, std::error_code& error) override {
        fs_.steps.push_back("write " + std::to_string(bytes.size()));
        if (fs_.failAt != Step::Write) return real_->write(bytes, error);
        real_->write(bytes.substr(0, fs_.bytesBeforeFailure), error);  // then the disk is full
        return !fs_.fails(Step::Write, error);
    }
    bool sync(std::error_code& error) override {
        fs_.steps.push_back("flush");
        return !fs_.fails(Step::Sync, error) && real_->sync(error);
    }
    bool close(std::error_code& error) override {
        fs_.steps.push_back("close");
        return real_->close(error) && !fs_.fails(Step::Close, error);
    }

  private:
    FailingFileSystem& fs_;
    std::unique_ptr<WritableFile> real_;
};

std::optional<fs::path> FailingFileSystem::saveTarget(const fs::path& path,
                                                      std::error_code& error) {
    steps.push_back("target " + nameOf(path));
    return real_.saveTarget(path, error);
}

std::unique_ptr<WritableFile> FailingFileSystem::createNew(const fs::path& path,
                                                           std::error_code& error) {
    steps.push_back("create " + nameOf(path));
    if (fails(Step::Create, error)) return nullptr;
    auto file = real_.createNew(path, error);
    return file ? std::make_unique<File>(*this, std::move(file)) : nullptr;
}

bool FailingFileSystem::mayReplace(const fs::path& path, std::error_code& error) {
    steps.push_back("check " + nameOf(path));
    return real_.mayReplace(path, error);
}

bool FailingFileSystem::rename(const fs::path& from, const fs::path& to, std::error_code& error) {
    steps.push_back("rename " + nameOf(from) + " " + nameOf(to));
    return !fails(Step::Rename, error) && real_.rename(from, to, error);
}

void FailingFileSystem::remove(const fs::path& path) {
    steps.push_back("remove " + nameOf(path));
    real_.remove(path);
}

bool FailingFileSystem::removeFile(const fs::path& path, std::error_code& error) {
    steps.push_back("delete " + nameOf(path));
    return !fails(Step::Remove, error) && real_.removeFile(path, error);
}

bool FailingFileSystem::createExclusive(const fs::path& path, std::string_view bytes,
                                        std::error_code& error) {
    steps.push_back("create only " + nameOf(path));
    return !fails(Step::Create, error) && real_.createExclusive(path, bytes, error);
}

void FailingFileSystem::syncFolder(const fs::path& folder) {
    steps.push_back("sync folder " + nameOf(folder));
    real_.syncFolder(folder);
}

bool FailingFileSystem::fails(Step step, std::error_code& error) const {
    if (step != failAt) return false;
    error = reason;
    return true;
}

}  // namespace lun4::testing
