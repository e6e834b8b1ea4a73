#pragma once
// The user's settings on Qt: an ini file kept by the toolkit's settings store, by default in
// the user's configuration folder ("~/.config/LUN4_TORVA/ustawienia.ini" on Linux). A file
// that cannot be read as settings is set aside as "<name>.uszkodzony" and a fresh one begun;
// a file that cannot be written leaves the values of this run in memory only.

#include <QString>
#include <filesystem>
#include <map>
#include <memory>

#include "ui/settings.h"

class QSettings;

namespace lun4::platform {

class QtSettings : public ui::Settings {
  public:
    // The store in the user's configuration folder. Needs the application's name to be set.
    QtSettings();
    explicit QtSettings(const std::filesystem::path& file);
    ~QtSettings() override;

    std::string value(std::string_view key) const override;
    void setValue(std::string_view key, std::string_view text) override;

  private:
    std::unique_ptr<QSettings> store_;
    // What this run set, whether or not the file could keep it.
    std::map<std::string, std::string, std::less<>> values_;
};

// The settings file in the user's configuration folder.
std::filesystem::path settingsFile();

}  // namespace lun4::platform
