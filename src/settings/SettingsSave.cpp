// The sheet's save: each value written individually, section by section.
#include "settings/SettingsSave.h"

#include <algorithm>
#include <string>

namespace jamlog {

namespace {
constexpr std::string_view sheetSections[] = {"Screen", "Speed", "Effects", "Timed", "Custom",
                                              "Timers", "Params", "Design"};

struct StoredName {
    std::string_view section, name;
};
constexpr StoredName alwaysReadAgain[] = {
    {"Screen", "NoMM"},   {"Screen", "Weather"}, {"Speed", "SLSigns"},  {"Speed", "VSLSigns"},
    {"Speed", "Gatso"},   {"Effects", "Tracks"}, {"Effects", "Fire"},   {"Effects", "Roads"},
    {"Timed", "DynRW"},   {"Params", "RThresh"}, {"Design", "Debug"},   {"Random", "RndSettings"},
    {"Random", "RndBack"}};
constexpr StoredName readAgainWhenSnowy[] = {{"Speed", "SLSigns"},    {"Speed", "VSLSigns"}, {"Speed", "RWSigns"},
                                             {"Speed", "Breakdowns"}, {"Timed", "DayLight"}, {"Screen", "StLights"}};
constexpr int32_t lastClearWeather = 2;

void readAgain(SettingsRecord& r, ProfileStore& store, StoredName n) {
    const size_t i = *findSetting(n.section, n.name);
    const SettingDef& d = settingsTable()[i];
    const int32_t v = store.GetProfileInt(std::string(d.section), std::string(d.name), d.defaultValue);
    r.values[i] = std::clamp(v, d.loadMin, d.loadMax);
}
} // namespace

SettingsRecord sheetSettings(const SettingsRecord& dialogCopy, ProfileStore& store) {
    SettingsRecord r = dialogCopy;
    for (StoredName n : alwaysReadAgain) readAgain(r, store, n);
    if (dialogCopy.get("Screen", "Weather") > lastClearWeather)
        for (StoredName n : readAgainWhenSnowy) readAgain(r, store, n);
    return r;
}

void saveSheetSettings(ProfileStore& store, const SettingsRecord& r, bool multiMonitor) {
    auto table = settingsTable();
    auto write = [&](std::string_view section, std::string_view name, int32_t v) {
        store.WriteProfileInt(std::string(section), std::string(name), v);
    };
    for (std::string_view section : sheetSections) {
        for (size_t i = 0; i < table.size(); ++i) {
            const SettingDef& d = table[i];
            if (d.section != section) continue;
            if (d.name == "NoMM" && !multiMonitor) continue;
            write(d.section, d.name, r.values[i]);
        }
        if (section == "Custom") write("Config", "Trains", r.get("Config", "Trains"));
    }
    write("Random", "Random", storedMask(r.get("Random", "Random")));
    write("Random", "RndSettings", storedMask(r.get("Random", "RndSettings")));
    write("Random", "RndBack", r.get("Random", "RndBack"));
}

} // namespace jamlog
