// Usage counters: when each count reaches the store, the statistics reset and the texts of both dialogs.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "settings/StartupVersion.h"
#include "settings/UsageCounters.h"
#include "settings/UsageTexts.h"

using namespace jamlog;

namespace {

int32_t layoutCount(ProfileStore& s, int layout, const char* name) {
    return s.GetProfileInt(layoutSection(layout), name, 0);
}
int32_t total(ProfileStore& s, const char* name) {
    return s.GetProfileInt("Counters", name, 0);
}

struct UsageCountersTest : ::testing::Test {
    MemoryProfileStore store;
    void SetUp() override {
        store.WriteProfileInt("Counters", "Elapsed", 1000);
        store.WriteProfileInt("Counters", "Jamlogs", 40);
        store.WriteProfileInt("Counters", "Reliefs", 9);
        store.WriteProfileInt("Counters", "Longest", 45);
    }
};

} // namespace

TEST_F(UsageCountersTest, FinalFlushOfAFullSizeView) {
    UsageCounters c(store);
    store.WriteProfileInt("Counters", "Elapsed", 5); // overwritten from the totals read at start
    store.WriteProfileInt(layoutSection(7), "Elapsed", 100);
    c.flush({30, 2, 5}, 7, true);
    EXPECT_EQ(total(store, "Elapsed"), 1030);
    EXPECT_EQ(total(store, "Jamlogs"), 42);
    EXPECT_EQ(total(store, "Reliefs"), 14);
    EXPECT_EQ(total(store, "Longest"), 45); // 30 minutes do not beat 45
    EXPECT_EQ(layoutCount(store, 7, "Elapsed"), 130);
    EXPECT_EQ(layoutCount(store, 7, "Reliefs"), 5);
    EXPECT_EQ(store.GetProfileInt("Settings", "LastNet", -1), 7);
    UsageCounters longer(store);
    longer.flush({50, 0, 0}, 3, true);
    EXPECT_EQ(total(store, "Longest"), 50);
}

TEST_F(UsageCountersTest, PreviewsAndStatisticsOff) {
    UsageCounters preview(store);
    preview.setSmallWindow(true);
    preview.flush({10, 1, 0}, 12, true);
    EXPECT_EQ(layoutCount(store, 12, "Elapsed"), 10);
    EXPECT_EQ(total(store, "Elapsed"), 1000);
    EXPECT_EQ(total(store, "Longest"), 45);
    EXPECT_EQ(store.GetProfileInt("Settings", "LastNet", -1), -1);

    UsageCounters off(store);
    off.setPerLayoutStatistics(false);
    off.flush({8, 1, 1}, 2, true);
    EXPECT_EQ(layoutCount(store, 2, "Elapsed"), 0);
    EXPECT_EQ(total(store, "Elapsed"), 1008);
}

TEST_F(UsageCountersTest, LayoutChangesBookEachShareSeparately) {
    UsageCounters c(store);
    c.flush({5, 1, 0}, 3, false);
    EXPECT_EQ(total(store, "Elapsed"), 1000) << "a layout change leaves the totals";
    c.flush({12, 1, 2}, 9, false);
    c.flush({20, 3, 2}, 23, true);
    const int32_t expected[3][3] = {{5, 1, 0}, {7, 0, 2}, {8, 2, 0}};
    const int layouts[3] = {3, 9, 23};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(layoutCount(store, layouts[i], "Elapsed"), expected[i][0]) << layouts[i];
        EXPECT_EQ(layoutCount(store, layouts[i], "Jamlogs"), expected[i][1]) << layouts[i];
        EXPECT_EQ(layoutCount(store, layouts[i], "Reliefs"), expected[i][2]) << layouts[i];
    }
    EXPECT_EQ(store.GetProfileInt("Config\\Netn", "Elapsed", 0), 8);
    EXPECT_EQ(total(store, "Elapsed"), 1020);
    EXPECT_EQ(total(store, "Jamlogs"), 43);
}

TEST_F(UsageCountersTest, HugeStoredCountsSaturate) {
    store.WriteProfileInt("Counters", "Elapsed", INT32_MAX - 5);
    store.WriteProfileInt(layoutSection(1), "Jamlogs", INT32_MAX);
    UsageCounters c(store);
    c.flush({10, 1, 0}, 1, true);
    EXPECT_EQ(total(store, "Elapsed"), INT32_MAX);
    EXPECT_EQ(layoutCount(store, 1, "Jamlogs"), INT32_MAX);
}

TEST_F(UsageCountersTest, ResetClearsLayoutsZeroToTwentyThreeOnly) {
    for (int layout : {0, 10, 23, 24}) {
        store.WriteProfileInt(layoutSection(layout), "Elapsed", 70);
        store.WriteProfileInt(layoutSection(layout), "Reliefs", 3);
        store.WriteProfileInt(layoutSection(layout), "Scale", 4);
    }
    resetLayoutStatistics(store);
    for (int layout : {0, 10, 23})
        for (const char* name : {"Elapsed", "Jamlogs", "Reliefs", "Scale"})
            EXPECT_EQ(store.GetProfileInt(layoutSection(layout), name, -1), name[0] == 'S' ? 4 : 0) << layout;
    EXPECT_EQ(layoutCount(store, 24, "Elapsed"), 70);
    EXPECT_EQ(total(store, "Elapsed"), 1000);
}

TEST(UsageTexts, ElapsedInDaysHoursMinutes) {
    EXPECT_EQ(elapsedText(3000), "2 days, 2 hrs, 0 mins");
    EXPECT_EQ(elapsedText(1439), "0 days, 23 hrs, 59 mins");
    EXPECT_EQ(elapsedText(1440), "1 days, 0 hrs, 0 mins");
}

TEST(UsageTexts, AboutLines) {
    MemoryProfileStore s;
    EXPECT_EQ(aboutVersionLine(s), "Version Unkn  (Unknown.0)  RC Build  Unknown");
    EXPECT_EQ(aboutEditionLine(s), "  64-bit Edition");
    startupVersion(s, "jamlog", monthNumber(2010, 10));
    EXPECT_EQ(aboutVersionLine(s), "Version 5.01  (5.01.0345.0)   Release  10-Oct-10");
    EXPECT_EQ(aboutEditionLine(s), "Update 1  64-bit Edition");
    s.WriteProfileInt("Version", "Release", 0);
    s.WriteProfileInt("Version", "Current Update", 12);
    EXPECT_EQ(aboutVersionLine(s), "Version 5.01  (5.01.0345.12) Test Build 10-Oct-10");
    s.WriteProfileInt("Version", "Release", 4); // no such build kind
    EXPECT_EQ(aboutVersionLine(s), "Version 5.01  (5.01.0345.12)            10-Oct-10");

    s.WriteProfileInt("Counters", "Elapsed", 3000);
    s.WriteProfileInt("Counters", "Jamlogs", 17);
    s.WriteProfileInt("Counters", "Longest", 45);
    const std::vector<std::string> expected = {"Statistics:", "Elapsed: 2 days, 2 hrs, 0 mins", "Jamlogs: 17",
                                               "Reliefs: 0", "Longest Run: 45 mins"};
    EXPECT_EQ(aboutStatisticsLines(s), expected);
}

TEST(UsageTexts, LayoutStatisticsText) {
    MemoryProfileStore s;
    s.WriteProfileInt(layoutSection(0), "Elapsed", 12);
    s.WriteProfileInt(layoutSection(0), "Jamlogs", 3);
    s.WriteProfileInt(layoutSection(0), "Reliefs", 4);
    s.WriteProfileInt(layoutSection(19), "Elapsed", 1234);
    s.WriteProfileInt(layoutSection(19), "Reliefs", 3);
    s.WriteProfileInt(layoutSection(23), "Elapsed", 500); // a test layout: not listed, not summed
    const std::string text = layoutStatisticsText(s);
    const std::string head = "\t\t\tmins     locks     reliefs\n"
                             "Classic Layout      \t 12\t  3\t  4\n"
                             "Jamlog USA          \t  0\t  0\t  0\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_NE(text.find("Rural Chaos         \t  0\t  0\t  0\n\nJunction 13 "), std::string::npos);
    EXPECT_TRUE(text.ends_with("\nBig Car Park        \t1234\t  0\t  3\n\nTOTALS\t\t\t1246\t  3\t  7"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 20 + 4);
    EXPECT_EQ(statisticsLayoutName(14), "City Bridges");
    EXPECT_EQ(statisticsLayoutName(20), "");
}
