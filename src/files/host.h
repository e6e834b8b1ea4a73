#pragma once
// What the lock beside an open examinee file needs to know about this computer and this run
// of the program. One implementation per system: posix_host.cpp and windows_host.cpp.

#include <ctime>
#include <optional>
#include <string>

namespace lun4::host {

// The name of the user running the program (UTF-8); empty when the system does not say.
std::string userName();
// This computer's name on the network (UTF-8); empty when the system does not say.
std::string computerName();
// This run of the program.
long processId();
// Whether a process with this id runs on this computer. True when that cannot be told: a lock
// is never taken from a program that may still be working.
bool processRunning(long pid);
// A moment as the computer's clock and time zone show it; nothing when the system cannot
// convert it.
std::optional<std::tm> localTime(std::time_t moment);

}  // namespace lun4::host
