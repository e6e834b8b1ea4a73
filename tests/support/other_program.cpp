#include "other_program.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace lun4::testing {

OtherProgram::OtherProgram(const std::filesystem::path& examineeFile, Ending ending) {
    int toChild[2];
    int fromChild[2];
    if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) {
        ADD_FAILURE() << "no pipe";
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
    posix_spawn_file_actions_addclose(&actions, toChild[1]);
    posix_spawn_file_actions_addclose(&actions, fromChild[0]);
    std::string file = examineeFile.string();
    std::string program = LUN4_LOCK_HOLDER;
    std::string leave = "--leave";
    char* argv[] = {program.data(), file.data(),
                    ending == Ending::LeavesLock ? leave.data() : nullptr, nullptr};
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);
    input_ = toChild[1];
    char c;
    while (pid_ > 0 && ::read(fromChild[0], &c, 1) == 1 && c != '\n') said_ += c;
    ::close(fromChild[0]);
    EXPECT_GT(pid_, 0) << "the other program did not start";
}

void OtherProgram::stop() {
    if (input_ >= 0) ::close(input_);
    input_ = -1;
    if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

OtherProgram::~OtherProgram() {
    stop();
}

}  // namespace lun4::testing
