// The plain settings record a view or dialog reads once: the value of every setting (record.cars, or
// record[Setting::Cars] where code walks the settings) plus what the load derives.
#pragma once
#include <cstdint>

#include "settings/ProfileStore.h"
#include "settings/SettingValues.h"
#include "settings/SettingsTable.h"

namespace jamlog {

struct SettingsRecord : SettingValues {
    // Derived at load.
    int32_t sunrise = 0, sunset = 0;           // minutes after midnight
    int32_t rushAmStart = 0, rushAmEnd = 0, rushPmStart = 0, rushPmEnd = 0;
    uint32_t roadColour = 0;                   // 0x00BBGGRR
    int32_t layoutMask = 0;                    // the random layout mask in force for this run
    int32_t startLayout = 0;
    bool anyDebug = false;
    bool splash = false;                       // the splash window is shown (not disabled, no run marked)
    int32_t screenW = 0, screenH = 0;          // the drawing area, when the load was given the screens
};

// The record holding every default of the settings list.
SettingsRecord defaultSettings();

// Reads the options into a record at view construction: the background colour defaults written on a first run,
// defaults for absent values, clamps for values that would crash, the derived values, seasonal daylight, the random
// state with the stored background colours and the run-mode handshake (Running 1 becomes 2).
SettingsRecord loadSettings(ProfileStore& store);

// Pixel sizes of the primary screen and of the virtual desktop that spans every monitor.
struct ScreenSizes {
    int32_t primaryW = 0, primaryH = 0, virtualW = 0, virtualH = 0;
};

struct ScreenArea {
    int32_t noMM = 0;              // 1 when the view keeps to the primary screen
    int32_t width = 0, height = 0; // the drawing area
};

// The drawing area: the primary screen with NoMM, else the virtual desktop; a primary screen as wide as the
// desktop (a single monitor) counts as NoMM.
ScreenArea drawingArea(int32_t noMM, const ScreenSizes& screens);

// The load with the screens: as above, then NoMM and the drawing area taken from them.
SettingsRecord loadSettings(ProfileStore& store, const ScreenSizes& screens);

// Sunrise and sunset in minutes when daylight follows the season; the month number modulo 12 is the month, December 0.
MinutePair seasonalDaylight(int32_t monthNumber);

// Bit helpers of the random masks: a mask that is only its switch bit is stored as 0.
constexpr int32_t storedMask(int32_t mask) { return mask == 1 ? 0 : mask; }

} // namespace jamlog
