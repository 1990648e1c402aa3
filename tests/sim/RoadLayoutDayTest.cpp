// Whole simulated days on the motorway, road and combination layouts at the default settings with random cycling
// off: every step keeps the road invariants, and a layout never needs more than one automatic reset in any four
// simulated hours. The length comes from JAMLOG_RUN_HOURS (bench/road_layout_days.sh runs 24); unset, the test is
// skipped, since the CI suite's long-run test already takes every built layout through hours of traffic.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "RoadInvariants.h"
#include "model/LayoutCatalogue.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"
#include "sim/VirtualClock.h"

using namespace jamlog;

namespace {

constexpr int roadLayouts[] = {2, 3, 4, 9, 13, 14, 16, 18}; // the road and combination layouts
constexpr uint32_t seeds[] = {11, 4242, 90001};
constexpr int checkEveryMs = 1000;
constexpr int bitmapCheckEvery = 30; // checks: the full bitmap comparison is the slow part
constexpr int resetWindowMinutes = 4 * minutesPerHour;

int insideNow(const NetworkModel& m) {
    int k = 0;
    for (int n = 0; n < vehicleCapacity; ++n)
        if (invariants::isRoadVehicleOrBoat(n))
            k += vehicleInside(m.vehicles[static_cast<size_t>(n)]);
    return k;
}

// Checks every road-vehicle step and counts the vehicles in and out of each run (a reset pre-populates anew).
struct WatchingHooks : DrawHooks {
    NetworkModel& m;
    VehicleDrawTable& draw;
    invariants::StepWatch watch;
    invariants::Counts counts;
    std::string error;
    const Simulation* sim = nullptr;
    int runs = 0, insideAtStart = 0;
    long entered = 0, left = 0; // over the whole day
    WatchingHooks(NetworkModel& model, VehicleDrawTable& d) : m(model), draw(d) {}
    void newRunIfStarted() {
        if (sim->state().runs == runs)
            return;
        runs = sim->state().runs;
        entered += counts.entered;
        left += counts.left;
        counts = {};
        insideAtStart = insideNow(m);
    }
    void eraseVehicle(int n) override {
        newRunIfStarted();
        if (error.empty() && invariants::isRoadVehicleOrBoat(n))
            watch.before(m, n);
    }
    void drawVehicle(int n) override {
        if (error.empty() && invariants::isRoadVehicleOrBoat(n))
            error = watch.after(m, draw[static_cast<size_t>(n)], counts);
    }
};

struct DayFigures {
    long entered = 0, left = 0;
    std::vector<int> resetMinutes; // simulated minutes since the start at which the automatic resets came
    double stuckSum = 0, countedSum = 0;
    long samples = 0, reliefSamples = 0;
};

int runHours() {
    const char* v = std::getenv("JAMLOG_RUN_HOURS");
    return v ? std::atoi(v) : 0;
}

struct RoadLayoutDayTest : ::testing::TestWithParam<int> {};

TEST_P(RoadLayoutDayTest, DaysKeepTheInvariantsWithFewResets) {
    const int layout = GetParam(), hours = runHours();
    if (hours <= 0)
        GTEST_SKIP() << "set JAMLOG_RUN_HOURS to run";
    if (!layoutIsBuilt(layout))
        GTEST_SKIP() << "layout " << layout << " is not built";
    auto m = std::make_unique<NetworkModel>();
    auto draw = std::make_unique<VehicleDrawTable>();
    auto fixed = std::make_shared<invariants::CellMap>();
    LayoutService layouts = catalogueLayouts();
    layouts.build = [build = layouts.build, fixed](NetworkModel& model, Rng& rng, const LayoutRequest& q) {
        LayoutOutcome out = build(model, rng, q);
        *fixed = invariants::snapshotCells(model);
        return out;
    };
    for (uint32_t seed : seeds) {
        SimSettings s;
        s.network = layout;
        s.randomMask = 0;
        clearModel(*m);
        WatchingHooks hooks(*m, *draw);
        Simulation sim(*m, *draw, s, layouts, &hooks);
        hooks.sim = &sim;
        sim.setSeedSource([seed, k = 0u]() mutable { return seed * 7919u + k++; });
        sim.create(clockAt(6, 0));
        VirtualClock clock(sim);
        DayFigures f;
        int minutes = 0, lastClock = sim.state().clock, jams = sim.state().jams;
        for (int check = 0; minutes < hours * minutesPerHour; ++check) {
            clock.advance(checkEveryMs);
            ASSERT_EQ(hooks.error, "") << "seed " << seed << " minute " << minutes;
            minutes += (sim.state().clock - lastClock + minutesPerDay) % minutesPerDay;
            lastClock = sim.state().clock;
            if (sim.state().jams != jams)
                f.resetMinutes.push_back(minutes);
            jams = sim.state().jams;
            hooks.newRunIfStarted();
            ASSERT_EQ(insideNow(*m), hooks.insideAtStart + hooks.counts.entered - hooks.counts.left)
                << "seed " << seed << " minute " << minutes;
            if (check % bitmapCheckEvery == 0)
                ASSERT_EQ(invariants::checkBitmaps(*m, fixed.get(), true), "") << "seed " << seed;
            const TickCounts& c = sim.state().counts;
            f.stuckSum += c.stopped;
            f.countedSum += c.counted;
            ++f.samples;
            f.reliefSamples += sim.state().reliefActive != 0;
        }
        f.entered = hooks.entered + hooks.counts.entered;
        f.left = hooks.left + hooks.counts.left;
        for (size_t i = 1; i < f.resetMinutes.size(); ++i)
            EXPECT_GT(f.resetMinutes[i] - f.resetMinutes[i - 1], resetWindowMinutes)
                << "seed " << seed << ": two automatic resets within four simulated hours";
        std::printf("layout %d seed %u: %d h, entered %ld, left %ld, resets/h %.3f, mean stuck %.1f %%, relief "
                    "%.1f %% of the time\n",
                    layout, seed, hours, f.entered, f.left, double(f.resetMinutes.size()) / hours,
                    f.countedSum > 0 ? 100.0 * f.stuckSum / f.countedSum : 0.0,
                    100.0 * double(f.reliefSamples) / double(f.samples));
    }
}

INSTANTIATE_TEST_SUITE_P(RoadLayouts, RoadLayoutDayTest, ::testing::ValuesIn(roadLayouts),
                         [](const ::testing::TestParamInfo<int>& i) { return std::to_string(i.param); });

} // namespace
