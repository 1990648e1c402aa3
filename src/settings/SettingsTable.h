// Everything about each setting of the settings list: section, name, default, accepted range, reset value,
// rejection message, the bounds the load enforces on values that would otherwise crash the program, and the place
// in the export file.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "settings/SettingValues.h"

namespace jamlog {

// Marks a value that the settings export file does not carry.
constexpr int32_t noFileSlot = -1;

struct SettingDef {
    Setting id;
    std::string_view section;
    std::string_view name;
    int32_t defaultValue;
    int32_t minValue;   // accepted by the pages
    int32_t maxValue;
    int32_t resetValue; // what a page puts back when an entry is refused
    std::string_view message;
    int32_t loadMin;    // the load raises anything below to this (a divisor or table size)
    int32_t loadMax;    // and lowers anything above to this
    int32_t fileSlot = noFileSlot; // place (0-11) within its section of the settings export file
};

constexpr int32_t anyValue = INT32_MIN;
constexpr int32_t anyValueMax = INT32_MAX;

// Every setting's entry, in the order of the settings list (entry i is settingAt(i)).
std::span<const SettingDef> settingsTable();
const SettingDef& settingDef(Setting s);

// The setting of a name that arrives as text (the store, the export file, the command line); names unique across
// sections may be found without one.
std::optional<Setting> findSetting(std::string_view section, std::string_view name);
std::optional<Setting> findSetting(std::string_view name);

} // namespace jamlog
