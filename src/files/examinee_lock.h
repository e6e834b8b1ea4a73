#pragma once
// One file, one writer. While the program has an examinee file open (opened from it or saved
// to it), a small lock file lies beside it: ".~lock.<file name>#", naming the user, the
// computer, the process and since when. Another copy of the program that finds it, with its
// holder still at work, tells the user who has the file and opens it only for reading. A lock
// whose holder has ended (on this computer, its process is gone) or that is older than twelve
// hours is taken over without a question. The lock is an ordinary file created so that of two
// programs only one gets it, which holds on a shared network folder too, where advisory locks
// may not.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lun4 {

class FileSystem;

struct LockHolder {
    std::string user;      // UTF-8
    std::string computer;  // UTF-8
    long process = 0;
    std::int64_t since = 0;  // seconds since 1970-01-01 UTC
};

// ".~lock.Nowak.pcn#" beside "Nowak.pcn".
std::filesystem::path lockPathFor(const std::filesystem::path& examineeFile);
// The lock file's text and back; nullopt for a text that is not a lock the program wrote.
std::string lockText(const LockHolder& holder);
std::optional<LockHolder> parseLock(std::string_view text);

// A lock this old no longer keeps anyone out.
inline constexpr std::int64_t kLockLifetimeSeconds = 12 * 60 * 60;

class ExamineeLock {
  public:
    explicit ExamineeLock(FileSystem& fileSystem) : fileSystem_(&fileSystem) {}
    ExamineeLock(ExamineeLock&& other) noexcept;
    ExamineeLock& operator=(ExamineeLock&& other) noexcept;
    ExamineeLock(const ExamineeLock&) = delete;
    ExamineeLock& operator=(const ExamineeLock&) = delete;
    // A lock still held goes with the object.
    ~ExamineeLock();

    struct Outcome {
        bool taken = false;
        // Set when another running copy of the program holds the file.
        std::optional<LockHolder> holder;
    };
    // Takes the lock of `examineeFile` (a lock already held by this object on another file is
    // given up first). Not taken, with the holder, when another copy that is still at work has
    // it; not taken and without a holder when no lock can be written there (a read-only
    // folder): nobody else can be shut out then either, and the file is opened as usual.
    Outcome take(const std::filesystem::path& examineeFile);
    // Removes the lock, when it is still this program's.
    void release();
    bool held() const { return held_; }
    const std::filesystem::path& lockFile() const { return lockFile_; }

    // Removes what a run of the program that has ended left beside `examineeFile`: its lock,
    // when the lock's holder no longer runs. A live holder's lock stays.
    static void removeLeftOver(const std::filesystem::path& examineeFile, FileSystem& fileSystem);

  private:
    FileSystem* fileSystem_;
    std::filesystem::path lockFile_;
    bool held_ = false;
};

}  // namespace lun4
