// Automatic resets and random layout changes on the virtual clock: however often a layout is reset, the slower
// timers keep their pace, and a reset leads to a run that flows.
#include <gtest/gtest.h>

#include <memory>

#include "model/LayoutCatalogue.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"
#include "sim/VirtualClock.h"

using namespace jamlog;

namespace {

struct ViewRun {
    std::unique_ptr<NetworkModel> m = std::make_unique<NetworkModel>();
    std::unique_ptr<VehicleDrawTable> draw = std::make_unique<VehicleDrawTable>();
    std::unique_ptr<Simulation> sim;
    ViewRun(const SimSettings& s, LayoutService layouts, uint32_t seed) {
        clearModel(*m);
        sim = std::make_unique<Simulation>(*m, *draw, s, std::move(layouts));
        sim->setSeedSource([seed, k = 0u]() mutable { return seed * 7919u + k++; });
    }
};

// The catalogue's layouts with every road vehicle unable to move: each run jams solid and is reset.
LayoutService jammingLayouts() {
    LayoutService l = catalogueLayouts();
    l.build = [inner = l.build](NetworkModel& m, Rng& rng, const LayoutRequest& q) {
        LayoutOutcome out = inner(m, rng, q);
        for (int n = 0; n < firstCarriage; ++n)
            m.vehicles[static_cast<size_t>(n)].topSpeed = 0;
        return out;
    };
    return l;
}

} // namespace

TEST(ResetLoopTest, ResetsFasterThanAMinuteNeverHoldBackTheClockOrTheLayoutChanges) {
    SimSettings s;
    s.network = 0;
    s.rndIntvl = 1; // a layout change at every minute tick
    s.updSpd = 50;  // a heartbeat of 50 ms: a jammed layout is reset well within each minute
    s.relief = 0;
    ViewRun r(s, jammingLayouts(), 3);
    r.sim->create(clockAt(6, 0));
    VirtualClock clock(*r.sim);
    constexpr int changes = 10;
    int clockBefore = r.sim->state().clock, layoutChanges = 0;
    for (int minute = 1; minute <= changes; ++minute) {
        const int layoutBefore = r.sim->state().layout;
        ASSERT_TRUE(clock.runUntilFired(timerMinute)) << "minute " << minute;
        const RunState& st = r.sim->state();
        EXPECT_EQ(st.minuteCount, minute);
        // 24 simulated minutes a minute; a layout change sets the clock timer anew and may cost one step.
        EXPECT_GE(st.clock - clockBefore, 23) << "minute " << minute;
        clockBefore = st.clock;
        layoutChanges += st.layout != layoutBefore;
        if (minute == 1) {
            EXPECT_GE(st.jams, 1); // the first layout was reset within the first minute
        }
    }
    EXPECT_GE(layoutChanges, changes - 1);
}

// Every road layout with random cycling on and every random setting drawn anew at each change (the layout itself
// drawn again) runs two simulated hours, long enough for several automatic resets, without one: a change leads to
// a run that flows.
struct RandomSettingsRun : ::testing::TestWithParam<int> {};

TEST_P(RandomSettingsRun, TwoHoursOfChangesWithoutAReset) {
    constexpr int allRandomSettings = (rndBreakdowns << 1) - 1;
    constexpr int clockInterval = 25; // a simulated minute every 1250 ms: two hours are 6000 heartbeats
    const int layout = GetParam();
    SimSettings s;
    s.network = layout;
    s.randomMask = 1 | (1 << (layout + 1)); // cycling on, with no other layout to go to
    s.rndSettings = allRandomSettings;
    s.rndIntvl = 1;
    s.simClkIntvl = clockInterval;
    ViewRun r(s, catalogueLayouts(), 11);
    r.sim->create(clockAt(7, 0));
    if (!r.sim->roadLayout())
        GTEST_SKIP() << "a railway";
    VirtualClock clock(*r.sim);
    const int64_t twoHours = 2L * minutesPerHour * 50 * clockInterval;
    clock.advance(twoHours);
    const RunState& st = r.sim->state();
    EXPECT_GE(st.runs, 3) << "the random settings were drawn at two changes";
    EXPECT_EQ(st.jams, 0) << "layout " << layout << " was reset";
    EXPECT_GT(st.left, 0);
}

INSTANTIATE_TEST_SUITE_P(Built, RandomSettingsRun, ::testing::ValuesIn(builtLayouts()),
                         [](const ::testing::TestParamInfo<int>& p) { return "layout" + std::to_string(p.param); });
