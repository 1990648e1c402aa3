// Start-up version handling on fresh, old and current stores; the first-run colours.
#include <gtest/gtest.h>

#include "settings/StartupVersion.h"

using namespace jamlog;

TEST(StartupVersion, FreshStoreGetsVersionAndZeroCounters) {
    MemoryProfileStore s;
    startupVersion(s, "jamlog", monthNumber(2026, 12));
    EXPECT_EQ(s.GetProfileInt("Version", "Current Version", 0), 500);
    EXPECT_EQ(s.GetProfileInt("Version", "Date", 0), 12 * 29 + 12);
    EXPECT_EQ(s.GetProfileInt("Version", "Release", 0), 3);
    EXPECT_EQ(s.GetProfileString("Version", "DisplayVersion", ""), "5.01.0345");
    EXPECT_EQ(s.GetProfileInt("Counters", "Elapsed", -1), 0);
    EXPECT_EQ(s.GetProfileString("Settings", "ExeName", ""), "JAMLOG");
    firstRunDefaults(s);
    EXPECT_EQ(s.GetProfileInt("Random", "BackCol0", 0), 0x007000);
    EXPECT_EQ(s.GetProfileInt("Random", "BackCol6", 0), 0x202020);
}

TEST(StartupVersion, OldSettingsAreDeletedCurrentOnesKept) {
    MemoryProfileStore s;
    s.WriteProfileInt("Version", "Current Version", 499);
    s.WriteProfileInt("Config", "Cars", 321);
    startupVersion(s, "averylongprogramname", 100);
    EXPECT_EQ(s.GetProfileInt("Config", "Cars", 200), 200);
    EXPECT_EQ(s.GetProfileString("Settings", "ExeName", ""), "AVERYLON");
    s.WriteProfileInt("Config", "Cars", 321);
    s.WriteProfileInt("Counters", "Elapsed", 90);
    startupVersion(s, "jamlog", 200);
    EXPECT_EQ(s.GetProfileInt("Config", "Cars", 200), 321);
    EXPECT_EQ(s.GetProfileInt("Version", "Date", 0), 100); // the first start's month stays
    s.WriteProfileInt("Random", "BackCol0", 5);
    firstRunDefaults(s); // minutes counted: not a first run
    EXPECT_EQ(s.GetProfileInt("Random", "BackCol0", 0), 5);
}
