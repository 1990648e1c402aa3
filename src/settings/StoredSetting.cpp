// Store access by setting id.
#include "settings/StoredSetting.h"

#include <string>

#include "settings/SettingsTable.h"

namespace jamlog {

int32_t readStored(ProfileStore& store, Setting s) {
    const SettingDef& d = settingDef(s);
    return store.GetProfileInt(std::string(d.section), std::string(d.name), d.defaultValue);
}

void writeStored(ProfileStore& store, Setting s, int32_t value) {
    const SettingDef& d = settingDef(s);
    store.WriteProfileInt(std::string(d.section), std::string(d.name), value);
}

} // namespace jamlog
