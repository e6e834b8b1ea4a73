#include "platform/data_paths.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

namespace lun4::platform {
namespace {

std::string lowered(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::vector<std::string_view> components(std::string_view name) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '\\' || name[i] == '/') {
            if (i > start) parts.push_back(name.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

}  // namespace

DataPaths::DataPaths(std::filesystem::path root) : root_(std::move(root)) {}

const std::map<std::string, std::string>& DataPaths::listing(const std::filesystem::path& folder) {
    auto it = listings_.find(folder);
    if (it != listings_.end()) return it->second;
    std::map<std::string, std::string> entries;
    std::error_code ec;
    for (std::filesystem::directory_iterator dir(folder, ec), end; !ec && dir != end;
         dir.increment(ec)) {
        const std::string real = dir->path().filename().string();
        entries.emplace(lowered(real), real);
    }
    return listings_.emplace(folder, std::move(entries)).first->second;
}

std::optional<std::filesystem::path> DataPaths::resolve(std::string_view name) {
    std::filesystem::path current = root_;
    for (std::string_view part : components(name)) {
        if (part == ".") continue;
        if (part == "..") return std::nullopt;  // data names never leave the run folder
        const auto& entries = listing(current);
        auto it = entries.find(lowered(part));
        if (it == entries.end()) return std::nullopt;
        current /= it->second;
    }
    std::error_code ec;
    if (!std::filesystem::exists(current, ec)) return std::nullopt;
    return current;
}

}  // namespace lun4::platform
