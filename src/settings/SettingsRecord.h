// The plain settings record a view or dialog reads once: one value per table entry plus what the load derives.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "settings/ProfileStore.h"
#include "settings/SettingsTable.h"

namespace jamlog {

constexpr size_t maxSettings = 160;

struct SettingsRecord {
    std::array<int32_t, maxSettings> values{};
    // Derived at load.
    int32_t sunrise = 0, sunset = 0;           // minutes after midnight
    int32_t rushAmStart = 0, rushAmEnd = 0, rushPmStart = 0, rushPmEnd = 0;
    uint32_t roadColour = 0;                   // 0x00BBGGRR
    int32_t layoutMask = 0;                    // the random layout mask in force for this run
    int32_t startLayout = 0;
    bool anyDebug = false;

    int32_t& at(std::string_view section, std::string_view name);
    int32_t get(std::string_view section, std::string_view name) const;
};

// The record holding every default of the table.
SettingsRecord defaultSettings();

// Reads the options into a record at view construction: defaults for absent values, clamps for values that would
// crash, the derived values, seasonal daylight, the random state and the run-mode handshake (Running 1 becomes 2).
SettingsRecord loadSettings(ProfileStore& store);

// Sunrise and sunset in minutes when daylight follows the season; the month number modulo 12 is the month, December 0.
MinutePair seasonalDaylight(int32_t monthNumber);

// Bit helpers of the random masks: a mask that is only its switch bit is stored as 0.
constexpr int32_t storedMask(int32_t mask) { return mask == 1 ? 0 : mask; }

} // namespace jamlog
