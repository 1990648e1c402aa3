// The settings table and the load: defaults, clamps of crashing values, derived values and the handshake.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/SettingsRecord.h"
#include "sim/SimSettings.h"

using namespace jamlog;

TEST(SettingsTable, EntriesAreUniqueAndDefaultsAccepted) {
    std::set<std::string> seen;
    for (const SettingDef& d : settingsTable()) {
        EXPECT_TRUE(seen.insert(std::string(d.section) + "\\" + std::string(d.name)).second) << d.name;
        EXPECT_GE(d.defaultValue, d.minValue) << d.name;
        EXPECT_LE(d.defaultValue, d.maxValue) << d.name;
        EXPECT_GE(d.resetValue, d.minValue) << d.name;
        EXPECT_LE(d.resetValue, d.maxValue) << d.name;
    }
    EXPECT_EQ(findSetting("Trains"), findSetting("Config", "Trains"));
    EXPECT_FALSE(findSetting("Config", "NoSuchValue"));
    EXPECT_TRUE(findSetting("Config", "Trains"));
    EXPECT_EQ(findSetting("Custom", "Slower"), Setting::Slower);
    EXPECT_EQ(settingDef(Setting::Slower).resetValue, 20);
    // The table, the settings list and the record's fields agree entry by entry.
    const SettingsRecord defaults = defaultSettings();
    for (size_t i = 0; i < settingsTable().size(); ++i) {
        const SettingDef& d = settingsTable()[i];
        EXPECT_EQ(d.id, settingAt(i)) << d.name;
        EXPECT_EQ(defaults[d.id], d.defaultValue) << d.name;
    }
    EXPECT_EQ(defaults.cars, 200);
    EXPECT_EQ(defaults.backCol3, 0x00A000);
}

TEST(SettingsLoad, FreshStoreGivesDefaults) {
    MemoryProfileStore s;
    SettingsRecord r = loadSettings(s);
    EXPECT_EQ(r[Setting::UpdSpd], 75);
    EXPECT_EQ(r.startLayout, 14);
    EXPECT_EQ(r.roadColour, 0x808080u);
    EXPECT_EQ(r.rushAmStart, 300);
    EXPECT_EQ(r.rushPmEnd, 1140);
    EXPECT_EQ(r.layoutMask, 0x1FFFFF);
    EXPECT_EQ(r[Setting::RndBack], 71);
}

TEST(SettingsLoad, ClampsOnlyValuesThatWouldCrash) {
    MemoryProfileStore s;
    s.WriteProfileInt("Config", "Cars", 5000);
    s.WriteProfileInt("Design", "LanWid", 0);
    s.WriteProfileInt("Timers", "SimClkIntvl", -3);
    s.WriteProfileInt("Design", "ProcCorr", 11);
    s.WriteProfileInt("Custom", "RndIntvl", 0);
    s.WriteProfileInt("Config", "Factor", -1);
    s.WriteProfileInt("Design", "CarLen", 0);
    s.WriteProfileInt("Design", "CarWid", 1);
    s.WriteProfileInt("Screen", "UpdSpd", 500); // out of the pages' range but harmless: kept
    SettingsRecord r = loadSettings(s);
    EXPECT_EQ(r[Setting::Cars], 2000);
    EXPECT_EQ(r[Setting::LanWid], 1);
    EXPECT_EQ(r[Setting::SimClkIntvl], 1);
    EXPECT_EQ(r[Setting::ProcCorr], 5);
    EXPECT_EQ(r[Setting::RndIntvl], 1);
    EXPECT_EQ(r[Setting::Factor], 1);
    EXPECT_EQ(r[Setting::CarLen], 1);
    EXPECT_EQ(r[Setting::CarWid], 20); // a car-width divisor 20 times the widest, times a far-out view's scale
    EXPECT_EQ(r[Setting::UpdSpd], 500);
}

TEST(SettingsLoad, DaylightAndDerivedValues) {
    MemoryProfileStore s;
    s.WriteProfileInt("Effects", "Season", 0);
    SettingsRecord r = loadSettings(s);
    EXPECT_EQ(r.sunrise, 360);
    EXPECT_EQ(r.sunset, 1140);
    s.WriteProfileInt("Effects", "Season", 1);
    s.WriteProfileInt("Version", "Date", 12 * 29 + 6); // a June
    r = loadSettings(s);
    EXPECT_EQ(r.sunrise, 180);
    EXPECT_EQ(r.sunset, 1320);
    EXPECT_EQ(seasonalDaylight(12).first, 540); // December: 09:00-16:00
    EXPECT_EQ(seasonalDaylight(12).second, 960);
    s.WriteProfileInt("Params", "Advanced", 4);
    s.WriteProfileInt("Effects", "Night", 1);
    s.WriteProfileInt("Design", "Debug", 1 << 9);
    s.WriteProfileInt("Screen", "Tarmac", 2);
    r = loadSettings(s);
    EXPECT_EQ(r[Setting::Rails], 2);
    EXPECT_EQ(r[Setting::Night], 0); // daylight cycling is on
    EXPECT_EQ(r[Setting::Advanced], 4 | 8);
    EXPECT_TRUE(r.anyDebug);
    EXPECT_EQ(r.roadColour, 0x708C8Cu);
}

TEST(SettingsLoad, RunningHandshakeAndRandomMask) {
    MemoryProfileStore s;
    s.WriteProfileInt("Settings", "Running", 1);
    SettingsRecord r = loadSettings(s);
    EXPECT_EQ(s.GetProfileInt("Settings", "Running", -1), 2);
    EXPECT_EQ(r.layoutMask, 0); // no random cycling in a test run
    s.WriteProfileInt("Settings", "Running", 3);
    loadSettings(s);
    EXPECT_EQ(s.GetProfileInt("Settings", "Running", -1), 3);
    s.WriteProfileInt("Settings", "Running", 0);
    s.WriteProfileInt("Settings", "LastNet", 7);
    s.WriteProfileInt("Config", "Network", 3);
    EXPECT_EQ(loadSettings(s).startLayout, 7);
    s.WriteProfileInt("Random", "Random", 0x1FFFFE);
    EXPECT_EQ(loadSettings(s).startLayout, 3);
    s.WriteProfileInt("Settings", "Pro", 1);
    s.WriteProfileInt("Settings", "DebugOn", 0);
    s.WriteProfileInt("Design", "Debug", 5);
    EXPECT_FALSE(loadSettings(s).anyDebug);
    EXPECT_EQ(storedMask(1), 0);
    EXPECT_EQ(storedMask(3), 3);
}

// A first run (no minutes counted) writes the seven background colours; every load reads them back, so that
// colours chosen in the colour dialog reach the view.
TEST(SettingsLoad, BackgroundColoursWrittenOnAFirstRunAndReadBack) {
    const int32_t defaults[] = {0x007000, 0x505050, 0x406070, 0x00A000, 0x404080, 0x808080, 0x202020};
    MemoryProfileStore fresh;
    loadSettings(fresh);
    for (int i = 0; i < backColours; ++i)
        EXPECT_EQ(fresh.GetProfileInt("Random", "BackCol" + std::to_string(i), -1), defaults[i]) << i;

    MemoryProfileStore used;
    used.WriteProfileInt("Counters", "Elapsed", 30);
    used.WriteProfileInt("Random", "BackCol0", 0x112233);
    used.WriteProfileInt("Random", "BackCol6", 0x445566);
    const SettingsRecord r = loadSettings(used);
    EXPECT_EQ(used.GetProfileInt("Random", "BackCol3", -1), -1) << "not a first run: nothing written";
    EXPECT_EQ(r.backCol0, 0x112233);
    EXPECT_EQ(r.backCol6, 0x445566);
    EXPECT_EQ(r.backCol3, defaults[3]);
    EXPECT_EQ(simSettingsFromRecord(r).backColour(6), 0x445566u);
}

TEST(SettingsLoad, SplashUnlessDisabledOrARunIsMarked) {
    MemoryProfileStore s;
    EXPECT_TRUE(loadSettings(s).splash);
    s.WriteProfileInt("Params", "Advanced", 128 | 1);
    EXPECT_FALSE(loadSettings(s).splash) << "the tweak \"disable splash screen\"";
    s.WriteProfileInt("Params", "Advanced", 1 | 256);
    EXPECT_TRUE(loadSettings(s).splash) << "other tweaks leave it on";
    s.WriteProfileInt("Settings", "Running", 1);
    EXPECT_FALSE(loadSettings(s).splash) << "a test run about to start";
    EXPECT_FALSE(loadSettings(s).splash) << "and the same run once marked as 2";
    s.WriteProfileInt("Settings", "Running", 8);
    EXPECT_FALSE(loadSettings(s).splash) << "a preview";
}

TEST(SettingsLoad, DrawingAreaFromTheScreens) {
    const ScreenSizes single{1920, 1080, 1920, 1080};
    const ScreenSizes sideBySide{1920, 1080, 3200, 1080};
    const ScreenSizes stacked{1920, 1080, 1920, 2160}; // as wide as the primary screen: taken as one
    EXPECT_EQ(drawingArea(0, single).noMM, 1);
    ScreenArea a = drawingArea(0, sideBySide);
    EXPECT_EQ(a.noMM, 0);
    EXPECT_EQ(a.width, 3200);
    EXPECT_EQ(a.height, 1080);
    a = drawingArea(1, sideBySide);
    EXPECT_EQ(a.width, 1920);
    a = drawingArea(0, stacked);
    EXPECT_EQ(a.noMM, 1);
    EXPECT_EQ(a.height, 1080);

    MemoryProfileStore s;
    SettingsRecord r = loadSettings(s, single);
    EXPECT_EQ(r[Setting::NoMM], 1);
    EXPECT_EQ(s.GetProfileInt("Screen", "NoMM", -1), -1) << "the forced value is the view's, never stored";
    r = loadSettings(s, sideBySide);
    EXPECT_EQ(r[Setting::NoMM], 0);
    EXPECT_EQ(r.screenW, 3200);
}
