// The sheet's save: each value written individually, section by section.
#include "settings/SettingsSave.h"

#include <algorithm>

#include "settings/StoredSetting.h"

namespace jamlog {

namespace {
constexpr std::string_view sheetSections[] = {"Screen", "Speed", "Effects", "Timed", "Custom",
                                              "Timers", "Params", "Design"};

constexpr Setting alwaysReadAgain[] = {Setting::NoMM,   Setting::Weather, Setting::SLSigns,     Setting::VSLSigns,
                                       Setting::Gatso,  Setting::Tracks,  Setting::Fire,        Setting::Roads,
                                       Setting::DynRW,  Setting::RThresh, Setting::Debug,       Setting::RndSettings,
                                       Setting::RndBack};
constexpr Setting readAgainWhenSnowy[] = {Setting::SLSigns,    Setting::VSLSigns, Setting::RWSigns,
                                          Setting::Breakdowns, Setting::DayLight, Setting::StLights};
constexpr int32_t lastClearWeather = 2;
constexpr int32_t varyBackgroundBit = 1 << 6; // RndBack: "Vary Background Colours"; bits 0-5 the colour cycle

void readAgain(SettingsRecord& r, ProfileStore& store, Setting s) {
    const SettingDef& d = settingDef(s);
    r[s] = std::clamp(readStored(store, s), d.loadMin, d.loadMax);
}
} // namespace

SettingsRecord sheetSettings(const SettingsRecord& dialogCopy, ProfileStore& store) {
    SettingsRecord r = dialogCopy;
    for (Setting s : alwaysReadAgain) readAgain(r, store, s);
    if (dialogCopy.weather > lastClearWeather)
        for (Setting s : readAgainWhenSnowy) readAgain(r, store, s);
    return r;
}

SheetSave saveSheetSettings(ProfileStore& store, const SettingsRecord& r, bool multiMonitor) {
    SheetSave saved{r};
    const int32_t noMMBefore = readStored(store, Setting::NoMM);
    for (std::string_view section : sheetSections) {
        for (const SettingDef& d : settingsTable()) {
            if (d.section != section) continue;
            if (d.id == Setting::NoMM && !multiMonitor) continue;
            writeStored(store, d.id, r[d.id]);
        }
        if (section == "Custom") writeStored(store, Setting::Trains, r.trains);
    }
    saved.noMMChanged = multiMonitor && noMMBefore != r.noMM;
    int32_t& mask = saved.stored.randomMask;
    int32_t& vary = saved.stored.rndSettings;
    int32_t& back = saved.stored.rndBack;
    mask = storedMask(mask);
    vary = storedMask(vary);
    back = (readStored(store, Setting::RndBack) & ~varyBackgroundBit) | (back & varyBackgroundBit);
    writeStored(store, Setting::Random, mask);
    writeStored(store, Setting::RndSettings, vary);
    writeStored(store, Setting::RndBack, back);
    return saved;
}

} // namespace jamlog
