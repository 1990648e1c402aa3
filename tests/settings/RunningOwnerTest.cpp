// The run-mode marker's owner: a marker whose process was killed is put back to idle by the next load, so that the
// splash and random cycling come back; a marker whose process still runs, or this process's own, is kept.
#include <gtest/gtest.h>

#include <set>

#include "settings/DialogSettings.h"
#include "settings/RunningOwner.h"
#include "settings/SettingBits.h"
#include "settings/SettingsRecord.h"

using namespace jamlog;

namespace {

std::set<int32_t> running; // the fake process table

struct RunningOwner : ::testing::Test {
    void SetUp() override { running = {100, 200}; }
    void TearDown() override { setProcessIdentity({}); }
    static void as(int32_t self) {
        setProcessIdentity({self, [](int32_t id) { return running.count(id) > 0; }});
    }
};

} // namespace

TEST_F(RunningOwner, MarkerOfAKilledProcessIsRepairedAtTheNextLoad) {
    for (int32_t marker : {runningTestAsked, runningTestDone, runningConfiguration, runningPreview}) {
        MemoryProfileStore s;
        s.WriteProfileInt("Random", "Random", 0x1FFFFF);
        as(100);
        writeRunning(s, marker);
        as(200);
        SettingsRecord r = loadSettings(s);
        EXPECT_NE(readRunning(s), runningIdle) << marker << ": its process still runs";
        EXPECT_EQ(r.layoutMask, 0) << marker;
        running.erase(100); // killed before it could clear the marker
        r = loadSettings(s);
        EXPECT_EQ(readRunning(s), runningIdle) << marker;
        EXPECT_TRUE(r.splash) << marker;
        EXPECT_EQ(r.layoutMask, 0x1FFFFF) << marker << ": random cycling is back";
        running.insert(100);
    }
}

TEST_F(RunningOwner, TheTestRunKeepsTheDialogAsOwner) {
    MemoryProfileStore s;
    as(100); // the dialog asks for a test run
    writeRunning(s, runningTestAsked);
    as(200); // the test run's load turns 1 into 2 and then ends
    loadSettings(s);
    running.erase(200);
    as(300);
    loadSettings(s);
    EXPECT_EQ(readRunning(s), runningTestDone) << "left for the dialog, which still runs";
    running.erase(100);
    loadSettings(s);
    EXPECT_EQ(readRunning(s), runningIdle);
}

TEST_F(RunningOwner, OwnMarkersAndMarkersWithoutOwnerAreKept) {
    MemoryProfileStore s;
    as(100);
    writeRunning(s, runningConfiguration);
    running.erase(100); // as a process table that does not know the caller
    loadSettings(s);    // the dialog's own preview loads
    EXPECT_EQ(readRunning(s), runningConfiguration);

    MemoryProfileStore old; // written without an owner
    old.WriteProfileInt("Settings", "Running", runningPreview);
    as(200);
    loadSettings(old);
    EXPECT_EQ(readRunning(old), runningPreview);

    setProcessIdentity({});
    MemoryProfileStore untracked;
    writeRunning(untracked, runningPreview);
    EXPECT_EQ(untracked.size(), 1u) << "no owner without a process identity";
}
