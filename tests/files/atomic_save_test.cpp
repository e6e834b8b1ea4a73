// Saving never loses the previous examinee file: each step of the save is made to fail in
// turn through a file system that delegates to the real one until its chosen step.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/examinee_file.h"
#include "files/file_system.h"
#include "test_folder.h"

namespace lun4 {
namespace {

enum class Step { None, Create, Write, Sync, Close, Rename };

class FailingFileSystem final : public FileSystem {
  public:
    Step failAt = Step::None;
    size_t bytesBeforeFailure = 0;  // for Step::Write: what reaches the disk before "disk full"

    std::unique_ptr<WritableFile> createNew(const std::filesystem::path& path,
                                            std::error_code& error) override {
        if (failAt == Step::Create) {
            error = std::make_error_code(std::errc::permission_denied);
            return nullptr;
        }
        auto file = real_.createNew(path, error);
        return file ? std::make_unique<File>(*this, std::move(file)) : nullptr;
    }
    bool mayReplace(const std::filesystem::path& path, std::error_code& error) override {
        return real_.mayReplace(path, error);
    }
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error) override {
        if (failAt == Step::Rename) {
            error = std::make_error_code(std::errc::device_or_resource_busy);
            return false;
        }
        return real_.rename(from, to, error);
    }
    void remove(const std::filesystem::path& path) override { real_.remove(path); }
    void syncFolder(const std::filesystem::path& folder) override { real_.syncFolder(folder); }

  private:
    class File final : public WritableFile {
      public:
        File(FailingFileSystem& fs, std::unique_ptr<WritableFile> real)
            : fs_(fs), real_(std::move(real)) {}
        bool write(std::string_view bytes, std::error_code& error) override {
            if (fs_.failAt != Step::Write) return real_->write(bytes, error);
            real_->write(bytes.substr(0, fs_.bytesBeforeFailure), error);
            error = std::make_error_code(std::errc::no_space_on_device);
            return false;
        }
        bool sync(std::error_code& error) override {
            if (fs_.failAt != Step::Sync) return real_->sync(error);
            error = std::make_error_code(std::errc::io_error);
            return false;
        }
        bool close(std::error_code& error) override {
            const bool closed = real_->close(error);
            if (fs_.failAt != Step::Close) return closed;
            error = std::make_error_code(std::errc::io_error);
            return false;
        }

      private:
        FailingFileSystem& fs_;
        std::unique_ptr<WritableFile> real_;
    };

    FileSystem& real_ = systemFileSystem();
};

class AtomicSave : public test::TestFolder {
  protected:
    void SetUp() override {
        TestFolder::SetUp();
        setText(previous_.firstName, "Jan");
        setText(next_.firstName, "Janina");
        next_.scores.fill(kEmerging);
    }
    ExamineeRecord previous_;
    ExamineeRecord next_;
};

TEST_F(AtomicSave, EveryFailingStepKeepsThePreviousFile) {
    const struct {
        Step step;
        size_t bytes;
    } cases[] = {{Step::Create, 0}, {Step::Write, 0}, {Step::Write, 100},
                 {Step::Sync, 0},   {Step::Close, 0}, {Step::Rename, 0}};
    const auto path = file("Kowalski.pcn");
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.step) * 1000 + c.bytes);
        ASSERT_TRUE(save(previous_, path));
        FailingFileSystem fs;
        fs.failAt = c.step;
        fs.bytesBeforeFailure = c.bytes;
        std::string error;
        EXPECT_FALSE(save(next_, path, fs, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(readBytes(path), encode(previous_));
        EXPECT_EQ(listing(), std::vector<std::string>{"Kowalski.pcn"});
    }
}

TEST_F(AtomicSave, FailureWithoutAPreviousFileLeavesNothing) {
    FailingFileSystem fs;
    fs.failAt = Step::Write;
    fs.bytesBeforeFailure = 50;
    EXPECT_FALSE(save(next_, file("Nowy.pcn"), fs));
    EXPECT_TRUE(listing().empty());
}

TEST_F(AtomicSave, ReplacesTheFileAndLeavesNoTemporaryFile) {
    const auto path = file("Kowalski.pcn");
    writeBytes(file(".Kowalski.pcn.0.tmp"), "left by an interrupted save");
    ASSERT_TRUE(save(previous_, path));
    FailingFileSystem fs;  // fails nowhere
    ASSERT_TRUE(save(next_, path, fs));
    EXPECT_EQ(readBytes(path), encode(next_));
    EXPECT_EQ(listing(), (std::vector<std::string>{".Kowalski.pcn.0.tmp", "Kowalski.pcn"}));
}

TEST_F(AtomicSave, MissingFolderAndReadOnlyFileAreRefused) {
    std::string error;
    EXPECT_FALSE(save(next_, folder_ / "pacjenci" / "Kowalski.pcn", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(listing().empty());

    const auto path = file("Kowalski.pcn");
    ASSERT_TRUE(save(previous_, path));
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(save(next_, path, &error));
    EXPECT_EQ(readBytes(path), encode(previous_));
    EXPECT_FALSE(save(next_, folder_));  // a folder is no examinee file
}

}  // namespace
}  // namespace lun4
