// The simulated clock, the timer table and the traffic volume over the day.
#include <gtest/gtest.h>

#include "sim/Clock.h"
#include "sim/TimerTable.h"
#include "sim/TrafficVolume.h"

using namespace jamlog;

namespace {

int intervalOf(const TimerTable& t, int id) {
    for (const TimerSpec& s : t)
        if (s.id == id)
            return s.intervalMs;
    return -1;
}

} // namespace

TEST(ClockTest, WrapsAtMidnight) {
    EXPECT_EQ(advanceClock(clockAt(23, 59)), 0);
    EXPECT_EQ(advanceClock(0), 1);
    EXPECT_EQ(advanceClock(clockAt(12, 0)), 721);
}

TEST(ClockTest, DefaultTimerIntervals) {
    SimSettings s;
    const TimerTable t = timerTable(s);
    EXPECT_EQ(intervalOf(t, timerMove), 25);
    EXPECT_EQ(intervalOf(t, timerWander), 80);
    EXPECT_EQ(intervalOf(t, timerLong), 15000);
    EXPECT_EQ(intervalOf(t, timerAnnotations), 2000);
    EXPECT_EQ(intervalOf(t, timerDraw), 3000);
    EXPECT_EQ(intervalOf(t, timerLights), 3000);
    EXPECT_EQ(intervalOf(t, timerMinute), 60000);
    EXPECT_EQ(intervalOf(t, timerClock), 2500);
    EXPECT_EQ(intervalOf(t, timerFlash), 500);
    EXPECT_EQ(intervalOf(t, timerQuickLights), 1000);
    EXPECT_EQ(intervalOf(t, timerRailway), 250);
    EXPECT_EQ(intervalOf(t, timerUpkeep), 2000);
    EXPECT_EQ(intervalOf(t, timerSeconds), 1000);
    EXPECT_EQ(intervalOf(t, 10), -1);
}

TEST(ClockTest, DebugAndEdgeIntervals) {
    SimSettings s;
    s.debug = debugFastRandom | debugFastWander;
    s.updSpd = 99;
    EXPECT_EQ(intervalOf(timerTable(s), timerMinute), 352);
    EXPECT_EQ(intervalOf(timerTable(s), timerWander), 0); // 80 / 129
    EXPECT_EQ(intervalOf(timerTable(s), timerMove), 1);
    EXPECT_EQ(moveInterval(100), 1);
    EXPECT_EQ(moveInterval(150), 1);
}

TEST(ClockTest, PeriodsOfTheDay) {
    SimSettings s; // rushes 05:00-09:00 and 15:00-19:00, sunrise 06:00, sunset 19:00
    EXPECT_TRUE(beforeMorningRush(s, clockAt(4, 59)));
    EXPECT_FALSE(beforeMorningRush(s, clockAt(5, 0)));
    EXPECT_TRUE(nearMorningRush(s, clockAt(4, 30)));
    EXPECT_FALSE(nearMorningRush(s, clockAt(4, 29)));
    EXPECT_TRUE(nearMorningRush(s, clockAt(9, 30)));
    EXPECT_TRUE(betweenRushes(s, clockAt(12, 0)));
    EXPECT_FALSE(betweenRushes(s, clockAt(15, 0)));
    EXPECT_TRUE(afterEveningRush(s, clockAt(19, 1)));
    EXPECT_FALSE(afterEveningRush(s, clockAt(19, 0)));
    EXPECT_TRUE(isNightTime(s, clockAt(18, 31)));
    EXPECT_FALSE(isNightTime(s, clockAt(18, 30)));
    EXPECT_TRUE(isNightTime(s, clockAt(5, 59)));
    EXPECT_FALSE(isNightTime(s, clockAt(6, 0)));
}

TEST(ClockTest, StartVolumeFollowsTheClock) {
    SimSettings s;
    EXPECT_EQ(startCarVolume(s, clockAt(3, 0), 200), 50);
    EXPECT_EQ(startCarVolume(s, clockAt(22, 0), 200), 50);
    EXPECT_EQ(startCarVolume(s, clockAt(12, 0), 200), 100);
    EXPECT_EQ(startCarVolume(s, clockAt(7, 0), 200), 200);
    EXPECT_EQ(trainsAtClock(s, clockAt(3, 0), 40), 10);
    EXPECT_EQ(trainsAtClock(s, clockAt(12, 0), 40), 20);
    EXPECT_EQ(trainsAtClock(s, clockAt(16, 0), 40), 40);
}

TEST(ClockTest, MorningRushGrowsByTwoStepsUpToConfigured) {
    SimSettings s;
    const int step = carStep(s); // 200 x 10 / 100
    ASSERT_EQ(step, 20);
    int active = 50;
    std::vector<int> seen;
    for (int i = 0; i < 10; ++i)
        seen.push_back(active = stepCarVolume(s, clockAt(6, 0), active, 200, step));
    EXPECT_EQ(seen[0], 90);
    EXPECT_EQ(seen[1], 130);
    EXPECT_EQ(seen[3], 200);
    EXPECT_EQ(seen.back(), 200);
    // Above the configured count (a bank holiday) the rush leaves it alone.
    EXPECT_EQ(stepCarVolume(s, clockAt(6, 0), 260, 200, step), 260);
}

TEST(ClockTest, DaytimeAndEveningRules) {
    SimSettings s;
    EXPECT_EQ(stepCarVolume(s, clockAt(12, 0), 200, 200, 20), 180);
    EXPECT_EQ(stepCarVolume(s, clockAt(12, 0), 100, 200, 20), 100); // not above half
    EXPECT_EQ(stepCarVolume(s, clockAt(16, 0), 100, 200, 20), 120); // one step in the evening rush
    EXPECT_EQ(stepCarVolume(s, clockAt(19, 30), 190, 200, 20), 200);
    EXPECT_EQ(stepCarVolume(s, clockAt(2, 0), 100, 200, 20), 100); // early morning: no rule applies
}

TEST(ClockTest, EveningDecayStopsAtThreeSteps) {
    SimSettings s;
    int active = 200;
    for (int i = 0; i < 50; ++i)
        active = stepCarVolume(s, clockAt(21, 0), active, 200, 20);
    EXPECT_EQ(active, 60);
    EXPECT_EQ(stepCarVolume(s, clockAt(21, 0), 65, 200, 20), 60); // never below three steps
}
