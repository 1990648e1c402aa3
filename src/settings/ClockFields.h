// The clock halves of the packed minute pairs as the pages edit them: shown as HHMM, each with its accepted
// range, the value a refused entry is reset to and the message, and the HHMM conversions.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/SettingValues.h"

namespace jamlog {

struct ClockFieldDef {
    Setting pair;                           // the Timers value holding the pair
    int half;                               // 0 the first minute count, 1 the second
    int32_t minClock, maxClock, resetClock; // HHMM
    std::string_view message;
};

std::span<const ClockFieldDef> clockFields();
const ClockFieldDef& clockField(Setting pair, int half);

constexpr int32_t minutesToClock(int32_t minutes) {
    return minutes / 60 * 100 + minutes % 60;
}
constexpr int32_t clockToMinutes(int32_t hhmm) {
    return hhmm / 100 * 60 + hhmm % 100;
}
// A clock entry inside its range whose minutes do not exceed 59.
constexpr bool clockAccepted(const ClockFieldDef& f, int32_t hhmm) {
    return hhmm >= f.minClock && hhmm <= f.maxClock && hhmm % 100 <= 59;
}

} // namespace jamlog
