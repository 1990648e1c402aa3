// The in-memory store, per-layout section names and packed minute pairs.
#include <gtest/gtest.h>

#include "settings/ProfileStore.h"
#include "settings/SettingValues.h"
#include "settings/StoredSetting.h"
#include "settings/StoredText.h"

using namespace jamlog;

TEST(ProfileStore, DefaultsWritesAndDeletion) {
    MemoryProfileStore s;
    EXPECT_EQ(s.GetProfileInt("Params", "UpdSpd", 25), 25);
    s.WriteProfileInt("Params", "UpdSpd", -7);
    EXPECT_EQ(s.GetProfileInt("Params", "UpdSpd", 25), -7);
    EXPECT_EQ(s.GetProfileInt("Timed", "UpdSpd", 3), 3); // sections are separate
    s.WriteProfileString("Version", "Name", "x");
    EXPECT_EQ(s.GetProfileInt("Version", "Name", 9), 9); // text that is no number reads as the default
    EXPECT_EQ(s.GetProfileString("Version", "Name", ""), "x");
    s.deleteProgramKey();
    EXPECT_EQ(s.size(), 0u);
    EXPECT_EQ(s.GetProfileString("Version", "Name", "d"), "d");
}

TEST(ProfileStore, LayoutSectionsInBase24) {
    EXPECT_EQ(layoutSection(0), "Config\\Net0");
    EXPECT_EQ(layoutSection(9), "Config\\Net9");
    EXPECT_EQ(layoutSection(10), "Config\\Neta");
    EXPECT_EQ(layoutSection(23), "Config\\Netn");
    EXPECT_EQ(layoutSection(24), "Config\\Net10");
    EXPECT_EQ(layoutSection(29), "Config\\Net15");
}

TEST(ProfileStore, MinutePairs) {
    MinutePair p = unpackPair(3601140);
    EXPECT_EQ(p.first, 360);
    EXPECT_EQ(p.second, 1140);
    EXPECT_EQ(packPair(p), 3601140);
}

// The keys that other files reach only by id: a wrong section or name would strand the value where the export
// file, the dialogs and older stores do not look.
TEST(ProfileStore, ValuesReachedByIdLieUnderTheirStoredNames) {
    MemoryProfileStore s;
    writeStoredText(s, StoredText::ExtraKit, "Update 1");
    writeStoredMetric(s, StoredMetric::FontHeight, 17);
    writeLayoutValue(s, 10, layoutOriginY, 123);
    EXPECT_EQ(s.GetProfileString("Version", "ExtraKit", ""), "Update 1");
    EXPECT_EQ(s.GetProfileInt("Screen", "FontHeight", 0), 17);
    EXPECT_EQ(s.GetProfileInt("Config\\Neta", "OriginY", 0), 123);
    EXPECT_EQ(readStoredText(s, StoredText::DisplayDate), "Unknown");
    EXPECT_EQ(readLayoutValue(s, 10, layoutScale, -1), -1);
    EXPECT_EQ(readStored(s, Setting::Date, 1), 1); // a read's own absent value beats the table's default
    writeStored(s, Setting::Date, 300);
    EXPECT_EQ(readStored(s, Setting::Date, 1), 300);
}
