// Minute-by-minute runs over the virtual clock.
#include "sim/MinuteRun.h"

#include "sim/Relief.h"
#include "sim/VirtualClock.h"

namespace jamlog {

const char* reliefNameOf(const Simulation& sim) {
    if (!sim.state().reliefActive)
        return "None";
    if (quickReliefOn(sim.settings().relief))
        return "Quick";
    return sim.roadLayout() ? "Active" : "SPAD";
}

MinuteFigures minuteFiguresOf(const Simulation& sim) {
    const RunState& s = sim.state();
    MinuteFigures f;
    f.minute = s.minuteCount;
    f.carsNow = s.counts.counted;
    f.carsStuck = s.counts.stopped;
    f.jams = s.jams;
    f.relief = s.reliefActive;
    f.reliefName = reliefNameOf(sim);
    f.boatsNow = s.counts.boats;
    f.trainsNow = s.counts.trains.counted;
    f.carsMax = s.activeCars;
    f.stuckPct = s.counts.stopped * 100 / (s.counts.counted + 1);
    f.simTime = s.clock;
    f.light = s.lightLevel;
    f.lights = s.lights.mode;
    f.layout = s.layout;
    f.entered = s.entered;
    f.left = s.left;
    return f;
}

MinuteRun runSimulationMinutes(Simulation& sim, int startClock, int minutes,
                               const std::function<void(const MinuteFigures&)>& afterMinute) {
    sim.create(startClock);
    VirtualClock clock(sim);
    MinuteRun run;
    run.figures.reserve(static_cast<size_t>(minutes > 0 ? minutes : 0));
    for (int i = 0; i < minutes; ++i) {
        if (!clock.runUntilFired(timerMinute)) {
            run.stalled = true;
            break;
        }
        run.figures.push_back(minuteFiguresOf(sim));
        if (afterMinute)
            afterMinute(run.figures.back());
    }
    return run;
}

} // namespace jamlog
