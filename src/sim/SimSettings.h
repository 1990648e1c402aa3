// The settings the simulation reads, as plain fields with their defaults, and the copy from a settings source.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "settings/SettingBits.h"

namespace jamlog {

struct SimSettings {
    // Screen
    int updSpd = 75, stLights = 1, tarmac = 0, rails = 0, weather = 0;
    // Effects
    int night = 0, vlTrains = 1, tracks = 1, fire = 1, reset = 1, relief = 1, season = 1, rivers = 1, pelican = 1,
        roads = 1;
    // Speed
    int esl = 1, vsl = 1, slSigns = 1, vslSigns = 1, rwSigns = 1, rsl = 1, rwl = 1, vSlow = 0, breakdowns = 1,
        gatso = 1;
    // Timed
    int traffic = 1, dayLight = 1, legend = 1, tlOff = 0, tlAuto = 1, bHols = 1, peakTL = 1, dynRW = 1, varyTrains = 1;
    // Custom
    int rndIntvl = 5, bkDownNo = 2, carInc = 10, lvm = 2, slPercent = 20, vslBusy = 40, carrs = 4, faster = 120,
        slower = 35, stnWait = 20, parkWait = 240;
    // Timers
    int wanderIntvl = 8, longIntvl = 15, annotIntvl = 2, drawIntvl = 3, tLightIntvl = 3, simClkIntvl = 50,
        flashIntvl = 5;
    // Params
    int dimming = 50, dusk = 15, rThresh = 70, accel = 5, advanced = 0;
    // Design
    int carLen = 200, lanWid = 130, procCorr = 5, prePop = 400, debug = 0;
    // Config
    int network = 14, driver = 0, tLights = 2, aveSpd = 112, factor = 10, cars = 200, trains = 40, boats = 50;
    // Random
    int randomMask = 0x1FFFFF, rndSettings = 0x7FFFF, rndBack = 71;
    std::array<uint32_t, 7> backCols{0x007000, 0x505050, 0x406070, 0x00A000, 0x404080, 0x808080, 0x202020};
    // Settings
    int running = 0, pro = 0;
    // Derived when loaded: minutes after midnight.
    int sunrise = 360, sunset = 1140, rushAmStart = 300, rushAmEnd = 540, rushPmStart = 900, rushPmEnd = 1140;
};

// Reads every field from a source of stored values by section and name; the derived minute fields are split out of
// their packed pairs (start x 10000 + end). Seasonal daylight is the caller's: it overwrites sunrise and sunset.
using SettingSource = std::function<int32_t(std::string_view section, std::string_view name)>;
SimSettings simSettingsFrom(const SettingSource& get);

// Copies a loaded settings record (anything with get(section, name) and the derived minute fields): the record's
// seasonal daylight, random layout mask in force and starting layout replace the raw stored values.
template <class Record> SimSettings simSettingsFromRecord(const Record& r) {
    SimSettings s = simSettingsFrom([&](std::string_view sec, std::string_view name) { return r.get(sec, name); });
    s.sunrise = r.sunrise;
    s.sunset = r.sunset;
    s.rushAmStart = r.rushAmStart;
    s.rushAmEnd = r.rushAmEnd;
    s.rushPmStart = r.rushPmStart;
    s.rushPmEnd = r.rushPmEnd;
    s.randomMask = r.layoutMask;
    s.network = r.startLayout;
    return s;
}

// Puts back the stored extras a random draw may have changed (breakdowns, daylight, street lights, weather,
// the three sign switches).
void restoreExtras(SimSettings& s, const SimSettings& stored);

} // namespace jamlog
