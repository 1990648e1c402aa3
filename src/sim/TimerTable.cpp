// Intervals of the view's timers.
#include "sim/TimerTable.h"

namespace jamlog {

namespace {
constexpr int minuteMs = 60000;
constexpr int fastMinuteMs = 60000 - 256 * 233; // the fast random-layout debug mode
constexpr int fastWanderDivisor = 129;
} // namespace

int moveInterval(int updSpd) {
    return updSpd <= 99 ? 100 - updSpd : 1;
}

TimerTable timerTable(const SimSettings& s) {
    const int wander = 10 * s.wanderIntvl / ((s.debug & debugFastWander) ? fastWanderDivisor : 1);
    return {{
        {timerMove, moveInterval(s.updSpd)},
        {timerWander, wander},
        {timerLong, 1000 * s.longIntvl},
        {timerAnnotations, 1000 * s.annotIntvl},
        {timerDraw, 1000 * s.drawIntvl},
        {timerLights, 1000 * s.tLightIntvl},
        {timerMinute, (s.debug & debugFastRandom) ? fastMinuteMs : minuteMs},
        {timerClock, 50 * s.simClkIntvl},
        {timerFlash, 100 * s.flashIntvl},
        {timerQuickLights, 1000},
        {timerRailway, 250},
        {timerUpkeep, 2000},
        {timerSeconds, 1000},
    }};
}

} // namespace jamlog
