// Simulated clock and the periods of the day.
#include "sim/Clock.h"

namespace jamlog {

int advanceClock(int clock) {
    return clock + 1 >= minutesPerDay ? 0 : clock + 1;
}

bool beforeMorningRush(const SimSettings& s, int clock) {
    return clock < s.rushAmStart;
}
bool afterEveningRush(const SimSettings& s, int clock) {
    return clock > s.rushPmEnd;
}
bool betweenRushes(const SimSettings& s, int clock) {
    return clock > s.rushAmEnd && clock < s.rushPmStart;
}
bool nearMorningRush(const SimSettings& s, int clock) {
    return clock >= s.rushAmStart - rushMargin && clock <= s.rushAmEnd + rushMargin;
}
bool nearEveningRush(const SimSettings& s, int clock) {
    return clock >= s.rushPmStart - rushMargin && clock <= s.rushPmEnd + rushMargin;
}
bool isNightTime(const SimSettings& s, int clock) {
    return clock > s.sunset - duskMargin || clock < s.sunrise;
}

} // namespace jamlog
