// The headless runner: exact replay for a seed, the line format, and refusal of bad arguments.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/Tools.h"
#include "model/LayoutCatalogue.h"

using namespace jamlog;

namespace {

// Runs the tool with stdout captured into a string.
std::string capture(const ToolArgs& args, int& status) {
    std::fflush(stdout);
    testing::internal::CaptureStdout();
    status = runSimulate(args);
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
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
    };
    for (const ToolArgs& args : bad) {
        int status = 0;
        const std::string out = capture(args, status);
        EXPECT_EQ(status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(out, "");
    }
    for (int n = 0; n < 30; ++n) {
        if (layoutIsBuilt(n))
            continue;
        int status = 0;
        EXPECT_EQ(capture({std::to_string(n), "--minutes", "1"}, status), "");
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
