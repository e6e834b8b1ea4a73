#include "platform/page_cache.h"

#include <algorithm>
#include <cctype>

namespace lun4::platform {

std::string dataNameKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

bool PageCache::kept(const std::string& key) const {
    return std::any_of(pages_.begin(), pages_.end(), [&](const auto& p) { return p.first == key; });
}

ui::ImageHandle PageCache::load(std::string_view name) {
    const std::string key = dataNameKey(name);
    const auto it =
        std::find_if(pages_.begin(), pages_.end(), [&](const auto& p) { return p.first == key; });
    if (it != pages_.end()) {
        auto entry = *it;
        pages_.erase(it);
        pages_.push_front(entry);
        return entry.second;
    }
    ui::ImageHandle handle = decode_(name);
    if (handle) {
        pages_.emplace_front(key, handle);
        if (pages_.size() > kKept) pages_.pop_back();
    }
    return handle;
}

bool PageCache::askAhead(std::string_view name) {
    if (kept(dataNameKey(name))) return false;
    ahead_.emplace_back(name);
    return true;
}

bool PageCache::decodeOneAhead() {
    if (ahead_.empty()) return false;
    const std::string name = std::move(ahead_.front());
    ahead_.pop_front();
    const std::string key = dataNameKey(name);
    if (!kept(key)) {
        if (ui::ImageHandle handle = decode_(name)) {
            if (pages_.size() >= kKept) pages_.pop_back();
            pages_.emplace_back(key, std::move(handle));
        }
    }
    return !ahead_.empty();
}

}  // namespace lun4::platform
