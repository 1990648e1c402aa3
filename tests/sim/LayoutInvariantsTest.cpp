// Every built layout through the real tick for simulated hours with several seeds and roadworks on: every road
// vehicle and boat step is checked as the tick makes it, the lane bitmaps are compared with the vehicles (and with
// the cells the layout and roadworks mark on purpose), and the vehicles inside are accounted for.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "RoadInvariants.h"
#include "model/LayoutCatalogue.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"
#include "sim/Roadworks.h"
#include "sim/VirtualClock.h"

using namespace jamlog;

namespace {

int insideNow(const NetworkModel& m) {
    int k = 0;
    for (int n = 0; n < vehicleCapacity; ++n)
        if (invariants::isRoadVehicleOrBoat(n))
            k += vehicleInside(m.vehicles[static_cast<size_t>(n)]);
    return k;
}

// Checks each road-vehicle and boat step of the tick between its erase and draw calls, and counts the vehicles in
// and out over each run (a reset starts a new run with its own pre-population).
struct CheckingHooks : DrawHooks {
    NetworkModel& m;
    VehicleDrawTable& draw;
    const Simulation* sim = nullptr;
    invariants::StepWatch watch;
    invariants::Counts counts;
    std::string error;
    int runs = 0;
    int insideAtStart = 0;
    long roadsRedrawn = 0;
    std::array<int, firstCarriage> steppedInTick{}; // the tick in which each road vehicle was last stepped
    bool stepsSeen = false;                         // a tick of the current run has stepped vehicles

    CheckingHooks(NetworkModel& model, VehicleDrawTable& d) : m(model), draw(d) {}

    void newRunIfStarted() {
        if (sim->state().runs == runs)
            return;
        runs = sim->state().runs;
        counts = {};
        insideAtStart = insideNow(m);
        stepsSeen = false;
    }
    void eraseVehicle(int n) override {
        newRunIfStarted();
        stepsSeen = true;
        if (n < firstCarriage)
            steppedInTick[static_cast<size_t>(n)] = sim->state().tickCount;
        if (error.empty() && invariants::isRoadVehicleOrBoat(n))
            watch.before(m, n);
    }
    void drawVehicle(int n) override {
        if (error.empty() && invariants::isRoadVehicleOrBoat(n))
            error = watch.after(m, draw[static_cast<size_t>(n)], counts);
    }
    void redrawRoad(int) override { ++roadsRedrawn; }

    // Every road vehicle inside moves on in every tick, also when the active count has fallen below its number:
    // it must finish its journey, not stand frozen in the way.
    std::string unsteppedInside() const {
        if (!stepsSeen)
            return "";
        for (int n = 0; n < firstCarriage; ++n)
            if (vehicleInside(m.vehicles[static_cast<size_t>(n)]) &&
                steppedInTick[static_cast<size_t>(n)] != sim->state().tickCount)
                return "vehicle " + std::to_string(n) + " is inside but was not stepped (active cars " +
                       std::to_string(sim->state().activeCars) + ")";
        return "";
    }
};

struct Variant {
    uint32_t seed;
    int startClock;
    int debug; // the fast minute tick: roadworks, limits and bank-holiday volume change every 352 ms
};

constexpr Variant variants[] = {
    {3, clockAt(4, 0), 0},
    {1234, clockAt(14, 30), debugFastRandom},
    {77, clockAt(20, 0), debugFastRandom},
};
constexpr int simClkIntvl = 3;     // a simulated minute every 150 ms of running time
constexpr int runningSeconds = 30; // 1200 ticks, three and a third simulated hours
constexpr int checkEveryMs = 500;
constexpr double msPerSimHour = 60 * 150.0;

// Running time per variant: the CI length, or JAMLOG_LONG_HOURS simulated hours (bench/long_runs.sh), which also
// prints the figures of each run.
int runningMs() {
    const char* h = std::getenv("JAMLOG_LONG_HOURS");
    return h ? static_cast<int>(std::atof(h) * msPerSimHour) : runningSeconds * 1000;
}

struct LayoutInvariantsTest : ::testing::TestWithParam<int> {};

TEST_P(LayoutInvariantsTest, HoursOnTheTickWithRoadworksKeepTheInvariants) {
    const int layout = GetParam();
    auto m = std::make_unique<NetworkModel>();
    auto draw = std::make_unique<VehicleDrawTable>();
    auto fixed = std::make_shared<invariants::CellMap>();
    LayoutService layouts = catalogueLayouts();
    layouts.build = [build = layouts.build, fixed](NetworkModel& model, Rng& rng, const LayoutRequest& q) {
        LayoutOutcome out = build(model, rng, q);
        *fixed = invariants::snapshotCells(model); // no vehicle is inside yet: these cells are the layout's own
        return out;
    };
    long roadworksSeen = 0, entered = 0;
    bool roadworksPossible = false; // the layout has roads of two or more lanes outside junctions
    for (const Variant& var : variants) {
        SimSettings s;
        s.network = layout;
        s.randomMask = 0; // stay on this layout
        s.dynRW = 1;
        s.simClkIntvl = simClkIntvl;
        s.debug = var.debug;
        clearModel(*m);
        CheckingHooks hooks(*m, *draw);
        Simulation sim(*m, *draw, s, layouts, &hooks);
        hooks.sim = &sim;
        sim.setSeedSource([seed = var.seed, k = 0u]() mutable { return seed * 7919u + k++; });
        sim.create(var.startClock);
        if (!(sim.state().switches & (contentRoads | contentRivers)))
            GTEST_SKIP() << "a railway: its invariants are the trains'";
        // Car-park layouts run without extras, roadworks among them.
        const bool extras = !(sim.state().switches & contentCarPark);
        for (int r = 0; r < m->roadCount && r < roadCapacity; ++r)
            roadworksPossible = roadworksPossible || (extras && !invariants::onTrack(*m, r) &&
                                                      m->road(r).topLane >= 1 && m->road(r).boxCode == 0);
        const std::string where = "seed " + std::to_string(var.seed);
        ASSERT_EQ(invariants::checkBitmaps(*m, fixed.get(), true), "") << where << " after pre-population";
        VirtualClock clock(sim);
        long samples = 0, stuckShare = 0; // per mille of the road vehicles inside that stand, summed over samples
        const int running = runningMs();
        for (int ms = 0; ms < running; ms += checkEveryMs) {
            clock.advance(checkEveryMs);
            ASSERT_EQ(hooks.error, "") << where << " at " << clock.now() << " ms";
            ASSERT_EQ(invariants::checkBitmaps(*m, fixed.get(), true), "") << where << " at " << clock.now() << " ms";
            for (int r = 0; r < m->roadCount && r < roadCapacity; ++r)
                roadworksSeen += hasRoadworks(m->road(r)) > 0;
            hooks.newRunIfStarted();
            ASSERT_EQ(hooks.unsteppedInside(), "") << where << " at " << clock.now() << " ms";
            // Vehicles inside + outside = all: every vehicle that entered has left or is still inside.
            ASSERT_EQ(insideNow(*m), hooks.insideAtStart + hooks.counts.entered - hooks.counts.left)
                << where << " at " << clock.now() << " ms";
            const TickCounts& c = sim.state().counts;
            if (c.counted > 0)
                stuckShare += 1000L * c.stopped / c.counted, ++samples;
        }
        const double hours = running / msPerSimHour, resets = sim.state().runs - 1;
        // At most one automatic reset in any four simulated hours.
        EXPECT_LE(resets, hours / 4 + 1) << where;
        if (std::getenv("JAMLOG_LONG_HOURS"))
            std::printf("layout %d %s: %.1f h, entered %ld, left %ld, resets %.0f (%.3f per hour), mean "
                        "stuck share %.1f %%\n",
                        layout, where.c_str(), hours, sim.state().entered, sim.state().left, resets, resets / hours,
                        samples ? stuckShare / 10.0 / samples : 0.0);
        entered += hooks.counts.entered;
        if (sim.state().runs == 1) { // a reset sets the timers anew
            int clockMs = 0;
            for (const TimerSpec& t : sim.timers())
                clockMs = t.id == timerClock ? t.intervalMs : clockMs;
            ASSERT_GT(clockMs, 0);
            const int simMinutes = running / clockMs;
            EXPECT_EQ(sim.state().clock, (var.startClock + simMinutes) % minutesPerDay) << where;
        }
    }
    EXPECT_GT(entered, 0);
    if (roadworksPossible) {
        EXPECT_GT(roadworksSeen, 0) << "roadworks were never laid under traffic";
    }
}

INSTANTIATE_TEST_SUITE_P(Built, LayoutInvariantsTest, ::testing::ValuesIn(builtLayouts()),
                         [](const ::testing::TestParamInfo<int>& p) { return "layout" + std::to_string(p.param); });

} // namespace
