#include "files/examinee_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <chrono>
#include <random>
#include <set>
#include <vector>

#include "failing_file_system.h"
#include "files/file_system.h"
#include "files/recovery_file.h"
#include "model/catalogue.h"
#include "model/cp1250.h"
#include "test_files.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;
using testing::FailingFileSystem;
using testing::fileNames;
using testing::readFile;
using testing::writeFile;
using Step = FailingFileSystem::Step;

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
    fs::path file(const std::string& name) const { return folder_ / pathFromUtf8(name); }
    std::set<std::string> listing() const { return fileNames(folder_); }

    testing::TempFolder temp_;
    const fs::path folder_ = temp_.path();
};

TEST_F(ExamineeFile, BlankRecordIs354BytesAndCrLfTextsComeBack) {
    const std::string blank = header() + std::string(168, 'b') + seps(168);
    ASSERT_EQ(blank.size(), 354u);
    ASSERT_TRUE(save(ExamineeRecord{}, file("a.pcn")));
    EXPECT_EQ(readFile(file("a.pcn")), blank);
    ExamineeRecord r = filledRecord();
    ASSERT_EQ(load(r, file("a.pcn")), ReadOutcome::Complete);
    EXPECT_TRUE(sameContent(r, ExamineeRecord{}));
    EXPECT_EQ(text(r.notes[0]), "");

    setText(r.homeAddress, "ul. Lipowa 5\r\n00-001 Warszawa");
    setText(r.notes[168], "Ostatnia\r\nnotatka");
    ASSERT_TRUE(save(r, file("a.pcn")));
    const std::string bytes = readFile(file("a.pcn"));
    EXPECT_NE(bytes.find("5\r\r\n00"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("\xA7Ostatnia\r\r\nnotatka"));
    ExamineeRecord back;
    ASSERT_EQ(load(back, file("a.pcn")), ReadOutcome::Complete);
    EXPECT_TRUE(sameContent(back, r));
}

TEST(ExamineeFileDecode, TextModeRulesEarlyEndAndOddBytes) {
    // A lone CR stays, CR LF becomes LF, 0x1A ends the data in the middle of the surname;
    // everything after it is as in a new record, nothing of the examinee before.
    ExamineeRecord r = filledRecord();
    ASSERT_EQ(decode(seps(4) + "a\rb\xA7" + "c\r\nd\xA7" + "e\x1A" + "f\xA7", r),
              ReadOutcome::EndedEarly);
    EXPECT_EQ(text(r.examDate), "a\rb");
    EXPECT_EQ(text(r.firstName), "c\nd");
    EXPECT_EQ(text(r.lastName), "e");
    EXPECT_EQ(text(r.diagnosticianPermitNo), "");
    EXPECT_EQ(r.gender, kGenderUnset);
    EXPECT_EQ(r.scores[1], kNotScored);
    EXPECT_EQ(r.scores[2], kNotScored);
    EXPECT_EQ(text(r.notes[0]), "");

    const std::string odd = header(seps(4), 'q') + "\xFFqg" + std::string(165, 'b') + seps(168);
    ASSERT_EQ(decode(odd, r), ReadOutcome::Complete);
    EXPECT_EQ(r.gender, 'q');
    EXPECT_EQ(encode(r), odd);  // odd bytes are kept and saved back as they were
}

// A full examinee in memory, then a file cut off: what the file holds, on a cleared record.
TEST(ExamineeFileDecode, FileEndingEarlyNeverMixesTwoExaminees) {
    ExamineeRecord full = filledRecord();
    setText(full.homeAddress, "ul. Stara 1");
    struct Cut {
        std::string bytes;
        std::string firstName;
        char gender;
        std::string scores;  // of items 1, 2, ... as far as the file holds them
        std::string note1, note2;
    };
    const Cut cuts[] = {
        {seps(4) + "2026\xA7" + "Ewa", "Ewa", kGenderUnset, "", "", ""},
        {header(seps(1) + "Ewa" + seps(3), 'k'), "Ewa", 'k', "", "", ""},
        {header() + "rgy", "", 'x', "rgy", "", ""},
        {header() + std::string(168, 'g') + "\xA7Pierwsza\xA7" + "Dru", "", 'x',
         std::string(168, 'g'), "Pierwsza", "Dru"},
    };
    for (const Cut& cut : cuts) {
        SCOPED_TRACE(cut.bytes.size());
        ExamineeRecord r = full;
        ASSERT_EQ(decode(cut.bytes, r), ReadOutcome::EndedEarly);
        EXPECT_EQ(text(r.firstName), cut.firstName);
        EXPECT_EQ(r.gender, cut.gender);
        EXPECT_EQ(text(r.homeAddress), "");
        EXPECT_EQ(text(r.diagnosticianPermitNo), "");
        EXPECT_EQ(text(r.notes[0]), "");
        for (int k = 1; k <= kItemCount; ++k) {
            const size_t i = static_cast<size_t>(k - 1);
            ASSERT_EQ(r.scores[k], i < cut.scores.size() ? cut.scores[i] : kNotScored) << k;
            ASSERT_EQ(text(r.notes[k]), k == 1 ? cut.note1 : k == 2 ? cut.note2 : "") << k;
        }
    }
    // The whole file, up to its last note, is complete.
    const std::string whole = header() + std::string(168, 'g') + seps(168) + "koniec";
    ExamineeRecord r = full;
    EXPECT_EQ(decode(whole, r), ReadOutcome::Complete);
    EXPECT_EQ(text(r.notes[168]), "koniec");
    EXPECT_EQ(decode(whole.substr(0, whole.size() - 7), r), ReadOutcome::EndedEarly);
}

TEST(ExamineeFileDecode, FirstNameAtAndBeyondItsCapacity) {
    for (const std::string& name : {std::string(199, 'a'), std::string(250, 'b')}) {
        const std::string bytes = header("2024\xA7" + name + "\xA7Nowak" + seps(2));
        ExamineeRecord r;
        ASSERT_NE(decode(bytes, r), ReadOutcome::Refused);
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
        writeFile(file("bad.pcn"), bytes);
        ExamineeRecord r = filledRecord();
        EXPECT_EQ(load(r, file("bad.pcn")), ReadOutcome::Refused);
        EXPECT_TRUE(sameContent(r, filledRecord()));
        EXPECT_EQ(text(r.notes[0]), "old");
        const HeaderPeek peek = peekHeader(file("bad.pcn"));
        EXPECT_TRUE(peek.opened && !peek.signatureMatched);
    }
    ExamineeRecord r = filledRecord();
    EXPECT_EQ(load(r, file("missing.pcn")), ReadOutcome::Refused);
    EXPECT_EQ(load(r, folder_), ReadOutcome::Refused);
    EXPECT_FALSE(peekHeader(file("missing.pcn")).opened);
    EXPECT_TRUE(sameContent(r, filledRecord()));
}

TEST(ExamineeFileDecode, SampleFilesSaveBackByteForByte) {
    for (const char* name : {"blank.pcn", "notes.pcn"}) {
        const std::string bytes = readFile(fs::path(SAMPLE_FILES_DIR) / name);
        ExamineeRecord r;
        ASSERT_EQ(decode(bytes, r), ReadOutcome::Complete) << name;
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
        ASSERT_EQ(load(back, file("r.pcn")), ReadOutcome::Complete);
        ASSERT_TRUE(sameContent(back, r)) << i;
        ASSERT_EQ(encode(back), readFile(file("r.pcn"))) << i;
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
        EXPECT_EQ(readFile(file("old.pcn")), encode(previous));
        EXPECT_EQ(listing(), std::set<std::string>{"old.pcn"});
        fs::remove(file("old.pcn"));
    }
    // A save that fails nowhere replaces the file and leaves no temporary file behind, even
    // next to one an interrupted save left.
    writeFile(file(".lun4-0.tmp"), "left over");
    ASSERT_TRUE(save(previous, file("old.pcn")));
    FailingFileSystem failingNowhere(Step::None, 0);
    ASSERT_TRUE(save(next, file("old.pcn"), failingNowhere));
    EXPECT_EQ(readFile(file("old.pcn")), encode(next));
    EXPECT_EQ(readFile(file(".lun4-0.tmp")), "left over");
    EXPECT_EQ(listing(), (std::set<std::string>{".lun4-0.tmp", "old.pcn"}));
}

// Each refusal says why, as a code the screens turn into words.
TEST_F(ExamineeFile, MissingFolderAndReadOnlyFileAreRefusedWithTheirCause) {
    FileSystem& real = systemFileSystem();
    ExamineeRecord r;
    std::error_code cause;
    EXPECT_FALSE(save(r, folder_ / "pacjenci" / "a.pcn", real, nullptr, &cause));
    EXPECT_EQ(cause, std::errc::no_such_file_or_directory);
    fs::create_directories(folder_ / "b.pcn");
    EXPECT_FALSE(save(r, file("b.pcn"), real, nullptr, &cause));  // a folder is no examinee file
    EXPECT_EQ(cause, std::errc::is_a_directory);
    fs::remove(folder_ / "b.pcn");
    EXPECT_TRUE(listing().empty());
    setText(r.firstName, "Jan");
    ASSERT_TRUE(save(r, file("a.pcn")));
    // Read-only: the permission bits, the read-only mark on Windows.
    fs::permissions(file("a.pcn"),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(save(ExamineeRecord{}, file("a.pcn"), real, nullptr, &cause));
    EXPECT_EQ(cause, make_error_code(FileErrc::readOnlyFile));
    EXPECT_EQ(readFile(file("a.pcn")), encode(r));
#ifndef _WIN32
    fs::create_symlink(folder_ / "nowhere.pcn", file("link.pcn"));
    EXPECT_FALSE(save(r, file("link.pcn"), real, nullptr, &cause));
    EXPECT_EQ(cause, make_error_code(FileErrc::brokenLink));
#endif
    setText(r.siblings, "a\xA7");
    EXPECT_FALSE(save(r, file("c.pcn"), real, nullptr, &cause));
    EXPECT_EQ(cause, make_error_code(FileErrc::notStorable));

    // Reading: why a file could not be opened; nothing when it was read and is foreign.
    ExamineeRecord back;
    EXPECT_EQ(load(back, file("gone.pcn"), &cause), ReadOutcome::Refused);
    EXPECT_EQ(cause, std::errc::no_such_file_or_directory);
    fs::create_directories(folder_ / "d.pcn");
    EXPECT_EQ(load(back, file("d.pcn"), &cause), ReadOutcome::Refused);
    EXPECT_EQ(cause, std::errc::is_a_directory);
    writeFile(file("foreign.pcn"), "not an examinee");
    cause.clear();
    EXPECT_EQ(load(back, file("foreign.pcn"), &cause), ReadOutcome::Refused);
    EXPECT_FALSE(cause);
}

// A file system holds names of up to 255 bytes, and the name check lets exactly those through:
// the temporary file a save writes first has a short name of its own, so each can be saved.
TEST_F(ExamineeFile, NamesOfTheLongestLengthCanBeSaved) {
    std::string polish;
    for (int i = 0; i < 125; ++i) polish += "\xC5\xBC";  // "ż" in UTF-8: 250 bytes
    for (const std::string& name : {std::string(251, 'a') + ".pcn", polish + ".pcn"}) {
        SCOPED_TRACE(name.size());
        ExamineeRecord r;
        setText(r.firstName, "Jan");
        ASSERT_TRUE(save(r, file(name)));
        ASSERT_TRUE(save(r, file(name)));  // replacing it works too
        ExamineeRecord back;
        EXPECT_EQ(load(back, file(name)), ReadOutcome::Complete);
        EXPECT_EQ(text(back.firstName), "Jan");
    }
    EXPECT_EQ(listing().size(), 2u);  // no temporary file left
    std::error_code cause;
    EXPECT_FALSE(save(ExamineeRecord{}, file(std::string(252, 'a') + ".pcn"), systemFileSystem(),
                      nullptr, &cause));
    EXPECT_EQ(cause, std::errc::filename_too_long);
}

TEST_F(ExamineeFile, SaveStepsComeInTheOrderThatMakesThemAtomic) {
    FailingFileSystem recording;
    ASSERT_TRUE(save(ExamineeRecord{}, file("a.pcn"), recording));
    const std::string folderName = folder_.filename().string();
    EXPECT_EQ(recording.steps,
              (std::vector<std::string>{"target a.pcn", "check a.pcn", "create .lun4-0.tmp",
                                        "ownership of a.pcn", "write 354", "flush", "close",
                                        "rename .lun4-0.tmp a.pcn", "sync folder " + folderName}));
    // The recovery copy is replaced the same way, without waiting for the disk.
    recording.steps.clear();
    ASSERT_TRUE(saveWithoutFlush(ExamineeRecord{}, file("a.pcn"), recording));
    EXPECT_EQ(recording.steps,
              (std::vector<std::string>{"target a.pcn", "check a.pcn", "create .lun4-0.tmp",
                                        "ownership of a.pcn", "write 354", "close",
                                        "rename .lun4-0.tmp a.pcn"}));
}

// Written here byte by byte, not by the program's writer.
TEST(ExamineeFileDecode, HandWrittenFileGivesEveryFieldByName) {
    std::string bytes = "\xA7\xA7\xA7\xA7";
    for (const char* t : {"12.05.2026", "Jan", "Kowalski", "01.02.2003"}) {
        bytes += t;
        bytes += '\xA7';
    }
    bytes += "m\xA7";
    for (const char* t : {"ul. Polna 1\r\r\n00-001 Warszawa", "tel. 600", "SOSW nr 2", "brat Piotr",
                          "matka Anna", "uwagi", "mgr Ewa Lis", "123/45"}) {
        bytes += t;
        bytes += '\xA7';
    }
    std::string scores(168, 'b');
    scores[0] = 'g';
    scores[79] = 'y';   // item 80
    scores[160] = 'r';  // item 161
    scores[167] = 'g';  // item 168
    bytes += scores;
    for (int k = 1; k <= 168; ++k) {
        bytes += '\xA7';
        if (k == 80) bytes += "Zalecenie 80\r\r\n";
        if (k == 168) bytes += "Ostatnie";
    }
    ASSERT_EQ(bytes.size(),
              4u + 11 + 4 + 9 + 11 + 2 + 30 + 9 + 10 + 11 + 11 + 6 + 12 + 7 + 168 + 168 + 15 + 8);

    ExamineeRecord r;
    ASSERT_EQ(decode(bytes, r), ReadOutcome::Complete);
    EXPECT_EQ(text(r.examDate), "12.05.2026");
    EXPECT_EQ(text(r.firstName), "Jan");
    EXPECT_EQ(text(r.lastName), "Kowalski");
    EXPECT_EQ(text(r.birthDate), "01.02.2003");
    EXPECT_EQ(r.gender, 'm');
    EXPECT_EQ(text(r.homeAddress), "ul. Polna 1\r\n00-001 Warszawa");
    EXPECT_EQ(text(r.phoneContacts), "tel. 600");
    EXPECT_EQ(text(r.facilityAddress), "SOSW nr 2");
    EXPECT_EQ(text(r.siblings), "brat Piotr");
    EXPECT_EQ(text(r.guardians), "matka Anna");
    EXPECT_EQ(text(r.additionalInfo), "uwagi");
    EXPECT_EQ(text(r.diagnosticianName), "mgr Ewa Lis");
    EXPECT_EQ(text(r.diagnosticianPermitNo), "123/45");
    for (int k = 1; k <= kItemCount; ++k) {
        const char expected = k == 1 || k == 168 ? 'g' : k == 80 ? 'y' : k == 161 ? 'r' : 'b';
        EXPECT_EQ(r.scores[k], expected) << k;
        EXPECT_EQ(text(r.notes[k]), k == 80 ? "Zalecenie 80\r\n" : k == 168 ? "Ostatnie" : "") << k;
    }
    EXPECT_EQ(encode(r), bytes);
}

// Pipes, devices, permission bits and links as POSIX has them; windows_file_system_test.cpp
// has the Windows side.
#ifndef _WIN32
TEST_F(ExamineeFile, APipeOrDeviceWhereAFileWasListedIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(file("pipe.pcn").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", file("device.pcn"));
    // Opening either the old way would block (or read forever); the alarm ends a hung test.
    ::alarm(20);
    for (const char* name : {"pipe.pcn", "device.pcn"}) {
        SCOPED_TRACE(name);
        ExamineeRecord r = filledRecord();
        EXPECT_EQ(load(r, file(name)), ReadOutcome::Refused);
        EXPECT_TRUE(sameContent(r, filledRecord()));
        EXPECT_FALSE(peekHeader(file(name)).opened);
    }
    ::alarm(0);
    std::string error;
    EXPECT_FALSE(save(ExamineeRecord{}, file("pipe.pcn"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_fifo(file("pipe.pcn")));
}

TEST_F(ExamineeFile, ReplacingKeepsPermissionsAndWritesThroughALink) {
    ExamineeRecord r;
    setText(r.firstName, "Jan");
    for (const mode_t mode : {0600, 0640, 0664}) {
        SCOPED_TRACE(mode);
        ASSERT_TRUE(save(ExamineeRecord{}, file("a.pcn")));
        ASSERT_EQ(::chmod(file("a.pcn").c_str(), mode), 0);
        ASSERT_TRUE(save(r, file("a.pcn")));
        struct stat info {};
        ASSERT_EQ(::stat(file("a.pcn").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
    }

    // A link stays a link; the file it leads to, in another folder, gets the new record.
    fs::create_directories(folder_ / "shared");
    ASSERT_TRUE(save(ExamineeRecord{}, folder_ / "shared" / "real.pcn"));
    fs::create_symlink(folder_ / "shared" / "real.pcn", file("link.pcn"));
    ASSERT_TRUE(save(r, file("link.pcn")));
    EXPECT_TRUE(fs::is_symlink(file("link.pcn")));
    EXPECT_EQ(readFile(folder_ / "shared" / "real.pcn"), encode(r));
    EXPECT_EQ(listing(), (std::set<std::string>{"a.pcn", "link.pcn", "shared"}));

    // A link to nothing, or to a read-only file, is refused and left as it was.
    fs::create_symlink(folder_ / "gone.pcn", file("dangling.pcn"));
    std::string error;
    EXPECT_FALSE(save(r, file("dangling.pcn"), &error));
    EXPECT_NE(error.find("link"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(folder_ / "gone.pcn"));
    ASSERT_EQ(::chmod((folder_ / "shared" / "real.pcn").c_str(), 0444), 0);
    EXPECT_FALSE(save(ExamineeRecord{}, file("link.pcn")));
    EXPECT_EQ(readFile(folder_ / "shared" / "real.pcn"), encode(r));
}

#endif

TEST_F(ExamineeFile, RecoveryCopyIsOneFileNamedAfterTheRecordsName) {
    RecoveryStore store(folder_ / "odzysk");
    ExamineeRecord r;
    setText(r.firstName, "Jan");
    ASSERT_TRUE(store.write(r, ""));
    ASSERT_TRUE(store.write(r,
                            "Kowalski \xA3\xF3"
                            "d\x9F"));  // cp1250 "Kowalski Łódź"
    EXPECT_EQ(listing(), std::set<std::string>{"odzysk"});
    EXPECT_EQ(fileNames(store.folder()), std::set<std::string>{"Kowalski Łódź.pcn"});
    EXPECT_EQ(readFile(store.folder() / u8"Kowalski Łódź.pcn"), encode(r));
    const auto found = store.find();
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->name,
              "Kowalski \xA3\xF3"
              "d\x9F");
    ExamineeRecord back;
    ASSERT_TRUE(store.read(*found, back));
    EXPECT_EQ(encode(back), encode(r));

    // Killed between putting a copy in place and removing the earlier one: the newer counts.
    writeFile(store.folder() / "Stary.pcn", encode(ExamineeRecord{}));
    fs::last_write_time(store.folder() / "Stary.pcn",
                        fs::last_write_time(found->path) - std::chrono::minutes(5));
    writeFile(store.folder() / ".Nowy.pcn.0.tmp", "half");  // left by an earlier version
    writeFile(store.folder() / ".lun4-3.tmp", "half");
    EXPECT_EQ(store.find()->name,
              "Kowalski \xA3\xF3"
              "d\x9F");
    const fs::path aside = store.setAside(*store.find());
    EXPECT_EQ(aside.filename(), fs::path(u8"Kowalski Łódź.pcn.uszkodzony"));
    EXPECT_EQ(store.find()->name, "Stary");
    store.clear();
    EXPECT_FALSE(store.find().has_value());
    EXPECT_EQ(fileNames(store.folder()), std::set<std::string>{"Kowalski Łódź.pcn.uszkodzony"});

    // Every name a save accepts is kept; one too long for a file name is not: the copy is then
    // nameless, not lost.
    ASSERT_TRUE(store.write(r, std::string(251, 'a')));
    EXPECT_EQ(store.find()->name, std::string(251, 'a'));
    ASSERT_TRUE(store.write(r, std::string(252, 'a')));
    EXPECT_EQ(store.find()->name, "");
}

}  // namespace
}  // namespace lun4
