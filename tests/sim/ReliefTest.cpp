// Relief, total jams with the automatic reset count, quick relief and the lights switch.
#include <gtest/gtest.h>

#include "sim/Relief.h"

using namespace jamlog;

namespace {

TickCounts roads(int counted, int stopped) {
    TickCounts c;
    c.counted = counted;
    c.stopped = stopped;
    return c;
}

TickCounts trains(int counted, int stuck, int held) {
    TickCounts c;
    c.trains.counted = counted;
    c.trains.stuck = stuck;
    c.trains.held = held;
    return c;
}

} // namespace

TEST(ReliefTest, RoadThresholdIsIntegerPercentOfCounted) {
    EXPECT_EQ(decideRelief(1, 70, true, roads(100, 70)), 0);
    EXPECT_EQ(decideRelief(1, 70, true, roads(100, 71)), 1);
    EXPECT_EQ(decideRelief(1, 70, true, roads(9, 7)), 1); // 70 x 9 / 100 = 6
    EXPECT_EQ(decideRelief(0, 70, true, roads(100, 100)), 0);
    EXPECT_EQ(decideRelief(1, 70, false, roads(100, 100)), 0); // not a road layout
}

TEST(ReliefTest, TrainsAndQuickRelief) {
    EXPECT_EQ(decideRelief(1, 70, false, trains(12, 2, 10)), 1); // 70 x (12 - 10) / 100 = 1
    EXPECT_EQ(decideRelief(1, 70, false, trains(12, 1, 10)), 0);
    EXPECT_EQ(decideRelief(2, 70, true, roads(100, 0)), 1);
    EXPECT_EQ(decideRelief(3, 70, true, roads(0, 0)), 1);
}

TEST(ReliefTest, TotalJam) {
    EXPECT_TRUE(totalJam(true, roads(100, 91)));
    EXPECT_FALSE(totalJam(true, roads(100, 90)));
    EXPECT_FALSE(totalJam(true, roads(0, 0)));
    EXPECT_FALSE(totalJam(false, roads(100, 100)));
    EXPECT_TRUE(totalJam(false, trains(20, 20, 0)));
    EXPECT_FALSE(totalJam(false, trains(20, 19, 0)));
}

TEST(ReliefTest, ResetAfter1001JammedTicks) {
    int jamTicks = 0;
    for (int t = 1; t <= 1001; ++t)
        ASSERT_FALSE(countJam(jamTicks, true, true)) << "tick " << t;
    EXPECT_EQ(jamTicks, 1001);
    EXPECT_TRUE(countJam(jamTicks, true, true));
    EXPECT_EQ(jamTicks, 0);
}

TEST(ReliefTest, AnyClearTickRestartsTheCount) {
    int jamTicks = 0;
    for (int t = 0; t < 1000; ++t)
        countJam(jamTicks, true, true);
    EXPECT_FALSE(countJam(jamTicks, false, true));
    EXPECT_EQ(jamTicks, 0);
    for (int t = 1; t <= 1001; ++t)
        ASSERT_FALSE(countJam(jamTicks, true, true));
    EXPECT_TRUE(countJam(jamTicks, true, true));
}

TEST(ReliefTest, ResetOffNeverResets) {
    int jamTicks = 0;
    for (int t = 0; t < 5000; ++t)
        ASSERT_FALSE(countJam(jamTicks, true, false));
    EXPECT_EQ(jamTicks, 0);
}

TEST(ReliefTest, QuickReliefQuartersTrafficAndSwitchesLightsOff) {
    int relief = 1, active = 180;
    LightsState l;
    l.mode = 3;
    toggleQuickRelief(relief, active, 200, l, 2);
    EXPECT_EQ(relief, 3);
    EXPECT_EQ(active, 50);
    EXPECT_EQ(l.mode, lightsOff);
    EXPECT_EQ(l.forcedOff, 1);
    EXPECT_TRUE(quickReliefOn(relief));
    toggleQuickRelief(relief, active, 200, l, 2);
    EXPECT_EQ(relief, 1);
    EXPECT_EQ(active, 200);
    EXPECT_EQ(l.mode, 3);
    EXPECT_EQ(l.forcedOff, 0);
}

TEST(ReliefTest, LightsSwitchTogglesBetweenOffAndTheScheme) {
    LightsState l;
    l.mode = 5; // off at night, not forced
    toggleLights(l, 0);
    EXPECT_EQ(l.mode, 1);
    EXPECT_EQ(l.forcedOff, 0);
    toggleLights(l, 0);
    EXPECT_EQ(l.mode, 5);
    EXPECT_EQ(l.forcedOff, 1);
}
