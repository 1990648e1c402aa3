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

// The sheet starts from the dialog's copy, but the values a run rewrites in that copy come from the store.
TEST(SettingsSave, SheetReadsTheRunsOwnValuesAgain) {
    MemoryProfileStore s;
    s.WriteProfileInt("Speed", "Gatso", 0);
    s.WriteProfileInt("Random", "RndBack", 5);
    s.WriteProfileInt("Speed", "RWSigns", 0);
    s.WriteProfileInt("Speed", "Breakdowns", 0);
    SettingsRecord copy = defaultSettings();
    copy.at("Screen", "UpdSpd") = 60;        // the dialog's own value is kept
    copy.at("Speed", "Gatso") = 1;           // stored 0
    copy.at("Design", "Debug") = 7;          // absent: its default
    copy.at("Params", "RThresh") = 33;       // absent: its default
    copy.at("Speed", "RWSigns") = 1;         // stored 0, but only read again when snowy
    SettingsRecord sheet = sheetSettings(copy, s);
    EXPECT_EQ(sheet.get("Screen", "UpdSpd"), 60);
    EXPECT_EQ(sheet.get("Speed", "Gatso"), 0);
    EXPECT_EQ(sheet.get("Random", "RndBack"), 5);
    EXPECT_EQ(sheet.get("Design", "Debug"), 0);
    EXPECT_EQ(sheet.get("Params", "RThresh"), 70);
    EXPECT_EQ(sheet.get("Speed", "RWSigns"), 1);
    EXPECT_EQ(sheet.get("Speed", "Breakdowns"), 1);

    copy.at("Screen", "Weather") = 3; // snowy: the run switched these off in its copy
    copy.at("Timed", "DayLight") = 0;
    sheet = sheetSettings(copy, s);
    EXPECT_EQ(sheet.get("Speed", "RWSigns"), 0);
    EXPECT_EQ(sheet.get("Speed", "Breakdowns"), 0);
    EXPECT_EQ(sheet.get("Timed", "DayLight"), 1);
    EXPECT_EQ(sheet.get("Screen", "Weather"), 0); // the stored weather, not the snow drawn for the run
}

// The colour dialog owns RndBack's colour bits; the sheet gives only bit 6. NoMM counts as changed only where
// it is written.
TEST(SettingsSave, ColourBitsStayAndNoMMChangeIsReported) {
    MemoryProfileStore s;
    s.WriteProfileInt("Random", "RndBack", 5);
    SettingsRecord r = defaultSettings();
    r.at("Random", "RndBack") = 64 | 0x3F;
    r.at("Screen", "NoMM") = 1;
    EXPECT_FALSE(saveSheetSettings(s, r, false).noMMChanged);
    EXPECT_EQ(s.GetProfileInt("Random", "RndBack", -1), 64 | 5);
    r.at("Random", "RndBack") = 0;
    const SheetSave saved = saveSheetSettings(s, r, true);
    EXPECT_TRUE(saved.noMMChanged);
    EXPECT_EQ(saved.stored.get("Random", "RndBack"), 5);
    EXPECT_EQ(s.GetProfileInt("Random", "RndBack", -1), 5);
    EXPECT_FALSE(saveSheetSettings(s, r, true).noMMChanged);
}
