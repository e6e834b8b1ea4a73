#include "files/examinee_lock.h"

#include <gtest/gtest.h>

#include <chrono>

#include "files/file_system.h"
#include "files/host.h"
#include "test_files.h"

namespace lun4 {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

std::int64_t now() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// A process id no system hands out.
constexpr long kEndedProcess = 2147480000;

TEST(ExamineeLockTest, TheLockFileNamesItsHolderFieldByField) {
    EXPECT_EQ(lockPathFor(fs::path("teczka") / "Nowak.pcn"),
              fs::path("teczka") / ".~lock.Nowak.pcn#");
    const LockHolder holder{"anna.kowalska", "PORADNIA-2", 4321, 1765100000};
    const std::string text = lockText(holder);
    EXPECT_EQ(text,
              "LUN4_TORVA lock\nuser=anna.kowalska\ncomputer=PORADNIA-2\nprocess=4321\n"
              "since=1765100000\n");
    for (const std::string& written : {text, std::string("LUN4_TORVA lock\r\nsince=1765100000\r\n"
                                                         "process=4321\r\ncomputer=PORADNIA-2\r\n"
                                                         "user=anna.kowalska\r\n")}) {
        const std::optional<LockHolder> read = parseLock(written);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->user, "anna.kowalska");
        EXPECT_EQ(read->computer, "PORADNIA-2");
        EXPECT_EQ(read->process, 4321);
        EXPECT_EQ(read->since, 1765100000);
    }
    EXPECT_FALSE(parseLock("LUN4_TORVA lock\nuser=a\ncomputer=b\nsince=5\n"));  // no process
    EXPECT_FALSE(parseLock("user=a\ncomputer=b\nprocess=1\nsince=5\n"));
    EXPECT_FALSE(parseLock(""));
}

// Who keeps the file: another computer's recent lock does; a lock older than twelve hours, one
// whose process on this computer has ended, and the program's own do not.
TEST(ExamineeLockTest, OnlyALiveRecentHolderKeepsTheFile) {
    testing::TempFolder temp;
    const fs::path file = temp / "Nowak.pcn";
    const fs::path lockFile = lockPathFor(file);
    struct Case {
        const char* what;
        LockHolder left;
        bool keeps;
    };
    const Case cases[] = {
        {"another computer, a minute ago", {"jan", "INNY-KOMPUTER", 77, now() - 60}, true},
        {"another computer, 13 hours ago", {"jan", "INNY-KOMPUTER", 77, now() - 13 * 3600}, false},
        {"this computer, an ended process", {"jan", host::computerName(), kEndedProcess, now()},
         false},
        {"this program", {"jan", host::computerName(), host::processId(), now() - 60}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(lockFile, lockText(c.left));
        ExamineeLock lock(systemFileSystem());
        const ExamineeLock::Outcome outcome = lock.take(file);
        EXPECT_EQ(outcome.taken, !c.keeps);
        EXPECT_EQ(lock.held(), !c.keeps);
        const std::optional<LockHolder> now = parseLock(readFile(lockFile));
        ASSERT_TRUE(now.has_value());
        if (c.keeps) {
            ASSERT_TRUE(outcome.holder.has_value());
            EXPECT_EQ(outcome.holder->user, "jan");
            EXPECT_EQ(outcome.holder->computer, "INNY-KOMPUTER");
            EXPECT_EQ(outcome.holder->process, 77);
            EXPECT_EQ(outcome.holder->since, c.left.since);
            EXPECT_EQ(now->process, 77);
        } else {
            EXPECT_FALSE(outcome.holder.has_value());
            EXPECT_EQ(now->process, host::processId());
            EXPECT_EQ(now->computer, host::computerName());
            EXPECT_EQ(now->user, host::userName());
            EXPECT_LE(std::abs(now->since - ::lun4::now()), 5);
            lock.release();
            EXPECT_FALSE(fs::exists(lockFile));
        }
        fs::remove(lockFile);
    }

    // A lock file that is not one may be one being written: it keeps the file for a minute.
    writeFile(lockFile, "");
    ExamineeLock lock(systemFileSystem());
    EXPECT_FALSE(lock.take(file).taken);
    fs::last_write_time(lockFile, fs::file_time_type::clock::now() - std::chrono::minutes(2));
    EXPECT_TRUE(lock.take(file).taken);
}

TEST(ExamineeLockTest, OnlyTheProgramsOwnLockIsRemoved) {
    testing::TempFolder temp;
    const fs::path file = temp / "Nowak.pcn";
    const fs::path lockFile = lockPathFor(file);
    {
        ExamineeLock lock(systemFileSystem());
        ASSERT_TRUE(lock.take(file).taken);
        // Taken over by another computer meanwhile: the lock is the other's now.
        writeFile(lockFile, lockText({"jan", "INNY-KOMPUTER", 77, now()}));
    }
    EXPECT_TRUE(fs::exists(lockFile));
    ExamineeLock::removeLeftOver(file, systemFileSystem());
    EXPECT_TRUE(fs::exists(lockFile));
    fs::remove(lockFile);

    // Taking the lock of another file gives up the first.
    ExamineeLock lock(systemFileSystem());
    ASSERT_TRUE(lock.take(file).taken);
    ASSERT_TRUE(lock.take(temp / "Kowalska.pcn").taken);
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_TRUE(fs::exists(lockPathFor(temp / "Kowalska.pcn")));
}

}  // namespace
}  // namespace lun4
