// Setting look-ups for the pages.
#include "app/sheet/SettingRef.h"

namespace jamlog {

int32_t& valueOf(SettingsRecord& r, SettingRef s) {
    return r.at(s.section, s.name);
}
int32_t valueOf(const SettingsRecord& r, SettingRef s) {
    return r.get(s.section, s.name);
}
const SettingDef& definition(SettingRef s) {
    return settingsTable()[*findSetting(s.section, s.name)];
}

} // namespace jamlog

namespace jamlog {

int32_t readStored(ProfileStore& store, SettingRef s) {
    return store.GetProfileInt(std::string(s.section), std::string(s.name), definition(s).defaultValue);
}

void writeStored(ProfileStore& store, SettingRef s, int32_t value) {
    store.WriteProfileInt(std::string(s.section), std::string(s.name), value);
}

} // namespace jamlog
