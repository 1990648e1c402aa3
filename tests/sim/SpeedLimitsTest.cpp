// Random limits on single-lane roads, variable limits on motorways and the speed cameras.
#include <gtest/gtest.h>

#include "SimFixture.h"
#include "sim/Cameras.h"
#include "sim/Roadworks.h"
#include "sim/SpeedLimits.h"

using namespace jamlog;

struct SpeedLimitsTest : SimFixture {};

TEST_F(SpeedLimitsTest, VariableLimitAtFortyAndSixtyPercent) {
    b.straightRoad(0, 101, 1101, 3, 0, 0, 0, -1); // four lanes, 10000 units: 800 cells (7999 units)
    m->roadCount = 1;
    RoadRecord& r = m->road(0);
    // 100 x marked / (cells + 1): 321 of 800 cells is 40 %.
    markRange(r.lanes[0], 0, 3210);
    updateVariableLimits(*m, rng, 40, false);
    EXPECT_EQ(r.speedLimit, noSpeedLimit);
    markRange(r.lanes[0], 0, 4810); // 481 cells: 60 %
    updateVariableLimits(*m, rng, 40, false);
    EXPECT_EQ(r.speedLimit, 600);
}

TEST_F(SpeedLimitsTest, NoVariableLimitBelowFourLanesOrOnRoadworks) {
    b.straightRoad(0, 101, 501, 2, 0, 0, 0, -1);
    b.straightRoad(1, 201, 601, 3, 1, 1, 1, -1);
    m->roadCount = 2;
    markRange(m->road(0).lanes[0], 0, 4000);
    markRange(m->road(1).lanes[0], 0, 4000);
    startRoadworks(m->road(1), 3, false);
    updateVariableLimits(*m, rng, 40, true);
    EXPECT_EQ(m->road(0).speedLimit, noSpeedLimit);
    EXPECT_EQ(m->road(1).speedLimit, noSpeedLimit);
}

TEST_F(SpeedLimitsTest, RandomLimitsOnlyOnLongSingleLaneRoads) {
    b.straightRoad(0, 101, 201, 0, 0, 0, 0, -1);  // 1000 units: too short
    b.straightRoad(1, 301, 601, 0, 1, 1, 1, -1);  // 3000 units, single lane
    b.straightRoad(2, 701, 1001, 1, 2, 2, 2, -1); // two lanes
    m->roadCount = 3;
    int limited = 0;
    for (int minute = 0; minute < 300; ++minute) {
        updateRandomLimits(*m, rng, 50, true);
        ASSERT_EQ(m->road(0).speedLimit, noSpeedLimit);
        ASSERT_EQ(m->road(2).speedLimit, noSpeedLimit);
        const RoadRecord& r = m->road(1);
        if (r.speedLimit != noSpeedLimit) {
            ++limited;
            ASSERT_GE(r.speedLimit, 400);
            ASSERT_LE(r.speedLimit, 946);
        } else {
            ASSERT_FALSE(cameraLive(r)) << "a camera without a limit";
        }
    }
    EXPECT_GT(limited, 100);
    EXPECT_LT(limited, 200);
}

TEST_F(SpeedLimitsTest, RandomLimitDrawsInOrder) {
    b.straightRoad(0, 301, 601, 0, 0, 0, 0, -1);
    m->roadCount = 1;
    Rng a(9), replay(9);
    updateRandomLimits(*m, a, 101, false); // rand() / 327 is at most 100: always limited
    replay.next();
    EXPECT_EQ(m->road(0).speedLimit, replay.next() / 60 + 400);
    EXPECT_EQ(a.next(), replay.next());
}

TEST_F(SpeedLimitsTest, CameraNeverLiveWithoutALimit) {
    b.straightRoad(0, 101, 1101, 3, 0, 0, 0, -1);
    m->roadCount = 1;
    RoadRecord& r = m->road(0);
    r.kind = 2 | cameraBit;
    updateVariableLimits(*m, rng, 40, true); // empty motorway
    EXPECT_EQ(r.speedLimit, noSpeedLimit);
    EXPECT_FALSE(cameraLive(r));
    EXPECT_EQ(r.kind, 2);
    r.kind = 2 | cameraBit;
    setSpeedLimit(r, 40000); // still a limit
    EXPECT_TRUE(cameraLive(r));
    setSpeedLimit(r, 40001);
    EXPECT_FALSE(cameraLive(r));
}

TEST(CameraTest, ToggleKeepsTheKindAndSetsThreeEighths) {
    RoadRecord r{};
    r.kind = 1;
    Rng a(123), b(123);
    int live = 0;
    for (int i = 0; i < 4000; ++i) {
        toggleCamera(r, a);
        ASSERT_EQ(r.kind & ~cameraBit, 1);
        ASSERT_EQ(cameraLive(r), b.next() < 12288);
        live += cameraLive(r);
    }
    EXPECT_NEAR(live, 1500, 150);
}

TEST(CameraTest, VslThreshold) {
    EXPECT_EQ(vslThreshold(40, 0), 40);
    EXPECT_EQ(vslThreshold(40, 1 << 12), 10);
}
