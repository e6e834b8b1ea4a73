// Backups of the examinee folder: the archive as the system's own zip reader sees it, and a
// restore over a folder that has moved on since.

#include "platform/examinee_backup.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>

#include "files/examinee_lock.h"
#include "files/file_system.h"
#include "platform/zip_package.h"
#include "test_files.h"

namespace lun4::platform {
namespace {

namespace fs = std::filesystem;

void setAge(const fs::path& file, std::chrono::seconds age) {
    fs::last_write_time(file, fs::file_time_type::clock::now() - age);
}

TEST(ExamineeBackupTest, PythonsZipReaderFindsEveryFileByteForByteAndNothingPassing) {
    testing::TempFolder temp;
    const fs::path folder = temp / "pacjenci";
    fs::create_directories(folder / "archiwum");
    const std::string nowak = "Nowak Jan\r\n\xa5\xb9\x8c\x9c\r\n" + std::string(3000, '\x1f');
    testing::writeFile(folder / "Nowak.pcn", nowak);
    testing::writeFile(folder / "Nowak.pcn.bak", "poprzednia wersja\r\n");
    testing::writeFile(folder / pathFromUtf8("Łucja Żółć.pcn"), std::string("\0\x01\xff", 3));
    testing::writeFile(folder / "archiwum" / "stary.pcn", "w podfolderze");
    testing::writeFile(folder / ".~lock.Nowak.pcn#", "ewa,komputer,12,1");
    testing::writeFile(folder / ".lun4-3.tmp", "przerwany zapis");
    setAge(folder / "Nowak.pcn", std::chrono::hours(50));

    const fs::path archive = temp / pathFromUtf8("LUN4 kopia 2026-12-06.zip");
    const BackupWritten written = writeBackup(folder, archive, systemFileSystem());
    ASSERT_TRUE(written.written) << written.error;
    EXPECT_EQ(written.files, 3);

    // Python's zipfile: the names (UTF-8 flagged), the bytes hex-encoded, the integrity check
    // and the local time each file was changed.
    const fs::path script = temp / "read.py";
    std::ofstream(script) << R"(import sys, zipfile, time, os
z = zipfile.ZipFile(sys.argv[1])
print(z.testzip())
for i in z.infolist():
    print(i.filename, i.flag_bits & 0x800, z.read(i).hex(),
          int(time.mktime(i.date_time + (0, 0, -1))))
)";
    const std::string out =
        testing::runTool("python3 '" + script.string() + "' '" + archive.string() + "'");
    auto hex = [](const std::string& bytes) {
        std::string h;
        for (unsigned char c : bytes) h += "0123456789abcdef"[c >> 4], h += "0123456789abcdef"[c & 15];
        return h;
    };
    auto seconds = [&](const char* name) {
        const auto t = std::chrono::file_clock::to_sys(fs::last_write_time(folder / pathFromUtf8(name)));
        return std::chrono::duration_cast<std::chrono::seconds>(t.time_since_epoch()).count() / 2 * 2;
    };
    EXPECT_EQ(out, "None\n"
                   "Nowak.pcn 0 " + hex(nowak) + " " + std::to_string(seconds("Nowak.pcn")) + "\n" +
                   "Nowak.pcn.bak 0 " + hex("poprzednia wersja\r\n") + " " +
                   std::to_string(seconds("Nowak.pcn.bak")) + "\n" +
                   "Łucja Żółć.pcn 2048 0001ff " + std::to_string(seconds("Łucja Żółć.pcn")) + "\n");

    // A place that cannot take the archive leaves nothing behind and says why.
    const BackupWritten refused = writeBackup(folder, temp / "brak" / "kopia.zip", systemFileSystem());
    EXPECT_FALSE(refused.written);
    EXPECT_FALSE(refused.error.empty());
    EXPECT_FALSE(fs::exists(temp / "brak"));
}

TEST(ExamineeBackupTest, ARestoreKnowsNewerOlderSameMissingAndForeignFiles) {
    testing::TempFolder temp;
    const fs::path folder = temp / "pacjenci";
    fs::create_directories(folder);
    for (const char* name : {"Nowszy.pcn", "Starszy.pcn", "Taki sam.pcn", "Usuniety.pcn", "Otwarty.pcn"}) {
        testing::writeFile(folder / name, std::string("w kopii: ") + name);
        setAge(folder / name, std::chrono::hours(24));
    }
    const fs::path archive = temp / "kopia.zip";
    ASSERT_TRUE(writeBackup(folder, archive, systemFileSystem()).written);

    testing::writeFile(folder / "Nowszy.pcn", "zmieniony po kopii");
    testing::writeFile(folder / "Starszy.pcn", "zmieniony przed kopią");
    setAge(folder / "Starszy.pcn", std::chrono::hours(48));
    fs::remove(folder / "Usuniety.pcn");
    testing::writeFile(folder / "Obcy.pcn", "spoza kopii");
    ExamineeLock lock(systemFileSystem());
    ASSERT_TRUE(lock.take(folder / "Otwarty.pcn").taken);

    std::string error;
    std::optional<std::vector<BackupFile>> files = readBackup(archive, error);
    ASSERT_TRUE(files) << error;
    // A hand-made archive may name a file outside the folder; such a name is refused.
    files->push_back({"../poza.pcn", "x", 0});
    files->push_back({"pod/folder.pcn", "x", 0});
    const std::vector<RestoreItem> plan = planRestore(*files, folder);
    std::map<std::string, RestoreState> states;
    for (const RestoreItem& item : plan) states[item.file.name] = item.state;
    EXPECT_EQ(states, (std::map<std::string, RestoreState>{
                          {"../poza.pcn", RestoreState::Refused},
                          {"Nowszy.pcn", RestoreState::NewerOnDisk},
                          {"Otwarty.pcn", RestoreState::InUse},
                          {"Starszy.pcn", RestoreState::OlderOnDisk},
                          {"Taki sam.pcn", RestoreState::Same},
                          {"Usuniety.pcn", RestoreState::Missing},
                          {"pod/folder.pcn", RestoreState::Refused},
                      }));

    for (const RestoreItem& item : plan) {
        if (item.state == RestoreState::Missing || item.state == RestoreState::OlderOnDisk) {
            ASSERT_TRUE(restoreFile(folder, item.file, systemFileSystem(), error)) << error;
        }
    }
    EXPECT_EQ(testing::readFile(folder / "Starszy.pcn"), "w kopii: Starszy.pcn");
    EXPECT_EQ(testing::readFile(folder / "Usuniety.pcn"), "w kopii: Usuniety.pcn");
    EXPECT_EQ(testing::readFile(folder / "Nowszy.pcn"), "zmieniony po kopii");
    EXPECT_EQ(testing::readFile(folder / "Obcy.pcn"), "spoza kopii");
    EXPECT_FALSE(fs::exists(temp / "poza.pcn"));
    // A restored file carries the backup's time, not the time of the restore.
    const auto restoredAt = std::chrono::file_clock::to_sys(fs::last_write_time(folder / "Starszy.pcn"));
    EXPECT_LT(restoredAt, std::chrono::system_clock::now() - std::chrono::hours(23));
}

}  // namespace
}  // namespace lun4::platform
