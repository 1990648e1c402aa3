// Store access by setting id.
#include "settings/StoredSetting.h"

#include <algorithm>
#include <string>

#include "settings/SettingsTable.h"

namespace jamlog {

int32_t readStored(ProfileStore& store, Setting s) {
    const SettingDef& d = settingDef(s);
    return store.GetProfileInt(std::string(d.section), std::string(d.name), d.defaultValue);
}

int32_t readStored(ProfileStore& store, Setting s, int32_t absent) {
    const SettingDef& d = settingDef(s);
    return store.GetProfileInt(std::string(d.section), std::string(d.name), absent);
}

void writeStored(ProfileStore& store, Setting s, int32_t value) {
    const SettingDef& d = settingDef(s);
    store.WriteProfileInt(std::string(d.section), std::string(d.name), value);
}

int32_t readLayoutValue(ProfileStore& store, int layout, LayoutValue v, int32_t absent) {
    const int32_t stored = store.GetProfileInt(layoutSection(layout), std::string(layoutValueNames[v]), absent);
    if (stored == absent)
        return absent;
    const LayoutValueBounds& b = layoutValueBounds[v];
    return std::clamp(stored, b.low, b.high);
}

void writeLayoutValue(ProfileStore& store, int layout, LayoutValue v, int32_t value) {
    store.WriteProfileInt(layoutSection(layout), std::string(layoutValueNames[v]), value);
}

} // namespace jamlog
