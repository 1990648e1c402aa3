// Loading the settings record from the store.
#include "settings/SettingsRecord.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "settings/SettingBits.h"

namespace jamlog {

namespace {

constexpr uint32_t tarmacColours[3] = {0x808080, 0x303030, 0x708C8C};
constexpr int32_t procCorrLimit = 10;   // a larger stored processor correction loads as the default
constexpr int32_t procCorrFallback = 5;

size_t indexOf(std::string_view section, std::string_view name) {
    auto i = findSetting(section, name);
    if (!i) throw std::logic_error("no setting " + std::string(section) + "\\" + std::string(name));
    return *i;
}

} // namespace

static_assert(maxSettings >= 120);

int32_t& SettingsRecord::at(std::string_view section, std::string_view name) { return values[indexOf(section, name)]; }
int32_t SettingsRecord::get(std::string_view section, std::string_view name) const {
    return values[indexOf(section, name)];
}

SettingsRecord defaultSettings() {
    SettingsRecord r;
    auto table = settingsTable();
    for (size_t i = 0; i < table.size(); ++i) r.values[i] = table[i].defaultValue;
    return r;
}

MinutePair seasonalDaylight(int32_t monthNumber) {
    int32_t m = monthNumber % 12;
    int32_t d = 60 * std::max(m - 6, 6 - m);
    return {180 + d, 1320 - d};
}

SettingsRecord loadSettings(ProfileStore& store) {
    SettingsRecord r;
    auto table = settingsTable();
    // The splash comes first, before the run-mode handshake below rewrites Running.
    const int32_t advancedStored =
        store.GetProfileInt("Params", "Advanced", table[indexOf("Params", "Advanced")].defaultValue);
    r.splash = !(advancedStored & advancedNoSplash) && store.GetProfileInt("Settings", "Running", runningIdle) == runningIdle;
    for (size_t i = 0; i < table.size(); ++i) {
        const SettingDef& d = table[i];
        if (d.section == "Settings" || d.section == "Version" || d.section == "Counters" || d.section == "Random") {
            r.values[i] = d.defaultValue; // read where their algorithm reads them
            continue;
        }
        int32_t v = store.GetProfileInt(std::string(d.section), std::string(d.name), d.defaultValue);
        r.values[i] = std::clamp(v, d.loadMin, d.loadMax);
    }
    if (r.get("Design", "ProcCorr") > procCorrLimit) r.at("Design", "ProcCorr") = procCorrFallback;

    r.roadColour = tarmacColours[std::clamp(r.get("Screen", "Tarmac"), 0, 2)];
    MinutePair sun = unpackPair(r.get("Timers", "SunUpDown"));
    MinutePair am = unpackPair(r.get("Timers", "RushAm")), pm = unpackPair(r.get("Timers", "RushPm"));
    r.rushAmStart = am.first; r.rushAmEnd = am.second;
    r.rushPmStart = pm.first; r.rushPmEnd = pm.second;
    if (r.get("Timed", "DayLight") == 1) r.at("Effects", "Night") = 0;
    int32_t& advanced = r.at("Params", "Advanced");
    if (advanced & advancedClassicRails) r.at("Screen", "Rails") = railsClassic;
    int32_t debug = r.get("Design", "Debug");
    if (debug & debugDayLights) advanced |= advancedScandinavianLights;
    if (debug & debugNoVehicleLights) advanced &= ~advancedScandinavianLights;

    if (r.get("Effects", "Season") == 1) sun = seasonalDaylight(store.GetProfileInt("Version", "Date", 0));
    r.sunrise = sun.first;
    r.sunset = sun.second;

    r.at("Random", "RndSettings") = store.GetProfileInt("Random", "RndSettings", 0x7FFFF);
    r.at("Random", "RndBack") = store.GetProfileInt("Random", "RndBack", 71);
    int32_t running = store.GetProfileInt("Settings", "Running", runningIdle);
    r.at("Settings", "Running") = running;
    r.layoutMask = running != runningIdle ? 0 : store.GetProfileInt("Random", "Random", 0x1FFFFF);
    r.at("Random", "Random") = r.layoutMask;
    store.WriteProfileInt("Settings", "Running", running == runningTestAsked ? runningTestDone : running);
    r.at("Settings", "LastNet") = store.GetProfileInt("Settings", "LastNet", 14);
    r.startLayout = (r.layoutMask & 1) ? r.get("Settings", "LastNet") : r.get("Config", "Network");

    int32_t pro = store.GetProfileInt("Settings", "Pro", 0);
    r.at("Settings", "Pro") = pro;
    if (pro && store.GetProfileInt("Settings", "DebugOn", 1) == 0) r.at("Design", "Debug") = 0;
    r.anyDebug = r.get("Design", "Debug") != 0;
    for (const char* c : {"Elapsed", "Jamlogs", "Reliefs"}) r.at("Counters", c) = store.GetProfileInt("Counters", c, 0);
    r.at("Version", "Release") = store.GetProfileInt("Version", "Release", 2);
    return r;
}

ScreenArea drawingArea(int32_t noMM, const ScreenSizes& screens) {
    ScreenArea a;
    a.noMM = screens.primaryW == screens.virtualW ? 1 : noMM;
    a.width = a.noMM ? screens.primaryW : screens.virtualW;
    a.height = a.noMM ? screens.primaryH : screens.virtualH;
    return a;
}

SettingsRecord loadSettings(ProfileStore& store, const ScreenSizes& screens) {
    SettingsRecord r = loadSettings(store);
    const ScreenArea a = drawingArea(r.get("Screen", "NoMM"), screens);
    r.at("Screen", "NoMM") = a.noMM;
    r.screenW = a.width;
    r.screenH = a.height;
    return r;
}

} // namespace jamlog
