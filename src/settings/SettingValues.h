// The value of every setting as a plain 32-bit field named as in the settings list and holding the list's
// default, and the typed look-up by id for code that walks every setting (the loader, the export file, the pages).
// Header only and free of the store: the simulation and the drawing hold their working values in this type.
#pragma once
#include <cstddef>
#include <cstdint>

#include "settings/SettingList.h"

namespace jamlog {

enum class Setting {
#define JAMLOG_SETTING_ID(id, field, section, name, def) id,
    JAMLOG_SETTINGS(JAMLOG_SETTING_ID)
#undef JAMLOG_SETTING_ID
};

#define JAMLOG_SETTING_ONE(id, field, section, name, def) +1
constexpr size_t settingCount = 0 JAMLOG_SETTINGS(JAMLOG_SETTING_ONE);
#undef JAMLOG_SETTING_ONE

constexpr size_t indexOf(Setting s) { return static_cast<size_t>(s); }
constexpr Setting settingAt(size_t index) { return static_cast<Setting>(index); }

// The seven background colours follow one another: BackCol0 (the default background) and the six of the cycle.
constexpr int backColours = 7;
constexpr Setting backColSetting(int i) { return settingAt(indexOf(Setting::BackCol0) + static_cast<size_t>(i)); }
static_assert(backColSetting(backColours - 1) == Setting::BackCol6);

// Splits a packed time pair (first * 10000 + second) into its two minute counts, and packs them back.
struct MinutePair {
    int32_t first, second;
};
constexpr MinutePair unpackPair(int32_t packed) { return {packed / 10000, packed % 10000}; }
constexpr int32_t packPair(MinutePair p) { return p.first * 10000 + p.second; }

struct SettingValues {
#define JAMLOG_SETTING_FIELD(id, field, section, name, def) int32_t field = def;
    JAMLOG_SETTINGS(JAMLOG_SETTING_FIELD)
#undef JAMLOG_SETTING_FIELD

    constexpr int32_t& operator[](Setting s);
    constexpr int32_t operator[](Setting s) const;
    bool operator==(const SettingValues&) const = default;
};

namespace detail {
inline constexpr int32_t SettingValues::*settingFields[] = {
#define JAMLOG_SETTING_MEMBER(id, field, section, name, def) &SettingValues::field,
    JAMLOG_SETTINGS(JAMLOG_SETTING_MEMBER)
#undef JAMLOG_SETTING_MEMBER
};
} // namespace detail

constexpr int32_t& SettingValues::operator[](Setting s) { return this->*detail::settingFields[indexOf(s)]; }
constexpr int32_t SettingValues::operator[](Setting s) const { return this->*detail::settingFields[indexOf(s)]; }

} // namespace jamlog
