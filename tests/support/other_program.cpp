#include "other_program.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace lun4::testing {

#ifdef _WIN32

OtherProgram::OtherProgram(const std::filesystem::path& examineeFile, Ending ending) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE childIn = nullptr, toChild = nullptr, fromChild = nullptr, childOut = nullptr;
    if (!::CreatePipe(&childIn, &toChild, &inherited, 0) ||
        !::CreatePipe(&fromChild, &childOut, &inherited, 0)) {
        ADD_FAILURE() << "no pipe";
        return;
    }
    // Only the child's ends are passed on.
    ::SetHandleInformation(toChild, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(fromChild, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = childOut;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    std::wstring command = L"\"" + std::filesystem::path(LUN4_LOCK_HOLDER).wstring() + L"\" \"" +
                           examineeFile.wstring() + L"\"";
    if (ending == Ending::LeavesLock) command += L" --leave";
    PROCESS_INFORMATION started{};
    if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                         &startup, &started)) {
        ::CloseHandle(started.hThread);
        process_ = started.hProcess;
        pid_ = static_cast<long>(started.dwProcessId);
    }
    ::CloseHandle(childIn);
    ::CloseHandle(childOut);
    input_ = toChild;
    char c;
    DWORD read = 0;
    while (process_ && ::ReadFile(fromChild, &c, 1, &read, nullptr) && read == 1 && c != '\n') {
        if (c != '\r') said_ += c;
    }
    ::CloseHandle(fromChild);
    EXPECT_GT(pid_, 0) << "the other program did not start";
}

void OtherProgram::stop() {
    if (input_) ::CloseHandle(input_);
    input_ = nullptr;
    if (process_) {
        ::WaitForSingleObject(process_, INFINITE);
        ::CloseHandle(process_);
    }
    process_ = nullptr;
    pid_ = -1;
}

#else

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
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0) pid = -1;
    pid_ = pid;
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
    if (pid_ > 0) ::waitpid(static_cast<pid_t>(pid_), nullptr, 0);
    pid_ = -1;
}

#endif

OtherProgram::~OtherProgram() {
    stop();
}

}  // namespace lun4::testing
