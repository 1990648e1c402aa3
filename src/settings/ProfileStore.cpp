// The in-memory store and the per-layout section names.
#include "settings/ProfileStore.h"

#include <charconv>

namespace jamlog {

namespace {
std::string key(const std::string& section, const std::string& entry) { return section + "/" + entry; }
} // namespace

int32_t MemoryProfileStore::GetProfileInt(const std::string& section, const std::string& entry,
                                          int32_t defaultValue) {
    auto it = values.find(key(section, entry));
    if (it == values.end()) return defaultValue;
    int32_t v = 0;
    auto [p, ec] = std::from_chars(it->second.data(), it->second.data() + it->second.size(), v);
    return ec == std::errc() && p == it->second.data() + it->second.size() ? v : defaultValue;
}

bool MemoryProfileStore::WriteProfileInt(const std::string& section, const std::string& entry, int32_t value) {
    values[key(section, entry)] = std::to_string(value);
    return true;
}

std::string MemoryProfileStore::GetProfileString(const std::string& section, const std::string& entry,
                                                 const std::string& defaultValue) {
    auto it = values.find(key(section, entry));
    return it == values.end() ? defaultValue : it->second;
}

bool MemoryProfileStore::WriteProfileString(const std::string& section, const std::string& entry,
                                            const std::string& value) {
    values[key(section, entry)] = value;
    return true;
}

std::string layoutSection(int layout) {
    char digits[16];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, layout, 24);
    return "Config\\Net" + std::string(digits, ec == std::errc() ? end : digits);
}

} // namespace jamlog
