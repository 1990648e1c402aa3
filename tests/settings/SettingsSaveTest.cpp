// Saving the sheet: round trip through the load, the NoMM rule, masks of exactly 1, reset all.
#include <gtest/gtest.h>

#include "settings/SettingsSave.h"

using namespace jamlog;

TEST(SettingsSave, RoundTripAndRules) {
    MemoryProfileStore s;
    SettingsRecord r = defaultSettings();
    r.at("Screen", "UpdSpd") = 60;
    r.at("Custom", "Carrs") = 8;
    r.at("Config", "Trains") = 25;
    r.at("Timers", "RushAm") = packPair({330, 600});
    r.at("Screen", "NoMM") = 1;
    r.at("Random", "Random") = 1;
    r.at("Random", "RndSettings") = 1;
    saveSheetSettings(s, r, false);
    EXPECT_EQ(s.GetProfileInt("Screen", "NoMM", -1), -1); // one monitor: not written
    EXPECT_EQ(s.GetProfileInt("Random", "Random", -1), 0);
    EXPECT_EQ(s.GetProfileInt("Random", "RndSettings", -1), 0);
    SettingsRecord back = loadSettings(s);
    EXPECT_EQ(back.get("Screen", "UpdSpd"), 60);
    EXPECT_EQ(back.get("Custom", "Carrs"), 8);
    EXPECT_EQ(back.get("Config", "Trains"), 25);
    EXPECT_EQ(back.rushAmStart, 330);
    EXPECT_EQ(back.rushAmEnd, 600);
    saveSheetSettings(s, r, true);
    EXPECT_EQ(s.GetProfileInt("Screen", "NoMM", -1), 1);
    resetAllSettings(s);
    EXPECT_EQ(loadSettings(s).get("Screen", "UpdSpd"), 75);
}
