#include "platform/win32/wide_text.h"

#include <windows.h>

#include "model/cp1250.h"

namespace lun4::platform {

std::wstring fromUtf8(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                        nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string toUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                        nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                          nullptr, nullptr);
    return out;
}

std::wstring fromCp1250(std::string_view cp1250) {
    std::wstring out;
    out.reserve(cp1250.size());
    for (const char byte : cp1250) {
        const auto c = cp1250::toUnicode(static_cast<unsigned char>(byte));
        out += c ? static_cast<wchar_t>(*c) : L'\uFFFD';
    }
    return out;
}

std::string toCp1250(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        const auto byte = cp1250::fromUnicode(static_cast<char32_t>(c));
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

}  // namespace lun4::platform
