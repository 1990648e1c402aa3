// The light level of the day-and-night cycle: a darkness divisor, 10 for plain daylight, larger when darker.
#pragma once
#include "model/Rng.h"
#include "sim/SimSettings.h"

namespace jamlog {

constexpr int daylightLevel = 10;
constexpr int overcastLevel = 14;

// The level aimed at in daytime: 14, 10 in sunny or snowy weather, drawn as 10 to 16 in variable weather.
int drawDayLevel(int weather, Rng& rng);

// The level at the creation of a view: Dimming x Night + day level.
int startLightLevel(const SimSettings& s, int dayLevel);

// One light-level tick at the given clock; returns the new level.
int stepLightLevel(const SimSettings& s, int clock, int level, int dayLevel);

// Percentage by which the legend background is scaled at a level: (9, or 5 when darker) x 100 / level.
int legendBrightness(const SimSettings& s, int level);

} // namespace jamlog
