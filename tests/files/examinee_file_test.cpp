#include "files/examinee_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <random>
#include <set>

#include "files/file_system.h"
#include "model/catalogue.h"
#include "model/cp1250.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;

std::string seps(int n) {
    return std::string(n, '\xA7');
}
// The start of a file up to the score codes: signature, date, names, birth date, gender and
// the eight other texts (empty).
std::string header(const std::string& names = seps(4), char gender = 'x') {
    return seps(4) + names + gender + seps(9);
}

// A record whose every field holds something, to see what loading leaves alone.
ExamineeRecord filledRecord() {
    ExamineeRecord r;
    setText(r.firstName, "old");
    setText(r.diagnosticianPermitNo, "old");
    r.gender = 'm';
    r.scores.fill(kPass);
    for (auto& note : r.notes) setText(note, "old");
    return r;
}

class ExamineeFile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("lun4_files_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path file(const std::string& name) const { return folder_ / name; }
    static void writeBytes(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string readBytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::set<std::string> listing() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(folder_)) names.insert(e.path().filename());
        return names;
    }

    fs::path folder_;
};

TEST_F(ExamineeFile, BlankRecordIs354BytesAndCrLfTextsComeBack) {
    const std::string blank = header() + std::string(168, 'b') + seps(168);
    ASSERT_EQ(blank.size(), 354u);
    ASSERT_TRUE(save(ExamineeRecord{}, file("a.pcn")));
    EXPECT_EQ(readBytes(file("a.pcn")), blank);
    ExamineeRecord r = filledRecord();
    ASSERT_TRUE(load(r, file("a.pcn")));
    EXPECT_TRUE(sameContent(r, ExamineeRecord{}));
    EXPECT_EQ(text(r.notes[0]), "");

    setText(r.homeAddress, "ul. Lipowa 5\r\n00-001 Warszawa");
    setText(r.notes[168], "Ostatnia\r\nnotatka");
    ASSERT_TRUE(save(r, file("a.pcn")));
    const std::string bytes = readBytes(file("a.pcn"));
    EXPECT_NE(bytes.find("5\r\r\n00"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("\xA7Ostatnia\r\r\nnotatka"));
    ExamineeRecord back;
    ASSERT_TRUE(load(back, file("a.pcn")));
    EXPECT_TRUE(sameContent(back, r));
}

TEST(ExamineeFileDecode, TextModeRulesEarlyEndAndOddBytes) {
    // A lone CR stays, CR LF becomes LF, 0x1A ends the data in the middle of the surname;
    // fields that start at the end become empty, the gender and first score read 255.
    ExamineeRecord r = filledRecord();
    ASSERT_TRUE(decode(seps(4) + "a\rb\xA7" + "c\r\nd\xA7" + "e\x1A" + "f\xA7", r));
    EXPECT_EQ(text(r.examDate), "a\rb");
    EXPECT_EQ(text(r.firstName), "c\nd");
    EXPECT_EQ(text(r.lastName), "e");
    EXPECT_EQ(text(r.diagnosticianPermitNo), "");
    EXPECT_EQ(r.gender, '\xFF');
    EXPECT_EQ(r.scores[1], '\xFF');
    EXPECT_EQ(r.scores[2], kPass);

    const std::string odd = header(seps(4), 'q') + "\xFFqg" + std::string(165, 'b') + seps(168);
    ASSERT_TRUE(decode(odd, r));
    EXPECT_EQ(r.gender, 'q');
    EXPECT_EQ(encode(r), odd);  // odd bytes are kept and saved back as they were
}

TEST(ExamineeFileDecode, FileEndingInsideTheScores) {
    ExamineeRecord r = filledRecord();
    ASSERT_TRUE(decode(header() + std::string(10, 'r'), r));
    EXPECT_EQ(text(r.firstName), "");
    EXPECT_EQ(r.scores[10], kFail);
    EXPECT_EQ(r.scores[11], '\xFF');
    EXPECT_EQ(r.scores[12], kPass);
    for (const auto& note : r.notes) EXPECT_EQ(text(note), "old");
}

TEST(ExamineeFileDecode, FirstNameAtAndBeyondItsCapacity) {
    for (const std::string& name : {std::string(199, 'a'), std::string(250, 'b')}) {
        const std::string bytes = header("2024\xA7" + name + "\xA7Nowak" + seps(2));
        ExamineeRecord r;
        ASSERT_TRUE(decode(bytes, r));
        EXPECT_EQ(text(r.firstName), name.substr(0, 199));
        EXPECT_EQ(text(r.lastName), "Nowak");
        const HeaderPeek peek = peekHeaderBytes(bytes);
        EXPECT_EQ(peek.examDate + "|" + peek.firstName + "|" + peek.lastName,
                  "2024|" + name.substr(0, 199) + "|Nowak");
    }
}

TEST_F(ExamineeFile, RefusedFilesLeaveTheRecordUntouched) {
    for (const std::string& bytes : {std::string(), seps(3), seps(3) + "x" + seps(20),
                                     seps(3) + "\x1A\xA7", std::string("Jan Kowalski\r\n")}) {
        SCOPED_TRACE(bytes);
        writeBytes(file("bad.pcn"), bytes);
        ExamineeRecord r = filledRecord();
        EXPECT_FALSE(load(r, file("bad.pcn")));
        EXPECT_TRUE(sameContent(r, filledRecord()));
        EXPECT_EQ(text(r.notes[0]), "old");
        const HeaderPeek peek = peekHeader(file("bad.pcn"));
        EXPECT_TRUE(peek.opened && !peek.signatureMatched);
    }
    ExamineeRecord r = filledRecord();
    EXPECT_FALSE(load(r, file("missing.pcn")) || load(r, folder_));
    EXPECT_FALSE(peekHeader(file("missing.pcn")).opened);
    EXPECT_TRUE(sameContent(r, filledRecord()));
}

TEST(ExamineeFileDecode, SampleFilesSaveBackByteForByte) {
    for (const char* name : {"blank.pcn", "notes.pcn"}) {
        std::ifstream in(fs::path(SAMPLE_FILES_DIR) / name, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        ExamineeRecord r;
        ASSERT_TRUE(decode(bytes, r)) << name;
        EXPECT_EQ(encode(r), bytes) << name;
        if (name == std::string("notes.pcn")) {
            EXPECT_EQ(cp1250::toUtf8(text(r.lastName)), "Kowalski-Żółć");
            EXPECT_EQ(cp1250::toUtf8(text(r.notes[168])), "Ostatnia notatka\r\n");
        }
    }
}

// Random records without the two bytes a text cannot hold (0xA7 ends it, 0x1A ends the data).
TEST_F(ExamineeFile, RandomRecordsSaveAndLoadBackEqual) {
    std::mt19937 rng(20240312);
    const auto byte = [&rng](bool inText) {
        for (;;) {
            const char c = static_cast<char>(rng() % 255 + 1);
            if (c != '\x1A' && !(inText && c == '\xA7')) return c;
        }
    };
    const auto fill = [&](auto&... fields) {
        for (auto* field : {&fields...}) {
            std::string t(rng() % field->size(), ' ');
            for (char& c : t) c = byte(true);
            setText(*field, t);
        }
    };
    for (int i = 0; i < 60; ++i) {
        ExamineeRecord r;
        fill(r.firstName, r.lastName, r.examDate, r.birthDate, r.diagnosticianName,
             r.diagnosticianPermitNo);
        fill(r.homeAddress, r.phoneContacts, r.facilityAddress, r.siblings, r.guardians,
             r.additionalInfo);
        for (int k = 1; k <= kItemCount; ++k) {
            r.scores[k] = rng() % 8 ? "bgyr"[rng() % 4] : byte(false);
            if (rng() % 3 == 0) fill(r.notes[k]);
        }
        r.gender = rng() % 4 ? "xmk"[rng() % 3] : byte(false);
        ASSERT_TRUE(save(r, file("r.pcn")));
        ExamineeRecord back = filledRecord();
        ASSERT_TRUE(load(back, file("r.pcn")));
        ASSERT_TRUE(sameContent(back, r)) << i;
        ASSERT_EQ(encode(back), readBytes(file("r.pcn"))) << i;
    }
}

TEST_F(ExamineeFile, SaveRefusesTextsItCannotStore) {
    ExamineeRecord r;
    setText(r.notes[17], "par. \xA7 5");
    std::string error;
    EXPECT_FALSE(save(r, file("x.pcn"), &error));
    EXPECT_NE(error.find("item 17"), std::string::npos);
    r.clear();
    setText(r.guardians, "a\x1A");
    EXPECT_FALSE(save(r, file("x.pcn")));
    EXPECT_TRUE(listing().empty());
}

// Delegates to the real file system except at the one step it is told to fail.
enum class Step { None, Create, Write, Sync, Close, Rename };
class FailingFileSystem final : public FileSystem, public WritableFile {
  public:
    FailingFileSystem(Step failAt, size_t bytesBeforeFailure)
        : failAt_(failAt), bytesBeforeFailure_(bytesBeforeFailure) {}

    std::unique_ptr<WritableFile> createNew(const fs::path& path, std::error_code& e) override {
        if (fails(Step::Create, e) || !(file_ = real_.createNew(path, e))) return nullptr;
        return std::make_unique<Handle>(*this);
    }
    bool mayReplace(const fs::path& path, std::error_code& e) override {
        return real_.mayReplace(path, e);
    }
    bool rename(const fs::path& from, const fs::path& to, std::error_code& e) override {
        return !fails(Step::Rename, e) && real_.rename(from, to, e);
    }
    void remove(const fs::path& path) override { real_.remove(path); }
    void syncFolder(const fs::path& folder) override { real_.syncFolder(folder); }

    bool write(std::string_view bytes, std::error_code& e) override {
        if (failAt_ != Step::Write) return file_->write(bytes, e);
        file_->write(bytes.substr(0, bytesBeforeFailure_), e);  // then the disk is full
        return !fails(Step::Write, e);
    }
    bool sync(std::error_code& e) override { return !fails(Step::Sync, e) && file_->sync(e); }
    bool close(std::error_code& e) override { return file_->close(e) && !fails(Step::Close, e); }

  private:
    struct Handle final : WritableFile {
        explicit Handle(FailingFileSystem& fs) : fs(fs) {}
        bool write(std::string_view b, std::error_code& e) override { return fs.write(b, e); }
        bool sync(std::error_code& e) override { return fs.sync(e); }
        bool close(std::error_code& e) override { return fs.close(e); }
        FailingFileSystem& fs;
    };
    bool fails(Step step, std::error_code& e) const {
        if (step == failAt_) e = std::make_error_code(std::errc::io_error);
        return step == failAt_;
    }

    Step failAt_;
    size_t bytesBeforeFailure_;
    FileSystem& real_ = systemFileSystem();
    std::unique_ptr<WritableFile> file_;
};

TEST_F(ExamineeFile, EveryFailingSaveStepKeepsThePreviousFile) {
    ExamineeRecord previous, next;
    setText(previous.firstName, "Jan");
    next.scores.fill(kEmerging);
    const std::pair<Step, size_t> cases[] = {{Step::Create, 0},  {Step::Write, 0},
                                             {Step::Write, 100}, {Step::Sync, 0},
                                             {Step::Close, 0},   {Step::Rename, 0}};
    for (const auto& [step, bytes] : cases) {
        SCOPED_TRACE(static_cast<int>(step) * 1000 + bytes);
        FailingFileSystem failing(step, bytes);
        EXPECT_FALSE(save(next, file("new.pcn"), failing));
        EXPECT_TRUE(listing().empty());
        ASSERT_TRUE(save(previous, file("old.pcn")));
        std::string error;
        EXPECT_FALSE(save(next, file("old.pcn"), failing, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(readBytes(file("old.pcn")), encode(previous));
        EXPECT_EQ(listing(), std::set<std::string>{"old.pcn"});
        fs::remove(file("old.pcn"));
    }
    // A save that fails nowhere replaces the file and leaves no temporary file behind, even
    // next to one an interrupted save left.
    writeBytes(file(".old.pcn.0.tmp"), "left over");
    ASSERT_TRUE(save(previous, file("old.pcn")));
    FailingFileSystem failingNowhere(Step::None, 0);
    ASSERT_TRUE(save(next, file("old.pcn"), failingNowhere));
    EXPECT_EQ(readBytes(file("old.pcn")), encode(next));
    EXPECT_EQ(listing(), (std::set<std::string>{".old.pcn.0.tmp", "old.pcn"}));
}

TEST_F(ExamineeFile, MissingFolderAndReadOnlyFileAreRefused) {
    ExamineeRecord r;
    EXPECT_FALSE(save(r, folder_ / "pacjenci" / "a.pcn"));
    EXPECT_FALSE(save(r, folder_));  // a folder is no examinee file
    EXPECT_TRUE(listing().empty());
    setText(r.firstName, "Jan");
    ASSERT_TRUE(save(r, file("a.pcn")));
    ASSERT_EQ(::chmod(file("a.pcn").c_str(), 0444), 0);
    EXPECT_FALSE(save(ExamineeRecord{}, file("a.pcn")));
    EXPECT_EQ(readBytes(file("a.pcn")), encode(r));
}

}  // namespace
}  // namespace lun4
