// The view's timers: ids and intervals in milliseconds, derived from the settings; the platform sets them.
#pragma once
#include <array>

#include "sim/SimSettings.h"

namespace jamlog {

enum TimerId : int {
    timerMove = 1,
    timerWander = 2,
    timerLong = 3,
    timerAnnotations = 4,
    timerDraw = 5,
    timerLights = 6,
    timerMinute = 7,
    timerClock = 8,
    timerFlash = 9,
    timerQuickLights = 11,
    timerRailway = 12,
    timerUpkeep = 13,
    timerSeconds = 14,
};

struct TimerSpec {
    int id;
    int intervalMs;
};

constexpr int timerCount = 13;
using TimerTable = std::array<TimerSpec, timerCount>;

// All timers in id order (there is no timer 10).
TimerTable timerTable(const SimSettings& s);

// The heartbeat interval: 100 - UpdSpd while UpdSpd is at most 99, else 1.
int moveInterval(int updSpd);

} // namespace jamlog
