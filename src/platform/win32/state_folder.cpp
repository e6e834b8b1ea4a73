#include "platform/state_folder.h"

#include <shlobj.h>
#include <windows.h>

#include <cstdlib>

namespace lun4::platform {

std::filesystem::path recoveryFolder() {
    // The user's local (never roamed) application data: %LOCALAPPDATA%.
    std::filesystem::path base;
    PWSTR folder = nullptr;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &folder))) {
        base = folder;
    } else if (const wchar_t* variable = ::_wgetenv(L"LOCALAPPDATA")) {
        base = variable;
    } else {
        base = std::filesystem::temp_directory_path();
    }
    ::CoTaskMemFree(folder);
    return base / L"LUN4_TORVA" / L"odzysk";
}

}  // namespace lun4::platform
