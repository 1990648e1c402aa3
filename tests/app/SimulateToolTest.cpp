// The headless runner: exact replay for a seed, the line format with the legend's figures, the start clock, and
// refusal of bad arguments.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <QTemporaryDir>
#include <fstream>

#include "app/Tools.h"
#include "model/LayoutCatalogue.h"
#include "platform/QtProfileStore.h"
#include "settings/SettingsExport.h"
#include "settings/StartupVersion.h"

using namespace jamlog;

namespace {

// Runs the tool with stdout captured into a string.
std::string captureRaw(const ToolArgs& args, int& status) {
    std::fflush(stdout);
    testing::internal::CaptureStdout();
    status = runSimulate(args);
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

// The same without the updates per CPU second, the one figure that differs from run to run.
std::string capture(const ToolArgs& args, int& status) {
    std::string out = captureRaw(args, status);
    const std::string key = " updatesPerSecond=";
    const size_t at = out.find(key);
    if (at != std::string::npos)
        out.erase(at, out.find_first_not_of("0123456789", at + key.size()) - at);
    return out;
}

std::vector<std::string> lines(const std::string& out) {
    std::vector<std::string> v;
    std::istringstream in(out);
    for (std::string l; std::getline(in, l);)
        v.push_back(l);
    return v;
}

// The key=value pairs of one line (a leading "summary" word is skipped).
std::map<std::string, std::string> pairs(const std::string& line) {
    std::map<std::string, std::string> kv;
    std::istringstream in(line);
    for (std::string w; in >> w;) {
        const size_t eq = w.find('=');
        if (eq != std::string::npos)
            kv[w.substr(0, eq)] = w.substr(eq + 1);
    }
    return kv;
}

TEST(SimulateToolTest, SameSeedSameBytesAndOneLinePerMinute) {
    int s1 = -1, s2 = -1, s3 = -1;
    const std::string a = capture({"8", "--minutes", "2", "--seed", "11", "--cars", "40"}, s1);
    const std::string b = capture({"8", "--minutes", "2", "--seed", "11", "--cars", "40"}, s2);
    const std::string c = capture({"8", "--minutes", "2", "--seed", "12", "--cars", "40"}, s3);
    EXPECT_EQ(s1, 0);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    ASSERT_EQ(std::count(a.begin(), a.end(), '\n'), 3);
    EXPECT_EQ(a.rfind("minute=1 carsNow=", 0), 0u);
    const size_t last = a.rfind("summary minute=2 ");
    ASSERT_NE(last, std::string::npos);
    for (const char* key : {"carsStuck=", "jams=", "relief=", "boatsNow=", "trainsNow=", "entered=", "left="})
        EXPECT_NE(a.find(key, last), std::string::npos) << key;
}

TEST(SimulateToolTest, MinuteLinesCarryTheLegendFiguresAndTheSummaryRepeatsTheLast) {
    int status = -1;
    const std::vector<std::string> out = lines(capture({"8", "--minutes", "2", "--seed", "5", "--cars", "40"}, status));
    ASSERT_EQ(status, 0);
    ASSERT_EQ(out.size(), 3u);
    const char* keys[] = {"minute",  "carsNow",  "carsStuck", "jams",  "relief", "boatsNow", "trainsNow",
                          "carsMax", "stuckPct", "simTime",   "light", "lights", "layout"};
    for (size_t i = 0; i < 2; ++i) {
        auto kv = pairs(out[i]);
        for (const char* k : keys)
            EXPECT_EQ(kv.count(k), 1u) << k << " in " << out[i];
        EXPECT_EQ(kv.count("entered"), 0u);
        EXPECT_EQ(kv["minute"], std::to_string(i + 1));
        EXPECT_EQ(kv["layout"], "8");
        EXPECT_EQ(kv["lights"], "3"); // TLights 2, plus one
        const std::string relief = kv["relief"];
        EXPECT_TRUE(relief == "None" || relief == "Active" || relief == "SPAD" || relief == "Quick") << relief;
        const int now = std::stoi(kv["carsNow"]), stuck = std::stoi(kv["carsStuck"]);
        EXPECT_LE(stuck, now);
        EXPECT_LE(now, 40); // the active count may fall below it while vehicles finish their journeys
        EXPECT_EQ(std::stoi(kv["stuckPct"]), stuck * 100 / (now + 1));
    }
    // 24 simulated minutes per minute of running time (one every 2.5 s); the minute tick fires just before the
    // clock's 24th step of the same millisecond.
    EXPECT_EQ(pairs(out[0])["simTime"], "12:23");
    EXPECT_EQ(pairs(out[1])["simTime"], "12:47");
    // The summary is the last minute's line with the flow of vehicles added.
    ASSERT_EQ(out[2].rfind("summary " + out[1] + " entered=", 0), 0u) << out[2];
    auto sum = pairs(out[2]);
    EXPECT_GT(std::stol(sum["entered"]), 0);
    EXPECT_GE(std::stol(sum["left"]), 0);
}

// The summary counts every road vehicle, carriage and boat stepped, and the rate is the count over the run's CPU
// seconds, which cannot exceed the time the run took.
TEST(SimulateToolTest, SummaryCountsVehicleUpdatesAndTheirRatePerCpuSecond) {
    struct Run {
        const char* layout;
        const char* what;
    };
    for (const Run& r : {Run{"22", "trains only"}, Run{"10", "cars and boats"}, Run{"19", "cars only"}}) {
        int status = -1;
        const auto start = std::chrono::steady_clock::now();
        const std::vector<std::string> out =
            lines(captureRaw({r.layout, "--minutes", "2", "--seed", "2", "--cars", "60"}, status));
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ASSERT_EQ(status, 0);
        ASSERT_EQ(out.size(), 3u);
        auto sum = pairs(out[2]);
        const long long updates = std::stoll(sum["updates"]), rate = std::stoll(sum["updatesPerSecond"]);
        const int inside = std::stoi(sum["carsNow"]) + std::stoi(sum["trainsNow"]) + std::stoi(sum["boatsNow"]);
        ASSERT_GT(inside, 0) << r.what;
        // Every vehicle inside now was stepped on each of the 100 movement ticks of the second minute at least.
        EXPECT_GE(updates, 100LL * inside) << r.what;
        ASSERT_GT(rate, 0) << r.what;
        EXPECT_LE(static_cast<double>(updates) / static_cast<double>(rate), wall + 0.05) << r.what;
    }
}

TEST(SimulateToolTest, TimeSetsTheStartClockWhichWrapsAtMidnight) {
    int status = -1;
    const std::vector<std::string> late =
        lines(capture({"8", "--minutes", "2", "--cars", "20", "--time", "23:50"}, status));
    ASSERT_EQ(status, 0);
    ASSERT_EQ(late.size(), 3u);
    EXPECT_EQ(pairs(late[0])["simTime"], "00:13");
    EXPECT_EQ(pairs(late[1])["simTime"], "00:37");
    // At night the view darkens by one level every 3 s from the day level (10 to 16) until it reaches Dimming;
    // in daylight it stays at the day level.
    const int dark1 = std::stoi(pairs(late[0])["light"]);
    EXPECT_GE(dark1, 30);
    EXPECT_LE(dark1, 36);
    EXPECT_EQ(pairs(late[1])["light"], "50");
    const std::vector<std::string> day =
        lines(capture({"8", "--minutes", "1", "--cars", "20", "--time", "9:05"}, status));
    ASSERT_EQ(status, 0);
    EXPECT_EQ(pairs(day[0])["simTime"], "09:28"); // after the winter sunrise of the default month
    const int light = std::stoi(pairs(day[0])["light"]);
    EXPECT_GE(light, 10);
    EXPECT_LE(light, 16);
}

TEST(SimulateToolTest, RandomCyclingMovesToAnotherFamilyAtTheFifthMinuteAndReplaysExactly) {
    int s1 = -1, s2 = -1;
    const std::string a = capture({"8", "--minutes", "6", "--cars", "20", "--seed", "4", "--cycle"}, s1);
    const std::string b = capture({"8", "--cycle", "--minutes", "6", "--cars", "20", "--seed", "4"}, s2);
    ASSERT_EQ(s1, 0);
    EXPECT_EQ(a, b); // through resets and the change of layout
    const std::vector<std::string> out = lines(a);
    ASSERT_EQ(out.size(), 7u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(pairs(out[i])["layout"], "8") << out[i];
    const int next = std::stoi(pairs(out[4])["layout"]);
    EXPECT_NE(layoutFamily(next), layoutFamily(8)) << out[4];
    EXPECT_EQ(pairs(out[6])["layout"], pairs(out[5])["layout"]);
}

// This run changes from Huge Car Park to Classic Layout at minute 10; the new roads once inherited the lane cells
// of the full car park and jammed solid at every reset.
TEST(SimulateToolTest, ALayoutReachedByRandomCyclingFlows) {
    int status = -1;
    const std::vector<std::string> out = lines(capture({"1", "--minutes", "11", "--seed", "11", "--cycle"}, status));
    ASSERT_EQ(status, 0);
    ASSERT_EQ(out.size(), 12u);
    EXPECT_EQ(pairs(out[9])["layout"], "0") << out[9];
    EXPECT_EQ(pairs(out[11])["jams"], "0") << out[11];
}

TEST(SimulateToolTest, WithoutCycleTheRunStaysOnItsLayout) {
    int status = -1;
    const std::vector<std::string> out = lines(capture({"8", "--minutes", "6", "--cars", "20", "--seed", "4"}, status));
    ASSERT_EQ(status, 0);
    ASSERT_EQ(out.size(), 7u);
    for (const std::string& l : out)
        EXPECT_EQ(pairs(l)["layout"], "8") << l;
}

// A settings store or an export file holding Cars 30 runs as --cars 30 does on the defaults; anything else that
// cannot be read is refused.
TEST(SimulateToolTest, SettingsComeFromAStoreOrAnExportFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string ini = dir.filePath("store.ini").toStdString(), jmx = dir.filePath("export.jmx").toStdString();
    {
        QtProfileStore store(QString::fromStdString(ini));
        store.WriteProfileInt("Config", "Cars", 30);
    }
    MemoryProfileStore memory;
    startupVersion(memory, "jamlog", 0);
    memory.WriteProfileInt("Config", "Cars", 30);
    ASSERT_EQ(exportSettings(memory, jmx), SettingsFileResult::ok);
    const std::string bad = dir.filePath("bad.jmx").toStdString();
    std::ofstream(bad) << settingsFileHeader << "garbage";

    int status = -1;
    const std::string expected = capture({"8", "--minutes", "1", "--seed", "6", "--cars", "30"}, status);
    ASSERT_EQ(status, 0);
    EXPECT_NE(capture({"8", "--minutes", "1", "--seed", "6"}, status), expected);
    for (const std::string& file : {ini, jmx}) {
        EXPECT_EQ(capture({"8", "--minutes", "1", "--seed", "6", "--settings", file}, status), expected) << file;
        EXPECT_EQ(status, 0) << file;
    }
    for (const std::string& file : {bad, dir.filePath("absent.ini").toStdString()}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(capture({"8", "--minutes", "1", "--settings", file}, status), "");
        EXPECT_NE(testing::internal::GetCapturedStderr(), "") << file;
        EXPECT_EQ(status, 2) << file;
    }
}

// Huge Car Park's relief threshold is 10 %; its parked cars stand but must not count as stuck.
TEST(SimulateToolTest, ParkedCarsAreNotStuck) {
    int status = -1;
    const std::vector<std::string> out = lines(capture({"19", "--minutes", "3", "--seed", "3"}, status));
    ASSERT_EQ(status, 0);
    for (const std::string& l : out) {
        auto kv = pairs(l);
        EXPECT_GT(std::stoi(kv["carsNow"]), 50) << l;
        EXPECT_LT(std::stoi(kv["stuckPct"]), 10) << l;
        EXPECT_EQ(kv["relief"], "None") << l;
    }
}

TEST(SimulateToolTest, BadValuesExitTwoWithoutOutput) {
    const ToolArgs bad[] = {
        {},
        {"x8", "--minutes", "1"},
        {"8"},
        {"8", "--minutes", "0"},
        {"8", "--minutes", "1", "--cars", "2001"},
        {"8", "--minutes", "1", "--seed", "-4"},
        {"8", "--minutes", "1", "--speed", "3"},
        {"8", "--minutes"},
        {"8", "--minutes", "1", "--time", "24:00"},
        {"8", "--minutes", "1", "--time", "12:60"},
        {"8", "--minutes", "1", "--time", "1200"},
        {"8", "--minutes", "1", "--time", "12:5"},
        {"8", "--minutes", "1", "--time", "-1:30"},
        {"8", "--minutes", "1", "--time", "ab:cd"},
        {"8", "--minutes", "1", "--time", ""},
        {"8", "--minutes", "1", "--time"},
        {"8", "--minutes", "1", "--settings"},
        {"8", "--minutes", "1", "--settings", ""},
    };
    for (const ToolArgs& args : bad) {
        int status = 0;
        testing::internal::CaptureStderr();
        const std::string out = capture(args, status);
        const std::string err = testing::internal::GetCapturedStderr();
        const std::string what = args.empty() ? "" : args.back();
        EXPECT_EQ(status, 2) << what;
        EXPECT_EQ(out, "") << what;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << what << ": " << err;
    }
    for (int n = 0; n < 30; ++n) {
        if (layoutIsBuilt(n))
            continue;
        int status = 0;
        testing::internal::CaptureStderr();
        EXPECT_EQ(capture({std::to_string(n), "--minutes", "1"}, status), "");
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "jamlog: --simulate: layout " + std::to_string(n) + " is not built yet\n");
        EXPECT_EQ(status, 2) << "layout " << n << " has no routine yet";
        break;
    }
}

TEST(SimulateToolTest, NumbersOutsideTheCatalogueBuildTheClassicLayout) {
    int s1 = -1, s2 = -1;
    const std::string a = capture({"45", "--minutes", "1", "--seed", "3", "--cars", "20"}, s1);
    const std::string b = capture({"0", "--minutes", "1", "--seed", "3", "--cars", "20"}, s2);
    EXPECT_EQ(s1, 0);
    EXPECT_EQ(a, b);
}

} // namespace
