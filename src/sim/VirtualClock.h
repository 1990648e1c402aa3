// A clock of simulated milliseconds that fires the simulation's timers at their intervals, for headless runs,
// tests and benchmarks. As the view does, every timer is set anew when the layout changes and only the heartbeat
// at an automatic reset.
#pragma once
#include <array>
#include <cstdint>

#include "sim/Simulation.h"

namespace jamlog {

class VirtualClock {
public:
    explicit VirtualClock(Simulation& sim);

    // Fires every timer due up to now + ms, in time order (ids in table order at equal times).
    void advance(int64_t ms);
    int64_t now() const { return nowMs; }
    // Runs until the next firing of the timer and returns true after it; false when it has not fired within
    // `limitMs` of simulated time (by default twice its interval), so that a stalled timer never spins for ever.
    bool runUntilFired(int id, int64_t limitMs = 0);

private:
    void setAll();
    void setHeartbeat();
    void followRunStarts();
    bool fireNext(int64_t until, int* firedId);
    int intervalOf(int id) const;

    Simulation& sim;
    TimerTable table;
    std::array<int64_t, timerCount> due{};
    int64_t nowMs = 0;
    int timerSetsSeen = 0, heartbeatSetsSeen = 0;
};

} // namespace jamlog
