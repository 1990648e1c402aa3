// One-run settings from the command line: what the view loads through the overridden store, that nothing of them
// reaches the user's store, and the values the parser refuses.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/RunOverrides.h"
#include "model/LayoutCatalogue.h"
#include "settings/SettingsRecord.h"

using namespace jamlog;

namespace {

CommandLine parse(std::vector<std::string> args) {
    return parseCommandLine(args, nullptr);
}

RunOverrides overridesOf(std::vector<std::string> args) {
    args.insert(args.begin(), "--window");
    const CommandLine c = parse(args);
    EXPECT_TRUE(c.ok()) << c.error;
    return c.overrides;
}

int firstUnbuiltLayout() {
    for (int n = 0; n < layoutNumbers; ++n)
        if (!layoutIsBuilt(n))
            return n;
    return -1;
}

} // namespace

TEST(RunOverrides, AFixedLayoutStopsCyclingAndLeavesTheStoreAsItWas) {
    MemoryProfileStore user;
    user.WriteProfileInt("Random", "Random", 0x25); // cycling on over layouts 1 and 4
    user.WriteProfileInt("Config", "Network", 5);
    user.WriteProfileInt("Settings", "LastNet", 8);
    const size_t storedValues = user.size();
    OverriddenStore store(user, overridesOf({"--layout", "10"}));
    const SettingsRecord r = loadSettings(store);
    EXPECT_EQ(r.startLayout, 10);
    EXPECT_EQ(r.layoutMask & 1, 0);
    // What the run writes of those settings, such as the last layout shown, stays with the run.
    store.WriteProfileInt("Settings", "LastNet", 10);
    store.WriteProfileInt("Config", "Network", 10);
    EXPECT_EQ(store.GetProfileInt("Settings", "LastNet", 0), 10);
    EXPECT_EQ(user.GetProfileInt("Settings", "LastNet", 0), 8);
    EXPECT_EQ(user.GetProfileInt("Config", "Network", 0), 5);
    EXPECT_EQ(user.GetProfileInt("Random", "Random", 0), 0x25);
    // Other settings pass through both ways: the load writes its Running handshake and, the colours being absent,
    // the seven background colours of a first run.
    store.WriteProfileInt("Counters", "Jamlogs", 3);
    EXPECT_EQ(user.GetProfileInt("Counters", "Jamlogs", 0), 3);
    EXPECT_EQ(user.size(), storedValues + 2 + backColours);
}

TEST(RunOverrides, RandomCyclesOverTheUsersChoiceOrOverEveryLayout) {
    MemoryProfileStore chosen;
    chosen.WriteProfileInt("Random", "Random", 0x24); // layouts 1 and 4 chosen, cycling off
    chosen.WriteProfileInt("Settings", "LastNet", 4);
    OverriddenStore store(chosen, overridesOf({"--layout", "random"}));
    const SettingsRecord r = loadSettings(store);
    EXPECT_EQ(r.layoutMask, 0x25);
    EXPECT_EQ(r.startLayout, 4);

    MemoryProfileStore none; // cycling off with no layout chosen is stored as 0
    none.WriteProfileInt("Random", "Random", 0);
    OverriddenStore all(none, overridesOf({"--layout", "random"}));
    EXPECT_EQ(loadSettings(all).layoutMask, defaultSettings()[Setting::Random] | 1);
}

TEST(RunOverrides, TrafficLightAndViewSettings) {
    MemoryProfileStore user;
    user.WriteProfileInt("Timed", "Wandering", 2); // scroll off, variable zoom on
    user.WriteProfileInt("Timed", "Legend", 1);
    user.WriteProfileInt("Timed", "DayLight", 1);
    {
        OverriddenStore store(
            user, overridesOf({"--cars", "37", "--speed", "100", "--daylight", "night", "--wander", "--no-legend"}));
        const SettingsRecord r = loadSettings(store);
        EXPECT_EQ(r[Setting::Cars], 37);
        EXPECT_EQ(r[Setting::AveSpd], 160); // km/h
        EXPECT_EQ(r[Setting::DayLight], 0);
        EXPECT_EQ(r[Setting::Night], 1);
        EXPECT_EQ(r[Setting::Wandering], 3);
        EXPECT_EQ(r[Setting::Legend], 0);
    }
    user.WriteProfileInt("Effects", "Night", 1);
    user.WriteProfileInt("Timed", "DayLight", 0);
    OverriddenStore day(user, overridesOf({"--daylight", "day", "--no-wander", "--legend"}));
    const SettingsRecord r = loadSettings(day);
    EXPECT_EQ(r[Setting::Night], 0);
    EXPECT_EQ(r[Setting::Wandering], 2);
    EXPECT_EQ(r[Setting::Legend], 1);
    OverriddenStore cycle(user, overridesOf({"--daylight", "cycle"}));
    EXPECT_EQ(loadSettings(cycle)[Setting::DayLight], 1);
    EXPECT_EQ(loadSettings(cycle)[Setting::Night], 0); // the 24-hour cycle wins over night driving
    EXPECT_EQ(user.GetProfileInt("Timed", "DayLight", -1), 0);
}

TEST(RunOverrides, EveryRunModeButConfigurationTakesThem) {
    for (const std::vector<std::string>& head :
         std::vector<std::vector<std::string>>{{"s"}, {"p", "12"}, {"--window"}, {"-root"}, {"-window-id", "0x20"}}) {
        std::vector<std::string> args = head;
        args.insert(args.end(), {"--cars", "12", "--seed", "3"});
        const CommandLine c = parse(args);
        ASSERT_TRUE(c.ok()) << head[0] << ": " << c.error;
        EXPECT_EQ(c.overrides.cars.value_or(0), 12) << head[0];
        EXPECT_EQ(c.seed.value_or(0), 3u) << head[0];
    }
    // The host's settings program appends the preview window after the hack's own arguments.
    const CommandLine preview = parseCommandLine({"--root", "--layout", "0", "--window-id", "0x400C9C"}, "0x99");
    ASSERT_TRUE(preview.ok()) << preview.error;
    EXPECT_EQ(preview.windowId, 0x400C9Cu);
    EXPECT_EQ(preview.overrides.layout.value_or(-2), 0);
    EXPECT_FALSE(parse({"c"}).overrides.any());
    EXPECT_FALSE(parse({"--install", "--cars", "5"}).ok());
}

TEST(RunOverrides, RefusedValuesNameTheOptionAndWriteNothing) {
    EXPECT_EQ(parse({"s", "--cars", "0"}).error, "jamlog: bad value '0' for '--cars' (the number of cars, 1 to 400)");
    EXPECT_FALSE(parse({"s", "--cars", "401"}).ok());
    EXPECT_FALSE(parse({"s", "--cars", "12x"}).ok());
    EXPECT_FALSE(parse({"s", "--speed", "29"}).ok());
    EXPECT_FALSE(parse({"s", "--speed", "151"}).ok());
    EXPECT_TRUE(parse({"s", "--speed", "30"}).ok());
    EXPECT_TRUE(parse({"s", "--speed", "150"}).ok());
    EXPECT_EQ(parse({"-root", "--layout"}).error, "jamlog: missing N|random after '--layout'");
    EXPECT_FALSE(parse({"-root", "--layout", "30"}).ok());
    EXPECT_FALSE(parse({"-root", "--layout", "-1"}).ok());
    if (const int n = firstUnbuiltLayout(); n >= 0) {
        EXPECT_FALSE(parse({"-root", "--layout", std::to_string(n)}).ok()) << n;
    }
    EXPECT_EQ(parse({"--window", "--daylight", "dusk"}).error,
              "jamlog: bad value 'dusk' for '--daylight' (light through 24 hours, always day or always night)");
    EXPECT_FALSE(parse({"--window", "--legend", "1"}).ok());
}
