// The simulation object on the existing layouts: start of a run, the dispatcher's timers, quick relief, random
// cycling, the automatic reset, and long headless runs under the movement invariants.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "RoadInvariants.h"
#include "model/LayoutCatalogue.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"
#include "sim/LightGroups.h"
#include "sim/MinuteRun.h"
#include "sim/Roadworks.h"
#include "sim/VirtualClock.h"

using namespace jamlog;

namespace {

struct CountingHooks : DrawHooks {
    long erased = 0, drawn = 0, redraws = 0;
    void eraseVehicle(int) override { ++erased; }
    void drawVehicle(int) override { ++drawn; }
    void redrawView() override { ++redraws; }
};

struct SimRun {
    std::unique_ptr<NetworkModel> m = std::make_unique<NetworkModel>();
    std::unique_ptr<VehicleDrawTable> draw = std::make_unique<VehicleDrawTable>();
    std::unique_ptr<Simulation> sim;
    SimRun(const SimSettings& s, uint32_t seed = 1, DrawHooks* hooks = nullptr) {
        clearModel(*m);
        sim = std::make_unique<Simulation>(*m, *draw, s, catalogueLayouts(), hooks);
        sim->setSeedSource([seed, k = 0u]() mutable { return seed * 7919u + k++; });
    }
};

SimSettings quiet(int layout) {
    SimSettings s;
    s.network = layout;
    s.randomMask = 0;
    s.dynRW = 0;
    s.prePop = 100;
    return s;
}

// The lane bitmaps of roads and rivers against the cells of their vehicles (tracks belong to the trains).
std::string checkRoadBitmaps(const NetworkModel& m) {
    std::vector<std::array<uint32_t, cellWords>> cells;
    std::string e = invariants::expectedCells(m, cells);
    if (!e.empty())
        return e;
    const bool tracks = m.trackCount > 0;
    for (int road = 0; road < roadCapacity; ++road) {
        if (tracks && road >= firstTrack && road < firstRiver)
            continue;
        const RoadRecord& r = m.road(road);
        if (r.topLane < 0 || r.topLane >= maxLanes)
            continue;
        for (int k = 0; k <= r.topLane; ++k)
            for (int w = 0; w < cellWords; ++w)
                if (cells[static_cast<size_t>(road * maxLanes + k)][w] != r.lanes[k].occupancy[w])
                    return "road " + std::to_string(road) + " lane " + std::to_string(k) + " differs from its vehicles";
    }
    return "";
}

int insideRoadVehicles(const NetworkModel& m, int cars) {
    int n = 0;
    for (int v = 0; v < cars; ++v)
        n += vehicleInside(m.vehicles[static_cast<size_t>(v)]);
    return n;
}

} // namespace

TEST(SimulationTest, StartRunScalesCountsAndPrePopulates) {
    SimSettings s = quiet(0);
    SimRun r(s);
    r.sim->create(clockAt(12, 0));
    const RunState& st = r.sim->state();
    EXPECT_EQ(st.layoutName, "Classic Layout");
    EXPECT_EQ(st.configuredCars, 1000); // classic: cars x 5
    EXPECT_EQ(st.activeCars, 500);      // between the rushes: a half
    EXPECT_EQ(st.releaseCounter, 100);  // one per pre-population round
    EXPECT_GT(insideRoadVehicles(*r.m, 1000), 20);
    EXPECT_EQ(st.annotations[2], ".Loading...");
    EXPECT_TRUE(st.switches & contentRoads);
}

TEST(SimulationTest, NoPrePopulationInConfigurationOrWithTheTweak) {
    for (int variant = 0; variant < 2; ++variant) {
        SimSettings s = quiet(0);
        if (variant == 0)
            s.running = runningConfiguration;
        else
            s.advanced = advancedNoPrePop;
        SimRun r(s);
        r.sim->create(clockAt(12, 0));
        EXPECT_EQ(r.sim->state().releaseCounter, 0);
        EXPECT_EQ(insideRoadVehicles(*r.m, 1000), 0);
    }
}

TEST(SimulationTest, RestartFlagZeroReloadsStoredValues) {
    SimSettings s = quiet(8);
    SimRun r(s);
    r.sim->create(clockAt(12, 0));
    r.sim->settings().weather = 3;
    r.sim->settings().breakdowns = 0;
    r.sim->settings().driver = 4;
    r.sim->startRun(40, false);
    EXPECT_EQ(r.sim->settings().weather, 0);
    EXPECT_EQ(r.sim->settings().breakdowns, 1);
    EXPECT_EQ(r.sim->settings().driver, 4); // not among the reloaded values
    EXPECT_EQ(r.sim->state().releaseCounter, 0);
}

TEST(SimulationTest, MoveTickErasesSteppsAndDrawsEveryVehicleInOrder) {
    CountingHooks hooks;
    SimSettings s = quiet(10); // roads and rivers
    SimRun r(s, 3, &hooks);
    r.sim->create(clockAt(8, 0));
    const RunState& st = r.sim->state();
    r.sim->onTimer(timerMove);
    EXPECT_EQ(hooks.erased, hooks.drawn);
    const int cars = std::min(st.releaseCounter, st.configuredCars - 1) + 1;
    EXPECT_EQ(hooks.erased, cars + (st.boatsEnd - firstBoat));
    EXPECT_LE(st.counts.stopped, st.counts.counted);
    EXPECT_EQ(st.tickCount, 1);
}

TEST(SimulationTest, HiddenVehiclesAreNotStepped) {
    CountingHooks hooks;
    SimSettings s = quiet(0);
    s.debug = debugHideVehicles;
    SimRun r(s, 1, &hooks);
    r.sim->create(clockAt(12, 0));
    r.sim->onTimer(timerMove);
    EXPECT_EQ(hooks.erased, 0);
    EXPECT_EQ(insideRoadVehicles(*r.m, 1000), 0);
}

TEST(SimulationTest, ClockAndSecondTimers) {
    SimRun r(quiet(8));
    r.sim->create(clockAt(23, 59));
    r.sim->onTimer(timerClock);
    EXPECT_EQ(r.sim->state().clock, 0);
    r.sim->onTimer(timerSeconds);
    r.sim->onTimer(timerFlash);
    EXPECT_EQ(r.sim->state().secondCount, 1);
    EXPECT_EQ(r.sim->state().flashPhase, 1);
}

TEST(SimulationTest, QuickReliefEndsAtTheNextMinute) {
    SimSettings s = quiet(8);
    s.bHols = 0;
    SimRun r(s);
    r.sim->create(clockAt(7, 0));
    const RunState& st = r.sim->state();
    const int configured = st.configuredCars;
    r.sim->quickRelief();
    EXPECT_EQ(st.activeCars, configured / 4);
    EXPECT_EQ(st.lights.mode, lightsOff);
    EXPECT_EQ(r.sim->settings().relief, 3);
    r.sim->onTimer(timerMove);
    EXPECT_EQ(st.reliefActive, 1);
    r.sim->onTimer(timerMinute);
    EXPECT_EQ(r.sim->settings().relief, 1);
    EXPECT_EQ(st.activeCars, configured);
}

TEST(SimulationTest, LightsOffAtNightAndBackInTheMorning) {
    SimSettings s = quiet(29);
    s.tlOff = 1;
    s.peakTL = 0;
    SimRun r(s);
    r.sim->create(clockAt(21, 0));
    r.sim->onTimer(timerDraw);
    EXPECT_EQ(r.sim->state().lights.mode, lightsOff);
    for (int i = 0; i < 600; ++i)
        r.sim->onTimer(timerClock); // 07:00
    r.sim->onTimer(timerDraw);
    EXPECT_EQ(r.sim->state().lights.mode, s.tLights + 1);
    r.sim->lightsSwitch(); // forced off: the morning rule leaves them off
    r.sim->onTimer(timerDraw);
    EXPECT_EQ(r.sim->state().lights.mode, lightsOff);
    EXPECT_EQ(r.sim->state().lights.forcedOff, 1);
}

// Main junctions keep their lights when the extra lights are off; part-time ones start dark and, on the layouts
// that have them, the peak-time lights switch them on once the rush fills the layout.
TEST(SimulationTest, MainExtraAndPartTimeJunctionLightsAreDistinct) {
    int partTimeLayouts = 0, peakShown = 0;
    for (int n : builtLayouts()) {
        SimSettings s = quiet(n);
        s.advanced = advancedNoExtraLights;
        s.tlOff = 0;
        SimRun r(s);
        r.sim->create(clockAt(8, 0));
        int junctions = 0, lit = 0, partTime = 0;
        for (int g = 0; g < roadLightGroups; ++g) {
            const LightGroup& lg = r.m->lightGroups[static_cast<size_t>(g)];
            if (lg.mode == 0 && !lg.hasLights)
                break;
            if (lg.hasLights)
                EXPECT_EQ(lg.mode, 0) << "layout " << n << " group " << g << ": extra lights stay dark";
            junctions += lg.mode != lightsPelican;
            lit += lg.mode >= lightsFourPhase && lg.mode < lightsOff;
            partTime += lg.mode == lightsPartTimeOff;
        }
        if (junctions > 0 && r.sim->roadLayout())
            EXPECT_GT(lit, 0) << "layout " << n << " has no working junction lights without the extras";
        if (partTime == 0)
            continue;
        ++partTimeLayouts;
        for (int tick = 0; tick < 3000 && !r.sim->state().lights.peakOn; ++tick)
            r.sim->onTimer(tick % 10 == 0 ? timerDraw : timerMove);
        peakShown += r.sim->state().lights.peakOn;
    }
    EXPECT_GE(partTimeLayouts, 2);
    EXPECT_GE(peakShown, 2);
}

TEST(SimulationTest, BankHolidaysEverySecondAndFourthMinute) {
    SimSettings s = quiet(8);
    s.traffic = 0;
    SimRun r(s);
    r.sim->create(clockAt(12, 0));
    const RunState& st = r.sim->state();
    const int configured = st.configuredCars, step = s.cars * s.carInc / 100;
    r.sim->onTimer(timerMinute); // minute 1
    EXPECT_EQ(st.activeCars, configured);
    r.sim->onTimer(timerMinute); // minute 2
    EXPECT_EQ(st.activeCars, configured + 5 * step);
    r.sim->onTimer(timerMinute);
    r.sim->onTimer(timerMinute); // minute 4: back
    EXPECT_EQ(st.activeCars, configured);
}

TEST(SimulationTest, RandomCyclingChangesFamilyEveryInterval) {
    SimSettings s = quiet(0);
    s.randomMask = 1 | (1 << 1) | (1 << 2) | (1 << 9) | (1 << 11); // layouts 0, 1, 8, 10
    s.rndIntvl = 2;
    SimRun r(s, 5);
    r.sim->create(clockAt(12, 0));
    for (int minute = 1; minute <= 8; ++minute) {
        const int before = r.sim->state().layout;
        r.sim->onTimer(timerMinute);
        const int after = r.sim->state().layout;
        if (minute % 2 == 0) {
            EXPECT_NE(layoutFamily(after), layoutFamily(before)) << minute;
        } else {
            EXPECT_EQ(after, before);
        }
    }
    EXPECT_EQ(r.sim->state().runs, 5);
}

// A random layout change reads the content switches from the store as it is now, not as it was at creation.
TEST(SimulationTest, RandomCyclingReadsTheContentSwitchesFromTheStore) {
    SimSettings s = quiet(0);
    s.randomMask = 1 | (1 << 1) | (1 << 11); // layouts 0 and 10 (roads and rivers)
    s.rndSettings = 0;
    for (bool saved : {false, true}) {
        SimRun r(s, 5);
        if (saved)
            r.sim->setStoreRead([](Setting id) { return id == Setting::Rivers ? 0 : SimSettings{}[id]; });
        r.sim->create(clockAt(12, 0));
        r.sim->nextLayout();
        ASSERT_EQ(r.sim->state().layout, 10);
        EXPECT_EQ(r.sim->settings().rivers, saved ? 0 : 1);
        EXPECT_EQ((r.sim->state().switches & contentRivers) != 0, !saved);
    }
}

// A restart clears the counts of the run before: the boats of Junction 13 are not counted on the next layout.
TEST(SimulationTest, ARestartClearsTheCountsOfTheRunBefore) {
    SimRun r(quiet(10), 3);
    r.sim->create(clockAt(12, 0));
    for (int i = 0; i < 400 && r.sim->state().counts.boats == 0; ++i)
        r.sim->onTimer(timerMove);
    ASSERT_GT(r.sim->state().counts.boats, 0);
    r.sim->startRun(200, true);
    EXPECT_EQ(r.sim->state().counts.boats, 0);
    EXPECT_EQ(r.sim->state().counts.counted, 0);
}

// Layouts not built yet are never drawn, and a run asked for one reports the classic layout it shows.
TEST(SimulationTest, RandomCyclingShowsOnlyBuiltLayouts) {
    int unbuilt = 1;
    while (unbuilt < catalogueLayoutCount && layoutIsBuilt(unbuilt))
        ++unbuilt;
    if (unbuilt == catalogueLayoutCount)
        GTEST_SKIP() << "every layout is built";
    SimSettings s = quiet(unbuilt); // a stored choice of a layout not built yet
    s.randomMask = 0x1FFFFF;
    s.rndIntvl = 1;
    s.prePop = 0;
    SimRun r(s, 9);
    r.sim->create(clockAt(12, 0));
    EXPECT_EQ(r.sim->state().layout, 0);
    std::set<int> shown;
    for (int minute = 1; minute <= 30; ++minute) {
        r.sim->onTimer(timerMinute);
        shown.insert(r.sim->state().layout);
    }
    for (int n : shown)
        EXPECT_TRUE(layoutIsBuilt(n)) << n;
    EXPECT_GE(shown.size(), 3u);
}

TEST(SimulationTest, TotalJamResetsTheLayout) {
    SimSettings s = quiet(8);
    s.relief = 0;
    SimRun r(s);
    r.sim->create(clockAt(12, 0));
    // Every vehicle standing: break them all down in place.
    for (int n = 0; n < firstCarriage; ++n) {
        r.m->vehicles[static_cast<size_t>(n)].topSpeed = 0;
        r.m->vehicles[static_cast<size_t>(n)].speed = 0;
    }
    const int runs = r.sim->state().runs;
    int ticks = 0;
    while (r.sim->state().runs == runs && ticks < 1100) {
        r.sim->onTimer(timerMove);
        ++ticks;
    }
    // Vehicles still outside can enter only after the count began; the reset comes 1001 jammed ticks later.
    EXPECT_GE(ticks, 1002);
    EXPECT_LT(ticks, 1100);
    EXPECT_EQ(r.sim->state().jams, 1);
}

TEST(SimulationTest, ResetOffNeverResets) {
    SimSettings s = quiet(8);
    s.reset = 0;
    s.relief = 0;
    SimRun r(s);
    r.sim->create(clockAt(12, 0));
    for (int n = 0; n < firstCarriage; ++n)
        r.m->vehicles[static_cast<size_t>(n)].topSpeed = 0;
    for (int t = 0; t < 1500; ++t)
        r.sim->onTimer(timerMove);
    EXPECT_EQ(r.sim->state().runs, 1);
    EXPECT_EQ(r.sim->state().jamTicks, 0);
}

TEST(SimulationTest, RoadworksAtStartAvoidJunctionsAndHiddenCells) {
    SimSettings s = quiet(10);
    s.dynRW = 1;
    int laid = 0;
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        SimRun r(s, seed);
        r.sim->create(clockAt(12, 0));
        for (int n = 0; n < r.m->roadCount; ++n) {
            const RoadRecord& road = r.m->road(n);
            if (!hasRoadworks(road))
                continue;
            ++laid;
            EXPECT_EQ(road.boxCode, 0) << n;
            EXPECT_FALSE(anyCellSet(road.hiddenBits, 0, (road.length - 1) / 10)) << n;
        }
    }
    EXPECT_GT(laid, 0);
}

// Several simulated hours of every existing layout on the virtual clock, with the bitmaps checked every
// simulated second and the flow of vehicles checked at the end.
TEST(SimulationTest, LongHeadlessRunsKeepTheInvariants) {
    for (int layout : builtLayouts()) {
        for (uint32_t seed : {1u, 2u}) {
            SimSettings s = quiet(layout);
            s.simClkIntvl = 5; // a simulated minute every 250 ms
            SimRun r(s, seed);
            r.sim->create(clockAt(4, 0));
            // Layouts that mark cells at build (tapers) cannot be compared cell by cell with their vehicles.
            if (!checkRoadBitmaps(*r.m).empty())
                continue;
            const long insideAtStart = insideRoadVehicles(*r.m, r.sim->state().configuredCars);
            VirtualClock clock(*r.sim);
            for (int second = 0; second < 60; ++second) {
                clock.advance(1000);
                const std::string e = checkRoadBitmaps(*r.m);
                ASSERT_EQ(e, "") << "layout " << layout << " seed " << seed << " second " << second;
            }
            const RunState& st = r.sim->state();
            EXPECT_EQ(st.clock, clockAt(8, 0)) << layout;
            EXPECT_EQ(st.minuteCount, 1);
            if ((st.switches & contentRoads) && st.runs == 1) {
                // Every vehicle that entered has left or is still inside.
                const long inside = insideRoadVehicles(*r.m, st.configuredCars);
                EXPECT_EQ(inside, insideAtStart + st.entered - st.left) << layout;
                if (r.m->boundaryRoads[0] >= 0) {
                    EXPECT_GT(st.entered, 0) << layout;
                }
            }
        }
    }
}

TEST(SimulationTest, HeadlessRunnerReportsEveryMinute) {
    SimSettings s = quiet(0);
    s.simClkIntvl = 5;
    SimRun r(s, 9);
    const auto figures = runSimulationMinutes(*r.sim, clockAt(18, 0), 2).figures;
    ASSERT_EQ(figures.size(), 2u);
    EXPECT_EQ(figures[0].minute, 1);
    // The minute timer fires before the clock timer's 240th tick of the same millisecond.
    EXPECT_EQ(figures[0].simTime, clockAt(21, 59));
    EXPECT_EQ(figures[1].simTime, clockAt(1, 59));
    EXPECT_EQ(figures[0].light, 50); // darkened to Dimming by 22:00 at 12 levels a tick
    EXPECT_EQ(figures[0].layout, 0);
    EXPECT_EQ(figures[1].carsMax, r.sim->state().activeCars);
    EXPECT_EQ(figures[0].lights, s.tLights + 1);
    EXPECT_EQ(figures[1].stuckPct, figures[1].carsStuck * 100 / (figures[1].carsNow + 1));
}
