// Start-up version handling and first-run defaults.
#include "settings/StartupVersion.h"

#include <cctype>

#include "settings/SettingsTable.h"

namespace jamlog {

namespace {
constexpr int32_t currentVersion = 500;
constexpr size_t exeNameLength = 8;
} // namespace

void startupVersion(ProfileStore& store, const std::string& programBase, int32_t monthNow) {
    // The base name cut to 8 characters and upper-cased.
    std::string name = programBase.substr(0, exeNameLength);
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    store.WriteProfileString("Settings", "ExeName", name);

    const int32_t stored = store.GetProfileInt("Version", "Current Version", 100);
    if (stored < currentVersion) store.deleteProgramKey();
    store.WriteProfileString("Version", "DisplayVersion", "5.01.0345");
    store.WriteProfileString("Version", "DisplayDate", "10-Oct-10");
    store.WriteProfileString("Version", "ExtraKit", "Update 1");
    store.WriteProfileInt("Version", "Current Update", 0);
    store.WriteProfileInt("Version", "Release", 3);
    if (stored < currentVersion) {
        // ExeName went with the old key: write it again.
        store.WriteProfileString("Settings", "ExeName", name);
        store.WriteProfileInt("Version", "Current Version", currentVersion);
        store.WriteProfileInt("Version", "Date", monthNow);
        for (const char* c : {"Jamlogs", "Reliefs", "Elapsed"}) store.WriteProfileInt("Counters", c, 0);
    }
}

void firstRunDefaults(ProfileStore& store) {
    if (store.GetProfileInt("Counters", "Elapsed", 0) != 0) return;
    for (const SettingDef& d : settingsTable())
        if (d.section == "Random" && d.name.starts_with("BackCol"))
            store.WriteProfileInt("Random", std::string(d.name), d.defaultValue);
}

} // namespace jamlog
