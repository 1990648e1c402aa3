// Start-up version handling and first-run defaults.
#include "settings/StartupVersion.h"

#include <cctype>

#include "settings/SettingsTable.h"
#include "settings/StoredSetting.h"
#include "settings/StoredText.h"

namespace jamlog {

namespace {
constexpr int32_t currentVersion = 500;
constexpr size_t exeNameLength = 8;
} // namespace

void startupVersion(ProfileStore& store, const std::string& programBase, int32_t monthNow) {
    // The base name cut to 8 characters and upper-cased.
    std::string name = programBase.substr(0, exeNameLength);
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    writeStoredText(store, StoredText::ExeName, name);

    const int32_t stored = readStored(store, Setting::CurrentVersion);
    if (stored < currentVersion) store.deleteProgramKey();
    writeStoredText(store, StoredText::DisplayVersion, "5.01.0345");
    writeStoredText(store, StoredText::DisplayDate, "10-Oct-10");
    writeStoredText(store, StoredText::ExtraKit, "Update 1");
    writeStored(store, Setting::CurrentUpdate, 0);
    writeStored(store, Setting::Release, 3);
    if (stored < currentVersion) {
        // ExeName went with the old key: write it again.
        writeStoredText(store, StoredText::ExeName, name);
        writeStored(store, Setting::CurrentVersion, currentVersion);
        writeStored(store, Setting::Date, monthNow);
        for (Setting c : {Setting::Jamlogs, Setting::Reliefs, Setting::Elapsed}) writeStored(store, c, 0);
    }
}

void firstRunDefaults(ProfileStore& store) {
    if (readStored(store, Setting::Elapsed) != 0) return;
    for (int i = 0; i < backColours; ++i) writeStored(store, backColSetting(i), settingDef(backColSetting(i)).defaultValue);
}

} // namespace jamlog
