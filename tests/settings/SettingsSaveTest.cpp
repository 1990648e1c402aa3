// Saving the sheet: round trip through the load, the NoMM rule, masks of exactly 1, reset all.
#include <gtest/gtest.h>

#include "settings/SettingsSave.h"

using namespace jamlog;

TEST(SettingsSave, RoundTripAndRules) {
    MemoryProfileStore s;
    SettingsRecord r = defaultSettings();
    r[Setting::UpdSpd] = 60;
    r[Setting::Carrs] = 8;
    r[Setting::Trains] = 25;
    r[Setting::RushAm] = packPair({330, 600});
    r[Setting::NoMM] = 1;
    r[Setting::Random] = 1;
    r[Setting::RndSettings] = 1;
    saveSheetSettings(s, r, false);
    EXPECT_EQ(s.GetProfileInt("Screen", "NoMM", -1), -1); // one monitor: not written
    EXPECT_EQ(s.GetProfileInt("Random", "Random", -1), 0);
    EXPECT_EQ(s.GetProfileInt("Random", "RndSettings", -1), 0);
    SettingsRecord back = loadSettings(s);
    EXPECT_EQ(back[Setting::UpdSpd], 60);
    EXPECT_EQ(back[Setting::Carrs], 8);
    EXPECT_EQ(back[Setting::Trains], 25);
    EXPECT_EQ(back.rushAmStart, 330);
    EXPECT_EQ(back.rushAmEnd, 600);
    saveSheetSettings(s, r, true);
    EXPECT_EQ(s.GetProfileInt("Screen", "NoMM", -1), 1);
    resetAllSettings(s);
    EXPECT_EQ(loadSettings(s)[Setting::UpdSpd], 75);
}

// The sheet starts from the dialog's copy, but the values a run rewrites in that copy come from the store.
TEST(SettingsSave, SheetReadsTheRunsOwnValuesAgain) {
    MemoryProfileStore s;
    s.WriteProfileInt("Speed", "Gatso", 0);
    s.WriteProfileInt("Random", "RndBack", 5);
    s.WriteProfileInt("Speed", "RWSigns", 0);
    s.WriteProfileInt("Speed", "Breakdowns", 0);
    SettingsRecord copy = defaultSettings();
    copy[Setting::UpdSpd] = 60;        // the dialog's own value is kept
    copy[Setting::Gatso] = 1;           // stored 0
    copy[Setting::Debug] = 7;          // absent: its default
    copy[Setting::RThresh] = 33;       // absent: its default
    copy[Setting::RWSigns] = 1;         // stored 0, but only read again when snowy
    SettingsRecord sheet = sheetSettings(copy, s);
    EXPECT_EQ(sheet[Setting::UpdSpd], 60);
    EXPECT_EQ(sheet[Setting::Gatso], 0);
    EXPECT_EQ(sheet[Setting::RndBack], 5);
    EXPECT_EQ(sheet[Setting::Debug], 0);
    EXPECT_EQ(sheet[Setting::RThresh], 70);
    EXPECT_EQ(sheet[Setting::RWSigns], 1);
    EXPECT_EQ(sheet[Setting::Breakdowns], 1);

    copy[Setting::Weather] = 3; // snowy: the run switched these off in its copy
    copy[Setting::DayLight] = 0;
    sheet = sheetSettings(copy, s);
    EXPECT_EQ(sheet[Setting::RWSigns], 0);
    EXPECT_EQ(sheet[Setting::Breakdowns], 0);
    EXPECT_EQ(sheet[Setting::DayLight], 1);
    EXPECT_EQ(sheet[Setting::Weather], 0); // the stored weather, not the snow drawn for the run
}

// The colour dialog owns RndBack's colour bits; the sheet gives only bit 6. NoMM counts as changed only where
// it is written.
TEST(SettingsSave, ColourBitsStayAndNoMMChangeIsReported) {
    MemoryProfileStore s;
    s.WriteProfileInt("Random", "RndBack", 5);
    SettingsRecord r = defaultSettings();
    r[Setting::RndBack] = 64 | 0x3F;
    r[Setting::NoMM] = 1;
    EXPECT_FALSE(saveSheetSettings(s, r, false).noMMChanged);
    EXPECT_EQ(s.GetProfileInt("Random", "RndBack", -1), 64 | 5);
    r[Setting::RndBack] = 0;
    const SheetSave saved = saveSheetSettings(s, r, true);
    EXPECT_TRUE(saved.noMMChanged);
    EXPECT_EQ(saved.stored[Setting::RndBack], 5);
    EXPECT_EQ(s.GetProfileInt("Random", "RndBack", -1), 5);
    EXPECT_FALSE(saveSheetSettings(s, r, true).noMMChanged);
}
