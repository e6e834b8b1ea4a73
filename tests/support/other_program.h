#pragma once
// Another copy of the program at work on an examinee file, as a process of its own: it takes
// the file's lock as the program does and keeps it until stopped, then gives it back, or ends
// without giving it back, as a killed program does.

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
    long processId() const { return pid_; }
    // Ends it and waits until it has ended.
    void stop();

  private:
    long pid_ = -1;
#ifdef _WIN32
    void* process_ = nullptr;  // the process's handle and its standard input's
    void* input_ = nullptr;
#else
    int input_ = -1;
#endif
    std::string said_;
};

}  // namespace lun4::testing
