#pragma once
// The file screens and the data form plugged into a controller over a fake frame, with a
// fresh examinee folder under the system's temporary folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "fake_frame.h"
#include "files/examinee_file.h"
#include "files/file_system.h"
#include "model/cp1250.h"
#include "screens/assessment/data_form.h"
#include "screens/filescreens/examinee_names.h"
#include "screens/filescreens/file_screens.h"
#include "screens/screen_ids.h"

namespace lun4::testing {

namespace fs = std::filesystem;

// cp1250 text from a UTF-8 literal.
inline std::string cp(std::string_view utf8) {
    return *cp1250::fromUtf8(utf8);
}

inline fs::path freshTempFolder() {
    static int counter = 0;
    const fs::path path =
        fs::temp_directory_path() /
        ("lun4_screens_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    fs::remove_all(path);
    fs::create_directories(path);
    return path;
}

// The machine's file system, except that the one step a test names fails with the reason the
// test gives (a full disk, no permission, a read-only disk...).
class StepFailingFileSystem final : public FileSystem {
  public:
    enum class Step { None, Create, Write, Rename, Remove };
    Step failAt = Step::None;
    std::error_code reason;

    std::optional<fs::path> saveTarget(const fs::path& path, std::error_code& e) override {
        return real_.saveTarget(path, e);
    }
    std::unique_ptr<WritableFile> createNew(const fs::path& path, std::error_code& e) override {
        if (fails(Step::Create, e)) return nullptr;
        auto file = real_.createNew(path, e);
        return file ? std::make_unique<File>(*this, std::move(file)) : nullptr;
    }
    bool mayReplace(const fs::path& path, std::error_code& e) override {
        return real_.mayReplace(path, e);
    }
    bool rename(const fs::path& from, const fs::path& to, std::error_code& e) override {
        return !fails(Step::Rename, e) && real_.rename(from, to, e);
    }
    void remove(const fs::path& path) override { real_.remove(path); }
    bool removeFile(const fs::path& path, std::error_code& e) override {
        return !fails(Step::Remove, e) && real_.removeFile(path, e);
    }
    void syncFolder(const fs::path& folder) override { real_.syncFolder(folder); }

  private:
    struct File final : WritableFile {
        File(StepFailingFileSystem& fs, std::unique_ptr<WritableFile> real)
            : fs(fs), real(std::move(real)) {}
        void copyOwnershipFrom(const fs::path& p) override { real->copyOwnershipFrom(p); }
        bool write(std::string_view b, std::error_code& e) override {
            return !fs.fails(Step::Write, e) && real->write(b, e);
        }
        bool sync(std::error_code& e) override { return real->sync(e); }
        bool close(std::error_code& e) override { return real->close(e); }
        StepFailingFileSystem& fs;
        std::unique_ptr<WritableFile> real;
    };
    bool fails(Step step, std::error_code& e) const {
        if (step != failAt) return false;
        e = reason;
        return true;
    }
    FileSystem& real_ = systemFileSystem();
};

class FileScreensTest : public ::testing::Test {
  protected:
    fs::path root = freshTempFolder();
    fs::path folder = root / "pacjenci";
    FakeFrame frame;
    Buttons buttons{frame.fakeImages()};
    AppState state;
    ScreenController controller{frame, buttons, state};
    DataForm form{controller};
    StepFailingFileSystem fileSystem;
    FileScreens files{controller, form, folder, fileSystem};

    FileScreensTest() {
        fs::create_directories(folder);
        controller.addModule(files);
        controller.addModule(form);
        controller.setExitHandler([this] { files.showExitQuestion(); });
        state.screenId = screen::kMainMenu;
    }
    ~FileScreensTest() override { fs::remove_all(root); }

    void clickAt(int x, int y) {
        state.lastMouse = {x, y};
        controller.mouseMoved(x, y);
        controller.leftButtonDown(x, y);
    }
    void moveAndClick(const ui::SkinButton& b) {
        clickAt(b.x() + b.width() / 2, b.y() + b.height() / 2);
    }
    void clickRow(int row) { clickAt(235, 257 + 20 * row + 10); }

    // An examinee file written the program's own way; names are UTF-8.
    void writeExaminee(std::string_view utf8Name, std::string_view firstName,
                       std::string_view lastName = "", std::string_view examDate = "") {
        ExamineeRecord r;
        setText(r.firstName, cp(firstName));
        setText(r.lastName, cp(lastName));
        setText(r.examDate, examDate);
        ASSERT_TRUE(save(r, folder / (std::string(utf8Name) + ".pcn")));
    }
    std::string loadedFirstName(std::string_view utf8Name) {
        ExamineeRecord r;
        if (load(r, folder / (std::string(utf8Name) + ".pcn")) == ReadOutcome::Refused) {
            return "<unreadable>";
        }
        return cp1250::toUtf8(text(r.firstName));
    }
    void typeSaveName(std::string_view utf8) {
        frame.fakeControl(ui::ControlId::SaveName).setText(cp(utf8));
    }
    std::string saveBoxText() {
        return cp1250::toUtf8(frame.fakeControl(ui::ControlId::SaveName).text());
    }
    bool saveBoxVisible() { return frame.fakeControl(ui::ControlId::SaveName).isVisible(); }
    // Main menu -> save screen -> type -> OK.
    void saveAs(std::string_view utf8) {
        state.screenId = screen::kMainMenu;
        moveAndClick(buttons.save);
        typeSaveName(utf8);
        moveAndClick(buttons.ok);
    }
    size_t filesInFolder() {
        size_t n = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++n;
        return n;
    }
};

}  // namespace lun4::testing
