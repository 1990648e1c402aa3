// Loading the settings record from the store.
#include "settings/SettingsRecord.h"

#include <algorithm>

#include "settings/RunningOwner.h"
#include "settings/SettingBits.h"
#include "settings/StartupVersion.h"
#include "settings/StoredSetting.h"

namespace jamlog {

namespace {

constexpr uint32_t tarmacColours[3] = {0x808080, 0x303030, 0x708C8C};
constexpr int32_t procCorrLimit = 10;   // a larger stored processor correction loads as the default
constexpr int32_t procCorrFallback = 5;

} // namespace

SettingsRecord defaultSettings() { return SettingsRecord{}; }

MinutePair seasonalDaylight(int32_t monthNumber) {
    int32_t m = monthNumber % 12;
    int32_t d = 60 * std::max(m - 6, 6 - m);
    return {180 + d, 1320 - d};
}

SettingsRecord loadSettings(ProfileStore& store) {
    SettingsRecord r;
    repairRunning(store); // a marker whose process was killed is no run in progress
    // The splash comes first, before the run-mode handshake below rewrites Running.
    r.splash = !(readStored(store, Setting::Advanced) & advancedNoSplash) &&
               readStored(store, Setting::Running) == runningIdle;
    firstRunDefaults(store);
    for (const SettingDef& d : settingsTable()) {
        if (d.section == "Settings" || d.section == "Version" || d.section == "Counters" || d.section == "Random")
            continue; // read where their algorithm reads them
        r[d.id] = std::clamp(readStored(store, d.id), d.loadMin, d.loadMax);
    }
    if (r.procCorr > procCorrLimit) r.procCorr = procCorrFallback;

    r.roadColour = tarmacColours[std::clamp(r.tarmac, 0, 2)];
    MinutePair sun = unpackPair(r.sunUpDown);
    MinutePair am = unpackPair(r.rushAm), pm = unpackPair(r.rushPm);
    r.rushAmStart = am.first; r.rushAmEnd = am.second;
    r.rushPmStart = pm.first; r.rushPmEnd = pm.second;
    if (r.dayLight == 1) r.night = 0;
    if (r.advanced & advancedClassicRails) r.rails = railsClassic;
    if (r.debug & debugDayLights) r.advanced |= advancedScandinavianLights;
    if (r.debug & debugNoVehicleLights) r.advanced &= ~advancedScandinavianLights;

    if (r.season == 1) sun = seasonalDaylight(readStored(store, Setting::Date));
    r.sunrise = sun.first;
    r.sunset = sun.second;

    r.rndSettings = readStored(store, Setting::RndSettings);
    r.rndBack = readStored(store, Setting::RndBack);
    for (int i = 0; i < backColours; ++i) r[backColSetting(i)] = readStored(store, backColSetting(i));
    r.running = readStored(store, Setting::Running);
    r.layoutMask = r.running != runningIdle ? 0 : readStored(store, Setting::Random);
    r.randomMask = r.layoutMask;
    writeStored(store, Setting::Running, r.running == runningTestAsked ? runningTestDone : r.running);
    r.lastNet = readStored(store, Setting::LastNet);
    r.startLayout = (r.layoutMask & 1) ? r.lastNet : r.network;

    r.pro = readStored(store, Setting::Pro);
    if (r.pro && readStored(store, Setting::DebugOn) == 0) r.debug = 0;
    r.anyDebug = r.debug != 0;
    for (Setting c : {Setting::Elapsed, Setting::Jamlogs, Setting::Reliefs}) r[c] = readStored(store, c);
    r.release = readStored(store, Setting::Release);
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
    const ScreenArea a = drawingArea(r.noMM, screens);
    r.noMM = a.noMM;
    r.screenW = a.width;
    r.screenH = a.height;
    return r;
}

} // namespace jamlog
