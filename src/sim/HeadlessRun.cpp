// The headless run: the move tick with relief and jam detection, and the slower timers at their intervals.
#include "sim/HeadlessRun.h"

#include "sim/Breakdowns.h"
#include "sim/LightGroups.h"
#include "sim/RailwaySignals.h"
#include "sim/RoadVehicleStep.h"
#include "sim/TrainStep.h"

namespace jamlog {

namespace {

constexpr int jamTicksBeforeReset = 1000;
constexpr int headBit = 1;

struct TickCounts {
    int counted = 0, stopped = 0;
    int trainsCounted = 0, trainsStuck = 0, trainsHeld = 0;
};

struct Run {
    NetworkModel& m;
    Rng& rng;
    VehicleDrawTable& draw;
    HeadlessConfig& cfg;
    HeadlessFigures fig;
    RailwayState railway;
    int jamTicks = 0;
    bool reliefActive = false;

    bool roadLayout() const { return m.roadCount > m.trackCount - m.trackAdjust; }

    void count(int number, bool wasInside) {
        const bool inside = vehicleInside(m.vehicles[static_cast<size_t>(number)]);
        if (!wasInside && inside)
            ++fig.entered;
        if (wasInside && !inside)
            ++fig.left;
    }

    TickCounts moveTick() {
        TickCounts t;
        RoadTraffic& rt = cfg.traffic;
        if (cfg.roads) {
            if (rt.releaseCounter < rt.activeCars)
                ++rt.releaseCounter;
            for (int n = 0; n < rt.configuredCars && n <= rt.releaseCounter; ++n) {
                const bool was = vehicleInside(m.vehicles[static_cast<size_t>(n)]);
                int flag = reliefActive;
                const uint8_t result = stepVehicle(m, rng, n, rt.carArgs(n), draw[static_cast<size_t>(n)], flag);
                count(n, was);
                if (!(result & drawHidden)) {
                    ++t.counted;
                    t.stopped += flag;
                }
            }
        }
        if (cfg.tracks) {
            const VehicleStepArgs args{rt.factor, rt.updSpd / (rt.procCorr + cfg.faster) + rt.factor, rt.accel, true,
                                       rt.speedLimits != 0};
            for (int n = firstCarriage; n < cfg.trainsEnd; ++n) {
                VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
                const bool was = vehicleInside(v);
                VehicleStepArgs a = args;
                a.entryAllowed = n <= cfg.activeTrainsEnd;
                int flag = reliefActive;
                stepVehicle(m, rng, n, a, draw[static_cast<size_t>(n)], flag);
                count(n, was);
                if ((v.kindFlags & headBit) && vehicleInside(v)) {
                    ++t.trainsCounted;
                    t.trainsStuck += flag == trainStanding;
                    t.trainsHeld += flag == trainHeld;
                }
            }
        }
        if (cfg.rivers) {
            const VehicleStepArgs args = rt.boatArgs();
            for (int n = firstBoat; n < rt.boatsEnd; ++n) {
                const bool was = vehicleInside(m.vehicles[static_cast<size_t>(n)]);
                int flag = cfg.oddBoatsRelief && (n & 1) ? 1 : 0;
                stepVehicle(m, rng, n, args, draw[static_cast<size_t>(n)], flag);
                count(n, was);
            }
        }
        return t;
    }

    // Relief, total jam and automatic reset after a move tick.
    void judge(const TickCounts& t, const std::function<int()>& rebuild) {
        const bool roads = roadLayout();
        if (cfg.relief == 0)
            reliefActive = false;
        else if (roads && t.stopped > cfg.rThresh * t.counted / 100)
            reliefActive = true;
        else
            reliefActive = t.trainsStuck > cfg.rThresh * (t.trainsCounted - t.trainsHeld) / 100 || cfg.relief >= 2;
        cfg.traffic.reliefActive = reliefActive;
        fig.relief = !reliefActive ? "None" : cfg.relief >= 2 ? "Quick" : roads ? "Active" : "SPAD";
        const bool jam = (roads && t.stopped > 9 * t.counted / 10) || t.trainsStuck > 19 * t.trainsCounted / 20;
        if (!jam || !cfg.reset) {
            jamTicks = 0;
            return;
        }
        if (jamTicks <= jamTicksBeforeReset) {
            ++jamTicks;
            return;
        }
        const int oldCars = cfg.traffic.configuredCars;
        cfg.trainsEnd = cfg.activeTrainsEnd = rebuild();
        cfg.traffic.configuredCars = cfg.traffic.activeCars = oldCars;
        cfg.traffic.releaseCounter = 0;
        railway = RailwayState{};
        jamTicks = 0;
        ++fig.jams;
    }

    void snapshot() {
        fig.carsNow = fig.carsStuck = fig.boatsNow = fig.trainsNow = 0;
        for (int n = 0; n < cfg.traffic.configuredCars; ++n) {
            const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
            if (!vehicleInside(v))
                continue;
            ++fig.carsNow;
            fig.carsStuck += v.speed < 1;
        }
        for (int n = firstBoat; n < cfg.traffic.boatsEnd; ++n)
            fig.boatsNow += vehicleInside(m.vehicles[static_cast<size_t>(n)]);
        for (int n = firstCarriage; n < cfg.trainsEnd; ++n) {
            const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
            fig.trainsNow += (v.kindFlags & headBit) && vehicleInside(v);
        }
    }
};

bool due(long ms, int tickMs, int interval) {
    return interval > 0 && ms / interval != (ms - tickMs) / interval;
}

} // namespace

void runHeadless(NetworkModel& m, Rng& rng, VehicleDrawTable& draw, HeadlessConfig cfg,
                 const std::function<int()>& rebuild, const std::function<void(const HeadlessFigures&)>& report) {
    Run run{m, rng, draw, cfg, {}, {}};
    run.railway.tokens = cfg.tokens;
    const int tick = cfg.tickMs > 0 ? cfg.tickMs : 1;
    const long total = static_cast<long>(cfg.minutes) * cfg.minuteMs;
    for (long ms = tick; ms <= total; ms += tick) {
        run.judge(run.moveTick(), rebuild);
        if (cfg.roads && due(ms, tick, cfg.lightsMs))
            stepAllLightGroups(m, cfg.traffic.tailback != 0);
        if (cfg.tracks && due(ms, tick, cfg.railwayMs))
            workRailwaySignals(m, rng, run.railway, run.reliefActive);
        if (cfg.roads && cfg.breakdowns && due(ms, tick, cfg.longMs))
            stepBreakdowns(m, rng, cfg.traffic.breakdowns, cfg.traffic.configuredCars);
        if (due(ms, tick, cfg.minuteMs)) {
            ++run.fig.minute;
            run.snapshot();
            report(run.fig);
        }
    }
}

} // namespace jamlog
