// The Windows side of host.h: GetUserNameW, GetComputerNameExW and the process handle's exit
// code.

#include <windows.h>

#include "files/file_system.h"
#include "files/host.h"

namespace lun4::host {

std::optional<std::tm> localTime(std::time_t moment) {
    std::tm local{};
    if (::localtime_s(&local, &moment) != 0) return std::nullopt;
    return local;
}
namespace {

std::string utf8(const wchar_t* text, DWORD length) {
    return pathToUtf8(std::filesystem::path(std::wstring(text, length)));
}

}  // namespace

std::string userName() {
    wchar_t name[257] = {};
    DWORD size = 257;
    if (!::GetUserNameW(name, &size) || size == 0) return {};
    return utf8(name, size - 1);  // the count includes the closing zero
}

std::string computerName() {
    wchar_t name[256] = {};
    DWORD size = 256;
    if (!::GetComputerNameExW(ComputerNameDnsHostname, name, &size)) {
        size = 256;
        if (!::GetComputerNameW(name, &size)) return {};
    }
    return utf8(name, size);
}

long processId() {
    return static_cast<long>(::GetCurrentProcessId());
}

bool processRunning(long pid) {
    if (pid <= 0) return false;
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        // Another user's process may not be opened: it runs. No process of that id: it ended.
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    }
    DWORD code = 0;
    const bool running = ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
}

}  // namespace lun4::host
