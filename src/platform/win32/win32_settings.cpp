#include "platform/win32/win32_settings.h"

#include <vector>

#include "platform/win32/wide_text.h"

namespace lun4::platform {

Win32Settings::Win32Settings(std::wstring key) : key_(std::move(key)) {}

std::string Win32Settings::value(std::string_view key) const {
    if (const auto kept = values_.find(key); kept != values_.end()) return kept->second;
    const std::wstring name = fromUtf8(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), name.c_str(), RRF_RT_REG_SZ, &type,
                       nullptr, &bytes) != ERROR_SUCCESS ||
        bytes < sizeof(wchar_t)) {
        return {};
    }
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), name.c_str(), RRF_RT_REG_SZ, &type,
                       text.data(), &bytes) != ERROR_SUCCESS) {
        return {};
    }
    return toUtf8(text.data());
}

void Win32Settings::setValue(std::string_view key, std::string_view text) {
    values_.insert_or_assign(std::string(key), std::string(text));
    HKEY handle = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &handle, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::wstring name = fromUtf8(key);
    const std::wstring value = fromUtf8(text);
    ::RegSetValueExW(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(handle);
}

}  // namespace lun4::platform
