#include "files/examinee_lock.h"

#include <chrono>
#include <charconv>
#include <utility>

#include "files/atomic_write.h"
#include "files/file_guard.h"
#include "files/file_system.h"
#include "files/host.h"

namespace lun4 {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFirstLine = "LUN4_TORVA lock";
// A lock file that cannot be read as one may be one being written this moment; after this
// long it is a leftover.
constexpr auto kUnreadableLockGrace = std::chrono::minutes(1);

std::int64_t now() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

LockHolder thisProgram() {
    return {host::userName(), host::computerName(), host::processId(), now()};
}

// Computer names compared without regard to ASCII letter case, as networks treat them.
bool sameComputer(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

enum class Standing { Ours, Stale, Held };

Standing standingOf(const LockHolder& holder, const LockHolder& self) {
    const bool here = sameComputer(holder.computer, self.computer);
    if (here && holder.process == self.process) return Standing::Ours;
    if (here && !host::processRunning(holder.process)) return Standing::Stale;
    if (self.since - holder.since > kLockLifetimeSeconds) return Standing::Stale;
    return Standing::Held;
}

// The lock at `lockFile`: its holder; nullopt with `gone` when there is none any more, nullopt
// alone when it cannot be read as a lock (`young` tells whether it may be one being written).
std::optional<LockHolder> readLock(const fs::path& lockFile, bool& gone, bool& young) {
    gone = false;
    young = false;
    std::string text;
    std::error_code error;
    if (!readWholeFile(lockFile, text, error)) {
        gone = error == std::errc::no_such_file_or_directory;
        return std::nullopt;
    }
    if (auto holder = parseLock(text)) return holder;
    std::error_code ignored;
    const auto written = fs::last_write_time(lockFile, ignored);
    young = !ignored && fs::file_time_type::clock::now() - written < kUnreadableLockGrace;
    return std::nullopt;
}

}  // namespace

fs::path lockPathFor(const fs::path& examineeFile) {
    fs::path name = ".~lock.";
    name += examineeFile.filename();
    name += "#";
    return examineeFile.parent_path() / name;
}

std::string lockText(const LockHolder& holder) {
    return std::string(kFirstLine) + "\nuser=" + holder.user + "\ncomputer=" + holder.computer +
           "\nprocess=" + std::to_string(holder.process) + "\nsince=" + std::to_string(holder.since) +
           "\n";
}

std::optional<LockHolder> parseLock(std::string_view text) {
    if (!text.starts_with(kFirstLine)) return std::nullopt;
    LockHolder holder;
    bool process = false;
    bool since = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        start = end + 1;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        const auto number = [&](auto& out) {
            return std::from_chars(value.data(), value.data() + value.size(), out).ec ==
                   std::errc{};
        };
        if (key == "user") holder.user = value;
        if (key == "computer") holder.computer = value;
        if (key == "process") process = number(holder.process);
        if (key == "since") since = number(holder.since);
    }
    if (!process || !since) return std::nullopt;
    return holder;
}

ExamineeLock::ExamineeLock(ExamineeLock&& other) noexcept
    : fileSystem_(other.fileSystem_),
      lockFile_(std::move(other.lockFile_)),
      held_(std::exchange(other.held_, false)) {}

ExamineeLock& ExamineeLock::operator=(ExamineeLock&& other) noexcept {
    if (this != &other) {
        // The same lock taken again (the same file opened again) stays on disk.
        if (other.held_ && lockFile_ == other.lockFile_) {
            held_ = false;
        } else {
            release();
        }
        fileSystem_ = other.fileSystem_;
        lockFile_ = std::move(other.lockFile_);
        held_ = std::exchange(other.held_, false);
    }
    return *this;
}

ExamineeLock::~ExamineeLock() {
    release();
}

ExamineeLock::Outcome ExamineeLock::take(const fs::path& examineeFile) {
    const fs::path lockFile = lockPathFor(examineeFile);
    if (held_ && lockFile != lockFile_) release();
    lockFile_ = lockFile;
    const LockHolder self = thisProgram();
    const std::string text = lockText(self);
    // A few rounds: another copy may take, give up or take over the lock meanwhile.
    for (int round = 0; round < 3; ++round) {
        std::error_code error;
        if (fileSystem_->createExclusive(lockFile, text, error)) {
            held_ = true;
            return {true, std::nullopt};
        }
        if (error != std::errc::file_exists) {
            held_ = false;
            return {};
        }
        bool gone = false;
        bool young = false;
        const std::optional<LockHolder> holder = readLock(lockFile, gone, young);
        if (gone) continue;
        Standing standing = Standing::Stale;
        if (holder) standing = standingOf(*holder, self);
        if (!holder && young) standing = Standing::Held;
        if (standing == Standing::Held) {
            held_ = false;
            return {false, holder.value_or(LockHolder{})};
        }
        // Ours already, or left by a program that has ended: written anew, in one step, and read
        // back, in case another copy took it over at the same moment.
        if (!replaceFile(lockFile, text, *fileSystem_, false)) {
            held_ = false;
            return {};
        }
        const std::optional<LockHolder> now = readLock(lockFile, gone, young);
        if (now && standingOf(*now, self) == Standing::Ours) {
            held_ = true;
            return {true, std::nullopt};
        }
    }
    held_ = false;
    bool gone = false;
    bool young = false;
    return {false, readLock(lockFile, gone, young).value_or(LockHolder{})};
}

void ExamineeLock::release() {
    if (!held_) return;
    held_ = false;
    bool gone = false;
    bool young = false;
    // A lock taken over meanwhile (after twelve hours) is the new holder's.
    const std::optional<LockHolder> holder = readLock(lockFile_, gone, young);
    if (!holder || standingOf(*holder, thisProgram()) != Standing::Ours) return;
    std::error_code ignored;
    fileSystem_->removeFile(lockFile_, ignored);
}

void ExamineeLock::removeLeftOver(const fs::path& examineeFile, FileSystem& fileSystem) {
    const fs::path lockFile = lockPathFor(examineeFile);
    bool gone = false;
    bool young = false;
    const std::optional<LockHolder> holder = readLock(lockFile, gone, young);
    if (!holder || standingOf(*holder, thisProgram()) != Standing::Stale) return;
    std::error_code ignored;
    fileSystem.removeFile(lockFile, ignored);
}

}  // namespace lun4
