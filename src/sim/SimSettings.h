// The settings the simulation works with: every setting's value under its own name (the settings list gives the
// fields and their defaults) and the minute counts unpacked from the clock pairs.
#pragma once
#include <cstdint>

#include "settings/SettingBits.h"
#include "settings/SettingValues.h"

namespace jamlog {

struct SimSettings : SettingValues {
    // Minutes after midnight, unpacked from SunUpDown, RushAm and RushPm (or the seasonal daylight of the load).
    int32_t sunrise = unpackPair(SettingValues{}.sunUpDown).first;
    int32_t sunset = unpackPair(SettingValues{}.sunUpDown).second;
    int32_t rushAmStart = unpackPair(SettingValues{}.rushAm).first;
    int32_t rushAmEnd = unpackPair(SettingValues{}.rushAm).second;
    int32_t rushPmStart = unpackPair(SettingValues{}.rushPm).first;
    int32_t rushPmEnd = unpackPair(SettingValues{}.rushPm).second;

    uint32_t backColour(int i) const { return static_cast<uint32_t>((*this)[backColSetting(i)]); }
};

// The values of a loaded settings record (anything that is SettingValues with the derived minute fields, the
// random layout mask in force and the starting layout): the record's seasonal daylight, mask and starting layout
// replace the raw stored values.
template <class Record> SimSettings simSettingsFromRecord(const Record& r) {
    SimSettings s;
    static_cast<SettingValues&>(s) = r;
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
// Puts back the extras a car-park layout turns off (emergency vehicles, cameras, roadworks, the relief threshold).
void restoreCarParkExtras(SimSettings& s, const SimSettings& stored);

} // namespace jamlog
