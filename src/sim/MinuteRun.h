// Runs of the whole simulation on the virtual clock: the real dispatcher at the timers' intervals, with the
// figures of every minute tick (what the --simulate tool prints per minute).
#pragma once
#include <functional>
#include <vector>

#include "sim/Simulation.h"

namespace jamlog {

struct MinuteFigures {
    int minute = 0;                  // minute ticks since the view was created
    int carsNow = 0;                 // road vehicles counted inside in the last movement tick
    int carsStuck = 0;               // of them standing
    int jams = 0;                    // automatic resets so far
    int relief = 0;                  // reliefActive
    const char* reliefName = "None"; // None, Active (road layouts), SPAD (train layouts) or Quick
    int boatsNow = 0;
    int trainsNow = 0;
    int carsMax = 0;  // activeCars
    int stuckPct = 0; // carsStuck x 100 / (carsNow + 1)
    int simTime = 0;  // simulated clock, minutes since midnight
    int light = 0;    // light level
    int lights = 0;   // lights mode
    int layout = 0;   // layout number (changes under random cycling)
    long entered = 0; // road vehicles entered and left since creation
    long left = 0;
};

MinuteFigures minuteFiguresOf(const Simulation& sim);

// The relief as the legend names it: None while off, Quick during a quick relief, else Active on road layouts and
// SPAD (trains passing signals at danger) on train layouts.
const char* reliefNameOf(const Simulation& sim);

struct MinuteRun {
    std::vector<MinuteFigures> figures; // one per minute tick
    bool stalled = false;               // stopped early: a minute tick did not come within two minutes
};

// Creates the view's first run with the clock at `startClock` (minutes since midnight), then runs `minutes`
// minute ticks on a virtual clock and returns the figures after each; `afterMinute`, when given, sees each one.
MinuteRun runSimulationMinutes(Simulation& sim, int startClock, int minutes,
                               const std::function<void(const MinuteFigures&)>& afterMinute = {});

} // namespace jamlog
