#include "platform/state_folder.h"

#include <shlobj.h>
#include <windows.h>

#include <cstdlib>

namespace lun4::platform {
namespace {

// A known folder of the system; empty when the system cannot say.
std::filesystem::path knownFolder(REFKNOWNFOLDERID id) {
    std::filesystem::path found;
    PWSTR folder = nullptr;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &folder))) found = folder;
    ::CoTaskMemFree(folder);
    return found;
}

// "C:\Program Files\LUN4" lies in "c:\program files": compared without regard to case,
// component by component.
bool liesIn(const std::filesystem::path& inner, const std::filesystem::path& outer) {
    if (outer.empty()) return false;
    auto i = inner.begin();
    for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
        if (o->empty()) continue;  // a trailing separator
        if (i == inner.end()) return false;
        if (::CompareStringOrdinal(i->c_str(), -1, o->c_str(), -1, TRUE) != CSTR_EQUAL) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::filesystem::path recoveryFolder() {
    // The user's local (never roamed) application data: %LOCALAPPDATA%.
    std::filesystem::path base = knownFolder(FOLDERID_LocalAppData);
    if (base.empty()) {
        if (const wchar_t* variable = ::_wgetenv(L"LOCALAPPDATA")) {
            base = variable;
        } else {
            base = std::filesystem::temp_directory_path();
        }
    }
    return base / L"LUN4_TORVA" / L"odzysk";
}

std::filesystem::path documentsFolder() {
    std::filesystem::path documents = knownFolder(FOLDERID_Documents);
    if (documents.empty()) {
        if (const wchar_t* profile = ::_wgetenv(L"USERPROFILE")) documents = profile;
    }
    return documents;
}

bool isSystemProgramFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
    return liesIn(absolute, knownFolder(FOLDERID_ProgramFiles)) ||
           liesIn(absolute, knownFolder(FOLDERID_ProgramFilesX86));
}

}  // namespace lun4::platform
