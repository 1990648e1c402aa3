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
constexpr int32_t varyBackgroundBit = 1 << 6; // RndBack: "Vary Background Colours"; bits 0-5 the colour cycle

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

SheetSave saveSheetSettings(ProfileStore& store, const SettingsRecord& r, bool multiMonitor) {
    auto table = settingsTable();
    SheetSave saved{r};
    const size_t noMM = *findSetting("Screen", "NoMM");
    const int32_t noMMBefore = store.GetProfileInt("Screen", "NoMM", table[noMM].defaultValue);
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
    saved.noMMChanged = multiMonitor && noMMBefore != r.values[noMM];
    int32_t& mask = saved.stored.at("Random", "Random");
    int32_t& vary = saved.stored.at("Random", "RndSettings");
    int32_t& back = saved.stored.at("Random", "RndBack");
    mask = storedMask(mask);
    vary = storedMask(vary);
    const size_t backIndex = *findSetting("Random", "RndBack");
    const int32_t storedBack = store.GetProfileInt("Random", "RndBack", table[backIndex].defaultValue);
    back = (storedBack & ~varyBackgroundBit) | (back & varyBackgroundBit);
    write("Random", "Random", mask);
    write("Random", "RndSettings", vary);
    write("Random", "RndBack", back);
    return saved;
}

} // namespace jamlog
