#pragma once
// Data file names are written with "\" or "/" and in any letter case ("data\otworz.bmp",
// "Data/BMP/entry.bmp"). They are resolved component by component, ignoring case, against
// the run folder, so a data folder copied from another system works unchanged.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace lun4::platform {

class DataPaths {
  public:
    explicit DataPaths(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    // The existing file or folder the name stands for, or nullopt.
    std::optional<std::filesystem::path> resolve(std::string_view name);

    // Forgets the cached folder listings (after files were added or removed).
    void forget() { listings_.clear(); }

  private:
    // Lower-cased entry name -> real entry name, per folder, read once.
    const std::map<std::string, std::string>& listing(const std::filesystem::path& folder);

    std::filesystem::path root_;
    std::map<std::filesystem::path, std::map<std::string, std::string>> listings_;
};

}  // namespace lun4::platform
