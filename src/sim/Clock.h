// The simulated clock (minutes since midnight) and the day's periods: darkness and the two rush hours.
#pragma once
#include "sim/SimSettings.h"

namespace jamlog {

constexpr int minutesPerHour = 60;
constexpr int minutesPerDay = 24 * minutesPerHour;
constexpr int rushMargin = 30; // minutes before and after a rush in which traffic builds up
constexpr int duskMargin = 30; // darkening starts this long before sunset

// One simulated minute later, wrapping from 23:59 to 00:00.
int advanceClock(int clock);

// The clock at a time of day.
constexpr int clockAt(int hours, int minutes) {
    return hours * minutesPerHour + minutes;
}

bool beforeMorningRush(const SimSettings& s, int clock);
bool afterEveningRush(const SimSettings& s, int clock);
bool betweenRushes(const SimSettings& s, int clock);
// From rushMargin before the rush starts to rushMargin after it ends.
bool nearMorningRush(const SimSettings& s, int clock);
bool nearEveningRush(const SimSettings& s, int clock);
// After sunset less duskMargin, or before sunrise.
bool isNightTime(const SimSettings& s, int clock);

} // namespace jamlog
