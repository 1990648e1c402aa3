// The load's clamps of stored values that would crash or overflow: every setting with an accepted range, at the
// extremes of a 32-bit value and just inside its load bounds, and the saved view's values of a layout.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "settings/SettingsRecord.h"
#include "settings/StoredSetting.h"

using namespace jamlog;

namespace {
bool loadedByTheTable(const SettingDef& d) {
    return d.section != "Settings" && d.section != "Version" && d.section != "Counters" && d.section != "Random" &&
           d.id != Setting::ProcCorr && d.id != Setting::Night && d.id != Setting::Rails; // rules of their own
}
} // namespace

// Every setting with an accepted range has finite load bounds, and loads within them.
TEST(LoadBounds, RangedSettingsLoadWithinBounds) {
    for (const SettingDef& d : settingsTable()) {
        if (!loadedByTheTable(d) || d.minValue == anyValue)
            continue;
        const std::string name(d.name);
        EXPECT_GT(d.loadMin, INT32_MIN) << name;
        EXPECT_LT(d.loadMax, INT32_MAX) << name;
        for (int32_t stored : {INT32_MIN, -1, INT32_MAX, d.loadMin, d.loadMax}) {
            MemoryProfileStore s;
            s.WriteProfileInt(std::string(d.section), name, stored);
            const int32_t loaded = loadSettings(s)[d.id];
            EXPECT_GE(loaded, d.loadMin) << name << " stored as " << stored;
            EXPECT_LE(loaded, d.loadMax) << name << " stored as " << stored;
            if (stored >= d.loadMin && stored <= d.loadMax) {
                EXPECT_EQ(loaded, stored) << name << ": a value inside the bounds is used as stored";
            }
        }
    }
    // Hand edits a little beyond the pages stay; switches and modes keep to their choices.
    MemoryProfileStore s;
    s.WriteProfileInt("Config", "AveSpd", 300);
    s.WriteProfileInt("Timers", "LongIntvl", -5);
    s.WriteProfileInt("Effects", "Tracks", 7);
    s.WriteProfileInt("Config", "TLights", -1);
    SettingsRecord r = loadSettings(s);
    EXPECT_EQ(r.aveSpd, 300);
    EXPECT_EQ(r.longIntvl, 1);
    EXPECT_EQ(r.tracks, 1);
    EXPECT_EQ(r.tLights, 0);
    s.WriteProfileInt("Config", "AveSpd", 100000);
    s.WriteProfileInt("Timers", "LongIntvl", INT32_MAX);
    r = loadSettings(s);
    EXPECT_EQ(r.aveSpd, 480);
    EXPECT_EQ(r.longIntvl, 1200);
}

TEST(LoadBounds, SavedViewValuesAreClampedButAbsenceIsKept) {
    MemoryProfileStore s;
    EXPECT_EQ(readLayoutValue(s, 3, layoutScale, -7), -7) << "an absent value reads as the caller's";
    for (auto [stored, scale] : {std::pair{0, 1}, {INT32_MIN, 1}, {40, 40}, {INT32_MAX, 100000}}) {
        writeLayoutValue(s, 3, layoutScale, stored);
        EXPECT_EQ(readLayoutValue(s, 3, layoutScale, -7), scale) << stored;
    }
    writeLayoutValue(s, 3, layoutOriginX, INT32_MIN);
    writeLayoutValue(s, 3, layoutOriginY, 100123);
    EXPECT_EQ(readLayoutValue(s, 3, layoutOriginX, 0), -900000);
    EXPECT_EQ(readLayoutValue(s, 3, layoutOriginY, 0), 100123);
    writeLayoutValue(s, 3, layoutElapsed, INT32_MAX);
    EXPECT_EQ(readLayoutValue(s, 3, layoutElapsed, 0), INT32_MAX) << "counts as stored";
}
