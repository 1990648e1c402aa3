// How the pages name a setting, and the look-ups of its value and its table entry.
#pragma once
#include <cstdint>
#include <string_view>

#include "settings/SettingsRecord.h"

namespace jamlog {

struct SettingRef {
    std::string_view section, name;
    bool valid() const { return !name.empty(); }
    bool operator==(const SettingRef&) const = default;
};

int32_t& valueOf(SettingsRecord& r, SettingRef s);
int32_t valueOf(const SettingsRecord& r, SettingRef s);
const SettingDef& definition(SettingRef s);

} // namespace jamlog

namespace jamlog {

// A setting read from, and written to, the store directly; an absent value reads as its table default.
int32_t readStored(ProfileStore& store, SettingRef s);
void writeStored(ProfileStore& store, SettingRef s, int32_t value);

} // namespace jamlog
