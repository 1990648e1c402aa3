// A store that saves nothing (every write refused, as a full disk or a folder that cannot be written reports it
// through the store interface): every start runs on the defaults, its handshake and counters go nowhere, and
// nothing fails on the way.
#include <gtest/gtest.h>

#include "settings/DialogSettings.h"
#include "settings/SettingsRecord.h"
#include "settings/StartupVersion.h"
#include "settings/UsageCounters.h"

using namespace jamlog;

namespace {
struct SavingNothing : MemoryProfileStore {
    int refused = 0;
    bool WriteProfileInt(const std::string&, const std::string&, int32_t) override { return ++refused, false; }
    bool WriteProfileString(const std::string&, const std::string&, const std::string&) override {
        return ++refused, false;
    }
};
} // namespace

TEST(RefusedWrites, EveryStartRunsOnTheDefaults) {
    SavingNothing s;
    for (int start = 0; start < 3; ++start) {
        startupVersion(s, "jamlog", 300);
        writeRunning(s, runningTestAsked);
        const SettingsRecord r = loadSettings(s);
        EXPECT_EQ(static_cast<const SettingValues&>(r), static_cast<const SettingValues&>(defaultSettings()))
            << "start " << start;
        EXPECT_TRUE(r.splash) << "no marker was kept";
        EXPECT_EQ(r.layoutMask, SettingValues{}.randomMask);
        UsageCounters counters(s);
        counters.flush({30, 2, 1}, r.startLayout, true);
    }
    EXPECT_EQ(s.size(), 0u);
    EXPECT_GT(s.refused, 0);
}
