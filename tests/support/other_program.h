#pragma once
// Another copy of the program at work on an examinee file, as a process of its own: it takes
// the file's lock as the program does and keeps it until stopped, then gives it back, or ends
// without giving it back, as a killed program does.

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace lun4::testing {

class OtherProgram {
  public:
    enum class Ending { GivesLockBack, LeavesLock };
    explicit OtherProgram(const std::filesystem::path& examineeFile,
                          Ending ending = Ending::GivesLockBack);
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // "taken", or "held" when the lock was another's.
    const std::string& said() const { return said_; }
    long processId() const { return static_cast<long>(pid_); }
    // Ends it and waits until it has ended.
    void stop();

  private:
    pid_t pid_ = -1;
    int input_ = -1;
    std::string said_;
};

}  // namespace lun4::testing
