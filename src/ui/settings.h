#pragma once
// Per-user settings: named texts kept from one run of the program to the next, such as the
// cover's place and institution or the folder used last. A store that is missing, damaged or
// cannot be written gives empty values and keeps what it can; the program never stops for it.

#include <string>
#include <string_view>

namespace lun4::ui {

class Settings {
  public:
    virtual ~Settings() = default;
    // The text kept under `key` (UTF-8), or an empty text when there is none.
    virtual std::string value(std::string_view key) const = 0;
    // Keeps `text` (UTF-8) under `key` at once, so that it survives a crash.
    virtual void setValue(std::string_view key, std::string_view text) = 0;
};

}  // namespace lun4::ui
