// The light level: start value, day level and the darkening and brightening of timer 5.
#include <gtest/gtest.h>

#include "sim/Clock.h"
#include "sim/LightLevel.h"

using namespace jamlog;

TEST(LightLevelTest, DayLevelByWeather) {
    Rng rng(7);
    EXPECT_EQ(drawDayLevel(1, rng), 14);
    EXPECT_EQ(drawDayLevel(2, rng), 10);
    EXPECT_EQ(drawDayLevel(3, rng), 10);
    Rng a(99), b(99);
    for (int i = 0; i < 200; ++i) {
        const int d = drawDayLevel(0, a);
        EXPECT_EQ(d, b.next() / 5000 + 10);
        EXPECT_GE(d, 10);
        EXPECT_LE(d, 16);
    }
}

TEST(LightLevelTest, StartValue) {
    SimSettings s;
    EXPECT_EQ(startLightLevel(s, 14), 14); // day/night cycling starts at the day level, even at night
    s.dayLight = 0;
    s.night = 1;
    EXPECT_EQ(startLightLevel(s, 14), 64);
}

TEST(LightLevelTest, DarkensAtNightUpToDimming) {
    SimSettings s; // step = 3 x 20 / 50 = 1
    int level = 14;
    for (int i = 0; i < 100; ++i)
        level = stepLightLevel(s, clockAt(23, 0), level, 14);
    EXPECT_EQ(level, 50);
    EXPECT_EQ(stepLightLevel(s, clockAt(18, 31), 20, 14), 21); // darkening starts 30 minutes before sunset
    s.simClkIntvl = 5;                                         // step 12
    EXPECT_EQ(stepLightLevel(s, clockAt(23, 0), 45, 14), 50);
}

TEST(LightLevelTest, BrightensByDayNeverBelowDayLevel) {
    SimSettings s;
    EXPECT_EQ(stepLightLevel(s, clockAt(12, 0), 30, 14), 29);
    EXPECT_EQ(stepLightLevel(s, clockAt(12, 0), 14, 14), 14);
    s.simClkIntvl = 5;
    EXPECT_EQ(stepLightLevel(s, clockAt(12, 0), 20, 14), 14);
    EXPECT_EQ(stepLightLevel(s, clockAt(12, 0), 12, 14), 12); // below the day level: left alone
}

TEST(LightLevelTest, WithoutCyclingMovesTowardsDayLevel) {
    SimSettings s;
    s.dayLight = 0;
    EXPECT_EQ(stepLightLevel(s, clockAt(23, 0), 10, 14), 11);
    EXPECT_EQ(stepLightLevel(s, clockAt(23, 0), 16, 14), 15);
    EXPECT_EQ(stepLightLevel(s, clockAt(23, 0), 64, 14), 64); // at or above Dimming: stays
    s.weather = 1;
    EXPECT_EQ(stepLightLevel(s, clockAt(23, 0), 10, 14), 10);
}

TEST(LightLevelTest, LegendBrightness) {
    SimSettings s;
    EXPECT_EQ(legendBrightness(s, 10), 90);
    EXPECT_EQ(legendBrightness(s, 50), 18);
    s.advanced = advancedDarkLegend;
    EXPECT_EQ(legendBrightness(s, 10), 50);
}
