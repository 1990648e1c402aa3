// Setting the simulated clock (the clock commands): clamping, the clock running on from the new minute, and the
// light level following it at dusk and at dawn.
#include <gtest/gtest.h>

#include <memory>

#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"
#include "sim/Simulation.h"

using namespace jamlog;

namespace {

struct ClockRun {
    std::unique_ptr<NetworkModel> m = std::make_unique<NetworkModel>();
    std::unique_ptr<VehicleDrawTable> draw = std::make_unique<VehicleDrawTable>();
    std::unique_ptr<Simulation> sim;
    explicit ClockRun(int clock) {
        SimSettings s;
        s.network = 0;
        s.randomMask = 0;
        s.rndSettings = 0;
        s.weather = 1; // a fixed day level
        s.dayLight = 1;
        s.night = 0;
        clearModel(*m);
        sim = std::make_unique<Simulation>(*m, *draw, s, catalogueLayouts());
        sim->setSeedSource([k = 0u]() mutable { return 77u + k++; });
        sim->create(clock);
    }
    int ticksOfLight(int n) {
        for (int i = 0; i < n; ++i)
            sim->onTimer(timerDraw);
        return sim->state().lightLevel;
    }
};

} // namespace

TEST(SimulationClockTest, SetsClampsAndRunsOn) {
    ClockRun r(clockAt(12, 0));
    r.sim->setClock(clockAt(19, 0));
    EXPECT_EQ(r.sim->state().clock, clockAt(19, 0));
    r.sim->onTimer(timerClock);
    EXPECT_EQ(r.sim->state().clock, clockAt(19, 1));

    r.sim->setClock(clockAt(23, 59));
    r.sim->onTimer(timerClock);
    EXPECT_EQ(r.sim->state().clock, 0);

    // A hand-edited sunset beyond the day cannot put the clock outside it.
    r.sim->setClock(5000);
    EXPECT_EQ(r.sim->state().clock, minutesPerDay - 1);
    r.sim->setClock(-30);
    EXPECT_EQ(r.sim->state().clock, 0);
}

TEST(SimulationClockTest, DuskDarkensAndDawnBrightens) {
    ClockRun r(clockAt(12, 0));
    const int day = r.sim->state().lightLevel;
    EXPECT_EQ(r.ticksOfLight(5), day); // noon stays at the day level

    r.sim->setClock(r.sim->settings().sunset);
    const int dusk = r.ticksOfLight(10);
    EXPECT_GT(dusk, day);
    EXPECT_LE(dusk, r.sim->settings().dimming);

    // At the sunrise minute it is no longer night: the level falls back, never below the day level.
    r.sim->setClock(r.sim->settings().sunrise);
    const int dawn = r.ticksOfLight(3);
    EXPECT_LT(dawn, dusk);
    EXPECT_EQ(r.ticksOfLight(200), day);
}
