// Light level: start value and the daily darkening and brightening.
#include "sim/LightLevel.h"

#include <algorithm>

#include "sim/Clock.h"

namespace jamlog {

namespace {
constexpr int variableWeather = 0;
constexpr int sunnyWeather = 2;
constexpr int dayLevelDivisor = 5000; // rand() / 5000 gives 0..6
} // namespace

int drawDayLevel(int weather, Rng& rng) {
    if (weather == variableWeather)
        return rng.next() / dayLevelDivisor + daylightLevel;
    return weather >= sunnyWeather ? daylightLevel : overcastLevel;
}

int startLightLevel(const SimSettings& s, int dayLevel) {
    return s.dimming * s.night + dayLevel;
}

int stepLightLevel(const SimSettings& s, int clock, int level, int dayLevel) {
    if (s.dayLight) {
        const int step = s.drawIntvl * 20 / s.simClkIntvl;
        if (isNightTime(s, clock)) {
            if (level < s.dimming)
                level = std::min(level + step, s.dimming);
        } else if (level > dayLevel) {
            level = std::max(level - step, dayLevel);
        }
        return level;
    }
    if (s.weather == variableWeather && level < s.dimming) {
        if (level < dayLevel)
            return level + 1;
        if (level > dayLevel)
            return level - 1;
    }
    return level;
}

int legendBrightness(const SimSettings& s, int level) {
    return ((s.advanced & advancedDarkLegend) ? 5 : 9) * 100 / level;
}

} // namespace jamlog
