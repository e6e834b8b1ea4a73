#pragma once
// The user's settings on Windows: values under the user's registry key
// HKEY_CURRENT_USER\Software\LUN4_TORVA, each kept at once. A key that cannot be opened or
// written, or a value of another kind than text, gives empty values; what this run set is
// kept in memory all the same, and the program never stops for it.

#include <windows.h>

#include <map>
#include <string>

#include "ui/settings.h"

namespace lun4::platform {

class Win32Settings : public ui::Settings {
  public:
    // `key`: the key under HKEY_CURRENT_USER (tests use one of their own).
    explicit Win32Settings(std::wstring key = L"Software\\LUN4_TORVA");

    std::string value(std::string_view key) const override;
    void setValue(std::string_view key, std::string_view text) override;

  private:
    std::wstring key_;
    // What this run set, whether or not the registry could keep it.
    std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace lun4::platform
