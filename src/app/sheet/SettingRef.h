// How the pages name a setting (by its id, or none for a button), and the look-ups of its value and table entry.
#pragma once
#include <cstdint>
#include <string_view>

#include "settings/SettingsRecord.h"
#include "settings/StoredSetting.h"

namespace jamlog {

struct SettingRef {
    constexpr SettingRef() = default;
    constexpr SettingRef(Setting s) : id(s), present(true) {} // NOLINT(google-explicit-constructor): rows name ids
    Setting id{};
    bool present = false;
    bool valid() const { return present; }
    std::string_view name() const { return settingDef(id).name; }
    bool operator==(const SettingRef&) const = default;
};

inline int32_t& valueOf(SettingsRecord& r, SettingRef s) { return r[s.id]; }
inline int32_t valueOf(const SettingsRecord& r, SettingRef s) { return r[s.id]; }
inline const SettingDef& definition(SettingRef s) { return settingDef(s.id); }

// A setting read from, and written to, the store directly; an absent value reads as its table default.
inline int32_t readStored(ProfileStore& store, SettingRef s) { return readStored(store, s.id); }
inline void writeStored(ProfileStore& store, SettingRef s, int32_t value) { writeStored(store, s.id, value); }

} // namespace jamlog
