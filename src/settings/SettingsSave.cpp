// The sheet's save: each value written individually, section by section.
#include "settings/SettingsSave.h"

#include <string>

namespace jamlog {

namespace {
constexpr std::string_view sheetSections[] = {"Screen", "Speed", "Effects", "Timed", "Custom",
                                              "Timers", "Params", "Design"};
} // namespace

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
