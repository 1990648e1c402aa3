// A clock of simulated milliseconds that fires the simulation's timers at their intervals, for headless runs,
// tests and benchmarks. Timers are set anew whenever a run starts, as the view does when the layout changes.
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
    // Runs until the next firing of the timer and returns after it.
    void runUntilFired(int id);

private:
    void setAll();
    bool fireNext(int64_t until, int* firedId);

    Simulation& sim;
    TimerTable table;
    std::array<int64_t, timerCount> due{};
    int64_t nowMs = 0;
    int runsSeen = 0;
};

} // namespace jamlog
