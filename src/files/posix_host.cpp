// The POSIX side of host.h: the password database, gethostname and kill(pid, 0).

#include <pwd.h>
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "files/host.h"

namespace lun4::host {

std::optional<std::tm> localTime(std::time_t moment) {
    std::tm local{};
    if (::localtime_r(&moment, &local) == nullptr) return std::nullopt;
    return local;
}

std::string userName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry != nullptr && entry->pw_name) {
        return entry->pw_name;
    }
    for (const char* variable : {"USER", "LOGNAME"}) {
        if (const char* value = std::getenv(variable); value != nullptr) return value;
    }
    return {};
}

std::string computerName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

long processId() {
    return static_cast<long>(::getpid());
}

bool processRunning(long pid) {
    if (pid <= 0) return false;
    if (::kill(static_cast<pid_t>(pid), 0) == 0) return true;
    // Another user's process answers "not permitted": it runs.
    return errno != ESRCH;
}

}  // namespace lun4::host
